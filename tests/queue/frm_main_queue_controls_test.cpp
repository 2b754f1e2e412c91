#include "queue/frm_main_queue_controls.h"

#include <gtest/gtest.h>

#include "mainwindow/main_window_fixture.h"

namespace {

using queue::ComputeQueueControls;
using queue::QueueFacts;

TEST(QueueControlStates, FollowTheSelectionCount) {
  struct Case {
    int selected;
    std::optional<bool> remove;
    bool open, single, removeSelected;
    std::optional<bool> selectedMenu, copySelected;
  };
  const Case cases[] = {
      {0, false, false, false, false, false, std::nullopt},
      {1, std::nullopt, true, true, true, true, true},
      {2, std::nullopt, true, false, true, std::nullopt, true},
  };
  for (const Case& c : cases) {
    QueueFacts facts;
    facts.count = 5;
    facts.selected = c.selected;
    const auto s = ComputeQueueControls(facts);
    EXPECT_EQ(s.cmdRemoveDwg, c.remove) << c.selected;
    EXPECT_EQ(s.mnuOpen, c.open) << c.selected;
    EXPECT_EQ(s.singleSelection, c.single) << c.selected;
    EXPECT_EQ(s.mnuRemoveSelectedFiles, c.removeSelected) << c.selected;
    EXPECT_EQ(s.mnuSelected, c.selectedMenu) << c.selected;
    EXPECT_EQ(s.mnuCopySelectedtoClip, c.copySelected) << c.selected;
  }
}

TEST(QueueControlStates, FollowTheQueueTheBrowserAndTheScript) {
  struct Case {
    int count, browserFiles;
    bool scriptEmpty, readOnly, allText;
    bool entries;
    std::optional<bool> build, addDwg;
    bool addAll, scriptButtons, combine;
    std::string caption;
  };
  const Case cases[] = {
      {0, 0, true, false, true, false, false, false, false, true, false, "Queue = 0"},
      {0, 3, false, false, false, false, false, std::nullopt, true, true, false, "Queue = 0"},
      {1, 3, true, false, false, true, std::nullopt, std::nullopt, true, true, false, "Queue = 1"},
      {1, 3, false, true, false, true, true, std::nullopt, true, false, false, "Queue = 1"},
      {2, 0, false, false, true, true, true, false, false, true, true, "Queue = 2"},
  };
  for (const Case& c : cases) {
    QueueFacts facts;
    facts.count = c.count;
    facts.browserFiles = c.browserFiles;
    facts.scriptEmpty = c.scriptEmpty;
    facts.scriptReadOnly = c.readOnly;
    facts.allTextFiles = c.allText;
    const auto s = ComputeQueueControls(facts);
    EXPECT_EQ(s.queueEntries, c.entries) << c.caption;
    EXPECT_EQ(s.cmdRemoveAllDwg, c.entries) << c.caption;
    EXPECT_EQ(s.cmdQueueQuickPick, c.entries) << c.caption;
    EXPECT_EQ(s.buildButtons, c.build) << c.caption;
    EXPECT_EQ(s.cmdAddAll, c.addAll) << c.caption;
    EXPECT_EQ(s.cmdAddDwg, c.addDwg) << c.caption;
    EXPECT_EQ(s.scriptFileButtons, c.scriptButtons) << c.caption;
    EXPECT_EQ(s.mnuCombineText, c.combine) << c.caption;
    EXPECT_EQ(s.countCaption, c.caption);
  }
}

TEST(QueueControlStates, TextFileEntriesEndInCsvOrTxt) {
  EXPECT_TRUE(queue::IsTextFileEntry("C:\\a.csv"));
  EXPECT_TRUE(queue::IsTextFileEntry("C:\\b.TXT"));
  EXPECT_TRUE(queue::IsTextFileEntry("txt"));
  EXPECT_FALSE(queue::IsTextFileEntry("C:\\a.dwg"));
  EXPECT_FALSE(queue::IsTextFileEntry("xt"));
  EXPECT_FALSE(queue::IsTextFileEntry(""));
}

class UpdateQueueControls : public test::MainWindowFixture {};

TEST_F(UpdateQueueControls, CountsTheQueueAndOffersCombineForTextFilesOnly) {
  mainwindow::frmMain& main = Main();
  main.List1.Clear();
  main.UpdateQueueControls();
  EXPECT_EQ(main.lblFilesInQueue.Caption(), "Queue = 0");
  EXPECT_FALSE(main.mnuCombineText.Enabled());
  EXPECT_FALSE(main.mnuRenamer.Enabled());
  EXPECT_FALSE(main.mnuCopy.Enabled());

  main.List1.AddItem("C:\\Data\\a.csv");
  main.List1.AddItem("C:\\Data\\b.TXT");
  main.UpdateQueueControls();
  EXPECT_EQ(main.lblFilesInQueue.Caption(), "Queue = 2");
  EXPECT_TRUE(main.mnuCombineText.Enabled());
  EXPECT_TRUE(main.mnuRenamer.Enabled());

  main.List1.AddItem("C:\\Data\\c.dwg");
  main.UpdateQueueControls();
  EXPECT_FALSE(main.mnuCombineText.Enabled());
}

TEST_F(UpdateQueueControls, EnablesTheBuildButtonsForOneDrawingAndAScript) {
  mainwindow::frmMain& main = Main();
  main.List1.Clear();
  main.Text1.SetText("ZOOM E");
  main.List1.AddItem("C:\\Jobs\\A1.dwg");
  main.Command1_Compile.SetEnabled(false);
  main.cmdCreateAndRun.SetEnabled(false);
  main.UpdateQueueControls();
  EXPECT_TRUE(main.Command1_Compile.Enabled());
  EXPECT_TRUE(main.cmdCreateAndRun.Enabled());

  main.List1.Clear();
  main.UpdateQueueControls();
  EXPECT_FALSE(main.Command1_Compile.Enabled());
  EXPECT_FALSE(main.cmdRemoveAllDwg.Enabled());
  EXPECT_FALSE(main.cmdQueueQuickPick.Enabled());
}

TEST_F(UpdateQueueControls, ReadOnlyScriptLocksSaveAndDelete) {
  mainwindow::frmMain& main = Main();
  main.chkReadOnly.SetValue(ui::kChecked);
  main.UpdateQueueControls();
  EXPECT_FALSE(main.cmdSAVESCR.Enabled());
  EXPECT_FALSE(main.cmdDeleteSCR.Enabled());
  main.chkReadOnly.SetValue(ui::kUnchecked);
  main.UpdateQueueControls();
  EXPECT_TRUE(main.cmdSAVESCR.Enabled());
  EXPECT_TRUE(main.cmdDeleteSCR.Enabled());
}

TEST_F(UpdateQueueControls, PopUpEntriesFollowTheSelection) {
  mainwindow::frmMain& main = Main();
  main.List1.Clear();
  for (const char* path : {"C:\\a.dwg", "C:\\b.dwg", "C:\\c.dwg"}) main.List1.AddItem(path);
  main.List1.SetSelected(1, true);
  main.UpdateQueueControls();
  EXPECT_TRUE(main.mnuSkip.Enabled());
  EXPECT_TRUE(main.mnuGotoDir.Enabled());
  EXPECT_TRUE(main.mnuSelected.Enabled());

  main.List1.SetSelected(2, true);
  main.UpdateQueueControls();
  EXPECT_FALSE(main.mnuSkip.Enabled());
  EXPECT_FALSE(main.mnuOpenDirInExplorer.Enabled());
  EXPECT_TRUE(main.mnuOpen.Enabled());
  EXPECT_TRUE(main.mnuSelected.Enabled()) << "two selected keep the submenu as it was";

  main.List1.SetSelected(1, false);
  main.List1.SetSelected(2, false);
  main.UpdateQueueControls();
  EXPECT_FALSE(main.cmdRemoveDwg.Enabled());
  EXPECT_FALSE(main.mnuOpen.Enabled());
  EXPECT_FALSE(main.mnuSelected.Enabled());
}

}  // namespace
