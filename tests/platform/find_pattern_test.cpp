#include "platform/find_pattern.h"

#include <gtest/gtest.h>

namespace {

TEST(FindPatternTest, MatchesAsFindFirstFileMatchesALongName) {
  struct Case {
    const char* pattern;
    const char* name;
    bool matches;
  };
  const Case cases[] = {
      {"*", "anything.at.all", true},
      {"*.*", "Readme", true},
      {"*.*", ".profile", true},
      {"*.", "Readme", true},
      {"*.", "a.b", false},
      {"*.dwg", "a.b.DWG", true},
      {"*.dwg", "a.dwg.bak", false},
      {"a?", "a", true},
      {"a?", "ab", true},
      {"a?", "abc", false},
      {"a?c", "a.c", false},
      {"???.txt", "ab.txt", true},
      {"???.txt", "abcd.txt", false},
      {"*a*", "BAB", true},
      {"*x", "abc", false},
      {"A12-1??.DWG", "a12-101.dwg", true},
      {"readme.", "README", true},
      {"\xe9t\xe9*", "\xc9T\xc9 2024.dwg", true},
      {"", "a", false},
  };
  for (const auto& test : cases) {
    EXPECT_EQ(platform::MatchesFindPattern(test.name, test.pattern), test.matches)
        << test.pattern << " on " << test.name;
  }
}

TEST(FindPatternTest, OnlyTheLastComponentCanHoldTheWildcard) {
  struct Case {
    const char* path;
    bool wildcard;
  };
  const Case cases[] = {
      {"C:\\DATA\\*.LST", true},      {"C:\\DATA\\kim?.lst", true}, {"*", true},
      {"C:\\DATA\\Plant.LST", false}, {"C:\\PROGRA~1", false},      {"C:/x*/Plant.LST", false},
  };
  for (const Case& test : cases) EXPECT_EQ(platform::HasWildcard(test.path), test.wildcard) << test.path;
}

}  // namespace
