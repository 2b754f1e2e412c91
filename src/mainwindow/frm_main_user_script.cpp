#include "app/app.h"
#include "core/file_helpers.h"
#include "core/launch.h"
#include "core/path_helpers.h"
#include "core/procedure_error.h"
#include "mainwindow/frm_main.h"
#include "runtime/error.h"

namespace mainwindow {

namespace {

constexpr int kShowNormal = 1;

}  // namespace

// Every change of the script marks it unsaved, lets the build buttons follow it and, with
// live META update on, applies its META commands (without the sort commands).
void frmMain::Text1_Change() {
  settings.SCRChanged = core::kTrue;
  bool ready = !Text1.Text().empty() && List1.ListCount() > 0;
  Command1_Compile.SetEnabled(ready);
  cmdCreateAndRun.SetEnabled(ready);
  if (settings.METAEnabled == 1 && settings.METAImmediate == 1) ScanForMetaCommands(core::kFalse);
}

// The script named in Text2 decides Save, Delete and Read-Only: a read-only file locks the
// two buttons and ticks the box.
void frmMain::Text2_Change() {
  try {
    platform::FileSystem& fs = Ctx().Services().fileSystem;
    const std::string path = NamedScriptPath();
    bool readOnly = core::PathFileExists(fs, path) != 0 && core::IsReadOnlyAttribute(fs.GetAttributes(path));
    cmdSAVESCR.SetEnabled(!readOnly);
    cmdDeleteSCR.SetEnabled(!readOnly);
    chkReadOnly.SetValue(readOnly ? ui::kChecked : ui::kUnchecked);
  } catch (const runtime::Error&) {
  }
}

// The script list shows the scripts whose names hold the filter text; a pattern the list
// refuses falls back to every script and is not kept.
void frmMain::scrFilter_Change() {
  try {
    File2.SetPattern("*" + scrFilter.Text() + "*.scr");
    settings.SCRPattern = scrFilter.Text();
  } catch (const runtime::Error&) {
    File2.SetPattern("*.scr");
  }
}

void frmMain::scrFilter_DblClick() {
  scrFilter.SetText("");
}

// The Simple Mode list, narrowed as the script list is.
void frmMain::tbScrSelFilter_Change() {
  try {
    fsSimpleScript.SetPattern("*" + tbScrSelFilter.Text() + "*.scr");
  } catch (const runtime::Error&) {
    fsSimpleScript.SetPattern("*.scr");
  }
}

// A folder the list cannot show is reported and the list stays where it was.
void frmMain::chkProjDir_Click() {
  try {
    File2.SetPath(chkProjDir.Value() == ui::kChecked ? File1.Path() : settings.SCRIPTSDir);
  } catch (const runtime::Error& error) {
    core::ReportProcedureError(Ctx(), error, "chkProjDir_Click");
  }
}

void frmMain::frameUserScriptList_Click() {
  try {
    File2.Refresh();
  } catch (const runtime::Error&) {
  }
}

// Explorer on the scripts folder, also while the list shows the drawing folder.
void frmMain::Label14_Click() {
  platform::Services& services = Ctx().Services();
  core::LaunchProgram(services.shell, services.fileSystem, Ctx().GetBackend(),
                      "explorer.exe /n,/e, " + settings.SCRIPTSDir, kShowNormal);
}

void frmMain::Command2_Click() {
  Text1.Undo();
}

// Empties the script and its name without asking; there is nothing left to build.
void frmMain::cmdClearSCREditor_Click() {
  Text1.SetText("");
  Text2.SetText("");
  settings.SCRChanged = core::kFalse;
  Command1_Compile.SetEnabled(false);
  cmdCreateAndRun.SetEnabled(false);
}

void frmMain::tbPrefix_Change() {
  UpdateSaveAsExample();
}

void frmMain::tbSuffix_Change() {
  UpdateSaveAsExample();
}

// The SAVEAS name the first queued drawing gets in a build: prefix, base name, suffix,
// ".DWG", with the tags of prefix and suffix replaced for that drawing as the build replaces
// them. An empty queue leaves the example as it is.
void frmMain::UpdateSaveAsExample() {
  if (List1.ListCount() == 0) return;
  const std::string first = List1.List(0);
  auto nameTags = [&](const std::string& text) {
    return SpSubstituteProjectTAGS(SubstituteTAGS(text, settings.COUNTERSTART, first, 1), settings.COUNTERSTART, first);
  };
  tbSAVEASExOutput.SetText(nameTags(tbPrefix.Text()) + core::GetBaseName(first) + nameTags(tbSuffix.Text()) + ".DWG");
}

}  // namespace mainwindow
