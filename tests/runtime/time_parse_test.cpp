#include "runtime/time_parse.h"

#include <gtest/gtest.h>

namespace runtime {
namespace {

struct ParseCase {
  const char* text;
  int hour;
  int minute;
  int second;
};

class TimeParseTest : public testing::TestWithParam<ParseCase> {};

TEST_P(TimeParseTest, ReadsTypedTimes) {
  const ParseCase& c = GetParam();
  auto parsed = ParseTimeOfDay(c.text);
  ASSERT_TRUE(parsed.has_value()) << c.text;
  EXPECT_EQ(*parsed, (DateTime{1899, 12, 30, c.hour, c.minute, c.second})) << c.text;
}

INSTANTIATE_TEST_SUITE_P(Cases, TimeParseTest,
                         testing::Values(ParseCase{"11:30 PM", 23, 30, 0}, ParseCase{"11:30:15 pm", 23, 30, 15},
                                         ParseCase{"8:30:00 PM", 20, 30, 0}, ParseCase{"23:30", 23, 30, 0},
                                         ParseCase{"20:30", 20, 30, 0}, ParseCase{"7 AM", 7, 0, 0},
                                         ParseCase{"7PM", 19, 0, 0}, ParseCase{"11:30PM", 23, 30, 0},
                                         ParseCase{"12:00 AM", 0, 0, 0}, ParseCase{"12:00 PM", 12, 0, 0},
                                         ParseCase{"12:15:01 am", 0, 15, 1}, ParseCase{"0:00", 0, 0, 0},
                                         ParseCase{"  9:05  ", 9, 5, 0}, ParseCase{"9:5:7", 9, 5, 7},
                                         ParseCase{"PM 1:05", 13, 5, 0}, ParseCase{"23:59:59", 23, 59, 59}));

class TimeParseRejectTest : public testing::TestWithParam<const char*> {};

TEST_P(TimeParseRejectTest, RejectsWhatIsNoTime) {
  EXPECT_FALSE(ParseTimeOfDay(GetParam()).has_value());
}

INSTANTIATE_TEST_SUITE_P(Cases, TimeParseRejectTest,
                         testing::Values("", "   ", "PM", "garbage", "7", "24:00", "25:00", "11:60", "11:30:60",
                                         "13:00 PM", "1:2:3:4", "11:", ":30", "11::30", "11:30 XM", "11.30 PM", "-1:30",
                                         "111:30", "11:300", "1 1:30", "8:30:00 PM PM"));

TEST(TimeParseRulesTest, TakesTheLocaleSeparatorAndDesignators) {
  TimeParseRules rules;
  rules.separator = ".";
  rules.amDesignator = "ap.";
  rules.pmDesignator = "ip.";
  EXPECT_EQ(ParseTimeOfDay("11.30 ip.", rules), (DateTime{1899, 12, 30, 23, 30, 0}));
  EXPECT_EQ(ParseTimeOfDay("ap. 7.05.09", rules), (DateTime{1899, 12, 30, 7, 5, 9}));
  // The colon and the English designators are understood in every locale.
  EXPECT_EQ(ParseTimeOfDay("11:30 PM", rules), (DateTime{1899, 12, 30, 23, 30, 0}));
}

TEST(TimeParseRulesTest, AnEmptyDesignatorIsNoDesignator) {
  TimeParseRules rules;
  rules.amDesignator = "";
  rules.pmDesignator = "";
  EXPECT_EQ(ParseTimeOfDay("23:30", rules), (DateTime{1899, 12, 30, 23, 30, 0}));
  EXPECT_FALSE(ParseTimeOfDay("7", rules).has_value());
}

}  // namespace
}  // namespace runtime
