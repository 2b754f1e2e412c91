#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>

#include "contract_env.h"
#include "runtime/error.h"

namespace {

class LocaleContract : public testing::Test {
 protected:
  std::unique_ptr<contract::Env> env_ = contract::MakeEnv();
  platform::Locale& locale_ = env_->Locale();
};

TEST_F(LocaleContract, EveryMonthAndDayHasItsOwnName) {
  for (bool abbreviated : {false, true}) {
    std::set<std::string> months;
    for (int month = 1; month <= 12; ++month) months.insert(locale_.MonthName(month, abbreviated));
    EXPECT_EQ(months.size(), 12u);
    EXPECT_EQ(months.count(""), 0u);

    std::set<std::string> days;
    for (int weekday = 1; weekday <= 7; ++weekday) days.insert(locale_.DayName(weekday, abbreviated));
    EXPECT_EQ(days.size(), 7u);
    EXPECT_EQ(days.count(""), 0u);
  }
}

int NameError(platform::Locale& locale, bool month, int number) {
  try {
    month ? locale.MonthName(number, false) : locale.DayName(number, false);
  } catch (const runtime::Error& error) {
    return error.Number();
  }
  return 0;
}

TEST_F(LocaleContract, NumbersOutsideTheRangeAreInvalidCalls) {
  EXPECT_EQ(NameError(locale_, true, 0), runtime::kInvalidProcedureCall);
  EXPECT_EQ(NameError(locale_, true, 13), runtime::kInvalidProcedureCall);
  EXPECT_EQ(NameError(locale_, false, 0), runtime::kInvalidProcedureCall);
  EXPECT_EQ(NameError(locale_, false, 8), runtime::kInvalidProcedureCall);
}

TEST_F(LocaleContract, ShortDateShowsTheDateWithTheDateSeparator) {
  std::string text = locale_.ShortDate({2026, 12, 10, 13, 5, 9});
  EXPECT_NE(text.find("26"), std::string::npos) << text;
  EXPECT_NE(text.find("12"), std::string::npos) << text;
  EXPECT_NE(text.find("10"), std::string::npos) << text;
  std::string separator = locale_.DateSeparator();
  ASSERT_FALSE(separator.empty());
  EXPECT_NE(text.find(separator), std::string::npos) << text;
}

TEST_F(LocaleContract, LongTimeShowsTheTimeWithTheTimeSeparator) {
  std::string text = locale_.LongTime({2026, 12, 10, 13, 5, 9});
  EXPECT_NE(text.find("05"), std::string::npos) << text;
  EXPECT_NE(text.find("09"), std::string::npos) << text;
  std::string separator = locale_.TimeSeparator();
  ASSERT_FALSE(separator.empty());
  EXPECT_NE(text.find(separator + "05" + separator + "09"), std::string::npos) << text;
}

TEST_F(LocaleContract, TheDecimalSeparatorIsNeitherADigitNorABlank) {
  std::string separator = locale_.DecimalSeparator();
  ASSERT_FALSE(separator.empty());
  EXPECT_EQ(separator.find_first_of("0123456789 "), std::string::npos) << separator;
}

TEST_F(LocaleContract, DesignatorsDifferWhenTheLocaleHasThem) {
  std::string am = locale_.AmDesignator();
  std::string pm = locale_.PmDesignator();
  if (!am.empty() || !pm.empty()) {
    EXPECT_NE(am, pm);
  }
}

TEST_F(LocaleContract, ParseTimeReadsTwelveAndTwentyFourHourTimes) {
  const runtime::DateTime halfPastEleven{1899, 12, 30, 23, 30, 0};
  EXPECT_EQ(locale_.ParseTime("11:30 PM"), halfPastEleven);
  EXPECT_EQ(locale_.ParseTime("23:30"), halfPastEleven);
  EXPECT_EQ(locale_.ParseTime("8:30:00 PM"), (runtime::DateTime{1899, 12, 30, 20, 30, 0}));
}

TEST_F(LocaleContract, ParseTimeRejectsWhatIsNoTime) {
  for (const char* text : {"", "garbage", "25:00", "11:75", "Please Correct"}) {
    EXPECT_EQ(locale_.ParseTime(text), std::nullopt) << text;
  }
}

// The text order the queue's sorts and duplicate removal rely on, as signs of the keys'
// comparison: -1 first before second, 0 equal, 1 after.
struct OrderCase {
  const char* first;
  const char* second;
  int order;
};

int Sign(int value) {
  return (value > 0) - (value < 0);
}

TEST_F(LocaleContract, CollationKeysOrderTextsIgnoringCase) {
  const OrderCase cases[] = {
      {"a", "B", -1},
      {"b", "A", 1},
      {"A", "a", 0},
      {"C:\\P\\A2.DWG", "c:\\p\\a2.dwg", 0},
      {"_", "0", -1},
      {"_", "a", -1},
      {"_Z", "A", -1},
      {"9", "a", -1},
      {"C:\\P\\_B1.dwg", "C:\\P\\A10.dwg", -1},
      {"C:\\P\\_A2.dwg", "C:\\P\\_B1.dwg", -1},
      {"a", "ab", -1},
      {"", "a", -1},
      {"", "", 0},
      {"plan2.dwg", "PLAN10.dwg", 1},
      // Where the locale's order is not the order of the lower-cased bytes: a backslash
      // before digits, hyphens and apostrophes counting only between otherwise equal texts.
      {"C:\\W\\", "C:\\W2\\", -1},
      {"C:\\w\\Plans", "c:\\W2\\", -1},
      {"ab", "a-c", -1},
      {"AB", "a-c", -1},
      {"coop", "co-op", -1},
      {"co-op", "cooq", -1},
      {"A-101.dwg", "A100.dwg", 1},
      {"o'neil", "oneil", 1},
      {"o'neil", "onf", -1},
  };
  for (const OrderCase& c : cases) {
    std::string first = locale_.CollationKey(c.first);
    std::string second = locale_.CollationKey(c.second);
    EXPECT_EQ(Sign(first.compare(second)), c.order) << c.first << " against " << c.second;
  }
}

}  // namespace
