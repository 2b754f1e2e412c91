#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/app_title.h"
#include "mainwindow/main_window_fixture.h"
#include "options/frm_options.h"

namespace {

using platform::fake::FakeShell;

const std::string kScript = "C:\\Program Files\\Tornavane\\tornavane.scr";

class TextEditor : public test::MainWindowFixture {};

// A path holding a blank reaches the editor as one argument in double quotes; one without
// goes as it is.
TEST_F(TextEditor, TheEditorGetsThePathAsOneArgument) {
  fileSystem.AddFolder("C:\\Tools");
  fileSystem.AddFile("C:\\Tools\\ed.exe", "MZ");
  const std::string quoted = "\"" + kScript + "\"";
  struct Case {
    const char* editor;
    std::string path;
    FakeShell::ExecuteCall call;
  };
  const Case cases[] = {
      {"notepad.exe", kScript, {0, "", "notepad.exe", quoted, fileSystem.CurrentFolder(), 1}},
      {"C:\\Tools\\ed.exe -n", kScript, {0, "", "C:\\Tools\\ed.exe", "-n " + quoted, "C:\\Tools", 1}},
      {"C:\\Tools\\ed.exe",
       "C:\\Alt Out\\run me.scr",
       {0, "", "C:\\Tools\\ed.exe", "\"C:\\Alt Out\\run me.scr\"", "C:\\Tools", 1}},
      {"C:\\Tools\\ed.exe",
       "C:\\Out\\tornavane.scr",
       {0, "", "C:\\Tools\\ed.exe", "C:\\Out\\tornavane.scr", "C:\\Tools", 1}},
  };
  mainwindow::frmMain& main = Main();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    shell.executeCalls.clear();
    main.settings.SCROutputPath = c.path;
    main.settings.TextEditor = c.editor;
    user.ChooseMenu(main.mnuViewBatchScript);
    EXPECT_EQ(shell.executeCalls, std::vector<FakeShell::ExecuteCall>{c.call});
    EXPECT_TRUE(shell.processCalls.empty());
  }
}

TEST_F(TextEditor, AnEditorThatIsNotThereIsReportedByTheLaunch) {
  mainwindow::frmMain& main = Main();
  main.settings.SCROutputPath = kScript;
  main.settings.TextEditor = "C:\\Tools\\none.exe";
  ExpectMessage("Oops",
                " C:\\TOOLS\\NONE.EXE \"C:\\PROGRAM FILES\\TORNAVANE\\TORNAVANE.SCR\" string is incorrect...\r"
                " Please check your settings (under the 'Tools -> Options' menu) or contact " +
                    std::string(core::kSupportEmail) + ".");
  main.ViewBatchScript();
  ASSERT_EQ(shell.processCalls.size(), 1u);
  EXPECT_EQ(shell.processCalls[0].commandLine, "C:\\Tools\\none.exe \"" + kScript + "\"");
}

TEST_F(TextEditor, WithoutAnEditorTheUserIsSentToTheOptions) {
  mainwindow::frmMain& main = Main();
  main.settings.SCROutputPath = kScript;
  main.settings.TextEditor = "";
  ExpectMessage("Tornavane", "Please select menu 'Tools -> Options' and setup a text editor")
      .Buttons(ui::MsgButtons::kOk)
      .Icon(ui::MsgIcon::kNone);
  main.ViewBatchScript();
  EXPECT_TRUE(shell.executeCalls.empty());
  EXPECT_TRUE(shell.processCalls.empty());
  options::frmOptions& options = app.frmOptions();
  EXPECT_TRUE(options.Visible());
  EXPECT_FALSE(options.IsModal());
  EXPECT_EQ(options.Owner(), nullptr);
}

}  // namespace
