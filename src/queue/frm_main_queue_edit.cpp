// The queue's buttons: Add All, Add, Clear All, Remove and the removal of the unselected
// entries, with the steps that follow an addition and the loaded-list marker.
#include <string>
#include <vector>

#include "core/path_helpers.h"
#include "mainwindow/frm_main.h"
#include "ui/hourglass.h"

namespace mainwindow {

namespace {

constexpr const char* kFileListsCaption = "File&Lists";
constexpr const char* kLoadedListCaption = "=File&Lists=";

}  // namespace

void frmMain::SetLoadedListMarker(const std::string& listFileName) {
  cmdFileList.SetCaption(kLoadedListCaption);
  List1.SetToolTipText("FileList: \"" + listFileName + "\" is Loaded");
}

void frmMain::ClearLoadedListMarker() {
  cmdFileList.SetCaption(kFileListsCaption);
  List1.SetToolTipText("");
}

// Queue edits are refused while a long operation lets events run (Ctx().Busy()): the
// operation works through the queue it started with.
void frmMain::cmdAddAll_Click() {
  if (Ctx().Busy()) return;
  AppendBrowserFiles(false);
}

void frmMain::cmdAddDwg_Click() {
  if (Ctx().Busy()) return;
  AppendBrowserFiles(true);
}

// Appends the browser's files (all, or the selected ones) as full paths, whether queued
// already or not, then refreshes, sorts and applies the script's META commands.
void frmMain::AppendBrowserFiles(bool selectedOnly) {
  {
    ui::ScreenHourglass hourglass(Ctx());
    const std::string prefix = core::FolderWithBackslash(File1.Path());
    for (int i = 0; i < File1.ListCount(); ++i) {
      if (!selectedOnly || File1.Selected(i)) List1.AddItem(prefix + File1.List(i));
    }
    if (!Text1.Text().empty()) {
      Command1_Compile.SetEnabled(true);
      cmdCreateAndRun.SetEnabled(true);
    }
    AfterAddSteps();
  }
  ClearLoadedListMarker();
  if (settings.AutoADDFavorites == 1) AddCurrentFolderToFavorites();
}

// The automatic sort runs before the script's own sort commands, so these decide the order.
void frmMain::AfterAddSteps() {
  UpdateQueueControls();
  if (settings.AutoSortEnabled == 1) PerformSort();
  if (settings.METAEnabled == 1 && settings.METAImmediate == 1) ScanForMetaCommands(core::kTrue);
}

void frmMain::cmdRemoveAllDwg_Click() {
  if (Ctx().Busy()) return;
  const ui::MsgAnswer answer = Ctx().MsgBox({.text = "Are you sure you want to clear the File Queue?",
                                             .title = "Sure?",
                                             .buttons = ui::MsgButtons::kYesNo,
                                             .icon = ui::MsgIcon::kExclamation,
                                             .defaultButton = 2});
  if (answer != ui::MsgAnswer::kYes) return;
  {
    ui::ScreenHourglass hourglass(Ctx());
    List1.Clear();
    UpdateQueueControls();
  }
  ClearLoadedListMarker();
}

void frmMain::cmdRemoveDwg_Click() {
  if (Ctx().Busy()) return;
  RemoveQueueEntries(true);
}

void frmMain::RemoveUnselectedFromQueue() {
  if (Ctx().Busy()) return;
  RemoveQueueEntries(false);
}

void frmMain::mnuRemoveSelectedFiles_Click() {
  cmdRemoveDwg_Click();
}

void frmMain::mnuRemoveUnselectedFiles_Click() {
  RemoveUnselectedFromQueue();
}

// Removes the selected entries (or the others) in one pass, without a question.
void frmMain::RemoveQueueEntries(bool selectedOnes) {
  ui::ScreenHourglass hourglass(Ctx());
  std::vector<bool> remove(static_cast<std::size_t>(List1.ListCount()));
  for (int i = 0; i < List1.ListCount(); ++i) remove[static_cast<std::size_t>(i)] = List1.Selected(i) == selectedOnes;
  List1.RemoveItems(remove);
  if (List1.SelCount() == 0) {
    cmdRemoveDwg.SetEnabled(false);
    mnuCopySelectedtoClip.SetEnabled(false);
  }
  UpdateQueueControls();
  ClearLoadedListMarker();
}

}  // namespace mainwindow
