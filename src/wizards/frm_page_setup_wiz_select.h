#pragma once

#include "options/pickers.h"
#include "ui/ui.h"

namespace app {
class App;
}

namespace wizards {

// The page setup wizard's drawing picker. It opens first where the main window's drawing
// browser is and afterwards where it was left; "Select" hands the clicked drawing to the
// wizard's source box.
class frmPageSetupWizSelect : public options::FolderPicker {
 public:
  explicit frmPageSetupWizSelect(app::App& app);

  ui::FileListBox File1{this, "File1"};
  ui::CommandButton cmdSelect{this, "cmdSelect"};
  ui::CommandButton cmdCancel{this, "cmdCancel"};

  void Form_Load();
  void Dir1_Change();
  void File1_Click();
  void cmdSelect_Click();
  void cmdCancel_Click();

 protected:
  void SayDriveNotResponding() override;
  void DriveChangeFailed(const runtime::Error& error) override;
};

}  // namespace wizards
