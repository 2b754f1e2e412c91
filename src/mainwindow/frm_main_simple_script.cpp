// The Simple Mode script selector: the chosen ready-made script becomes the user script.
#include "app/app.h"
#include "core/path_helpers.h"
#include "core/settings_model.h"
#include "core/text_file.h"
#include "mainwindow/frm_main.h"
#include "runtime/error.h"

namespace mainwindow {

// The text less the CR LF the writer appended; a text without one loads whole.
void frmMain::subUpdate_SimpleScript(const std::string& content) {
  Text1.SetText(core::WithoutFinalLineEnd(content));
}

// Reads the chosen script afresh (the build calls this too, so the batch script always has
// the file's current text). A missing file, or no file chosen, changes nothing; a missing
// folder is reported and sends the browser back to the current folder. Failures end here.
void frmMain::fsSimpleScript_Click() {
  if (fsSimpleScript.FileName().empty()) return;
  std::string content;
  if (!ReadUserScript(core::FolderWithBackslash(fsSimpleScript.Path()) + fsSimpleScript.FileName(), content)) {
    return;
  }
  try {
    subUpdate_SimpleScript(content);
    if (List1.ListCount() > 0) {
      Command1_Compile.SetEnabled(true);
      cmdCreateAndRun.SetEnabled(true);
    }
    if (chkAppend.Value() == ui::kChecked) {
      settings.SCRChangedInAppend = core::kTrue;
      settings.SCRChanged = core::kTrue;
    }
    if (settings.METAEnabled == 1) ScanForMetaCommands(core::kTrue);
  } catch (const runtime::Error&) {
  }
}

}  // namespace mainwindow
