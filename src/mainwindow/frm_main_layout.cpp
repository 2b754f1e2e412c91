#include "mainwindow/frm_main.h"
#include "mainwindow/main_layout.h"
#include "runtime/error.h"

namespace mainwindow {

namespace {

// Places a control; a negative size is refused and the old one kept.
void Apply(ui::Control& control, const Placement& p) {
  auto keepOr = [](std::optional<int> value, int current, bool isSize) {
    if (!value || (isSize && *value < 0)) return current;
    return *value;
  };
  control.Move(keepOr(p.left, control.Left(), false), keepOr(p.top, control.Top(), false),
               keepOr(p.width, control.Width(), true), keepOr(p.height, control.Height(), true));
}

// The control a layout placement is for.
ui::Control& Target(frmMain& f, LayoutTarget target) {
  switch (target) {
    case LayoutTarget::kPicture2:
      return f.Picture2;
    case LayoutTarget::kPicture3:
      return f.Picture3;
    case LayoutTarget::kSSTab1:
      return f.SSTab1;
    case LayoutTarget::kList1:
      return f.List1;
    case LayoutTarget::kCmdDWGPreviewShow:
      return f.cmdDWGPreviewShow;
    case LayoutTarget::kFrame3:
      return f.Frame3;
    case LayoutTarget::kCmdFileList:
      return f.cmdFileList;
    case LayoutTarget::kCmdRemoveAllDwg:
      return f.cmdRemoveAllDwg;
    case LayoutTarget::kCmdRemoveDwg:
      return f.cmdRemoveDwg;
    case LayoutTarget::kCmdAddDwg:
      return f.cmdAddDwg;
    case LayoutTarget::kCmdAddAll:
      return f.cmdAddAll;
    case LayoutTarget::kCmdAddAllSub:
      return f.cmdAddAllSub;
    case LayoutTarget::kFrame2:
      return f.Frame2;
    case LayoutTarget::kCommand4Explorer:
      return f.Command4_explorer;
    case LayoutTarget::kCmdQuickPick:
      return f.cmdQuickPick;
    case LayoutTarget::kCommand1Compile:
      return f.Command1_Compile;
    case LayoutTarget::kCmdCreateAndRun:
      return f.cmdCreateAndRun;
    case LayoutTarget::kCmdQueueQuickPick:
      return f.cmdQueueQuickPick;
    case LayoutTarget::kFrmSet:
      return f.frmSet;
    case LayoutTarget::kLblFilesInQueue:
      return f.lblFilesInQueue;
    case LayoutTarget::kLblFilesProcessed:
      return f.lblFilesProcessed;
    case LayoutTarget::kLblUpdate:
      return f.lblUpdate;
    case LayoutTarget::kFrameSimpleScrSelect:
      return f.frameSimpleScrSelect;
    case LayoutTarget::kFsSimpleScript:
      return f.fsSimpleScript;
    case LayoutTarget::kDir1:
      return f.Dir1;
    case LayoutTarget::kCmdFilterFormShow:
      return f.cmdFilterFormShow;
    case LayoutTarget::kTbDWGFilter:
      return f.tbDWGFilter;
    case LayoutTarget::kFile1:
      return f.File1;
    case LayoutTarget::kCmdClearSCREditor:
      return f.cmdClearSCREditor;
    case LayoutTarget::kCommand2:
      return f.Command2;
    case LayoutTarget::kCmdSCREditOpen:
      return f.cmdSCREditOpen;
    case LayoutTarget::kText1:
      return f.Text1;
    case LayoutTarget::kFrameUserScriptList:
      return f.frameUserScriptList;
    case LayoutTarget::kCmdBrowse:
      return f.cmdBrowse;
    case LayoutTarget::kCmdDeleteSCR:
      return f.cmdDeleteSCR;
    case LayoutTarget::kCmdSAVESCR:
      return f.cmdSAVESCR;
    case LayoutTarget::kChkReadOnly:
      return f.chkReadOnly;
    case LayoutTarget::kLabel14:
      return f.Label14;
    case LayoutTarget::kText2:
      return f.Text2;
    case LayoutTarget::kFile2:
      return f.File2;
    case LayoutTarget::kChkAppend:
      return f.chkAppend;
    case LayoutTarget::kForm:
      break;
  }
  throw runtime::Error(5);
}

}  // namespace

void frmMain::Form_Resize() {
  LayoutInput in;
  in.width = Width();
  in.height = Height();
  in.clientWidth = ScaleWidth();
  in.clientHeight = ScaleHeight();
  in.state = WindowState();
  in.queueSplitterTop = Picture2.Top();
  in.browserSplitterTop = Picture3.Top();
  in.userScriptTabCurrent = SSTab1.Tab() == 0;
  in.tabHeight = SSTab1.Height();
  in.frame2Height = Frame2.Height();
  in.simpleFrameHeight = frameSimpleScrSelect.Height();
  in.userScriptListHeight = frameUserScriptList.Height();

  for (const Placement& p : LayoutPass(in)) {
    // Each placement stands alone: one that fails leaves its control as it was.
    try {
      if (p.target == LayoutTarget::kForm) {
        if (p.width) SetWidth(*p.width);
        if (p.height) SetHeight(*p.height);
        return;
      }
      Apply(Target(*this, p.target), p);
    } catch (const runtime::Error&) {
    }
  }
}

void frmMain::ApplySimpleModeLayout() {
  if (settings.SimpleMode != 1) {
    frameSimpleScrSelect.SetVisible(false);
    return;
  }
  SSTab1.SetVisible(false);
  chkDelay.SetEnabled(false);
  chkSaveAS.SetEnabled(false);
  chkTestRun.SetEnabled(false);
  for (ui::MenuItem* item : {&mnuScriptCreationWizards, &mnuCommandCapture, &mnuRenamer, &mnuScriptBrowser,
                             &mnuScriptEditor, &mnuCheckScriptSyntax, &mnuViewOptions, &mnuProjectTagManager,
                             &mnuUserTagManager, &mnubreak001, &mnubreak002, &mnuPlaceholder1, &mnublank001}) {
    item->SetVisible(false);
  }
}

// A tab change lays the window out again (the first tab's controls follow the window only
// while it is current); leaving the first tab re-reads the script list.
void frmMain::SSTab1_Click(int previousTab) {
  Form_Resize();
  if (previousTab == 0) File2.Refresh();
}

void frmMain::Picture2_MouseDown(int, int, int, int) {
  Picture2.SetBackColor(ui::kBlack);
}

void frmMain::Picture2_MouseMove(int button, int, int, int y) {
  if (button != ui::kLeftButton) return;
  Ctx().DoEvents();
  Picture2.SetTop(DragSplitterTop(Picture2.Top(), y, kQueueSplitterMinTop - 1, kQueueSplitterMinTop));
}

void frmMain::Picture2_MouseUp(int, int, int, int) {
  Picture2.SetBackColor(ui::kButtonFace);
  Form_Resize();
}

void frmMain::Picture3_MouseDown(int, int, int, int) {
  Picture3.SetBackColor(ui::kBlack);
}

void frmMain::Picture3_MouseMove(int button, int, int, int y) {
  if (button != ui::kLeftButton) return;
  Ctx().DoEvents();
  Picture3.SetTop(DragSplitterTop(Picture3.Top(), y, kBrowserSplitterMinTop - 1, kBrowserSplitterMinTop));
}

void frmMain::Picture3_MouseUp(int, int, int, int) {
  Picture3.SetBackColor(ui::kButtonFace);
  Form_Resize();
}

void frmMain::Picture1_MouseMove(int button, int, int, int) {
  if (button == ui::kLeftButton) Form_Resize();
}

void frmMain::gSetHorizontalExtent(ui::ListBox& list) {
  list.SetHorizontalExtent(HorizontalExtentFor(list.Width()));
}

}  // namespace mainwindow
