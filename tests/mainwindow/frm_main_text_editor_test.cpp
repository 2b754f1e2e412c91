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

struct EditorCase {
  const char* editor;
  FakeShell::ExecuteCall call;
};

TEST_F(TextEditor, ViewBatchScriptStartsTheEditorWithTheUnquotedPath) {
  fileSystem.AddFolder("C:\\Tools");
  fileSystem.AddFile("C:\\Tools\\ed.exe", "MZ");
  const EditorCase cases[] = {
      {"notepad.exe", {0, "", "notepad.exe", kScript, fileSystem.CurrentFolder(), 1}},
      {"C:\\Tools\\ed.exe -n", {0, "", "C:\\Tools\\ed.exe", "-n " + kScript, "C:\\Tools", 1}},
  };
  mainwindow::frmMain& main = Main();
  main.SCROutputPath = kScript;
  for (const EditorCase& c : cases) {
    SCOPED_TRACE(c.editor);
    shell.executeCalls.clear();
    main.TextEditor = c.editor;
    main.ViewBatchScript();
    EXPECT_EQ(shell.executeCalls, std::vector<FakeShell::ExecuteCall>{c.call});
    EXPECT_TRUE(shell.processCalls.empty());
  }
}

TEST_F(TextEditor, AnEditorThatIsNotThereIsReportedByTheLaunch) {
  mainwindow::frmMain& main = Main();
  main.SCROutputPath = kScript;
  main.TextEditor = "C:\\Tools\\none.exe";
  ExpectMessage("Oops",
                " C:\\TOOLS\\NONE.EXE C:\\PROGRAM FILES\\TORNAVANE\\TORNAVANE.SCR string is incorrect...\r"
                " Please check your settings (under the 'Tools -> Options' menu) or contact " +
                    std::string(core::kSupportEmail) + ".");
  main.ViewBatchScript();
  ASSERT_EQ(shell.processCalls.size(), 1u);
  EXPECT_EQ(shell.processCalls[0].commandLine, "C:\\Tools\\none.exe " + kScript);
}

TEST_F(TextEditor, WithoutAnEditorTheUserIsSentToTheOptions) {
  mainwindow::frmMain& main = Main();
  main.SCROutputPath = kScript;
  main.TextEditor = "";
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
