// The checks of the written batch script: folders it names that do not exist, and project
// tags left unreplaced.

#include "batch/build_checks.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>

#include "build_fixture.h"
#include "core/settings_model.h"

namespace test {
namespace {

constexpr const char* kFolderQuestionEnd = "\r\nWould you like to create them ALL?";
constexpr const char* kFolderQuestionStart =
    "There ONE OR MORE directories referenced in your output script, that do not exist.\r\n"
    "(This is the FIRST one found)\r\n";
constexpr const char* kNotCreated =
    "Directory could not be created.\r\n(Possibly due to bad characters)...\r\n\r\n"
    "Please do not use reserved characters such as\r\n/ : * ? \" < > |";

class ScriptFolderCheckTest : public BuildFixture {
 protected:
  ScriptFolderCheckTest() {
    Main().settings.ShowSCRComplete = 0;
    Main().settings.WarnFoldersNotExist = 1;
  }
  void ExpectQuestion(const std::string& folder, ui::MsgAnswer answer) {
    ExpectMessage("Tornavane Directory Scan", kFolderQuestionStart + folder + kFolderQuestionEnd)
        .Buttons(ui::MsgButtons::kYesNo)
        .Icon(ui::MsgIcon::kExclamation)
        .Answer(answer);
  }
};

TEST_F(ScriptFolderCheckTest, YesCreatesEveryMissingFolder) {
  QueueAndScript({kA}, "-INSERT C:\\Blocks\\Title\\tb.dwg\r\n-INSERT C:\\Blocks\\Notes\\n.dwg");
  ExpectQuestion("C:\\Blocks\\Title\\", ui::MsgAnswer::kYes);
  ClickCreate();
  EXPECT_EQ(Main().settings.BadFolderFound, core::kTrue);
  EXPECT_TRUE(fileSystem.Exists("C:\\Blocks\\Title"));
  EXPECT_TRUE(fileSystem.Exists("C:\\Blocks\\Notes"));
  EXPECT_EQ(Main().lblUpdate.Caption(), "Ready");
}

TEST_F(ScriptFolderCheckTest, NoCreatesNothingAndTheBuildGoesOn) {
  QueueAndScript({kA}, "-INSERT C:\\Blocks\\Title\\tb.dwg");
  ExpectQuestion("C:\\Blocks\\Title\\", ui::MsgAnswer::kNo);
  ExpectNotice();
  Main().settings.ShowSCRComplete = 1;
  ClickCreate();
  EXPECT_FALSE(fileSystem.Exists("C:\\Blocks"));
  EXPECT_EQ(Main().settings.StopBatch, core::kFalse);
}

TEST_F(ScriptFolderCheckTest, AFolderThatCannotBeMadeIsReportedAndTheRestAreMade) {
  QueueAndScript({kA}, "-INSERT Q:\\Blocks\\tb.dwg\r\n-INSERT C:\\Made\\x.dwg");
  ExpectQuestion("Q:\\Blocks\\", ui::MsgAnswer::kYes);
  ExpectMessage("Error", kNotCreated).Icon(ui::MsgIcon::kCritical);
  ClickCreate();
  EXPECT_TRUE(fileSystem.Exists("C:\\Made"));
}

// Lines whose folder part cannot be taken (the colon first, or after the last backslash) are
// not tested; existing folders and lines without a drive path raise no question.
TEST_F(ScriptFolderCheckTest, LinesWithoutAFolderPartAreSkipped) {
  QueueAndScript({kA}, ":\\Odd\\x.dwg\r\nC\\Odd:\r\nREGEN");
  ClickCreate();
  EXPECT_EQ(Main().settings.BadFolderFound, core::kFalse);
  EXPECT_TRUE(backend.Messages().empty());
}

TEST_F(ScriptFolderCheckTest, SwitchedOffAsksNothing) {
  Main().settings.WarnFoldersNotExist = 0;
  Main().settings.BadFolderFound = core::kTrue;
  QueueAndScript({kA}, "-INSERT C:\\Blocks\\Title\\tb.dwg");
  ClickCreate();
  EXPECT_TRUE(backend.Messages().empty());
  EXPECT_FALSE(fileSystem.Exists("C:\\Blocks"));
}

class ProjectTagCheckTest : public BuildFixture {
 protected:
  ProjectTagCheckTest() { Main().settings.ShowSCRComplete = 0; }
  void ExpectWarning(std::int64_t line) {
    ExpectMessage("Warning",
                  "The output script contains Project Tags that were not substituted.\r\n"
                  "The first occurence is on line " +
                      std::to_string(line) + " of the output file")
        .Icon(ui::MsgIcon::kCritical);
  }
};

TEST_F(ProjectTagCheckTest, NamesTheFirstLineLeftWithAProjectTag) {
  QueueAndScript({kA}, "TITLE $PROJECTTAG3$");
  ExpectWarning(12);
  ClickCreate();
}

TEST_F(ProjectTagCheckTest, FindsATagInThePreBatchTextInAnyLetterCase) {
  Main().tbPreBatch.SetText("; $projectTag1$");
  QueueAndScript({kA}, "TITLE $PROJECTTAG3$");
  ExpectWarning(5);
  ClickCreate();
}

TEST_F(ProjectTagCheckTest, CountsLinesPastSixteenBits) {
  std::string preBatch;
  for (int i = 0; i < 40000; ++i) preBatch += "REGEN\r\n";
  preBatch.resize(preBatch.size() - 2);
  Main().tbPreBatch.SetText(preBatch);
  Main().tbPostBatch.SetText("$PROJECTTAG1$");
  QueueAndScript({kA}, "REGEN");
  ExpectWarning(40013);
  ClickCreate();
  EXPECT_EQ(Main().settings.StopBatch, core::kFalse);
  EXPECT_EQ(Main().lblUpdate.Caption(), "Ready");
}

TEST_F(ProjectTagCheckTest, SwitchedOffWarnsNothing) {
  Main().settings.ScanForRogueTags = 0;
  QueueAndScript({kA}, "TITLE $PROJECTTAG3$");
  ClickCreate();
  EXPECT_TRUE(backend.Messages().empty());
}

TEST(FirstUnreplacedProjectTagLineTest, MatchesDollarProjectTagThenADollar) {
  struct Case {
    const char* script;
    std::optional<std::int64_t> line;
  };
  const Case cases[] = {
      {"", std::nullopt},
      {"$PROJECTTAG1", std::nullopt},
      {"$ before $PROJECTTAG1", std::nullopt},
      {"$PROJECTTAG\r\n$", std::nullopt},
      {"$PROJECTTAG1$", 1},
      {"$PROJECTTAG$", 1},
      {"a\r\nb $projecttag7$ c\r\n$PROJECTTAG1$", 2},
      {"a\rb\nc $PROJECTTAG40 x $", 3},
  };
  for (const Case& c : cases) EXPECT_EQ(batch::FirstUnreplacedProjectTagLine(c.script), c.line) << c.script;
}

}  // namespace
}  // namespace test
