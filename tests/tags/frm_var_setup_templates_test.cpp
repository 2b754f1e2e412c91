#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/text_file.h"
#include "user_tags_fixture.h"

namespace tags_test {
namespace {

using tags::frmVARSetup;

class UserTagTemplatesTest : public UserTagsFixture {
 protected:
  // The dialog with the given template files listed.
  frmVARSetup& WithTemplates(const std::vector<std::pair<std::string, std::uint32_t>>& files) {
    for (const auto& [name, attributes] : files) fileSystem.AddFile(TemplatePath(name), GoldenTemplate(), attributes);
    return Reloaded();
  }
  int IndexOf(const ui::ComboBox& list, const std::string& entry) {
    for (int i = 0; i < list.ListCount(); ++i) {
      if (list.List(i) == entry) return i;
    }
    ADD_FAILURE() << "no list entry " << entry;
    return -1;
  }
  void Pick(frmVARSetup& dialog, const std::string& entry) {
    user.ClickItem(dialog.cmbTAGSelector, IndexOf(dialog.cmbTAGSelector, entry));
  }
  void ExpectLocked(frmVARSetup& dialog, bool locked) {
    EXPECT_EQ(dialog.chkLock.Value(), locked ? 1 : 0);
    EXPECT_EQ(dialog.cmdDelTAG.Enabled(), !locked);
    EXPECT_EQ(dialog.cmdSaveTAG.Enabled(), !locked);
  }
  bool NothingStored() {
    for (const auto& entry : settings.Entries()) {
      if (entry.section == "UserTags") return false;
    }
    return true;
  }
};

TEST_F(UserTagTemplatesTest, SaveWritesTheFiftyBoxesAndListsTheNameAsTyped) {
  frmVARSetup& dialog = Shown();
  FillTags(dialog, GoldenValues());
  user.Fill(dialog.cmbTAGSelector, "Site Plans");
  user.Click(dialog.cmdSaveTAG);
  EXPECT_EQ(fileSystem.Contents(TemplatePath("Site Plans")), GoldenTemplate());
  EXPECT_EQ(ListEntries(dialog.cmbTAGSelector), std::vector<std::string>{"Site Plans"});
  EXPECT_EQ(Main().settings.TAG[0], "GADGETS && CO.");
  EXPECT_EQ(Main().settings.TAG[3], "REVISION B");
  EXPECT_TRUE(NothingStored());
}

TEST_F(UserTagTemplatesTest, SavingAListedTemplateAgainOverwritesItWithoutASecondEntry) {
  frmVARSetup& dialog = WithTemplates({{"SITE PLANS", platform::kAttrArchive}});
  Pick(dialog, "SITE PLANS");
  dialog.tbTag(50).SetText("REVISED");
  user.Click(dialog.cmdSaveTAG);
  std::vector<std::string> lines = core::ReadLineList(fileSystem, TemplatePath("SITE PLANS"));
  ASSERT_EQ(lines.size(), 50U);
  EXPECT_EQ(lines[49], "REVISED");
  EXPECT_EQ(lines[0], "GADGETS && CO.");
  EXPECT_EQ(ListEntries(dialog.cmbTAGSelector), std::vector<std::string>{"SITE PLANS"});
}

TEST_F(UserTagTemplatesTest, SavingUnderANameListedInAnotherCaseOverwritesThatFileAndAddsTheName) {
  frmVARSetup& dialog = WithTemplates({{"SITE PLANS", platform::kAttrArchive}});
  FillTags(dialog, tags::TemplateValues{});
  user.Fill(dialog.cmbTAGSelector, "Site Plans");
  user.Click(dialog.cmdSaveTAG);
  EXPECT_EQ(core::ReadLineList(fileSystem, TemplatePath("SITE PLANS")), std::vector<std::string>(50, ""));
  EXPECT_EQ(ListEntries(dialog.cmbTAGSelector), (std::vector<std::string>{"SITE PLANS", "Site Plans"}));
}

TEST_F(UserTagTemplatesTest, SaveRefusesAnEmptyNameOrOneWithCharactersWindowsRefuses) {
  frmVARSetup& dialog = Shown();
  ExpectMessage("Tornavane", "You must provide a name for your template!")
      .Buttons(ui::MsgButtons::kOk)
      .Icon(ui::MsgIcon::kExclamation);
  user.Click(dialog.cmdSaveTAG);
  EXPECT_FALSE(fileSystem.Exists(TemplatePath("")));

  user.Fill(dialog.cmbTAGSelector, "A/B");
  ExpectMessage("Tornavane Alert",
                "File names cannot contain the following characters...\r\n\r\n"
                "                        \\  /  :  *  ?  <  >  |  ")
      .Buttons(ui::MsgButtons::kOk)
      .Icon(ui::MsgIcon::kNone);
  user.Click(dialog.cmdSaveTAG);
  EXPECT_EQ(dialog.cmbTAGSelector.ListCount(), 0);
  EXPECT_TRUE(fileSystem.Find(std::string(kDataFolder) + "*").empty());
}

TEST_F(UserTagTemplatesTest, WithTheDataFolderMissingSaveSaysSoAndListsNothing) {
  fileSystem.RemoveFolder("C:\\Program Files\\Tornavane\\DATA");
  frmVARSetup& dialog = Reloaded();
  user.Fill(dialog.cmbTAGSelector, "Site Plans");
  ExpectMessage(kAppTitle,
                "/DATA/ directory does not exist in the Tornavane directory...\r\n"
                " Please create it, and try saving again.")
      .Buttons(ui::MsgButtons::kOk)
      .Icon(ui::MsgIcon::kNone);
  user.Click(dialog.cmdSaveTAG);
  EXPECT_EQ(dialog.cmbTAGSelector.ListCount(), 0);
}

TEST_F(UserTagTemplatesTest, AFailedSaveNamesTheErrorAndKeepsTheOldTemplate) {
  frmVARSetup& dialog = WithTemplates({{"SITE PLANS", platform::kAttrArchive}});
  user.Fill(dialog.cmbTAGSelector, "NEW ONE");
  fileSystem.FailNextWrite(runtime::kDiskFull);
  ExpectMessage(kAppTitle, "Error 61 (Disk full) in procedure SaveTAG of Form frmVARSetup")
      .Buttons(ui::MsgButtons::kOk)
      .Icon(ui::MsgIcon::kNone);
  user.Click(dialog.cmdSaveTAG);
  EXPECT_FALSE(fileSystem.Exists(TemplatePath("NEW ONE")));
  EXPECT_EQ(ListEntries(dialog.cmbTAGSelector), std::vector<std::string>{"SITE PLANS"});

  Pick(dialog, "SITE PLANS");
  FillTags(dialog, tags::TemplateValues{});
  fileSystem.FailNextWrite(runtime::kDiskFull);
  ExpectMessage(kAppTitle, "Error 61 (Disk full) in procedure SaveTAG of Form frmVARSetup");
  user.Click(dialog.cmdSaveTAG);
  EXPECT_EQ(fileSystem.Contents(TemplatePath("SITE PLANS")), GoldenTemplate());
  EXPECT_FALSE(fileSystem.Exists(core::SafeWriteTempPath(TemplatePath("SITE PLANS"))));
}

TEST_F(UserTagTemplatesTest, PickingATemplateLoadsItIntoTheBoxesAndTheFieldsButNotTheStore) {
  frmVARSetup& dialog = WithTemplates({{"Site Plans", platform::kAttrArchive}, {"OTHER", platform::kAttrArchive}});
  Pick(dialog, "SITE PLANS");
  tags::TemplateValues golden = GoldenValues();
  for (int n = 1; n <= 50; ++n) {
    std::size_t i = static_cast<std::size_t>(n - 1);
    EXPECT_EQ(dialog.tbTag(n).Text(), golden[i]) << n;
    EXPECT_EQ(Main().settings.TAG[i], golden[i]) << n;
  }
  EXPECT_EQ(Main().lblUpdate.Caption(), "SITE PLANS.TAG Found");
  EXPECT_EQ(dialog.cmbTAGSelector.Text(), "SITE PLANS");
  ExpectLocked(dialog, false);
  EXPECT_TRUE(NothingStored());
}

TEST_F(UserTagTemplatesTest, TheMetaCommandLoadsATemplateWhileTheDialogIsHidden) {
  fileSystem.AddFile(TemplatePath("SITE PLANS"), GoldenTemplate());
  frmVARSetup& dialog = Reloaded();
  dialog.Hide();
  app.frmVARSetup().cmbTAGSelector.SetText("site plans");
  app.frmVARSetup().LoadTAG("site plans.TAG");
  EXPECT_FALSE(dialog.Visible());
  EXPECT_EQ(Main().settings.TAG[0], "GADGETS && CO.");
  EXPECT_EQ(Main().settings.TAG[1], "DOODAD DIVISION");
  EXPECT_EQ(Main().settings.TAG[2], "");
  EXPECT_EQ(Main().settings.TAG[49], "LAST TAG");
  EXPECT_EQ(Main().lblUpdate.Caption(), "site plans.TAG Found");
  EXPECT_TRUE(NothingStored());
}

TEST_F(UserTagTemplatesTest, AShortTemplateSetsTheTagsItHasAndLeavesTheRest) {
  fileSystem.AddFile(TemplatePath("SHORT"), "ONE\r\nTWO\r\nTHREE\r\n");
  frmVARSetup& dialog = Reloaded();
  Main().lblUpdate.SetCaption("before");
  dialog.LoadTAG("SHORT.TAG");
  EXPECT_EQ(dialog.tbTag(3).Text(), "THREE");
  EXPECT_EQ(Main().settings.TAG[2], "THREE");
  EXPECT_EQ(dialog.tbTag(4).Text(), "REVISION B");
  EXPECT_EQ(Main().settings.TAG[3], "REVISION B");
  EXPECT_EQ(Main().lblUpdate.Caption(), "before");
  EXPECT_FALSE(fileSystem.IsOpen(TemplatePath("SHORT")));
  user.Fill(dialog.cmbTAGSelector, "SHORT");
  user.Click(dialog.cmdSaveTAG);
  EXPECT_EQ(core::ReadLineList(fileSystem, TemplatePath("SHORT")).size(), 50U);
}

TEST_F(UserTagTemplatesTest, LoadingAMissingTemplateSaysSoAndChangesNoTag) {
  frmVARSetup& dialog = Reloaded();
  dialog.LoadTAG("NONE.TAG");
  EXPECT_EQ(Main().lblUpdate.Caption(), ".TAG File Not Found");
  EXPECT_EQ(dialog.tbTag(1).Text(), "GADGETS && CO.");
  EXPECT_EQ(Main().settings.TAG[0], "GADGETS && CO.");
}

TEST_F(UserTagTemplatesTest, LoadingWithoutADataFolderChangesNothingAndSaysNothing) {
  fileSystem.RemoveFolder("C:\\Program Files\\Tornavane\\DATA");
  frmVARSetup& dialog = Reloaded();
  Main().lblUpdate.SetCaption("before");
  dialog.LoadTAG("SITE PLANS.TAG");
  EXPECT_EQ(Main().lblUpdate.Caption(), "before");
  EXPECT_EQ(Main().settings.TAG[0], "GADGETS && CO.");
}

TEST_F(UserTagTemplatesTest, DeleteRemovesThePickedTemplateAndRebuildsTheList) {
  frmVARSetup& dialog = WithTemplates({{"A", platform::kAttrArchive}, {"B", platform::kAttrArchive}});
  Pick(dialog, "A");
  user.Click(dialog.cmdDelTAG);
  EXPECT_FALSE(fileSystem.Exists(TemplatePath("A")));
  EXPECT_EQ(ListEntries(dialog.cmbTAGSelector), std::vector<std::string>{"B"});
  EXPECT_EQ(dialog.cmbTAGSelector.Text(), "");
  EXPECT_EQ(Main().settings.TAG[0], "GADGETS && CO.");

  Pick(dialog, "B");
  user.Click(dialog.cmdDelTAG);
  EXPECT_EQ(dialog.cmbTAGSelector.ListCount(), 0);
  EXPECT_EQ(dialog.cmbTAGSelector.Text(), "");
  ExpectLocked(dialog, false);
}

TEST_F(UserTagTemplatesTest, DeletingATypedNameWithoutAFileSaysFileNotFound) {
  frmVARSetup& dialog = WithTemplates({{"A", platform::kAttrArchive}});
  user.Fill(dialog.cmbTAGSelector, "NEW NAME");
  ExpectLocked(dialog, false);
  ExpectMessage("Tornavane", "File not found!!").Buttons(ui::MsgButtons::kOk).Icon(ui::MsgIcon::kExclamation);
  user.Click(dialog.cmdDelTAG);
  EXPECT_EQ(dialog.cmbTAGSelector.Text(), "NEW NAME");

  Pick(dialog, "A");
  fileSystem.DeleteFile(TemplatePath("A"));
  ExpectMessage("Tornavane", "File not found!!");
  user.Click(dialog.cmdDelTAG);
  EXPECT_EQ(ListEntries(dialog.cmbTAGSelector), std::vector<std::string>{"A"});
}

TEST_F(UserTagTemplatesTest, ReadOnlyLocksAndUnlocksThePickedTemplate) {
  frmVARSetup& dialog = WithTemplates({{"A", platform::kAttrArchive}});
  Pick(dialog, "A");
  user.Click(dialog.chkLock);
  EXPECT_NE(fileSystem.GetAttributes(TemplatePath("A")) & platform::kAttrReadOnly, 0U);
  ExpectLocked(dialog, true);
  user.Click(dialog.chkLock);
  EXPECT_EQ(fileSystem.GetAttributes(TemplatePath("A")), platform::kAttrNormal);
  ExpectLocked(dialog, false);
}

TEST_F(UserTagTemplatesTest, PickingALockedTemplateShowsItLockedAndStillLoadsIt) {
  frmVARSetup& dialog = WithTemplates({{"LOCKED", platform::kAttrReadOnly}, {"OPEN", platform::kAttrArchive}});
  Pick(dialog, "LOCKED");
  ExpectLocked(dialog, true);
  EXPECT_EQ(Main().settings.TAG[49], "LAST TAG");
  EXPECT_NE(fileSystem.GetAttributes(TemplatePath("LOCKED")) & platform::kAttrReadOnly, 0U);
  Pick(dialog, "OPEN");
  ExpectLocked(dialog, false);
  Pick(dialog, "LOCKED");
  user.Click(dialog.chkLock);
  EXPECT_EQ(fileSystem.GetAttributes(TemplatePath("LOCKED")), platform::kAttrNormal);
  ExpectLocked(dialog, false);
}

TEST_F(UserTagTemplatesTest, ReadOnlyOnATypedNameTouchesNoFile) {
  frmVARSetup& dialog = Reloaded();
  fileSystem.AddFile(TemplatePath("LATER"), GoldenTemplate(), platform::kAttrArchive);
  user.Fill(dialog.cmbTAGSelector, "LATER");
  user.Click(dialog.chkLock);
  ExpectLocked(dialog, true);
  EXPECT_EQ(fileSystem.GetAttributes(TemplatePath("LATER")), platform::kAttrArchive);
}

TEST_F(UserTagTemplatesTest, AFailedLockIsReportedAndTheBoxShowsTheFilesRealState) {
  frmVARSetup& dialog = WithTemplates({{"A", platform::kAttrArchive}});
  Pick(dialog, "A");
  fileSystem.DeleteFile(TemplatePath("A"));
  ExpectMessage("Tornavane", "The template A could not be locked.\r\n\r\nError 53 (File not found)")
      .Buttons(ui::MsgButtons::kOk)
      .Icon(ui::MsgIcon::kExclamation);
  user.Click(dialog.chkLock);
  ExpectLocked(dialog, false);

  fileSystem.AddFile(TemplatePath("A"), GoldenTemplate(), platform::kAttrReadOnly);
  Pick(dialog, "A");
  ExpectLocked(dialog, true);
  fileSystem.FailOn(TemplatePath("A"), runtime::kPermissionDenied, platform::fake::FakeOperation::kSetAttributes);
  ExpectMessage("Tornavane", "The template A could not be unlocked.\r\n\r\nError 70 (Permission denied)");
  user.Click(dialog.chkLock);
  ExpectLocked(dialog, true);
}

}  // namespace
}  // namespace tags_test
