#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "queue/queue_fixture.h"

namespace {

using Paths = std::vector<std::string>;

class QueuePopup : public test::QueueFixture {
 protected:
  static constexpr const char* kSkipQuestion =
      "Are you sure you want to remove all files in the Queue, up to the selected file, and then add the selected "
      "filename to the 'skipped' file list?";

  static std::string SkippedList() { return Program("DATA\\!Skipped_drafter1.lst"); }

  mainwindow::frmMain& WithSixDrawings() {
    return WithQueue({"C:\\J\\0.dwg", "C:\\J\\1.dwg", "C:\\J\\2.dwg", "C:\\J\\3.dwg", "C:\\J\\4.dwg", "C:\\J\\5.dwg"});
  }
};

TEST_F(QueuePopup, SkipRemovesTheEntriesUpToTheSelectedOneAndRecordsIt) {
  mainwindow::frmMain& main = WithSixDrawings();
  main.SetLoadedListMarker("Monday.lst");
  user.ClickItem(main.List1, 3);
  ExpectMessage("Skip?", kSkipQuestion).Answer(ui::MsgAnswer::kYes);
  ChooseFromPopup(main, "mnuSkip");
  EXPECT_EQ(Entries(main.List1), (Paths{"C:\\J\\4.dwg", "C:\\J\\5.dwg"}));
  EXPECT_EQ(main.lblFilesInQueue.Caption(), "Queue = 2");
  EXPECT_TRUE(ShowsLoadedList(main)) << "skipping keeps the marker";

  user.ClickItem(main.List1, 1);
  ExpectMessage("Skip?", kSkipQuestion).Answer(ui::MsgAnswer::kYes);
  ChooseFromPopup(main, "mnuSkip");
  EXPECT_EQ(main.List1.ListCount(), 0);
  EXPECT_EQ(fileSystem.Contents(SkippedList()), "C:\\J\\3.dwg\r\nC:\\J\\5.dwg\r\n");
  EXPECT_EQ(backend.Messages()[0].defaultButton, 1);
  EXPECT_EQ(backend.Messages()[0].icon, ui::MsgIcon::kExclamation);
}

TEST_F(QueuePopup, SkipAnsweredNoOrWithoutASelectionChangesNothing) {
  mainwindow::frmMain& main = WithSixDrawings();
  main.List1_SkipFile();
  user.ClickItem(main.List1, 2);
  ExpectMessage("Skip?", kSkipQuestion).Answer(ui::MsgAnswer::kNo);
  ChooseFromPopup(main, "mnuSkip");
  EXPECT_EQ(main.List1.ListCount(), 6);
  EXPECT_FALSE(fileSystem.Exists(SkippedList()));
}

TEST_F(QueuePopup, ASkippedListThatCannotBeWrittenIsReportedAndTheQueueKept) {
  struct Case {
    const char* name;
    std::function<void()> arrange;
    std::string error;
  };
  const Case cases[] = {
      {"no DATA folder", [&] { fileSystem.RemoveFolder(Program("DATA")); }, "Error 76 (Path not found)"},
      {"read-only list", [&] { fileSystem.AddFile(SkippedList(), "C:\\J\\old.dwg\r\n", platform::kAttrReadOnly); },
       "Error 75 (Path/File access error)"},
  };
  for (const Case& c : cases) {
    c.arrange();
    mainwindow::frmMain& main = WithSixDrawings();
    user.ClickItem(main.List1, 3);
    ExpectMessage("Skip?", kSkipQuestion).Answer(ui::MsgAnswer::kYes);
    ExpectMessage(kAppTitle, "The skipped file list could not be written:\r\n" + SkippedList() + "\r\n\r\n" + c.error +
                                 "\r\n\r\nThe Queue was left as it was.");
    main.List1_SkipFile();
    EXPECT_EQ(main.List1.ListCount(), 6) << c.name;
  }
  EXPECT_EQ(fileSystem.Contents(SkippedList()), "C:\\J\\old.dwg\r\n");
}

TEST_F(QueuePopup, GotoDirMovesTheBrowserToTheCurrentEntrysFolder) {
  fileSystem.AddDrive("D:", "PROJECTS");
  fileSystem.AddFile("D:\\proj\\a.dwg", "AC1018");
  fileSystem.AddShare("\\\\server\\share");
  fileSystem.AddFile("\\\\server\\share\\p\\b.dwg", "AC1018");
  fileSystem.AddFile("C:\\Jobs\\c.dwg", "AC1018");
  struct Case {
    int entry;
    std::string folder, drive, file;
  };
  const Case cases[] = {
      {1, "D:\\proj", "d: [PROJECTS]", "a.dwg"},
      {2, "\\\\server\\share\\p", "c:", "b.dwg"},
      {0, "C:\\Jobs", "c:", "c.dwg"},
  };
  for (const Case& c : cases) {
    mainwindow::frmMain& main = WithQueue({"C:\\Jobs\\c.dwg", "D:\\proj\\a.dwg", "\\\\server\\share\\p\\b.dwg"});
    main.tbDWGFilter.SetText("*.dwg");
    main.Drive1.SetDrive("c:");
    main.Dir1.SetPath("C:\\");
    user.ClickItem(main.List1, c.entry);
    ChooseFromPopup(main, "mnuGotoDir");
    EXPECT_EQ(main.Dir1.Path(), c.folder);
    EXPECT_EQ(main.Drive1.Drive().substr(0, c.drive.size()), c.drive) << c.folder;
    EXPECT_EQ(Entries(main.File1), (Paths{c.file})) << c.folder;
  }
}

TEST_F(QueuePopup, GotoDirOnAFolderThatIsGoneSaysSoInTheProceduresMessage) {
  mainwindow::frmMain& main = WithQueue({"C:\\Gone\\a.dwg"});
  user.ClickItem(main.List1, 0);
  ExpectMessage(kAppTitle, "Error 76 (Path not found) in procedure mnuGotoDir_Click of Form frmMain");
  ChooseFromPopup(main, "mnuGotoDir");
}

TEST_F(QueuePopup, OpenExplorerSelectsTheCurrentEntryUnquoted) {
  mainwindow::frmMain& main = WithQueue({"C:\\My Drawings\\a.dwg"});
  user.ClickItem(main.List1, 0);
  ChooseFromPopup(main, "mnuOpenDirInExplorer");
  ASSERT_EQ(shell.executeCalls.size(), 1U);
  EXPECT_EQ(shell.executeCalls[0].file, "explorer.exe");
  EXPECT_EQ(shell.executeCalls[0].parameters, "/n,/e,/select, C:\\My Drawings\\a.dwg");
  EXPECT_EQ(shell.executeCalls[0].showCommand, 1);
}

TEST_F(QueuePopup, VerifyFilesInThePopUpChecksTheQueue) {
  fileSystem.AddFolder("C:\\J");
  fileSystem.AddFile("C:\\J\\0.dwg", "AC1018");
  mainwindow::frmMain& main = WithQueue({"C:\\J\\0.dwg"});
  ExpectMessage("Files Verified", "All Files in Queue are Available.");
  ChooseFromPopup(main, "mnuVerifyFiles2");
}

}  // namespace
