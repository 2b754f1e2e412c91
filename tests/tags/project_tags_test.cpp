#include "tags/project_tags.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runtime/error.h"
#include "tag_fixture.h"

namespace tags {
namespace {

// A project file: the pattern, then the values given (the file may be shorter than 41 lines).
std::string ProjectFile(const std::string& pattern, const std::vector<std::string>& values, int lineCount = 41) {
  std::vector<std::string> lines = {pattern};
  lines.insert(lines.end(), values.begin(), values.end());
  lines.resize(static_cast<std::size_t>(lineCount));
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

class ProjectTagsTest : public TagEngineTest {
 protected:
  std::string Project(const std::string& text, const std::string& path = kDrawing) {
    return SubstituteProjectTAGS(sources, text, 1, path);
  }
};

TEST_F(ProjectTagsTest, FirstMatchingProjectInIndexOrderDecidesEveryTag) {
  AddDataFile("PTAGMAN.DAT", "OTHER.PRJ\r\nSECOND.PRJ\r\nFIRST.PRJ\r\n");
  AddDataFile("OTHER.PRJ", ProjectFile("D:\\Elsewhere\\", {"other"}));
  AddDataFile("SECOND.PRJ", ProjectFile("\\A12\\", {"second", ""}));
  AddDataFile("FIRST.PRJ", ProjectFile("*", {"first", "first 2", "first 3"}));
  EXPECT_EQ(Project("[$PROJECTTAG1$][$ProjectTag2$][$PROJECTTAG3$][$PROJECTTAG40$]"), "[second][][][]");
}

TEST_F(ProjectTagsTest, PatternIsFoundAnywhereInThePathIgnoringCase) {
  AddDataFile("PTAGMAN.DAT", "A.PRJ\r\n");
  struct Case {
    std::string pattern;
    bool matches;
  };
  const std::vector<Case> cases = {
      {"", true},          {"c:\\jobs\\a12\\", true}, {"SHEETS\\A12-###", true},
      {"A1?-1", true},     {"[ab]12-[!0]01", true},   {"C:\\JOBS\\B", false},
      {"A12-1##X", false}, {"[abc", false},  // malformed: no match, no error
  };
  for (const Case& row : cases) {
    SCOPED_TRACE(row.pattern);
    AddDataFile("A.PRJ", ProjectFile(row.pattern, {"value"}));
    EXPECT_EQ(Project("$PROJECTTAG1$"), row.matches ? "value" : "$PROJECTTAG1$");
  }
}

TEST_F(ProjectTagsTest, TagOneIsNotConfusedWithTagTen) {
  std::vector<std::string> values;
  for (int i = 1; i <= 40; ++i) values.push_back("v" + std::to_string(i));
  AddDataFile("PTAGMAN.DAT", "A.PRJ\r\n");
  AddDataFile("A.PRJ", ProjectFile("", values));
  EXPECT_EQ(Project("$PROJECTTAG1$ $PROJECTTAG10$ $PROJECTTAG1$0 $PROJECTTAG40$ $PROJECTTAG41$"),
            "v1 v10 v10 v40 $PROJECTTAG41$");
}

TEST_F(ProjectTagsTest, LaterProjectTagInAValueIsReplacedEarlierOneStays) {
  AddDataFile("PTAGMAN.DAT", "A.PRJ\r\n");
  AddDataFile("A.PRJ", ProjectFile("", {"<$PROJECTTAG2$>", "two", "<$PROJECTTAG1$>"}));
  EXPECT_EQ(Project("$PROJECTTAG1$ $PROJECTTAG3$"), "<two> <$PROJECTTAG1$>");
}

TEST_F(ProjectTagsTest, MissingIndexLeavesTheTextAsItIs) {
  EXPECT_EQ(Project("$PROJECTTAG1$ $FILENAME$"), "$PROJECTTAG1$ $FILENAME$");
}

TEST_F(ProjectTagsTest, MissingProjectFileAndBlankLinesArePassedOver) {
  AddDataFile("PTAGMAN.DAT", "\r\nGONE.PRJ\r\n   \r\nB.PRJ\r\n");
  AddDataFile("B.PRJ", ProjectFile("", {"from B"}));
  EXPECT_EQ(Project("$PROJECTTAG1$"), "from B");
  EXPECT_EQ(Project("$PROJECTTAG1$"), "from B");
}

TEST_F(ProjectTagsTest, ShortProjectFileGivesEmptyValuesForItsMissingLines) {
  AddDataFile("PTAGMAN.DAT", "SHORT.PRJ\r\nFULL.PRJ\r\n");
  AddDataFile("SHORT.PRJ", ProjectFile("", {"one", "two"}, 3));
  AddDataFile("FULL.PRJ", ProjectFile("", {"x", "y", "z"}));
  EXPECT_EQ(Project("$PROJECTTAG1$|$PROJECTTAG2$|$PROJECTTAG3$|$PROJECTTAG40$"), "one|two||");

  AddDataFile("SHORT.PRJ", "");
  EXPECT_EQ(Project("[$PROJECTTAG1$]"), "[]");  // an empty file: empty pattern, empty values
}

TEST_F(ProjectTagsTest, UnreadableProjectFileIsReported) {
  AddDataFile("PTAGMAN.DAT", "LOCKED.PRJ\r\n");
  AddDataFile("LOCKED.PRJ", ProjectFile("", {"v"}));
  fs.FailOn(std::string(kProgramFolder) + "\\DATA\\LOCKED.PRJ", runtime::kPermissionDenied);
  EXPECT_THROW(Project("$PROJECTTAG1$"), runtime::Error);
  EXPECT_EQ(Project("no project tags"), "no project tags");  // nothing to replace: nothing read
}

TEST_F(ProjectTagsTest, SpVariantThenReplacesTheOtherTagsAtPositionZero) {
  queue = {"C:\\Q\\FIRST-001.dwg"};
  AddDataFile("PTAGMAN.DAT", "GONE.PRJ\r\nA.PRJ\r\n");
  AddDataFile("A.PRJ", ProjectFile("A12", {"P-"}));
  EXPECT_EQ(SpSubstituteProjectTAGS(sources, "$PROJECTTAG1$$FILENAME$-[$FILENAME-PREV$]-$FILENAME-NEXT$", 7, kDrawing),
            "P-A12-101-[]-FIRST-001");
  EXPECT_EQ(SpSubstituteProjectTAGS(sources, "$COUNTER$", 7, kDrawing), "7");
}

TEST(DataFolderTest, JoinsTheProgramFolder) {
  EXPECT_EQ(DataFolder("C:\\Program Files\\Tornavane"), "C:\\Program Files\\Tornavane\\DATA\\");
  EXPECT_EQ(DataFolder("D:\\Tools\\"), "D:\\Tools\\DATA\\");
}

}  // namespace
}  // namespace tags
