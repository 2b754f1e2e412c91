#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tag_fixture.h"

namespace tags {
namespace {

constexpr const char* kAllDateTags =
    "$MM/DD/YY$|$DD/MM/YY$|$YY/MM/DD$|$DATE$|$YYYY$|$YY$|$MM$|$MM-1$|$MM-2$|$MM-3$|$DD$|$TIME_12$|$TIME_24$";

TEST_F(TagEngineTest, DateAndTimeTagsOnAFixedClock) {
  clock.Set({2026, 3, 31, 9, 5, 7});
  EXPECT_EQ(Substitute(kAllDateTags),
            "03/31/26|31/03/26|26/03/31|Tuesday, Mar 31, 2026|2026|26|03|03|01|12|31|09:05:07 AM|9:05:07");
}

TEST_F(TagEngineTest, EveryCallLeavesTheDateTextsInTheSettings) {
  clock.Set({2026, 3, 31, 21, 5, 7});
  Substitute("no dollar at all");
  EXPECT_EQ(settings.MMDDYY, "03/31/26");
  EXPECT_EQ(settings.DDMMYY, "31/03/26");
  EXPECT_EQ(settings.YYMMDD, "26/03/31");
  EXPECT_EQ(settings.LONGDATE, "Tuesday, Mar 31, 2026");
  EXPECT_EQ(settings.YYYY, "2026");
  EXPECT_EQ(settings.YY, "26");
  EXPECT_EQ(settings.MM, "03");
  EXPECT_EQ(settings.MM_1, "03");
  EXPECT_EQ(settings.MM_2, "01");
  EXPECT_EQ(settings.MM_3, "12");
  EXPECT_EQ(settings.DD, "31");
  EXPECT_EQ(settings.TodayTime_12, "09:05:07 PM");
  EXPECT_EQ(settings.TodayTime_24, "21:05:07");

  clock.Set({2027, 1, 2, 0, 0, 1});
  Substitute("");
  EXPECT_EQ(settings.MMDDYY, "01/02/27");
  EXPECT_EQ(settings.TodayTime_24, "0:00:01");
}

struct MonthsBackCase {
  runtime::DateTime today;
  std::string months;  // $MM$ $MM-1$ $MM-2$ $MM-3$
};

TEST_F(TagEngineTest, MonthsBackStepAFixedNumberOfDays) {
  const std::vector<MonthsBackCase> cases = {
      {{2026, 3, 31}, "03 03 01 12"},  // 1 Mar, 30 Jan, 31 Dec
      {{2026, 3, 30}, "03 02 01 12"},  // 28 Feb, 29 Jan, 30 Dec
      {{2024, 3, 31}, "03 03 01 01"},  // leap year: 1 Mar, 31 Jan, 1 Jan
      {{2026, 3, 1}, "03 01 12 12"},   // 30 Jan, 31 Dec, 1 Dec
      {{2026, 1, 15}, "01 12 11 10"},  // 16 Dec, 16 Nov, 17 Oct
      {{2026, 12, 31}, "12 12 11 10"},
  };
  for (const MonthsBackCase& row : cases) {
    SCOPED_TRACE(std::to_string(row.today.year) + "-" + std::to_string(row.today.month) + "-" +
                 std::to_string(row.today.day));
    clock.Set(row.today);
    EXPECT_EQ(Substitute("$MM$ $MM-1$ $MM-2$ $MM-3$"), row.months);
  }
}

struct TimeCase {
  int hour;
  int minute;
  int second;
  std::string times;  // $TIME_12$|$TIME_24$
};

TEST_F(TagEngineTest, TimeTagsAroundNoonAndMidnight) {
  const std::vector<TimeCase> cases = {
      {0, 0, 0, "12:00:00 AM|0:00:00"},   {0, 30, 5, "12:30:05 AM|0:30:05"},  {11, 59, 59, "11:59:59 AM|11:59:59"},
      {12, 0, 0, "12:00:00 PM|12:00:00"}, {13, 5, 9, "01:05:09 PM|13:05:09"}, {23, 59, 59, "11:59:59 PM|23:59:59"},
  };
  for (const TimeCase& row : cases) {
    SCOPED_TRACE(row.times);
    clock.Set({2026, 12, 10, row.hour, row.minute, row.second});
    EXPECT_EQ(Substitute("$TIME_12$|$TIME_24$"), row.times);
  }
}

}  // namespace
}  // namespace tags
