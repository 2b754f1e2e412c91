#include "app/app.h"
#include "core/app_title.h"
#include "core/file_helpers.h"
#include "core/launch.h"
#include "core/path_helpers.h"
#include "mainwindow/frm_main.h"
#include "platform/shell.h"
#include "queue/drive_fallback.h"
#include "queue/frm_dir_wide_browser.h"
#include "queue/frm_dwg_preview.h"
#include "queue/open_files.h"
#include "runtime/error.h"
#include "runtime/text.h"
#include "ui/hourglass.h"

namespace mainwindow {

namespace {

constexpr int kShowWindow = 5;
constexpr int kShowNormal = 1;

}  // namespace

void frmMain::WireBrowserEvents() {
  Drive1.onChange = [this] { Drive1_Change(); };
  Dir1.onChange = [this] { Dir1_Change(); };
  Dir1.onClick = [this] { Dir1_Click(); };
  Dir1.onDrop = [this](const std::vector<std::string>& paths) { Dir1_OLEDragDrop(paths); };
  Frame2.onClick = [this] { Frame2_Click(); };
  tbDWGFilter.onChange = [this] { tbDWGFilter_Change(); };
  File1.onClick = [this] { File1_Click(); };
  File1.onDblClick = [this] { File1_DblClick(); };
  File1.onKeyDown = [this](int& keyCode, int shift) { File1_KeyDown(keyCode, shift); };
  Command4_explorer.onClick = [this] { Command4_explorer_Click(); };
  Command18.onClick = [this] { Command18_Click(); };
  Command19.onClick = [this] { Command19_Click(); };
  cmdDirWideBrowser.onClick = [this] { cmdDirWideBrowser_Click(); };
  cmdQuickPick.onClick = [this] { cmdQuickPick_Click(); };
  cmdQueueQuickPick.onClick = [this] { cmdQueueQuickPick_Click(); };
  cmdDWGPreviewShow.onClick = [this] { cmdDWGPreviewShow_Click(); };
}

// A new drive points the folder list at it. A drive that does not answer (no medium) sends
// the browser back to drive C: and says so, once. Other errors end the change quietly.
void frmMain::Drive1_Change() {
  try {
    queue::ChangeDriveWithFallback(Ctx(), Drive1, driveFallingBack_, [this] { Dir1.SetPath(Drive1.Drive()); });
  } catch (const runtime::Error&) {
    return;
  }
}

// The file list and, while it follows the drawing folder, the script list move along.
void frmMain::Dir1_Change() {
  File1.SetPath(Dir1.Path());
  UpdateQueueControls();
  if (chkProjDir.Value() == ui::kChecked) File2.SetPath(File1.Path());
}

// A folder that can no longer be read shows an empty list rather than an error.
void frmMain::Dir1_Click() {
  try {
    File1.Refresh();
  } catch (const runtime::Error&) {
    return;
  }
}

void frmMain::Frame2_Click() {
  ui::FormHourglass hourglass(*this);
  Dir1_Click();
}

// Only the first dropped path counts, and only when it is a folder. A drop without any path
// (no file list) changes nothing.
void frmMain::Dir1_OLEDragDrop(const std::vector<std::string>& paths) {
  if (paths.empty()) return;
  try {
    if (core::FileOrFolderExists(Ctx().Services().fileSystem, paths.front() + "\\", true) != 0) {
      ui::FormHourglass hourglass(*this);
      Dir1.SetPath(paths.front());
    }
  } catch (const runtime::Error& error) {
    if (error.Number() != runtime::kBadFileName) return;
  }
  UpdateQueueControls();
}

// The filter text is the file list's pattern and the stored drawing pattern. Each step goes
// on whatever the one before did. "Add All" waits here for two or more matching files; the
// folder change offers it for one.
void frmMain::tbDWGFilter_Change() {
  try {
    File1.SetPattern(tbDWGFilter.Text());
  } catch (const runtime::Error&) {
  }
  settings.DWGPattern = tbDWGFilter.Text();
  cmdAddAll.SetEnabled(File1.ListCount() > 1);
}

// The clicked drawing shows in the preview; the main window keeps the focus. "Add -->" is
// there while anything is selected.
void frmMain::File1_Click() {
  queue::ShowDWGPreview(app_, queue::PathInFolder(Dir1.Path(), File1.List(File1.ListIndex())));
  Show();
  cmdAddDwg.SetEnabled(File1.SelCount() != 0);
}

// Enter opens the current file; Insert adds the selection even while "Add -->" is disabled.
void frmMain::File1_KeyDown(int& keyCode, int) {
  if (keyCode == ui::kKeyReturn) File1_DblClick();
  if (keyCode == ui::kKeyInsert) cmdAddDwg_Click();
}

// Opens the current file with its associated program, working in the browser's drive root. A
// project file (".wdp") goes to the project prompt instead.
void frmMain::File1_DblClick() {
  const std::string path = queue::PathInFolder(Dir1.Path(), File1.List(File1.ListIndex()));
  try {
    if (runtime::EqualsNoCase(core::PathExtension(path), ".wdp")) {
      ShowWDPPrompt(path);
      return;
    }
    platform::Shell& shell = Ctx().Services().shell;
    shell.Execute(shell.DesktopWindow(), "open", path, "", core::DriveRoot(Drive1.Drive()), kShowWindow);
  } catch (const runtime::Error& error) {
    if (error.Number() != runtime::kFileNotFound) return;
    Ctx().MsgBox({" Please contact " + std::string(core::kSupportEmail) + " to report this error." + path,
                  std::to_string(error.Number())});
  }
}

void frmMain::Command4_explorer_Click() {
  platform::Services& services = Ctx().Services();
  core::LaunchProgram(services.shell, services.fileSystem, Ctx().GetBackend(), "explorer.exe /n,/e, " + Dir1.Path(),
                      kShowNormal);
}

void frmMain::cmdDirWideBrowser_Click() {
  app_.frmDirWideBrowser().Show(ui::ShowMode::kModal, this);
}

}  // namespace mainwindow
