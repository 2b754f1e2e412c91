// Loading a saved user script from the script list File2.
#include "app/app.h"
#include "core/data_files.h"
#include "core/path_helpers.h"
#include "core/settings_model.h"
#include "core/text_file.h"
#include "mainwindow/frm_main.h"
#include "runtime/error.h"
#include "runtime/text.h"

namespace mainwindow {

namespace {

constexpr std::size_t kExtensionLength = 4;  // ".scr"

std::string DiscardQuestion(const std::string& name) {
  return "Are you sure you want to discard changes in \"" + (name.empty() ? std::string("UNNAMED") : name) +
         "\" user-script?\r\n\r\nPressing YES will DISCARD your changes...\r\n"
         "Pressing NO will allow you to Save/Rename your script...";
}

}  // namespace

bool frmMain::ReadUserScript(const std::string& path, std::string& content) {
  try {
    content = Ctx().Services().fileSystem.ReadAll(path);
    return true;
  } catch (const runtime::Error& error) {
    if (error.Number() != runtime::kPathNotFound) return false;
  }
  Ctx().MsgBox(
      {" The previously saved working-path is unavailable (possibly renamed)...\r"
       " Please reselect your working path",
       core::ErrorGeneratedBy(runtime::kPathNotFound)});
  try {
    Dir1.SetPath("");
  } catch (const runtime::Error&) {
  }
  return false;
}

// Writing Text1 runs its change handling (and the live META scan) and writing Text2 runs the
// name's Save/Delete/Read-Only check before the flag is cleared here.
void frmMain::subUpdate_MiniScript(const std::string& content) {
  std::string script = core::WithoutFinalLineEnd(content);
  if (chkAppend.Value() == ui::kChecked && !Text1.Text().empty()) {
    Text1.SetText(Text1.Text() + "\r\n" + script);
    Text1.SetSelStart(static_cast<int>(Text1.Text().size()));
  } else if (chkAppend.Value() == ui::kChecked) {
    Text1.SetText(std::move(script));
  } else {
    Text1.SetText(std::move(script));
    const std::string name = File2.FileName();
    Text2.SetText(name.substr(0, name.size() - std::min(name.size(), kExtensionLength)));
  }
  settings.SCRChanged = core::kFalse;
}

// Unsaved changes are only at stake when the load replaces the script; after "No" the name
// box takes the focus, ready for a name to save under. Append acts on one load only.
void frmMain::File2_Click() {
  if (File2.FileName().empty()) return;
  std::string content;
  if (!ReadUserScript(core::FolderWithBackslash(File2.Path()) + File2.FileName(), content)) return;
  try {
    const bool append = chkAppend.Value() == ui::kChecked;
    if (settings.SCRChanged != core::kFalse && !append) {
      ui::MsgAnswer answer = Ctx().MsgBox({.text = DiscardQuestion(Text2.Text()),
                                           .title = " Discard Changes?",
                                           .buttons = ui::MsgButtons::kYesNo,
                                           .icon = ui::MsgIcon::kExclamation,
                                           .defaultButton = 2});
      if (answer == ui::MsgAnswer::kYes) {
        subUpdate_MiniScript(content);
      } else {
        Text2.SetFocus();
        Text2.SetSelStart(0);
        Text2.SetSelLength(static_cast<int>(Text2.Text().size()));
      }
    } else {
      subUpdate_MiniScript(content);
    }
    if (List1.ListCount() > 0) {
      Command1_Compile.SetEnabled(true);
      cmdCreateAndRun.SetEnabled(true);
    }
    if (append) {
      settings.SCRChangedInAppend = core::kTrue;
      settings.SCRChanged = core::kTrue;
      chkAppend.SetValue(ui::kUnchecked);
    }
    if (settings.METAEnabled == 1) ScanForMetaCommands(core::kTrue);
  } catch (const runtime::Error&) {
  }
}

void frmMain::File2_DblClick() {
  cmdSCREditOpen_Click();
}

}  // namespace mainwindow
