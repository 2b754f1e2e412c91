#include <gtest/gtest.h>

#include <string>

#include "tag_fixture.h"

namespace tags {
namespace {

TEST_F(TagEngineTest, LetterCaseIsIgnoredAndUnknownWordsStay) {
  EXPECT_EQ(Substitute("$filename$ $FileName$ $FILENAME$ $NOTATAG$ $"), "A12-101 A12-101 A12-101 $NOTATAG$ $");
  EXPECT_EQ(Substitute("$$FILENAME$$"), "$A12-101$");
  EXPECT_EQ(Substitute("no tags here"), "no tags here");
  EXPECT_EQ(Substitute(""), "");
}

TEST_F(TagEngineTest, TextSpanningLinesIsReplacedThroughout) {
  settings.TAG[4] = "A. DRAFTER";
  EXPECT_EQ(Substitute("OPEN $FILENAME$\r\n$TAG5$\r\n$TAG5$ $COUNTER$\r\n", 3),
            "OPEN A12-101\r\nA. DRAFTER\r\nA. DRAFTER 3\r\n");
}

TEST_F(TagEngineTest, ClosingDollarKeepsNumberedTagsApart) {
  settings.TAG[0] = "one";
  settings.TAG[9] = "ten";
  EXPECT_EQ(Substitute("$TAG10$ $TAG1$ $TAG1$0 $TAG100$"), "ten one one0 $TAG100$");
}

TEST_F(TagEngineTest, ValueHoldingALaterTagIsReplacedByThatStep) {
  settings.TAG[0] = "$TAG2$";
  settings.TAG[1] = "two";
  EXPECT_EQ(Substitute("$TAG1$"), "two");
}

TEST_F(TagEngineTest, ValueHoldingAnEarlierTagStaysLiteral) {
  settings.TAG[0] = "one";
  settings.TAG[1] = "$TAG1$ $FILENAME$";
  EXPECT_EQ(Substitute("$TAG2$"), "$TAG1$ $FILENAME$");
}

TEST_F(TagEngineTest, ValueIsNeverSearchedAgainForItsOwnTag) {
  settings.TAG[0] = "<$TAG1$>";
  EXPECT_EQ(Substitute("$TAG1$$TAG1$"), "<$TAG1$><$TAG1$>");
}

TEST_F(TagEngineTest, DrawingPathHoldingTagsFeedsOnlyLaterSteps) {
  settings.TAG[0] = "one";
  EXPECT_EQ(Substitute("$FILENAME$", 1, "C:\\x\\$USER$-$TAG1$.dwg"), "$USER$-one");
}

TEST_F(TagEngineTest, ReplacementCanJoinPiecesIntoALaterTag) {
  settings.TAG[0] = "";
  settings.TAG[1] = "two";
  EXPECT_EQ(Substitute("$TA$TAG1$G2$"), "two");
}

TEST_F(TagEngineTest, ProjectValueHoldingADynamicTagIsReplacedInTheUserScript) {
  AddDataFile("PTAGMAN.DAT", "JOB.PRJ\r\n");
  AddDataFile("JOB.PRJ", "\r\nSheet $FILENAME$\r\n");
  const std::string script = SubstituteProjectTAGS(sources, "$PROJECTTAG1$", 1, kDrawing);
  EXPECT_EQ(Substitute(script), "Sheet A12-101");

  settings.TAG[0] = "$PROJECTTAG1$";
  EXPECT_EQ(SpSubstituteProjectTAGS(sources, "$TAG1$", 1, kDrawing), "$PROJECTTAG1$");
}

}  // namespace
}  // namespace tags
