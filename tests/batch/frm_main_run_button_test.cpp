// "Create && &RUN Batch Script": the build, then AutoCAD started on the script, over the
// recording shell.

#include "batch/frm_main_run_button.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "build_fixture.h"
#include "core/settings_model.h"
#include "ui/busy_guard.h"

namespace test {
namespace {

constexpr const char* kAcad = "C:\\ACAD\\acad.exe";
constexpr const char* kSetupText =
    "You don't have a valid AutoCAD Executable specified...\r\n\r\nPlease select it now, and then press 'CREATE' "
    "again...";

class RunButtonTest : public BuildFixture {
 protected:
  RunButtonTest() { Main().settings.ShowSCRComplete = 0; }

  void SetProgram(const std::string& program, const std::string& switches = "") {
    Options().tbAutoCadEXE.SetText(program);
    Options().tbSwitches.SetText(switches);
  }
  void ExpectSetupIssue() {
    ExpectMessage("Setup Issue", kSetupText).Buttons(ui::MsgButtons::kOk).Icon(ui::MsgIcon::kNone);
  }
  bool Started() const { return !shell.executeCalls.empty() || !shell.processCalls.empty(); }
};

struct CommandLineCase {
  std::string name;
  std::string program;
  std::string switches;
  std::string script;
  std::string commandLine;
  std::string parameters;
  std::string folder;
};

class RunCommandLineTest : public RunButtonTest, public ::testing::WithParamInterface<CommandLineCase> {};

// The shell is made to refuse, so the direct start shows the whole command line as given.
TEST_P(RunCommandLineTest, StartsAutoCADOnTheScriptWithoutWaiting) {
  const CommandLineCase& c = GetParam();
  fileSystem.AddFile(c.program, "MZ");
  fileSystem.AddFolder(c.script.substr(0, c.script.rfind('\\')));
  Main().settings.SCROutputPath = c.script;
  SetProgram(c.program, c.switches);
  shell.executeResult = 0;
  WorkedExampleQueue();
  ClickRun();

  ASSERT_EQ(shell.executeCalls.size(), 1u);
  EXPECT_EQ(shell.executeCalls[0].file, c.program);
  EXPECT_EQ(shell.executeCalls[0].parameters, c.parameters);
  EXPECT_EQ(shell.executeCalls[0].folder, c.folder);
  EXPECT_EQ(shell.executeCalls[0].showCommand, 1);
  ASSERT_EQ(shell.processCalls.size(), 1u);
  EXPECT_EQ(shell.processCalls[0].commandLine, c.commandLine);
  EXPECT_EQ(shell.processCalls[0].showCommand, 1);
  EXPECT_EQ(fileSystem.Contents(c.script), ReadGolden("worked_example"));
}

INSTANTIATE_TEST_SUITE_P(
    CommandLines, RunCommandLineTest,
    ::testing::Values(CommandLineCase{"NoSwitches", kAcad, "", "C:\\ACAD\\SUPPORT\\tornavane.scr",
                                      "\"C:\\ACAD\\acad.exe\" /b \"C:\\ACAD\\SUPPORT\\tornavane.scr\"",
                                      "/b \"C:\\ACAD\\SUPPORT\\tornavane.scr\"", "C:\\ACAD"},
                      CommandLineCase{"ProfileSwitch", kAcad, "/p \"My Profile\"", "C:\\Support\\tornavane.scr",
                                      "\"C:\\ACAD\\acad.exe\" /p \"My Profile\" /b \"C:\\Support\\tornavane.scr\"",
                                      "/p \"My Profile\" /b \"C:\\Support\\tornavane.scr\"", "C:\\ACAD"},
                      CommandLineCase{
                          "BlanksEverywhere", "C:\\Program Files\\Autodesk\\AutoCAD 2020\\acad.exe", " /nologo ",
                          "C:\\Program Files\\Autodesk\\AutoCAD 2020\\Support\\tornavane.scr",
                          "\"C:\\Program Files\\Autodesk\\AutoCAD 2020\\acad.exe\"  /nologo  /b \"C:\\Program "
                          "Files\\Autodesk\\AutoCAD 2020\\Support\\tornavane.scr\"",
                          "/nologo  /b \"C:\\Program Files\\Autodesk\\AutoCAD 2020\\Support\\tornavane.scr\"",
                          "C:\\Program Files\\Autodesk\\AutoCAD 2020"}),
    [](const ::testing::TestParamInfo<CommandLineCase>& tested) { return tested.param.name; });

TEST(AutoCADCommandLineTest, JoinsTheParts) {
  EXPECT_EQ(batch::AutoCADCommandLine("a.exe", "", "s.scr"), "\"a.exe\" /b \"s.scr\"");
  EXPECT_EQ(batch::AutoCADCommandLine("a.exe", " ", "s.scr"), "\"a.exe\"   /b \"s.scr\"");
}

TEST(AutoCADProgramToFindTest, UpperCaseFolderAndBaseNameWithExe) {
  struct Case {
    const char* program;
    const char* folder;
    const char* name;
  };
  for (const Case& c :
       {Case{"C:\\Acad\\acad.exe", "C:\\ACAD\\", "ACAD.EXE"}, Case{"C:\\ACAD\\acad.com", "C:\\ACAD\\", "ACAD.EXE"},
        Case{"acad.exe", "", "ACAD.EXE"}, Case{"C:\\ACAD\\", "C:\\ACAD\\", ".EXE"}}) {
    const batch::ProgramToFind found = batch::AutoCADProgramToFind(c.program);
    EXPECT_EQ(found.folder, c.folder) << c.program;
    EXPECT_EQ(found.name, c.name) << c.program;
  }
}

TEST_F(RunButtonTest, NoProgramSetBuildsNothing) {
  WorkedExampleQueue();
  ExpectSetupIssue();
  ClickRun();
  EXPECT_FALSE(fileSystem.Exists(kOutput));
  EXPECT_TRUE(Options().Visible());
  EXPECT_FALSE(Started());
}

TEST_F(RunButtonTest, ProgramWithoutItsExeIsASetupIssueAfterTheBuild) {
  fileSystem.AddFile("C:\\ACAD\\acad.com", "MZ");
  SetProgram("C:\\ACAD\\acad.com");
  WorkedExampleQueue();
  ExpectSetupIssue();
  ClickRun();
  EXPECT_EQ(Written(), ReadGolden("worked_example"));
  EXPECT_TRUE(Options().Visible());
  EXPECT_FALSE(Started());
}

TEST_F(RunButtonTest, BareProgramNameIsLookedForInTheCurrentFolder) {
  fileSystem.AddFile("C:\\ACAD\\ACAD.EXE", "MZ");
  SetProgram("acad.exe");
  WorkedExampleQueue();

  fileSystem.SetCurrentFolder("C:\\Support");
  ExpectSetupIssue();
  ClickRun();
  EXPECT_FALSE(Started());

  fileSystem.SetCurrentFolder("C:\\ACAD");
  Options().Hide();
  ClickRun();
  ASSERT_EQ(shell.executeCalls.size(), 1u);
  EXPECT_EQ(shell.executeCalls[0].file, "acad.exe");
}

TEST_F(RunButtonTest, LockedOutputStartsNothingAndAddsNoMessage) {
  fileSystem.AddFile(kAcad, "MZ");
  SetProgram(kAcad);
  fileSystem.AddFile(kOutput, "old");
  auto held = fileSystem.HoldOpen(kOutput);
  WorkedExampleQueue();
  ExpectMessage("Tornavane Alert",
                "The Output Script file is Read-Only.\rPlease wait for AutoCAD to finish using the Script,\r"
                "before you try overwriting it with anoth another.");
  ClickRun();
  EXPECT_FALSE(Started());
  EXPECT_EQ(backend.Messages().size(), 1u);
}

TEST_F(RunButtonTest, CancelledVerificationStartsNothing) {
  fileSystem.AddFile(kAcad, "MZ");
  SetProgram(kAcad);
  QueueAndScript({kA}, "REGEN");
  Main().List1.AddItem("C:\\DWG\\Gone.dwg");
  OnModal<batch::frmFileErrorReport>([this](batch::frmFileErrorReport& report) { user.Click(report.cmdCancel); });
  ClickRun();
  EXPECT_FALSE(Started());
  EXPECT_FALSE(fileSystem.Exists(kOutput));
  EXPECT_TRUE(backend.Messages().empty());
}

TEST_F(RunButtonTest, StartsAutoCADOnTheFileItWroteWhenThePathChangesMeanwhile) {
  fileSystem.AddFile(kAcad, "MZ");
  SetProgram(kAcad);
  Main().settings.VerifyFilesBit = 0;
  WorkedExampleQueue();
  AtPump(1, [&] { Main().settings.SCROutputPath = "C:\\Elsewhere\\other.scr"; });
  ClickRun();
  ASSERT_EQ(shell.executeCalls.size(), 1u);
  EXPECT_EQ(shell.executeCalls[0].parameters, "/b \"C:\\Support\\tornavane.scr\"");
  EXPECT_EQ(Written(), ReadGolden("worked_example"));
}

TEST_F(RunButtonTest, NightRunPressSkipsTheChecksAndClearsTheFlag) {
  fileSystem.AddFile(kAcad, "MZ");
  SetProgram(kAcad);
  QueueAndScript({kA}, "REGEN  \r\n");
  Main().List1.AddItem("C:\\DWG\\Gone.dwg");
  Main().settings.InNightRun = core::kTrue;
  AsEvent([this] { Main().cmdCreateAndRun.SetValue(true); });
  EXPECT_EQ(Main().settings.InNightRun, core::kFalse);
  EXPECT_EQ(shell.executeCalls.size(), 1u);
  EXPECT_TRUE(backend.Messages().empty());
}

TEST_F(RunButtonTest, NightRunPressWithoutAProgramClearsTheFlag) {
  WorkedExampleQueue();
  Main().settings.InNightRun = core::kTrue;
  ExpectSetupIssue();
  AsEvent([this] { Main().cmdCreateAndRun.SetValue(true); });
  EXPECT_EQ(Main().settings.InNightRun, core::kFalse);
}

// A night run firing while another long operation runs is refused: nothing is built or
// started, and its flag does not linger into the next build by hand.
TEST_F(RunButtonTest, PressWhileBusyIsRefused) {
  fileSystem.AddFile(kAcad, "MZ");
  SetProgram(kAcad);
  WorkedExampleQueue();
  {
    ui::BusyGuard otherOperation(ctx);
    Main().settings.InNightRun = core::kTrue;
    AsEvent([this] { Main().cmdCreateAndRun.SetValue(true); });
  }
  EXPECT_EQ(Main().settings.InNightRun, core::kFalse);
  EXPECT_FALSE(fileSystem.Exists(kOutput));
  EXPECT_FALSE(Started());
}

}  // namespace
}  // namespace test
