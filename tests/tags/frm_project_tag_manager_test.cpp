#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "project_tag_manager_fixture.h"

namespace tags_test {
namespace {

using Names = std::vector<std::string>;

class ProjectTagManagerTest : public ProjectTagManagerFixture {
 protected:
  // The golden project typed into the manager under name, on the tab given.
  tags::frmProjectTagManager& Typed(const std::string& name, int tab = 0) {
    tags::frmProjectTagManager& manager = Manager();
    user.ChooseTab(manager.SSTabProjMode, tab);
    user.Fill(manager.tbProjectName, name);
    user.Fill(manager.tbPath, "C:\\JOBS\\*");
    user.Fill(manager.tbPD1[0], "ACME & SONS");
    user.Fill(manager.tbPD1[1], "Caf\xE9 \"North\" $FILENAME$");
    user.ChooseTab(manager.SSTab1, 3);
    user.Fill(manager.tbPD1[39], "LAST");
    user.ChooseTab(manager.SSTab1, 0);
    return manager;
  }
};

TEST_F(ProjectTagManagerTest, StartsOnTheActiveTabWithItsCommandsDisabledAndBothListsOfTheDataFolder) {
  AddProject("B.PRJ", "", {});
  AddProject("a.prj", "", {});
  AddProject("C.PRX", "", {});
  tags::frmProjectTagManager& manager = Manager();
  EXPECT_EQ(manager.Caption(), " Project Tag Manager");
  EXPECT_EQ(manager.SSTabProjMode.Tab(), 0);
  EXPECT_EQ(manager.cmdProjMode.Caption(), "Make Inactive");
  EXPECT_FALSE(manager.cmdSave.Enabled());
  EXPECT_FALSE(manager.cmdDelete.Enabled());
  EXPECT_FALSE(manager.cmdProjMode.Enabled());
  EXPECT_EQ(Entries(manager.ProjectList), (Names{"a.prj", "B.PRJ"}));
  EXPECT_EQ(Entries(manager.ProjectInactiveList), Names{"C.PRX"});
  EXPECT_EQ(manager.lblPD1[39].Caption(), "$PROJECTTAG40$");
  EXPECT_EQ(manager.SSTab1.TabCaption(3), "Tags 31-40");
  EXPECT_FALSE(manager.TagsChanged);
}

TEST_F(ProjectTagManagerTest, SaveWritesThePathAndTheFortyValuesAndListsTheProject) {
  tags::frmProjectTagManager& manager = Typed("JOB");
  EXPECT_TRUE(manager.TagsChanged);
  EXPECT_TRUE(manager.cmdSave.Enabled());
  user.Click(manager.cmdSave);
  EXPECT_EQ(fileSystem.Contents(Data("JOB.PRJ")), Golden("JOB.PRJ"));
  EXPECT_EQ(Entries(manager.ProjectList), Names{"JOB.PRJ"});
  EXPECT_FALSE(manager.TagsChanged);
}

struct NameCase {
  const char* typed;
  int tab;
  const char* file;
};

TEST_F(ProjectTagManagerTest, ANameKeepsATypedProjectExtensionAndOtherwiseGetsTheTabs) {
  const NameCase cases[] = {
      {"JOB.PRJ", 0, "JOB.PRJ"}, {"job.prx", 0, "job.prx"},   {"COMPRO", 0, "COMPRO.PRJ"},
      {"PLAN", 1, "PLAN.PRX"},   {"JOB2.PRJ", 1, "JOB2.PRJ"}, {"SITE.PR", 0, "SITE.PR.PRJ"},
  };
  for (const NameCase& c : cases) {
    SCOPED_TRACE(c.typed);
    user.Click(Typed(c.typed, c.tab).cmdSave);
    EXPECT_EQ(fileSystem.Contents(Data(c.file)), Golden("JOB.PRJ"));
    Names found;
    for (const auto& entry : fileSystem.Find(Data(c.file))) found.push_back(entry.name);
    EXPECT_EQ(found, Names{c.file});
  }
  EXPECT_EQ(Entries(Manager().ProjectList), (Names{"COMPRO.PRJ", "JOB.PRJ", "JOB2.PRJ", "SITE.PR.PRJ"}));
  EXPECT_EQ(Entries(Manager().ProjectInactiveList), (Names{"job.prx", "PLAN.PRX"}));
}

TEST_F(ProjectTagManagerTest, ANameThatCannotNameAFileOfTheDataFolderIsRefusedBeforeAnythingIsWritten) {
  for (const char* name :
       {"A/B", "A\\B", "..\\..\\EVIL", "..", "A\"B", "A:B", "A*", "A\tB", "CON", "nul", "COM1.PRJ", "lpt9 "}) {
    SCOPED_TRACE(name);
    tags::frmProjectTagManager& manager = Typed(name);
    ExpectMessage("File Name Error",
                  "File could not be created.\r\n(Possibly due to reserved characters in filename)...\r\n\r\n"
                  "Please do not use characters such as\r\n/ : * ? \" < > |")
        .Buttons(ui::MsgButtons::kOk)
        .Icon(ui::MsgIcon::kCritical);
    user.Click(manager.cmdSave);
    EXPECT_TRUE(manager.TagsChanged);
  }
  EXPECT_TRUE(fileSystem.Find(Data("*")).empty());
  EXPECT_FALSE(fileSystem.Exists("C:\\EVIL.PRJ"));
}

TEST_F(ProjectTagManagerTest, SaveWithAnEmptyNameDoesNothing) {
  tags::frmProjectTagManager& manager = Typed("");
  manager.cmdSave.SetEnabled(true);
  user.Click(manager.cmdSave);
  EXPECT_TRUE(fileSystem.Find(Data("*")).empty());
  EXPECT_TRUE(manager.TagsChanged);
}

TEST_F(ProjectTagManagerTest, AWriteProtectedProjectAsksToRetryAndKeepsTheOldFileOnCancel) {
  AddProject("JOB.PRJ", "OLD", {"OLD VALUE"});
  const std::string old = fileSystem.Contents(Data("JOB.PRJ"));
  fileSystem.SetAttributes(Data("JOB.PRJ"), platform::kAttrReadOnly);
  tags::frmProjectTagManager& manager = Typed("JOB");
  const char* text =
      "The File you are attempting to save is 'Write Protected'.\r\n"
      "Please change the files attribute to READ/WRITE and RETRY to save your changes.";
  ExpectMessage("File Access Error", text)
      .Buttons(ui::MsgButtons::kRetryCancel)
      .Icon(ui::MsgIcon::kExclamation)
      .Answer(ui::MsgAnswer::kRetry);
  ExpectMessage("File Access Error", text).Answer(ui::MsgAnswer::kCancel);
  user.Click(manager.cmdSave);
  EXPECT_EQ(fileSystem.Contents(Data("JOB.PRJ")), old);
  EXPECT_TRUE(manager.TagsChanged);

  fileSystem.SetAttributes(Data("JOB.PRJ"), platform::kAttrNormal);
  fileSystem.FailNextWrite(runtime::kPathFileAccessError);
  ExpectMessage("File Access Error", text).Answer(ui::MsgAnswer::kRetry);
  user.Click(manager.cmdSave);
  EXPECT_EQ(fileSystem.Contents(Data("JOB.PRJ")), Golden("JOB.PRJ"));
  EXPECT_FALSE(manager.TagsChanged);
}

TEST_F(ProjectTagManagerTest, AnyOtherFailedSaveIsQuietAndKeepsTheOldFile) {
  AddProject("JOB.PRJ", "OLD", {});
  const std::string old = fileSystem.Contents(Data("JOB.PRJ"));
  tags::frmProjectTagManager& manager = Typed("JOB");
  fileSystem.FailNextWrite(runtime::kDiskFull);
  user.Click(manager.cmdSave);
  EXPECT_EQ(fileSystem.Contents(Data("JOB.PRJ")), old);
  EXPECT_TRUE(manager.TagsChanged);
  EXPECT_EQ(fileSystem.Find(Data("*")).size(), 1u);
}

TEST_F(ProjectTagManagerTest, WithoutADataFolderTheListsAreEmptyAndSaveSaysSo) {
  fileSystem.RemoveFolder("C:\\Program Files\\Tornavane\\DATA");
  fileSystem.AddFile(std::string(kProgramFolder) + "\\STRAY.PRJ", "");
  fileSystem.SetCurrentFolder(kProgramFolder);
  tags::frmProjectTagManager& manager = Typed("JOB");
  EXPECT_EQ(manager.ProjectList.ListCount(), 0);
  ExpectMessage(kAppTitle,
                "/DATA/ directory does not exist in the Tornavane directory...\r\n"
                " Please create it, and try saving again.");
  user.Click(manager.cmdSave);
  EXPECT_EQ(manager.ProjectList.ListCount(), 0);
  EXPECT_TRUE(manager.TagsChanged);
}

// ---- Loading a project --------------------------------------------------------------------

TEST_F(ProjectTagManagerTest, ClickingAProjectLoadsItAndEnablesItsCommands) {
  AddProject("JOB.PRJ", "C:\\JOBS\\*", {"ACME", "", "THIRD"});
  AddProject("OLD.PRX", "D:\\", {"GONE"});
  tags::frmProjectTagManager& manager = Manager();
  Pick(manager.ProjectList, "JOB.PRJ");
  EXPECT_EQ(manager.tbPath.Text(), "C:\\JOBS\\*");
  std::vector<std::string> expected(40);
  expected[0] = "ACME";
  expected[2] = "THIRD";
  EXPECT_EQ(Values(manager), expected);
  EXPECT_EQ(manager.tbProjectName.Text(), "JOB");
  EXPECT_TRUE(manager.cmdSave.Enabled());
  EXPECT_TRUE(manager.cmdDelete.Enabled());
  EXPECT_TRUE(manager.cmdProjMode.Enabled());
  EXPECT_FALSE(manager.TagsChanged);

  user.ChooseTab(manager.SSTabProjMode, 1);
  EXPECT_EQ(manager.cmdProjMode.Caption(), "Make Active");
  EXPECT_FALSE(manager.cmdSave.Enabled());
  EXPECT_FALSE(manager.cmdDelete.Enabled());
  EXPECT_FALSE(manager.cmdProjMode.Enabled());
}

TEST_F(ProjectTagManagerTest, AShortFileEmptiesTheBoxesItHasNoLineFor) {
  AddProject("FULL.PRJ", "F", std::vector<std::string>(40, "FULL"));
  fileSystem.AddFile(Data("SHORT.PRJ"), "C:\\S\\\r\nV1\r\nV2\r\n");
  tags::frmProjectTagManager& manager = Manager();
  Pick(manager.ProjectList, "FULL.PRJ");
  Pick(manager.ProjectList, "SHORT.PRJ");
  std::vector<std::string> expected(40);
  expected[0] = "V1";
  expected[1] = "V2";
  EXPECT_EQ(manager.tbPath.Text(), "C:\\S\\");
  EXPECT_EQ(Values(manager), expected);
  EXPECT_EQ(manager.tbProjectName.Text(), "SHORT");
  user.Click(manager.cmdSave);
  EXPECT_EQ(core::ReadLineList(fileSystem, Data("SHORT.PRJ")).size(), 41u);
}

struct BadFileCase {
  const char* bytes;
  const char* message;
};

TEST_F(ProjectTagManagerTest, AnEmptyOrOverlongFileIsReportedAndLeavesTheShownProjectsName) {
  std::string overlong = "P\r\n";
  for (int i = 1; i <= 41; ++i) overlong += "V" + std::to_string(i) + "\r\n";
  const BadFileCase cases[] = {
      {"", "Error 62 (Input past end of file) in procedure ManageProjectLists of Form frmProjectTagManager"},
      {overlong.c_str(),
       "Error 9 (Subscript out of range) in procedure ManageProjectLists of Form frmProjectTagManager"},
  };
  AddProject("GOOD.PRJ", "G", {});
  for (const BadFileCase& c : cases) {
    fileSystem.AddFile(Data("BAD.PRJ"), c.bytes);
    tags::frmProjectTagManager& manager = Manager();
    manager.ProjectList.Refresh();
    Pick(manager.ProjectList, "GOOD.PRJ");
    ExpectMessage(kAppTitle, c.message).Buttons(ui::MsgButtons::kOk);
    Pick(manager.ProjectList, "BAD.PRJ");
    EXPECT_EQ(manager.tbProjectName.Text(), "GOOD");
    fileSystem.DeleteFile(Data("BAD.PRJ"));
    manager.TagsChanged = false;
  }
  EXPECT_EQ(Manager().tbPD1[39].Text(), "V40");
}

TEST_F(ProjectTagManagerTest, UnsavedChangesAreOfferedForSavingBeforeAnotherProjectLoads) {
  AddProject("A.PRJ", "A", {"A1"});
  AddProject("B.PRJ", "B", {"B1"});
  tags::frmProjectTagManager& manager = Manager();
  Pick(manager.ProjectList, "A.PRJ");
  user.Fill(manager.tbPD1[0], "EDITED");
  ExpectMessage("Settings Changed", "Would you like to save your changes before switching projects?")
      .Buttons(ui::MsgButtons::kYesNo)
      .Icon(ui::MsgIcon::kExclamation)
      .Answer(ui::MsgAnswer::kYes);
  Pick(manager.ProjectList, "B.PRJ");
  EXPECT_EQ(core::ReadLineList(fileSystem, Data("A.PRJ"))[1], "EDITED");
  EXPECT_EQ(manager.tbPath.Text(), "A");
  EXPECT_EQ(manager.tbProjectName.Text(), "A");
  EXPECT_FALSE(manager.TagsChanged);

  user.Fill(manager.tbPD1[0], "DROPPED");
  ExpectMessage("Settings Changed", "Would you like to save your changes before switching projects?")
      .Answer(ui::MsgAnswer::kNo);
  Pick(manager.ProjectList, "B.PRJ");
  EXPECT_EQ(manager.tbPD1[0].Text(), "B1");
  EXPECT_EQ(core::ReadLineList(fileSystem, Data("A.PRJ"))[1], "EDITED");
}

TEST_F(ProjectTagManagerTest, ClearEmptiesTheValuesOnlyAfterTheUserAgrees) {
  AddProject("A.PRJ", "A", std::vector<std::string>(40, "V"));
  tags::frmProjectTagManager& manager = Manager();
  Pick(manager.ProjectList, "A.PRJ");
  ExpectMessage("Confirmation", "Are you sure you want to clear all 40 ProjectTags?")
      .Buttons(ui::MsgButtons::kYesNo)
      .Icon(ui::MsgIcon::kExclamation)
      .Answer(ui::MsgAnswer::kNo);
  user.Click(manager.cmdClear);
  EXPECT_EQ(Values(manager), std::vector<std::string>(40, "V"));
  EXPECT_FALSE(manager.TagsChanged);

  ExpectMessage("Confirmation", "Are you sure you want to clear all 40 ProjectTags?").Answer(ui::MsgAnswer::kYes);
  user.Click(manager.cmdClear);
  EXPECT_EQ(Values(manager), std::vector<std::string>(40));
  EXPECT_EQ(manager.tbPath.Text(), "A");
  EXPECT_EQ(manager.tbProjectName.Text(), "A");
  EXPECT_TRUE(manager.TagsChanged);
  user.Click(manager.cmdSave);
  std::string emptyValues;
  for (int i = 0; i < 40; ++i) emptyValues += "\r\n";
  EXPECT_EQ(fileSystem.Contents(Data("A.PRJ")), "A\r\n" + emptyValues);
}

}  // namespace
}  // namespace tags_test
