// What the engine keeps from one call to the next (the date texts of the last second, the
// tag layout of the texts met last, its buffers) must never show: every call reads its
// inputs afresh.

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "core/path_helpers.h"
#include "runtime/text.h"
#include "tag_fixture.h"

namespace tags {
namespace {

TEST_F(TagEngineTest, AClockTickShowsInTheNextCall) {
  const std::string text = "$TIME_24$ $DD$";
  EXPECT_EQ(Substitute(text), "13:05:09 10");
  clock.Set({2026, 12, 10, 13, 5, 10});
  EXPECT_EQ(Substitute(text), "13:05:10 10");
  EXPECT_EQ(settings.TodayTime_24, "13:05:10");
  clock.Set({2026, 12, 11, 0, 0, 0});
  EXPECT_EQ(Substitute(text), "0:00:00 11");
  EXPECT_EQ(settings.DD, "11");
}

TEST_F(TagEngineTest, ADateFieldChangedBetweenCallsOfOneSecondIsWrittenAgain) {
  Substitute("$DATE$");
  settings.MMDDYY = "changed";
  settings.LONGDATE = "";
  settings.TodayTime_12 = "Thursday, December 10, 2026 at 1:05 PM";
  EXPECT_EQ(Substitute("$MM/DD/YY$"), "12/10/26");
  EXPECT_EQ(settings.MMDDYY, "12/10/26");
  EXPECT_EQ(settings.LONGDATE, "Thursday, Dec 10, 2026");
  EXPECT_EQ(settings.TodayTime_12, "01:05:09 PM");
}

// A build's sources write the date texts once a second; the texts substituted still follow
// the clock at every call.
TEST_F(TagEngineTest, ABuildWritesTheDateFieldsWhenTheSecondChanges) {
  const TagSources build{.settings = settings,
                         .queue = queueView,
                         .services = services,
                         .programFolder = kProgramFolder,
                         .storeDatesOncePerSecond = true};
  settings.TodayTime_24 = "before";
  EXPECT_EQ(SubstituteTAGS(build, "$DD$", 1, kDrawing, 1), "10");
  EXPECT_EQ(settings.TodayTime_24, "13:05:09");
  settings.TodayTime_24 = "changed";
  EXPECT_EQ(SubstituteTAGS(build, "$TIME_24$", 1, kDrawing, 1), "13:05:09");
  EXPECT_EQ(settings.TodayTime_24, "changed");
  clock.Set({2026, 12, 10, 13, 5, 10});
  EXPECT_EQ(SubstituteTAGS(build, "$DD$", 1, kDrawing, 1), "10");
  EXPECT_EQ(settings.TodayTime_24, "13:05:10");
  EXPECT_EQ(settings.MMDDYY, "12/10/26");
}

TEST_F(TagEngineTest, AChangedTagValueShowsInTheNextCallOfTheSameText) {
  const std::string text = "$TAG1$ $FILENAME$";
  settings.TAG[0] = "A";
  EXPECT_EQ(Substitute(text), "A A12-101");
  settings.TAG[0] = "B";
  EXPECT_EQ(Substitute(text), "B A12-101");
  settings.TAG[0] = "$TAG2$";  // a value with a tag of a later step
  settings.TAG[1] = "two";
  EXPECT_EQ(Substitute(text), "two A12-101");
  settings.TAG[0] = "$FILENAME$";  // a tag of an earlier step stays
  EXPECT_EQ(Substitute(text), "$FILENAME$ A12-101");
  settings.TAG[0] = "";
  EXPECT_EQ(Substitute(text, 1, "C:\\Jobs\\B-7.dwg"), " B-7");
}

TEST_F(TagEngineTest, ATextChangedInPlaceIsReadAfresh) {
  std::string text = "[$FILENAME$]";
  EXPECT_EQ(Substitute(text), "[A12-101]");
  text.replace(1, 10, "$FILEPATH$");  // same length, same buffer
  EXPECT_EQ(Substitute(text), "[C:\\Jobs\\A12\\Sheets\\]");
  text.replace(1, 10, "$FILEPATH!");
  EXPECT_EQ(Substitute(text), "[$FILEPATH!]");
}

TEST_F(TagEngineTest, MoreTextsThanTheEngineRemembersComeOutRight) {
  settings.TAG[0] = "one";
  for (int round = 0; round < 3; ++round) {
    for (int i = 0; i < 40; ++i) {
      const std::string n = std::to_string(i);
      EXPECT_EQ(Substitute(n + " $TAG1$" + std::string(i % 7, '$') + " $DD$"),
                n + " one" + std::string(i % 7, '$') + " 10");
    }
  }
}

TEST_F(TagEngineTest, TheProjectPassAndTheOtherTagsOfOneTextAreKeptApart) {
  const std::string text = "$PROJECTTAG1$ $FILENAME$ $TAG1$";
  settings.TAG[0] = "t";
  AddDataFile("PTAGMAN.DAT", "P.PRJ\r\n");
  std::string project = "A12\r\nproject one\r\n";
  for (int i = 2; i <= 40; ++i) project += "\r\n";
  AddDataFile("P.PRJ", project);
  for (int round = 0; round < 2; ++round) {
    EXPECT_EQ(Substitute(text), "$PROJECTTAG1$ A12-101 t");
    EXPECT_EQ(SubstituteProjectTAGS(sources, text, 1, kDrawing), "project one $FILENAME$ $TAG1$");
    EXPECT_EQ(SpSubstituteProjectTAGS(sources, text, 1, kDrawing), "project one A12-101 t");
    EXPECT_EQ(SubstituteProjectTAGS(sources, text, 1, "C:\\Other\\B.dwg"), text);
  }
}

// The file tags take the drawing's base name and the start of it as the path helpers give
// them, for paths built to reach every edge: no backslash, short names, dots, a trailing one.
TEST_F(TagEngineTest, FileNameTagsAgreeWithThePathHelpers) {
  const std::vector<std::string> pieces = {"C:", "\\", "\\\\", "A", "B12", ".dwg", ".", "x", "-007", " "};
  std::mt19937 random(20261210);
  for (int round = 0; round < 3000; ++round) {
    std::string path;
    for (std::size_t n = random() % 7; n > 0; --n) path += pieces[random() % pieces.size()];
    SCOPED_TRACE("path [" + path + "]");
    const std::string base = core::GetBaseName(path);
    ASSERT_EQ(Substitute("$FILENAME$|$FIRSTFILECHARS$", 1, path), base + "|" + runtime::Left(base, 4));
  }
}

}  // namespace
}  // namespace tags
