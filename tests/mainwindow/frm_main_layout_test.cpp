#include <gtest/gtest.h>

#include <algorithm>

#include "mainwindow/main_window_fixture.h"

namespace {

using test::MainWindowFixture;

class MainWindowLayout : public MainWindowFixture {};

TEST_F(MainWindowLayout, ShrinkingBelowTheMinimumSnapsBack) {
  mainwindow::frmMain& main = Main();
  user.Resize(main, 9000, 12000);
  EXPECT_EQ(main.Width(), 13084);
  EXPECT_EQ(main.Height(), 12000);
  user.Resize(main, 14000, 6000);
  EXPECT_EQ(main.Width(), 14000);
  EXPECT_EQ(main.Height(), 10130);
}

TEST_F(MainWindowLayout, PanelsFollowTheWindowSize) {
  mainwindow::frmMain& main = Main();
  user.Resize(main, 16000, 12500);
  const int t2 = main.Picture2.Top();
  const int t3 = main.Picture3.Top();
  EXPECT_EQ(main.SSTab1.Width(), 16000 - 3150);
  EXPECT_EQ(main.SSTab1.Height(), t2 - 150);
  // This frame (a 23-pixel title bar and 8-pixel borders) is tall enough that the queue and
  // the file list stop above the status lines and the browser's buttons.
  const int ch = main.ScaleHeight();
  EXPECT_EQ(main.List1.Bounds(),
            (ui::Rect{4067, t2 + 90, main.ScaleWidth() - 4200, std::min(12500 - t2 - 1700, ch - 755 - (t2 + 90))}));
  EXPECT_EQ(main.File1.Bounds(), (ui::Rect{120, t3 + 450, 2475, std::min(12500 - t3 - 1900, ch - 550 - (t3 + 450))}));
  EXPECT_EQ(main.List1.Top() + main.List1.Height(), main.frmSet.Top());
  EXPECT_EQ(main.Frame2.Height(), main.ScaleHeight() - 100);
  EXPECT_EQ(main.Command1_Compile.Top(), main.ScaleHeight() - 650);
  EXPECT_EQ(main.frmSet.Left(), 10000 + 1200);
  EXPECT_EQ(main.Text1.Width(), 16000 - 8200);
}

TEST_F(MainWindowLayout, MinimisingAndRestoringKeepsThePanels) {
  mainwindow::frmMain& main = Main();
  user.Resize(main, 15000, 11000);
  const ui::Rect list = main.List1.Bounds();
  const ui::Rect script = main.Text1.Bounds();
  const ui::Rect files = main.File1.Bounds();
  user.Minimize(main);
  user.Restore(main);
  EXPECT_EQ(main.List1.Bounds(), list);
  EXPECT_EQ(main.Text1.Bounds(), script);
  EXPECT_EQ(main.File1.Bounds(), files);
}

TEST_F(MainWindowLayout, MaximisedWindowFillsTheScreenWithThePanels) {
  mainwindow::frmMain& main = Main();
  user.Maximize(main);
  ASSERT_EQ(main.WindowState(), ui::WindowState::kMaximized);
  EXPECT_EQ(main.List1.Width(), main.ScaleWidth() - 4200);
  EXPECT_EQ(main.SSTab1.Width(), main.Width() - 3150);
  EXPECT_EQ(main.Command1_Compile.Top(), main.ScaleHeight() - 650);
  EXPECT_EQ(main.Text1.Width(), main.Width() - 8200);
}

TEST_F(MainWindowLayout, UserScriptControlsCatchUpWhenTheirTabReturns) {
  mainwindow::frmMain& main = Main();
  user.Resize(main, 14000, 11000);
  user.ChooseTab(main.SSTab1, 1);
  user.Resize(main, 17000, 11000);
  EXPECT_EQ(main.Text1.Width(), 14000 - 8200);
  EXPECT_EQ(main.SSTab1.Width(), 17000 - 3150);
  user.ChooseTab(main.SSTab1, 0);
  EXPECT_EQ(main.Text1.Width(), 17000 - 8200);
  EXPECT_EQ(main.frameUserScriptList.Left(), 17000 - 8000);
  EXPECT_EQ(main.chkAppend.Left(), 17000 - 8000 - 1180);
}

TEST_F(MainWindowLayout, LeavingTheUserScriptTabRereadsTheScriptList) {
  mainwindow::frmMain& main = Main();
  const std::string folder = Program("SCRIPTS");
  main.File2.SetPath(folder);
  main.File2.SetPattern("*.scr");
  fileSystem.AddFile(folder + "\\first.scr", "x\r\n");
  user.ChooseTab(main.SSTab1, 1);
  ASSERT_EQ(main.File2.ListCount(), 1);

  fileSystem.AddFile(folder + "\\second.scr", "y\r\n");
  user.ChooseTab(main.SSTab1, 2);
  user.ChooseTab(main.SSTab1, 0);
  EXPECT_EQ(main.File2.ListCount(), 1);
  user.ChooseTab(main.SSTab1, 1);
  EXPECT_EQ(main.File2.ListCount(), 2);
}

TEST_F(MainWindowLayout, QueueSplitterStopsAtItsTopAndReleasesAboveTheQueueMinimum) {
  mainwindow::frmMain& main = Main();
  user.Resize(main, 13084, 10130);
  main.Picture2.SetTop(4000);
  const int tabHeight = main.SSTab1.Height();

  user.MouseDown(main.Picture2, ui::kLeftButton, 0, 0, 30);
  EXPECT_EQ(main.Picture2.BackColor(), ui::kBlack);
  user.MouseMove(main.Picture2, ui::kLeftButton, 0, 0, -2000);
  EXPECT_EQ(main.Picture2.Top(), 3500);
  EXPECT_EQ(main.SSTab1.Height(), tabHeight) << "nothing else moves while dragging";
  user.MouseUp(main.Picture2, ui::kLeftButton, 0, 0, 0);
  EXPECT_EQ(main.Picture2.BackColor(), ui::kButtonFace);
  EXPECT_EQ(main.SSTab1.Height(), 3500 - 150);

  user.Drag(main.Picture2, ui::kLeftButton, {{0, 0}, {0, 1175}});
  EXPECT_EQ(main.Picture2.Top(), 4675);
  user.Drag(main.Picture2, ui::kLeftButton, {{0, 0}, {0, 600}});
  EXPECT_EQ(main.Picture2.Top(), 4630);
  EXPECT_EQ(main.List1.Top(), 4630 + 90);
}

TEST_F(MainWindowLayout, BrowserSplitterStopsAt3001AndEndsAboveTheFileListMinimum) {
  mainwindow::frmMain& main = Main();
  user.Resize(main, 13084, 11000);
  main.Picture3.SetTop(3600);
  user.Drag(main.Picture3, ui::kLeftButton, {{0, 0}, {0, -400}, {0, -400}});
  EXPECT_EQ(main.Picture3.Top(), 3001);
  user.Drag(main.Picture3, ui::kLeftButton, {{0, 0}, {0, 9000}});
  EXPECT_EQ(main.Picture3.Top(), 11000 - 3050);
  EXPECT_EQ(main.Dir1.Height(), 11000 - 3050 - 950);
}

TEST_F(MainWindowLayout, StoredSplitterTopAboveTheLimitWaitsForTheFirstDrag) {
  mainwindow::frmMain& main = Main();
  main.Picture2.SetTop(100);
  user.Resize(main, 15000, 11000);
  EXPECT_EQ(main.Picture2.Top(), 100);
  user.MouseMove(main.Picture2, ui::kLeftButton, 0, 0, 0);
  EXPECT_EQ(main.Picture2.Top(), 3500);
}

TEST_F(MainWindowLayout, MovingTheMouseWithoutTheLeftButtonDoesNotDrag) {
  mainwindow::frmMain& main = Main();
  main.Picture2.SetTop(4000);
  user.MouseMove(main.Picture2, 0, 0, 0, 500);
  user.MouseMove(main.Picture2, ui::kRightButton, 0, 0, 500);
  EXPECT_EQ(main.Picture2.Top(), 4000);
}

TEST_F(MainWindowLayout, HorizontalExtentComesFromTheListWidth) {
  mainwindow::frmMain& main = Main();
  main.List1.SetWidth(8700);
  main.gSetHorizontalExtent(main.List1);
  EXPECT_EQ(main.List1.HorizontalExtent(), 2700);
  main.List1.SetWidth(4000);
  main.gSetHorizontalExtent(main.List1);
  EXPECT_EQ(main.List1.HorizontalExtent(), 0);
}

TEST_F(MainWindowLayout, SimpleModeShowsTheScriptSelectorAndHidesTheAuthoringTools) {
  settings.Write("TornavanePowerTool", "Startup", "SimpleMode", "1");
  mainwindow::frmMain& main = Main();
  ASSERT_EQ(main.settings.SimpleMode, 1);
  EXPECT_FALSE(main.SSTab1.Visible());
  EXPECT_TRUE(main.frameSimpleScrSelect.Visible());
  EXPECT_FALSE(main.chkDelay.Enabled());
  EXPECT_FALSE(main.chkSaveAS.Enabled());
  EXPECT_FALSE(main.chkTestRun.Enabled());
  ui::MenuItem* authoring[] = {&main.mnuScriptCreationWizards,
                               &main.mnuCommandCapture,
                               &main.mnuRenamer,
                               &main.mnuScriptBrowser,
                               &main.mnuScriptEditor,
                               &main.mnuCheckScriptSyntax,
                               &main.mnuViewOptions,
                               &main.mnuProjectTagManager,
                               &main.mnuUserTagManager,
                               &main.mnubreak001,
                               &main.mnubreak002,
                               &main.mnuPlaceholder1,
                               &main.mnublank001};
  for (ui::MenuItem* item : authoring) EXPECT_FALSE(item->Visible()) << item->Name();
  main.List1.AddItem("C:\\Jobs\\A1.dwg");  // with a queue the renamer would be enabled
  main.UpdateQueueControls();
  EXPECT_FALSE(main.mnuRenamer.IsAvailable());
  for (char key : {'E', 'R', 'T', 'P', 'O'}) {
    EXPECT_FALSE(main.PressShortcut(ui::Shortcut::Ctrl(key))) << key;
  }
  EXPECT_TRUE(main.mnuNightRun.IsAvailable());
  EXPECT_TRUE(main.mnuOutputOther.IsAvailable());
}

TEST_F(MainWindowLayout, NormalModeHidesTheScriptSelector) {
  mainwindow::frmMain& main = Main();
  ASSERT_EQ(main.settings.SimpleMode, 0);
  EXPECT_TRUE(main.SSTab1.Visible());
  EXPECT_FALSE(main.frameSimpleScrSelect.Visible());
  EXPECT_TRUE(main.mnuScriptEditor.IsAvailable());
  EXPECT_TRUE(main.mnuViewOptions.IsAvailable());
}

TEST_F(MainWindowLayout, ChoosingAUserSetMakesItTheActiveOne) {
  mainwindow::frmMain& main = Main();
  user.Click(main.optPage[1]);
  ASSERT_EQ(main.settings.Face, 1);
  user.Click(main.optPage[3]);
  EXPECT_EQ(main.settings.Face, 3);
  EXPECT_TRUE(main.optPage[3].Value());
  EXPECT_FALSE(main.optPage[1].Value());
}

}  // namespace
