// The renamer's rules as pure functions: names in, preview out, with the notices a rule
// shows and where it stopped.

#include "filetools/rename_rules.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace test {
namespace {

using filetools::RulePreview;
using Names = std::vector<std::string>;

constexpr const char* kStripMessage =
    "Error 5 (Invalid procedure call or argument) in procedure StripFirstXChars of Module modStringManipulation";

filetools::RenumberInputs Numbers(std::string start, std::string step, int digits, bool append) {
  return {.startAt = std::move(start),
          .step = std::move(step),
          .digits = digits,
          .append = append,
          .decimalSeparator = "."};
}

TEST(RenumberTest, NumbersEachLineFromTheStartByTheStep) {
  struct Case {
    filetools::RenumberInputs in;
    Names names;
    Names preview;
  };
  const Case cases[] = {
      {Numbers("1", "1", 3, true), {"plan.dwg", "sect.dwg"}, {"plan001.dwg", "sect002.dwg"}},
      {Numbers("7", "1", 2, false), {"sheetAB.dwg"}, {"sheet07.dwg"}},
      {Numbers("1", "-1", 3, true), {"a.dwg", "b.dwg", "c.dwg"}, {"a001.dwg", "b000.dwg", "c-001.dwg"}},
      {Numbers("1", "0.5", 1, true), {"a.dwg", "b.dwg", "c.dwg", "d.dwg"}, {"a1.dwg", "b2.dwg", "c2.dwg", "d3.dwg"}},
      // The start is a whole number, halves to even; the step need not be.
      {Numbers("2.5", "0", 1, true), {"q.dwg", "r.dwg"}, {"q2.dwg", "r2.dwg"}},
      {Numbers(" 3.5 ", "+0", 1, true), {"q.dwg"}, {"q4.dwg"}},
      // A number longer than the mask keeps its digits; one as long as the base takes it all.
      {Numbers("1000", "1", 3, true), {"p.dwg"}, {"p1000.dwg"}},
      {Numbers("12", "1", 2, false), {"AB.dwg"}, {"12.dwg"}},
      // Split at the last dot.
      {Numbers("5", "1", 2, false), {"a.b.c.dwg"}, {"a.b05.dwg"}},
  };
  for (const Case& c : cases) {
    RulePreview preview = filetools::Renumber(c.names, c.in);
    EXPECT_EQ(preview.names, c.preview) << c.in.startAt << " step " << c.in.step;
    EXPECT_TRUE(preview.complete);
    EXPECT_TRUE(preview.notices.empty());
  }
}

TEST(RenumberTest, StopsWithItsMessageAndKeepsTheLinesBefore) {
  struct Case {
    filetools::RenumberInputs in;
    Names names;
    Names preview;
    std::string message;
  };
  const Case cases[] = {
      {Numbers("1", "1", 3, false), {"ABCD.dwg", "AB.dwg", "XYZW.dwg"}, {"A001.dwg"}, "String Length Error."},
      {Numbers("1", "1", 3, true), {"a.dwg", "noextension"}, {"a001.dwg"}, "String Length Error."},
      {Numbers("one", "1", 3, true), {"a.dwg"}, {}, "You must use number, not letters."},
      {Numbers("1", "2x", 3, true), {"a.dwg"}, {}, "You must use number, not letters."},
      {Numbers("", "1", 3, true), {"a.dwg"}, {}, "You must use number, not letters."},
      {Numbers("1e3", "1", 3, true), {"a.dwg"}, {}, "You must use number, not letters."},
      {Numbers("32768", "1", 3, true), {"a.dwg"}, {}, "The starting number must lie between -32768 and 32767."},
      {Numbers("-32769", "1", 3, true), {"a.dwg"}, {}, "The starting number must lie between -32768 and 32767."},
  };
  for (const Case& c : cases) {
    RulePreview preview = filetools::Renumber(c.names, c.in);
    EXPECT_EQ(preview.names, c.preview) << c.in.startAt;
    EXPECT_FALSE(preview.complete);
    ASSERT_EQ(preview.notices.size(), 1u);
    EXPECT_EQ(preview.notices[0].text, c.message);
    EXPECT_TRUE(preview.notices[0].exclamation);
  }
  EXPECT_EQ(filetools::Renumber({"a.dwg"}, Numbers("-32768", "0", 1, true)).names, Names{"a-32768.dwg"});
}

TEST(RenumberTest, NumbersReadTheLocaleSeparatorAndRoundTowardsTheNearest) {
  filetools::RenumberInputs in = Numbers("1", "0,5", 1, true);
  EXPECT_FALSE(filetools::Renumber({"a.dwg"}, in).complete);
  in.decimalSeparator = ",";
  EXPECT_EQ(filetools::Renumber({"a.dwg", "b.dwg"}, in).names, (Names{"a1.dwg", "b2.dwg"}));
  EXPECT_EQ(filetools::ParseTypedNumber("1.5", ","), 1.5);
  EXPECT_FALSE(filetools::ParseTypedNumber("1.5,5", ",").has_value());
  EXPECT_FALSE(filetools::ParseTypedNumber("-", ".").has_value());
  EXPECT_EQ(filetools::NumberText(-0.4, 1), "0");
  EXPECT_EQ(filetools::NumberText(-0.5, 3), "-001");
  EXPECT_EQ(filetools::NumberText(2.5, 1), "3");
}

TEST(SimpleRulesTest, EachRuleOnItsExamples) {
  struct Case {
    const char* rule;
    RulePreview preview;
    Names expected;
  };
  const Names plan{"plan.dwg"};
  const Case cases[] = {
      {"Rep.First 4", filetools::ReplaceFirst({"12345.dwg"}, 4, "AB"), {"AB5.dwg"}},
      {"Rep.First all", filetools::ReplaceFirst({"12345.dwg"}, 9, "AB"), {"AB"}},
      {"Insert 2", filetools::InsertAt(plan, 2, "X"), {"plXan.dwg"}},
      {"Insert 0", filetools::InsertAt(plan, 0, "X"), {"Xplan.dwg"}},
      {"Insert end", filetools::InsertAt(plan, 8, "X"), {"plan.dwgX"}},
      {"Append", filetools::AppendToName({"plan.dwg", "a.b.dwg", "README"}, "X"), {"planX.dwg", "a.bX.dwg", "READMEX"}},
      {"Pad start", filetools::Pad({"a.dwg", "abc.dwg"}, {"0", true}), {"00a.dwg", "abc.dwg"}},
      {"Pad end", filetools::Pad({"a.dwg", "abc.dwg", "ab"}, {"0", false}), {"a00.dwg", "abc.dwg", "ab00000"}},
      {"Pad nothing", filetools::Pad({"a.dwg", "abc.dwg"}, {"", true}), {"a.dwg", "abc.dwg"}},
      {"Replacer case", filetools::ReplaceText({"Dwg-plan.DWG"}, "dwg", "x"), {"x-plan.x"}},
      {"Replacer one pass", filetools::ReplaceText({"aaa.dwg"}, "aa", "a"), {"aa.dwg"}},
      {"Replacer empty", filetools::ReplaceText(plan, "", "x"), {"plan.dwg"}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.preview.names, c.expected) << c.rule;
    EXPECT_TRUE(c.preview.complete) << c.rule;
    EXPECT_TRUE(c.preview.notices.empty()) << c.rule;
  }
}

TEST(SimpleRulesTest, CompoundChainsReplacementsOnThePreview) {
  RulePreview first = filetools::ReplaceText({"plan1.dwg"}, "plan", "sheet");
  EXPECT_EQ(filetools::ReplaceText(first.names, "1", "01").names, Names{"sheet01.dwg"});
}

TEST(SimpleRulesTest, ACountBeyondANameShowsTheMessageAndGoesOn) {
  RulePreview preview = filetools::ReplaceFirst({"ab.dwg", "a.b", "abcdefg.dwg"}, 5, "Z");
  EXPECT_EQ(preview.names, (Names{"Zg", "Z", "Zfg.dwg"}));
  EXPECT_TRUE(preview.complete);
  ASSERT_EQ(preview.notices.size(), 1u);
  EXPECT_EQ(preview.notices[0].text, kStripMessage);
  EXPECT_FALSE(preview.notices[0].exclamation);
  EXPECT_EQ(filetools::StripFirstXChars("abc", 3), "");
  EXPECT_FALSE(filetools::StripFirstXChars("abc", 4).has_value());
}

TEST(SimpleRulesTest, InsertBeyondANameStopsThere) {
  RulePreview preview = filetools::InsertAt({"plan.dwg", "a.b", "sect.dwg"}, 4, "X");
  EXPECT_EQ(preview.names, Names{"planX.dwg"});
  EXPECT_FALSE(preview.complete);
  ASSERT_EQ(preview.notices.size(), 1u);
  EXPECT_EQ(preview.notices[0].text,
            "Error 5 (Invalid procedure call or argument) in procedure cmdInsertPreview_Click of Form frmFileRenamer");
}

TEST(SimpleRulesTest, PadRefusesNamesOfOneLength) {
  RulePreview preview = filetools::Pad({"a.dwg", "b.dwg"}, {"0", false});
  EXPECT_TRUE(preview.names.empty());
  EXPECT_FALSE(preview.complete);
  ASSERT_EQ(preview.notices.size(), 1u);
  EXPECT_EQ(preview.notices[0].text, "All filenames are the same length.\r\nThey don't need Padding.");
  EXPECT_TRUE(preview.notices[0].exclamation);
}

}  // namespace
}  // namespace test
