// The main window's checks before a build: the script syntax check and the menu entries that
// run it and the queue check on request.
#include "app/app.h"
#include "batch/frm_file_error_report.h"
#include "batch/frm_main_verify.h"
#include "batch/syntax_check.h"
#include "mainwindow/frm_main.h"
#include "ui/busy_guard.h"

namespace mainwindow {

void frmMain::CheckScriptSyntax() {
  batch::SyntaxCheckInput input;
  input.userScript = Text1.Text();
  input.preBatch = tbPreBatch.Text();
  input.preUserScript = tbPreUserScript.Text();
  input.postUserScript = tbPostUserScript.Text();
  input.postBatch = tbPostBatch.Text();
  input.WarnSpaceInBlank = settings.WarnSpaceInBlank;
  input.WarnLineEndsWithSpace = settings.WarnLineEndsWithSpace;
  input.WarnDoubleSpace = settings.WarnDoubleSpace;
  input.WarnBlankLine = settings.WarnBlankLine;
  input.WarnLTLisp = settings.WarnLTLisp;
  input.LT = settings.LT;
  for (const ui::MessageBoxSpec& warning : batch::SyntaxWarnings(input)) Ctx().MsgBox(warning);
}

void frmMain::mnuCheckScriptSyntax_Click() {
  CheckScriptSyntax();
}

// Checks the queue whatever VerifyFilesBit says. Only a check that examined every entry and
// left no problem listed says that all files are available.
void frmMain::mnuVerifyFilesInQueue_Click() {
  ui::BusyGuard busy(Ctx());
  if (!busy) return;
  switch (batch::VerifyQueue(app_)) {
    case batch::VerifyOutcome::kFailed:
      return;
    case batch::VerifyOutcome::kStopped:
      Ctx().MsgBox({.text = "The check was stopped before every file in the Queue was verified.",
                    .title = "Verification Stopped",
                    .buttons = ui::MsgButtons::kOk,
                    .icon = ui::MsgIcon::kExclamation});
      return;
    case batch::VerifyOutcome::kCompleted:
      break;
  }
  if (batch::ReportListsProblems(app_)) return;
  Ctx().MsgBox({.text = "All Files in Queue are Available.",
                .title = "Files Verified",
                .buttons = ui::MsgButtons::kOk,
                .icon = ui::MsgIcon::kExclamation});
}

}  // namespace mainwindow
