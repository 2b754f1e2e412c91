// The batch settings panel of the main window: the switches that keep their settings fields
// current, SAVEAS and Test Run excluding each other, the default-template buttons, the
// SAVEAS format list and the files-processed counter.
#include <string>

#include "app/app.h"
#include "mainwindow/frm_main.h"
#include "options/pickers.h"
#include "runtime/convert.h"
#include "runtime/error.h"
#include "runtime/text.h"

namespace mainwindow {

namespace {

constexpr const char* kFormats[] = {"Don't Change", "R13", "R14", "2000", "2002", "2004", "2007", "2010", "2013"};

constexpr const char* kTemplateQuestion =
    "By continuing, your SETTINGS tab information will be changed to a default setting.\r\n\r\nContinue?";

bool Confirm(ui::Context& ctx, const std::string& text, const char* title) {
  return ctx.MsgBox({text, title, ui::MsgButtons::kYesNo, ui::MsgIcon::kExclamation}) == ui::MsgAnswer::kYes;
}

}  // namespace

// Refills the SAVEAS format list. The format shown stays when the list has it (at load the
// stored one, after the options dialog's OK the one chosen); anything else becomes
// "Don't Change".
void frmMain::FillOutFormatList() {
  const std::string current = cmbOutFormat.Text();
  std::string keep = kFormats[0];
  for (const char* format : kFormats) {
    if (runtime::EqualsNoCase(current, format)) keep = format;
  }
  cmbOutFormat.Clear();
  for (const char* format : kFormats) cmbOutFormat.AddItem(format);
  cmbOutFormat.SetText(keep);
}

void frmMain::cbIncludeDebugComments_Click() {
  settings.DebugComments = static_cast<std::int16_t>(cbIncludeDebugComments.Value());
}

void frmMain::chkIncludeStatus_Click() {
  settings.IncludeStatus = static_cast<std::int16_t>(chkIncludeStatus.Value());
}

void frmMain::chkDelay_Click() {
  settings.UseDelay = chkDelay.Value() == ui::kChecked ? core::kTrue : core::kFalse;
}

void frmMain::chkSaveAS_Click() {
  if (chkSaveAS.Value() == ui::kChecked) chkTestRun.SetValue(ui::kUnchecked);
}

void frmMain::chkTestRun_Click() {
  if (chkTestRun.Value() != ui::kUnchecked) chkSaveAS.SetValue(ui::kUnchecked);
}

void frmMain::cmdClear_Click() {
  if (!Confirm(Ctx(),
               "Are you sure you want to clear the PREBATCH COMMAND, PREUSERSCRIPT, POSTUSERSCRIPT and POSTBATCH "
               "Command boxes.",
               "Warning!")) {
    return;
  }
  tbPreBatch.SetText("");
  tbPreUserScript.SetText("");
  tbPostBatch.SetText("");
  tbPostUserScript.SetText("");
}

void frmMain::cmdCloseDefault_Click() {
  if (!Confirm(Ctx(), kTemplateQuestion, "Warning!")) return;
  tbPreBatch.SetText("");
  tbPostUserScript.SetText("_CLOSE");
  tbPostBatch.SetText("");
}

void frmMain::cmdSDIDefault_Click() {
  if (!Confirm(Ctx(), kTemplateQuestion, "Warning!")) return;
  tbPreBatch.SetText("_SDI 1");
  tbPreUserScript.SetText("");
  tbPostUserScript.SetText("");
  tbPostBatch.SetText("_SDI 0");
}

// The SAVEAS folder picker; its OK fills tbSpecFolder and chooses "This Location".
void frmMain::cmdOUTBrowse_Click() {
  try {
    app_.frmOUTDirSelect().Show(ui::ShowMode::kModal, this);
  } catch (const runtime::Error&) {
    // The picker could not open; the folder box stays as it is.
  }
}

void frmMain::lblFilesProcessed_Click() {
  if (!Confirm(Ctx(), "Are you sure you want to clear the 'Files Processed' counter?", "Sure?")) return;
  settings.TotalFilesProcessed = 0;
  lblFilesProcessed.SetCaption("Processed = " + runtime::DoubleToText(settings.TotalFilesProcessed));
}

}  // namespace mainwindow
