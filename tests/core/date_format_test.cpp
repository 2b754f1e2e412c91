#include "core/date_format.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/fake/fake_clock.h"
#include "platform/fake/fake_locale.h"

namespace core {
namespace {

struct FormatCase {
  const char* format;
  runtime::DateTime value;
  const char* expected;
};

// Thursday 10 December 2026, 13:05:09: the fake clock's own time.
const runtime::DateTime kAfternoon = platform::fake::FakeClock().Now();
// Friday 5 March 2027, 08:04:03: every part has a single digit.
const runtime::DateTime kMorning{2027, 3, 5, 8, 4, 3};
const runtime::DateTime kNoon{2026, 12, 10, 12, 0, 0};
const runtime::DateTime kMidnight{2026, 12, 10, 0, 0, 0};
const runtime::DateTime kLastSecond{1999, 12, 31, 23, 59, 59};
const runtime::DateTime kTurnOfCentury{2000, 1, 1, 0, 0, 0};

class DateFormatTest : public testing::TestWithParam<FormatCase> {
 protected:
  platform::fake::FakeLocale locale_;
};

TEST_P(DateFormatTest, FormatsWithTheUsEnglishLocale) {
  const FormatCase& c = GetParam();
  EXPECT_EQ(FormatDateTime(c.value, c.format, locale_), c.expected);
}

// The formats the tags use.
INSTANTIATE_TEST_SUITE_P(
    TagFormats, DateFormatTest,
    testing::Values(
        FormatCase{"mm/dd/yy", kAfternoon, "12/10/26"}, FormatCase{"mm/dd/yy", kMorning, "03/05/27"},
        FormatCase{"dd/mm/yy", kAfternoon, "10/12/26"}, FormatCase{"dd/mm/yy", kMorning, "05/03/27"},
        FormatCase{"yy/mm/dd", kAfternoon, "26/12/10"}, FormatCase{"yy/mm/dd", kTurnOfCentury, "00/01/01"},
        FormatCase{"dddd, mmm d, yyyy", kAfternoon, "Thursday, Dec 10, 2026"},
        FormatCase{"dddd, mmm d, yyyy", kMorning, "Friday, Mar 5, 2027"}, FormatCase{"yyyy", kAfternoon, "2026"},
        FormatCase{"yy", kMorning, "27"}, FormatCase{"yy", kTurnOfCentury, "00"}, FormatCase{"mm", kMorning, "03"},
        FormatCase{"dd", kMorning, "05"}, FormatCase{"hh:mm:ss AMPM", kAfternoon, "01:05:09 PM"},
        FormatCase{"hh:mm:ss AMPM", kMorning, "08:04:03 AM"}, FormatCase{"hh:mm:ss AMPM", kNoon, "12:00:00 PM"},
        FormatCase{"hh:mm:ss AMPM", kMidnight, "12:00:00 AM"}, FormatCase{"hh:mm:ss AMPM", kLastSecond, "11:59:59 PM"},
        FormatCase{"h:mm:ss", kAfternoon, "13:05:09"}, FormatCase{"h:mm:ss", kMorning, "8:04:03"},
        FormatCase{"h:mm:ss", kMidnight, "0:00:00"}, FormatCase{"hh:mm:ss", kMorning, "08:04:03"}));

// The codes those formats are made of, and how they combine.
INSTANTIATE_TEST_SUITE_P(
    Codes, DateFormatTest,
    testing::Values(FormatCase{"d", kMorning, "5"}, FormatCase{"ddd", kMorning, "Fri"},
                    FormatCase{"ddddd", kMorning, "3/5/2027"}, FormatCase{"m", kMorning, "3"},
                    FormatCase{"mmmm", kMorning, "March"}, FormatCase{"y", kMorning, "64"},
                    FormatCase{"y", kLastSecond, "365"}, FormatCase{"MM/DD/YYYY", kMorning, "03/05/2027"},
                    FormatCase{"h:m", kMorning, "8:4"}, FormatCase{"hh:nn", kMorning, "08:04"},
                    FormatCase{"n:s", kMorning, "4:3"}, FormatCase{"mm:ss", kMorning, "03:03"},
                    FormatCase{"hh mm", kMorning, "08 04"}, FormatCase{"h AM/PM", kAfternoon, "1 PM"},
                    FormatCase{"h am/pm", kMorning, "8 am"}, FormatCase{"h A/P", kNoon, "12 P"},
                    FormatCase{"h a/p", kMidnight, "12 a"}, FormatCase{"AMPM h", kAfternoon, "PM 1"},
                    FormatCase{"\"day\" d", kMorning, "day 5"}, FormatCase{"\\d\\a\\y d", kMorning, "day 5"},
                    FormatCase{"d-m-yyyy @ h.nn", kMorning, "5-3-2027 @ 8.04"}, FormatCase{"", kMorning, ""},
                    FormatCase{"\"open", kMorning, "open"}));

// A locale that is not en-US shows where names, separators and designators come from.
class FinnishLikeLocale : public platform::fake::FakeLocale {
 public:
  std::string MonthName(int month, bool abbreviated) override {
    return (abbreviated ? "kk" : "kuukausi") + std::to_string(month);
  }
  std::string DayName(int weekday, bool abbreviated) override {
    return (abbreviated ? "pv" : "paiva") + std::to_string(weekday);
  }
  std::string DateSeparator() override { return "."; }
  std::string TimeSeparator() override { return "."; }
  std::string AmDesignator() override { return "ap."; }
  std::string PmDesignator() override { return "ip."; }
};

TEST(DateFormatLocaleTest, NamesSeparatorsAndDesignatorsComeFromTheLocale) {
  FinnishLikeLocale locale;
  EXPECT_EQ(FormatDateTime(kAfternoon, "dd/mm/yy", locale), "10.12.26");
  EXPECT_EQ(FormatDateTime(kAfternoon, "dddd, mmm d, yyyy", locale), "paiva5, kk12 10, 2026");
  EXPECT_EQ(FormatDateTime(kAfternoon, "ddd mmmm", locale), "pv5 kuukausi12");
  EXPECT_EQ(FormatDateTime(kAfternoon, "hh:mm:ss AMPM", locale), "01.05.09 ip.");
  EXPECT_EQ(FormatDateTime(kMorning, "hh:mm:ss AMPM", locale), "08.04.03 ap.");
  // Fixed designators are written as given whatever the locale says.
  EXPECT_EQ(FormatDateTime(kMorning, "h AM/PM", locale), "8 AM");
}

}  // namespace
}  // namespace core
