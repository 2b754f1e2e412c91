#include "filetools/file_lists.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

TEST(FileListNames, TheExtensionIsAlwaysAddedAndPersonalListsCarryTheUser) {
  EXPECT_EQ(filetools::SharedListFileName("Plant"), "Plant.LST");
  EXPECT_EQ(filetools::SharedListFileName("Plans.LST"), "Plans.LST.LST");
  EXPECT_EQ(filetools::PersonalListFileName("kim", "Plant"), "kim-Plant.LST");
}

TEST(FileListNames, ThePatternFollowsTheCheckBoxes) {
  EXPECT_EQ(filetools::FileListPattern(false, false, "kim"), "*.LST");
  EXPECT_EQ(filetools::FileListPattern(true, false, "kim"), "kim*.LST");
  EXPECT_EQ(filetools::FileListPattern(false, true, "kim"), "*.TXT");
}

TEST(FileListNames, NamesThatWouldLeaveDataOrThatWindowsRefusesAreNotUsable) {
  struct Case {
    const char* name;
    bool usable;
  };
  const Case cases[] = {
      {"Plant.LST", true},    {"My jobs 2026.LST", true}, {"", false},
      {"a\\b.LST", false},    {"a/b.LST", false},         {"..\\x.LST", false},
      {"a:b.LST", false},     {"a*b.LST", false},         {"a?b.LST", false},
      {"a\"b.LST", false},    {"a<b.LST", false},         {"a|b.LST", false},
      {"a\tb.LST", false},    {"CON.LST", false},         {"nul.LST", false},
      {"com1.LST", false},    {"LPT9.lst", false},        {"CONOUT$.LST", false},
      {"LPT\xB2.LST", false}, {"CONSOLE.LST", true},      {"x..LST", false},
  };
  for (const Case& test : cases) {
    EXPECT_EQ(filetools::IsUsableFileName(test.name), test.usable) << test.name;
  }
}

TEST(ProjectFile, SkippedLinesAndTheProjectFolderMakeTheEntries) {
  const Lines lines = {"+desc", "*x", "?q", "E-001.dwg", "", "sub\\E-002.dwg"};
  EXPECT_EQ(filetools::ProjectDrawings(lines, "C:\\Proj"), (Lines{"C:\\Proj\\E-001.dwg", "C:\\Proj\\sub\\E-002.dwg"}));
  EXPECT_EQ(filetools::ProjectDrawings(lines, "C:\\"), (Lines{"C:\\E-001.dwg", "C:\\sub\\E-002.dwg"}));
  EXPECT_EQ(filetools::ProjectDrawings({"*a", "+b"}, "C:\\Proj"), Lines{});
}

TEST(ProjectFile, NotInProjectComparesWholeLinesIgnoringCase) {
  const Lines lines = {"+desc", "e-001.DWG", "sub\\E-004.dwg", "*E-003.dwg"};
  const Lines names = {"E-001.DWG", "E-003.dwg", "E-004.dwg", ""};
  EXPECT_EQ(filetools::DrawingsNotInProject(names, lines, "C:\\Proj"),
            (Lines{"C:\\Proj\\E-003.dwg", "C:\\Proj\\E-004.dwg"}));
}

}  // namespace
