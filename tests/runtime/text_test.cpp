#include "runtime/text.h"

#include <gtest/gtest.h>

#include "runtime/error.h"

namespace runtime {
namespace {

int ErrorNumberOf(void (*call)()) {
  try {
    call();
  } catch (const Error& error) {
    return error.Number();
  }
  return 0;
}

TEST(TextCaseTest, MapsAsciiAndCodePageLetters) {
  struct Case {
    const char* lower;
    const char* upper;
  };
  const Case cases[] = {
      {"abc xyz 09", "ABC XYZ 09"},
      {"\xE0\xE9\xF6\xFE", "\xC0\xC9\xD6\xDE"},  // à é ö þ
      {"\x9A\x9C\x9E\xFF", "\x8A\x8C\x8E\x9F"},  // š œ ž ÿ
  };
  for (const auto& c : cases) {
    EXPECT_EQ(UpperCase(c.lower), c.upper) << c.lower;
    EXPECT_EQ(LowerCase(c.upper), c.lower) << c.upper;
  }
}

TEST(TextCaseTest, LeavesSignsAndCaselessLettersAlone) {
  const std::string untouched = "\xD7\xF7\xDF\xB5[]@`{}~-_$";  // × ÷ ß µ and ASCII neighbours of letters
  EXPECT_EQ(UpperCase(untouched), untouched);
  EXPECT_EQ(LowerCase(untouched), untouched);
}

TEST(TextCaseTest, EqualsNoCase) {
  EXPECT_TRUE(EqualsNoCase("C:\\Jobs\\A12.DWG", "c:\\jobs\\a12.dwg"));
  EXPECT_TRUE(EqualsNoCase("\xC9T\xC9", "\xE9t\xE9"));  // ÉTÉ / été
  EXPECT_TRUE(EqualsNoCase("", ""));
  EXPECT_FALSE(EqualsNoCase("abc", "abd"));
  EXPECT_FALSE(EqualsNoCase("abc", "abcd"));
  EXPECT_FALSE(EqualsNoCase("\xD7", "\xF7"));  // × is not the capital of ÷
}

TEST(TextSearchTest, InStrNoCase) {
  struct Case {
    int start;
    const char* text;
    const char* what;
    int expected;
  };
  const Case cases[] = {
      {1, "Hello World", "WORLD", 7},
      {1, "abcabc", "BC", 2},
      {3, "abcabc", "bc", 5},
      {6, "abcabc", "bc", 0},
      {7, "abcabc", "c", 0},
      {1, "abc", "abcd", 0},
      {1, "abc", "", 1},
      {3, "abc", "", 3},
      {4, "abc", "", 0},
      {1, "", "", 0},
      {1, "", "a", 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(InStrNoCase(c.start, c.text, c.what), c.expected)
        << "InStr(" << c.start << ", \"" << c.text << "\", \"" << c.what << "\")";
  }
  EXPECT_EQ(ErrorNumberOf([] { InStrNoCase(0, "abc", "a"); }), kInvalidProcedureCall);
}

TEST(TextSearchTest, FindNoCase) {
  EXPECT_EQ(FindNoCase("$FileName$ and $FILENAME$", "$filename$"), 0u);
  EXPECT_EQ(FindNoCase("$FileName$ and $FILENAME$", "$filename$", 1), 15u);
  EXPECT_EQ(FindNoCase("abc", "x"), std::string_view::npos);
  EXPECT_EQ(FindNoCase("abc", "a", 4), std::string_view::npos);
}

TEST(TextReplaceTest, ReplaceAllNoCase) {
  struct Case {
    const char* text;
    const char* find;
    const char* replacement;
    const char* expected;
  };
  const Case cases[] = {
      {"open $FILE$ then $file$", "$FILE$", "A12", "open A12 then A12"},
      {"aaa", "a", "aa", "aaaaaa"},  // the replacement holds the search text: no loop
      {"xAx", "a", "a", "xax"},
      {"aaaa", "aa", "b", "bb"},
      {"abc", "", "x", "abc"},
      {"abc", "abc", "", ""},
      {"", "a", "b", ""},
      {"no match", "zz", "y", "no match"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ReplaceAllNoCase(c.text, c.find, c.replacement), c.expected) << c.text << " / " << c.find;
  }
}

TEST(TextTrimTest, RemovesBlanksOnly) {
  EXPECT_EQ(Trim("  a b  "), "a b");
  EXPECT_EQ(LTrim("  a b  "), "a b  ");
  EXPECT_EQ(RTrim("  a b  "), "  a b");
  EXPECT_EQ(Trim("\ta\t"), "\ta\t");
  EXPECT_EQ(Trim("   "), "");
  EXPECT_EQ(Trim(""), "");
}

TEST(TextSliceTest, LeftRightMidClamp) {
  EXPECT_EQ(Left("abcdef", 2), "ab");
  EXPECT_EQ(Left("abc", 10), "abc");
  EXPECT_EQ(Left("abc", 0), "");
  EXPECT_EQ(Right("abcdef", 2), "ef");
  EXPECT_EQ(Right("abc", 10), "abc");
  EXPECT_EQ(Right("abc", 0), "");
  EXPECT_EQ(Mid("abcdef", 3), "cdef");
  EXPECT_EQ(Mid("abcdef", 3, 2), "cd");
  EXPECT_EQ(Mid("abcdef", 5, 10), "ef");
  EXPECT_EQ(Mid("abcdef", 7), "");
  EXPECT_EQ(Mid("abcdef", 100, 2), "");
  EXPECT_EQ(Mid("abcdef", 1, 0), "");
}

TEST(TextSliceTest, InvalidArgumentsAreError5) {
  EXPECT_EQ(ErrorNumberOf([] { Left("abc", -1); }), kInvalidProcedureCall);
  EXPECT_EQ(ErrorNumberOf([] { Right("abc", -1); }), kInvalidProcedureCall);
  EXPECT_EQ(ErrorNumberOf([] { Mid("abc", 0); }), kInvalidProcedureCall);
  EXPECT_EQ(ErrorNumberOf([] { Mid("abc", 1, -1); }), kInvalidProcedureCall);
}

TEST(TextLinesTest, SplitLines) {
  using Lines = std::vector<std::string>;
  struct Case {
    std::string text;
    Lines expected;
  };
  const Case cases[] = {
      {"", {}},
      {"ZOOM", {"ZOOM"}},
      {"ZOOM\r\nQSAVE\r\n", {"ZOOM", "QSAVE"}},
      {"ZOOM\r\nQSAVE", {"ZOOM", "QSAVE"}},
      {"a\rb\nc\r\n", {"a", "b", "c"}},
      {"\r\n", {""}},
      {"\r\n\r\n", {"", ""}},
      {"a\r\r\nb", {"a", "", "b"}},
      {"a\n\rb", {"a", "", "b"}},
      {"a\r\n\r\nb\r\n", {"a", "", "b"}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(SplitLines(c.text), c.expected) << testing::PrintToString(c.text);
  }
}

}  // namespace
}  // namespace runtime
