// The drawing browser's favourite folder buttons.
#include "app/app.h"
#include "core/favorites.h"
#include "mainwindow/frm_main.h"
#include "queue/frm_dir_selector.h"
#include "runtime/text.h"

namespace mainwindow {

void frmMain::Command19_Click() {
  AddCurrentFolderToFavorites();
}

// The dialog's changes last only when its "&Ok" saved them: the list is read again from the
// file whichever way the dialog closed.
void frmMain::Command18_Click() {
  app_.frmDirSelector().Show(ui::ShowMode::kModal, this);
  LoadRecentDir();
}

// Adds the file list's folder, with a backslash, unless the list holds it in any letter
// case; the list is written to the file in every case. While the dialog is not loaded its list
// would only be the file's, so the file is changed without creating the dialog.
void frmMain::AddCurrentFolderToFavorites() {
  std::string folder = File1.Path();
  if (!folder.empty() && folder.back() != '\\') folder += '\\';
  if (app_.frmDirSelectorIfLoaded() == nullptr) {
    core::AddFavorite(Ctx(), Ctx().Services().system.ProgramFolder(), core::FavoritesPath(settings.ProgramPath),
                      folder);
    return;
  }
  ui::ListBox& list = app_.frmDirSelector().DirectoryList;
  bool known = false;
  for (int i = 0; i < list.ListCount() && !known; ++i) known = runtime::EqualsNoCase(list.List(i), folder);
  if (!folder.empty() && !known) list.AddItem(folder);
  SaveFavorites();
}

}  // namespace mainwindow
