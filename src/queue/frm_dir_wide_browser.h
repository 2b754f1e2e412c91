#pragma once

#include "ui/command_button.h"
#include "ui/dir_list_box.h"
#include "ui/drive_list_box.h"
#include "ui/form.h"

namespace app {
class App;
}

namespace queue {

// A drive box and a folder list four times as wide as the main window's, so long folder names
// show whole. Every folder picked here is at once the main window's folder.
class frmDirWideBrowser : public ui::Form {
 public:
  explicit frmDirWideBrowser(app::App& app);

  ui::DriveListBox Drive1{this, "Drive1"};
  ui::DirListBox Dir1{this, "Dir1"};
  ui::CommandButton cmdClose{this, "cmdClose"};

  void Form_Activate();
  void Drive1_Change();
  void Dir1_Change();
  void cmdClose_Click();

 private:
  app::App& app_;
  bool driveFallingBack_ = false;
};

}  // namespace queue
