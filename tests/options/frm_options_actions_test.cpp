#include <gtest/gtest.h>

#include "options/frm_options.h"
#include "options/pickers.h"
#include "options_fixture.h"

namespace {

using options::frmOptions;

class OptionsActionsTest : public test::OptionsFixture {
 protected:
  frmOptions& Shown() {
    frmOptions& dialog = Dialog();
    dialog.Show();
    return dialog;
  }
  void ClickEndingTheProgram(ui::CommandButton& button) {
    try {
      user.Click(button);
    } catch (const ui::ProgramEnd&) {
      return;
    }
  }
};

constexpr const char* kSwitchWarning =
    "Switch box must be blank, or contain a valid Switch with Parameter.\r\n\r\n"
    "(See AutoCAD's help for more information on this feature)";
constexpr const char* kPathWarning =
    "Ooops.. Please confirm your path ends with the Tornavane batch output filename!\r\n"
    "  (eg. \\tornavane.scr)\r\n"
    "(Or use the BROWSE button, and Tornavane will set it for you...)";

TEST_F(OptionsActionsTest, SwitchesMustBeginWithASlashAndKeepTheFocusUntilTheyDo) {
  struct Case {
    const char* text;
    bool warns;
  };
  const Case cases[] = {{"-p profile", true}, {"p", true}, {"/p \"f:\\a.arg\"", false}, {"", false}};
  frmOptions& dialog = Shown();
  for (const Case& c : cases) {
    user.Fill(dialog.tbSwitches, c.text);
    if (c.warns) {
      ExpectMessage(kAppTitle, kSwitchWarning).Buttons(ui::MsgButtons::kOk).Icon(ui::MsgIcon::kExclamation);
    }
    user.Fill(dialog.tbAutoCadEXE, "C:\\ACAD\\acad.exe");
    EXPECT_EQ(dialog.ActiveControl(),
              c.warns ? static_cast<ui::Control*>(&dialog.tbSwitches) : static_cast<ui::Control*>(&dialog.tbAutoCadEXE))
        << c.text;
    EXPECT_EQ(dialog.tbSwitches.Text(), c.text);
  }
}

TEST_F(OptionsActionsTest, TheBatchScriptPathMustNameTheScriptFile) {
  struct Case {
    const char* text;
    bool warns;
  };
  const Case cases[] = {{"C:\\ACAD\\SUPPORT\\tornavane.scr", false},
                        {"C:\\ACAD\\SUPPORT\\TORNAVANE.SCR", false},
                        {"C:\\ACAD\\SUPPORT\\", true},
                        {"", true},
                        {"scr", true}};
  frmOptions& dialog = Shown();
  for (const Case& c : cases) {
    user.Fill(dialog.Text1, c.text);
    if (c.warns) ExpectMessage(kAppTitle, kPathWarning).Icon(ui::MsgIcon::kNone);
    user.Fill(dialog.tbAltOutput, "N:\\x.scr");
    EXPECT_EQ(dialog.ActiveControl(), &dialog.tbAltOutput) << c.text;
    EXPECT_EQ(dialog.Text1.Text(), c.text);
  }
}

TEST_F(OptionsActionsTest, RegistryResetAnsweredNoChangesNothing) {
  settings.Write(kSettingsApp, "Paths", "AutoCADEXE", "C:\\ACAD\\acad.exe");
  frmOptions& dialog = Shown();
  user.ChooseTab(dialog.SSTab1, 4);
  ExpectMessage("Tornavane Message",
                "By Pressing YES, you confirm that you want your Tornavane Registry settings reset.")
      .Buttons(ui::MsgButtons::kYesNo)
      .Icon(ui::MsgIcon::kExclamation)
      .DefaultButton(2)
      .Answer(ui::MsgAnswer::kNo);
  user.Click(dialog.cmdResetRegistry);
  EXPECT_EQ(Stored("Paths", "AutoCADEXE"), "C:\\ACAD\\acad.exe");
  EXPECT_FALSE(backend.ProgramEnded());
}

TEST_F(OptionsActionsTest, RegistryResetDeletesAllButTheUserTagsAndEndsWithoutSaving) {
  settings.Write(kSettingsApp, "Compatible", "Old", "1");
  settings.Write(kSettingsApp, "Paths", "AutoCADEXE", "C:\\ACAD\\acad.exe");
  settings.Write(kSettingsApp, "Startup", "LT", "1");
  settings.Write(kSettingsApp, "UserTags", "TAG1", "MINE");
  Main().Show();
  frmOptions& dialog = Shown();
  user.ChooseTab(dialog.SSTab1, 4);
  ExpectMessage("Tornavane Message",
                "By Pressing YES, you confirm that you want your Tornavane Registry settings reset.")
      .Answer(ui::MsgAnswer::kYes);
  ExpectMessage("Tornavane Message",
                "Reset Complete.... \r\n Tornavane will NOW SHUTDOWN ... THEN PLEASE RESTART TORNAVANE!")
      .Icon(ui::MsgIcon::kExclamation);
  ClickEndingTheProgram(dialog.cmdResetRegistry);
  EXPECT_TRUE(backend.ProgramEnded());
  for (const char* section : {"Compatible", "Paths", "Programs", "Startup"}) {
    EXPECT_TRUE(settings.ReadSection(kSettingsApp, section).empty()) << section;
  }
  EXPECT_EQ(Stored("UserTags", "TAG1"), "MINE");
}

TEST_F(OptionsActionsTest, PositionResetsStoreTheDefaultPositions) {
  frmOptions& dialog = Shown();
  user.ChooseTab(dialog.SSTab1, 4);
  user.Click(dialog.cmdResetQPPos);
  const std::pair<const char*, const char*> quickPicks[] = {
      {"QPLeft", "1000"},      {"QPTop", "1000"},      {"QPWidth", "1890"},      {"QPHeight", "4110"},
      {"QPQueueLeft", "1000"}, {"QPQueueTop", "1000"}, {"QPQueueWidth", "2355"}, {"QPQueueHeight", "4110"},
  };
  for (const auto& [key, value] : quickPicks) EXPECT_EQ(Stored("Startup", key), value) << key;

  settings.Write(kSettingsApp, "Startup", "SCREditWidth", "11250");
  user.Click(dialog.cmdResetSCREditPos);
  EXPECT_EQ(Stored("Startup", "SCREditLeft"), "0");
  EXPECT_EQ(Stored("Startup", "SCREditTop"), "0");
  EXPECT_EQ(Stored("Startup", "SCREditWidth"), "11250");

  user.Click(dialog.cmdResetDWGPreviewPos);
  EXPECT_EQ(Stored("Startup", "DWGPreviewLeft"), "1000");
  EXPECT_EQ(Stored("Startup", "DWGPreviewTop"), "1000");
  EXPECT_TRUE(dialog.Visible());
}

TEST_F(OptionsActionsTest, TheMainWindowResetMovesItUnlessItIsMaximised) {
  mainwindow::frmMain& main = Main();
  main.Show();
  main.Move(3000, 2500, 14000, 11000);
  frmOptions& dialog = Shown();
  user.ChooseTab(dialog.SSTab1, 4);
  user.Click(dialog.cmdResetAPPPos);
  EXPECT_EQ(main.Top(), 200);
  EXPECT_EQ(main.Left(), 200);

  main.Move(3000, 2500, 14000, 11000);
  user.Maximize(main);
  user.Click(dialog.cmdResetAPPPos);
  user.Restore(main);
  EXPECT_EQ(main.Top(), 2500);
  EXPECT_EQ(main.Left(), 3000);
}

class BackupTest : public OptionsActionsTest {
 protected:
  static constexpr const char* kQuestion = "Back up the /SCRIPTS/ folder into /BACKUP/2016-11-14-16-33-11/ now?";
  static constexpr const char* kStampFolder = "C:\\Program Files\\Tornavane\\BACKUP\\2016-11-14-16-33-11";

