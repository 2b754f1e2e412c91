#include "options/pickers.h"

#include "app/app.h"
#include "core/app_title.h"
#include "core/path_helpers.h"
#include "mainwindow/frm_main.h"
#include "options/frm_options.h"
#include "runtime/error.h"
#include "runtime/text.h"

namespace options {

void LayOutFolderOnly(FolderPicker& form, int top, ui::CommandButton& ok, ui::CommandButton& cancel,
                      ui::CommandButton* explorer) {
  form.Move(0, 0, 5055, top + 3300);
  form.Drive1.Move(120, top, 3255, 315);
  form.Dir1.Move(120, top + 405, 3255, 2415);
  ok.Move(3600, top + 405, 1215, 375);
  cancel.Move(3600, top + 885, 1215, 375);
  if (explorer != nullptr) explorer->Move(3600, top + 1365, 1215, 375);
}

void SetButtons(ui::CommandButton& ok, ui::CommandButton& cancel) {
  ok.SetCaption("&Ok");
  ok.SetDefault(true);
  cancel.SetCaption("&Cancel");
}

namespace {

// Drive and folder lists on the left, the file list on the right, the buttons below.
void LayOutWithFiles(FolderPicker& form, ui::FileListBox& files, ui::CommandButton& ok, ui::CommandButton& cancel,
                     ui::CommandButton* explorer) {
  form.Move(0, 0, 6015, 4110);
  form.Drive1.Move(120, 120, 3015, 315);
  form.Dir1.Move(120, 525, 3015, 2415);
  files.Move(3240, 120, 2535, 2820);
  ok.Move(120, 3120, 1215, 375);
  cancel.Move(1440, 3120, 1215, 375);
  if (explorer != nullptr) explorer->Move(2760, 3120, 1215, 375);
}

}  // namespace

// ---- frmSCRDirSelect -------------------------------------------------------------------------

frmSCRDirSelect::frmSCRDirSelect(app::App& app) : FolderPicker(app, "frmSCRDirSelect") {
  SetCaption("Select AutoCAD \"SUPPORT\" Folder");
  Label1.SetCaption("Please Select your AutoCAD SUPPORT directory, and press OK");
  Label1.SetWordWrap(true);
  Label1.Move(120, 120, 4695, 495);
  SetButtons(SCRSelectCommandOk, SCRSelectCommandCancel);
  SCRSelectExplorer.SetCaption("&Explorer");
  LayOutFolderOnly(*this, 720, SCRSelectCommandOk, SCRSelectCommandCancel, &SCRSelectExplorer);
  onLoad = [this] { Form_Load(); };
  SCRSelectCommandOk.onClick = [this] { SCRSelectCommandOk_Click(); };
  SCRSelectCommandCancel.onClick = [this] { Hide(); };
  SCRSelectExplorer.onClick = [this] { ExploreFolder(); };
}

// Starts on the drive of the AutoCAD program, where its SUPPORT folder usually is. A path
// whose drive is not there leaves the lists on the current drive.
void frmSCRDirSelect::Form_Load() {
  const std::string& program = app_.frmOptions().tbAutoCadEXE.Text();
  std::optional<std::string> drive = core::GetDriveLetter(program);
  if (!drive) return;
  try {
    Drive1.SetDrive(*drive);
  } catch (const runtime::Error&) {
    return;
  }
}

void frmSCRDirSelect::SCRSelectCommandOk_Click() {
  frmOptions& options = app_.frmOptions();
  std::string path = Folder() + "tornavane.scr";
  if (options.optNormalOutputPath.Value()) {
    options.Text1.SetText(path);
  } else {
    options.tbAltOutput.SetText(path);
  }
  Hide();
}

// ---- frmTXTEDITORDirSelect -------------------------------------------------------------------

frmTXTEDITORDirSelect::frmTXTEDITORDirSelect(app::App& app) : FolderPicker(app, "frmTXTEDITORDirSelect") {
  SetCaption("Select Text Editor EXE");
  File1.SetPattern("*.EXE");
  SetButtons(TXTEDITORCommandOk, TXTEDITORCommandCancel);
  TXTEDITORExplorer.SetCaption("&Explorer");
  LayOutWithFiles(*this, File1, TXTEDITORCommandOk, TXTEDITORCommandCancel, &TXTEDITORExplorer);
  Dir1.onChange = [this] { File1.SetPath(Dir1.Path()); };
  File1.onDblClick = [this] { TXTEDITORCommandOk_Click(); };
  TXTEDITORCommandOk.onClick = [this] { TXTEDITORCommandOk_Click(); };
  TXTEDITORCommandCancel.onClick = [this] { Hide(); };
  TXTEDITORExplorer.onClick = [this] { ExploreFolder(); };
}

// The editor is started by a command line, so a path with a blank goes in quotes.
void frmTXTEDITORDirSelect::TXTEDITORCommandOk_Click() {
  app_.frmOptions().Text2.SetText(core::QuoteProgramPath(core::JoinPath(Dir1.Path(), File1.FileName())));
  Hide();
}

// ---- frmOUTDirSelect -------------------------------------------------------------------------

frmOUTDirSelect::frmOUTDirSelect(app::App& app) : FolderPicker(app, "frmOUTDirSelect") {
  SetCaption("Select Output Folder");
  SetButtons(OUTSelectCommandOk, OUTSelectCommandCancel);
  OUTSelectExplorer.SetCaption("&Explorer");
  LayOutFolderOnly(*this, 120, OUTSelectCommandOk, OUTSelectCommandCancel, &OUTSelectExplorer);
  onLoad = [this] { Form_Load(); };
  OUTSelectCommandOk.onClick = [this] { OUTSelectCommandOk_Click(); };
  OUTSelectCommandCancel.onClick = [this] { Hide(); };
  OUTSelectExplorer.onClick = [this] { ExploreFolder(); };
}

// Starts at the folder the main window's drawing browser shows.
void frmOUTDirSelect::Form_Load() {
  StartAtBrowser();
}

void frmOUTDirSelect::OUTSelectCommandOk_Click() {
  mainwindow::frmMain& main = app_.frmMain();
  main.tbSpecFolder.SetText(Folder());
  main.optSpecFolder.SetValue(true);
  Hide();
}

// ---- frmAutoCADEXEBrowse ---------------------------------------------------------------------

frmAutoCADEXEBrowse::frmAutoCADEXEBrowse(app::App& app) : FolderPicker(app, "frmAutoCADEXEBrowse") {
  SetCaption("Select AutoCAD EXE");
  File1.SetPattern("*.exe");
  SetButtons(cmdOK, cmdCancel);
  cmdOK.SetEnabled(false);
  LayOutWithFiles(*this, File1, cmdOK, cmdCancel, nullptr);
  Dir1.onChange = [this] { File1.SetPath(Dir1.Path()); };
  File1.onClick = [this] { File1_Click(); };
  cmdOK.onClick = [this] { cmdOK_Click(); };
  cmdCancel.onClick = [this] { Hide(); };
}

void frmAutoCADEXEBrowse::File1_Click() {
  if (runtime::UpperCase(runtime::Right(File1.FileName(), 4)) == ".EXE") cmdOK.SetEnabled(true);
}

// AutoCAD's SUPPORT folder lies beside its program, so the batch script path can follow.
void frmAutoCADEXEBrowse::cmdOK_Click() {
  frmOptions& options = app_.frmOptions();
  options.tbAutoCadEXE.SetText(core::JoinPath(Dir1.Path(), File1.FileName()));
  ui::MsgAnswer answer =
      Ctx().MsgBox({"Would you like your \"Batch Script Output Path (tornavane.scr)\" location set automatically?",
                    std::string(core::kAppTitle), ui::MsgButtons::kYesNo, ui::MsgIcon::kExclamation});
  if (answer == ui::MsgAnswer::kYes) options.Text1.SetText(Folder() + "SUPPORT\\tornavane.scr");
  Hide();
}

// ---- frmBrowseSCRIPSDir ----------------------------------------------------------------------

frmBrowseSCRIPSDir::frmBrowseSCRIPSDir(app::App& app) : FolderPicker(app, "frmBrowseSCRIPSDir") {
  SetCaption("Select location for User Scripts");
  SetButtons(cmdOK, cmdCancel);
  cmdOK.SetEnabled(false);
  LayOutFolderOnly(*this, 120, cmdOK, cmdCancel, nullptr);
  Dir1.onChange = [this] { cmdOK.SetEnabled(true); };
  cmdOK.onClick = [this] { cmdOK_Click(); };
  cmdCancel.onClick = [this] { Hide(); };
}

void frmBrowseSCRIPSDir::cmdOK_Click() {
  app_.frmOptions().tbScriptDir.SetText(Dir1.Path());
  Hide();
}

}  // namespace options
