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

// The full path of the queue entry at a 1-based position; "" when the queue has none there.
std::string_view EntryAt(const QueueView& queue, std::int64_t position) {
  if (position < 1 || position > queue.Count()) return {};
  return queue.Entry(static_cast<std::int32_t>(position - 1));
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

void SubstituteTAGSInto(std::string& out, const TagSources& sources, std::string_view text, std::int32_t counter,
                        std::string_view drawingPath, std::int32_t position) {
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
      .queueCount = sources.queue.Count(),
      .programFolder = sources.programFolder,
      .drawingPath = drawingPath,
      .previousPath = EntryAt(sources.queue, std::int64_t{position} - 1),
      .nextPath = EntryAt(sources.queue, std::int64_t{position} + 1),
      .FIRSTFILECHARS = settings.FIRSTFILECHARS,
      .SHEETCHARS = settings.SHEETCHARS,
      .TRIMZEROS = settings.TRIMZEROS,
      .TAG = &settings.TAG,
  };
  const std::vector<TagStep>& steps = SubstitutionSteps();
  cache.replacer.RunInto(out, SubstitutionVocabulary(), text, [&](std::size_t index) -> std::string_view {
    const TagStep& step = steps[index];
    std::string& buffer = cache.values[index];
    if (step.kind == TagKind::kUser) return buffer = core::GetUserNameClean(sources.services.system);
    if (step.kind == TagKind::kComputer) return buffer = ComputerNameClean(sources.services.system);
    return TagValue(step, inputs, buffer);
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
