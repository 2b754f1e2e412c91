// The reset of AutoCAD's system variables over the recording shell.
#include <gtest/gtest.h>

#include <string>

#include "batch/frm_scr_complete.h"
#include "options/frm_options.h"
#include "wizard_fixture.h"
#include "wizards/frm_reset_acad_sys_vars.h"

namespace test {
namespace {

using wizards::frmResetAcadSysVars;

constexpr const char* kSetupText =
    "You don't have a valid AutoCAD Executable specified...\r\n\r\nPlease select it now, and then press 'CREATE' "
    "again...";

TEST(ResetCommandLineTest, QuotesTheProgramAndTheResetScript) {
  EXPECT_EQ(wizards::ResetCommandLine("C:\\Acad\\acad.exe", "C:\\Tv"),
            "\"C:\\Acad\\acad.exe\" /b \"C:\\Tv\\DATA\\reset.scr\"");
  EXPECT_EQ(wizards::ResetEditCommandLine("C:\\Tv"), "NOTEPAD.EXE C:\\Tv\\DATA\\reset.scr");
  EXPECT_EQ(wizards::ResetEditCommandLine("D:\\Cad Tools\\Tv"), "NOTEPAD.EXE \"D:\\Cad Tools\\Tv\\DATA\\reset.scr\"");
}

class ResetTest : public WizardFixture {
 protected:
  void SetProgram(const std::string& program) {
    app.frmOptions().tbAutoCadEXE.SetText(program);
    app.frmOptions().tbSwitches.SetText("/nologo");
  }
  void Open(std::function<void(frmResetAcadSysVars&)> script) {
    WizardFixture::Open<frmResetAcadSysVars>(Main().mnuResetAcadVars, std::move(script));
  }
};

// The shell is made to refuse, so the direct start shows the whole command line as built.
TEST_F(ResetTest, StartsAutoCADOnTheResetScriptWithoutSwitches) {
  fileSystem.AddFile("C:\\Acad\\acad.exe", "MZ");
  SetProgram("C:\\Acad\\acad.exe");
  shell.executeResult = 0;
  Open([&](frmResetAcadSysVars& reset) {
    EXPECT_EQ(reset.Owner(), &Main());
    user.PressKey(reset.cmdReset, ui::kKeyReturn);
    EXPECT_TRUE(reset.Visible());
    user.PressKey(reset.cmdReset, ui::kKeyEscape);
  });
  ASSERT_EQ(shell.executeCalls.size(), 1u);
  EXPECT_EQ(shell.executeCalls[0].file, "C:\\Acad\\acad.exe");
  EXPECT_EQ(shell.executeCalls[0].parameters, "/b \"C:\\Program Files\\Tornavane\\DATA\\reset.scr\"");
  EXPECT_EQ(shell.executeCalls[0].showCommand, 1);
  ASSERT_EQ(shell.processCalls.size(), 1u);
  EXPECT_EQ(shell.processCalls[0].commandLine,
            "\"C:\\Acad\\acad.exe\" /b \"C:\\Program Files\\Tornavane\\DATA\\reset.scr\"");
  EXPECT_FALSE(app.frmResetAcadSysVars().Visible());
}

// No program, a missing one, or one whose last four characters are not its extension: the
// user is told and sets the program in the options, opened over the reset window.
TEST_F(ResetTest, AProgramThatCannotBeFoundSendsTheUserToTheOptions) {
  fileSystem.AddFile("C:\\Acad\\acad.exe", "MZ");
  fileSystem.AddFile("C:\\Acad\\acad", "MZ");
  const std::string notice = app.frmScrComplete().Label3.Caption();
  for (const char* program : {"", "C:\\Acad\\missing.exe", "C:\\Acad\\acad", "C:\\Acad\\acad.e"}) {
    SCOPED_TRACE(program);
    SetProgram(program);
    Open([&](frmResetAcadSysVars& reset) {
      ExpectMessage("Setup Issue", kSetupText).Buttons(ui::MsgButtons::kOk).Icon(ui::MsgIcon::kNone);
      OnModal<options::frmOptions>([&](options::frmOptions& options) {
        EXPECT_EQ(options.Owner(), &reset);
        user.Click(options.Command2);
      });
      user.Click(reset.cmdReset);
      EXPECT_TRUE(reset.Visible());
      user.Click(reset.cmdCancel);
    });
  }
  EXPECT_TRUE(shell.executeCalls.empty());
  EXPECT_TRUE(shell.processCalls.empty());
  // The batch-script notice is not touched: its next showing after a build keeps its texts.
  EXPECT_EQ(app.frmScrComplete().Label3.Caption(), notice);
}

TEST_F(ResetTest, EditOpensTheScriptInNotepadWhateverEditorIsSet) {
  Main().settings.TextEditor = "C:\\Tools\\ed.exe";
  Open([&](frmResetAcadSysVars& reset) {
    user.Click(reset.cmdEdit);
    EXPECT_TRUE(reset.Visible());
    user.Close(reset);
  });
  ASSERT_EQ(shell.executeCalls.size(), 1u);
  EXPECT_EQ(shell.executeCalls[0].file, "NOTEPAD.EXE");
  EXPECT_EQ(shell.executeCalls[0].parameters, "\"C:\\Program Files\\Tornavane\\DATA\\reset.scr\"");
  EXPECT_EQ(shell.executeCalls[0].showCommand, 1);
}

}  // namespace
}  // namespace test
