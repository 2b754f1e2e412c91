#pragma once

#include <optional>
#include <vector>

#include "ui/form.h"

// The main window's layout pass as a pure function: from the window's size, state, the two
// splitter tops and the current tab to the places of the panels' controls.
namespace mainwindow {

// The smallest outer size the main window keeps, in twips.
constexpr int kMinWindowWidth = 13084;
constexpr int kMinWindowHeight = 10130;

// The lowest tops the splitters can be dragged to.
constexpr int kQueueSplitterMinTop = 3500;
constexpr int kBrowserSplitterMinTop = 3001;

enum class LayoutTarget {
  kForm,
  kPicture2,
  kPicture3,
  kSSTab1,
  kList1,
  kCmdDWGPreviewShow,
  kFrame3,
  kCmdFileList,
  kCmdRemoveAllDwg,
  kCmdRemoveDwg,
  kCmdAddDwg,
  kCmdAddAll,
  kCmdAddAllSub,
  kFrame2,
  kCommand4Explorer,
  kCmdQuickPick,
  kCommand1Compile,
  kCmdCreateAndRun,
  kCmdQueueQuickPick,
  kFrmSet,
  kLblFilesInQueue,
  kLblFilesProcessed,
  kLblUpdate,
  kFrameSimpleScrSelect,
  kFsSimpleScript,
  kDir1,
  kCmdFilterFormShow,
  kTbDWGFilter,
  kFile1,
  kCmdClearSCREditor,
  kCommand2,
  kCmdSCREditOpen,
  kText1,
  kFrameUserScriptList,
  kCmdBrowse,
  kCmdDeleteSCR,
  kCmdSAVESCR,
  kChkReadOnly,
  kLabel14,
  kText2,
  kFile2,
  kChkAppend,
};

// One placement: the values to set; an empty one keeps the control's own. A negative width
// or height is refused by the control, which keeps its size.
struct Placement {
  LayoutTarget target;
  std::optional<int> left;
  std::optional<int> top;
  std::optional<int> width;
  std::optional<int> height;

  friend bool operator==(const Placement&, const Placement&) = default;
};

struct LayoutInput {
  int width = 0;  // outer size of the window
  int height = 0;
  int clientWidth = 0;
  int clientHeight = 0;
  ui::WindowState state = ui::WindowState::kNormal;
  int queueSplitterTop = 0;    // Picture2
  int browserSplitterTop = 0;  // Picture3
  bool userScriptTabCurrent = true;
  // The current heights of the containers whose later rows depend on them, used when a
  // computed height is refused.
  int tabHeight = 0;
  int frame2Height = 0;
  int simpleFrameHeight = 0;
  int userScriptListHeight = 0;
};

// The placements of one layout pass, in the order they are applied. A window below the
// minimum size gets only its new width or height (setting it runs another pass).
std::vector<Placement> LayoutPass(const LayoutInput& in);

// A splitter's top after a mouse move of offsetY twips within it: it follows the mouse only
// while it lies below moveAbove, and never ends above minimum.
int DragSplitterTop(int top, int offsetY, int moveAbove, int minimum);

// The horizontal scroll range, in pixels, that a list of this width in twips gets.
int HorizontalExtentFor(int listWidth);

}  // namespace mainwindow
