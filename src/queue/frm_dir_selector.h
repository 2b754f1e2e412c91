#pragma once

#include "ui/command_button.h"
#include "ui/form.h"
#include "ui/list_box.h"

namespace app {
class App;
}

namespace queue {

// The favourite folders dialog. Its sorted list DirectoryList is the live store of the
// favourites: the main window's LoadRecentDir fills it from Favorites.dat and SaveFavorites
// writes it back. The dialog loads hidden on first touch; its buttons hide it, so the list
// stays for the rest of the run, and its close box unloads it.
class frmDirSelector : public ui::Form {
 public:
  explicit frmDirSelector(app::App& app);

  ui::ListBox DirectoryList{this, "DirectoryList"};
  ui::CommandButton Command1{this, "Command1"};
  ui::CommandButton Command2{this, "Command2"};
  ui::CommandButton Command3{this, "Command3"};
  ui::CommandButton cmdRemoveDead{this, "cmdRemoveDead"};

  void Form_Load();
  void Form_Activate();
  void DirectoryList_Click();
  void DirectoryList_DblClick();
  // "&Ok": goes to the current entry's folder in the main window, hides, saves the list.
  void Command1_Click();
  // "&Remove Selected": removes the selected entries from the list (not saved here).
  void Command2_Click();
  // "&Cancel": hides; nothing is saved.
  void Command3_Click();
  void cmdRemoveDead_Click();
  // Asks, for each entry that is no existing folder, whether to remove it.
  void CleanDeadPaths();

 private:
  void GoToEntry();
  // After a removal: "&Remove Selected" off when the list is empty, "Clean &Dead Paths" on
  // while it has entries.
  void UpdateRemoveButtons();
  app::App& app_;
};

}  // namespace queue
