#include "options/frm_options.h"

#include <gtest/gtest.h>

#include "options_fixture.h"

namespace {

using core::SettingsModel;
using options::frmOptions;

// A settings switch, its check box and the key "&OK" stores it under ("Startup").
struct CheckRow {
  const char* key;
  std::int16_t SettingsModel::*field;
  ui::CheckBox frmOptions::*box;
};

const CheckRow kChecks[] = {
    {"LT", &SettingsModel::LT, &frmOptions::chkLT},
    {"AutoLaunchEditor", &SettingsModel::AutoLaunchEditor, &frmOptions::Check1},
    {"AutoADDFavorites", &SettingsModel::AutoADDFavorites, &frmOptions::chkFavorites},
    {"DWGPreviewShow", &SettingsModel::DWGPreviewShow, &frmOptions::chkShowPreview},
    {"AutoSortEnabled", &SettingsModel::AutoSortEnabled, &frmOptions::chkAutoSortEnabled},
    {"AutoMinimize", &SettingsModel::AutoMinimize, &frmOptions::chkAutoMinimize},
    {"WarnBlankLine", &SettingsModel::WarnBlankLine, &frmOptions::chkWarnBlankLine},
    {"WarnDoubleSpace", &SettingsModel::WarnDoubleSpace, &frmOptions::chkWarnDoubleSpace},
    {"WarnLineEndsWithSpace", &SettingsModel::WarnLineEndsWithSpace, &frmOptions::chkWarnLineEndsWithSpace},
    {"WarnLTLisp", &SettingsModel::WarnLTLisp, &frmOptions::chkWarnLTLisp},
    {"WarnSpaceInBlank", &SettingsModel::WarnSpaceInBlank, &frmOptions::chkWarnSpaceInBlank},
    {"VerifyFiles", &SettingsModel::VerifyFilesBit, &frmOptions::chkVerifyFilesInQueue},
    {"WarnFolderNotExist", &SettingsModel::WarnFoldersNotExist, &frmOptions::chkWarnFolderNotExist},
    {"METAEnabled", &SettingsModel::METAEnabled, &frmOptions::chkMetaEnable},
    {"METAImmediate", &SettingsModel::METAImmediate, &frmOptions::chkMetaImmediate},
    {"ResourceWarning", &SettingsModel::ResourceWarning, &frmOptions::chkResourcesStarved},
    {"ScanForRogueTags", &SettingsModel::ScanForRogueTags, &frmOptions::chkScanForRogueTags},
    {"EnableLogging", &SettingsModel::EnableLogging, &frmOptions::chkEnableLogging},
};

class OptionsDialogTest : public test::OptionsFixture {
 protected:
  // Shows the dialog modeless and presses "&OK".
  void PressOK() {
    Dialog().Show();
    user.Click(Dialog().Command2);
  }
  void SetAllSwitches(std::int16_t value) {
    for (const CheckRow& row : kChecks) Main().settings.*row.field = value;
  }
};

TEST_F(OptionsDialogTest, LoadShowsEveryFieldOfTheMainWindow) {
  mainwindow::frmMain& main = Main();
  SetAllSwitches(1);
  main.settings.OutputToDefaultPath = 0;
  main.settings.AutoCADEXE = "C:\\ACAD\\acad.exe";
  main.settings.Switches = "/p profile";
  main.settings.SCROutputPathNorm = "C:\\ACAD\\SUPPORT\\tornavane.scr";
  main.settings.SCROutputPathAlt = "N:\\tornavane.scr";
  main.settings.SCRIPTSDir = "D:\\Scripts";
  main.settings.SCRIPTSPathOption = core::kTrue;
  main.settings.TextEditor = "notepad.exe";
  main.settings.EnableDelay = 1;
  main.settings.Delay = "750";
  main.settings.ResourceFileLimit = 8;
  main.settings.OpenOther = "_XOPEN";
  main.settings.LoadOpen = 1;
  main.settings.AutoSortType = 3;

  frmOptions& dialog = ReloadedDialog();
  for (const CheckRow& row : kChecks) EXPECT_EQ((dialog.*row.box).Value(), 1) << row.key;
  EXPECT_TRUE(dialog.optAltOutputPath.Value());
  EXPECT_FALSE(dialog.optNormalOutputPath.Value());
  EXPECT_EQ(dialog.tbAutoCadEXE.Text(), "C:\\ACAD\\acad.exe");
  EXPECT_EQ(dialog.tbSwitches.Text(), "/p profile");
  EXPECT_EQ(dialog.Text1.Text(), "C:\\ACAD\\SUPPORT\\tornavane.scr");
  EXPECT_EQ(dialog.tbAltOutput.Text(), "N:\\tornavane.scr");
  EXPECT_EQ(dialog.tbScriptDir.Text(), "D:\\Scripts");
  EXPECT_TRUE(dialog.optScriptDirDefault[1].Value());
  EXPECT_EQ(dialog.Text2.Text(), "notepad.exe");
  EXPECT_EQ(dialog.tbDelay.Text(), "750");
  EXPECT_TRUE(dialog.tbDelay.Enabled());
  EXPECT_EQ(dialog.tbResourceFileLimit.Text(), "8");
  EXPECT_EQ(dialog.tbOpenOther.Text(), "_XOPEN");
  EXPECT_EQ(options::ChosenOption(dialog.optLoadOpen), 1);
  EXPECT_EQ(options::ChosenOption(dialog.optSort), 3);
  EXPECT_EQ(dialog.optLoadOpen[0].Caption(), "Use OPEN");
  EXPECT_EQ(dialog.optLoadOpen[1].Caption(), "Use RECOVER");

  SetAllSwitches(0);
  main.settings.OutputToDefaultPath = 1;
  main.settings.SCRIPTSPathOption = core::kFalse;
  main.settings.EnableDelay = 0;
  frmOptions& again = ReloadedDialog();
  for (const CheckRow& row : kChecks) EXPECT_EQ((again.*row.box).Value(), 0) << row.key;
  EXPECT_TRUE(again.optNormalOutputPath.Value());
  EXPECT_TRUE(again.optScriptDirDefault[0].Value());
  EXPECT_FALSE(again.tbDelay.Enabled());
  EXPECT_FALSE(again.chkMetaImmediate.Enabled());
  EXPECT_EQ(again.optLoadOpen[0].Caption(), "Use \"OPEN...\" (with DBMOD)");
}

// At start-up the dialog loads while the main window has read only part of the settings;
// the main window then pushes the rest into the controls, and "&OK" stores what they show.
TEST_F(OptionsDialogTest, LoadAtStartUpShowsWhatIsReadSoFarAndOkStoresWhatIsPushedLater) {
  mainwindow::frmMain& main = Main();
  SetAllSwitches(0);
  main.settings.LoadOpen = 0;
  main.settings.AutoSortType = 0;
  main.settings.ResourceFileLimit = 0;
  main.settings.OpenOther.clear();
  main.settings.EnableDelay = 1;
  main.settings.Delay = "1500";
  main.settings.AutoCADEXE = "C:\\ACAD\\acad.exe";
  main.settings.OutputToDefaultPath = 1;

  frmOptions& dialog = ReloadedDialog();
  EXPECT_EQ(dialog.tbDelay.Text(), "1500");
  EXPECT_EQ(dialog.tbAutoCadEXE.Text(), "C:\\ACAD\\acad.exe");
  EXPECT_EQ(dialog.chkWarnBlankLine.Value(), 0);
  EXPECT_EQ(dialog.tbResourceFileLimit.Text(), "0");
  EXPECT_EQ(options::ChosenOption(dialog.optLoadOpen), 0);

  main.settings.WarnBlankLine = 1;
  dialog.chkWarnBlankLine.SetValue(1);
  main.settings.ResourceFileLimit = 5;
  dialog.tbResourceFileLimit.SetText("5");
  main.settings.LoadOpen = 2;
  dialog.optLoadOpen[2].SetValue(true);
  main.settings.OpenOther = "_OPEN";
  dialog.tbOpenOther.SetText("_OPEN");
  main.settings.AutoSortType = 1;
  dialog.optSort[1].SetValue(true);

  PressOK();
  EXPECT_EQ(Stored("Startup", "WarnBlankLine"), "1");
  EXPECT_EQ(Stored("Startup", "ResourceFileLimit"), "5");
  EXPECT_EQ(Stored("Startup", "LoadMethod_Open"), "2");
  EXPECT_EQ(Stored("Startup", "LoadMethod_Other"), "_OPEN");
  EXPECT_EQ(Stored("Startup", "AutoSortType"), "1");
  EXPECT_EQ(Stored("Startup", "Delay"), "1500");
  EXPECT_FALSE(Dialog().Visible());
}

TEST_F(OptionsDialogTest, OkCopiesTheControlsIntoTheFieldsAndTheStore) {
  frmOptions& dialog = ReloadedDialog();
  for (std::int16_t value : {1, 0}) {
    for (const CheckRow& row : kChecks) (dialog.*row.box).SetValue(value);
    PressOK();
    for (const CheckRow& row : kChecks) {
      if (row.field == &SettingsModel::METAImmediate && value == 1) continue;
      EXPECT_EQ(Main().settings.*row.field, value) << row.key;
      EXPECT_EQ(Stored("Startup", row.key), value == 1 ? "1" : "0") << row.key;
    }
  }
}

TEST_F(OptionsDialogTest, OkStoresTheBoxesAsTypedAndTheGroupsAsIndexes) {
  fileSystem.AddDrive("D:", "DATA");
  fileSystem.AddFolder("D:\\Scripts");
  frmOptions& dialog = ReloadedDialog();
  dialog.Show();
  user.Fill(dialog.tbAutoCadEXE, "C:\\ACAD\\acad.exe");
  user.Fill(dialog.tbSwitches, "/p \"f:\\extra\\ed-map.arg\"");
  user.Fill(dialog.Text1, "C:\\ACAD\\SUPPORT\\tornavane.scr");
  user.Fill(dialog.tbAltOutput, "N:\\SCRIPTS\\tornavane.scr");
  user.Fill(dialog.Text2, "notepad.exe");
  user.Click(dialog.optScriptDirDefault[1]);
  user.Fill(dialog.tbScriptDir, "D:\\Scripts");
  user.ChooseTab(dialog.SSTab1, 1);
  user.Fill(dialog.tbDelay, "500");
  user.Fill(dialog.tbResourceFileLimit, "12");
  user.Click(dialog.optLoadOpen[1]);
  user.ChooseTab(dialog.SSTab1, 2);
  user.Click(dialog.chkAutoSortEnabled);
  user.Click(dialog.optSort[2]);
  user.Click(dialog.Command2);

  mainwindow::frmMain& main = Main();
  EXPECT_EQ(main.settings.AutoCADEXE, "C:\\ACAD\\acad.exe");
  EXPECT_EQ(main.settings.SCROutputPathNorm, "C:\\ACAD\\SUPPORT\\tornavane.scr");
  EXPECT_EQ(main.settings.SCROutputPath, "C:\\ACAD\\SUPPORT\\tornavane.scr");
  EXPECT_EQ(main.settings.OutputToDefaultPath, 1);
  EXPECT_EQ(main.settings.SCRIPTSDir, "D:\\Scripts");
  EXPECT_EQ(main.settings.SCRIPTSPathOption, core::kTrue);
  EXPECT_EQ(main.settings.Delay, "500");
  EXPECT_EQ(main.settings.ResourceFileLimit, 12);
  EXPECT_EQ(main.settings.LoadOpen, 1);
  EXPECT_EQ(main.settings.AutoSortType, 2);
  EXPECT_EQ(main.File2.Path(), "D:\\Scripts");

  EXPECT_EQ(Stored("Paths", "AutoCADEXE"), "C:\\ACAD\\acad.exe");
  EXPECT_EQ(Stored("Paths", "Switches"), "/p \"f:\\extra\\ed-map.arg\"");
  EXPECT_EQ(Stored("Paths", "OutputNorm"), "C:\\ACAD\\SUPPORT\\tornavane.scr");
  EXPECT_EQ(Stored("Paths", "OutputAlt"), "N:\\SCRIPTS\\tornavane.scr");
  EXPECT_EQ(Stored("Paths", "SCRIPTSPathOption"), "True");
  EXPECT_EQ(Stored("Paths", "SCRIPTSPath"), "D:\\Scripts");
  EXPECT_EQ(Stored("Programs", "TextEditor"), "notepad.exe");
  EXPECT_EQ(Stored("Startup", "Delay"), "500");
  EXPECT_EQ(Stored("Startup", "ResourceFileLimit"), "12");
  EXPECT_EQ(Stored("Startup", "LoadMethod_Open"), "1");
  EXPECT_EQ(Stored("Startup", "AutoSortType"), "2");
  EXPECT_EQ(Stored("Startup", "OutputToDefaultPath"), std::nullopt);
}

TEST_F(OptionsDialogTest, TheDefaultScriptsFolderIsStoredInFullWithFalse) {
  Main().settings.SCRIPTSPathOption = core::kFalse;
  ReloadedDialog();
  PressOK();
  EXPECT_EQ(Stored("Paths", "SCRIPTSPathOption"), "False");
  EXPECT_EQ(Stored("Paths", "SCRIPTSPath"), "C:\\Program Files\\Tornavane\\SCRIPTS");
  EXPECT_EQ(Main().File2.Path(), "C:\\Program Files\\Tornavane\\SCRIPTS");
}

TEST_F(OptionsDialogTest, AScriptsFolderThatCannotBeListedIsReportedAndTheSettingsStillStored) {
  frmOptions& dialog = ReloadedDialog();
  dialog.optScriptDirDefault[1].SetValue(true);
  dialog.tbScriptDir.SetText("Q:\\Gone");
  ExpectMessage(kAppTitle, "The user scripts folder cannot be listed:\r\nQ:\\Gone\r\n\r\nPlease check that it exists.");
  PressOK();
  EXPECT_EQ(Main().settings.SCRIPTSDir, "Q:\\Gone");
  EXPECT_EQ(Stored("Paths", "SCRIPTSPath"), "Q:\\Gone");
  EXPECT_FALSE(Dialog().Visible());
}

TEST_F(OptionsDialogTest, AlternateOutputIsConfirmedOrSwitchedBack) {
  mainwindow::frmMain& main = Main();
  main.settings.SCROutputPathNorm = "C:\\norm.scr";
  main.settings.SCROutputPathAlt = "N:\\alt.scr";
  main.settings.OutputToDefaultPath = 0;
  ReloadedDialog();
  ExpectMessage("Really?", "Your Alternate Output path has been selected as active, are you sure?")
      .Buttons(ui::MsgButtons::kYesNo)
      .Icon(ui::MsgIcon::kQuestion)
      .DefaultButton(2)
      .Answer(ui::MsgAnswer::kYes);
  PressOK();
  EXPECT_EQ(main.settings.OutputToDefaultPath, 0);
  EXPECT_EQ(main.settings.SCROutputPath, "N:\\alt.scr");

  ExpectMessage("Really?", "Your Alternate Output path has been selected as active, are you sure?")
      .Answer(ui::MsgAnswer::kNo);
  PressOK();
  EXPECT_EQ(main.settings.OutputToDefaultPath, 1);
  EXPECT_EQ(main.settings.SCROutputPath, "C:\\norm.scr");
  EXPECT_TRUE(Dialog().optNormalOutputPath.Value());
}

TEST_F(OptionsDialogTest, AnEmptyOtherScriptsFolderKeepsTheDialogOpenAndStoresNothing) {
  frmOptions& dialog = ReloadedDialog();
  dialog.optScriptDirDefault[1].SetValue(true);
  dialog.tbScriptDir.SetText("");
  PressOK();
  EXPECT_TRUE(Dialog().Visible());
  EXPECT_TRUE(settings.ReadSection(kSettingsApp, "Startup").empty());
  EXPECT_TRUE(settings.ReadSection(kSettingsApp, "Paths").empty());
}

TEST_F(OptionsDialogTest, EmptyNumberBoxesAreFilledInBeforeTheyAreStored) {
  Main().settings.EnableDelay = 1;
  frmOptions& dialog = ReloadedDialog();
  dialog.tbDelay.SetText("");
  dialog.tbResourceFileLimit.SetText("");
  PressOK();
  EXPECT_EQ(Stored("Startup", "Delay"), "2000");
  EXPECT_EQ(Stored("Startup", "ResourceFileLimit"), "10");
  EXPECT_EQ(Main().settings.Delay, "2000");
  EXPECT_EQ(Main().settings.ResourceFileLimit, 10);
  EXPECT_EQ(Dialog().tbDelay.Text(), "2000");
  EXPECT_EQ(Dialog().tbResourceFileLimit.Text(), "10");
}

struct BadNumber {
  const char* delay;
  const char* limit;
  const char* message;
};

TEST_F(OptionsDialogTest, ANumberBoxHoldingNoWholeNumberIsRefusedAndNothingIsStored) {
  const BadNumber cases[] = {
      {"abc", "10", "The delay value must be a whole number of milliseconds from 0 to 32767."},
      {"1.5", "10", "The delay value must be a whole number of milliseconds from 0 to 32767."},
      {"-5", "10", "The delay value must be a whole number of milliseconds from 0 to 32767."},
      {"40000", "10", "The delay value must be a whole number of milliseconds from 0 to 32767."},
      {"500", "ten", "The number of files must be a whole number from 1 to 32767."},
      {"500", "0", "The number of files must be a whole number from 1 to 32767."},
      {"500", "70000", "The number of files must be a whole number from 1 to 32767."},
  };
  mainwindow::frmMain& main = Main();
  main.settings.EnableDelay = 1;
  main.settings.Delay = "2000";
  main.settings.ResourceFileLimit = 5;
  for (const BadNumber& c : cases) {
    frmOptions& dialog = ReloadedDialog();
    dialog.Show();
    dialog.tbAutoCadEXE.SetText("C:\\changed.exe");
    dialog.tbDelay.SetText(c.delay);
    dialog.tbResourceFileLimit.SetText(c.limit);
    ExpectMessage(kAppTitle, c.message).Icon(ui::MsgIcon::kExclamation);
    user.Click(dialog.Command2);
    EXPECT_TRUE(dialog.Visible()) << c.delay << " " << c.limit;
    EXPECT_EQ(dialog.SSTab1.Tab(), 1);
    ui::TextBox& wrong = std::string(c.limit) == "10" ? dialog.tbDelay : dialog.tbResourceFileLimit;
    EXPECT_TRUE(wrong.HasFocus());
    EXPECT_EQ(main.settings.Delay, "2000");
    EXPECT_EQ(main.settings.ResourceFileLimit, 5);
    EXPECT_TRUE(main.settings.AutoCADEXE.empty());
    EXPECT_TRUE(settings.ReadSection(kSettingsApp, "Startup").empty());
    EXPECT_TRUE(settings.ReadSection(kSettingsApp, "Paths").empty());
  }
}

TEST_F(OptionsDialogTest, OkLeavesEnableDelayAlone) {
  mainwindow::frmMain& main = Main();
  main.settings.EnableDelay = 1;
  frmOptions& dialog = ReloadedDialog();
  dialog.tbDelay.SetText("500");
  PressOK();
  EXPECT_EQ(main.settings.EnableDelay, 1);
  EXPECT_TRUE(ReloadedDialog().tbDelay.Enabled());
  EXPECT_EQ(Dialog().tbDelay.Text(), "500");
}

// The close box drops the edits; the next load shows the live values, so a later "&OK"
// cannot store a delay, load method or sort order the user never chose.
TEST_F(OptionsDialogTest, TheCloseBoxDropsEditsAndTheNextOpeningShowsTheLiveValues) {
  mainwindow::frmMain& main = Main();
  main.settings.EnableDelay = 1;
  frmOptions& dialog = ReloadedDialog();
  dialog.tbDelay.SetText("500");
  dialog.optLoadOpen[1].SetValue(true);
  dialog.optSort[2].SetValue(true);
  PressOK();

  OpenFromMenu([&](frmOptions& open) {
    EXPECT_EQ(open.tbDelay.Text(), "500");
    user.ChooseTab(open.SSTab1, 1);
    user.Fill(open.tbDelay, "9999");
    user.Click(open.optLoadOpen[0]);
    user.Close(open);
  });
  EXPECT_EQ(main.settings.Delay, "500");
  EXPECT_EQ(Stored("Startup", "Delay"), "500");

  OpenFromMenu([&](frmOptions& open) {
    EXPECT_EQ(open.tbDelay.Text(), "500");
    EXPECT_EQ(options::ChosenOption(open.optLoadOpen), 1);
    EXPECT_EQ(options::ChosenOption(open.optSort), 2);
    user.Click(open.Command2);
  });
  EXPECT_EQ(Stored("Startup", "Delay"), "500");
  EXPECT_EQ(Stored("Startup", "LoadMethod_Open"), "1");
  EXPECT_EQ(Stored("Startup", "AutoSortType"), "2");
}

TEST_F(OptionsDialogTest, AfterOkTheNextOpeningShowsWhatWasConfirmedOnTheTabLastUsed) {
  OpenFromMenu([&](frmOptions& open) {
    user.ChooseTab(open.SSTab1, 2);
    user.Click(open.chkAutoMinimize);
    user.Click(open.Command2);
  });
  OpenFromMenu([&](frmOptions& open) {
    EXPECT_EQ(open.SSTab1.Tab(), 2);
    EXPECT_EQ(open.chkAutoMinimize.Value(), 1);
    user.Click(open.Command2);
  });
  EXPECT_EQ(Main().settings.AutoMinimize, 1);
}

TEST_F(OptionsDialogTest, LtModeGreysTheLispWizardsAndTheTestRun) {
  mainwindow::frmMain& main = Main();
  main.chkTestRun.SetValue(1);
  frmOptions& dialog = ReloadedDialog();
  dialog.chkLT.SetValue(1);
  PressOK();
  ui::MenuItem* lispWizards[] = {&main.mnuReportLimitsWiz, &main.mnuReportTextWiz, &main.mnuRepTextWiz, &main.mnuTBWiz,
                                 &main.mnuMTEXTSnR};
  for (ui::MenuItem* item : lispWizards) EXPECT_FALSE(item->Enabled()) << item->Name();
  for (ui::MenuItem* item : {&main.mnuRenameLayoutTabs, &main.mnuCopyPageSetups, &main.mnuPurgeWiz}) {
    EXPECT_TRUE(item->Enabled()) << item->Name();
  }
  EXPECT_EQ(main.chkTestRun.Value(), 0);
  EXPECT_FALSE(main.chkTestRun.Enabled());

  Dialog().chkLT.SetValue(0);
  PressOK();
  for (ui::MenuItem* item : lispWizards) EXPECT_TRUE(item->Enabled()) << item->Name();
  EXPECT_TRUE(main.chkTestRun.Enabled());
  EXPECT_EQ(main.chkTestRun.Value(), 0);
}

TEST_F(OptionsDialogTest, TheWizardMenusFollowTheFieldWhenTheDialogLoads) {
  Main().settings.LT = 1;
  ReloadedDialog();
  EXPECT_FALSE(Main().mnuTBWiz.Enabled());
  Dialog().chkLT.SetValue(0);
  EXPECT_FALSE(Main().mnuTBWiz.Enabled());  // the field, not the box, until "&OK"
}

TEST_F(OptionsDialogTest, LiveMetaUpdatesNeedMetaCommands) {
  frmOptions& dialog = ReloadedDialog();
  dialog.Show();
  user.ChooseTab(dialog.SSTab1, 2);
  dialog.chkMetaEnable.SetValue(1);
  user.Click(dialog.chkMetaImmediate);
  EXPECT_EQ(dialog.chkMetaImmediate.Value(), 1);
  user.Click(dialog.chkMetaEnable);
  EXPECT_EQ(dialog.chkMetaImmediate.Value(), 0);
  EXPECT_FALSE(dialog.chkMetaImmediate.Enabled());
  user.Click(dialog.chkMetaEnable);
  EXPECT_TRUE(dialog.chkMetaImmediate.Enabled());
  EXPECT_EQ(dialog.chkMetaImmediate.Value(), 0);
}

TEST_F(OptionsDialogTest, GreyedSortOptionsStillStoreTheirChoice) {
  frmOptions& dialog = ReloadedDialog();
  dialog.chkAutoSortEnabled.SetValue(1);
  dialog.optSort[3].SetValue(true);
  dialog.chkAutoSortEnabled.SetValue(0);
  for (ui::OptionButton* option : dialog.optSort.Elements()) EXPECT_FALSE(option->Enabled());
  PressOK();
  EXPECT_EQ(Stored("Startup", "AutoSortType"), "3");
  EXPECT_EQ(Stored("Startup", "AutoSortEnabled"), "0");
}

TEST_F(OptionsDialogTest, TheMenuBringsAnOpenModelessDialogToTheFront) {
  Main().Show();
  Dialog().Show();
  user.Activate(Main());
  user.ChooseMenu(Main().mnuViewOptions);
  EXPECT_TRUE(Dialog().Visible());
  EXPECT_FALSE(Dialog().IsModal());
  EXPECT_EQ(backend.ActiveForm(), &Dialog());
  EXPECT_TRUE(backend.ModalForms().empty());
}

TEST_F(OptionsDialogTest, TheMenuShowsTheDialogModallyOverTheMainWindow) {
  OpenFromMenu([&](frmOptions& open) {
    EXPECT_TRUE(open.IsModal());
    EXPECT_EQ(open.Owner(), &Main());
    EXPECT_TRUE(backend.IsBlocked(Main()));
    user.Click(open.Command2);
  });
  EXPECT_EQ(backend.ModalForms(), std::vector<std::string>{"frmOptions"});
  EXPECT_FALSE(Dialog().Visible());
}

}  // namespace
