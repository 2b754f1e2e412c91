#include "options/pickers.h"

#include <gtest/gtest.h>

#include "core/launch.h"
#include "options/frm_options.h"
#include "options_fixture.h"

namespace {

using options::frmAutoCADEXEBrowse;
using options::frmBrowseSCRIPSDir;
using options::frmOUTDirSelect;
using options::frmSCRDirSelect;
using options::frmTXTEDITORDirSelect;

class PickersTest : public test::OptionsFixture {
 protected:
  // Opens a picker modally over the options dialog, as its browse button does.
  template <class T>
  void Open(T& (app::App::*picker)(), std::function<void(T&)> script) {
    OnModal<T>(std::move(script));
    options::frmOptions& dialog = Dialog();
    dialog.Show();
    (app.*picker)().Show(ui::ShowMode::kModal, &dialog);
  }
};

TEST_F(PickersTest, TheScriptFolderPickerAddsTheScriptNameWithOneBackslash) {
  fileSystem.AddFolder("C:\\ACAD\\SUPPORT");
  Dialog().optNormalOutputPath.SetValue(true);
  Open<frmSCRDirSelect>(&app::App::frmSCRDirSelect, [&](frmSCRDirSelect& p) {
    EXPECT_EQ(p.Dir1.Path(), "C:\\");
    user.Click(p.SCRSelectCommandOk);
  });
  EXPECT_EQ(Dialog().Text1.Text(), "C:\\tornavane.scr");

  Open<frmSCRDirSelect>(&app::App::frmSCRDirSelect, [&](frmSCRDirSelect& p) {
    p.Dir1.SetPath("C:\\ACAD\\SUPPORT");
    user.Click(p.SCRSelectCommandOk);
  });
  EXPECT_EQ(Dialog().Text1.Text(), "C:\\ACAD\\SUPPORT\\tornavane.scr");
}

TEST_F(PickersTest, TheScriptFolderPickerWritesTheAlternatePathWhenItIsChosen) {
  options::frmOptions& dialog = Dialog();
  dialog.optAltOutputPath.SetValue(true);
  dialog.Text1.SetText("C:\\keep.scr");
  Open<frmSCRDirSelect>(&app::App::frmSCRDirSelect, [&](frmSCRDirSelect& p) { user.Click(p.SCRSelectCommandOk); });
  EXPECT_EQ(dialog.tbAltOutput.Text(), "C:\\tornavane.scr");
  EXPECT_EQ(dialog.Text1.Text(), "C:\\keep.scr");
}

TEST_F(PickersTest, TheScriptFolderPickerStartsOnTheDriveOfTheAutoCadProgram) {
  fileSystem.AddDrive("D:", "WORK");
  Dialog().tbAutoCadEXE.SetText("D:\\ACAD\\acad.exe");
  Open<frmSCRDirSelect>(&app::App::frmSCRDirSelect, [&](frmSCRDirSelect& p) {
    EXPECT_EQ(p.Drive1.Drive(), "d: [WORK]");
    EXPECT_EQ(p.Dir1.Path(), "D:\\");
    user.Click(p.SCRSelectCommandCancel);
  });
}

// A program path on a drive that is not there must not keep the picker from opening.
TEST_F(PickersTest, TheScriptFolderPickerOpensWhenTheProgramsDriveIsMissing) {
  Dialog().tbAutoCadEXE.SetText("Q:\\ACAD\\acad.exe");
  Open<frmSCRDirSelect>(&app::App::frmSCRDirSelect, [&](frmSCRDirSelect& p) {
    EXPECT_EQ(p.Dir1.Path(), "C:\\");
    user.Click(p.SCRSelectCommandCancel);
  });
  EXPECT_EQ(backend.ModalForms(), std::vector<std::string>{"frmSCRDirSelect"});
}

TEST_F(PickersTest, TheAutoCadPickerNeedsAProgramAndOffersItsSupportFolder) {
  fileSystem.AddFile("C:\\acad.exe", "MZ");
  fileSystem.AddFile("C:\\readme.txt", "");
  Open<frmAutoCADEXEBrowse>(&app::App::frmAutoCADEXEBrowse, [&](frmAutoCADEXEBrowse& p) {
    EXPECT_FALSE(p.cmdOK.Enabled());
    ASSERT_EQ(p.File1.ListCount(), 1);
    user.ClickItem(p.File1, 0);
    EXPECT_TRUE(p.cmdOK.Enabled());
    ExpectMessage(kAppTitle,
                  "Would you like your \"Batch Script Output Path (tornavane.scr)\" location set automatically?")
        .Buttons(ui::MsgButtons::kYesNo)
        .Icon(ui::MsgIcon::kExclamation)
        .Answer(ui::MsgAnswer::kYes);
    user.Click(p.cmdOK);
  });
  EXPECT_EQ(Dialog().tbAutoCadEXE.Text(), "C:\\acad.exe");
  EXPECT_EQ(Dialog().Text1.Text(), "C:\\SUPPORT\\tornavane.scr");
}

TEST_F(PickersTest, TheAutoCadPickerWritesTheScriptPathOnlyWhenAsked) {
  fileSystem.AddFile("C:\\ACAD\\acad.exe", "MZ");
  Dialog().optAltOutputPath.SetValue(true);
  Dialog().Text1.SetText("C:\\keep.scr");
  Open<frmAutoCADEXEBrowse>(&app::App::frmAutoCADEXEBrowse, [&](frmAutoCADEXEBrowse& p) {
    p.Dir1.SetPath("C:\\ACAD");
    user.ClickItem(p.File1, 0);
    ExpectMessage(kAppTitle,
                  "Would you like your \"Batch Script Output Path (tornavane.scr)\" location set automatically?")
        .Answer(ui::MsgAnswer::kNo);
    user.Click(p.cmdOK);
  });
  EXPECT_EQ(Dialog().tbAutoCadEXE.Text(), "C:\\ACAD\\acad.exe");
  EXPECT_EQ(Dialog().Text1.Text(), "C:\\keep.scr");
  EXPECT_TRUE(Dialog().optAltOutputPath.Value());
}

TEST_F(PickersTest, TheEditorPickerQuotesAProgramPathWithABlank) {
  fileSystem.AddFile("C:\\Program Files\\Editor\\edit.exe", "MZ");
  fileSystem.AddFile("C:\\Windows\\notepad.exe", "MZ");
  Open<frmTXTEDITORDirSelect>(&app::App::frmTXTEDITORDirSelect, [&](frmTXTEDITORDirSelect& p) {
    p.Dir1.SetPath("C:\\Program Files\\Editor");
    user.ClickItem(p.File1, 0);
    user.Click(p.TXTEDITORCommandOk);
  });
  EXPECT_EQ(Dialog().Text2.Text(), "\"C:\\Program Files\\Editor\\edit.exe\"");

  Open<frmTXTEDITORDirSelect>(&app::App::frmTXTEDITORDirSelect, [&](frmTXTEDITORDirSelect& p) {
    p.Dir1.SetPath("C:\\Windows");
    user.DblClickItem(p.File1, 0);
  });
  EXPECT_EQ(Dialog().Text2.Text(), "C:\\Windows\\notepad.exe");
}

TEST_F(PickersTest, TheQuotedEditorCanBeStartedByItsCommandLine) {
  fileSystem.AddFile("C:\\Program Files\\Editor\\edit.exe", "MZ");
  Open<frmTXTEDITORDirSelect>(&app::App::frmTXTEDITORDirSelect, [&](frmTXTEDITORDirSelect& p) {
    p.Dir1.SetPath("C:\\Program Files\\Editor");
    user.DblClickItem(p.File1, 0);
  });
  core::LaunchProgram(shell, fileSystem, backend, Dialog().Text2.Text() + " C:\\x.scr", 1);
  ASSERT_EQ(shell.executeCalls.size(), 1u);
  EXPECT_EQ(shell.executeCalls[0].file, "C:\\Program Files\\Editor\\edit.exe");
  EXPECT_EQ(shell.executeCalls[0].parameters, "C:\\x.scr");
  EXPECT_TRUE(shell.processCalls.empty());
}

TEST_F(PickersTest, TheScriptsFolderPickerWantsAFolderChangeAndWritesTheFolderAsShown) {
  fileSystem.AddDrive("D:", "");
  fileSystem.AddFolder("D:\\Scripts");
  Open<frmBrowseSCRIPSDir>(&app::App::frmBrowseSCRIPSDir, [&](frmBrowseSCRIPSDir& p) {
    EXPECT_FALSE(p.cmdOK.Enabled());
    user.ChooseDrive(p.Drive1, "d:");
    ASSERT_EQ(p.Dir1.ListCount(), 1);
    user.OpenItem(p.Dir1, 0);
    EXPECT_TRUE(p.cmdOK.Enabled());
    user.Click(p.cmdOK);
  });
  EXPECT_EQ(Dialog().tbScriptDir.Text(), "D:\\Scripts");
}

TEST_F(PickersTest, APickerHiddenByItsButtonsOpensAsItWasLeftAndOneClosedByTheCloseBoxStartsAfresh) {
  fileSystem.AddFolder("C:\\Scripts");
  Open<frmBrowseSCRIPSDir>(&app::App::frmBrowseSCRIPSDir, [&](frmBrowseSCRIPSDir& p) {
    p.Dir1.SetPath("C:\\Scripts");
    user.Click(p.cmdCancel);
  });
  Open<frmBrowseSCRIPSDir>(&app::App::frmBrowseSCRIPSDir, [&](frmBrowseSCRIPSDir& p) {
    EXPECT_EQ(p.Dir1.Path(), "C:\\Scripts");
    EXPECT_TRUE(p.cmdOK.Enabled());
    user.Close(p);
  });
  ctx.CollectRetired();
  Open<frmBrowseSCRIPSDir>(&app::App::frmBrowseSCRIPSDir, [&](frmBrowseSCRIPSDir& p) {
    EXPECT_EQ(p.Dir1.Path(), "C:\\");
    EXPECT_FALSE(p.cmdOK.Enabled());
    user.Click(p.cmdCancel);
  });
  EXPECT_EQ(Dialog().tbScriptDir.Text(), Main().settings.SCRIPTSDir);
}

TEST_F(PickersTest, ADriveThatDoesNotAnswerSendsThePickerBackToDriveC) {
  fileSystem.AddDrive("E:", "", false);
  Open<frmSCRDirSelect>(&app::App::frmSCRDirSelect, [&](frmSCRDirSelect& p) {
    ExpectMessage("Tornavane Alert", "That Drive is not responding...\rPlease select another drive!")
        .Buttons(ui::MsgButtons::kOk);
    user.ChooseDrive(p.Drive1, "e:");
    EXPECT_EQ(p.Drive1.Drive(), "c:");
    EXPECT_EQ(p.Dir1.Path(), "C:\\");
    EXPECT_TRUE(p.Visible());
    user.Click(p.SCRSelectCommandCancel);
  });
}

TEST_F(PickersTest, ADriveThatDoesNotAnswerWithDriveCDownTooSaysSoOnce) {
  fileSystem.AddDrive("E:", "", false);
  Open<frmSCRDirSelect>(&app::App::frmSCRDirSelect, [&](frmSCRDirSelect& p) {
    ExpectMessage("Tornavane Alert", "That Drive is not responding...\rPlease select another drive!");
    fileSystem.SetDriveReady("C:", false);
    user.ChooseDrive(p.Drive1, "e:");
    EXPECT_EQ(p.Drive1.Drive(), "c:");
    fileSystem.SetDriveReady("C:", true);
    user.Click(p.SCRSelectCommandCancel);
  });
}

TEST_F(PickersTest, TheExplorerButtonOpensTheFolderShown) {
  fileSystem.AddFolder("C:\\ACAD");
  Open<frmSCRDirSelect>(&app::App::frmSCRDirSelect, [&](frmSCRDirSelect& p) {
    p.Dir1.SetPath("C:\\ACAD");
    user.Click(p.SCRSelectExplorer);
    EXPECT_TRUE(p.Visible());
    user.Click(p.SCRSelectCommandCancel);
  });
  ASSERT_EQ(shell.executeCalls.size(), 1u);
  EXPECT_EQ(shell.executeCalls[0].file, "explorer.exe");
  EXPECT_EQ(shell.executeCalls[0].parameters, "/n,/e, C:\\ACAD");
}

class OutputFolderPickerTest : public PickersTest {
 protected:
  void OpenOverMain(std::function<void(frmOUTDirSelect&)> script) {
    OnModal<frmOUTDirSelect>(std::move(script));
    Main().Show();
    app.frmOUTDirSelect().Show(ui::ShowMode::kModal, &Main());
  }
};

TEST_F(OutputFolderPickerTest, StartsAtTheBrowsersFolderAndChoosesThisLocation) {
  fileSystem.AddFolder("C:\\Jobs\\A12");
  Main().Dir1.SetPath("C:\\Jobs\\A12");
  Main().optOriginalLocation.SetValue(true);
  OpenOverMain([&](frmOUTDirSelect& p) {
    EXPECT_EQ(p.Dir1.Path(), "C:\\Jobs\\A12");
    user.Click(p.OUTSelectCommandOk);
  });
  EXPECT_EQ(Main().tbSpecFolder.Text(), "C:\\Jobs\\A12\\");
  EXPECT_TRUE(Main().optSpecFolder.Value());
}

TEST_F(OutputFolderPickerTest, AtADriveRootWritesOneBackslash) {
  Main().Dir1.SetPath("C:\\");
  OpenOverMain([&](frmOUTDirSelect& p) { user.Click(p.OUTSelectCommandOk); });
  EXPECT_EQ(Main().tbSpecFolder.Text(), "C:\\");
}

}  // namespace
