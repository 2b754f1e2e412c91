#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/locale.h"
#include "runtime/date_time.h"
#include "tags/queue_view.h"

namespace tags {

// The date and time texts a substitution computes and leaves in the settings model.
enum DateText {
  kMonthDayYear,  // "$MM/DD/YY$"   MMDDYY
  kDayMonthYear,  // "$DD/MM/YY$"   DDMMYY
  kYearMonthDay,  // "$YY/MM/DD$"   YYMMDD
  kLongDate,      // "$DATE$"       LONGDATE
  kYear4,         // "$YYYY$"       YYYY
  kYear2,         // "$YY$"         YY
  kMonth,         // "$MM$"         MM
  kMonthLess1,    // "$MM-1$"       MM_1
  kMonthLess2,    // "$MM-2$"       MM_2
  kMonthLess3,    // "$MM-3$"       MM_3
  kDay,           // "$DD$"         DD
  kTime12,        // "$TIME_12$"    TodayTime_12
  kTime24,        // "$TIME_24$"    TodayTime_24
  kDateTextCount
};

using DateTexts = std::array<std::string, kDateTextCount>;

// The texts for the moment now, with the names, designators and separators of locale.
// "$MM-1$" to "$MM-3$" step back 30, 60 and 90 days, not calendar months.
DateTexts FormatDateTexts(const runtime::DateTime& now, platform::Locale& locale);

// The texts of the last moment asked for. They depend only on the moment (to the second)
// and the regional settings, so a build that substitutes many texts within one second
// formats them once. A change of the regional settings shows from the next second on.
class DateTextCache {
 public:
  const DateTexts& For(const runtime::DateTime& now, platform::Locale& locale) {
    if (moment_ != now) Format(now, locale);
    return texts_;
  }
  // A number given to the texts of each formatting, by any cache, and never to other texts:
  // equal numbers mean the same texts.
  std::uint64_t Generation() const { return generation_; }

 private:
  void Format(const runtime::DateTime& now, platform::Locale& locale);

  std::uint64_t generation_ = 0;
  std::optional<runtime::DateTime> moment_;
  DateTexts texts_;
};

// What a step of the substitution computes its value from.
enum class TagKind {
  kDateText,        // arg: the DateText
  kCounter,         //
  kFileCount,       // entries in the queue
  kTorPath,         // the program folder with "/" separators
  kUser,            // logon name
  kComputer,        // computer name
  kFileName,        // base name of the drawing
  kFileNamePrev,    // base name of the queue entry before the position
  kFileNameNext,    // base name of the queue entry after the position
  kFilePath,        // folder of the drawing
  kParentPath,      // arg: n of GetParentPath
  kRootPath,        // arg: n of GetRootPath
  kFirstFileChars,  //
  kSheet,           // sheet text of the drawing
  kSheetPrev,       // of the entry before the position
  kSheetNext,       // of the entry after the position
  kStatic,          // arg: 0-based index of TAG1..TAG50
};

struct TagStep {
  std::string tag;
  TagKind kind;
  int arg = 0;
};

// The 95 steps of SubstituteTAGS in their order: 45 dynamic tags, then "$TAG1$".."$TAG50$".
// Made once; the engine reads them for every value it asks, so the access is inline.
std::vector<TagStep> MakeSubstitutionSteps();
inline const std::vector<TagStep>& SubstitutionSteps() {
  static const std::vector<TagStep> steps = MakeSubstitutionSteps();
  return steps;
}

// Everything a tag value (other than the user and computer names) depends on, read at the
// start of a call.
struct TagInputs {
  const DateTexts* dates = nullptr;
  std::int32_t counter = 0;
  std::int16_t PADCOUNTER = 0;
  std::int16_t PADDIGITS = 0;
  // The queue, for its count and the entries before and after the drawing's 1-based position
  // (0 for none). They are looked up only for the tags that need them.
  const QueueView* queue = nullptr;
  std::int32_t position = 0;
  std::string_view programFolder;
  std::string_view drawingPath;
  std::string_view FIRSTFILECHARS;
  std::string_view SHEETCHARS;
  std::int16_t TRIMZEROS = 0;
  const std::array<std::string, 50>* TAG = nullptr;
};

// The value of a step; "" for a value that cannot be computed. A value taken as it is from
// the inputs is a view of them; a computed one is left in buffer, whose room is reused from
// one call to the next. The user and computer names (kUser, kComputer) are not among the
// inputs: the caller asks the system for them.
std::string_view TagValue(const TagStep& step, const TagInputs& inputs, std::string& buffer);

// "$COUNTER$": plain decimal, or with padCounter 1 at least padDigits digits with leading
// zeros and the sign ahead of them. Nothing for a negative width.
std::optional<std::string> FormatCounter(std::int32_t counter, std::int16_t padCounter, std::int16_t padDigits);

// "$TOR_PATH$": the program folder with "/" for every "\", followed by "/".
std::string TorPath(std::string_view programFolder);

// "$FIRSTFILECHARS$": the first count characters of the drawing's base name, count being the
// setting's text. Nothing when that is not a whole number of 0 or more.
std::optional<std::string> FirstFileChars(std::string_view drawingPath, std::string_view countText);

// The sheet text of a path: the count characters just before its last four, taken from the
// full path (so a large count reaches into the folders); "" for a path of 3 characters or
// fewer. trimZeros 1 strips leading "0"s. Nothing when the count is not a number of 0 or
// more or when the text would begin before the path's first character.
std::optional<std::string> SheetText(std::string_view path, std::string_view countText, std::int16_t trimZeros);

}  // namespace tags
