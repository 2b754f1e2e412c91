// The batch settings panel: the switches, SAVEAS against Test Run, the default templates, the
// counter and the SAVEAS format list.
#include <gtest/gtest.h>

#include <string>

#include "mainwindow/frm_main.h"
#include "options/pickers.h"
#include "support/program_fixture.h"

namespace {

constexpr const char* kTemplateQuestion =
    "By continuing, your SETTINGS tab information will be changed to a default setting.\r\n\r\nContinue?";

class BatchPanelTest : public test::ProgramFixture {
 protected:
  mainwindow::frmMain& Main() {
    mainwindow::frmMain& main = app.frmMain();
    if (!main.Visible()) main.Show();
    return main;
  }
  void Boxes(const char* pre, const char* preUser, const char* postUser, const char* post) {
    Main().tbPreBatch.SetText(pre);
    Main().tbPreUserScript.SetText(preUser);
    Main().tbPostUserScript.SetText(postUser);
    Main().tbPostBatch.SetText(post);
  }
  std::vector<std::string> BoxTexts() {
    return {Main().tbPreBatch.Text(), Main().tbPreUserScript.Text(), Main().tbPostUserScript.Text(),
            Main().tbPostBatch.Text()};
  }
};

TEST_F(BatchPanelTest, SaveAsAndTestRunExcludeEachOther) {
  mainwindow::frmMain& main = Main();
  user.Click(main.chkTestRun);
  EXPECT_EQ(main.chkTestRun.Value(), 1);
  user.Click(main.chkSaveAS);
  EXPECT_EQ(main.chkSaveAS.Value(), 1);
  EXPECT_EQ(main.chkTestRun.Value(), 0);
  user.Click(main.chkTestRun);
  EXPECT_EQ(main.chkSaveAS.Value(), 0);
  user.Click(main.chkTestRun);
  EXPECT_EQ(main.chkTestRun.Value(), 0);
  EXPECT_EQ(main.chkSaveAS.Value(), 0);
}

TEST_F(BatchPanelTest, TheSwitchesKeepTheirFieldsCurrent) {
  mainwindow::frmMain& main = Main();
  user.Click(main.chkDelay);
  EXPECT_EQ(main.settings.UseDelay, -1);
  user.Click(main.chkDelay);
  EXPECT_EQ(main.settings.UseDelay, 0);
  user.ChooseTab(main.SSTab1, 1);
  user.Click(main.cbIncludeDebugComments);
  EXPECT_EQ(main.settings.DebugComments, 0);
  user.Click(main.chkIncludeStatus);
  EXPECT_EQ(main.settings.IncludeStatus, 1);
}

struct TemplateCase {
  const char* name;
  ui::MsgAnswer answer;
  std::vector<std::string> after;
};

class TemplateButtonTest : public BatchPanelTest, public ::testing::WithParamInterface<TemplateCase> {};

TEST_P(TemplateButtonTest, ChangesTheBoxesOnlyOnYes) {
  const TemplateCase& c = GetParam();
  mainwindow::frmMain& main = Main();
  user.ChooseTab(main.SSTab1, 1);
  Boxes("A", "B", "C", "D");
  const std::string name = c.name;
  if (name == "Clear") {
    ExpectMessage("Warning!",
                  "Are you sure you want to clear the PREBATCH COMMAND, PREUSERSCRIPT, POSTUSERSCRIPT and POSTBATCH "
                  "Command boxes.")
        .Buttons(ui::MsgButtons::kYesNo)
        .Icon(ui::MsgIcon::kExclamation)
        .Answer(c.answer);
    user.Click(main.cmdClear);
  } else {
    ExpectMessage("Warning!", kTemplateQuestion).Buttons(ui::MsgButtons::kYesNo).Answer(c.answer);
    user.Click(name == "Close" ? main.cmdCloseDefault : main.cmdSDIDefault);
  }
  EXPECT_EQ(BoxTexts(), c.after);
}

INSTANTIATE_TEST_SUITE_P(Buttons, TemplateButtonTest,
                         ::testing::Values(TemplateCase{"Clear", ui::MsgAnswer::kYes, {"", "", "", ""}},
                                           TemplateCase{"Clear", ui::MsgAnswer::kNo, {"A", "B", "C", "D"}},
                                           TemplateCase{"Close", ui::MsgAnswer::kYes, {"", "B", "_CLOSE", ""}},
                                           TemplateCase{"Close", ui::MsgAnswer::kNo, {"A", "B", "C", "D"}},
                                           TemplateCase{"SDI", ui::MsgAnswer::kYes, {"_SDI 1", "", "", "_SDI 0"}},
                                           TemplateCase{"SDI", ui::MsgAnswer::kNo, {"A", "B", "C", "D"}}));

TEST_F(BatchPanelTest, ResettingTheCounterLeavesTheStoreUntilTheNextSave) {
  settings.Write("TornavanePowerTool", "Startup", "Counter", "57");
  mainwindow::frmMain& main = Main();
  ASSERT_EQ(main.lblFilesProcessed.Caption(), "Processed = 57");
  ExpectMessage("Sure?", "Are you sure you want to clear the 'Files Processed' counter?").Answer(ui::MsgAnswer::kNo);
  user.Click(main.lblFilesProcessed);
  EXPECT_EQ(main.settings.TotalFilesProcessed, 57);
  ExpectMessage("Sure?", "Are you sure you want to clear the 'Files Processed' counter?").Answer(ui::MsgAnswer::kYes);
  user.Click(main.lblFilesProcessed);
  EXPECT_EQ(main.settings.TotalFilesProcessed, 0);
  EXPECT_EQ(main.lblFilesProcessed.Caption(), "Processed = 0");
  EXPECT_EQ(settings.Read("TornavanePowerTool", "Startup", "Counter"), "57");
}

TEST_F(BatchPanelTest, TheFormatListKeepsAFormatItHas) {
  settings.Write("TornavanePowerTool", "Startup", "SaveAsType", "2007");
  mainwindow::frmMain& main = Main();
  EXPECT_EQ(main.cmbOutFormat.Text(), "2007");
  main.cmbOutFormat.SetText("r14");
  main.FillOutFormatList();
  EXPECT_EQ(main.cmbOutFormat.Text(), "R14");
  EXPECT_EQ(main.cmbOutFormat.ListCount(), 9);
  EXPECT_EQ(main.cmbOutFormat.List(8), "2013");
  main.cmbOutFormat.SetText("R12");
  main.FillOutFormatList();
  EXPECT_EQ(main.cmbOutFormat.Text(), "Don't Change");
}

TEST_F(BatchPanelTest, BrowseFillsTheSaveAsFolderAndChoosesIt) {
  fileSystem.AddFolder("C:\\Jobs\\Out");
  mainwindow::frmMain& main = Main();
  main.Dir1.SetPath("C:\\Jobs\\Out");
  user.ChooseTab(main.SSTab1, 2);
  OnModal<options::frmOUTDirSelect>([&](options::frmOUTDirSelect& picker) { user.Click(picker.OUTSelectCommandOk); });
  user.Click(main.cmdOUTBrowse);
  EXPECT_EQ(main.tbSpecFolder.Text(), "C:\\Jobs\\Out\\");
  EXPECT_TRUE(main.optSpecFolder.Value());
  EXPECT_FALSE(main.optOriginalLocation.Value());
}

}  // namespace
