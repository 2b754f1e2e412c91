#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "queue/move_list_item.h"
#include "queue/queue_fixture.h"

namespace {

using Paths = std::vector<std::string>;
using platform::fake::FakeShell;

class QueueList : public test::QueueFixture {
 protected:
  // A queue of n drawings with the first `selected` of them selected.
  mainwindow::frmMain& WithSelectedDrawings(int n, int selected) {
    mainwindow::frmMain& main = WithQueue({});
    for (int i = 0; i < n; ++i) main.List1.AddItem("C:\\P\\" + std::to_string(i) + ".dwg");
    for (int i = 0; i < selected; ++i) main.List1.SetSelected(i, true);
    return main;
  }

  Paths OpenedFiles() const {
    Paths files;
    for (const FakeShell::ExecuteCall& call : shell.executeCalls) files.push_back(call.file);
    return files;
  }

  static std::string Question(int limit) {
    return "You have attempted to open more than " + std::to_string(limit) +
           " files at a time.\r\n\r\nThis could starve your systems resources...\r\n\r\n"
           "Are you sure you want to continue opening files?";
  }
};

TEST_F(QueueList, OpeningAsksAfterEveryLimitOfFilesAndNoStops) {
  struct Case {
    int selected;
    std::int16_t limit, warning;
    std::vector<ui::MsgAnswer> answers;
    int opened;
  };
  using enum ui::MsgAnswer;
  const Case cases[] = {
      {12, 5, 1, {kYes, kYes}, 12},     {12, 5, 1, {kNo}, 5},      {5, 5, 1, {kYes}, 5}, {12, 5, 0, {}, 12},
      {3, 0, 1, {kYes, kYes, kYes}, 3}, {3, 0, 1, {kYes, kNo}, 2},
  };
  for (const Case& c : cases) {
    shell.executeCalls.clear();
    mainwindow::frmMain& main = WithSelectedDrawings(14, c.selected);
    main.settings.ResourceFileLimit = c.limit;
    main.settings.ResourceWarning = c.warning;
    for (ui::MsgAnswer answer : c.answers) ExpectMessage("Continue?", Question(c.limit)).Answer(answer);
    ChooseFromPopup(main, "mnuOpen");

    Paths expected;
    for (int i = 0; i < c.opened; ++i) expected.push_back("C:\\P\\" + std::to_string(i) + ".dwg");
    EXPECT_EQ(OpenedFiles(), expected) << c.selected << " selected, limit " << c.limit;
    EXPECT_EQ(main.List1.ListCount(), 14);
    EXPECT_EQ(main.MousePointer(), ui::Pointer::kDefault);
  }
  const ui::MessageBoxSpec& box = backend.Messages().back();
  EXPECT_EQ(box.icon, ui::MsgIcon::kExclamation);
  EXPECT_EQ(box.defaultButton, 1);
}

// The drive box shows "d: [PROJECTS]"; the shell gets the drive's root as its folder.
TEST_F(QueueList, EnterOpensEachSelectedDrawingThroughTheShellInTheBrowsersDriveRoot) {
  fileSystem.AddDrive("D:", "PROJECTS");
  mainwindow::frmMain& main = WithSelectedDrawings(3, 0);
  main.Drive1.SetDrive("d:");
  ASSERT_EQ(main.Drive1.Drive(), "d: [PROJECTS]");
  user.ClickItem(main.List1, 2);
  user.ClickItem(main.List1, 0, ui::kCtrlMask);
  user.PressKey(main.List1, ui::kKeyReturn);
  const std::vector<FakeShell::ExecuteCall> expected = {
      {FakeShell::kDesktopWindow, "open", "C:\\P\\0.dwg", "", "d:\\", 5},
      {FakeShell::kDesktopWindow, "open", "C:\\P\\2.dwg", "", "d:\\", 5},
  };
  EXPECT_EQ(shell.executeCalls, expected);
}

TEST_F(QueueList, CtrlUpAndCtrlDownMoveTheCurrentEntryAndKeepMovingIt) {
  struct Case {
    int current;
    std::vector<int> keys;
    int shift;
    Paths order;
    int focus;
  };
  const Case cases[] = {
      {1, {ui::kKeyUp}, ui::kCtrlMask, {"B", "A", "C"}, 0},
      {1, {ui::kKeyDown}, ui::kCtrlMask, {"A", "C", "B"}, 2},
      {2, {ui::kKeyUp, ui::kKeyUp}, ui::kCtrlMask, {"C", "A", "B"}, 0},
      {0, {ui::kKeyUp}, ui::kCtrlMask, {"A", "B", "C"}, 0},
      {2, {ui::kKeyDown}, ui::kCtrlMask, {"A", "B", "C"}, 2},
      {1, {ui::kKeyUp}, 0, {"A", "B", "C"}, 0},
      {1, {ui::kKeyUp}, ui::kCtrlMask | ui::kShiftMask, {"A", "B", "C"}, 0},
  };
  for (const Case& c : cases) {
    mainwindow::frmMain& main = WithQueue({"A", "B", "C"});
    user.ClickItem(main.List1, c.current);
    for (int key : c.keys) user.PressKey(main.List1, key, c.shift);
    EXPECT_EQ(Entries(main.List1), c.order) << c.current << " keys " << c.keys.size() << " shift " << c.shift;
    EXPECT_EQ(main.List1.ListIndex(), c.focus) << c.current;
  }
}

TEST_F(QueueList, MoveListItemCarriesTheItemDataAndIgnoresPositionsOutsideTheList) {
  struct Case {
    int from, to;
    Paths order;
    int current;
  };
  const Case cases[] = {
      {0, 2, {"B", "C", "A"}, 2},
      {-1, 0, {"B", "A", "C"}, 0},
      {3, 0, {"A", "B", "C"}, 1},
      {0, -1, {"A", "B", "C"}, 1},
  };
  for (const Case& c : cases) {
    mainwindow::frmMain& main = WithQueue({"A", "B", "C"});
    main.List1.SetItemData(0, 7);
    main.List1.SetItemData(1, 8);
    main.List1.SetListIndex(1);
    queue::MoveListItem(main.List1, c.from, c.to);
    EXPECT_EQ(Entries(main.List1), c.order) << c.from << " to " << c.to;
    EXPECT_EQ(main.List1.ListIndex(), c.current) << c.from << " to " << c.to;
    for (int i = 0; i < 3; ++i) {
      const int data = main.List1.List(i) == "A" ? 7 : main.List1.List(i) == "B" ? 8 : 0;
      EXPECT_EQ(main.List1.ItemData(i), data) << main.List1.List(i);
    }
  }
}

TEST_F(QueueList, AClickOffersWhatOneSelectedEntryAllowsAndTwoTakeSkipAway) {
  mainwindow::frmMain& main = WithQueue({"C:\\a.dwg", "C:\\b.dwg"});
  EXPECT_FALSE(main.cmdRemoveDwg.Enabled());
  user.ClickItem(main.List1, 0);
  EXPECT_TRUE(main.cmdRemoveDwg.Enabled());
  EXPECT_TRUE(main.mnuSkip.Enabled());
  EXPECT_TRUE(main.mnuCopySelectedtoClip.Enabled());
  user.ClickItem(main.List1, 1, ui::kCtrlMask);
  EXPECT_TRUE(main.cmdRemoveDwg.Enabled());
  EXPECT_FALSE(main.mnuSkip.Enabled());
  EXPECT_FALSE(main.mnuGotoDir.Enabled());
}

TEST_F(QueueList, TheRightButtonShowsThePopUpWithOpenInBoldAndKeepsTheSelection) {
  mainwindow::frmMain& main = WithQueue({"C:\\a.dwg", "C:\\b.dwg"});
  user.ClickItem(main.List1, 1);
  ExpectPopup("mnuPUForm", "");
  user.MouseUp(main.List1, ui::kRightButton, ui::kShiftMask, 100, 100);
  ASSERT_EQ(backend.Popups().size(), 1U);
  EXPECT_EQ(backend.Popups()[0].defaultItem, "mnuOpen");
  EXPECT_TRUE(main.List1.Selected(1));
  user.MouseUp(main.List1, ui::kLeftButton, 0, 100, 100);
  EXPECT_EQ(backend.Popups().size(), 1U) << "the left button shows no menu";
}

TEST_F(QueueList, ShiftF10AndTheMenuKeyShowThePopUpAtTheCurrentEntry) {
  mainwindow::frmMain& main = WithQueue({"C:\\a.dwg", "C:\\b.dwg", "C:\\c.dwg"});
  user.ClickItem(main.List1, 2);
  struct Case {
    int keyCode;
    int shift;
  };
  for (Case c : {Case{ui::kKeyF10, ui::kShiftMask}, Case{ui::kKeyApps, 0}}) {
    ExpectPopup("mnuPUForm", "mnuSkip");
    ExpectMessage("Skip?",
                  "Are you sure you want to remove all files in the Queue, up to the selected file, and then add the "
                  "selected filename to the 'skipped' file list?")
        .Answer(ui::MsgAnswer::kNo);
    user.PressKey(main.List1, c.keyCode, c.shift);
    ASSERT_FALSE(backend.Popups().empty()) << c.keyCode;
    EXPECT_EQ(backend.Popups().back().anchor, "List1:2") << c.keyCode;
    EXPECT_EQ(backend.Popups().back().defaultItem, "mnuOpen");
  }
  EXPECT_EQ(QueueEntries().size(), 3U);
  const std::size_t shown = backend.Popups().size();
  for (int shift : {0, ui::kCtrlMask}) user.PressKey(main.List1, ui::kKeyF10, shift);
  EXPECT_EQ(backend.Popups().size(), shown) << "F10 alone or with Ctrl is the menu bar's";
}

}  // namespace
