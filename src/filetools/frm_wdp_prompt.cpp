#include "filetools/frm_wdp_prompt.h"

#include "app/app.h"
#include "core/file_helpers.h"
#include "core/launch.h"
#include "core/path_helpers.h"
#include "core/procedure_error.h"
#include "core/text_file.h"
#include "filetools/file_lists.h"
#include "mainwindow/frm_main.h"
#include "options/frm_options.h"
#include "runtime/error.h"

namespace filetools {

namespace {

constexpr int kShowNormal = 1;
constexpr const char* kForm = "frmWDPPrompt";

}  // namespace

frmWDPPrompt::frmWDPPrompt(app::App& app) : Form(app.Ctx(), "frmWDPPrompt"), app_(app) {
  SetCaption("AutoCAD Electrical Project File");
  SetBorderStyle(ui::BorderStyle::kFixedDialog);
  SetStartUpPosition(ui::StartUpPosition::kCenterOwner);
  Move(0, 0, 4500, 3945);

  Frame1.SetCaption("Queue");
  Frame1.Move(120, 120, 4155, 1125);
  cmdLoadWDP.SetCaption("&Queue DWGs from Project");
  cmdLoadWDP.SetDefault(true);
  cmdLoadWDP.Move(120, 300, 2535, 375);
  cbClearQueueOnLoad.SetCaption("Clear Queue First");
  cbClearQueueOnLoad.SetValue(ui::kChecked);
  cbClearQueueOnLoad.Move(120, 750, 2535, 255);

  Frame2.SetCaption("Maintenance");
  Frame2.Move(120, 1365, 4155, 1605);
  chkClearQueueNotInProject.SetCaption("Clear Queue First");
  chkClearQueueNotInProject.SetValue(ui::kChecked);
  chkClearQueueNotInProject.Move(120, 300, 2535, 255);
  cmdLoadFilesNotInProject.SetCaption("Queue DWGs &NOT in Project");
  cmdLoadFilesNotInProject.Move(120, 630, 2535, 375);
  cmdOpenWDP.SetCaption("&Open WDP in Text Editor");
  cmdOpenWDP.Move(120, 1080, 2535, 375);

  cmdClose.SetCaption("&Close");
  cmdClose.Move(3075, 3090, 1200, 375);

  cmdLoadWDP.onClick = [this] { cmdLoadWDP_Click(); };
  cmdLoadFilesNotInProject.onClick = [this] { cmdLoadFilesNotInProject_Click(); };
  cmdOpenWDP.onClick = [this] { cmdOpenWDP_Click(); };
  cmdClose.onClick = [this] { cmdClose_Click(); };
}

bool frmWDPPrompt::ReadProject(std::vector<std::string>& lines, const char* procedure) {
  try {
    lines = core::ReadLineList(Ctx().Services().fileSystem, app_.frmMain().settings.WDPCurrentFile);
    return true;
  } catch (const runtime::Error& error) {
    core::ReportProcedureError(Ctx(), error, procedure, kForm);
    return false;
  }
}

// Adds entries only: no sort and no META scan, then the queue's controls follow its count.
void frmWDPPrompt::Queue(std::vector<std::string> entries, bool clearFirst) {
  mainwindow::frmMain& main = app_.frmMain();
  if (clearFirst) main.List1.Clear();
  main.List1.AddItems(std::move(entries));
  main.UpdateQueueControls();
}

void frmWDPPrompt::cmdLoadWDP_Click() {
  std::vector<std::string> lines;
  if (!ReadProject(lines, "cmdLoadWDP_Click")) return;
  const std::string folder = core::PathFolder(app_.frmMain().settings.WDPCurrentFile);
  Queue(ProjectDrawings(lines, folder), cbClearQueueOnLoad.Value() == ui::kChecked);
}

// The drawings of the folder the project was picked in that no project line names.
void frmWDPPrompt::cmdLoadFilesNotInProject_Click() {
  std::vector<std::string> lines;
  if (!ReadProject(lines, "cmdLoadFilesNotInProject_Click")) return;
  mainwindow::frmMain& main = app_.frmMain();
  std::vector<std::string> names;
  try {
    names = core::ListDirectory(Ctx().Services().fileSystem, core::FolderWithBackslash(main.Dir1.Path()) + "*.dwg");
  } catch (const runtime::Error& error) {
    core::ReportProcedureError(Ctx(), error, "cmdLoadFilesNotInProject_Click", kForm);
    return;
  }
  const std::string folder = core::PathFolder(main.settings.WDPCurrentFile);
  Queue(DrawingsNotInProject(names, lines, folder), chkClearQueueNotInProject.Value() == ui::kChecked);
}

// Without an editor the options dialog opens over this window so one can be set.
void frmWDPPrompt::cmdOpenWDP_Click() {
  mainwindow::frmMain& main = app_.frmMain();
  if (main.settings.TextEditor.empty()) {
    Ctx().MsgBox({"Please select menu 'Tools -> Options' and setup a text editor", "Tornavane"});
    app_.frmOptions().Show(ui::ShowMode::kModal, this);
    return;
  }
  platform::Services& services = Ctx().Services();
  core::LaunchProgram(services.shell, services.fileSystem, Ctx().GetBackend(),
                      main.settings.TextEditor + " " + core::QuoteProgramPath(main.settings.WDPCurrentFile),
                      kShowNormal);
}

void frmWDPPrompt::cmdClose_Click() {
  Hide();
}

}  // namespace filetools
