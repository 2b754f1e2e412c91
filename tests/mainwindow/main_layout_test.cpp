#include "mainwindow/main_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <vector>

namespace mainwindow {
namespace {

using T = LayoutTarget;
using std::nullopt;

// A window of 15000 x 12000 twips with the splitters at 4000 and 5000.
LayoutInput Roomy() {
  LayoutInput in;
  in.width = 15000;
  in.height = 12000;
  in.clientWidth = 14760;
  in.clientHeight = 11300;
  in.queueSplitterTop = 4000;
  in.browserSplitterTop = 5000;
  in.tabHeight = 3450;
  in.frame2Height = 9300;
  in.simpleFrameHeight = 3450;
  in.userScriptListHeight = 2950;
  return in;
}

std::optional<Placement> Find(const std::vector<Placement>& placements, T target) {
  auto found =
      std::find_if(placements.begin(), placements.end(), [&](const Placement& p) { return p.target == target; });
  if (found == placements.end()) return nullopt;
  return *found;
}

std::vector<T> Targets(const std::vector<Placement>& placements) {
  std::vector<T> targets;
  for (const Placement& p : placements) targets.push_back(p.target);
  return targets;
}

TEST(MainLayout, PlacesEveryPanelFromSizeAndSplittersInOrder) {
  const std::vector<Placement> expected = {
      {T::kPicture2, nullopt, nullopt, 11800, nullopt},
      {T::kSSTab1, nullopt, nullopt, 11850, nullopt},
      {T::kSSTab1, nullopt, nullopt, nullopt, 3850},
      {T::kList1, 4067, 4090, 10560, 6300},
      {T::kCmdDWGPreviewShow, 2880, 7500, 1065, 315},
      {T::kFrame3, 2821, 6180, 1215, 1200},
      {T::kCmdFileList, 2880, 5700, 1065, 315},
      {T::kCmdRemoveAllDwg, 2880, 5220, 1065, 315},
      {T::kCmdRemoveDwg, 2880, 4860, nullopt, nullopt},
      {T::kCmdAddDwg, 2880, 4500, nullopt, nullopt},
      {T::kCmdAddAll, 2880, 4140, 720, 315},
      {T::kCmdAddAllSub, 3600, 4140, 345, 315},
      {T::kFrame2, 60, 66, 2747, 11200},
      {T::kCommand4Explorer, 1450, 10750, 1100, 310},
      {T::kCmdQuickPick, 200, 10750, 1200, 310},
      {T::kCommand1Compile, 4700, 10650, 2500, 547},
      {T::kCmdCreateAndRun, 7280, 10650, 2500, 547},
      {T::kCmdQueueQuickPick, 10000, 10845, 1140, 350},
      {T::kFrmSet, 11200, 10545, nullopt, nullopt},
      {T::kLblFilesInQueue, 2890, 10550, nullopt, nullopt},
      {T::kLblFilesProcessed, 2890, 10800, nullopt, nullopt},
      {T::kLblUpdate, 2890, 11050, nullopt, nullopt},
      {T::kFrameSimpleScrSelect, 3000, 50, 11800, 3850},
      {T::kFsSimpleScript, 150, 520, 11500, 3200},
      {T::kDir1, 120, 900, 2475, 4050},
      {T::kCmdFilterFormShow, 120, 5075, 795, 315},
      {T::kTbDWGFilter, 1080, 5075, 1395, 285},
      {T::kFile1, 120, 5450, 2475, 5100},
      {T::kCmdClearSCREditor, 135, 3460, 855, 300},
      {T::kCommand2, 1080, 3460, 855, 300},
      {T::kCmdSCREditOpen, 2000, 3460, 885, 300},
      {T::kText1, 120, 420, 6800, 3000},
      {T::kFrameUserScriptList, 7000, 420, 4755, 3350},
      {T::kCmdBrowse, 3720, 2950, 855, 315},
      {T::kCmdDeleteSCR, 1080, 2950, 855, 315},
      {T::kCmdSAVESCR, 150, 2950, 855, 315},
      {T::kChkReadOnly, 2280, 2950, 1215, 315},
      {T::kLabel14, 120, 2600, 1560, 315},
      {T::kText2, 1695, 2600, 2910, 285},
      {T::kFile2, 105, 540, 4515, 2000},
      {T::kChkAppend, 5820, 3500, 1000, 255},
  };
  EXPECT_EQ(LayoutPass(Roomy()), expected);
}

TEST(MainLayout, WindowBelowMinimumOnlyGrowsToIt) {
  struct Case {
    int width, height;
    std::optional<int> newWidth, newHeight;
  };
  const Case cases[] = {
      {12000, 12000, 13084, nullopt},
      {13082, 9000, 13084, nullopt},  // width first; the new size runs the next pass
      {15000, 10128, nullopt, 10130},
  };
  for (const Case& c : cases) {
    LayoutInput in = Roomy();
    in.width = c.width;
    in.height = c.height;
    const std::vector<Placement> expected = {{T::kForm, nullopt, nullopt, c.newWidth, c.newHeight}};
    EXPECT_EQ(LayoutPass(in), expected) << c.width << " x " << c.height;
  }
}

TEST(MainLayout, EdgeSizesEndThePassInTheNormalStateOnly) {
  struct Case {
    int width, height;
    ui::WindowState state;
    bool widthGroup, heightGroup, tabGroup;
  };
  const Case cases[] = {
      {13083, 12000, ui::WindowState::kNormal, false, false, false},
      {13083, 12000, ui::WindowState::kMaximized, false, true, true},
      {13084, 12000, ui::WindowState::kNormal, true, true, true},
      {15000, 10129, ui::WindowState::kNormal, true, false, false},
      {15000, 10129, ui::WindowState::kMaximized, true, false, true},
      {15000, 12000, ui::WindowState::kMinimized, false, false, false},
  };
  for (const Case& c : cases) {
    LayoutInput in = Roomy();
    in.width = c.width;
    in.height = c.height;
    in.state = c.state;
    const std::vector<Placement> out = LayoutPass(in);
    const std::string where = std::to_string(c.width) + " x " + std::to_string(c.height);
    EXPECT_EQ(Find(out, T::kPicture2).has_value(), c.widthGroup) << where;
    EXPECT_EQ(Find(out, T::kList1).has_value(), c.heightGroup) << where;
    EXPECT_EQ(Find(out, T::kText1).has_value(), c.tabGroup) << where;
  }
}

TEST(MainLayout, SplittersAreKeptAboveTheQueueAndFileListMinimum) {
  struct Case {
    int height, t2, t3;
    std::optional<int> newT2, newT3;
  };
  const Case cases[] = {
      {10130, 4675, 7130, nullopt, nullopt},  // H - T2 = 5455, H - T3 = 3000: room enough
      {10130, 4676, 7131, 4630, 7080},
      {10130, 9000, 9500, 4630, 7080},
      {12000, 4000, 5000, nullopt, nullopt},
  };
  for (const Case& c : cases) {
    LayoutInput in = Roomy();
    in.height = c.height;
    in.queueSplitterTop = c.t2;
    in.browserSplitterTop = c.t3;
    const std::vector<Placement> out = LayoutPass(in);
    std::optional<int> t2;
    std::optional<int> t3;
    for (const Placement& p : out) {
      if (p.target == T::kPicture2 && p.top) t2 = p.top;
      if (p.target == T::kPicture3 && p.top) t3 = p.top;
    }
    EXPECT_EQ(t2, c.newT2) << c.t2;
    EXPECT_EQ(t3, c.newT3) << c.t3;
    // The queue and the file list hang on the corrected tops.
    const int usedT2 = c.newT2.value_or(c.t2);
    const int usedT3 = c.newT3.value_or(c.t3);
    EXPECT_EQ(Find(out, T::kList1)->top, usedT2 + 90);
    EXPECT_EQ(Find(out, T::kFile1)->top, usedT3 + 450);
  }
}

TEST(MainLayout, RefusedHeightsLeaveLaterRowsOnTheOldHeights) {
  // A stored splitter top of 100 gives the tab control a negative height: it keeps its own,
  // and the rows placed from its height use that.
  LayoutInput in = Roomy();
  in.queueSplitterTop = 100;
  in.tabHeight = 3450;
  in.simpleFrameHeight = 3000;
  in.userScriptListHeight = 2950;
  const std::vector<Placement> out = LayoutPass(in);
  EXPECT_EQ(Find(out, T::kCmdClearSCREditor)->top, 3450 - 390);
  EXPECT_EQ(Find(out, T::kChkAppend)->top, 3450 - 350);
  EXPECT_EQ(Find(out, T::kFsSimpleScript)->height, 3000 - 650);
  EXPECT_EQ(Find(out, T::kCmdSAVESCR)->top, 2950 - 400);
  EXPECT_EQ(Find(out, T::kFile2)->height, 2950 - 1350);
}

TEST(MainLayout, OtherTabsLeaveTheUserScriptControlsAlone) {
  LayoutInput in = Roomy();
  in.userScriptTabCurrent = false;
  const std::vector<Placement> out = LayoutPass(in);
  const std::vector<T> targets = Targets(out);
  for (T target : {T::kText1, T::kFrameUserScriptList, T::kFile2, T::kChkAppend, T::kCmdSCREditOpen}) {
    EXPECT_EQ(std::count(targets.begin(), targets.end(), target), 0);
  }
  EXPECT_TRUE(Find(out, T::kList1));
}

// The bottom of a placed control (its top plus its height), or -1 when it was not placed.
int Bottom(const std::vector<Placement>& placements, T target) {
  std::optional<Placement> p = Find(placements, target);
  return p && p->top && p->height ? *p->top + *p->height : -1;
}

int Top(const std::vector<Placement>& placements, T target) {
  return Find(placements, target)->top.value();
}

TEST(MainLayout, NoPanelRunsIntoTheNextFromTheMinimumHeightTo1600Pixels) {
  // Window frames of 40 to 60 pixels (title bar, menu bar and borders), narrow and wide
  // windows, the splitters at their defaults and dragged far down.
  struct Splitters {
    int t2, t3;
  };
  for (int frame : {600, 750, 900}) {
    for (int width : {kMinWindowWidth, 21000}) {
      for (Splitters splitters : {Splitters{3600, 3600}, Splitters{30000, 30000}}) {
        for (int height = kMinWindowHeight; height <= 24000; height += 15) {
          LayoutInput in = Roomy();
          in.width = width;
          in.height = height;
          in.clientWidth = width - 120;
          in.clientHeight = height - frame;
          in.queueSplitterTop = splitters.t2;
          in.browserSplitterTop = splitters.t3;
          const std::vector<Placement> out = LayoutPass(in);
          const std::string where = std::to_string(width) + " x " + std::to_string(height) + ", frame " +
                                    std::to_string(frame) + ", splitters " + std::to_string(splitters.t2);
          const int fh = *Find(out, T::kFrame2)->height;
          // The drawing browser, inside its frame.
          ASSERT_LE(Bottom(out, T::kDir1), Top(out, T::kCmdFilterFormShow)) << where;
          ASSERT_LE(Bottom(out, T::kFile1), Top(out, T::kCmdQuickPick)) << where;
          ASSERT_LE(Bottom(out, T::kFile1), Top(out, T::kCommand4Explorer)) << where;
          ASSERT_LE(Bottom(out, T::kCmdQuickPick), fh) << where;
          // The queue and its buttons above the bottom strip.
          ASSERT_LE(Bottom(out, T::kList1), Top(out, T::kLblFilesInQueue)) << where;
          ASSERT_LE(Bottom(out, T::kList1), Top(out, T::kCommand1Compile)) << where;
          ASSERT_LE(Bottom(out, T::kList1), Top(out, T::kFrmSet)) << where;
          ASSERT_LE(Bottom(out, T::kCmdDWGPreviewShow), Top(out, T::kLblFilesInQueue)) << where;
          ASSERT_LE(Bottom(out, T::kCommand1Compile), in.clientHeight) << where;
        }
      }
    }
  }
}

TEST(MainLayout, SplitterDragFollowsTheMouseDownToItsMinimum) {
  struct Case {
    int top, offset, moveAbove, minimum, expected;
  };
  const Case cases[] = {
      {4000, 300, 3499, 3500, 4300},                                   // down
      {4000, -300, 3499, 3500, 3700},                                  // up
      {3600, -500, 3499, 3500, 3500},                                  // stops at the top
      {3500, 120, 3499, 3500, 3620},   {100, 400, 3499, 3500, 3500},   // a stored top above the limit jumps to it
      {3001, 200, 3000, 3001, 3201},   {3000, 500, 3000, 3001, 3001},  // the browser splitter moves only below 3000
      {3400, -1000, 3000, 3001, 3001},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DragSplitterTop(c.top, c.offset, c.moveAbove, c.minimum), c.expected) << c.top << " " << c.offset;
  }
}

TEST(MainLayout, HorizontalExtentIsTheWidthBeyond6000TwipsNeverNegative) {
  EXPECT_EQ(HorizontalExtentFor(8700), 2700);
  EXPECT_EQ(HorizontalExtentFor(6000), 0);
  EXPECT_EQ(HorizontalExtentFor(2475), 0);
}

}  // namespace
}  // namespace mainwindow
