#include "queue/frm_dir_selector.h"

#include <string>

#include "app/app.h"
#include "core/file_helpers.h"
#include "core/path_helpers.h"
#include "mainwindow/frm_main.h"
#include "runtime/error.h"

namespace queue {

namespace {

constexpr const char* kGoneQuestion =
    " The Directory you selected was renamed or deleted... Would you like to remove it from the list?";
constexpr const char* kDeadQuestion = "No longer exists... Would you like to remove it from your Favorites list?";

}  // namespace

frmDirSelector::frmDirSelector(app::App& app) : Form(app.Ctx(), "frmDirSelector"), app_(app) {
  SetCaption(" Favorites");
  SetBorderStyle(ui::BorderStyle::kFixedDialog);
  SetStartUpPosition(ui::StartUpPosition::kCenterOwner);
  Move(0, 0, 6720, 4170);

  DirectoryList.SetSorted(true);
  DirectoryList.SetMultiSelect(ui::MultiSelect::kExtended);
  DirectoryList.SetToolTipText("To Select Multiple Files to Remove Use CTRL & Shift.");
  DirectoryList.Move(120, 120, 6360, 2985);
  Command1.SetCaption("&Ok");
  Command1.SetDefault(true);
  Command1.Move(120, 3240, 1215, 375);
  Command2.SetCaption("&Remove Selected");
  Command2.SetEnabled(false);
  Command2.Move(1455, 3240, 1695, 375);
  cmdRemoveDead.SetCaption("Clean &Dead Paths");
  cmdRemoveDead.Move(3270, 3240, 1695, 375);
  Command3.SetCaption("&Cancel");
  Command3.Move(5265, 3240, 1215, 375);

  onLoad = [this] { Form_Load(); };
  onActivate = [this] { Form_Activate(); };
  DirectoryList.onClick = [this] { DirectoryList_Click(); };
  DirectoryList.onDblClick = [this] { DirectoryList_DblClick(); };
  Command1.onClick = [this] { Command1_Click(); };
  Command2.onClick = [this] { Command2_Click(); };
  Command3.onClick = [this] { Command3_Click(); };
  cmdRemoveDead.onClick = [this] { cmdRemoveDead_Click(); };
}

// The list comes from the favourites file; long paths can be scrolled sideways.
void frmDirSelector::Form_Load() {
  mainwindow::frmMain& main = app_.frmMain();
  main.LoadRecentDir();
  main.gSetHorizontalExtent(DirectoryList);
}

void frmDirSelector::Form_Activate() {
  cmdRemoveDead.SetEnabled(DirectoryList.ListCount() > 0);
}

void frmDirSelector::DirectoryList_Click() {
  if (DirectoryList.ListCount() > 0) Command2.SetEnabled(true);
}

void frmDirSelector::DirectoryList_DblClick() {
  Command1_Click();
}

// A folder that has gone (path not found) keeps the dialog open and offers to drop that
// entry (only it: other selected entries may be good folders); any other failure keeps it
// open silently. Nothing is saved then.
void frmDirSelector::Command1_Click() {
  const int entry = DirectoryList.ListIndex();
  try {
    GoToEntry();
    Hide();
    app_.frmMain().SaveFavorites();
  } catch (const runtime::Error& error) {
    if (error.Number() != runtime::kPathNotFound) return;
    ui::MsgAnswer answer = Ctx().MsgBox({kGoneQuestion, "Oops", ui::MsgButtons::kYesNo});
    if (answer != ui::MsgAnswer::kYes || entry < 0 || entry >= DirectoryList.ListCount()) return;
    DirectoryList.RemoveItem(entry);
    UpdateRemoveButtons();
  }
}

// The main window's drive box takes the entry's drive root, then its folder list the entry.
// A network folder (\\server\share\...) has no drive letter: only the folder list moves.
void frmDirSelector::GoToEntry() {
  std::string entry = DirectoryList.List(DirectoryList.ListIndex());
  if (entry.empty()) return;
  mainwindow::frmMain& main = app_.frmMain();
  if (!entry.starts_with("\\\\")) main.Drive1.SetDrive(entry.substr(0, 3));
  main.Dir1.SetPath(entry);
}

void frmDirSelector::Command2_Click() {
  for (int i = DirectoryList.ListCount() - 1; i >= 0; --i) {
    if (DirectoryList.Selected(i)) DirectoryList.RemoveItem(i);
  }
  UpdateRemoveButtons();
}

void frmDirSelector::UpdateRemoveButtons() {
  bool hasEntries = DirectoryList.ListCount() > 0;
  if (!hasEntries) Command2.SetEnabled(false);
  cmdRemoveDead.SetEnabled(hasEntries);
}

void frmDirSelector::Command3_Click() {
  Hide();
}

void frmDirSelector::cmdRemoveDead_Click() {
  CleanDeadPaths();
}

// Walks the list from its end so that a removal leaves the entries still to visit in place.
// An empty entry counts as a folder that does not exist.
void frmDirSelector::CleanDeadPaths() {
  platform::FileSystem& fs = Ctx().Services().fileSystem;
  Ctx().SetScreenPointer(ui::Pointer::kHourglass);
  try {
    for (int i = DirectoryList.ListCount() - 1; i >= 0; --i) {
      std::string entry = DirectoryList.List(i);
      if (core::PathIsFolder(fs, entry) != 0) continue;
      ui::MsgAnswer answer = Ctx().MsgBox(
          {core::ShortenPath(entry) + "\r\n" + kDeadQuestion, "Sure?", ui::MsgButtons::kYesNo, ui::MsgIcon::kQuestion});
      if (answer == ui::MsgAnswer::kYes) DirectoryList.RemoveItem(i);
    }
  } catch (...) {
    Ctx().SetScreenPointer(ui::Pointer::kDefault);
    throw;
  }
  Ctx().SetScreenPointer(ui::Pointer::kDefault);
}

}  // namespace queue
