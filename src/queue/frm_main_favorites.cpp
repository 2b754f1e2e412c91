// The main window's procedures over the favourites file and the favourites dialog's list.
#include "app/app.h"
#include "core/favorites.h"
#include "mainwindow/frm_main.h"
#include "queue/frm_dir_selector.h"

namespace mainwindow {

// Touching the dialog loads it first, which reads the file, so the list written is never
// an unread empty one.
void frmMain::SaveFavorites() {
  ui::ListBox& list = app_.frmDirSelector().DirectoryList;
  core::WriteFavorites(Ctx(), Ctx().Services().system.ProgramFolder(), core::FavoritesPath(settings.ProgramPath), list);
}

void frmMain::LoadRecentDir() {
  ui::ListBox& list = app_.frmDirSelector().DirectoryList;
  core::ReadFavorites(Ctx().Services().fileSystem, core::FavoritesPath(settings.ProgramPath), list);
}

}  // namespace mainwindow
