// The Simple Mode script selector: the chosen ready-made script becomes the user script.
#include "app/app.h"
#include "core/data_files.h"
#include "mainwindow/frm_main.h"
#include "runtime/error.h"

namespace mainwindow {

namespace {

constexpr int kDropLineEnd = 2;

std::string WithBackslash(std::string folder) {
  if (folder.empty() || folder.back() != '\\') folder += '\\';
  return folder;
}

}  // namespace

// The text less the CR LF the writer appended; a text of fewer than two characters is
// error 5 and changes nothing.
void frmMain::subUpdate_SimpleScript(const std::string& content) {
  if (content.size() < kDropLineEnd) throw runtime::Error(runtime::kInvalidProcedureCall);
  Text1.SetText(content.substr(0, content.size() - kDropLineEnd));
}

// Reads the chosen script afresh (the build calls this too, so the batch script always has
// the file's current text). A missing file, or no file chosen, changes nothing; a missing
// folder is reported and sends the browser back to the current folder. Failures end here.
void frmMain::fsSimpleScript_Click() {
  if (fsSimpleScript.FileName().empty()) return;
  std::string path = WithBackslash(fsSimpleScript.Path()) + fsSimpleScript.FileName();
  try {
    std::string content;
    try {
      content = Ctx().Services().fileSystem.ReadAll(path);
    } catch (const runtime::Error& error) {
      if (error.Number() != runtime::kPathNotFound) return;
      Ctx().MsgBox(
          {" The previously saved working-path is unavailable (possibly renamed)...\r"
           " Please reselect your working path",
           core::ErrorGeneratedBy(runtime::kPathNotFound)});
      Dir1.SetPath("");
      return;
    }
    subUpdate_SimpleScript(content);
    if (List1.ListCount() > 0) {
      Command1_Compile.SetEnabled(true);
      cmdCreateAndRun.SetEnabled(true);
    }
    if (chkAppend.Value() == ui::kChecked) {
      SCRChangedInAppend = core::kTrue;
      SCRChanged = core::kTrue;
    }
    if (METAEnabled == 1) ScanForMetaCommands(core::kTrue);
  } catch (const runtime::Error&) {
  }
}

}  // namespace mainwindow
