// The options dialog and the user tag manager as the main window's load leaves them: loaded
// hidden while the settings run reads the store, and holding the stored values afterwards.

#include <gtest/gtest.h>

#include "options/frm_options.h"
#include "options_fixture.h"
#include "tags/frm_var_setup.h"

namespace {

using options::frmOptions;

class StartUpFillTest : public test::OptionsFixture {
 protected:
  void Store(const char* section, const char* key, const char* value) {
    settings.Write(kSettingsApp, section, key, value);
  }
};

TEST_F(StartUpFillTest, TheDialogsHoldTheStoredValuesOnceTheMainWindowHasLoaded) {
  Store("Paths", "AutoCADEXE", "C:\\ACAD\\acad.exe");
  Store("Paths", "Switches", "/p work");
  Store("Paths", "OutputNorm", "C:\\ACAD\\SUPPORT\\tornavane.scr");
  Store("Startup", "OutputToDefaultPath", "1");
  Store("Startup", "Delay", "1234");
  Store("Startup", "WarnBlankLine", "0");
  Store("Startup", "ResourceFileLimit", "7");
  Store("Startup", "LoadMethod_Open", "1");
  Store("Startup", "LoadMethod_Other", "_XOPEN");
  Store("Startup", "AutoSortEnabled", "1");
  Store("Startup", "AutoSortType", "2");
  Store("Startup", "LT", "1");
  Store("Programs", "TextEditor", "edit.exe");
  Store("UserTags", "CounterStart", "70000");
  Store("UserTags", "PadDigits", "4");
  Store("UserTags", "TAG7", "SHEET SET");

  Main();
  ASSERT_TRUE(app.frmOptions().Loaded());
  frmOptions& dialog = Dialog();
  EXPECT_FALSE(dialog.Visible());
  EXPECT_EQ(dialog.tbAutoCadEXE.Text(), "C:\\ACAD\\acad.exe");
  EXPECT_EQ(dialog.tbSwitches.Text(), "/p work");
  EXPECT_EQ(dialog.Text1.Text(), "C:\\ACAD\\SUPPORT\\tornavane.scr");
  EXPECT_TRUE(dialog.optNormalOutputPath.Value());
  EXPECT_EQ(dialog.tbDelay.Text(), "1234");
  EXPECT_EQ(dialog.chkWarnBlankLine.Value(), 0);
  EXPECT_EQ(dialog.chkWarnDoubleSpace.Value(), 1);
  EXPECT_EQ(dialog.tbResourceFileLimit.Text(), "7");
  EXPECT_EQ(options::ChosenOption(dialog.optLoadOpen), 1);
  EXPECT_EQ(dialog.tbOpenOther.Text(), "_XOPEN");
  EXPECT_EQ(dialog.chkAutoSortEnabled.Value(), 1);
  EXPECT_EQ(options::ChosenOption(dialog.optSort), 2);
  EXPECT_EQ(dialog.chkLT.Value(), 1);
  EXPECT_EQ(dialog.Text2.Text(), "edit.exe");
  EXPECT_FALSE(Main().mnuTBWiz.Enabled());

  tags::frmVARSetup& tags = app.frmVARSetup();
  EXPECT_FALSE(tags.Visible());
  EXPECT_EQ(tags.tbCounterStart.Text(), "70000");
  EXPECT_EQ(tags.tbPadCounter.Text(), "4");
  EXPECT_EQ(tags.tbTag(7).Text(), "SHEET SET");
}

// A first start with an empty store: "&OK" stores the built-in defaults the dialog shows.
TEST_F(StartUpFillTest, OkAfterAFirstStartStoresTheDefaults) {
  Main();
  Dialog().Show();
  user.Click(Dialog().Command2);
  EXPECT_EQ(Stored("Startup", "Delay"), "2000");
  EXPECT_EQ(Stored("Startup", "ResourceFileLimit"), "5");
  EXPECT_EQ(Stored("Startup", "LoadMethod_Open"), "2");
  EXPECT_EQ(Stored("Startup", "LoadMethod_Other"), "_OPEN");
  EXPECT_EQ(Stored("Startup", "AutoSortType"), "0");
  EXPECT_EQ(Stored("Startup", "VerifyFiles"), "1");
  EXPECT_EQ(Stored("Programs", "TextEditor"), "notepad.exe");
  EXPECT_EQ(Stored("Paths", "SCRIPTSPathOption"), "False");
}

TEST_F(StartUpFillTest, OkRefillsTheSaveAsFormatList) {
  Main().cmbOutFormat.Clear();
  Dialog().Show();
  user.Click(Dialog().Command2);
  ASSERT_EQ(Main().cmbOutFormat.ListCount(), 9);
  EXPECT_EQ(Main().cmbOutFormat.List(0), "Don't Change");
  EXPECT_EQ(Main().cmbOutFormat.List(8), "2013");
}

}  // namespace
