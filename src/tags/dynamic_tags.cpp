#include "tags/dynamic_tags.h"

#include <algorithm>
#include <cstdlib>

#include "core/date_format.h"
#include "core/path_helpers.h"
#include "runtime/convert.h"
#include "runtime/date_arithmetic.h"
#include "runtime/error.h"
#include "runtime/text.h"

namespace tags {

namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// A whole number of 0 or more held in a setting's text; nothing otherwise. A text of a few
// plain digits, as the settings hold it, is read without the general conversion.
template <typename Int, Int (*convert)(std::string_view)>
std::optional<Int> Count(std::string_view text) {
  if (!text.empty() && text.size() <= 4 && std::all_of(text.begin(), text.end(), IsDigit)) {
    Int value = 0;
    for (char c : text) value = static_cast<Int>(value * 10 + (c - '0'));
    return value;
  }
  try {
    const Int value = convert(text);
    if (value < 0) return std::nullopt;
    return value;
  } catch (const runtime::Error&) {
    return std::nullopt;
  }
}

std::string Text(const std::optional<std::string>& value) {
  return value.value_or("");
}

std::string_view Text(std::optional<std::string_view> value) {
  return value.value_or(std::string_view());
}

std::optional<std::string_view> FirstFileCharsOf(std::string_view drawingPath, std::string_view countText) {
  const auto count = Count<std::int32_t, runtime::TextToInt32>(countText);
  if (!count) return std::nullopt;
  return core::BaseNameView(drawingPath).substr(0, static_cast<std::size_t>(*count));
}

std::optional<std::string_view> SheetTextOf(std::string_view path, std::string_view countText, std::int16_t trimZeros) {
  const auto count = Count<std::int16_t, runtime::TextToInt16>(countText);
  if (!count) return std::nullopt;
  if (path.size() <= 3) return std::string_view();
  const auto start = static_cast<std::ptrdiff_t>(path.size()) - *count - 3;
  if (start < 1) return std::nullopt;
  std::string_view text = path.substr(static_cast<std::size_t>(start - 1), static_cast<std::size_t>(*count));
  if (trimZeros == 1) text.remove_prefix(std::min(text.find_first_not_of('0'), text.size()));
  return text;
}

// The full path of the queue entry at a 1-based position; "" when the queue has none there.
std::string_view EntryAt(const QueueView* queue, std::int64_t position) {
  if (queue == nullptr || position < 1 || position > queue->Count()) return {};
  return queue->Entry(static_cast<std::int32_t>(position - 1));
}

std::string_view PreviousPath(const TagInputs& in) {
  return EntryAt(in.queue, std::int64_t{in.position} - 1);
}

std::string_view NextPath(const TagInputs& in) {
  return EntryAt(in.queue, std::int64_t{in.position} + 1);
}

std::optional<std::string> Copy(std::optional<std::string_view> value) {
  if (!value) return std::nullopt;
  return std::string(*value);
}

}  // namespace

std::vector<TagStep> MakeSubstitutionSteps() {
  std::vector<TagStep> steps = {
      {"$MM/DD/YY$", TagKind::kDateText, kMonthDayYear},
      {"$DD/MM/YY$", TagKind::kDateText, kDayMonthYear},
      {"$YY/MM/DD$", TagKind::kDateText, kYearMonthDay},
      {"$DATE$", TagKind::kDateText, kLongDate},
      {"$YYYY$", TagKind::kDateText, kYear4},
      {"$YY$", TagKind::kDateText, kYear2},
      {"$MM$", TagKind::kDateText, kMonth},
      {"$MM-1$", TagKind::kDateText, kMonthLess1},
      {"$MM-2$", TagKind::kDateText, kMonthLess2},
      {"$MM-3$", TagKind::kDateText, kMonthLess3},
      {"$DD$", TagKind::kDateText, kDay},
      {"$TIME_12$", TagKind::kDateText, kTime12},
      {"$TIME_24$", TagKind::kDateText, kTime24},
      {"$COUNTER$", TagKind::kCounter},
      {"$FILECOUNTINQUEUE$", TagKind::kFileCount},
      {"$TOR_PATH$", TagKind::kTorPath},
      {"$USER$", TagKind::kUser},
      {"$COMPUTER$", TagKind::kComputer},
      {"$FILENAME$", TagKind::kFileName},
      {"$FILENAME-PREV$", TagKind::kFileNamePrev},
      {"$FILENAME-NEXT$", TagKind::kFileNameNext},
      {"$FILEPATH$", TagKind::kFilePath},
  };
  for (int n = 1; n <= 9; ++n) {
    steps.push_back({"$FILEPATH-" + std::to_string(n) + "$", TagKind::kParentPath, n});
  }
  steps.push_back({"$FILEDRIVE$", TagKind::kParentPath, 99});
  for (int n = 1; n <= 9; ++n) {
    steps.push_back({"$FILEDRIVE+" + std::to_string(n) + "$", TagKind::kRootPath, n});
  }
  steps.push_back({"$FIRSTFILECHARS$", TagKind::kFirstFileChars});
  steps.push_back({"$SHEET$", TagKind::kSheet});
  steps.push_back({"$SHEET-PREV$", TagKind::kSheetPrev});
  steps.push_back({"$SHEET-NEXT$", TagKind::kSheetNext});
  for (int i = 0; i < 50; ++i) {
    steps.push_back({"$TAG" + std::to_string(i + 1) + "$", TagKind::kStatic, i});
  }
  return steps;
}

