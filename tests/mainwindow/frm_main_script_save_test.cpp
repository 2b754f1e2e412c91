#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "mainwindow/main_window_fixture.h"
#include "mainwindow/user_script_files.h"
#include "platform/file_system.h"

namespace {

using platform::fake::FakeShell;

const std::string kScripts = "C:\\Program Files\\Tornavane\\SCRIPTS";
const std::string kBadNameText =
    "File names cannot contain the following characters...\r\n\r\n"
    "                       \\  /  :  *  ?  <  >  |  ";

class ScriptSave : public test::MainWindowFixture {
 protected:
  mainwindow::frmMain& Ready(const std::string& script, const std::string& name) {
    fileSystem.AddFolder("C:\\Acad\\Support");
    mainwindow::frmMain& main = Main();
    main.File2.SetPath(kScripts);
    main.settings.SCROutputPath = "C:\\Acad\\Support\\tornavane.scr";
    user.Fill(main.Text1, script);
    user.Fill(main.Text2, name);
    return main;
  }

  std::vector<std::string> Listed(const mainwindow::frmMain& main) {
    std::vector<std::string> names;
    for (int i = 0; i < main.File2.ListCount(); ++i) names.push_back(main.File2.List(i));
    return names;
  }

  static constexpr const char* kCopy = "C:\\ACAD\\SUPPORT\\tornavane-drafter1.scr";
};

TEST_F(ScriptSave, TheCopyGoesToTheUpperCasedFolderOfTheBatchScript) {
  struct Case {
    const char* output;
    const char* user;
    const char* copy;
  };
  const Case cases[] = {
      {"C:\\Acad\\Support\\tornavane.scr", "Kim", "C:\\ACAD\\SUPPORT\\tornavane-Kim.scr"},
      {"\\\\srv\\share\\out.scr", "k.lee", "\\\\SRV\\SHARE\\tornavane-k.lee.scr"},
      {"tornavane.scr", "Kim", "tornavane-Kim.scr"},
  };
  for (const Case& c : cases) EXPECT_EQ(mainwindow::UserScriptCopyPath(c.output, c.user), c.copy) << c.output;
}

TEST_F(ScriptSave, SaveWritesTheTrimmedScriptAndTheCopyAsItStands) {
  struct Case {
    const char* script;
    const char* file;
    const char* copy;
  };
  const Case cases[] = {
      {"abc", "abc\r\n", "abc\r\n"},
      {"  abc  ", "abc\r\n", "  abc  \r\n"},
      {"ZOOM\r\nE\r\n", "ZOOM\r\nE\r\n\r\n", "ZOOM\r\nE\r\n\r\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.script);
    mainwindow::frmMain& main = Ready(c.script, "T1");
    user.Click(main.cmdSAVESCR);
    EXPECT_EQ(fileSystem.Contents(kScripts + "\\T1.scr"), c.file);
    EXPECT_EQ(fileSystem.Contents(kCopy), c.copy);
    EXPECT_EQ(main.settings.SCRChanged, core::kFalse);
    EXPECT_EQ(Listed(main), std::vector<std::string>{"T1.scr"});
  }
}

TEST_F(ScriptSave, ASavedScriptLoadsBackFromTheList) {
  mainwindow::frmMain& main = Ready("ZOOM\r\nE\r\n", "T1");
  user.Click(main.cmdSAVESCR);
  user.Click(main.cmdClearSCREditor);
  user.ClickItem(main.File2, 0);
  EXPECT_EQ(main.Text1.Text(), "ZOOM\r\nE\r\n");
  EXPECT_EQ(main.Text2.Text(), "T1");
}

TEST_F(ScriptSave, ANameThatLeavesTheListFolderIsRefused) {
  for (const char* name : {"a\\b", "..\\x", "a:b", "a*b", "a\"b", "a/b", "a?b", "a<b", "a>b", "a|b", "x..y"}) {
    SCOPED_TRACE(name);
    mainwindow::frmMain& main = Ready("abc", name);
    ExpectMessage("Tornavane Alert", kBadNameText);
    user.Click(main.cmdSAVESCR);
    EXPECT_EQ(main.settings.SCRChanged, core::kTrue);
    EXPECT_FALSE(fileSystem.Exists(kCopy));
    EXPECT_TRUE(Listed(main).empty());
  }
  EXPECT_TRUE(mainwindow::IsValidScriptName("T1"));
  EXPECT_TRUE(mainwindow::IsValidScriptName("Plot A1 v.2"));
}

TEST_F(ScriptSave, AScriptWithoutANameIsKeptUnsavedAndTheNameIsAskedFor) {
  mainwindow::frmMain& main = Ready("abc", "");
  main.scrFilter.SetFocus();
  user.Click(main.cmdSAVESCR);
  EXPECT_EQ(main.settings.SCRChanged, core::kTrue);
  EXPECT_TRUE(main.Text2.HasFocus());
  EXPECT_FALSE(fileSystem.Exists(kCopy));
}

TEST_F(ScriptSave, NoScriptWritesNothingAndLeavesNothingUnsaved) {
  mainwindow::frmMain& main = Ready("", "T1");
  main.settings.SCRChanged = core::kTrue;
  user.Click(main.cmdSAVESCR);
  EXPECT_EQ(main.settings.SCRChanged, core::kFalse);
  EXPECT_FALSE(fileSystem.Exists(kScripts + "\\T1.scr"));
  EXPECT_FALSE(fileSystem.Exists(kCopy));
}

TEST_F(ScriptSave, AListFolderThatHasGoneGetsTheNameMessageAndKeepsTheChanges) {
  mainwindow::frmMain& main = Ready("abc", "T1");
  fileSystem.RemoveFolder(kScripts);
  ExpectMessage("Tornavane Alert", kBadNameText);
  user.Click(main.cmdSAVESCR);
  EXPECT_EQ(main.settings.SCRChanged, core::kTrue);
  EXPECT_FALSE(fileSystem.Exists(kCopy));
}

TEST_F(ScriptSave, ReadOnlySetsAndClearsOnlyTheReadOnlyBit) {
  fileSystem.AddFile(kScripts + "\\Hid.scr", "x\r\n", platform::kAttrHidden | platform::kAttrArchive);
  mainwindow::frmMain& main = Ready("x", "Hid");
  user.Click(main.chkReadOnly);
  EXPECT_EQ(fileSystem.GetAttributes(kScripts + "\\Hid.scr"),
            platform::kAttrHidden | platform::kAttrArchive | platform::kAttrReadOnly);
  EXPECT_FALSE(main.cmdSAVESCR.Enabled());
  EXPECT_FALSE(main.cmdDeleteSCR.Enabled());
  user.Click(main.chkReadOnly);
  EXPECT_EQ(fileSystem.GetAttributes(kScripts + "\\Hid.scr"), platform::kAttrHidden | platform::kAttrArchive);
  EXPECT_TRUE(main.cmdSAVESCR.Enabled());
  EXPECT_TRUE(main.cmdDeleteSCR.Enabled());
}

TEST_F(ScriptSave, DeleteRemovesTheSelectedScriptAfterAQuestion) {
  fileSystem.AddFile(kScripts + "\\Old.scr", "x\r\n");
  mainwindow::frmMain& main = Ready("", "");
  user.ClickItem(main.File2, 0);
  user.Fill(main.Text2, "Renamed");
  ExpectMessage("Confirm Delete", "Are you sure you want to delete Old.scr?")
      .Buttons(ui::MsgButtons::kYesNo)
      .Icon(ui::MsgIcon::kExclamation)
      .DefaultButton(1)
      .Answer(ui::MsgAnswer::kNo);
  user.Click(main.cmdDeleteSCR);
  EXPECT_TRUE(fileSystem.Exists(kScripts + "\\Old.scr"));

  ExpectMessage("Confirm Delete", "Are you sure you want to delete Old.scr?").Answer(ui::MsgAnswer::kYes);
  user.Click(main.cmdDeleteSCR);
  EXPECT_FALSE(fileSystem.Exists(kScripts + "\\Old.scr"));
  EXPECT_EQ(main.Text1.Text(), "");
  EXPECT_EQ(main.Text2.Text(), "");
  EXPECT_EQ(main.settings.SCRChanged, core::kFalse);
  EXPECT_TRUE(Listed(main).empty());

  user.Click(main.cmdDeleteSCR);  // nothing selected: no question
}

TEST_F(ScriptSave, AScriptThatCannotBeDeletedIsReportedAndEverythingStays) {
  fileSystem.AddFile(kScripts + "\\Old.scr", "x\r\n");
  mainwindow::frmMain& main = Ready("", "");
  user.ClickItem(main.File2, 0);
  user.Fill(main.Text1, "edited");
  auto held = fileSystem.HoldOpen(kScripts + "\\Old.scr");
  ExpectMessage("Confirm Delete", "Are you sure you want to delete Old.scr?").Answer(ui::MsgAnswer::kYes);
  ExpectMessage(kAppTitle, "Error 70 (Permission denied) in procedure cmdDeleteSCR_Click of Form frmMain");
  user.Click(main.cmdDeleteSCR);
  EXPECT_TRUE(fileSystem.Exists(kScripts + "\\Old.scr"));
  EXPECT_EQ(main.Text1.Text(), "edited");
  EXPECT_EQ(main.Text2.Text(), "Old");
  EXPECT_EQ(main.settings.SCRChanged, core::kTrue);
  EXPECT_EQ(Listed(main), std::vector<std::string>{"Old.scr"});
}

TEST_F(ScriptSave, ClearEmptiesTheScriptWithoutAskingAndLocksTheBuild) {
  mainwindow::frmMain& main = Ready("ZOOM E", "Mine");
  main.List1.AddItem("C:\\Jobs\\A-101.dwg");
  user.Type(main.Text1, "\r\n");
  ASSERT_TRUE(main.Command1_Compile.Enabled());
  user.Click(main.cmdClearSCREditor);
  EXPECT_EQ(main.Text1.Text(), "");
  EXPECT_EQ(main.Text2.Text(), "");
  EXPECT_EQ(main.settings.SCRChanged, core::kFalse);
  EXPECT_FALSE(main.Command1_Compile.Enabled());
  EXPECT_FALSE(main.cmdCreateAndRun.Enabled());
}

TEST_F(ScriptSave, UndoTakesBackTheLastEdit) {
  mainwindow::frmMain& main = Ready("ZOOM", "");
  user.Type(main.Text1, " E");
  user.Click(main.Command2);
  EXPECT_EQ(main.Text1.Text(), "ZOOM");
}

TEST_F(ScriptSave, TheListFollowsTheDrawingFolderWhileTicked) {
  fileSystem.AddFile("C:\\Jobs\\Local.scr", "x\r\n");
  fileSystem.AddFile(kScripts + "\\Kept.scr", "x\r\n");
  mainwindow::frmMain& main = Ready("", "");
  main.settings.SCRIPTSDir = kScripts;
  main.Dir1.SetPath("C:\\Jobs");
  user.Click(main.chkProjDir);
  EXPECT_EQ(Listed(main), std::vector<std::string>{"Local.scr"});
  user.Click(main.chkProjDir);
  EXPECT_EQ(Listed(main), std::vector<std::string>{"Kept.scr"});

  fileSystem.AddFile(kScripts + "\\New.scr", "x\r\n");
  user.Click(main.frameUserScriptList);
  EXPECT_EQ(Listed(main), (std::vector<std::string>{"Kept.scr", "New.scr"}));

  shell.executeCalls.clear();
  user.Click(main.chkProjDir);
  user.Click(main.Label14);
  ASSERT_EQ(shell.executeCalls.size(), 1u);
  EXPECT_EQ(shell.executeCalls[0].file, "explorer.exe");
  EXPECT_EQ(shell.executeCalls[0].parameters, "/n,/e, " + kScripts);
}

TEST_F(ScriptSave, FilterDoubleClickListsEveryScriptAndTheSimpleFilterFallsBack) {
  fileSystem.AddFile(kScripts + "\\One.scr", "x\r\n");
  fileSystem.AddFile(kScripts + "\\Two.scr", "x\r\n");
  mainwindow::frmMain& main = Ready("", "");
  user.Fill(main.scrFilter, "One");
  ASSERT_EQ(main.File2.ListCount(), 1);
  main.scrFilter.DblClick();
  EXPECT_EQ(main.scrFilter.Text(), "");
  EXPECT_EQ(main.File2.ListCount(), 2);

  main.fsSimpleScript.SetPath(kScripts);
  main.tbScrSelFilter.SetText("w");
  EXPECT_EQ(main.fsSimpleScript.Pattern(), "*w*.scr");
  EXPECT_EQ(main.fsSimpleScript.ListCount(), 1);
  main.tbScrSelFilter.SetText("a|b");
  EXPECT_EQ(main.fsSimpleScript.Pattern(), "*.scr");
  EXPECT_EQ(main.fsSimpleScript.ListCount(), 2);
}

}  // namespace
