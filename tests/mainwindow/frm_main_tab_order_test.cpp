#include <gtest/gtest.h>

#include <string>

#include "mainwindow/main_window_fixture.h"

namespace {

using test::MainWindowFixture;

class MainWindowTabOrder : public MainWindowFixture {};

// Tab and Shift+Tab follow the window's reading order: the browser column, the tab strip
// before the controls of its tab, the script box with the row under it before the script
// list, the queue's buttons, the queue and the bottom strip.
TEST_F(MainWindowTabOrder, TabFollowsTheReadingOrder) {
  mainwindow::frmMain& main = Main();
  main.Drive1.SetFocus();
  struct Case {
    ui::Control* from;
    bool backwards;
    ui::Control* to;
  };
  const Case cases[] = {
      {&main.Command4_explorer, false, &main.SSTab1},
      {&main.SSTab1, false, &main.Text1},
      {&main.Text1, false, &main.cmdClearSCREditor},
      {&main.cmdClearSCREditor, false, &main.Command2},
      {&main.Command2, false, &main.cmdSCREditOpen},
      {&main.cmdSCREditOpen, false, &main.chkAppend},
      {&main.chkAppend, false, &main.cmdFilterUserScriptShow},
      {&main.cmdFilterUserScriptShow, false, &main.scrFilter},
      {&main.scrFilter, false, &main.chkProjDir},
      {&main.chkProjDir, false, &main.File2},
      {&main.Text2, false, &main.cmdSAVESCR},
      {&main.cmdBrowse, false, &main.cmdAddAllSub},  // Add All waits for drawings in the folder
      {&main.cmdDWGPreviewShow, false, &main.List1},
      {&main.List1, false, &main.optPage[0]},  // the build buttons wait for a queue
      {&main.Text1, true, &main.SSTab1},
      {&main.cmdFilterUserScriptShow, true, &main.chkAppend},
      {&main.SSTab1, true, &main.Command4_explorer},
  };
  for (const Case& c : cases) {
    user.PressKey(*c.from, ui::kKeyTab, c.backwards ? ui::kShiftMask : 0);
    ui::Control* focus = main.ActiveControl();
    EXPECT_EQ(focus != nullptr ? focus->Name() : "nothing", c.to->Name())
        << c.from->Name() << (c.backwards ? " Shift+Tab" : " Tab");
  }
}

}  // namespace
