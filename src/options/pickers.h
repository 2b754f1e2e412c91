#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "core/path_helpers.h"
#include "runtime/error.h"
#include "ui/ui.h"

namespace app {
class App;
}

// The folder and program pickers: small windows with a drive list and a folder list (and a
// file list in two of them) that write the user's choice into a box of the options dialog or
// into the SAVEAS options of the main window. OK and Cancel hide a picker, so it opens again
// as it was left; its close box unloads it.
namespace options {

// What a drive change does on a failure other than the usual message: notResponding replaces
// the "not responding" message, otherFailure gets any other failure (nothing by default).
struct DriveFailureHooks {
  std::function<void()> notResponding;
  std::function<void(const runtime::Error&)> otherFailure;
};

// A drive list's change: the folder list goes to the chosen drive. A drive that does not
// answer sends the drive list to fallback and says so once; with keepFolder the folder list
// stays where it was (fallback is then the drive it shows), else it follows the fallback.
// changing marks the drive list's own fallback change, which runs this again.
void FollowDrive(ui::DriveListBox& drive, ui::DirListBox& dir, const std::string& fallback, bool keepFolder,
                 bool& changing, const DriveFailureHooks& hooks = {});

// What every picker shares: the drive and folder lists, and what a drive change does.
class FolderPicker : public ui::Form {
 public:
  FolderPicker(app::App& app, std::string name);

  ui::DriveListBox Drive1{this, "Drive1"};
  ui::DirListBox Dir1{this, "Dir1"};

  // Moves the folder list to the chosen drive; a drive that does not answer sends the lists
  // back to drive C (or to the previous drive, see FallBackToPreviousDrive) and says so, once.
  void Drive1_Change();

 protected:
  // The message once the lists went back to drive C because the chosen drive did not answer.
  virtual void SayDriveNotResponding();
  // Any other failure of a drive change: the folder and file lists stay where they were.
  virtual void DriveChangeFailed(const runtime::Error& error);
  // The folder Dir1 shows, with a closing backslash.
  std::string Folder() const { return core::FolderWithBackslash(Dir1.Path()); }
  // Opens Explorer on the folder Dir1 shows; the picker stays open.
  void ExploreFolder();
  // A drive that does not answer sends the drive list back to the drive it came from.
  void FallBackToPreviousDrive() { fallBackToPrevious_ = true; }
  // Puts the lists on the drive and folder of the main window's drawing browser; a place
  // that cannot be reached leaves them where they are.
  void StartAtBrowser();

  app::App& app_;

 private:
  bool changingDrive_ = false;
  bool fallBackToPrevious_ = false;
};

// A picker's "&Ok" (the default button) and "&Cancel".
void SetButtons(ui::CommandButton& ok, ui::CommandButton& cancel);
// Drive and folder lists on the left, the buttons stacked on the right, from top down.
void LayOutFolderOnly(FolderPicker& form, int top, ui::CommandButton& ok, ui::CommandButton& cancel,
                      ui::CommandButton* explorer);

// Picks the folder of the batch script (normally AutoCAD's SUPPORT folder).
class frmSCRDirSelect : public FolderPicker {
 public:
  explicit frmSCRDirSelect(app::App& app);

  ui::Label Label1{this, "Label1"};
  ui::CommandButton SCRSelectCommandOk{this, "SCRSelectCommandOk"};
  ui::CommandButton SCRSelectCommandCancel{this, "SCRSelectCommandCancel"};
  ui::CommandButton SCRSelectExplorer{this, "SCRSelectExplorer"};

  void Form_Load();
  void SCRSelectCommandOk_Click();
};

// Picks the text editor's program file.
class frmTXTEDITORDirSelect : public FolderPicker {
 public:
  explicit frmTXTEDITORDirSelect(app::App& app);

  ui::FileListBox File1{this, "File1"};
  ui::CommandButton TXTEDITORCommandOk{this, "TXTEDITORCommandOk"};
  ui::CommandButton TXTEDITORCommandCancel{this, "TXTEDITORCommandCancel"};
  ui::CommandButton TXTEDITORExplorer{this, "TXTEDITORExplorer"};

  void TXTEDITORCommandOk_Click();
};

// Picks the SAVEAS output folder of the main window.
class frmOUTDirSelect : public FolderPicker {
 public:
  explicit frmOUTDirSelect(app::App& app);

  ui::CommandButton OUTSelectCommandOk{this, "OUTSelectCommandOk"};
  ui::CommandButton OUTSelectCommandCancel{this, "OUTSelectCommandCancel"};
  ui::CommandButton OUTSelectExplorer{this, "OUTSelectExplorer"};

  void Form_Load();
  void OUTSelectCommandOk_Click();
};

// Picks the AutoCAD program, and on request the batch script path in its SUPPORT folder.
class frmAutoCADEXEBrowse : public FolderPicker {
 public:
  explicit frmAutoCADEXEBrowse(app::App& app);

  ui::FileListBox File1{this, "File1"};
  ui::CommandButton cmdOK{this, "cmdOK"};
  ui::CommandButton cmdCancel{this, "cmdCancel"};

  void File1_Click();
  void cmdOK_Click();
};

// Picks the folder of the user scripts.
class frmBrowseSCRIPSDir : public FolderPicker {
 public:
  explicit frmBrowseSCRIPSDir(app::App& app);

  ui::CommandButton cmdOK{this, "cmdOK"};
  ui::CommandButton cmdCancel{this, "cmdCancel"};

  void cmdOK_Click();
};

}  // namespace options
