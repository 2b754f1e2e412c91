#include "tags/user_tag_values.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using tags::UserTagEntry;

TEST(UserTagEntriesTest, GivesTheFiftySevenKeysInTheirOrderWithTheirTexts) {
  tags::UserTagInput input;
  input.firstFileChars = "6";
  input.sheetChars = "12";
  input.trimZeros = false;
  input.counterStart = "007";
  input.counterStep = "-2";
  input.padCounter = true;
  input.padDigits = "5";
  for (std::size_t i = 0; i < 50; ++i) input.tags[i] = i % 7 == 0 ? "" : "value " + std::to_string(i + 1);

  std::vector<UserTagEntry> expected = {
      {"FirstFileChars", "6"}, {"SheetChars", "12"},       {"TrimZeros", "0"}, {"CounterStart", "007"},
      {"CounterStep", "-2"},   {"PadCounterEnabled", "1"}, {"PadDigits", "5"},
  };
  for (std::size_t i = 0; i < 50; ++i) expected.push_back({"TAG" + std::to_string(i + 1), input.tags[i]});
  EXPECT_EQ(tags::UserTagEntries(input), expected);
}

TEST(UserTagEntriesTest, ChecksGoOutAsOneWhenTicked) {
  tags::UserTagInput input;
  input.trimZeros = true;
  input.padCounter = false;
  std::vector<UserTagEntry> entries = tags::UserTagEntries(input);
  EXPECT_EQ(entries[2], (UserTagEntry{"TrimZeros", "1"}));
  EXPECT_EQ(entries[5], (UserTagEntry{"PadCounterEnabled", "0"}));
}

TEST(CharacterCountTest, BeginsWithADigitFromOneAndFitsTheField) {
  struct Case {
    const char* text;
    bool sheet;
    bool firstFile;
  };
  const Case cases[] = {
      {"1", true, true},      {"10", true, true},          {"12", true, true},           {"9", true, true},
      {"", false, false},     {"0", false, false},         {"07", false, false},         {" 3", false, false},
      {"-1", false, false},   {"abc", false, false},       {"1x", false, false},         {"32767", true, true},
      {"32768", false, true}, {"2147483647", false, true}, {"2147483648", false, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(tags::IsSheetCharCount(c.text), c.sheet) << c.text;
    EXPECT_EQ(tags::IsFirstFileCharCount(c.text), c.firstFile) << c.text;
  }
}

TEST(CounterValueTest, IsAWholeThirtyTwoBitNumber) {
  struct Case {
    const char* text;
    bool valid;
  };
  const Case cases[] = {
      {"1", true},          {"007", true},         {"-2", true},           {" 5 ", true}, {"70000", true},
      {"2147483647", true}, {"-2147483648", true}, {"1e3", true},          {"", false},   {"abc", false},
      {"2.5", false},       {"2147483648", false}, {"-2147483649", false}, {"1x", false},
  };
  for (const Case& c : cases) EXPECT_EQ(tags::IsCounterValue(c.text), c.valid) << c.text;
}

}  // namespace
