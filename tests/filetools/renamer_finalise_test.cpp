// "&Finalize It!" over the fake disk: the checks before anything is renamed, the renaming,
// the lists that follow the disk, the queue given back at closing, and the menu that opens
// the renamer.

#include <gtest/gtest.h>

#include "core/settings_model.h"
#include "renamer_fixture.h"

namespace test {
namespace {

using Names = std::vector<std::string>;

constexpr const char* kCollision = "FileName Collisions Detected, can't rename.";
constexpr const char* kNothingRenamed =
    "No file was renamed.\r\nChange the new names of the files that already exist, then finalize again.";

std::string ExistsQuestion(const std::string& path) {
  return "The file\r\n" + path + "\r\nalready exists.. (Collision Detected)\r\n\r\nWould you like to continue?";
}

class RenamerFinaliseTest : public RenamerFixture {};

TEST_F(RenamerFinaliseTest, ChangedLinesAreRenamedAndThePreviewEmpties) {
  fileSystem.DeleteFile("C:\\R\\c.dwg");
  filetools::frmFileRenamer& f = Open({"C:\\R\\a.dwg", "C:\\R\\b.dwg"});
  SetPreview(f, {"a.dwg", "c.dwg"});
  user.Click(f.cmdDoIt);
  EXPECT_EQ(FilesInR(), (Names{"a.dwg", "c.dwg"}));
  EXPECT_EQ(fileSystem.Contents("C:\\R\\c.dwg"), "b.dwg");
  EXPECT_EQ(Items(f.lstSource), (Names{"a.dwg", "c.dwg"}));
  EXPECT_EQ(f.lstDestination.ListCount(), 0);
  EXPECT_FALSE(f.cmdDoIt.Enabled());
  EXPECT_FALSE(f.cmdReplace2Compound.Enabled());
}

TEST_F(RenamerFinaliseTest, ExistingTargetsAreAskedAboutAndNothingIsRenamed) {
  for (ui::MsgAnswer first : {ui::MsgAnswer::kNo, ui::MsgAnswer::kYes}) {
    filetools::frmFileRenamer& f = Open({"C:\\R\\a.dwg", "C:\\R\\b.dwg"});
    SetPreview(f, {"b.dwg", "a.dwg"});  // a swap
    ExpectMessage(kAppTitle, ExistsQuestion("C:\\R\\b.dwg"))
        .Buttons(ui::MsgButtons::kYesNo)
        .Icon(ui::MsgIcon::kExclamation)
        .DefaultButton(2)
        .Answer(first);
    if (first == ui::MsgAnswer::kYes) {
      ExpectMessage(kAppTitle, ExistsQuestion("C:\\R\\a.dwg")).Answer(ui::MsgAnswer::kYes);
      ExpectMessage(kAppTitle, kNothingRenamed);
    }
    user.Click(f.cmdDoIt);
    EXPECT_EQ(fileSystem.Contents("C:\\R\\a.dwg"), "a.dwg");
    EXPECT_EQ(fileSystem.Contents("C:\\R\\b.dwg"), "b.dwg");
    EXPECT_EQ(Items(f.lstDestination), (Names{"b.dwg", "a.dwg"}));
    EXPECT_TRUE(f.cmdDoIt.Enabled());
    EXPECT_EQ(f.BadFlag, core::kTrue);
    user.Close(f);
  }
}

TEST_F(RenamerFinaliseTest, AChangeOfLetterCaseOnlyIsAnExistingTarget) {
  filetools::frmFileRenamer& f = Open({"C:\\R\\a.dwg"});
  SetPreview(f, {"A.DWG"});
  ExpectMessage(kAppTitle, ExistsQuestion("C:\\R\\A.DWG")).Answer(ui::MsgAnswer::kNo);
  user.Click(f.cmdDoIt);
  EXPECT_EQ(FilesInR(), (Names{"a.dwg", "b.dwg", "c.dwg"}));
}

TEST_F(RenamerFinaliseTest, NewPathsCollideIgnoringCaseOnlyInOneFolder) {
  fileSystem.AddFolder("C:\\S");
  fileSystem.AddFile("C:\\S\\a.dwg", "S a");
  filetools::frmFileRenamer& f = Open({"C:\\R\\a.dwg", "C:\\R\\b.dwg"});
  SetPreview(f, {"x.dwg", "X.DWG"});
  ExpectMessage(kAppTitle, kCollision).Icon(ui::MsgIcon::kInformation);
  user.Click(f.cmdDoIt);
  EXPECT_EQ(FilesInR(), (Names{"a.dwg", "b.dwg", "c.dwg"}));
  user.Close(f);

  filetools::frmFileRenamer& two = Open({"C:\\R\\a.dwg", "C:\\S\\a.dwg"});
  SetPreview(two, {"new.dwg", "new.dwg"});
  user.Click(two.cmdDoIt);
  EXPECT_EQ(fileSystem.Contents("C:\\R\\new.dwg"), "a.dwg");
  EXPECT_EQ(fileSystem.Contents("C:\\S\\new.dwg"), "S a");
}

TEST_F(RenamerFinaliseTest, ABadNameStopsEverythingWithOneMessage) {
  filetools::frmFileRenamer& f = OpenOnFolderR();
  SetPreview(f, {"1.dwg", "b?.dwg", "3.dwg"});
  ExpectMessage(kAppTitle,
                "The new name on line 2, \"b?.dwg\", cannot be used: it holds a character Windows does not allow in a "
                "name (\\ / : * ? \" < > | or a control character).\r\nNo file was renamed.")
      .Icon(ui::MsgIcon::kExclamation);
  user.Click(f.cmdDoIt);
  EXPECT_EQ(FilesInR(), (Names{"a.dwg", "b.dwg", "c.dwg"}));
  EXPECT_TRUE(f.cmdDoIt.Enabled());
}

TEST_F(RenamerFinaliseTest, ALockedFileKeepsItsNameAndASecondPressRenamesIt) {
  filetools::frmFileRenamer& f = OpenOnFolderR();
  SetPreview(f, {"1.dwg", "2.dwg", "3.dwg"});
  {
    auto held = fileSystem.HoldOpen("C:\\R\\b.dwg");
    ExpectMessage(kAppTitle, "The file\r\nb.dwg\r\nwas not able to be renamed due to the file being locked.")
        .Icon(ui::MsgIcon::kExclamation);
    user.Click(f.cmdDoIt);
  }
  EXPECT_EQ(FilesInR(), (Names{"1.dwg", "3.dwg", "b.dwg"}));
  EXPECT_EQ(Items(f.lstSource), (Names{"1.dwg", "b.dwg", "3.dwg"}));
  EXPECT_EQ(Items(f.lstDestination), (Names{"1.dwg", "2.dwg", "3.dwg"}));
  EXPECT_TRUE(f.cmdDoIt.Enabled());

  user.Click(f.cmdDoIt);
  EXPECT_EQ(FilesInR(), (Names{"1.dwg", "2.dwg", "3.dwg"}));
  EXPECT_EQ(Items(f.lstSource), (Names{"1.dwg", "2.dwg", "3.dwg"}));
  EXPECT_EQ(f.lstDestination.ListCount(), 0);
  EXPECT_FALSE(f.cmdDoIt.Enabled());
}

TEST_F(RenamerFinaliseTest, AFailureThatStopsTheRenamingLeavesTheListsAsTheDiskIs) {
  filetools::frmFileRenamer& f = OpenOnFolderR();
  SetPreview(f, {"1.dwg", "2.dwg", "3.dwg"});
  fileSystem.FailOn("C:\\R\\b.dwg", runtime::kDiskNotReady, platform::fake::FakeOperation::kRename);
  ExpectMessage(kAppTitle, "Error 71 (Disk not ready) in procedure cmdDoIt_Click of Form frmFileRenamer");
  user.Click(f.cmdDoIt);
  EXPECT_EQ(FilesInR(), (Names{"1.dwg", "b.dwg", "c.dwg"}));
  EXPECT_EQ(Items(f.lstSource), (Names{"1.dwg", "b.dwg", "c.dwg"}));
  EXPECT_TRUE(f.cmdDoIt.Enabled());
}

TEST_F(RenamerFinaliseTest, APreviewShorterThanTheSourceIsRefused) {
  filetools::frmFileRenamer& f = OpenOnFolderR();
  SetPreview(f, {"1.dwg"});
  ExpectMessage(kAppTitle, "The preview does not give every file a new name.\r\nPreview again before finalizing.");
  user.Click(f.cmdDoIt);
  EXPECT_EQ(FilesInR(), (Names{"a.dwg", "b.dwg", "c.dwg"}));
}

TEST_F(RenamerFinaliseTest, ClosingGivesTheQueueBackAsTheDiskIs) {
  filetools::frmFileRenamer& f = OpenOnFolderR();
  Main().lblFilesInQueue.SetCaption("");
  auto held = fileSystem.HoldOpen("C:\\R\\c.dwg");
  SetPreview(f, {"a.dwg", "B2.dwg", "C2.dwg"});
  ExpectMessage(kAppTitle, "The file\r\nc.dwg\r\nwas not able to be renamed due to the file being locked.");
  user.Click(f.cmdDoIt);
  // The second line: items are 195 twips high where no shown list tells it.
  f.lstSource.MouseMove(0, 0, 200, 195 + 10);
  EXPECT_EQ(f.lstSource.ToolTipText(), "C:\\R\\b.dwg");
  user.Close(f);
  EXPECT_EQ(Items(Main().List1), (Names{"C:\\R\\a.dwg", "C:\\R\\B2.dwg", "C:\\R\\c.dwg"}));
  for (const std::string& path : Items(Main().List1)) EXPECT_TRUE(fileSystem.Exists(path)) << path;
  EXPECT_EQ(Main().lblFilesInQueue.Caption(), "Queue = 3");
}

TEST_F(RenamerFinaliseTest, TheMenuCleansAndChecksTheQueueThenWarnsBeforeOpening) {
  Main().Show();
  SetQueue({"C:\\R\\a.dwg", "C:\\R\\A.DWG", "C:\\R\\b.dwg"});
  const std::string warning =
      "WARNING\r\nThe Renamer function must be used with care!!\r\n\r\n--Use it at Your Own Risk--\r\n\r\n"
      "Please rename copies of your files, and\r\nkeep the originals in a safe place.\r\n\r\nContinue?";
  ExpectMessage(kAppTitle, "1 Duplicate Items Removed ");
  ExpectMessage(kAppTitle, warning)
      .Buttons(ui::MsgButtons::kOkCancel)
      .Icon(ui::MsgIcon::kInformation)
      .DefaultButton(2)
      .Answer(ui::MsgAnswer::kCancel);
  Main().settings.StopBatch = core::kTrue;
  user.ChooseMenu(Main().mnuRenamer);
  EXPECT_EQ(Main().settings.StopBatch, core::kFalse);

  ExpectMessage(kAppTitle, "0 Duplicate Items Removed ");
  ExpectMessage(kAppTitle, warning).Answer(ui::MsgAnswer::kOk);
  ExpectMessage("Files Verified", kVerified);
  OnModal<filetools::frmFileRenamer>([&](filetools::frmFileRenamer& f) {
    EXPECT_EQ(Items(f.lstSource), (Names{"A.DWG", "b.dwg"}));
    user.ChooseTab(f.SSTab1, 3);
    user.Fill(f.tbAppend, "-x");
    user.Click(f.cmdAppendPreview);
    user.Click(f.cmdDoIt);
    user.Close(f);
  });
  user.ChooseMenu(Main().mnuRenamer);
  EXPECT_EQ(Items(Main().List1), (Names{"C:\\R\\A-x.DWG", "C:\\R\\b-x.dwg"}));
  EXPECT_EQ(FilesInR(), (Names{"A-x.DWG", "b-x.dwg", "c.dwg"}));
}

TEST_F(RenamerFinaliseTest, ACancelledCheckOpensNothing) {
  Main().Show();
  SetQueue({"C:\\R\\a.dwg", "C:\\R\\gone.dwg"});
  ExpectMessage(kAppTitle, "0 Duplicate Items Removed ");
  OnModal<batch::frmFileErrorReport>([&](batch::frmFileErrorReport& report) { user.Click(report.cmdCancel); });
  user.ChooseMenu(Main().mnuRenamer);
  EXPECT_EQ(Main().settings.StopBatch, core::kTrue);
  EXPECT_EQ(Items(Main().List1), (Names{"C:\\R\\a.dwg", "C:\\R\\gone.dwg"}));
}

}  // namespace
}  // namespace test
