// The queue list's own events: click, double-click and Enter open the selected drawings,
// Ctrl+Up and Ctrl+Down move the current entry, Delete removes the selection, the right
// button shows the pop-up menu, and the wiring of the queue's buttons and pop-up entries.
#include <string>

#include "core/path_helpers.h"
#include "mainwindow/frm_main.h"
#include "queue/hourglass.h"
#include "queue/move_list_item.h"
#include "runtime/error.h"

namespace mainwindow {

namespace {

constexpr int kShowWindow = 5;

}  // namespace

void frmMain::WireQueueEvents() {
  List1.onClick = [this] { List1_Click(); };
  List1.onDblClick = [this] { List1_DblClick(); };
  List1.onKeyDown = [this](int& keyCode, int shift) { List1_KeyDown(keyCode, shift); };
  List1.onMouseUp = [this](int button, int shift, int x, int y) { List1_MouseUp(button, shift, x, y); };
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

// A click enables what a selection allows at once; UpdateQueueControls then corrects it by
// the number of entries selected.
void frmMain::List1_Click() {
  UpdateSaveAsExample();
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
  queue::FormHourglass hourglass(*this);
  platform::Shell& shell = Ctx().Services().shell;
  const std::string folder = core::DriveRoot(Drive1.Drive());
  const std::string question = "You have attempted to open more than " + std::to_string(ResourceFileLimit) +
                               " files at a time.\r\n\r\nThis could starve your systems resources...\r\n\r\n"
                               "Are you sure you want to continue opening files?";
  int opened = 0;
  for (int i = 0; i < List1.ListCount(); ++i) {
    if (!List1.Selected(i)) continue;
    try {
      shell.Execute(shell.DesktopWindow(), "open", List1.List(i), "", folder, kShowWindow);
    } catch (const runtime::Error&) {
      // A drawing that cannot be opened is passed over, as the shell's own failures are.
    }
    ++opened;
    if (opened < ResourceFileLimit || ResourceWarning != 1) continue;
    const ui::MsgAnswer answer = Ctx().MsgBox({.text = question,
                                               .title = "Continue?",
                                               .buttons = ui::MsgButtons::kYesNo,
                                               .icon = ui::MsgIcon::kExclamation,
                                               .defaultButton = 1});
    if (answer != ui::MsgAnswer::kYes) break;
    opened = 0;
  }
}

void frmMain::List1_MouseUp(int button, int, int, int) {
  if (button == ui::kRightButton) PopupMenu(mnuPUForm, &mnuOpen);
}

}  // namespace mainwindow
