// Writing the batch script into a file the user picks, for one build, without changing the
// configured batch script path.

#include "batch/frm_write_script_to_loc.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "build_fixture.h"
#include "core/path_helpers.h"
#include "core/settings_model.h"
#include "platform/file_system.h"

namespace test {
namespace {

constexpr const char* kWritten = " Script Written";
constexpr const char* kWrittenText = "A batch script has been created in the following location:\r\n";

TEST(ScriptTargetTest, OneBackslashAndTheScrRule) {
  struct Case {
    const char* folder;
    const char* name;
    const char* target;
  };
  for (const Case& c : {Case{"C:\\Out", "plot", "C:\\Out\\plot.SCR"}, Case{"C:\\Out", "plot.scr", "C:\\Out\\plot.scr"},
                        Case{"C:\\Out", "Plot.Scr", "C:\\Out\\Plot.Scr"},
                        Case{"C:\\Out", "plot.txt", "C:\\Out\\plot.txt.SCR"}, Case{"D:\\", "plot", "D:\\plot.SCR"},
                        Case{"\\\\server\\share\\Jobs", "a.SCR", "\\\\server\\share\\Jobs\\a.SCR"}}) {
    EXPECT_EQ(batch::ScriptTarget(c.folder, c.name), c.target) << c.folder << " + " << c.name;
  }
  EXPECT_EQ(core::DriveRoot("d: [DATA]"), "d:\\");
  EXPECT_EQ(core::DriveRoot("c:"), "c:\\");
}

class WriteElsewhereTest : public BuildFixture {
 protected:
  WriteElsewhereTest() {
    Main().settings.ShowSCRComplete = 0;
    WorkedExampleQueue();
    fileSystem.AddFolder("C:\\Out");
    Main().Dir1.SetPath("C:\\Out");
  }

