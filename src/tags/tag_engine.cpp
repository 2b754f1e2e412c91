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

void StoreDateTexts(const DateTexts& texts, core::SettingsModel& settings) {
  settings.MMDDYY = texts[kMonthDayYear];
  settings.DDMMYY = texts[kDayMonthYear];
  settings.YYMMDD = texts[kYearMonthDay];
  settings.LONGDATE = texts[kLongDate];
  settings.YYYY = texts[kYear4];
  settings.YY = texts[kYear2];
  settings.MM = texts[kMonth];
  settings.MM_1 = texts[kMonthLess1];
  settings.MM_2 = texts[kMonthLess2];
  settings.MM_3 = texts[kMonthLess3];
  settings.DD = texts[kDay];
  settings.TodayTime_12 = texts[kTime12];
  settings.TodayTime_24 = texts[kTime24];
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

std::string SubstituteTAGS(const TagSources& sources, std::string_view text, std::int32_t counter,
                           std::string_view drawingPath, std::int32_t position) {
  core::SettingsModel& settings = sources.settings;
  const DateTexts& dates = sources.cache.dateTexts.For(sources.services.clock.Now(), sources.services.locale);
  StoreDateTexts(dates, settings);

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
  return sources.cache.replacer.Run(SubstitutionVocabulary(), text, [&](std::size_t index) {
    const TagStep& step = steps[index];
    if (step.kind == TagKind::kUser) return core::GetUserNameClean(sources.services.system);
    if (step.kind == TagKind::kComputer) return ComputerNameClean(sources.services.system);
    return TagValue(step, inputs);
  });
}

std::string SubstituteProjectTAGS(const TagSources& sources, std::string_view text, std::int32_t counter,
                                  std::string_view drawingPath) {
  return ApplyProjectTags(sources.services.fileSystem, sources.programFolder, text, drawingPath);
}

std::string SpSubstituteProjectTAGS(const TagSources& sources, std::string_view text, std::int32_t counter,
                                    std::string_view drawingPath) {
  const std::string projected = ApplyProjectTags(sources.services.fileSystem, sources.programFolder, text, drawingPath);
  return SubstituteTAGS(sources, projected, counter, drawingPath, 0);
}

}  // namespace tags
