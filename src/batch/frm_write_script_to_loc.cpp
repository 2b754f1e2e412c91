#include "batch/frm_write_script_to_loc.h"

#include "app/app.h"
#include "batch/build.h"
#include "core/path_helpers.h"
#include "core/settings_model.h"
#include "mainwindow/frm_main.h"
#include "options/pickers.h"
#include "runtime/error.h"
#include "runtime/text.h"
#include "ui/busy_guard.h"

namespace batch {

namespace {

constexpr int kShowInPlace = 5;

// Puts SCROutputPath back however the build ends.
class KeepOutputPath {
 public:
  explicit KeepOutputPath(mainwindow::frmMain& main) : main_(main), kept_(main.settings.SCROutputPath) {}
  ~KeepOutputPath() { main_.settings.SCROutputPath = kept_; }
  KeepOutputPath(const KeepOutputPath&) = delete;
  KeepOutputPath& operator=(const KeepOutputPath&) = delete;

 private:
  mainwindow::frmMain& main_;
  std::string kept_;
};

}  // namespace

std::string ScriptTarget(std::string_view folder, std::string_view name) {
  std::string target = core::FolderWithBackslash(folder);
  target.append(name);
  if (runtime::UpperCase(runtime::Right(target, 4)) != ".SCR") target += ".SCR";
  return target;
}

frmWriteScriptToLoc::frmWriteScriptToLoc(app::App& app) : FolderPicker(app, "frmWriteScriptToLoc") {
  SetCaption(" Create Script in Another Location");
  Move(0, 0, 6615, 4830);

  Drive1.Move(120, 120, 3015, 315);
  Dir1.Move(120, 525, 3015, 2415);
  File1.SetToolTipText("Double-Click to view");
  File1.Move(3240, 120, 3135, 2430);
  tbFilter.SetText("*.scr");
  tbFilter.Move(3240, 2625, 3135, 315);
  Label1.SetCaption("Output Script Filename:");
  Label1.Move(120, 3090, 2535, 255);
  tbFileName.Move(120, 3360, 6255, 315);
  cmdCreate.SetCaption("&Create/Save");
  cmdCreate.SetEnabled(false);
  cmdCreate.SetDefault(true);
  cmdCreate.SetToolTipText("Create/Save Batch Script to user defined location");
  cmdCreate.Move(120, 3855, 1455, 375);
  cmdDeleteSCR.SetCaption("&Delete");
  cmdDeleteSCR.SetToolTipText("Delete Selected File");
  cmdDeleteSCR.Move(1680, 3855, 1215, 375);
  cmdCancel.SetCaption("Cancel");
  cmdCancel.Move(5160, 3855, 1215, 375);

  onActivate = [this] { Form_Activate(); };
  Dir1.onChange = [this] { Dir1_Change(); };
  tbFilter.onChange = [this] { tbFilter_Change(); };
  File1.onClick = [this] { File1_Click(); };
  File1.onDblClick = [this] { File1_DblClick(); };
  tbFileName.onChange = [this] { tbFileName_Change(); };
  cmdCreate.onClick = [this] { cmdCreate_Click(); };
  cmdDeleteSCR.onClick = [this] { cmdDeleteSCR_Click(); };
  cmdCancel.onClick = [this] { cmdCancel_Click(); };
}

void frmWriteScriptToLoc::Form_Activate() {
  mainwindow::frmMain& main = app_.frmMain();
  try {
    Drive1.SetDrive(main.Drive1.Drive());
    Dir1.SetPath(main.Dir1.Path());
    File1.SetPath(main.File1.Path());
  } catch (const runtime::Error&) {
    // The browser's folder went away meanwhile: the lists stay where they are.
  }
  tbFilter_Change();
}

void frmWriteScriptToLoc::Dir1_Change() {
  try {
    File1.SetPath(Dir1.Path());
  } catch (const runtime::Error&) {
    // The folder went away: the file list keeps what it showed.
  }
}

void frmWriteScriptToLoc::tbFilter_Change() {
  try {
    File1.SetPattern(tbFilter.Text());
  } catch (const runtime::Error&) {
    // A pattern the file system refuses: the list keeps the one it had.
  }
}

void frmWriteScriptToLoc::File1_Click() {
  tbFileName.SetText(File1.FileName());
}

void frmWriteScriptToLoc::File1_DblClick() {
  if (File1.FileName().empty()) return;
  platform::Shell& shell = Ctx().Services().shell;
  try {
    shell.Execute(shell.DesktopWindow(), "open", core::JoinPath(Dir1.Path(), File1.FileName()), "",
                  core::DriveRoot(Drive1.Drive()), kShowInPlace);
  } catch (const runtime::Error&) {
    // Opening is a convenience: a failure shows nothing.
  }
}

void frmWriteScriptToLoc::tbFileName_Change() {
  cmdCreate.SetEnabled(!tbFileName.Text().empty());
}

void frmWriteScriptToLoc::cmdCreate_Click() {
  mainwindow::frmMain& main = app_.frmMain();
  const std::string target = ScriptTarget(File1.Path(), tbFileName.Text());
  BuildResult build;
  {
    KeepOutputPath keep(main);
    main.settings.SCROutputPath = target;
    ui::BusyGuard busy(Ctx());
    if (busy) build = BuildBatchScript(app_, NoticeTexts::kBuild);
    RefreshFiles();
  }
  Hide();
  if (!build.written || main.settings.StopBatch == core::kTrue) return;
  Ctx().MsgBox({.text = "A batch script has been created in the following location:\r\n" + target,
                .title = " Script Written",
                .buttons = ui::MsgButtons::kOk,
                .icon = ui::MsgIcon::kNone});
}

void frmWriteScriptToLoc::cmdDeleteSCR_Click() {
  if (File1.ListIndex() < 0) return;
  const std::string name = File1.FileName();
  const ui::MsgAnswer answer = Ctx().MsgBox({.text = "Are you sure you want to delete " + name + "?",
                                             .title = "Confirm Delete",
                                             .buttons = ui::MsgButtons::kYesNo,
                                             .icon = ui::MsgIcon::kExclamation});
  if (answer != ui::MsgAnswer::kYes) return;
  try {
    Ctx().Services().fileSystem.DeleteFile(core::JoinPath(File1.Path(), name));
  } catch (const runtime::Error&) {
    // Read-only, in use or gone already: the file stays as it is, without a message.
  }
  RefreshFiles();
}

void frmWriteScriptToLoc::cmdCancel_Click() {
  Hide();
}

void frmWriteScriptToLoc::RefreshFiles() {
  try {
    File1.Refresh();
  } catch (const runtime::Error&) {
    // The folder went away: the list keeps what it showed.
  }
}

}  // namespace batch
