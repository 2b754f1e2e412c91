#include "batch/frm_main_run_button.h"

#include <optional>

#include "app/app.h"
#include "batch/build.h"
#include "batch/frm_scr_complete.h"
#include "core/file_helpers.h"
#include "core/launch.h"
#include "core/path_helpers.h"
#include "core/settings_model.h"
#include "mainwindow/frm_main.h"
#include "options/frm_options.h"
#include "runtime/error.h"
#include "runtime/text.h"
#include "ui/busy_guard.h"

namespace batch {

namespace {

constexpr int kNormalWindow = 1;

// The program is not set or not there: the user is told and gets the options dialog beside
// the main window to put it right.
void ReportSetupIssue(app::App& app) {
  ShowSetupIssue(app.Ctx());
  try {
    app.frmOptions().Show(ui::ShowMode::kModeless);
  } catch (const runtime::Error&) {
    // Open modally already: the user is in it.
  }
}

}  // namespace

void ShowSetupIssue(ui::Context& ctx) {
  ctx.MsgBox({.text = "You don't have a valid AutoCAD Executable specified...\r\n"
                      "\r\n"
                      "Please select it now, and then press 'CREATE' again...",
              .title = "Setup Issue",
              .buttons = ui::MsgButtons::kOk,
              .icon = ui::MsgIcon::kNone});
}

std::string AutoCADCommandLine(std::string_view program, std::string_view switches, std::string_view script) {
  std::string line = "\"";
  line += program;
  line += '"';
  if (!switches.empty()) {
    line += ' ';
    line += switches;
  }
  line += " /b \"";
  line += script;
  line += '"';
  return line;
}

ProgramToFind AutoCADProgramToFind(std::string_view program) {
  return {.folder = runtime::UpperCase(core::GetFolder(program)),
          .name = runtime::UpperCase(core::GetBaseName(program)) + ".EXE"};
}

bool ProgramPresent(app::App& app, const ProgramToFind& program) {
  platform::Services& services = app.Services();
  return core::Path_Exists(services.fileSystem, app.Ctx().GetBackend(), program.folder + program.name, program.name) !=
         0;
}

void PressRunButton(app::App& app) {
  const std::string program = app.frmOptions().tbAutoCadEXE.Text();
  if (program.empty()) {
    ReportSetupIssue(app);
    return;
  }
  const ProgramToFind toFind = AutoCADProgramToFind(program);
  app.frmScrComplete().ShowRunTexts();
  // AutoCAD runs the file this build wrote, even when the output path changed meanwhile.
  const BuildResult build = BuildBatchScript(app, NoticeTexts::kRun);
  if (app.frmMain().settings.StopBatch == core::kTrue || !build.written) return;
  if (!ProgramPresent(app, toFind)) {
    ReportSetupIssue(app);
    return;
  }
  const std::string switches = app.frmOptions().tbSwitches.Text();
  platform::Services& services = app.Services();
  core::LaunchProgram(services.shell, services.fileSystem, app.Ctx().GetBackend(),
                      AutoCADCommandLine(program, switches, build.path), kNormalWindow, std::nullopt);
}

}  // namespace batch

namespace mainwindow {

// A press while another long operation runs (a build letting events run between drawings,
// or the night run firing during one) is refused and leaves that operation alone; a night
// run's press ends here as any other.
void frmMain::cmdCreateAndRun_Click() {
  struct EndOfPress {
    frmMain& main;
    ~EndOfPress() { main.settings.InNightRun = core::kFalse; }
  } endOfPress{*this};
  ui::BusyGuard busy(Ctx());
  if (busy) batch::PressRunButton(app_);
}

}  // namespace mainwindow
