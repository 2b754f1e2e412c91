// The layout wizard's templates and state file: the 100-line record, where it is written and
// read, and the rows it brings back after closing and after a restart.
#include <gtest/gtest.h>

#include <string>

#include "app/program_run.h"
#include "wizard_fixture.h"
#include "wizards/frm_layout_wiz.h"

namespace test {
namespace {

using wizards::frmLayoutWiz;
using wizards::kLayoutRowCount;

constexpr const char* kState = "C:\\Program Files\\Tornavane\\DATA\\drafter1-LTW.tmp";

std::string Data(const std::string& name) {
  return std::string("C:\\Program Files\\Tornavane\\DATA\\") + name;
}

// n lines "L<i>" (i from 1), each ended by CR LF.
std::string NumberedLines(int n) {
  std::string text;
  for (int i = 1; i <= n; ++i) text += "L" + std::to_string(i) + "\r\n";
  return text;
}

// Fills a few rows on several pages, empty boxes between them.
void FillSomeRows(ui::headless::User& user, frmLayoutWiz& wizard) {
  user.Fill(wizard.Text1(0), "Layout1");
  user.Fill(wizard.Combo1(0), "Sheet-$FILENAME$");
  user.ChooseTab(wizard.SSTab1, 1);
  user.Fill(wizard.Combo1(11), "Only new");
  user.ChooseTab(wizard.SSTab1, 4);
  user.Fill(wizard.Text1(49), "Last");
}

// The record of FillSomeRows: tab names, then new names.
std::string SomeRowsRecord() {
  std::string record;
  for (int i = 0; i < kLayoutRowCount; ++i)
    record += (i == 0 ? "Layout1" : i == 49 ? "Last" : "") + std::string("\r\n");
  for (int i = 0; i < kLayoutRowCount; ++i) {
    record += (i == 0 ? "Sheet-$FILENAME$" : i == 11 ? "Only new" : "") + std::string("\r\n");
  }
  return record;
}

void ExpectSomeRows(frmLayoutWiz& wizard) {
  for (int i = 0; i < kLayoutRowCount; ++i) {
    EXPECT_EQ(wizard.Text1(i).Text(), i == 0 ? "Layout1" : i == 49 ? "Last" : "") << i;
    EXPECT_EQ(wizard.Combo1(i).Text(), i == 0 ? "Sheet-$FILENAME$" : i == 11 ? "Only new" : "") << i;
  }
}

class LayoutTemplatesTest : public WizardFixture {
 protected:
  void OpenLayouts(std::function<void(frmLayoutWiz&)> script) {
    Open<frmLayoutWiz>(Main().mnuRenameLayoutTabs, script);
  }
};

// The state file is written before the user script changes, and again by the close box.
TEST_F(LayoutTemplatesTest, CreateWritesTheStateFileFirstAndTheCloseBoxAgain) {
  OpenLayouts([&](frmLayoutWiz& wizard) {
    FillSomeRows(user, wizard);
    ui::TextBox& text1 = Main().Text1;
    text1.onChange = [&, handler = text1.onChange] {
      EXPECT_EQ(fileSystem.Contents(kState), SomeRowsRecord());
      handler();
    };
    ExpectDone();
    user.Click(wizard.Command1);
  });
  EXPECT_EQ(fileSystem.Contents(kState), SomeRowsRecord());
  fileSystem.DeleteFile(kState);
  OpenLayouts([&](frmLayoutWiz& wizard) { user.Close(wizard); });
  EXPECT_EQ(fileSystem.Contents(kState), SomeRowsRecord());
}

// A read-only state file: Create says so and writes the script all the same.
TEST_F(LayoutTemplatesTest, AStateFileThatCannotBeWrittenDoesNotStopTheScript) {
  const std::string old = NumberedLines(100);
  fileSystem.AddFile(kState, old, platform::kAttrReadOnly);
  OpenLayouts([&](frmLayoutWiz& wizard) {
    user.Click(wizard.cmdClear);
    user.Fill(wizard.Text1(0), "Layout1");
    user.Click(wizard.Option1[1]);
    ExpectMessage("Tornavane for AutoCAD", std::string("File is Write protected...\r\n") + kState + "\r\n");
    ExpectDone();
    user.Click(wizard.Command1);
  });
  EXPECT_EQ(UserScript(), ";-------------\r\n-LAYOUT\r\nDELETE\r\nLayout1\r\n;-------------");
  EXPECT_EQ(fileSystem.Contents(kState), old);
}

// A 60-line template sets the 50 tab names and the new names of rows 1 to 10, says once that
// it is short, and leaves the other new names as they were.
TEST_F(LayoutTemplatesTest, AShortTemplateSetsWhatItHolds) {
  fileSystem.AddFile(Data("Short.ltw"), NumberedLines(60));
  OpenLayouts([&](frmLayoutWiz& wizard) {
    for (int i = 0; i < kLayoutRowCount; ++i) wizard.Combo1(i).SetText("keep");
    ASSERT_EQ(wizard.cmbLTWSelector.ListCount(), 1);
    EXPECT_EQ(wizard.cmbLTWSelector.List(0), "SHORT");
    ExpectMessage("Error", "Input past end-of file... file may be corrupted...\r\n" + Data("SHORT.ltw"))
        .Icon(ui::MsgIcon::kExclamation);
    user.ClickItem(wizard.cmbLTWSelector, 0);
    for (int i = 0; i < kLayoutRowCount; ++i) {
      EXPECT_EQ(wizard.Text1(i).Text(), "L" + std::to_string(i + 1)) << i;
      EXPECT_EQ(wizard.Combo1(i).Text(), i < 10 ? "L" + std::to_string(i + 51) : "keep") << i;
    }
    EXPECT_TRUE(wizard.cmdSaveLTW.Enabled());
    EXPECT_TRUE(wizard.cmdDeleteLTW.Enabled());
    user.Close(wizard);
  });
}

TEST_F(LayoutTemplatesTest, SaveWritesTheRecordUnderTheTypedNameAndDeleteRemovesIt) {
  OpenLayouts([&](frmLayoutWiz& wizard) {
    FillSomeRows(user, wizard);
    user.Fill(wizard.cmbLTWSelector, "Plans");
    user.Click(wizard.cmdSaveLTW);
    EXPECT_EQ(fileSystem.Contents(Data("Plans.ltw")), SomeRowsRecord());
    user.Click(wizard.Frame2);
    ASSERT_EQ(wizard.cmbLTWSelector.ListCount(), 1);
    EXPECT_FALSE(wizard.cmdDeleteLTW.Enabled());
    user.ClickItem(wizard.cmbLTWSelector, 0);
    user.Click(wizard.cmdDeleteLTW);
    EXPECT_FALSE(fileSystem.Exists(Data("Plans.ltw")));
    EXPECT_EQ(wizard.cmbLTWSelector.ListCount(), 0);
    user.Close(wizard);
  });
}

TEST_F(LayoutTemplatesTest, TheRowsComeBackAfterTheCloseBox) {
  OpenLayouts([&](frmLayoutWiz& wizard) {
    FillSomeRows(user, wizard);
    user.Click(wizard.Option1[2]);
    user.Close(wizard);
  });
  ctx.CollectRetired();
  OpenLayouts([&](frmLayoutWiz& wizard) {
    ExpectSomeRows(wizard);
    EXPECT_TRUE(wizard.Option1[0].Value());
    user.Close(wizard);
  });
}

// A restart: the second run of the program reads what the first one's wizard left.
class LayoutRestartTest : public AppFixture {};

TEST_F(LayoutRestartTest, TheRowsComeBackAfterARestart) {
  fileSystem.AddFolder(std::string(kProgramFolder) + "\\SCRIPTS");
  fileSystem.AddFolder(std::string(kProgramFolder) + "\\SCRIPTS-SIMPLE");
  for (int run = 0; run < 2; ++run) {
    ProgramRun program(services, clock);
    program.Start();
    program.backend.OnModal<frmLayoutWiz>([&](frmLayoutWiz& wizard) {
      if (run == 0) {
        EXPECT_EQ(wizard.Text1(0).Text(), "");
        FillSomeRows(program.user, wizard);
      } else {
        ExpectSomeRows(wizard);
      }
      program.user.Close(wizard);
    });
    program.user.ChooseMenu(program.Main().mnuRenameLayoutTabs);
    program.Close();
  }
  EXPECT_EQ(fileSystem.Contents(kState), SomeRowsRecord());
}

}  // namespace
}  // namespace test
