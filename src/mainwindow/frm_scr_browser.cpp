#include "mainwindow/frm_scr_browser.h"

#include "app/app.h"
#include "core/path_helpers.h"
#include "mainwindow/frm_main.h"
#include "mainwindow/script_text.h"
#include "options/pickers.h"
#include "runtime/error.h"
#include "ui/tab_order.h"

namespace mainwindow {

frmScrBrowser::frmScrBrowser(app::App& app) : Form(app.Ctx(), "frmScrBrowser"), app_(app) {
  SetCaption("Script Browser");
  SetBorderStyle(ui::BorderStyle::kFixedSingle);
  SetStartUpPosition(ui::StartUpPosition::kCenterOwner);
  Move(0, 0, 9480, 6780);
  Frame1.SetCaption("Script File Selector");
  Frame1.Move(120, 120, 9135, 6015);
  DriveScrBrowse.Move(120, 300, 2895, 315);
  DirScrBrowse.Move(120, 720, 2895, 2340);
  FSelScrBrowse.SetPattern("*.scr");
  FSelScrBrowse.Move(120, 3120, 2895, 2700);
  cmdGetSubScripts.SetCaption("+");
  cmdGetSubScripts.SetToolTipText("Find the scripts of this folder and all folders below it");
  cmdGetSubScripts.Move(3120, 300, 375, 315);
  lstSCRPath.Move(3600, 300, 5415, 1230);
  tbScriptBrowse.SetMultiLine(true);
  tbScriptBrowse.SetScrollBars(ui::ScrollBars::kVertical);
  tbScriptBrowse.SetText("Script Preview");
  tbScriptBrowse.Move(3120, 1680, 5895, 3555);
  cmdCopyToTornavane.SetCaption("&Copy Script to Tornavane && Close");
  cmdCopyToTornavane.Move(3120, 5340, 5895, 495);
  ui::SetTabOrder({&DriveScrBrowse, &DirScrBrowse, &FSelScrBrowse, &cmdGetSubScripts, &lstSCRPath, &tbScriptBrowse,
                   &cmdCopyToTornavane});
  try {
    FSelScrBrowse.SetPath(DirScrBrowse.Path());
  } catch (const runtime::Error&) {
    // The current folder went away: the file list stays empty until a folder is chosen.
  }

  onLoad = [this] { Form_Load(); };
  onQueryUnload = [this](bool& cancel, ui::UnloadMode mode) { Form_QueryUnload(cancel, mode); };
  DriveScrBrowse.onChange = [this] { DriveScrBrowse_Change(); };
  DirScrBrowse.onChange = [this] { DirScrBrowse_Change(); };
  FSelScrBrowse.onClick = [this] { FSelScrBrowse_Click(); };
  lstSCRPath.onClick = [this] { lstSCRPath_Click(); };
  tbScriptBrowse.onChange = [this] { tbScriptBrowse_Change(); };
  cmdGetSubScripts.onClick = [this] { cmdGetSubScripts_Click(); };
  cmdCopyToTornavane.onClick = [this] { cmdCopyToTornavane_Click(); };
}

void frmScrBrowser::Form_Load() {
  tbScriptBrowse.SetText("");
  app_.frmMain().gSetHorizontalExtent(lstSCRPath);
}

void frmScrBrowser::Form_QueryUnload(bool& cancel, ui::UnloadMode mode) {
  if (!scanning_ || mode == ui::UnloadMode::kFormCode) return;
  app_.frmMain().settings.STOPSCAN = 1;
  closeAfterScan_ = true;
  cancel = true;
}

void frmScrBrowser::DriveScrBrowse_Change() {
  options::FollowDrive(DriveScrBrowse, DirScrBrowse, "c:\\", false, changingDrive_);
}

void frmScrBrowser::DirScrBrowse_Change() {
  try {
    FSelScrBrowse.SetPath(DirScrBrowse.Path());
  } catch (const runtime::Error&) {
    // The folder went away: the file list keeps what it showed.
  }
}

void frmScrBrowser::FSelScrBrowse_Click() {
  const std::string name = FSelScrBrowse.FileName();
  if (name.empty()) return;
  Preview(core::JoinPath(DirScrBrowse.Path(), name), name);
}

void frmScrBrowser::lstSCRPath_Click() {
  const std::string path = lstSCRPath.Text();
  if (path.empty()) return;
  const std::size_t slash = path.find_last_of('\\');
  Preview(path, slash == std::string::npos ? path : path.substr(slash + 1));
}

// A file that cannot be read leaves the preview as it was, without a message.
void frmScrBrowser::Preview(const std::string& path, const std::string& fileName) {
  std::string text;
  try {
    text = Ctx().Services().fileSystem.ReadAll(path);
  } catch (const runtime::Error&) {
    return;
  }
  tbScriptBrowse.SetText("");
  tbScriptBrowse.SetText(PreviewText(text));
  previewName_ = ScriptNameOf(fileName);
}

void frmScrBrowser::tbScriptBrowse_Change() {
  UpdateCopyButton();
}

void frmScrBrowser::UpdateCopyButton() {
  cmdCopyToTornavane.SetEnabled(!scanning_ && !tbScriptBrowse.Text().empty());
}

void frmScrBrowser::cmdGetSubScripts_Click() {
  frmMain& main = app_.frmMain();
  scanning_ = true;
  cmdGetSubScripts.SetEnabled(false);
  UpdateCopyButton();
  app_.ScanFileCount = 0;
  SetMousePointer(ui::Pointer::kHourglass);
  main.settings.STOPSCAN = 0;
  try {
    main.AddFilesRecursive(DirScrBrowse.Path(), "*.SCR", lstSCRPath);
  } catch (...) {
    scanning_ = false;
    SetMousePointer(ui::Pointer::kDefault);
    throw;
  }
  scanning_ = false;
  main.settings.STOPSCAN = 0;
  SetMousePointer(ui::Pointer::kDefault);
  if (closeAfterScan_) {
    Unload();
    return;
  }
  cmdGetSubScripts.SetEnabled(true);
  UpdateCopyButton();
  Ctx().MsgBox({.text = std::to_string(app_.ScanFileCount) + " Files Added to Queue.",
                .title = "Scan Complete",
                .buttons = ui::MsgButtons::kOk});
}

void frmScrBrowser::cmdCopyToTornavane_Click() {
  frmMain& main = app_.frmMain();
  if (!tbScriptBrowse.Text().empty() && !main.Text1.Text().empty()) {
    const ui::MsgAnswer answer =
        Ctx().MsgBox({.text = "Are you sure you want to overwrite the existing script in Tornavane?",
                      .title = "Overwrite?",
                      .buttons = ui::MsgButtons::kYesNo,
                      .icon = ui::MsgIcon::kExclamation,
                      .defaultButton = 2});
    if (answer != ui::MsgAnswer::kYes) return;
  }
  main.Text1.SetText(tbScriptBrowse.Text());
  main.Text2.SetText("");
  Hide();
  main.Text2.SetText(previewName_);
}

}  // namespace mainwindow
