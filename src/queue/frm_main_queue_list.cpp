// The queue list's own events: click, double-click and Enter open the selected drawings,
// Ctrl+Up and Ctrl+Down move the current entry, Delete removes the selection, the right
// button shows the pop-up menu at the mouse and Shift+F10 or the Menu key at the current
// entry, and the wiring of the queue's buttons and pop-up entries.
#include <string>

#include "core/path_helpers.h"
#include "mainwindow/frm_main.h"
#include "queue/frm_dwg_preview.h"
#include "queue/move_list_item.h"
#include "queue/open_files.h"
#include "ui/hourglass.h"

namespace mainwindow {

void frmMain::WireQueueEvents() {
  List1.onClick = [this] { List1_Click(); };
  List1.onDblClick = [this] { List1_DblClick(); };
  List1.onKeyDown = [this](int& keyCode, int shift) { List1_KeyDown(keyCode, shift); };
  List1.onMouseUp = [this](int button, int shift, int px, int py) { List1_MouseUp(button, shift, px, py); };
  List1.onDrop = [this](const std::vector<std::string>& paths) { List1_OLEDragDrop(paths); };

  cmdAddAll.onClick = [this] { cmdAddAll_Click(); };
  cmdAddDwg.onClick = [this] { cmdAddDwg_Click(); };
  cmdRemoveDwg.onClick = [this] { cmdRemoveDwg_Click(); };
  cmdRemoveAllDwg.onClick = [this] { cmdRemoveAllDwg_Click(); };

  mnuOpen.onClick = [this] { mnuOpen_Click(); };
  mnuSkip.onClick = [this] { mnuSkip_Click(); };
  mnuRemoveSelectedFiles.onClick = [this] { mnuRemoveSelectedFiles_Click(); };
  mnuRemoveUnselectedFiles.onClick = [this] { mnuRemoveUnselectedFiles_Click(); };
  mnuGotoDir.onClick = [this] { mnuGotoDir_Click(); };
  mnuOpenDirInExplorer.onClick = [this] { mnuOpenDirInExplorer_Click(); };
}

// A click shows the current entry in the preview and enables what a selection allows at once;
// UpdateQueueControls then corrects it by the number of entries selected.
void frmMain::List1_Click() {
  UpdateSaveAsExample();
  queue::ShowDWGPreview(app_, List1.Text());
  Show();
  cmdRemoveDwg.SetEnabled(true);
  mnuCopySelectedtoClip.SetEnabled(true);
  mnuSkip.SetEnabled(true);
  UpdateQueueControls();
}

// The key goes on to the list afterwards: after a move its own arrow handling takes the focus
// onto the moved entry, so that the next press moves the same entry again.
void frmMain::List1_KeyDown(int& keyCode, int shift) {
  switch (keyCode) {
    case ui::kKeyReturn:
      List1_DblClick();
      break;
    case ui::kKeyUp:
      if (shift == ui::kCtrlMask && !Ctx().Busy()) queue::MoveListItem(List1, List1.ListIndex() - 1, List1.ListIndex());
      break;
    case ui::kKeyDown:
      if (shift == ui::kCtrlMask && !Ctx().Busy()) queue::MoveListItem(List1, List1.ListIndex() + 1, List1.ListIndex());
      break;
    case ui::kKeyDelete:
      cmdRemoveDwg_Click();
      break;
    case ui::kKeyApps:
    case ui::kKeyF10:
      if (keyCode == ui::kKeyF10 && shift != ui::kShiftMask) break;
      keyCode = 0;
      PopupMenuAt(mnuPUForm, &mnuOpen, List1, List1.ListIndex());
      break;
    default:
      break;
  }
}

void frmMain::List1_DblClick() {
  OpenSelectedEntries();
}

void frmMain::mnuOpen_Click() {
  List1_DblClick();
}

// Opens the selected drawings with their associated program, asking after every
// ResourceFileLimit of them whether to go on. The shell starts in the browser's drive root
// (the drive box's text carries the volume label, which is no folder).
void frmMain::OpenSelectedEntries() {
  ui::FormHourglass hourglass(*this);
  std::vector<std::string> paths;
  for (int i = 0; i < List1.ListCount(); ++i) {
    if (List1.Selected(i)) paths.push_back(List1.List(i));
  }
  queue::OpenFilesWithLimit(Ctx(), paths, core::DriveRoot(Drive1.Drive()), settings.ResourceWarning,
                            settings.ResourceFileLimit);
}

void frmMain::List1_MouseUp(int button, int, int, int) {
  if (button == ui::kRightButton) PopupMenu(mnuPUForm, &mnuOpen);
}

}  // namespace mainwindow
