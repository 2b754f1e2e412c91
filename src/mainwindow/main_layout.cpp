#include "mainwindow/main_layout.h"

#include <algorithm>

namespace mainwindow {

namespace {

using T = LayoutTarget;
using std::nullopt;

// The value a control ends with: the one set, unless it is a refused negative size.
int SizeAfter(std::optional<int> set, int current) {
  return set && *set >= 0 ? *set : current;
}

// Rows that depend on the window size and the two splitters.
void HeightGroup(const LayoutInput& in, int t2, int t3, std::vector<Placement>& out) {
  const int w = in.width;
  const int h = in.height;
  const int cw = in.clientWidth;
  const int ch = in.clientHeight;

  out.push_back({T::kSSTab1, nullopt, nullopt, nullopt, t2 - 150});
  // The queue and the file list are sized from the outer height; with a tall window frame that
  // would run them into the bottom strip (the User Set frame at ch - 755 is its highest part)
  // and the browser's buttons, so they stop above those.
  out.push_back({T::kList1, 4067, t2 + 90, cw - 4200, std::min(h - t2 - 1700, ch - 755 - (t2 + 90))});
  out.push_back({T::kCmdDWGPreviewShow, 2880, t2 + 3500, 1065, 315});
  out.push_back({T::kFrame3, 2821, t2 + 2180, 1215, 1200});
  out.push_back({T::kCmdFileList, 2880, t2 + 1700, 1065, 315});
  out.push_back({T::kCmdRemoveAllDwg, 2880, t2 + 1220, 1065, 315});
  out.push_back({T::kCmdRemoveDwg, 2880, t2 + 860, nullopt, nullopt});
  out.push_back({T::kCmdAddDwg, 2880, t2 + 500, nullopt, nullopt});
  out.push_back({T::kCmdAddAll, 2880, t2 + 140, 720, 315});
  out.push_back({T::kCmdAddAllSub, 3600, t2 + 140, 345, 315});
  out.push_back({T::kFrame2, 60, 66, 2747, ch - 100});
  const int fh = SizeAfter(ch - 100, in.frame2Height);
  out.push_back({T::kCommand4Explorer, 1450, fh - 450, 1100, 310});
  out.push_back({T::kCmdQuickPick, 200, fh - 450, 1200, 310});
  out.push_back({T::kCommand1Compile, 4700, ch - 650, 2500, 547});
  out.push_back({T::kCmdCreateAndRun, 7280, ch - 650, 2500, 547});
  const int ql = 10000;
  const int qt = ch - 455;
  out.push_back({T::kCmdQueueQuickPick, ql, qt, 1140, 350});
  out.push_back({T::kFrmSet, ql + 1200, qt - 300, nullopt, nullopt});
  out.push_back({T::kLblFilesInQueue, 2890, ch - 750, nullopt, nullopt});
  out.push_back({T::kLblFilesProcessed, 2890, ch - 500, nullopt, nullopt});
  out.push_back({T::kLblUpdate, 2890, ch - 250, nullopt, nullopt});
  out.push_back({T::kFrameSimpleScrSelect, 3000, 50, w - 3200, t2 - 150});
  const int sh = SizeAfter(t2 - 150, in.simpleFrameHeight);
  out.push_back({T::kFsSimpleScript, 150, 520, w - 3500, sh - 650});
  out.push_back({T::kDir1, 120, 900, 2475, t3 - 950});
  out.push_back({T::kCmdFilterFormShow, 120, t3 + 75, 795, 315});
  out.push_back({T::kTbDWGFilter, 1080, t3 + 75, 1395, 285});
  out.push_back({T::kFile1, 120, t3 + 450, 2475, std::min(h - t3 - 1900, fh - 450 - (t3 + 450))});
}

// Rows of the "User Script" tab, which hang on the tab's height.
void UserScriptGroup(const LayoutInput& in, int th, int t2, std::vector<Placement>& out) {
  const int w = in.width;
  out.push_back({T::kCmdClearSCREditor, 135, th - 390, 855, 300});
  out.push_back({T::kCommand2, 1080, th - 390, 855, 300});
  out.push_back({T::kCmdSCREditOpen, 2000, th - 390, 885, 300});
  out.push_back({T::kText1, 120, 420, w - 8200, th - 850});
  const int lu = w - 8000;
  out.push_back({T::kFrameUserScriptList, lu, 420, 4755, t2 - 650});
  const int fu = SizeAfter(t2 - 650, in.userScriptListHeight);
  out.push_back({T::kCmdBrowse, 3720, fu - 400, 855, 315});
  out.push_back({T::kCmdDeleteSCR, 1080, fu - 400, 855, 315});
  out.push_back({T::kCmdSAVESCR, 150, fu - 400, 855, 315});
  out.push_back({T::kChkReadOnly, 2280, fu - 400, 1215, 315});
  out.push_back({T::kLabel14, 120, fu - 750, 1560, 315});
  // The name box is as tall as the other one-line boxes, so its text shows whole.
  out.push_back({T::kText2, 1695, fu - 750, 2910, 285});
  out.push_back({T::kFile2, 105, 540, 4515, fu - 1350});
  out.push_back({T::kChkAppend, lu - 1180, th - 350, 1000, 255});
}

}  // namespace

std::vector<Placement> LayoutPass(const LayoutInput& in) {
  constexpr int kEdgeWidth = kMinWindowWidth - 1;
  constexpr int kEdgeHeight = kMinWindowHeight - 1;
  std::vector<Placement> out;

  if (in.width < kEdgeWidth) return {{T::kForm, nullopt, nullopt, kMinWindowWidth, nullopt}};
  if (in.height < kEdgeHeight) return {{T::kForm, nullopt, nullopt, nullopt, kMinWindowHeight}};
  if (in.state == ui::WindowState::kMinimized) return out;
  const bool maximized = in.state == ui::WindowState::kMaximized;

  if (in.width > kEdgeWidth) {
    out.push_back({T::kPicture2, nullopt, nullopt, in.width - 3200, nullopt});
    out.push_back({T::kSSTab1, nullopt, nullopt, in.width - 3150, nullopt});
  } else if (!maximized) {
    return out;
  }

  int t2 = in.queueSplitterTop;
  int th = in.tabHeight;
  if (in.height > kEdgeHeight) {
    int t3 = in.browserSplitterTop;
    if (in.height - t2 < 5455) {
      t2 = in.height - 5500;
      out.push_back({T::kPicture2, nullopt, t2, nullopt, nullopt});
    }
    if (in.height - t3 < 3000) {
      t3 = in.height - 3050;
      out.push_back({T::kPicture3, nullopt, t3, nullopt, nullopt});
    }
    HeightGroup(in, t2, t3, out);
    th = SizeAfter(t2 - 150, in.tabHeight);
  } else if (!maximized) {
    return out;
  }

  if (in.userScriptTabCurrent) UserScriptGroup(in, th, t2, out);
  return out;
}

int DragSplitterTop(int top, int offsetY, int moveAbove, int minimum) {
  if (top > moveAbove) top += offsetY;
  return std::max(top, minimum);
}

int HorizontalExtentFor(int listWidth) {
  return std::max(0, listWidth - 6000);
}

}  // namespace mainwindow
