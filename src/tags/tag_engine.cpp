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

// Runs replace(valueOf) with the values of the tags for the drawing; the date and time
// texts are left in the settings model first.
template <typename Replace>
void SubstituteWith(const TagSources& sources, std::int32_t counter, std::string_view drawingPath,
                    std::int32_t position, Replace replace) {
  core::SettingsModel& settings = sources.settings;
  TagEngineCache& cache = sources.cache;
  const runtime::DateTime now = sources.services.clock.Now();
  const DateTexts& dates = cache.dateTexts.For(now, sources.services.locale);
  if (!sources.storeDatesOncePerSecond || cache.storedMoment != now) {
    StoreDateTexts(dates, settings);
    cache.storedMoment = now;
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
  replace(cache.replacer, [&](std::size_t index) -> std::string_view {
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
  SubstituteWith(sources, counter, drawingPath, position, [&](TagReplacer& replacer, auto valueOf) {
    replacer.RunInto(out, SubstitutionVocabulary(), text, valueOf);
  });
}

PreparedTAGS::PreparedTAGS(std::string_view text) : template_(SubstitutionVocabulary(), text) {}

// The values are asked in step order until one holds a "$", as the replacer asks them. When
// none does and the tags stand apart, the runs and values are joined in one pass; otherwise
// the replacer takes over with the values asked so far.
void SubstituteTAGSInto(std::string& out, const TagSources& sources, const PreparedTAGS& text, std::int32_t counter,
                        std::string_view drawingPath, std::int32_t position, const TextsAround& around) {
  SubstituteWith(sources, counter, drawingPath, position, [&](TagReplacer& replacer, auto valueOf) {
    const TextLayout& layout = text.template_.Layout();
    TagValues& values = sources.cache.views;
    StepSet asked;
    bool plain = layout.standApart;
    for (auto step = text.template_.Steps().begin(); plain && step != text.template_.Steps().end(); ++step) {
      values[*step] = valueOf(*step);
      asked.Add(*step);
      plain = !HoldsDollar(values[*step]);
    }
    if (plain) {
      AppendJoined(out, layout, text.template_.Text(), values, around);
      return;
    }
    for (std::string_view piece : around.before) out += piece;
    replacer.RunInto(out, text.template_, [&](std::size_t step) -> std::string_view {
      return asked.Has(step) ? values[step] : valueOf(step);
    });
    out += around.after;
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
