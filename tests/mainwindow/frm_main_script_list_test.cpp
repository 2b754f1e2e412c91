#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "mainwindow/frm_scr_edit.h"
#include "mainwindow/main_window_fixture.h"

namespace {

class ScriptList : public test::MainWindowFixture {
 protected:
  static constexpr const char* kScripts = "C:\\Program Files\\Tornavane\\SCRIPTS";

  // The main window with the script list on the scripts folder and a known script in Text1.
  mainwindow::frmMain& Ready(const std::string& script, const std::string& name, bool changed) {
    mainwindow::frmMain& main = Main();
    main.File2.SetPath(kScripts);
    main.Text1.SetText(script);
    main.Text2.SetText(name);
    main.settings.SCRChanged = changed ? core::kTrue : core::kFalse;
    return main;
  }

  void ClickScript(mainwindow::frmMain& main, const std::string& file) {
    main.File2.Refresh();
    for (int i = 0; i < main.File2.ListCount(); ++i) {
      if (main.File2.List(i) == file) return user.ClickItem(main.File2, i);
    }
    FAIL() << file << " is not listed";
  }
};

struct LoadCase {
  const char* label;
  bool changed;
  bool append;
  const char* before;
  const char* name;
  std::optional<ui::MsgAnswer> answer;  // the discard question and its answer, when asked
  const char* script;
  const char* nameAfter;
  bool changedAfter;
  bool focusOnName;
};

TEST_F(ScriptList, AClickLoadsTheScriptAskingOnlyWhenChangesWouldBeLost) {
  using ui::MsgAnswer;
  fileSystem.AddFile(std::string(kScripts) + "\\Plot.scr", "PLOT\r\n");
  const LoadCase cases[] = {
      {"saved script", false, false, "OLD", "Mine", std::nullopt, "PLOT", "Plot", false, false},
      {"discard: yes", true, false, "OLD", "Mine", MsgAnswer::kYes, "PLOT", "Plot", false, false},
      {"discard: no", true, false, "OLD", "Mine", MsgAnswer::kNo, "OLD", "Mine", true, true},
      {"unnamed: no", true, false, "OLD", "", MsgAnswer::kNo, "OLD", "", true, true},
      {"append to changes", true, true, "OLD", "Mine", std::nullopt, "OLD\r\nPLOT", "Mine", true, false},
      {"append to nothing", false, true, "", "Mine", std::nullopt, "PLOT", "Mine", true, false},
  };
  for (const LoadCase& c : cases) {
    SCOPED_TRACE(c.label);
    mainwindow::frmMain& main = Ready(c.before, c.name, c.changed);
    main.List1.Clear();
    main.List1.AddItem("C:\\Jobs\\A-101.dwg");
    main.chkAppend.SetValue(c.append ? ui::kChecked : ui::kUnchecked);
    main.Command1_Compile.SetEnabled(false);
    main.cmdCreateAndRun.SetEnabled(false);
    main.settings.SCRChangedInAppend = core::kFalse;
    main.scrFilter.SetFocus();
    if (c.answer) {
      const std::string shown = *c.name ? c.name : "UNNAMED";
      ExpectMessage(" Discard Changes?", "Are you sure you want to discard changes in \"" + shown +
                                             "\" user-script?\r\n\r\nPressing YES will DISCARD your changes...\r\n"
                                             "Pressing NO will allow you to Save/Rename your script...")
          .Buttons(ui::MsgButtons::kYesNo)
          .Icon(ui::MsgIcon::kExclamation)
          .DefaultButton(2)
          .Answer(*c.answer);
    }
    ClickScript(main, "Plot.scr");
    EXPECT_EQ(main.Text1.Text(), c.script);
    EXPECT_EQ(main.Text2.Text(), c.nameAfter);
    EXPECT_EQ(main.settings.SCRChanged, c.changedAfter ? core::kTrue : core::kFalse);
    EXPECT_EQ(main.settings.SCRChangedInAppend, c.append ? core::kTrue : core::kFalse);
    EXPECT_EQ(main.chkAppend.Value(), ui::kUnchecked);  // Append serves one load
    EXPECT_TRUE(main.Command1_Compile.Enabled());
    EXPECT_TRUE(main.cmdCreateAndRun.Enabled());
    EXPECT_EQ(main.Text2.HasFocus(), c.focusOnName);
    if (c.focusOnName) {
      EXPECT_EQ(main.Text2.SelLength(), static_cast<int>(main.Text2.Text().size()));
    }
    if (c.append && *c.before) {
      EXPECT_EQ(main.Text1.SelStart(), static_cast<int>(main.Text1.Text().size()));
    }
  }
}

TEST_F(ScriptList, ALoadDropsOnlyAFinalLineEnd) {
  struct Case {
    const char* content;
    const char* script;
  };
  const Case cases[] = {
      {"abc\r\n", "abc"}, {"ZOOM\r\nREGEN", "ZOOM\r\nREGEN"}, {"a\r\n\r\n", "a\r\n"}, {"Z", "Z"}, {"\r\n", ""},
      {"", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.content);
    fileSystem.AddFile(std::string(kScripts) + "\\T1.scr", c.content);
    mainwindow::frmMain& main = Ready("OLD", "Mine", false);
    ClickScript(main, "T1.scr");
    EXPECT_EQ(main.Text1.Text(), c.script);
    EXPECT_EQ(main.Text2.Text(), "T1");
    EXPECT_EQ(main.settings.SCRChanged, core::kFalse);
  }
}

TEST_F(ScriptList, WithoutAQueueTheLoadLeavesTheBuildButtonsOff) {
  fileSystem.AddFile(std::string(kScripts) + "\\Plot.scr", "PLOT\r\n");
  mainwindow::frmMain& main = Ready("", "", false);
  main.List1.Clear();
  ClickScript(main, "Plot.scr");
  EXPECT_EQ(main.Text1.Text(), "PLOT");
  EXPECT_FALSE(main.Command1_Compile.Enabled());
  EXPECT_FALSE(main.cmdCreateAndRun.Enabled());
}

TEST_F(ScriptList, AScriptOrFolderThatHasGoneLoadsNothing) {
  fileSystem.AddFile(std::string(kScripts) + "\\Plot.scr", "PLOT\r\n");
  mainwindow::frmMain& main = Ready("OLD", "Mine", false);
  main.File2.Refresh();
  fileSystem.DeleteFile(std::string(kScripts) + "\\Plot.scr");
  user.ClickItem(main.File2, 0);
  EXPECT_EQ(main.Text1.Text(), "OLD");
  EXPECT_EQ(main.Text2.Text(), "Mine");

  fileSystem.AddFile(std::string(kScripts) + "\\Plot.scr", "PLOT\r\n");
  main.File2.Refresh();
  fileSystem.DeleteFile(std::string(kScripts) + "\\Plot.scr");
  fileSystem.RemoveFolder(kScripts);
  ExpectMessage(
      " Error #76 was generated by Tornavane.",
      " The previously saved working-path is unavailable (possibly renamed)...\r Please reselect your working path");
  user.ClickItem(main.File2, 0);
  EXPECT_EQ(main.Text1.Text(), "OLD");
  EXPECT_EQ(main.settings.SCRChanged, core::kFalse);
}

TEST_F(ScriptList, ADoubleClickLoadsTheScriptThenOpensItInTheEditor) {
  fileSystem.AddFile(std::string(kScripts) + "\\Plot.scr", "PLOT\r\n");
  mainwindow::frmMain& main = Ready("", "", false);
  main.File2.Refresh();
  std::string edited;
  OnModal<mainwindow::frmSCREdit>([&](mainwindow::frmSCREdit& editor) {
    edited = editor.txtSCREdit.Text();
    user.Click(editor.cmdSCRCancel);
  });
  user.DblClickItem(main.File2, 0);
  EXPECT_EQ(edited, "PLOT");
  EXPECT_EQ(main.Text1.Text(), "PLOT");
  EXPECT_EQ(main.Text2.Text(), "Plot");
}

}  // namespace
