#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "tag_fixture.h"
#include "tags/dynamic_tags.h"

namespace tags {
namespace {

struct PathCase {
  std::string path;
  std::vector<std::pair<std::string, std::string>> values;  // tag, value
};

// SHEETCHARS 3, TRIMZEROS 1 and FIRSTFILECHARS 4, the stored defaults.
const std::vector<PathCase> kPathCases = {
    {"C:\\Jobs\\A12\\Sheets\\A12-101.dwg",
     {{"$FILENAME$", "A12-101"},
      {"$FILEPATH$", "C:\\Jobs\\A12\\Sheets\\"},
      {"$FILEPATH-1$", "C:\\Jobs\\A12\\"},
      {"$FILEPATH-2$", "C:\\Jobs\\"},
      {"$FILEPATH-3$", "C:\\"},
      {"$FILEPATH-4$", "C:\\"},
      {"$FILEPATH-9$", "C:\\"},
      {"$FILEDRIVE$", "C:\\"},
      {"$FILEDRIVE+1$", "C:\\Jobs\\"},
      {"$FILEDRIVE+2$", "C:\\Jobs\\A12\\"},
      {"$FILEDRIVE+3$", "C:\\Jobs\\A12\\Sheets\\"},
      {"$FILEDRIVE+4$", "C:\\Jobs\\A12\\Sheets\\A12-101.dwg"},
      {"$FILEDRIVE+9$", "C:\\Jobs\\A12\\Sheets\\A12-101.dwg"},
      {"$FIRSTFILECHARS$", "A12-"},
      {"$SHEET$", "101"}}},
    {"-INVALID-    ",
     {{"$FILENAME$", "-INVALID-"},
      {"$FILEPATH$", ""},
      {"$FILEPATH-1$", "-IN"},
      {"$FILEPATH-9$", "-IN"},
      {"$FILEDRIVE$", "-IN"},
      {"$FILEDRIVE+1$", "-INVALID-    "},
      {"$FILEDRIVE+9$", "-INVALID-    "},
      {"$FIRSTFILECHARS$", "-INV"},
      {"$SHEET$", "ID-"}}},
    {"A12-101.dwg",
     {{"$FILENAME$", "A12-101"},
      {"$FILEPATH$", ""},
      {"$FILEPATH-1$", "A12"},
      {"$FILEDRIVE$", "A12"},
      {"$FILEDRIVE+1$", "A12-101.dwg"},
      {"$FIRSTFILECHARS$", "A12-"},
      {"$SHEET$", "101"}}},
    {"\\\\server\\share\\Jobs\\P-007.dwg",
     {{"$FILENAME$", "P-007"},
      {"$FILEPATH$", "\\\\server\\share\\Jobs\\"},
      {"$FILEPATH-1$", "\\\\server\\share\\"},
      {"$FILEPATH-2$", "\\\\server\\"},
      {"$FILEPATH-3$", "\\\\"},
      {"$FILEPATH-4$", "\\"},
      {"$FILEPATH-5$", "\\\\s"},
      {"$FILEDRIVE$", "\\\\s"},
      {"$FILEDRIVE+1$", "\\\\"},
      {"$FILEDRIVE+2$", "\\\\server\\"},
      {"$FILEDRIVE+3$", "\\\\server\\share\\"},
      {"$FILEDRIVE+4$", "\\\\server\\share\\Jobs\\"},
      {"$FILEDRIVE+5$", "\\\\server\\share\\Jobs\\P-007.dwg"},
      {"$FIRSTFILECHARS$", "P-00"},
      {"$SHEET$", "7"}}},
    {"C:\\A\\B\\C\\D.dwg",
     {{"$FILENAME$", "D"},
      {"$FILEPATH$", "C:\\A\\B\\C\\"},
      {"$FILEPATH-1$", "C:\\A\\B\\"},
      {"$FILEPATH-3$", "C:\\"},
      {"$FILEPATH-4$", "C:\\"},
      {"$FILEDRIVE+1$", "C:\\A\\"},
      {"$FIRSTFILECHARS$", "D"},
      {"$SHEET$", "C\\D"}}},
};

TEST_F(TagEngineTest, PathTagsTakeTheirValuesFromTheDrawingPath) {
  for (const PathCase& row : kPathCases) {
    for (const auto& [tag, value] : row.values) {
      SCOPED_TRACE(row.path + " " + tag);
      EXPECT_EQ(Substitute("<" + tag + ">", 1, row.path), "<" + value + ">");
    }
  }
}

TEST_F(TagEngineTest, ProgramUserAndComputerTags) {
  system.userName = "drafter1";
  system.computerName = "CADSTATION";
  EXPECT_EQ(Substitute("$TOR_PATH$|$USER$|$COMPUTER$"), "C:/Program Files/Tornavane/|drafter1|CADSTATION");
}

TEST_F(TagEngineTest, NameThatCannotBeHadIsEmptyAndTheRestIsStillReplaced) {
  system.userName.reset();
  EXPECT_EQ(Substitute("[$USER$] $COMPUTER$ $FILENAME$"), "[] CADSTATION A12-101");
  system.computerName.reset();
  EXPECT_EQ(Substitute("[$COMPUTER$] $FILENAME$"), "[] A12-101");
}

TEST_F(TagEngineTest, BadStoredCountEmptiesOnlyItsOwnTag) {
  const std::string text = "$FILENAME$ [$FIRSTFILECHARS$] [$SHEET$] $COUNTER$";
  settings.FIRSTFILECHARS = "four";
  EXPECT_EQ(Substitute(text, 5), "A12-101 [] [101] 5");
  settings.FIRSTFILECHARS = "-1";
  EXPECT_EQ(Substitute(text, 5), "A12-101 [] [101] 5");
  settings.FIRSTFILECHARS = "4";
  settings.SHEETCHARS = "";
  EXPECT_EQ(Substitute(text, 5), "A12-101 [A12-] [] 5");
  settings.SHEETCHARS = "40000";  // beyond a 16-bit count
  EXPECT_EQ(Substitute(text, 5), "A12-101 [A12-] [] 5");
}

TEST_F(TagEngineTest, SheetCountReachingBeforeThePathEmptiesOnlyThatSheetText) {
  queue = {"C:\\Jobs\\Plans\\Sheet-0042.dwg", "C:\\S-1.dwg", "C:\\Jobs\\X-2.dwg"};
  settings.SHEETCHARS = "10";
  settings.TRIMZEROS = 0;
  EXPECT_EQ(Substitute("[$SHEET-PREV$] [$SHEET$] [$SHEET-NEXT$]", 1, queue[1], 2), "[Sheet-0042] [] [:\\Jobs\\X-2]");
}

struct SheetCase {
  std::string path;
  std::string count;
  std::int16_t trimZeros;
  std::optional<std::string> sheet;
};

TEST(SheetTextTest, TakesTheCharactersBeforeTheLastFour) {
  const std::vector<SheetCase> cases = {
      {"C:\\DWG\\A-007.dwg", "3", 0, "007"},
      {"C:\\DWG\\A-007.dwg", "3", 1, "7"},
      {"C:\\DWG\\A-000.dwg", "3", 1, ""},
      {"C:\\DWG\\A-000.dwg", "3", 0, "000"},
      {"C:\\DWG\\A-100.dwg", "3", 1, "100"},
      {"C:\\A\\B.dwg", "3", 0, "A\\B"},
      {"C:\\DWG\\A-007.dwg", "0", 0, ""},
      {"C:\\DWG\\A-007.dwg", "2.5", 0, "07"},  // rounds half to even
      {"-INVALID-    ", "3", 0, "ID-"},
      {"-INVALID-    ", "9", 0, "-INVALID-"},
      {"-INVALID-    ", "10", 0, std::nullopt},
      {"C:\\", "99", 0, ""},
      {"", "3", 0, ""},
      {"C:\\DWG\\A-007.dwg", "-1", 0, std::nullopt},
      {"C:\\DWG\\A-007.dwg", "abc", 0, std::nullopt},
      {"C:\\DWG\\A-007.dwg", "32768", 0, std::nullopt},
  };
  for (const SheetCase& row : cases) {
    SCOPED_TRACE(row.path + " / " + row.count);
    EXPECT_EQ(SheetText(row.path, row.count, row.trimZeros), row.sheet);
  }
}

TEST(FirstFileCharsTest, TakesTheStartOfTheBaseName) {
  const std::vector<std::pair<std::string, std::optional<std::string>>> cases = {
      {"4", "A12-"},
      {"99", "A12-101"},
      {"0", ""},
      {" 2 ", "A1"},
      {"-1", std::nullopt},
      {"x", std::nullopt},
      {"3000000000", std::nullopt},
  };
  for (const auto& [count, expected] : cases) {
    SCOPED_TRACE(count);
    EXPECT_EQ(FirstFileChars("C:\\Jobs\\A12-101.dwg", count), expected);
  }
  EXPECT_EQ(FirstFileChars("C:\\Jobs\\AB.dwg", "4"), "AB");
}

}  // namespace
}  // namespace tags
