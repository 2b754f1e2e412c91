#include "tags/frm_var_setup.h"

#include <gtest/gtest.h>

#include "mainwindow/frm_main.h"
#include "support/program_fixture.h"

namespace {

using tags::frmVARSetup;

class UserTagWindowTest : public test::ProgramFixture {
 protected:
  static constexpr const char* kData = "C:\\Program Files\\Tornavane\\DATA\\";

  mainwindow::frmMain& Main() { return app.frmMain(); }
  // A fresh window, loaded from the main window's fields as they are now.
  frmVARSetup& Reloaded() {
    Main();
    app.frmVARSetup().Close();
    ctx.CollectRetired();
    return app.frmVARSetup();
  }
};

TEST_F(UserTagWindowTest, LoadShowsTheMainWindowsTagFields) {
  mainwindow::frmMain& main = Main();
  main.settings.COUNTERSTART = 70000;
  main.settings.COUNTERSTEP = -2;
  main.settings.FIRSTFILECHARS = "4";
  main.settings.SHEETCHARS = "3";
  main.settings.TRIMZEROS = 1;
  main.settings.PADCOUNTER = 0;
  main.settings.PADDIGITS = 5;
  for (int n = 1; n <= 50; ++n) main.settings.TAG[static_cast<std::size_t>(n - 1)] = "value " + std::to_string(n);

  frmVARSetup& window = Reloaded();
  EXPECT_EQ(window.tbCounterStart.Text(), "70000");
  EXPECT_EQ(window.tbCounterStep.Text(), "-2");
  EXPECT_EQ(window.tbFirstFileChars.Text(), "4");
  EXPECT_EQ(window.tbSheetChars.Text(), "3");
  EXPECT_EQ(window.chkTrimZeros.Value(), 1);
  EXPECT_EQ(window.chkPadCounter.Value(), 0);
  EXPECT_EQ(window.vsPadCounter.Value(), 5);
  EXPECT_EQ(window.tbPadCounter.Text(), "5");
  for (int n = 1; n <= 50; ++n) EXPECT_EQ(window.tbTag(n).Text(), "value " + std::to_string(n));
}

TEST_F(UserTagWindowTest, APadWidthOutsideTwoToNineLeavesTheSpinButtonAtTwo) {
  Main().settings.PADDIGITS = 12;
  frmVARSetup& window = Reloaded();
  EXPECT_EQ(window.vsPadCounter.Value(), 2);
  EXPECT_EQ(window.tbPadCounter.Text(), "2");
}

TEST_F(UserTagWindowTest, HasEveryControlWithItsCaption) {
  frmVARSetup& window = Reloaded();
  EXPECT_EQ(window.Caption(), " User Tags - Configuration");
  EXPECT_EQ(window.BorderStyle(), ui::BorderStyle::kFixedDialog);
  EXPECT_EQ(window.fraDynamic.Caption(), "DYNAMIC Variables Settings");
  EXPECT_EQ(window.fraFirstFileChars.Caption(), "$FIRSTFILECHARS$");
  EXPECT_EQ(window.fraSheet.Caption(), "$SHEET$");
  EXPECT_EQ(window.fraCounter.Caption(), "$COUNTER$");
  EXPECT_EQ(window.chkTrimZeros.Caption(), "Trim Leading Zeros");
  EXPECT_EQ(window.chkPadCounter.Caption(), "Pad to");
  EXPECT_FALSE(window.tbPadCounter.Enabled());
  EXPECT_EQ(window.fraStatic.Caption(), "STATIC Tags");
  EXPECT_EQ(window.chkLock.Caption(), "Read Only");
  EXPECT_EQ(window.cmdDelTAG.Caption(), "&Delete");
  EXPECT_EQ(window.cmdSaveTAG.Caption(), "&Save");
  EXPECT_EQ(window.cmdClearAllTags.Caption(), "Clear All");
  EXPECT_EQ(window.cmdOK.Caption(), "&Ok");
  EXPECT_TRUE(window.cmdOK.Default());
  ASSERT_EQ(window.SSTab1.Tabs(), 5);
  const char* pages[] = {"1-10", "11-20", "21-30", "31-40", "41-50"};
  for (int page = 0; page < 5; ++page) EXPECT_EQ(window.SSTab1.TabCaption(page), pages[page]);
  for (int n = 1; n <= 50; ++n) {
    EXPECT_EQ(window.tbTag(n).Name(), "tbTag" + std::to_string(n));
    EXPECT_EQ(window.lblTag(n).Caption(), "$TAG" + std::to_string(n) + "$");
    EXPECT_EQ(&window.tbTag(n).ParentContainer(), window.SSTab1.Page((n - 1) / 10));
  }
  EXPECT_EQ(window.FindControl("tbTag37"), &window.tbTag(37));
}

TEST_F(UserTagWindowTest, TheSpinButtonShowsItsValueAndStopsAtTwoAndNine) {
  frmVARSetup& window = Reloaded();
  window.Show();
  user.Scroll(window.vsPadCounter, -3);
  EXPECT_EQ(window.tbPadCounter.Text(), "5");
  user.Scroll(window.vsPadCounter, -20);
  EXPECT_EQ(window.tbPadCounter.Text(), "9");
  user.Scroll(window.vsPadCounter, 20);
  EXPECT_EQ(window.tbPadCounter.Text(), "2");
}

TEST_F(UserTagWindowTest, LoadListsTheTemplatesOfTheDataFolder) {
  std::string data = kData;
  fileSystem.AddFile(data + "Project A.tag", "");
  fileSystem.AddFile(data + "b.TAG", "");
  fileSystem.AddFile(data + "notes.txt", "");
  frmVARSetup& window = Reloaded();
  ASSERT_EQ(window.cmbTAGSelector.ListCount(), 2);
  EXPECT_EQ(window.cmbTAGSelector.List(0), "B");
  EXPECT_EQ(window.cmbTAGSelector.List(1), "PROJECT A");
  EXPECT_EQ(window.cmbTAGSelector.Text(), "");
  EXPECT_TRUE(window.cmdDelTAG.Enabled());
  EXPECT_TRUE(window.cmdSaveTAG.Enabled());
  EXPECT_EQ(window.chkLock.Value(), 0);
}

TEST_F(UserTagWindowTest, ANamedReadOnlyTemplateShowsLocked) {
  std::string data = kData;
  fileSystem.AddFile(data + "LOCKED.TAG", "", platform::kAttrReadOnly);
  fileSystem.AddFile(data + "OPEN.TAG", "");
  frmVARSetup& window = Reloaded();
  window.Show();
  user.Fill(window.cmbTAGSelector, "locked");
  EXPECT_EQ(window.chkLock.Value(), 1);
  EXPECT_FALSE(window.cmdDelTAG.Enabled());
  EXPECT_FALSE(window.cmdSaveTAG.Enabled());
  user.Fill(window.cmbTAGSelector, "OPEN");
  EXPECT_EQ(window.chkLock.Value(), 0);
  EXPECT_TRUE(window.cmdSaveTAG.Enabled());
  user.Fill(window.cmbTAGSelector, "NEW NAME");
  EXPECT_EQ(window.chkLock.Value(), 0);
  EXPECT_TRUE(window.cmdDelTAG.Enabled());
}

TEST_F(UserTagWindowTest, AMissingDataFolderGivesAnEmptyList) {
  fileSystem.RemoveFolder("C:\\Program Files\\Tornavane\\DATA");
  frmVARSetup& window = Reloaded();
  EXPECT_EQ(window.cmbTAGSelector.ListCount(), 0);
  EXPECT_TRUE(backend.Messages().empty());
}

TEST_F(UserTagWindowTest, TheToolsMenuShowsItOverTheMainWindow) {
  Main().Show();
  OnModal<frmVARSetup>([&](frmVARSetup& window) {
    EXPECT_EQ(window.Owner(), &Main());
    user.Close(window);
  });
  user.ChooseMenu(Main().mnuUserTagManager);
  EXPECT_EQ(backend.ModalForms(), std::vector<std::string>{"frmVARSetup"});
}

}  // namespace