DateTexts FormatDateTexts(const runtime::DateTime& now, platform::Locale& locale) {
  const runtime::DateTime today{now.year, now.month, now.day};
  auto format = [&locale](const runtime::DateTime& value, std::string_view pattern) {
    return core::FormatDateTime(value, pattern, locale);
  };
  DateTexts texts;
  texts[kMonthDayYear] = format(today, "mm/dd/yy");
  texts[kDayMonthYear] = format(today, "dd/mm/yy");
  texts[kYearMonthDay] = format(today, "yy/mm/dd");
  texts[kLongDate] = format(today, "dddd, mmm d, yyyy");
  texts[kYear4] = format(today, "yyyy");
  texts[kYear2] = format(today, "yy");
  texts[kMonth] = format(today, "mm");
  texts[kMonthLess1] = format(runtime::AddDays(today, -30), "mm");
  texts[kMonthLess2] = format(runtime::AddDays(today, -60), "mm");
  texts[kMonthLess3] = format(runtime::AddDays(today, -90), "mm");
  texts[kDay] = format(today, "dd");
  texts[kTime12] = format(now, "hh:mm:ss AMPM");
  texts[kTime24] = format(now, "h:mm:ss");
  return texts;
}

void DateTextCache::Format(const runtime::DateTime& now, platform::Locale& locale) {
  static std::uint64_t lastGeneration = 0;
  texts_ = FormatDateTexts(now, locale);
  moment_ = now;
  generation_ = ++lastGeneration;
}

std::optional<std::string> FormatCounter(std::int32_t counter, std::int16_t padCounter, std::int16_t padDigits) {
  if (padCounter != 1) return runtime::IntegerToText(counter);
  if (padDigits < 0) return std::nullopt;
  std::string digits = runtime::IntegerToText(std::llabs(static_cast<long long>(counter)));
  if (digits.size() < static_cast<std::size_t>(padDigits)) {
    digits.insert(0, static_cast<std::size_t>(padDigits) - digits.size(), '0');
  }
  return counter < 0 ? "-" + digits : digits;
}

std::string TorPath(std::string_view programFolder) {
  std::string path(programFolder);
  std::replace(path.begin(), path.end(), '\\', '/');
  return path + "/";
}

std::optional<std::string> FirstFileChars(std::string_view drawingPath, std::string_view countText) {
  return Copy(FirstFileCharsOf(drawingPath, countText));
}

std::optional<std::string> SheetText(std::string_view path, std::string_view countText, std::int16_t trimZeros) {
  return Copy(SheetTextOf(path, countText, trimZeros));
}

std::string_view TagValue(const TagStep& step, const TagInputs& in, std::string& buffer) {
  const auto n = static_cast<std::int16_t>(step.arg);
  switch (step.kind) {
    case TagKind::kDateText:
      return (*in.dates)[static_cast<std::size_t>(step.arg)];
    case TagKind::kCounter:
      return buffer = Text(FormatCounter(in.counter, in.PADCOUNTER, in.PADDIGITS));
    case TagKind::kFileCount:
      return buffer = runtime::IntegerToText(in.queue == nullptr ? 0 : in.queue->Count());
    case TagKind::kTorPath:
      return buffer = TorPath(in.programFolder);
    case TagKind::kUser:
    case TagKind::kComputer:
      return {};
    case TagKind::kFileName:
      return core::BaseNameView(in.drawingPath);
    case TagKind::kFileNamePrev:
      return core::BaseNameView(PreviousPath(in));
    case TagKind::kFileNameNext:
      return core::BaseNameView(NextPath(in));
    case TagKind::kFilePath:
      return buffer = core::GetFolder(in.drawingPath);
    case TagKind::kParentPath:
      return buffer = core::GetParentPath(in.drawingPath, n);
    case TagKind::kRootPath:
      return buffer = core::GetRootPath(in.drawingPath, n);
    case TagKind::kFirstFileChars:
      return Text(FirstFileCharsOf(in.drawingPath, in.FIRSTFILECHARS));
    case TagKind::kSheet:
      return Text(SheetTextOf(in.drawingPath, in.SHEETCHARS, in.TRIMZEROS));
    case TagKind::kSheetPrev:
      return Text(SheetTextOf(PreviousPath(in), in.SHEETCHARS, in.TRIMZEROS));
    case TagKind::kSheetNext:
      return Text(SheetTextOf(NextPath(in), in.SHEETCHARS, in.TRIMZEROS));
    case TagKind::kStatic:
      return (*in.TAG)[static_cast<std::size_t>(step.arg)];
  }
  return {};
}

}  // namespace tags
