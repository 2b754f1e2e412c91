// The page setup wizard and its drawing picker over the fake file system.
#include <gtest/gtest.h>

#include <string>

#include "wizard_fixture.h"
#include "wizards/frm_page_setup_in_wiz.h"
#include "wizards/frm_page_setup_wiz_select.h"

namespace test {
namespace {

using wizards::frmPageSetupInWiz;
using wizards::frmPageSetupWizSelect;

constexpr const char* kNotResponding = "That Drive is not responding...\rPlease select a different drive!";

class PageSetupWizTest : public WizardFixture {
 protected:
  PageSetupWizTest() {
    fileSystem.AddFile("C:\\Std\\Plot setups.dwg", "AC1032");
    fileSystem.AddFile("C:\\Std\\Title.DWG", "AC1032");
    fileSystem.AddFile("C:\\Std\\notes.txt", "x");
    fileSystem.AddFolder("C:\\Std\\Old");
    fileSystem.AddFile("C:\\root.dwg", "AC1032");
  }

  void OpenWizard(std::function<void(frmPageSetupInWiz&)> script) {
    Open<frmPageSetupInWiz>(Main().mnuCopyPageSetups, script);
  }
  // Opens the wizard, runs the script in its picker, and cancels the wizard; the wizard's
  // source box as the picker left it.
  std::string Pick(std::function<void(frmPageSetupWizSelect&)> script) {
    std::string source;
    OpenWizard([&](frmPageSetupInWiz& wizard) {
      OnModal<frmPageSetupWizSelect>([&](frmPageSetupWizSelect& picker) {
        EXPECT_EQ(picker.Owner(), &wizard);
        script(picker);
      });
      user.Click(wizard.cmdSelectFile);
      source = wizard.Text1.Text();
      user.Click(wizard.cmdCancel);
    });
    return source;
  }
  static int IndexOf(ui::ListControl& list, const std::string& name) {
    for (int i = 0; i < list.ListCount(); ++i) {
      if (list.List(i) == name) return i;
    }
    ADD_FAILURE() << name << " is not listed";
    return 0;
  }
};

TEST_F(PageSetupWizTest, PickedDrawingAndNameMakeTheBlock) {
  Main().Dir1.SetPath("C:\\Std");
  Main().Text1.SetText("ZOOM\r\nE\r\n");
  OpenWizard([&](frmPageSetupInWiz& wizard) {
    EXPECT_EQ(wizard.Owner(), &Main());
    EXPECT_EQ(wizard.Text2.Text(), "<default>");
    OnModal<frmPageSetupWizSelect>([&](frmPageSetupWizSelect& picker) {
      EXPECT_EQ(picker.Dir1.Path(), "C:\\Std");
      EXPECT_FALSE(picker.cmdSelect.Enabled());
      user.ClickItem(picker.File1, IndexOf(picker.File1, "Plot setups.dwg"));
      EXPECT_TRUE(picker.cmdSelect.Enabled());
      user.Click(picker.cmdSelect);
      EXPECT_FALSE(picker.Visible());
    });
    user.Click(wizard.cmdSelectFile);
    EXPECT_EQ(wizard.Text1.Text(), "C:\\Std\\Plot setups.dwg");
    user.Fill(wizard.Text2, "A1 Plot");
    ExpectDone();
    user.Click(wizard.cmdCreate);
    EXPECT_FALSE(wizard.Visible());
  });
  EXPECT_EQ(UserScript(),
            "ZOOM\r\nE\r\n;-------------\r\n_EXPERT 2\r\n_-PSETUPIN\r\n\"C:\\Std\\Plot setups.dwg\"\r\n\"A1 "
            "Plot\"\r\n_EXPERT 0\r\n;-------------");
  OpenWizard([&](frmPageSetupInWiz& wizard) {
    EXPECT_EQ(wizard.Text1.Text(), "C:\\Std\\Plot setups.dwg");
    EXPECT_EQ(wizard.Text2.Text(), "A1 Plot");
    user.Close(wizard);
  });
  ctx.CollectRetired();
  OpenWizard([&](frmPageSetupInWiz& wizard) {
    EXPECT_EQ(wizard.Text1.Text(), "");
    EXPECT_EQ(wizard.Text2.Text(), "<default>");
    user.Click(wizard.cmdCancel);
  });
}

TEST_F(PageSetupWizTest, ADrawingInADriveRootGetsOneBackslash) {
  EXPECT_EQ(Pick([&](frmPageSetupWizSelect& picker) {
              EXPECT_EQ(picker.Dir1.Path(), "C:\\");
              user.ClickItem(picker.File1, IndexOf(picker.File1, "root.dwg"));
              user.Click(picker.cmdSelect);
            }),
            "C:\\root.dwg");
}

// "Select" needs a drawing clicked in the folder shown: a folder change or a click on any
// other name takes it away.
TEST_F(PageSetupWizTest, SelectNeedsADrawingClickedInTheFolderShown) {
  Main().Dir1.SetPath("C:\\Std");
  const std::string source = Pick([&](frmPageSetupWizSelect& picker) {
    user.ClickItem(picker.File1, IndexOf(picker.File1, "Title.DWG"));
    EXPECT_TRUE(picker.cmdSelect.Enabled());
    picker.File1.SetPattern("*.*");
    user.ClickItem(picker.File1, IndexOf(picker.File1, "notes.txt"));
    EXPECT_FALSE(picker.cmdSelect.Enabled());
    user.ClickItem(picker.File1, IndexOf(picker.File1, "Title.DWG"));
    user.OpenItem(picker.Dir1, 0);
    EXPECT_EQ(picker.Dir1.Path(), "C:\\Std\\Old");
    EXPECT_FALSE(picker.cmdSelect.Enabled());
    user.Click(picker.cmdCancel);
  });
  EXPECT_EQ(source, "");
}

// Cancel leaves the source box; the picker keeps its place, and only its first load takes
// the main window's browser folder.
TEST_F(PageSetupWizTest, CancelKeepsTheSourceAndThePickerKeepsItsFolder) {
  OpenWizard([&](frmPageSetupInWiz& wizard) {
    user.Fill(wizard.Text1, "D:\\typed.dwg");
    user.Click(wizard.cmdCancel);
  });
  const std::string source = Pick([&](frmPageSetupWizSelect& picker) {
    picker.Dir1.SetPath("C:\\Std\\Old");
    user.Click(picker.cmdCancel);
  });
  EXPECT_EQ(source, "D:\\typed.dwg");
  Main().Dir1.SetPath("C:\\Std");
  Pick([&](frmPageSetupWizSelect& picker) {
    EXPECT_EQ(picker.Dir1.Path(), "C:\\Std\\Old");
    user.Click(picker.cmdCancel);
  });
}

TEST_F(PageSetupWizTest, ADriveNotReadySendsThePickerBackToDriveC) {
  fileSystem.AddDrive("E:", "", false);
  Main().Dir1.SetPath("C:\\Std");
  Pick([&](frmPageSetupWizSelect& picker) {
    ExpectMessage("Tornavane for AutoCAD", kNotResponding).Buttons(ui::MsgButtons::kOk).Icon(ui::MsgIcon::kNone);
    user.ChooseDrive(picker.Drive1, "e:");
    EXPECT_EQ(picker.Drive1.Drive(), "c:");
    EXPECT_EQ(picker.Dir1.Path(), "C:\\");
    EXPECT_EQ(picker.File1.Path(), "C:\\");
    EXPECT_EQ(picker.File1.List(0), "root.dwg");
    EXPECT_TRUE(picker.Visible());
    user.Click(picker.cmdCancel);
  });
}

TEST_F(PageSetupWizTest, ADriveNotReadyWithDriveCDownTooSaysSoOnce) {
  fileSystem.AddDrive("E:", "", false);
  Main().Dir1.SetPath("C:\\Std");
  Pick([&](frmPageSetupWizSelect& picker) {
    ExpectMessage("Tornavane for AutoCAD", kNotResponding);
    fileSystem.SetDriveReady("C:", false);
    user.ChooseDrive(picker.Drive1, "e:");
    fileSystem.SetDriveReady("C:", true);
    EXPECT_EQ(picker.Dir1.Path(), "C:\\Std");
    EXPECT_EQ(picker.File1.ListCount(), 2);
    user.Click(picker.cmdCancel);
  });
}

TEST_F(PageSetupWizTest, AnotherDriveFailureNamesTheProcedure) {
  fileSystem.AddDrive("F:", "DATA");
  fileSystem.FailOn("F:\\", runtime::kDeviceIoError);
  Main().Dir1.SetPath("C:\\Std");
  Pick([&](frmPageSetupWizSelect& picker) {
    ExpectMessage("Tornavane for AutoCAD",
                  "Error 57 (Device I/O error) in procedure Drive1_Change of Form frmPageSetupWizSelect");
    user.ChooseDrive(picker.Drive1, "f:");
    EXPECT_EQ(picker.Drive1.Drive(), "f: [DATA]");
    EXPECT_EQ(picker.Dir1.Path(), "C:\\Std");
    user.Click(picker.cmdCancel);
  });
}

}  // namespace
}  // namespace test