  BackupTest() { clock.Set({2016, 11, 14, 16, 33, 11}); }

  void ExpectQuestion(ui::MsgAnswer answer) {
    ExpectMessage("Tornavane Message", kQuestion)
        .Buttons(ui::MsgButtons::kYesNo)
        .Icon(ui::MsgIcon::kExclamation)
        .DefaultButton(2)
        .Answer(answer);
  }
  void ClickBackup() {
    frmOptions& dialog = Shown();
    user.ChooseTab(dialog.SSTab1, 5);
    user.Click(dialog.cmdBackup);
  }
};

TEST_F(BackupTest, CopiesTheScriptsIntoAFolderNamedByTheTime) {
  ExpectQuestion(ui::MsgAnswer::kYes);
  ExpectMessage("Tornavane Message", "Backup Complete.... ").Icon(ui::MsgIcon::kExclamation);
  ClickBackup();
  ASSERT_EQ(shell.copyCalls.size(), 1u);
  EXPECT_EQ(shell.copyCalls[0].source, "C:\\Program Files\\Tornavane\\SCRIPTS");
  EXPECT_EQ(shell.copyCalls[0].destination, kStampFolder);
  EXPECT_TRUE(fileSystem.Exists(kStampFolder));
}

TEST_F(BackupTest, AnsweredNoCopiesNothing) {
  ExpectQuestion(ui::MsgAnswer::kNo);
  ClickBackup();
  EXPECT_TRUE(shell.copyCalls.empty());
  EXPECT_FALSE(fileSystem.Exists("C:\\Program Files\\Tornavane\\BACKUP"));
}

TEST_F(BackupTest, AFailedCopyIsReportedAsAFailure) {
  shell.copyFolderResult = 1223;
  ExpectQuestion(ui::MsgAnswer::kYes);
  ExpectMessage("Tornavane Message",
                std::string("Backup Failed.... \r\nThe /SCRIPTS/ folder could not be copied into:\r\n") + kStampFolder)
      .Icon(ui::MsgIcon::kCritical);
  ClickBackup();
}

TEST_F(BackupTest, AMissingScriptsFolderIsReportedAndNothingIsCopied) {
  fileSystem.RemoveFolder("C:\\Program Files\\Tornavane\\SCRIPTS");
  ExpectQuestion(ui::MsgAnswer::kYes);
  ExpectMessage("Tornavane Message",
                "Backup Failed.... \r\nThere is no /SCRIPTS/ folder to back up:\r\n"
                "C:\\Program Files\\Tornavane\\SCRIPTS");
  ClickBackup();
  EXPECT_TRUE(shell.copyCalls.empty());
}

TEST_F(OptionsActionsTest, ViewBackupsOpensExplorerOnTheBackupFolder) {
  frmOptions& dialog = Shown();
  user.ChooseTab(dialog.SSTab1, 5);
  user.Click(dialog.cmdExploreBackup);
  ASSERT_EQ(shell.executeCalls.size(), 1u);
  EXPECT_EQ(shell.executeCalls[0].file, "explorer.exe");
  EXPECT_EQ(shell.executeCalls[0].parameters, "/n,/e, C:\\Program Files\\Tornavane\\BACKUP\\");
  EXPECT_EQ(shell.executeCalls[0].showCommand, 1);
}

TEST_F(OptionsActionsTest, TheWhatIsThisLinkOpensTheAddOnPage) {
  frmOptions& dialog = Shown();
  user.ChooseTab(dialog.SSTab1, 1);
  user.Click(dialog.Label8);
  ASSERT_EQ(shell.executeCalls.size(), 1u);
  EXPECT_EQ(shell.executeCalls[0].verb, "open");
  EXPECT_EQ(shell.executeCalls[0].file, "https://tornavane.example/addons/dwggateway");
}

TEST_F(OptionsActionsTest, BrowseButtonsOpenTheirPickersOverTheDialog) {
  frmOptions& dialog = Shown();
  std::vector<std::string> owners;
  auto cancel = [&](ui::Form& picker, ui::CommandButton& button) {
    owners.push_back(picker.Owner() == &dialog ? "dialog" : "other");
    user.Click(button);
  };
  OnModal<options::frmAutoCADEXEBrowse>([&](auto& p) { cancel(p, p.cmdCancel); });
  OnModal<options::frmSCRDirSelect>([&](auto& p) { cancel(p, p.SCRSelectCommandCancel); });
  OnModal<options::frmTXTEDITORDirSelect>([&](auto& p) { cancel(p, p.TXTEDITORCommandCancel); });
  OnModal<options::frmBrowseSCRIPSDir>([&](auto& p) { cancel(p, p.cmdCancel); });
  user.Click(dialog.cmdBrowseAcadEXE);
  user.Click(dialog.cmdBrowseSCRDir);
  user.Click(dialog.Command1);
  user.Click(dialog.cmdBrowseSCRIPTSDir);
  EXPECT_EQ(backend.ModalForms(), (std::vector<std::string>{"frmAutoCADEXEBrowse", "frmSCRDirSelect",
                                                            "frmTXTEDITORDirSelect", "frmBrowseSCRIPSDir"}));
  EXPECT_EQ(owners, std::vector<std::string>(4, "dialog"));
}

}  // namespace
