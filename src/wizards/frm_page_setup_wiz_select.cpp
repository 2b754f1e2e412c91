#include "wizards/frm_page_setup_wiz_select.h"

#include "app/app.h"
#include "core/app_title.h"
#include "core/path_helpers.h"
#include "core/procedure_error.h"
#include "mainwindow/frm_main.h"
#include "runtime/text.h"
#include "wizards/frm_page_setup_in_wiz.h"

namespace wizards {

frmPageSetupWizSelect::frmPageSetupWizSelect(app::App& app) : FolderPicker(app, "frmPageSetupWizSelect") {
  SetCaption(" Select DWG file with PageSetup");
  Move(0, 0, 6015, 4110);
  Drive1.Move(120, 120, 3015, 315);
  Dir1.Move(120, 525, 3015, 2415);
  File1.SetPattern("*.dwg");
  File1.Move(3240, 120, 2535, 2820);
  cmdSelect.SetCaption("Select");
  cmdSelect.SetDefault(true);
  cmdSelect.SetEnabled(false);
  cmdSelect.Move(3240, 3120, 1215, 375);
  cmdCancel.SetCaption("Cancel");
  cmdCancel.Move(4560, 3120, 1215, 375);

  onLoad = [this] { Form_Load(); };
  Dir1.onChange = [this] { Dir1_Change(); };
  File1.onClick = [this] { File1_Click(); };
  cmdSelect.onClick = [this] { cmdSelect_Click(); };
  cmdCancel.onClick = [this] { cmdCancel_Click(); };
}

// Only the first load copies the main window's browser; a hidden picker keeps its place. A
// browser folder that went away meanwhile leaves the lists where they got to.
void frmPageSetupWizSelect::Form_Load() {
  mainwindow::frmMain& main = app_.frmMain();
  try {
    Drive1.SetDrive(main.Drive1.Drive());
    Dir1.SetPath(main.Dir1.Path());
    File1.SetPath(main.File1.Path());
  } catch (const runtime::Error&) {
    return;
  }
}

void frmPageSetupWizSelect::Dir1_Change() {
  File1.SetPath(Dir1.Path());
  cmdSelect.SetEnabled(false);
}

// Only a drawing can be handed over: any other name clicked takes "Select" away again.
void frmPageSetupWizSelect::File1_Click() {
  cmdSelect.SetEnabled(runtime::UpperCase(File1.FileName()).ends_with(".DWG"));
}

void frmPageSetupWizSelect::cmdSelect_Click() {
  app_.frmPageSetupInWiz().Text1.SetText(core::JoinPath(Dir1.Path(), File1.FileName()));
  cmdSelect.SetEnabled(false);
  Hide();
}

void frmPageSetupWizSelect::cmdCancel_Click() {
  Hide();
}

void frmPageSetupWizSelect::SayDriveNotResponding() {
  Ctx().MsgBox({"That Drive is not responding...\rPlease select a different drive!", std::string(core::kAppTitle)});
}

void frmPageSetupWizSelect::DriveChangeFailed(const runtime::Error& error) {
  Ctx().MsgBox(
      {core::ProcedureErrorText(error, "Drive1_Change", "frmPageSetupWizSelect"), std::string(core::kAppTitle)});
}

}  // namespace wizards
