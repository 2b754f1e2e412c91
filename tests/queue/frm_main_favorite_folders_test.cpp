#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "mainwindow/main_window_fixture.h"
#include "queue/frm_dir_selector.h"

namespace {

const std::string kFile = "C:\\Program Files\\Tornavane\\DATA\\Favorites.dat";
constexpr const char* kGone =
    " The Directory you selected was renamed or deleted... Would you like to remove it from the list?";
constexpr const char* kDead = "\r\nNo longer exists... Would you like to remove it from your Favorites list?";

class FavoriteFolders : public test::MainWindowFixture {
 protected:
  FavoriteFolders() {
    fileSystem.AddFolder("C:\\Jobs");
    fileSystem.AddFolder("C:\\One");
    fileSystem.AddFolder("C:\\W");
  }

  std::vector<std::string> Entries() {
    ui::ListBox& list = app.frmDirSelector().DirectoryList;
    std::vector<std::string> entries;
    for (int i = 0; i < list.ListCount(); ++i) entries.push_back(list.List(i));
    return entries;
  }
};

struct AddCase {
  const char* name;
  const char* fileBefore;  // nullptr: no favourites file yet
  const char* folder;
  const char* fileAfter;
};

TEST_F(FavoriteFolders, AddWritesTheSortedListWithTheFolderOnce) {
  const AddCase cases[] = {
      {"new folder takes its sorted place", "D:\\B\\\r\n", "C:\\Jobs", "C:\\Jobs\\\r\nD:\\B\\\r\n"},
      {"known in another case: rewritten, not added", "D:\\B\\\r\nc:\\JOBS\\\r\n", "C:\\Jobs",
       "c:\\JOBS\\\r\nD:\\B\\\r\n"},
      {"a drive root keeps its one backslash", "", "C:\\", "C:\\\r\n"},
      {"no file yet", nullptr, "C:\\One", "C:\\One\\\r\n"},
      {"the locale's order: a backslash before digits", "C:\\W2\\\r\n", "C:\\W", "C:\\W\\\r\nC:\\W2\\\r\n"},
  };
  for (const AddCase& c : cases) {
    SCOPED_TRACE(c.name);
    if (c.fileBefore != nullptr) fileSystem.AddFile(kFile, c.fileBefore);
    mainwindow::frmMain& main = Main();
    main.Dir1.SetPath(c.folder);
    user.Click(main.Command19);
    EXPECT_EQ(fileSystem.Contents(kFile), c.fileAfter);
    EXPECT_FALSE(app.frmDirSelector().Visible());
    app.frmDirSelector().Unload();
    fileSystem.DeleteFile(kFile);
  }
}

// Adding a folder while the dialog is not loaded leaves it so, and writes the file the loaded
// dialog's sorted list would: an unsorted file with repeats and a blank line, and a known folder.
TEST_F(FavoriteFolders, AddWritesTheSameFileWhetherTheDialogIsLoadedOrNot) {
  const AddCase cases[] = {
      {"unsorted, repeated, blank", "D:\\B\\\r\nc:\\w2\\\r\n\r\nC:\\A\\\r\nd:\\b\\\r\n", "C:\\W",
       "\r\nC:\\A\\\r\nC:\\W\\\r\nc:\\w2\\\r\nD:\\B\\\r\nd:\\b\\\r\n"},
      {"known in another case", "C:\\ONE\\\r\nC:\\A\\\r\n", "C:\\One", "C:\\A\\\r\nC:\\ONE\\\r\n"},
  };
  for (const AddCase& c : cases) {
    for (bool loaded : {false, true}) {
      SCOPED_TRACE(std::string(c.name) + (loaded ? ", dialog loaded" : ", dialog not loaded"));
      fileSystem.AddFile(kFile, c.fileBefore);
      if (loaded) app.frmDirSelector();
      Main().Dir1.SetPath(c.folder);
      Main().AddCurrentFolderToFavorites();
      EXPECT_EQ(fileSystem.Contents(kFile), c.fileAfter);
      EXPECT_EQ(app.frmDirSelectorIfLoaded() != nullptr, loaded);
      if (loaded) app.frmDirSelector().Unload();
      fileSystem.DeleteFile(kFile);
    }
  }
}

TEST_F(FavoriteFolders, AddingTwiceKeepsOneEntry) {
  mainwindow::frmMain& main = Main();
  main.Dir1.SetPath("C:\\Jobs");
  main.AddCurrentFolderToFavorites();
  main.Dir1.SetPath("c:\\jobs");
  main.AddCurrentFolderToFavorites();
  EXPECT_EQ(fileSystem.Contents(kFile), "C:\\Jobs\\\r\n");
}

TEST_F(FavoriteFolders, LoadRecentDirReplacesTheListInSortedOrderWithBlankLinesAndRepeats) {
  fileSystem.AddFile(kFile, "D:\\B\r\n\r\nC:\\A\r\nC:\\A\r\n");
  mainwindow::frmMain& main = Main();
  app.frmDirSelector().DirectoryList.AddItem("C:\\Stale");
  main.LoadRecentDir();
  EXPECT_EQ(Entries(), (std::vector<std::string>{"", "C:\\A", "C:\\A", "D:\\B"}));
}

TEST_F(FavoriteFolders, OkGoesToTheFolderHidesAndSavesTheList) {
  fileSystem.AddFile(kFile, "C:\\Jobs\\\r\nC:\\One\\\r\n");
  mainwindow::frmMain& main = Main();
  OnModal<queue::frmDirSelector>([this](queue::frmDirSelector& dialog) {
    EXPECT_FALSE(dialog.Command2.Enabled());
    EXPECT_TRUE(dialog.cmdRemoveDead.Enabled());
    user.ClickItem(dialog.DirectoryList, 0);
    EXPECT_TRUE(dialog.Command2.Enabled());
    user.Click(dialog.Command2);
    user.DblClickItem(dialog.DirectoryList, 0);
    EXPECT_FALSE(dialog.Visible());
  });
  user.Click(main.Command18);
  EXPECT_EQ(main.Dir1.Path(), "C:\\One");
  EXPECT_EQ(main.File1.Path(), "C:\\One");
  EXPECT_EQ(fileSystem.Contents(kFile), "C:\\One\\\r\n");
  EXPECT_EQ(Entries(), (std::vector<std::string>{"C:\\One\\"}));
}

TEST_F(FavoriteFolders, CancelAndTheCloseBoxDiscardRemovals) {
  const std::string before = "C:\\Jobs\\\r\nC:\\One\\\r\n";
  fileSystem.AddFile(kFile, before);
  mainwindow::frmMain& main = Main();
  for (bool closeBox : {false, true}) {
    SCOPED_TRACE(closeBox ? "close box" : "cancel");
    OnModal<queue::frmDirSelector>([this, closeBox](queue::frmDirSelector& dialog) {
      user.ClickItem(dialog.DirectoryList, 0);
      user.ClickItem(dialog.DirectoryList, 1, ui::kShiftMask);
      user.Click(dialog.Command2);
      EXPECT_EQ(dialog.DirectoryList.ListCount(), 0);
      EXPECT_FALSE(dialog.Command2.Enabled());
      EXPECT_FALSE(dialog.cmdRemoveDead.Enabled());
      if (closeBox) {
        user.Close(dialog);
      } else {
        user.Click(dialog.Command3);
      }
    });
    user.Click(main.Command18);
    EXPECT_EQ(fileSystem.Contents(kFile), before);
    EXPECT_EQ(Entries(), (std::vector<std::string>{"C:\\Jobs\\", "C:\\One\\"}));
  }
}

// Yes removes the folder that went away, not the other selected ones.
TEST_F(FavoriteFolders, OkOnAFolderThatWentAwayOffersToRemoveItAndStaysOpen) {
  fileSystem.AddFile(kFile, "C:\\Gone\\\r\nC:\\Jobs\\\r\n");
  mainwindow::frmMain& main = Main();
  OnModal<queue::frmDirSelector>([this](queue::frmDirSelector& dialog) {
    user.ClickItem(dialog.DirectoryList, 1);
    user.ClickItem(dialog.DirectoryList, 0, ui::kCtrlMask);
    ASSERT_EQ(dialog.DirectoryList.SelCount(), 2);
    ExpectMessage("Oops", kGone).Buttons(ui::MsgButtons::kYesNo).Answer(ui::MsgAnswer::kYes);
    user.Click(dialog.Command1);
    EXPECT_TRUE(dialog.Visible());
    EXPECT_EQ(fileSystem.Contents(kFile), "C:\\Gone\\\r\nC:\\Jobs\\\r\n");
    ASSERT_EQ(dialog.DirectoryList.ListCount(), 1);
    EXPECT_EQ(dialog.DirectoryList.List(0), "C:\\Jobs\\");
    user.Click(dialog.Command1);
  });
  user.Click(main.Command18);
  EXPECT_EQ(fileSystem.Contents(kFile), "C:\\Jobs\\\r\n");
}

TEST_F(FavoriteFolders, CleanDeadPathsAsksForEveryMissingFolderFromTheEnd) {
  fileSystem.AddFile(kFile, "D:\\Lost\\\r\nC:\\Jobs\\\r\n\r\nC:\\Gone\\\r\n");
  mainwindow::frmMain& main = Main();
  OnModal<queue::frmDirSelector>([this](queue::frmDirSelector& dialog) {
    ExpectMessage("Sure?", std::string("D:\\Lost\\") + kDead)
        .Buttons(ui::MsgButtons::kYesNo)
        .Icon(ui::MsgIcon::kQuestion)
        .Answer(ui::MsgAnswer::kYes);
    ExpectMessage("Sure?", std::string("C:\\Gone\\") + kDead).Answer(ui::MsgAnswer::kNo);
    ExpectMessage("Sure?", kDead).Answer(ui::MsgAnswer::kYes);
    user.Click(dialog.cmdRemoveDead);
    EXPECT_EQ(ctx.ScreenPointer(), ui::Pointer::kDefault);
    user.Click(dialog.Command1);
  });
  user.Click(main.Command18);
  EXPECT_EQ(fileSystem.Contents(kFile), "C:\\Gone\\\r\nC:\\Jobs\\\r\n");
}

TEST_F(FavoriteFolders, AMissingFileOpensAnEmptyDialogWithoutAMessage) {
  mainwindow::frmMain& main = Main();
  OnModal<queue::frmDirSelector>([this](queue::frmDirSelector& dialog) {
    EXPECT_EQ(dialog.Caption(), " Favorites");
    EXPECT_EQ(dialog.DirectoryList.ListCount(), 0);
    EXPECT_FALSE(dialog.cmdRemoveDead.Enabled());
    user.Click(dialog.Command1);
  });
  user.Click(main.Command18);
  EXPECT_EQ(fileSystem.Contents(kFile), "");
}

// A network folder has no drive for the drive box: the folder list goes there directly.
TEST_F(FavoriteFolders, OkGoesToANetworkFolder) {
  fileSystem.AddShare("\\\\server\\plans");
  fileSystem.AddFolder("\\\\server\\plans\\Tower");
  fileSystem.AddFile(kFile, "\\\\server\\plans\\Tower\\\r\n");
  mainwindow::frmMain& main = Main();
  OnModal<queue::frmDirSelector>([this](queue::frmDirSelector& dialog) {
    user.ClickItem(dialog.DirectoryList, 0);
    user.Click(dialog.Command1);
  });
  user.Click(main.Command18);
  EXPECT_EQ(main.Dir1.Path(), "\\\\server\\plans\\Tower");
  EXPECT_FALSE(app.frmDirSelector().Visible());
}

}  // namespace
