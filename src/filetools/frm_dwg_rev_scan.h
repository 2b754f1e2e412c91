#pragma once

#include <array>

#include "filetools/dwg_version.h"
#include "ui/ui.h"

namespace app {
class App;
}

namespace filetools {

// Finds the drawings of the ticked releases in a folder tree, lists the ones whose release
// code cannot be read, and copies the found list into the queue. Shown modally over the main
// window; "C&lose" hides it (it opens again as it was left), its close box unloads it.
class frmDWGRevScan : public ui::Form {
 public:
  explicit frmDWGRevScan(app::App& app);

  ui::Frame Frame3{this, "Frame3"};
  ui::DriveListBox Drive1{&Frame3, "Drive1"};
  ui::DirListBox Dir1{&Frame3, "Dir1"};
  ui::Frame frameDWGTypes{this, "frameDWGTypes"};
  ui::CheckBox chkR12{&frameDWGTypes, "chkR12"};
  ui::CheckBox chkR13{&frameDWGTypes, "chkR13"};
  ui::CheckBox chkR14{&frameDWGTypes, "chkR14"};
  ui::CheckBox chkR2000{&frameDWGTypes, "chkR2000"};
  ui::CheckBox chkR2004{&frameDWGTypes, "chkR2004"};
  ui::CheckBox chkR2007{&frameDWGTypes, "chkR2007"};
  ui::CheckBox chkR2010{&frameDWGTypes, "chkR2010"};
  ui::CheckBox chkR2013{&frameDWGTypes, "chkR2013"};
  ui::CommandButton cmdStartScan{this, "cmdStartScan"};
  ui::CommandButton cmdStop{this, "cmdStop"};
  ui::Label lblStatus{this, "lblStatus"};
  ui::Frame Frame1{this, "Frame1"};
  ui::ListBox List1{&Frame1, "List1"};
  ui::Label Label1{&Frame1, "Label1"};
  ui::Label Label2{&Frame1, "Label2"};
  ui::ListBox lstProblemFiles{&Frame1, "lstProblemFiles"};
  ui::CommandButton cmdClear{&Frame1, "cmdClear"};
  ui::CheckBox chkAppendtoQueue{&Frame1, "chkAppendtoQueue"};
  ui::CommandButton cmdCopyToQueue{&Frame1, "cmdCopyToQueue"};
  ui::CommandButton cmdClose{&Frame1, "cmdClose"};

  void Form_Load();
  // The close box during a scan stops it; the window unloads once the scan has returned.
  void Form_QueryUnload(bool& cancel, ui::UnloadMode mode);
  void Drive1_Change();
  // Start is enabled while at least one release box is not unticked.
  void UpdateStartButton();
  void cmdStartScan_Click();
  void cmdStop_Click();
  void cmdClear_Click();
  void cmdCopyToQueue_Click();
  void cmdClose_Click();

  // The release boxes in the order of the release table.
  std::array<ui::CheckBox*, kReleases.size()> ReleaseBoxes();

 private:
  void DesignReleaseBoxes();
  void DesignResultFrame();
  // Enables the controls of a running scan (scanning) or of an idle window.
  void ShowScanning(bool scanning);

  app::App& app_;
  bool scanning_ = false;
  bool closeAsked_ = false;
  bool changingDrive_ = false;
};

}  // namespace filetools
