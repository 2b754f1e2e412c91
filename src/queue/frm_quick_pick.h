#pragma once

#include "ui/command_button.h"
#include "ui/file_list_box.h"
#include "ui/form.h"
#include "ui/menu_item.h"
#include "ui/text_box.h"

namespace app {
class App;
}

namespace queue {

// The floating, always-on-top list of the drawings of the browser's folder, filtered by any
// part of their names. While it is open the main window is hidden; closing it hands the
// filter back to the main window and shows the main window again.
class frmQuickPick : public ui::Form {
 public:
  explicit frmQuickPick(app::App& app);

  ui::TextBox tbQPPattern{this, "tbQPPattern"};
  ui::FileListBox File1{this, "File1"};
  ui::CommandButton cmdRefresh{this, "cmdRefresh"};
  ui::CommandButton cmdQuickPickOnOff{this, "cmdQuickPickOnOff"};
  ui::MenuItem PUMenu{this, "PUMenu"};
  ui::MenuItem mnuOpenFiles{&PUMenu, "mnuOpenFiles"};

  void Form_Load();
  void Form_Click();
  void Form_Resize();
  // Stores the place, leaves the always-on-top band, hides, and gives the main window back
  // its filter, a fresh file list and its visibility.
  void Form_Unload();
  void tbQPPattern_Change();
  void cmdRefresh_Click();
  void cmdQuickPickOnOff_Click();
  void File1_Click();
  void File1_DblClick();
  void File1_KeyDown(int& keyCode, int shift);
  void File1_MouseUp(int button, int shift, int x, int y);
  void mnuOpenFiles_Click();
  // Opens the selected drawings, asking after every ResourceFileLimit of them.
  void OpenSelectedFiles();

 private:
  void ApplyPattern();
  app::App& app_;
};

}  // namespace queue
