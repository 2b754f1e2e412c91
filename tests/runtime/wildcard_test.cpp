#include "runtime/wildcard.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace runtime {
namespace {

struct LikeCase {
  const char* text;
  const char* pattern;
  bool expected;
};

void ExpectAll(std::initializer_list<LikeCase> cases) {
  for (const auto& c : cases) {
    EXPECT_EQ(Like(c.text, c.pattern), c.expected) << "\"" << c.text << "\" Like \"" << c.pattern << "\"";
  }
}

TEST(WildcardTest, QuestionMarkAndStar) {
  ExpectAll({
      {"A12.dwg", "A12.dwg", true},
      {"A12.dwg", "A1?.dwg", true},
      {"A1.dwg", "A1?.dwg", false},
      {"A12.dwg", "*.dwg", true},
      {".dwg", "*.dwg", true},
      {"A12.dwg.bak", "*.dwg", false},
      {"", "*", true},
      {"", "", true},
      {"a", "", false},
      {"", "?", false},
      {"abc", "a*c", true},
      {"abc", "a**c", true},
      {"ac", "a*c", true},
      {"ab", "a*c", false},
      {"C:\\Jobs\\P100\\A12.dwg", "C:\\Jobs\\*\\*.dwg", true},
  });
}

TEST(WildcardTest, StarBacktracking) {
  ExpectAll({
      {"abcbcd", "*bcd", true},
      {"mississippi", "m*iss*ppi", true},
      {"mississippi", "m*iss*ipi", false},
      {"aXbXc", "*X*X*", true},
      {"aXbc", "*X*X*", false},
      {"A-101-101.dwg", "*-101.dwg", true},
      {"xyz$PROJECTTAG1 $ tail", "*$PROJECTTAG*$*", true},
      {"xyz$PROJECTTAG1", "*$PROJECTTAG*$*", false},
  });
}

TEST(WildcardTest, ManyStarsOverALongText) {
  const std::string text(20000, 'a');
  const std::string pattern = "*a*a*a*a*a*a*a*a*a*a*a*a*a*a*a*b";
  EXPECT_FALSE(Like(text, pattern));
  EXPECT_TRUE(Like(text + "b", pattern));
}

TEST(WildcardTest, Digit) {
  ExpectAll({
      {"A12", "A##", true},
      {"A1B", "A##", false},
      {"A1", "A##", false},
      {"#", "#", false},
      {"Sheet 07", "Sheet ##", true},
  });
}

TEST(WildcardTest, ListsRangesAndNegation) {
  ExpectAll({
      {"b", "[abc]", true},
      {"d", "[abc]", false},
      {"q", "[a-z]", true},
      {"Q", "[a-z]", true},
      {"q", "[A-Z]", true},
      {"5", "[a-z]", false},
      {"5", "[0-9a-f]", true},
      {"E", "[0-9a-f]", true},
      {"d", "[!abc]", true},
      {"B", "[!abc]", false},
      {"5", "[!a-z]", true},
      {"x", "[!a-z]", false},
      {"-", "[-a]", true},
      {"-", "[a-]", true},
      {"b", "[a-]", false},
      {"*", "[*]", true},
      {"x", "[*]", false},
      {"?", "[?]", true},
      {"#", "[#]", true},
      {"[", "[[]", true},
      {"a]", "a]", true},
      {"ab", "a[]b", true},
      {"A-100.dwg", "A-[0-9][0-9][0-9].dwg", true},
      {"A-10X.dwg", "A-[0-9][0-9][0-9].dwg", false},
  });
}

TEST(WildcardTest, IgnoresLetterCase) {
  ExpectAll({
      {"C:\\JOBS\\a12.DWG", "c:\\jobs\\A12.dwg", true},
      {"\xC9TAGE", "\xE9tage", true},  // ÉTAGE / étage
      {"\xC9", "[\xE0-\xFE]", true},   // É in à-þ
      {"\x8A", "[\x9A]", true},        // Š in [š]
  });
}

TEST(WildcardTest, MalformedPatternMatchesNothing) {
  ExpectAll({
      {"a[b", "a[b", false},
      {"a", "[a", false},
      {"abc", "*[", false},
      {"abc", "abc[", false},
      {"b", "[z-a]", false},
      {"z", "[z-a]", false},
  });
  EXPECT_FALSE(WildcardPattern("[abc").IsValid());
  EXPECT_TRUE(WildcardPattern("[abc]").IsValid());
}

TEST(WildcardTest, CompiledPatternMatchesRepeatedly) {
  const WildcardPattern pattern("*.dw[gf]");
  EXPECT_TRUE(pattern.Matches("a.dwg"));
  EXPECT_TRUE(pattern.Matches("B.DWF"));
  EXPECT_FALSE(pattern.Matches("c.dwt"));
}

TEST(WildcardTest, APatternListMatchesWhenOneOfItsPatternsDoes) {
  struct Case {
    const char* patterns;
    const char* prefix;
    const char* text;
    bool expected;
  };
  const Case cases[] = {
      {"*.dwg;*.dxf", "", "C:\\P\\a.DXF", true},
      {"*.dwg;*.dxf", "", "C:\\P\\a.dwt", false},
      {"*.dwg;;", "", "C:\\P\\a.dwg", true},
      {"", "", "", false},
      {";", "", "", false},
      {"*.dwg;A*.dwg", "?:\\", "C:\\Plans\\b.dwg", true},
      {"A*.dwg", "?:\\", "\\\\server\\A1.dwg", false},
      {"A*.dwg", "?:\\", "D:\\A1.dwg", true},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(WildcardPatternList(c.patterns, c.prefix).Matches(c.text), c.expected)
        << c.patterns << " / " << c.prefix << " / " << c.text;
  }
  EXPECT_EQ(SplitPatternList(";*.dwg;;*.dxf;"), (std::vector<std::string>{"*.dwg", "*.dxf"}));
}

}  // namespace
}  // namespace runtime
