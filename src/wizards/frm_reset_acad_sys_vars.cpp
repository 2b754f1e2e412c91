#include "wizards/frm_reset_acad_sys_vars.h"

#include <optional>

#include "app/app.h"
#include "batch/frm_main_run_button.h"
#include "core/launch.h"
#include "core/path_helpers.h"
#include "options/frm_options.h"

namespace wizards {

namespace {

constexpr int kNormalWindow = 1;

std::string ResetScript(std::string_view programFolder) {
  return std::string(programFolder) + "\\DATA\\reset.scr";
}

}  // namespace

std::string ResetCommandLine(std::string_view program, std::string_view programFolder) {
  return batch::AutoCADCommandLine(program, "", ResetScript(programFolder));
}

std::string ResetEditCommandLine(std::string_view programFolder) {
  return "NOTEPAD.EXE " + core::QuoteProgramPath(ResetScript(programFolder));
}

frmResetAcadSysVars::frmResetAcadSysVars(app::App& app) : Form(app.Ctx(), "frmResetAcadSysVars"), app_(app) {
  SetCaption(" Reset AutoCAD System Variables");
  SetBorderStyle(ui::BorderStyle::kFixedDialog);
  SetStartUpPosition(ui::StartUpPosition::kCenterOwner);
  Move(0, 0, 5655, 3180);

  Label1.SetCaption(
      "Sometimes AutoCADs system variables may not get properly reset due to various reasons.  Pressing \"RESET\" "
      "below will run the RESET.SCR script in your Tornavane directory, by launching AutoCAD, running the script, "
      "then shutting AutoCAD down with the corrected settings.   You can edit/view the script by pressing the "
      "\"EDIT\" button.");
  Label1.SetWordWrap(true);
  Label1.Move(240, 240, 5055, 1575);

  cmdReset.SetCaption("&Reset");
  cmdReset.SetDefault(true);
  cmdReset.Move(240, 2040, 1215, 375);
  cmdEdit.SetCaption("&Edit");
  cmdEdit.Move(1560, 2040, 1215, 375);
  cmdCancel.SetCaption("&Cancel");
  cmdCancel.SetCancel(true);
  cmdCancel.Move(4080, 2040, 1215, 375);

  cmdReset.onClick = [this] { cmdReset_Click(); };
  cmdEdit.onClick = [this] { cmdEdit_Click(); };
  cmdCancel.onClick = [this] { cmdCancel_Click(); };
}

void frmResetAcadSysVars::cmdReset_Click() {
  const std::string program = app_.frmOptions().tbAutoCadEXE.Text();
  if (program.empty() || !batch::ProgramPresent(app_, batch::AutoCADProgramToFind(program))) {
    ReportSetupIssue();
    return;
  }
  platform::Services& services = app_.Services();
  core::LaunchProgram(services.shell, services.fileSystem, Ctx().GetBackend(),
                      ResetCommandLine(program, Ctx().App().path), kNormalWindow, std::nullopt);
}

void frmResetAcadSysVars::cmdEdit_Click() {
  platform::Services& services = app_.Services();
  core::LaunchProgram(services.shell, services.fileSystem, Ctx().GetBackend(), ResetEditCommandLine(Ctx().App().path),
                      kNormalWindow, std::nullopt);
}

void frmResetAcadSysVars::cmdCancel_Click() {
  Hide();
}

void frmResetAcadSysVars::ReportSetupIssue() {
  batch::ShowSetupIssue(Ctx());
  app_.frmOptions().ShowFromMenu(*this);
}

}  // namespace wizards
