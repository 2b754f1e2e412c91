#include <gtest/gtest.h>

#include "mainwindow/main_window_fixture.h"

namespace {

class MainWindowMenus : public test::MainWindowFixture {};

TEST_F(MainWindowMenus, ExitClosesTheMainWindow) {
  mainwindow::frmMain& main = Main();
  bool unloaded = false;
  auto unload = main.onUnload;
  main.onUnload = [&unloaded, unload](bool& cancel) {
    unloaded = true;
    unload(cancel);
  };
  user.ChooseMenu(main.mnuFileExit);
  EXPECT_TRUE(unloaded);
}

TEST_F(MainWindowMenus, EntriesWithoutAReachableWindowStayHidden) {
  mainwindow::frmMain& main = Main();
  EXPECT_FALSE(main.mnuPlotWiz.IsAvailable());
  EXPECT_FALSE(main.mnuCheckforUpdate.IsAvailable());
  EXPECT_FALSE(main.mnuCheckforUpdate.Enabled());
  EXPECT_FALSE(main.mnuspace5.Visible());
  EXPECT_FALSE(main.mnuPUForm.Visible());
  EXPECT_TRUE(main.mnuPurgeWiz.IsAvailable());
  EXPECT_TRUE(main.mnuTipOfTheDay.IsAvailable());
}

TEST_F(MainWindowMenus, ShortcutsReachTheirEntries) {
  mainwindow::frmMain& main = Main();
  main.List1.AddItem("C:\\Jobs\\A1.dwg");  // the renamer needs a queue
  main.UpdateQueueControls();
  struct Case {
    ui::Shortcut shortcut;
    ui::MenuItem* item;
  };
  const Case cases[] = {
      {ui::Shortcut::Ctrl('E'), &main.mnuScriptEditor},
      {ui::Shortcut::Ctrl('R'), &main.mnuRenamer},
      {ui::Shortcut::Ctrl('T'), &main.mnuUserTagManager},
      {ui::Shortcut::Ctrl('P'), &main.mnuProjectTagManager},
      {ui::Shortcut::Ctrl('O'), &main.mnuViewOptions},
      {ui::Shortcut::F(1), &main.mnuReadmeh},
      {ui::Shortcut::F(2), &main.mnuOnlineFAQ},
      {ui::Shortcut::F(3), &main.mnuForum},
      {ui::Shortcut::F(4), &main.mnuSGenWWW2},
  };
  for (const Case& c : cases) {
    bool ran = false;
    auto click = c.item->onClick;
    c.item->onClick = [&ran] { ran = true; };
    main.PressShortcut(c.shortcut);
    EXPECT_TRUE(ran) << c.item->Name();
    c.item->onClick = click;
  }
}

}  // namespace
