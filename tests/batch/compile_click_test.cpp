// "&Create Batch Script" pressed by the user, through the real handler over the fakes.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "batch/build.h"
#include "batch/syntax_check.h"
#include "build_fixture.h"
#include "core/settings_model.h"

namespace test {
namespace {

class CompileClickTest : public BuildFixture {};

TEST_F(CompileClickTest, WorkedExampleWritesTheGoldenScript) {
  WorkedExampleQueue();
  ExpectNotice([this](batch::frmScrComplete& notice) {
    EXPECT_EQ(notice.lblOutputPathAndFile.Caption(), kOutput);
    EXPECT_TRUE(notice.Text1.Visible());
    EXPECT_FALSE(fileSystem.IsOpen(kOutput));
  });
  ClickCreate();

  EXPECT_EQ(Written(), ReadGolden("worked_example"));
  EXPECT_EQ(Main().settings.StopBatch, core::kFalse);
  EXPECT_EQ(Main().lblUpdate.Caption(), "Ready");
  EXPECT_EQ(Main().settings.TotalFilesProcessed, 2.0);
  EXPECT_EQ(Main().lblFilesProcessed.Caption(), "Processed = 2");
  EXPECT_FALSE(Main().cmdRemoveDwg.Enabled());
  EXPECT_FALSE(Main().mnuCopySelectedtoClip.Enabled());
  EXPECT_TRUE(Main().settings.Queue.empty());
  EXPECT_EQ(ctx.ScreenPointer(), ui::Pointer::kDefault);
  EXPECT_EQ(Main().WindowState(), ui::WindowState::kNormal);
}

TEST_F(CompileClickTest, ProgressShowsEachDrawingsShareOfTheQueue) {
  Main().settings.VerifyFilesBit = 0;
  Main().settings.ShowSCRComplete = 0;
  QueueAndScript({"C:\\DWG\\1.dwg", "C:\\DWG\\2.dwg", "C:\\DWG\\3.dwg"}, "REGEN");
  std::vector<std::string> seen;
  for (int pump = 1; pump <= 3; ++pump) AtPump(pump, [&] { seen.push_back(Main().lblUpdate.Caption()); });
  ClickCreate();
  EXPECT_EQ(seen, (std::vector<std::string>{"Progress = 33%", "Progress = 67%", "Progress = 100%"}));
}

TEST(ProgressLabelTest, RoundsTheShareToWholePercentHalvesToEven) {
  struct Case {
    int position;
    int count;
    const char* text;
  };
  for (const Case& c : {Case{4, 8, "Progress = 50%"}, Case{1, 8, "Progress = 12%"}, Case{3, 8, "Progress = 38%"},
                        Case{1, 3, "Progress = 33%"}, Case{2, 3, "Progress = 67%"}, Case{1, 1, "Progress = 100%"}}) {
    EXPECT_EQ(batch::ProgressLabel(c.position, c.count), c.text) << c.position << " of " << c.count;
  }
}

// Boxes changed while the build lets events run reach the drawings written after it.
TEST_F(CompileClickTest, EachDrawingReadsTheBoxesAfresh) {
  Main().settings.VerifyFilesBit = 0;
  Main().settings.ShowSCRComplete = 0;
  WorkedExampleQueue();
  AtPump(2, [&] { Main().Text1.SetText("PURGE"); });
  ClickCreate();
  const std::string script = Written();
  EXPECT_NE(script.find("REGEN\r\n_QSAVE\r\n_OPEN\r\n\"C:\\DWG\\B.dwg\""), std::string::npos) << script;
  EXPECT_NE(script.find("PURGE\r\n_QSAVE\r\n_SDI 0\r\n"), std::string::npos) << script;
}

// The tag values a build keeps from one drawing to the next are checked again once events
// have run.
TEST_F(CompileClickTest, ATagValueChangedWhileTheBuildRunsReachesTheDrawingsAfter) {
  Main().settings.VerifyFilesBit = 0;
  Main().settings.ShowSCRComplete = 0;
  QueueAndScript({"C:\\DWG\\1.dwg", "C:\\DWG\\2.dwg", "C:\\DWG\\3.dwg"}, "; $TAG1$ $FILENAME$");
  Main().settings.TAG[0] = "OLD";
  AtPump(2, [&] { Main().settings.TAG[0] = "NEW"; });
  ClickCreate();
  const std::string script = Written();
  for (const char* line : {"; OLD 1\r\n", "; NEW 2\r\n", "; NEW 3\r\n"}) {
    EXPECT_NE(script.find(line), std::string::npos) << line << script;
  }
}

TEST_F(CompileClickTest, TestRunLeavesTheProcessedCountAlone) {
  Main().settings.ShowSCRComplete = 0;
  Main().chkTestRun.SetValue(1);
  WorkedExampleQueue();
  ClickCreate();
  EXPECT_EQ(Main().settings.TotalFilesProcessed, 0.0);
  EXPECT_EQ(Main().lblFilesProcessed.Caption(), "Processed = 0");
}

TEST_F(CompileClickTest, CancelledVerificationWritesNothingAndSaysNothing) {
  fileSystem.AddFile(kOutput, "old script\r\n");
  QueueAndScript({kA}, "REGEN");
  Main().List1.AddItem("C:\\DWG\\Gone.dwg");
  OnModal<batch::frmFileErrorReport>([this](batch::frmFileErrorReport& report) { user.Click(report.cmdCancel); });
  ClickCreate();
  EXPECT_EQ(Written(), "old script\r\n");
  EXPECT_EQ(Main().settings.StopBatch, core::kTrue);
  EXPECT_EQ(Main().List1.ListCount(), 2);
}

TEST_F(CompileClickTest, NightRunSkipsTheChecksAndEndsCleared) {
  Main().settings.ShowSCRComplete = 0;
  QueueAndScript({kA}, "REGEN  \r\n");  // a double space and a blank line: warnings by hand
  Main().List1.AddItem("C:\\DWG\\Gone.dwg");
  Main().settings.InNightRun = core::kTrue;
  AsEvent([this] { Main().Command1_Compile_Click(); });
  EXPECT_EQ(Main().settings.InNightRun, core::kFalse);
  EXPECT_NE(Written().find("\"C:\\DWG\\Gone.dwg\""), std::string::npos);
  EXPECT_TRUE(backend.Messages().empty());
}

TEST_F(CompileClickTest, AfterTheBuildTheWindowMinimisesWhenAsked) {
  Main().settings.ShowSCRComplete = 0;
  Main().settings.AutoMinimize = 1;
  WorkedExampleQueue();
  ClickCreate();
  EXPECT_EQ(Main().WindowState(), ui::WindowState::kMinimized);
}

TEST_F(CompileClickTest, NoNoticeWhileTheOptionsDialogIsOpen) {
  WorkedExampleQueue();
  Options().Show(ui::ShowMode::kModeless);
  ClickCreate();
  EXPECT_EQ(Written(), ReadGolden("worked_example"));
  EXPECT_TRUE(backend.ModalForms().empty());
}

// A second press of either button while the build lets events run between drawings is
// refused: the first build writes its whole script once and shows its notice once.
TEST_F(CompileClickTest, ABuildRequestedDuringABuildIsRefused) {
  Main().settings.VerifyFilesBit = 0;
  WorkedExampleQueue();
  AtPump(1, [&] {
    ClickCreate();
    ClickRun();
  });
  Options().tbAutoCadEXE.SetText("C:\\ACAD\\acad.exe");
  fileSystem.AddFile("C:\\ACAD\\acad.exe", "MZ");
  ExpectNotice();
  ClickCreate();
  EXPECT_EQ(Written(), ReadGolden("worked_example"));
  EXPECT_EQ(backend.ModalForms(), (std::vector<std::string>{"frmScrComplete"}));
  EXPECT_TRUE(shell.executeCalls.empty());
  EXPECT_TRUE(shell.processCalls.empty());
  EXPECT_EQ(Main().settings.StopBatch, core::kFalse);
}

// Each command that starts long work on the queue, chosen while the build lets events run
// between its drawings, is refused without a word: the build writes its whole script once,
// and no check, message, window, report or editor comes (any would fail the test). Chosen
// after the build, the same command runs.
TEST_F(CompileClickTest, LongQueueCommandsChosenDuringABuildAreRefused) {
  const struct {
    const char* what;
    std::function<void()> choose;
  } cases[] = {
      {"Tools > File Renamer", [this] { user.ChooseMenu(Main().mnuRenamer); }},
      {"Ctrl+R", [this] { user.PressShortcut(Main(), ui::Shortcut::Ctrl('R')); }},
      {"Queue > Report DWG files AutoCAD Version", [this] { user.ChooseMenu(Main().mnuReportDWGVersion); }},
      {"Queue > Verify Files", [this] { user.ChooseMenu(Main().mnuVerifyFilesInQueue); }},
      {"Queue > Remove Duplicates", [this] { user.ChooseMenu(Main().mnuRemoveDuplicates); }},
      {"Queue > Sort > Ascending", [this] { user.ChooseMenu(Main().mnuAscending2); }},
  };
  const std::string report = std::string(kProgramFolder) + "\\DATA\\" + *system.userName + "-DWGVersion.csv";
  const auto queue = [this] {
    std::vector<std::string> entries;
    for (int i = 0; i < Main().List1.ListCount(); ++i) entries.push_back(Main().List1.List(i));
    return entries;
  };
  Main().settings.VerifyFilesBit = 0;
  Main().settings.ShowSCRComplete = 0;
  // Out of order, so that a sort would show; the script of a build left alone is the measure.
  QueueAndScript({kB, kA}, "REGEN");
  Main().UpdateQueueControls();
  ClickCreate();
  const std::string alone = Written();
  ASSERT_LT(alone.find("B.dwg"), alone.find("A.dwg"));
  for (const auto& c : cases) {
    fileSystem.DeleteFile(kOutput);
    AtPump(1, c.choose);
    ClickCreate();
    EXPECT_EQ(Written(), alone) << c.what;
    EXPECT_EQ(queue(), (std::vector<std::string>{kB, kA})) << c.what;
    EXPECT_FALSE(fileSystem.Exists(report)) << c.what;
    EXPECT_TRUE(backend.ModalForms().empty()) << c.what;
    EXPECT_TRUE(shell.executeCalls.empty()) << c.what;
    EXPECT_EQ(Main().lblUpdate.Caption(), "Ready") << c.what;
  }
  user.ChooseMenu(Main().mnuReportDWGVersion);
  EXPECT_TRUE(fileSystem.Exists(report));
}

TEST_F(CompileClickTest, TheLogRecordListsTheQueueOfTheBuild) {
  Main().settings.ShowSCRComplete = 0;
  Main().settings.EnableLogging = 1;
  WorkedExampleQueue();
  ClickCreate();
  const std::string log = fileSystem.Contents(std::string(kProgramFolder) + "\\DATA\\tornavane.log");
  EXPECT_NE(log.find("\r\nC:\\DWG\\A.dwg\r\nC:\\DWG\\B.dwg\r\n"), std::string::npos) << log;
  EXPECT_TRUE(Main().settings.Queue.empty());
  EXPECT_EQ(Written(), ReadGolden("worked_example"));
}

// The syntax warnings come first, and never stop the build; Simple Mode skips them.
TEST_F(CompileClickTest, SyntaxWarningsComeBeforeTheBuild) {
  Main().settings.ShowSCRComplete = 0;
  QueueAndScript({kA}, "ZOOM  E");
  batch::SyntaxCheckInput input;
  input.userScript = "ZOOM  E";
  input.preBatch = Main().tbPreBatch.Text();
  input.preUserScript = Main().tbPreUserScript.Text();
  input.postBatch = Main().tbPostBatch.Text();
  input.WarnDoubleSpace = 1;
  input.WarnBlankLine = 1;
  input.WarnLineEndsWithSpace = 1;
  input.WarnSpaceInBlank = 1;
  input.WarnLTLisp = 1;
  const std::vector<ui::MessageBoxSpec> warnings = batch::SyntaxWarnings(input);
  ASSERT_FALSE(warnings.empty());
  for (const ui::MessageBoxSpec& warning : warnings) ExpectMessage(warning.title, warning.text);
  AtPump(1, [&] { EXPECT_EQ(backend.Messages().size(), warnings.size()); });
  ClickCreate();
  EXPECT_NE(Written().find("ZOOM  E"), std::string::npos);
}

TEST_F(CompileClickTest, SimpleModeSkipsTheSyntaxWarnings) {
  Main().settings.ShowSCRComplete = 0;
  Main().settings.SimpleMode = 2;  // not the reloading kind, so the box keeps its script
  QueueAndScript({kA}, "ZOOM  E");
  ClickCreate();
  EXPECT_TRUE(backend.Messages().empty());
  EXPECT_EQ(Main().settings.StopBatch, core::kFalse);
}

TEST_F(CompileClickTest, AnEmptyQueueWritesTheFrameOnly) {
  Main().settings.ShowSCRComplete = 0;
  Main().Text1.SetText("REGEN");
  AsEvent([this] { Main().Command1_Compile_Click(); });
  EXPECT_EQ(Written(), ReadGolden("empty_queue"));
  EXPECT_EQ(Main().lblUpdate.Caption(), "Ready");
  EXPECT_EQ(Main().settings.TotalFilesProcessed, 0.0);
}

}  // namespace
}  // namespace test
