#include "options/options_values.h"

#include <gtest/gtest.h>

#include "options/tips_file.h"

namespace options {
namespace {

struct NumberCase {
  const char* text;
  bool delayOk;
  bool limitOk;
};

TEST(OptionsValuesTest, NumberBoxesTakeOnlyWholeNumbersInRange) {
  const NumberCase cases[] = {
      {"", true, true},
      {"   ", true, true},
      {"0", true, false},
      {"1", true, true},
      {"2000", true, true},
      {" 500 ", true, true},
      {"007", true, true},
      {"32767", true, true},
      {"32768", false, false},
      {"-5", false, false},
      {"1.5", false, false},
      {"1e3", false, false},
      {"abc", false, false},
      {"12x", false, false},
      {"+3", false, false},
      {"1 000", false, false},
      {"99999999999999999999", false, false},
  };
  for (const NumberCase& c : cases) {
    EXPECT_EQ(IsValidDelay(c.text), c.delayOk) << '"' << c.text << '"';
    EXPECT_EQ(IsValidFileLimit(c.text), c.limitOk) << '"' << c.text << '"';
  }
  EXPECT_EQ(ParseWholeNumber(" 007 ", 0, 10), 7);
}

TEST(OptionsValuesTest, BackupFoldersAreNamedByDateAndTime) {
  EXPECT_EQ(BackupStamp({2016, 11, 14, 16, 33, 11}), "2016-11-14-16-33-11");
  EXPECT_EQ(BackupStamp({2024, 1, 2, 3, 4, 5}), "2024-01-02-03-04-05");
}

TEST(TipsFileTest, TwoBlanksBreakParagraphsFromTheLeft) {
  EXPECT_EQ(TipText("one  two"), "one\r\n\r\ntwo");
  EXPECT_EQ(TipText("one   two"), "one\r\n\r\n two");
  EXPECT_EQ(TipText("one    two"), "one\r\n\r\n\r\n\r\ntwo");
  EXPECT_EQ(TipText("one two"), "one two");
}

TEST(TipsFileTest, EveryLineIsATipUpToTheLimit) {
  EXPECT_EQ(ParseTips("a\r\n\r\nb"), (std::vector<std::string>{"a", "", "b"}));
  EXPECT_EQ(ParseTips("a\r\nb\r\n"), (std::vector<std::string>{"a", "b"}));
  EXPECT_TRUE(ParseTips("").empty());
  std::string many;
  for (int i = 0; i < 150; ++i) many += "tip " + std::to_string(i) + "\r\n";
  std::vector<std::string> tips = ParseTips(many);
  ASSERT_EQ(tips.size(), kMaxTips);
  EXPECT_EQ(tips.back(), "tip 100");
}

struct StartCase {
  const char* stored;
  int count;
  int first;
};

TEST(TipsFileTest, EachLoadShowsTheTipAfterTheStoredOne) {
  const StartCase cases[] = {
      {"0", 5, 1},  {"3", 5, 4}, {"4", 5, 0}, {"9", 5, 0},     {"-1", 5, 0},
      {"-7", 5, 0}, {"x", 5, 0}, {"0", 1, 0}, {"70000", 5, 0}, {"", 5, 0},
  };
  for (const StartCase& c : cases) EXPECT_EQ(FirstTipToShow(c.stored, c.count), c.first) << c.stored;
  EXPECT_EQ(TipCounter(2, 25), "Tip 3/25");
}

}  // namespace
}  // namespace options