  // Opens the dialog from the Script menu; the user follows steps in it.
  void InDialog(std::function<void(batch::frmWriteScriptToLoc&)> steps) {
    OnModal<batch::frmWriteScriptToLoc>(std::move(steps));
    user.ChooseMenu(Main().mnuOutputOther);
  }
  void CreateAs(batch::frmWriteScriptToLoc& dialog, const std::string& name) {
    user.Fill(dialog.tbFileName, name);
    user.Click(dialog.cmdCreate);
  }
};

struct TargetCase {
  std::string name;
  std::string drive;  // chosen in the dialog; "" keeps the browser's folder
  std::string typed;
  std::string target;
};

class WriteElsewhereTargetTest : public WriteElsewhereTest, public ::testing::WithParamInterface<TargetCase> {};

TEST_P(WriteElsewhereTargetTest, WritesTheNamedFileOnceAndTheNextBuildGoesToTheConfiguredPath) {
  const TargetCase& c = GetParam();
  fileSystem.AddDrive("D:", "DATA");
  ExpectMessage(kWritten, kWrittenText + c.target).Buttons(ui::MsgButtons::kOk).Icon(ui::MsgIcon::kNone);
  InDialog([&](batch::frmWriteScriptToLoc& dialog) {
    if (!c.drive.empty()) user.ChooseDrive(dialog.Drive1, c.drive);
    CreateAs(dialog, c.typed);
    EXPECT_FALSE(dialog.Visible());
  });
  EXPECT_EQ(fileSystem.Contents(c.target), ReadGolden("worked_example"));
  EXPECT_EQ(Main().settings.SCROutputPath, kOutput);
  EXPECT_FALSE(fileSystem.Exists(kOutput));

  ClickCreate();
  EXPECT_EQ(Written(), ReadGolden("worked_example"));
}

INSTANTIATE_TEST_SUITE_P(Targets, WriteElsewhereTargetTest,
                         ::testing::Values(TargetCase{"BareName", "", "plot", "C:\\Out\\plot.SCR"},
                                           TargetCase{"LowerCaseScr", "", "plot.scr", "C:\\Out\\plot.scr"},
                                           TargetCase{"OtherExtension", "", "plot.txt", "C:\\Out\\plot.txt.SCR"},
                                           TargetCase{"DriveRoot", "d:", "plot", "D:\\plot.SCR"}),
                         [](const ::testing::TestParamInfo<TargetCase>& tested) { return tested.param.name; });

TEST_F(WriteElsewhereTest, CancelledVerificationWritesNothingAndSaysNothing) {
  Main().settings.VerifyFilesBit = 1;
  Main().List1.AddItem("C:\\DWG\\Gone.dwg");
  OnModal<batch::frmFileErrorReport>([this](batch::frmFileErrorReport& report) { user.Click(report.cmdCancel); });
  InDialog([&](batch::frmWriteScriptToLoc& dialog) { CreateAs(dialog, "plot"); });
  EXPECT_FALSE(fileSystem.Exists("C:\\Out\\plot.SCR"));
  EXPECT_EQ(Main().settings.SCROutputPath, kOutput);
  EXPECT_EQ(Main().settings.StopBatch, core::kTrue);
  EXPECT_TRUE(backend.Messages().empty());
}

TEST_F(WriteElsewhereTest, ReadOnlyTargetGivesTheBuildersMessageOnly) {
  fileSystem.AddFile("C:\\Out\\plot.SCR", "old", platform::kAttrReadOnly);
  ExpectMessage("Tornavane Alert",
                "Please confirm your Tornavane Batch Script OUTPUT Path and file are NOT READ-ONLY.\r\r(i.e. "
                "C:\\Out\\plot.SCR should NOT be READ-ONLY).\r");
  InDialog([&](batch::frmWriteScriptToLoc& dialog) { CreateAs(dialog, "plot"); });
  EXPECT_EQ(fileSystem.Contents("C:\\Out\\plot.SCR"), "old");
  EXPECT_EQ(Main().settings.SCROutputPath, kOutput);
  EXPECT_TRUE(Options().Visible());
}

TEST_F(WriteElsewhereTest, CreateIsEnabledOnlyWithAName) {
  InDialog([&](batch::frmWriteScriptToLoc& dialog) {
    EXPECT_FALSE(dialog.cmdCreate.Enabled());
    user.Fill(dialog.tbFileName, "plot");
    EXPECT_TRUE(dialog.cmdCreate.Enabled());
    user.Fill(dialog.tbFileName, "");
    EXPECT_FALSE(dialog.cmdCreate.Enabled());
    user.Click(dialog.cmdCancel);
  });
  EXPECT_TRUE(backend.Messages().empty());
}

TEST_F(WriteElsewhereTest, FileListFollowsTheFilterAndOpensWithTheShell) {
  fileSystem.AddFile("C:\\Out\\old.scr", "x");
  fileSystem.AddFile("C:\\Out\\notes.txt", "x");
  InDialog([&](batch::frmWriteScriptToLoc& dialog) {
    EXPECT_EQ(dialog.File1.Path(), "C:\\Out");
    ASSERT_EQ(dialog.File1.ListCount(), 1);
    user.ClickItem(dialog.File1, 0);
    EXPECT_EQ(dialog.tbFileName.Text(), "old.scr");
    user.DblClickItem(dialog.File1, 0);
    user.Fill(dialog.tbFilter, "*.*");
    EXPECT_EQ(dialog.File1.ListCount(), 2);
    user.Click(dialog.cmdCancel);
  });
  ASSERT_EQ(shell.executeCalls.size(), 1u);
  EXPECT_EQ(shell.executeCalls[0], (platform::fake::FakeShell::ExecuteCall{platform::fake::FakeShell::kDesktopWindow,
                                                                           "open", "C:\\Out\\old.scr", "", "c:\\", 5}));
}

TEST_F(WriteElsewhereTest, DeleteAsksAndIgnoresAFileItCannotDelete) {
  fileSystem.AddFile("C:\\Out\\old.scr", "x");
  fileSystem.AddFile("C:\\Out\\kept.scr", "x", platform::kAttrReadOnly);
  ExpectMessage("Confirm Delete", "Are you sure you want to delete kept.scr?")
      .Buttons(ui::MsgButtons::kYesNo)
      .Icon(ui::MsgIcon::kExclamation)
      .Answer(ui::MsgAnswer::kYes);
  ExpectMessage("Confirm Delete", "Are you sure you want to delete old.scr?").Answer(ui::MsgAnswer::kYes);
  InDialog([&](batch::frmWriteScriptToLoc& dialog) {
    user.Click(dialog.cmdDeleteSCR);  // nothing selected: no question
    user.ClickItem(dialog.File1, 0);
    user.Click(dialog.cmdDeleteSCR);
    ASSERT_EQ(dialog.File1.ListCount(), 2);
    user.ClickItem(dialog.File1, 1);
    user.Click(dialog.cmdDeleteSCR);
    EXPECT_EQ(dialog.File1.ListCount(), 1);
    user.Click(dialog.cmdCancel);
  });
  EXPECT_TRUE(fileSystem.Exists("C:\\Out\\kept.scr"));
  EXPECT_FALSE(fileSystem.Exists("C:\\Out\\old.scr"));
}

TEST_F(WriteElsewhereTest, DriveNotAnsweringWithDriveCDownToo) {
  fileSystem.AddDrive("D:", "", false);
  ExpectMessage("Tornavane Alert", "That Drive is not responding...\rPlease select another drive!");
  InDialog([&](batch::frmWriteScriptToLoc& dialog) {
    fileSystem.SetDriveReady("C:", false);
    user.ChooseDrive(dialog.Drive1, "d:");
    EXPECT_EQ(dialog.Drive1.Drive(), "c:");
    fileSystem.SetDriveReady("C:", true);
    user.Click(dialog.cmdCancel);
  });
}

}  // namespace
}  // namespace test
