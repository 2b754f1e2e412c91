#pragma once

#include <string>

#include "ui/ui.h"

namespace app {
class App;
}

namespace mainwindow {

// The script browser: walks drives and folders, or scans a folder tree for scripts, previews
// one and copies it into the main window's user script, named after the previewed file. Its
// hand-over only hides it, so it opens again as it was left; its close box unloads it.
class frmScrBrowser : public ui::Form {
 public:
  explicit frmScrBrowser(app::App& app);

  ui::Frame Frame1{this, "Frame1"};
  ui::DriveListBox DriveScrBrowse{&Frame1, "DriveScrBrowse"};
  ui::DirListBox DirScrBrowse{&Frame1, "DirScrBrowse"};
  ui::FileListBox FSelScrBrowse{&Frame1, "FSelScrBrowse"};
  ui::CommandButton cmdGetSubScripts{&Frame1, "cmdGetSubScripts"};
  ui::ListBox lstSCRPath{&Frame1, "lstSCRPath"};
  ui::TextBox tbScriptBrowse{&Frame1, "tbScriptBrowse"};
  ui::CommandButton cmdCopyToTornavane{&Frame1, "cmdCopyToTornavane"};

  void Form_Load();
  // While a scan runs the close box only stops it; the window closes once the scan returns.
  void Form_QueryUnload(bool& cancel, ui::UnloadMode mode);
  void DriveScrBrowse_Change();
  void DirScrBrowse_Change();
  // Preview of the clicked file of the folder, or of the clicked path the scans found.
  void FSelScrBrowse_Click();
  void lstSCRPath_Click();
  void tbScriptBrowse_Change();
  // "+": adds every script of the folder tree to lstSCRPath and says how many.
  void cmdGetSubScripts_Click();
  // Copies the preview into the main window's script, asking first when that is not empty.
  void cmdCopyToTornavane_Click();

  bool Scanning() const { return scanning_; }

 private:
  void Preview(const std::string& path, const std::string& fileName);
  void UpdateCopyButton();

  app::App& app_;
  bool changingDrive_ = false;
  bool scanning_ = false;
  bool closeAfterScan_ = false;
  // The script name the previewed file gives.
  std::string previewName_;
};

}  // namespace mainwindow
