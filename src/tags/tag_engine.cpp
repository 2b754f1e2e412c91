#include "tags/tag_engine.h"

#include "core/system_helpers.h"
#include "tags/dynamic_tags.h"
#include "tags/project_tags.h"

namespace tags {

namespace {

const TagVocabulary& SubstitutionVocabulary() {
  static const TagVocabulary vocabulary([] {
    std::vector<std::string> tags;
    for (const TagStep& step : SubstitutionSteps()) tags.push_back(step.tag);
    return tags;
  }());
  return vocabulary;
}

std::string ComputerNameClean(platform::SystemInfo& system) {
  std::string name = core::GetComputerNameStr(system);
  if (!name.empty() && name.back() == '\0') name.pop_back();
  return name;
}

}  // namespace

// Writes the texts into their fields. Within one second a build stores the same texts again
// and again: a field that holds its text already is only compared, which costs less than a
// copy.
void StoreDateTexts(const DateTexts& texts, core::SettingsModel& settings) {
  const std::array<std::string*, kDateTextCount> fields = {
      &settings.MMDDYY, &settings.DDMMYY,       &settings.YYMMDD,       &settings.LONGDATE, &settings.YYYY,
      &settings.YY,     &settings.MM,           &settings.MM_1,         &settings.MM_2,     &settings.MM_3,
      &settings.DD,     &settings.TodayTime_12, &settings.TodayTime_24,
  };
  for (std::size_t i = 0; i < kDateTextCount; ++i) {
    if (*fields[i] != texts[i]) *fields[i] = texts[i];
  }
}

namespace {

// Runs replace(replacer, dates, valueOf) with valueOf giving the values of the tags for the
// drawing and dates the generation of its date texts, which are left in the settings model
// first.
template <typename Replace>
void SubstituteWith(const TagSources& sources, std::int32_t counter, std::string_view drawingPath,
                    std::int32_t position, Replace replace) {
  core::SettingsModel& settings = sources.settings;
  TagEngineCache& cache = sources.cache;
  const runtime::DateTime now = sources.services.clock.Now();
  const DateTexts& dates = cache.dateTexts.For(now, sources.services.locale);
  const std::uint64_t generation = cache.dateTexts.Generation();
  if (!sources.storeDatesOncePerSecond || cache.storedDates != generation) {
    StoreDateTexts(dates, settings);
    cache.storedDates = generation;
  }

  const TagInputs inputs{
      .dates = &dates,
      .counter = counter,
      .PADCOUNTER = settings.PADCOUNTER,
      .PADDIGITS = settings.PADDIGITS,
      .queue = &sources.queue,
      .position = position,
      .programFolder = sources.programFolder,
      .drawingPath = drawingPath,
      .FIRSTFILECHARS = settings.FIRSTFILECHARS,
      .SHEETCHARS = settings.SHEETCHARS,
      .TRIMZEROS = settings.TRIMZEROS,
      .TAG = &settings.TAG,
  };
  const std::vector<TagStep>& steps = SubstitutionSteps();
  replace(cache.replacer, generation, [&](std::size_t index) -> std::string_view {
    const TagStep& step = steps[index];
    std::string& buffer = cache.values[index];
    if (step.kind == TagKind::kUser) return buffer = core::GetUserNameClean(sources.services.system);
    if (step.kind == TagKind::kComputer) return buffer = ComputerNameClean(sources.services.system);
    return TagValue(step, inputs, buffer);
  });
}

}  // namespace

void SubstituteTAGSInto(std::string& out, const TagSources& sources, std::string_view text, std::int32_t counter,
                        std::string_view drawingPath, std::int32_t position) {
  SubstituteWith(sources, counter, drawingPath, position, [&](TagReplacer& replacer, const auto&, auto valueOf) {
    replacer.RunInto(out, SubstitutionVocabulary(), text, valueOf);
  });
}

PreparedTAGS::PreparedTAGS(std::string_view text) : folding_{TextTemplate(SubstitutionVocabulary(), text), {}, {}} {}

namespace {

// The values that stay the same from one drawing to the next unless a setting, the queue or
// the clock's second changes; reading them has no effect on anything.
bool StaysTheSame(const TagStep& step) {
  return step.kind == TagKind::kDateText || step.kind == TagKind::kStatic || step.kind == TagKind::kFileCount ||
         step.kind == TagKind::kTorPath;
}

// Folds the values that stay the same and hold no "$" into the template's runs.
template <typename ValueOf>
void Refold(const TextTemplate& text, FoldedTemplate& folded, TagValues& values, ValueOf& valueOf,
            const TextsAround& around) {
  const std::vector<TagStep>& steps = SubstitutionSteps();
  StepSet fixed;
  for (std::size_t step : text.Steps()) {
    if (!StaysTheSame(steps[step])) continue;
    values[step] = valueOf(step);
    if (!HoldsDollar(values[step])) fixed.Add(step);
  }
  folded.Fold(text, fixed, values, around);
}

// True when the values folded in are those of now. The date texts depend only on the second
// they were formatted for; the static tags are their settings.
template <typename ValueOf>
bool FoldedValuesHold(const FoldedTemplate& folded, const core::SettingsModel& settings, ValueOf& valueOf) {
  const std::vector<TagStep>& steps = SubstitutionSteps();
  for (const auto& [step, value] : folded.Fixed()) {
    const TagStep& tag = steps[step];
    if (tag.kind == TagKind::kDateText) continue;
    const std::string_view now = tag.kind == TagKind::kStatic
                                     ? std::string_view(settings.TAG[static_cast<std::size_t>(tag.arg)])
                                     : valueOf(step);
    if (!runtime::SameText(now, value)) return false;
  }
  return true;
}

// Joins a prepared text whose tags stand apart from its folded form, folding it afresh when
// the values that stay the same have changed (a settled call does not read the settings for
// that); then asks the other values in step order. False when one of them holds a "$": asked
// then tells how many were asked, the last one holding it.
template <typename ValueOf>
bool JoinFolded(std::string& out, const TagSources& sources, const PreparedTAGS::Folding& folding, std::uint64_t dates,
                ValueOf& valueOf, const TextsAround& around, std::size_t& asked) {
  FoldedTemplate& folded = folding.folded;
  TagValues& values = sources.cache.views;
  if (folded.Empty() || folded.Key() != around.key || folding.dates != dates ||
      (!around.settled && !FoldedValuesHold(folded, sources.settings, valueOf))) {
    Refold(folding.text, folded, values, valueOf, around);
    folding.dates = dates;
  }
  const std::vector<std::size_t>& steps = folded.Steps();
  for (asked = 0; asked < steps.size(); ++asked) {
    const std::size_t step = steps[asked];
    values[step] = valueOf(step);
    if (HoldsDollar(values[step])) {
      ++asked;
      return false;
    }
  }
  folded.AppendJoined(out, values, around);
  return true;
}

}  // namespace

// The values that stay the same are joined into the runs while they do. The others are asked
// in step order until one holds a "$", as the replacer asks them. When none does and the tags
// stand apart, the runs and values are joined in one pass; otherwise the replacer takes over
// with the values asked so far.
void SubstituteTAGSInto(std::string& out, const TagSources& sources, const PreparedTAGS& text, std::int32_t counter,
                        std::string_view drawingPath, std::int32_t position, const TextsAround& around) {
  SubstituteWith(sources, counter, drawingPath, position,
                 [&](TagReplacer& replacer, std::uint64_t dates, auto valueOf) {
                   const TextTemplate& source = text.folding_.text;
                   StepSet asked;
                   TagValues& values = sources.cache.views;
                   if (source.Layout().standApart) {
                     std::size_t count = 0;
                     if (JoinFolded(out, sources, text.folding_, dates, valueOf, around, count)) return;
                     for (const auto& [step, value] : text.folding_.folded.Fixed()) {
                       values[step] = value;
                       asked.Add(step);
                     }
                     for (std::size_t i = 0; i < count; ++i) asked.Add(text.folding_.folded.Steps()[i]);
                   }
                   around.AppendBefore(out);
                   replacer.RunInto(out, source, [&](std::size_t step) -> std::string_view {
                     return asked.Has(step) ? values[step] : valueOf(step);
                   });
                   out += around.tail;
                 });
}

std::string SubstituteTAGS(const TagSources& sources, std::string_view text, std::int32_t counter,
                           std::string_view drawingPath, std::int32_t position) {
  std::string result;
  result.reserve(text.size());  // most values are about as long as their tags
  SubstituteTAGSInto(result, sources, text, counter, drawingPath, position);
  return result;
}

bool HasProjectTag(const TagSources& sources, std::string_view text) {
  return HasProjectTag(text, sources.cache.replacer);
}

std::string SubstituteProjectTAGS(const TagSources& sources, std::string_view text, std::int32_t counter,
                                  std::string_view drawingPath) {
  return ApplyProjectTags(sources.services.fileSystem, sources.programFolder, text, drawingPath,
                          sources.cache.replacer);
}

std::string SpSubstituteProjectTAGS(const TagSources& sources, std::string_view text, std::int32_t counter,
                                    std::string_view drawingPath) {
  const std::string projected = SubstituteProjectTAGS(sources, text, counter, drawingPath);
  return SubstituteTAGS(sources, projected, counter, drawingPath, 0);
}

}  // namespace tags
