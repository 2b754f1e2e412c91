#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "queue/queue_fixture.h"
#include "ui/busy_guard.h"

namespace {

using Paths = std::vector<std::string>;

class QueueEdit : public test::QueueFixture {
 protected:
  QueueEdit() {
    fileSystem.AddFolder("C:\\Jobs");
    for (const char* name : {"A-101.dwg", "A-102.dwg", "B-201.dwg"})
      fileSystem.AddFile("C:\\Jobs\\" + std::string(name), "AC1018");
    fileSystem.AddFile("C:\\Root.dwg", "AC1018");
  }

  // The browser on a folder, the queue holding one entry and the marker of a loaded list.
  mainwindow::frmMain& Browsing(const std::string& folder) {
    mainwindow::frmMain& main = WithQueue({"C:\\Old\\X.dwg"});
    main.tbDWGFilter.SetText("*.dwg");
    main.Dir1.SetPath(folder);
    main.File1.Refresh();
    main.SetLoadedListMarker("Monday.lst");
    return main;
  }
};

TEST_F(QueueEdit, TheLoadedListMarkerNamesTheListAndAnAddClearsIt) {
  mainwindow::frmMain& main = Browsing("C:\\Jobs");
  EXPECT_EQ(main.cmdFileList.Caption(), "=File&Lists=");
  EXPECT_EQ(main.List1.ToolTipText(), "FileList: \"Monday.lst\" is Loaded");
  user.Click(main.cmdAddAll);
  EXPECT_EQ(main.cmdFileList.Caption(), "File&Lists");
  EXPECT_EQ(main.List1.ToolTipText(), "");
}

TEST_F(QueueEdit, AddAllAndAddAppendFullPathsInTheBrowsersOrderWhetherQueuedOrNot) {
  struct Case {
    const char* folder;
    std::vector<int> browserSelection;
    bool all;
    Paths added;
  };
  const Case cases[] = {
      {"C:\\Jobs", {}, true, {"C:\\Jobs\\A-101.dwg", "C:\\Jobs\\A-102.dwg", "C:\\Jobs\\B-201.dwg"}},
      {"C:\\Jobs", {2, 0}, false, {"C:\\Jobs\\A-101.dwg", "C:\\Jobs\\B-201.dwg"}},
      {"C:\\Jobs", {}, false, {}},
      {"C:\\", {}, true, {"C:\\Root.dwg"}},
  };
  for (const Case& c : cases) {
    mainwindow::frmMain& main = Browsing(c.folder);
    for (int index : c.browserSelection) user.ClickItem(main.File1, index, ui::kCtrlMask);
    main.cmdAddDwg.SetEnabled(true);  // as the browser's own click does
    for (int round = 0; round < 2; ++round) user.Click(c.all ? main.cmdAddAll : main.cmdAddDwg);

    Paths expected{"C:\\Old\\X.dwg"};
    for (int round = 0; round < 2; ++round) expected.insert(expected.end(), c.added.begin(), c.added.end());
    EXPECT_EQ(Entries(main.List1), expected) << c.folder << " all " << c.all;
    EXPECT_EQ(main.lblFilesInQueue.Caption(), "Queue = " + std::to_string(expected.size()));
    EXPECT_FALSE(ShowsLoadedList(main)) << "even an add of nothing clears the marker";
    EXPECT_EQ(ctx.ScreenPointer(), ui::Pointer::kDefault);
  }
}

TEST_F(QueueEdit, AnAddEnablesTheBuildForAScriptAndRemembersTheFolderAsAFavourite) {
  mainwindow::frmMain& main = Browsing("C:\\Jobs");
  main.Text1.SetText("ZOOM E");
  main.settings.AutoADDFavorites = 1;
  user.Click(main.cmdAddAll);
  EXPECT_TRUE(main.Command1_Compile.Enabled());
  EXPECT_TRUE(main.cmdCreateAndRun.Enabled());
  EXPECT_EQ(fileSystem.Contents(Program("DATA\\Favorites.dat")), "C:\\Jobs\\\r\n");
}

TEST_F(QueueEdit, TheAutomaticSortOrdersTheQueueAfterAnAdd) {
  struct Case {
    std::int16_t enabled, type;
    Paths order;
  };
  const Case cases[] = {
      {0, 1, {"C:\\Old\\X.dwg", "C:\\Jobs\\A-101.dwg", "C:\\Jobs\\A-102.dwg", "C:\\Jobs\\B-201.dwg"}},
      {1, 0, {"C:\\Jobs\\A-101.dwg", "C:\\Jobs\\A-102.dwg", "C:\\Jobs\\B-201.dwg", "C:\\Old\\X.dwg"}},
      {1, 1, {"C:\\Old\\X.dwg", "C:\\Jobs\\B-201.dwg", "C:\\Jobs\\A-102.dwg", "C:\\Jobs\\A-101.dwg"}},
  };
  for (const Case& c : cases) {
    mainwindow::frmMain& main = Browsing("C:\\Jobs");
    main.settings.AutoSortEnabled = c.enabled;
    main.settings.AutoSortType = c.type;
    user.Click(main.cmdAddAll);
    EXPECT_EQ(Entries(main.List1), c.order) << c.enabled << " " << c.type;
  }
}

TEST_F(QueueEdit, ClearAllAsksFirstAndNoKeepsQueueAndMarker) {
  for (ui::MsgAnswer answer : {ui::MsgAnswer::kNo, ui::MsgAnswer::kYes}) {
    mainwindow::frmMain& main = WithQueue({"C:\\a.dwg", "C:\\b.dwg"});
    main.SetLoadedListMarker("Monday.lst");
    ExpectMessage("Sure?", "Are you sure you want to clear the File Queue?").Answer(answer);
    user.Click(main.cmdRemoveAllDwg);
    const bool cleared = answer == ui::MsgAnswer::kYes;
    EXPECT_EQ(main.List1.ListCount(), cleared ? 0 : 2);
    EXPECT_EQ(ShowsLoadedList(main), !cleared);
    EXPECT_EQ(main.lblFilesInQueue.Caption(), cleared ? "Queue = 0" : "Queue = 2");
  }
  const ui::MessageBoxSpec& box = backend.Messages().back();
  EXPECT_EQ(box.buttons, ui::MsgButtons::kYesNo);
  EXPECT_EQ(box.icon, ui::MsgIcon::kExclamation);
  EXPECT_EQ(box.defaultButton, 2);
}

TEST_F(QueueEdit, RemoveTakesTheSelectedEntriesAndRemoveUnselectedTheOthers) {
  struct Case {
    std::vector<int> selected;
    bool unselected;
    Paths left;
  };
  const Case cases[] = {
      {{1, 3}, false, {"C:\\a.dwg", "C:\\c.dwg", "C:\\a.dwg"}},
      {{1, 3}, true, {"C:\\b.dwg", "C:\\d.dwg"}},
      {{0, 1, 2, 3, 4}, false, {}},
      {{}, false, {"C:\\a.dwg", "C:\\b.dwg", "C:\\c.dwg", "C:\\d.dwg", "C:\\a.dwg"}},
      {{}, true, {}},
  };
  for (const Case& c : cases) {
    mainwindow::frmMain& main = WithQueue({"C:\\a.dwg", "C:\\b.dwg", "C:\\c.dwg", "C:\\d.dwg", "C:\\a.dwg"});
    for (int index : c.selected) user.ClickItem(main.List1, index, ui::kCtrlMask);
    main.SetLoadedListMarker("Monday.lst");
    if (c.unselected) {
      ChooseFromPopup(main, "mnuRemoveUnselectedFiles");
    } else {
      user.PressKey(main.List1, ui::kKeyDelete);
    }
    EXPECT_EQ(Entries(main.List1), c.left) << c.selected.size() << " unselected " << c.unselected;
    EXPECT_FALSE(ShowsLoadedList(main));
    EXPECT_EQ(main.lblFilesInQueue.Caption(), "Queue = " + std::to_string(c.left.size()));
    EXPECT_EQ(main.cmdRemoveDwg.Enabled(), main.List1.SelCount() > 0);
  }
}

TEST_F(QueueEdit, TheRemoveButtonAndTheDeleteKeyRemoveTheSelection) {
  mainwindow::frmMain& main = WithQueue({"C:\\a.dwg", "C:\\b.dwg", "C:\\c.dwg"});
  user.ClickItem(main.List1, 0);
  user.Click(main.cmdRemoveDwg);
  EXPECT_EQ(Entries(main.List1), (Paths{"C:\\b.dwg", "C:\\c.dwg"}));
  EXPECT_FALSE(main.cmdRemoveDwg.Enabled());
  user.ClickItem(main.List1, 1);
  user.PressKey(main.List1, ui::kKeyDelete);
  EXPECT_EQ(Entries(main.List1), (Paths{"C:\\b.dwg"}));
}

TEST_F(QueueEdit, RemovalsTakeAQueueLongerThanSixteenBitsAndKeepTheRemainingSelection) {
  mainwindow::frmMain& main = WithQueue({});
  const int count = 40000;
  for (int i = 0; i < count; ++i) main.List1.AddItem("C:\\P\\" + std::to_string(i) + ".dwg");
  user.ClickItem(main.List1, 5000);
  user.ClickItem(main.List1, 38000, ui::kShiftMask);
  ChooseFromPopup(main, "mnuRemoveUnselectedFiles");
  ASSERT_EQ(main.List1.ListCount(), 33001);
  EXPECT_EQ(main.List1.List(0), "C:\\P\\5000.dwg");
  EXPECT_EQ(main.List1.List(33000), "C:\\P\\38000.dwg");
  EXPECT_EQ(main.List1.SelCount(), 33001);
  EXPECT_EQ(main.lblFilesInQueue.Caption(), "Queue = 33001");
}

// While a long operation lets events run, a click that would change the queue does nothing.
TEST_F(QueueEdit, QueueChangesAreRefusedWhileALongOperationRuns) {
  const std::vector<std::pair<const char*, std::function<void(mainwindow::frmMain&)>>> actions = {
      {"Add All", [&](mainwindow::frmMain& m) { user.Click(m.cmdAddAll); }},
      {"Remove", [&](mainwindow::frmMain& m) { user.Click(m.cmdRemoveDwg); }},
      {"Clear All", [&](mainwindow::frmMain& m) { user.Click(m.cmdRemoveAllDwg); }},
      {"Delete", [&](mainwindow::frmMain& m) { user.PressKey(m.List1, ui::kKeyDelete); }},
      {"Ctrl+Up", [&](mainwindow::frmMain& m) { user.PressKey(m.List1, ui::kKeyUp, ui::kCtrlMask); }},
      {"Skip", [&](mainwindow::frmMain& m) { m.List1_SkipFile(); }},
      {"Unselected", [&](mainwindow::frmMain& m) { m.RemoveUnselectedFromQueue(); }},
      {"Drop", [&](mainwindow::frmMain& m) { user.Drop(m.List1, {"C:\\Jobs\\A-101.dwg"}); }},
  };
  for (const auto& [name, action] : actions) {
    mainwindow::frmMain& main = Browsing("C:\\Jobs");
    main.List1.AddItem("C:\\Old\\Y.dwg");
    user.ClickItem(main.List1, 1);
    ui::BusyGuard longOperation(ctx);
    action(main);
    EXPECT_EQ(Entries(main.List1), (Paths{"C:\\Old\\X.dwg", "C:\\Old\\Y.dwg"})) << name;
    EXPECT_TRUE(ShowsLoadedList(main)) << name;
  }
}

}  // namespace
