#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "project_tag_manager_fixture.h"
#include "tags/frm_project_tag_manager_fs.h"

namespace tags_test {
namespace {

using Names = std::vector<std::string>;
using tags::frmProjectTagManager;
using tags::frmProjectTagManagerFS;

class ProjectTagManagerActionsTest : public ProjectTagManagerFixture {
 protected:
  // The user does not save the edits of the shown project before another one loads.
  void ExpectSwitchQuestion() {
    ExpectMessage("Settings Changed", "Would you like to save your changes before switching projects?")
        .Answer(ui::MsgAnswer::kNo);
  }
};

TEST_F(ProjectTagManagerActionsTest, DeleteRemovesTheFileTheNameBoxAndTabNameWithoutAQuestion) {
  AddProject("A.PRJ", "A", {"A1"});
  AddProject("B.PRJ", "B", {"B1"});
  frmProjectTagManager& manager = Manager();
  Pick(manager.ProjectList, "A.PRJ");
  user.Fill(manager.tbProjectName, "b");
  user.Click(manager.cmdDelete);
  EXPECT_FALSE(fileSystem.Exists(Data("B.PRJ")));
  EXPECT_EQ(Entries(manager.ProjectList), Names{"A.PRJ"});
  EXPECT_FALSE(manager.cmdDelete.Enabled());
  EXPECT_FALSE(manager.cmdProjMode.Enabled());
  EXPECT_EQ(manager.tbPD1[0].Text(), "A1");

  ExpectSwitchQuestion();
  Pick(manager.ProjectList, "A.PRJ");
  user.ChooseTab(manager.SSTabProjMode, 1);
  manager.cmdDelete.SetEnabled(true);
  ExpectMessage(kAppTitle, "Error 53 (File not found) in procedure cmdDelete_Click of Form frmProjectTagManager")
      .Buttons(ui::MsgButtons::kOk);
  user.Click(manager.cmdDelete);
  EXPECT_TRUE(fileSystem.Exists(Data("A.PRJ")));
  EXPECT_TRUE(manager.cmdDelete.Enabled());
}

TEST_F(ProjectTagManagerActionsTest, DeleteNeverReachesOutsideTheDataFolder) {
  fileSystem.AddFile("C:\\Program Files\\Tornavane\\X.PRJ", "");
  frmProjectTagManager& manager = Manager();
  user.Fill(manager.tbProjectName, "..\\X");
  manager.cmdDelete.SetEnabled(true);
  ExpectMessage(kAppTitle,
                "Error 52 (Bad file name or number) in procedure cmdDelete_Click of Form frmProjectTagManager");
  user.Click(manager.cmdDelete);
  EXPECT_TRUE(fileSystem.Exists("C:\\Program Files\\Tornavane\\X.PRJ"));
}

TEST_F(ProjectTagManagerActionsTest, TheModeButtonMovesTheSelectedProjectAndTheIndexWaitsForDone) {
  AddProject("JOB.PRJ", "J", {});
  AddProject("OLD.PRX", "O", {});
  fileSystem.AddFile(kIndex, "JOB.PRJ\r\n");
  frmProjectTagManager& manager = Manager();
  Pick(manager.ProjectList, "JOB.PRJ");
  user.Fill(manager.tbProjectName, "OTHER");
  user.Click(manager.cmdProjMode);
  EXPECT_EQ(Entries(manager.ProjectList), Names{});
  EXPECT_EQ(Entries(manager.ProjectInactiveList), (Names{"JOB.PRX", "OLD.PRX"}));
  EXPECT_FALSE(manager.cmdProjMode.Enabled());
  EXPECT_FALSE(manager.cmdDelete.Enabled());
  EXPECT_EQ(fileSystem.Contents(kIndex), "JOB.PRJ\r\n");

  user.ChooseTab(manager.SSTabProjMode, 1);
  ExpectSwitchQuestion();
  Pick(manager.ProjectInactiveList, "OLD.PRX");
  user.Click(manager.cmdProjMode);
  EXPECT_EQ(Entries(manager.ProjectList), Names{"OLD.PRJ"});
  user.Click(manager.cmdClose);
  EXPECT_EQ(fileSystem.Contents(kIndex), "OLD.PRJ\r\n");
}

TEST_F(ProjectTagManagerActionsTest, MakingInactiveOntoAnExistingInactiveProjectKeepsBothNames) {
  AddProject("JOB.PRJ", "NEW", {});
  AddProject("JOB.PRX", "OLD", {});
  frmProjectTagManager& manager = Manager();
  Pick(manager.ProjectList, "JOB.PRJ");
  ExpectMessage("File Access Error",
                "Attempting to rename file to C:\\PROGRAM FILES\\TORNAVANE\\DATA\\JOB.PRX, but a file with that name "
                "already exists.\r\nYou must delete or rename either the source or the destination to continue.")
      .Buttons(ui::MsgButtons::kOk)
      .Icon(ui::MsgIcon::kExclamation);
  user.Click(manager.cmdProjMode);
  EXPECT_EQ(core::ReadLineList(fileSystem, Data("JOB.PRJ"))[0], "NEW");
  EXPECT_EQ(core::ReadLineList(fileSystem, Data("JOB.PRX"))[0], "OLD");
  EXPECT_EQ(Entries(manager.ProjectList), Names{"JOB.PRJ"});
}

TEST_F(ProjectTagManagerActionsTest, DoneWritesTheActiveProjectsInListOrderAndHidesTheWindow) {
  AddProject("B.PRJ", "", {});
  AddProject("a.prj", "", {});
  AddProject("C.PRX", "", {});
  fileSystem.AddFile(kIndex, "GONE.PRJ\r\n");
  frmProjectTagManager& manager = Manager();
  user.Fill(manager.tbPD1[5], "KEPT");
  user.Click(manager.cmdClose);
  EXPECT_EQ(fileSystem.Contents(kIndex), "a.prj\r\nB.PRJ\r\n");
  EXPECT_FALSE(manager.Visible());
  EXPECT_EQ(Manager().tbPD1[5].Text(), "KEPT");
  EXPECT_TRUE(Manager().TagsChanged);
}

TEST_F(ProjectTagManagerActionsTest, TheCloseBoxLeavesTheIndexAndTheNextOpeningStartsAfresh) {
  AddProject("JOB.PRJ", "", {});
  fileSystem.AddFile(kIndex, "GONE.PRJ\r\n");
  frmProjectTagManager& manager = Manager();
  Pick(manager.ProjectList, "JOB.PRJ");
  user.Click(manager.cmdProjMode);
  user.Fill(manager.tbPD1[0], "DISCARDED");
  user.Close(manager);
  ctx.CollectRetired();
  EXPECT_EQ(fileSystem.Contents(kIndex), "GONE.PRJ\r\n");
  EXPECT_EQ(Manager().tbPD1[0].Text(), "");
  EXPECT_EQ(Entries(Manager().ProjectInactiveList), Names{"JOB.PRX"});
}

TEST_F(ProjectTagManagerActionsTest, AnIndexThatCannotBeWrittenIsReportedAndTheWindowStays) {
  AddProject("JOB.PRJ", "", {});
  fileSystem.AddFile(kIndex, "OLD.PRJ\r\n", platform::kAttrReadOnly);
  frmProjectTagManager& manager = Manager();
  ExpectMessage(kAppTitle,
                "The list of active projects could not be saved to\r\n"
                "C:\\Program Files\\Tornavane\\DATA\\PTAGMAN.DAT\r\n\r\nError 75 (Path/File access error)")
      .Buttons(ui::MsgButtons::kOk)
      .Icon(ui::MsgIcon::kExclamation);
  user.Click(manager.cmdClose);
  EXPECT_TRUE(manager.Visible());
  EXPECT_EQ(fileSystem.Contents(kIndex), "OLD.PRJ\r\n");
  EXPECT_EQ(fileSystem.Find(Data("*")).size(), 2u);
}

// ---- The folder picker --------------------------------------------------------------------

TEST_F(ProjectTagManagerActionsTest, ThePickerStartsAtTheBrowserAndGivesTheFolderInUpperCaseWithABackslash) {
  fileSystem.AddFolder("C:\\jobs\\p1");
  fileSystem.AddFolder("C:\\Base");
  Main().Dir1.SetPath("C:\\Base");
  frmProjectTagManager& manager = Manager();
  OnModal<frmProjectTagManagerFS>([&](frmProjectTagManagerFS& picker) {
    EXPECT_EQ(picker.Caption(), "Select Projects Folder");
    EXPECT_EQ(picker.Dir1.Path(), "C:\\Base");
    picker.Dir1.SetPath("C:\\jobs\\p1");
    user.Click(picker.OUTSelectExplorer);
    EXPECT_TRUE(picker.Visible());
    user.Click(picker.OUTSelectCommandOk);
  });
  user.Click(manager.cmdBrowse);
  EXPECT_EQ(manager.tbPath.Text(), "C:\\JOBS\\P1\\");
  EXPECT_TRUE(manager.TagsChanged);
  ASSERT_EQ(shell.executeCalls.size(), 1u);
  EXPECT_EQ(shell.executeCalls[0].file, "explorer.exe");
  EXPECT_EQ(shell.executeCalls[0].parameters, "/n,/e, C:\\jobs\\p1");

  OnModal<frmProjectTagManagerFS>([&](frmProjectTagManagerFS& picker) {
    EXPECT_EQ(picker.Dir1.Path(), "C:\\jobs\\p1");
    user.Click(picker.OUTSelectCommandCancel);
  });
  user.Click(manager.cmdBrowse);
  EXPECT_EQ(manager.tbPath.Text(), "C:\\JOBS\\P1\\");
}

TEST_F(ProjectTagManagerActionsTest, APickerDriveThatDoesNotAnswerFallsBackToDriveC) {
  fileSystem.AddDrive("E:", "", false);
  frmProjectTagManager& manager = Manager();
  OnModal<frmProjectTagManagerFS>([&](frmProjectTagManagerFS& picker) {
    ExpectMessage("Tornavane Alert", "That Drive is not responding...\rPlease select another drive!");
    user.ChooseDrive(picker.Drive1, "e:");
    EXPECT_EQ(picker.Drive1.Drive(), "c:");
    user.Click(picker.OUTSelectCommandCancel);
  });
  user.Click(manager.cmdBrowse);
  EXPECT_EQ(manager.tbPath.Text(), "");
}

TEST_F(ProjectTagManagerActionsTest, ToolsProjectTagManagerOpensTheManagerModallyOverTheMainWindow) {
  Main().Show();
  EXPECT_EQ(Main().mnuProjectTagManager.Caption(), "Project Tag &Manager");
  OnModal<frmProjectTagManager>([&](frmProjectTagManager& manager) {
    EXPECT_EQ(manager.Owner(), &Main());
    user.Fill(manager.tbPD1[0], "KEPT");
    user.Click(manager.cmdClose);
  });
  user.PressShortcut(Main(), ui::Shortcut::Ctrl('P'));
  OnModal<frmProjectTagManager>([&](frmProjectTagManager& manager) {
    EXPECT_EQ(manager.tbPD1[0].Text(), "KEPT");
    user.Click(manager.cmdClose);
  });
  user.ChooseMenu(Main().mnuProjectTagManager);
  EXPECT_EQ(fileSystem.Contents(kIndex), "");
}

}  // namespace
}  // namespace tags_test
