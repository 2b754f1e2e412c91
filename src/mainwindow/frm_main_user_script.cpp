#include "app/app.h"
#include "core/file_helpers.h"
#include "core/path_helpers.h"
#include "mainwindow/frm_main.h"
#include "runtime/error.h"

namespace mainwindow {

namespace {

std::string WithBackslash(std::string folder) {
  if (folder.empty() || folder.back() != '\\') folder += '\\';
  return folder;
}

}  // namespace

// Every change of the script marks it unsaved, lets the build buttons follow it and, with
// live META update on, applies its META commands (without the sort commands).
void frmMain::Text1_Change() {
  SCRChanged = core::kTrue;
  bool ready = !Text1.Text().empty() && List1.ListCount() > 0;
  Command1_Compile.SetEnabled(ready);
  cmdCreateAndRun.SetEnabled(ready);
  if (METAEnabled == 1 && METAImmediate == 1) ScanForMetaCommands(core::kFalse);
}

// The script named in Text2 decides Save, Delete and Read-Only: a read-only file locks the
// two buttons and ticks the box.
void frmMain::Text2_Change() {
  try {
    platform::FileSystem& fs = Ctx().Services().fileSystem;
    std::string path = WithBackslash(File2.Path()) + Text2.Text() + ".scr";
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
    SCRPattern = scrFilter.Text();
  } catch (const runtime::Error&) {
    File2.SetPattern("*.scr");
  }
}

void frmMain::tbPrefix_Change() {
  UpdateSaveAsExample();
}

void frmMain::tbSuffix_Change() {
  UpdateSaveAsExample();
}

// The SAVEAS name the first queued drawing would get: prefix, base name, suffix, ".DWG",
// with the tags of prefix and suffix replaced. An empty queue leaves the example as it is.
void frmMain::UpdateSaveAsExample() {
  if (List1.ListCount() == 0) return;
  std::string base = core::GetBaseName(List1.List(0));
  tbSAVEASExOutput.SetText(SubstituteTAGS(tbPrefix.Text(), 1, base, 0) + base +
                           SubstituteTAGS(tbSuffix.Text(), 1, base, 0) + ".DWG");
}

}  // namespace mainwindow
