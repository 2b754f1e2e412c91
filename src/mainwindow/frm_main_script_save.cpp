// Saving, deleting and write-protecting the user script files of the script list.
#include "app/app.h"
#include "core/file_helpers.h"
#include "core/path_helpers.h"
#include "core/procedure_error.h"
#include "core/settings_model.h"
#include "core/system_helpers.h"
#include "core/text_file.h"
#include "mainwindow/frm_main.h"
#include "mainwindow/user_script_files.h"
#include "runtime/error.h"
#include "runtime/text.h"
#include "ui/hourglass.h"

namespace mainwindow {

namespace {

void ShowBadNameMessage(ui::Context& ctx) {
  ctx.MsgBox(
      {"File names cannot contain the following characters...\r\n\r\n"
       "                       \\  /  :  *  ?  <  >  |  ",
       "Tornavane Alert"});
}

}  // namespace

std::string frmMain::NamedScriptPath() const {
  return core::FolderWithBackslash(File2.Path()) + Text2.Text() + ".scr";
}

// Writes the trimmed script under its name in the list folder and the script as it stands
// beside the batch script. The changes count as saved only when the file was written or
// there was no script; a script without a name sends the user to the name box.
void frmMain::cmdSAVESCR_Click() {
  platform::FileSystem& fs = Ctx().Services().fileSystem;
  const std::string user = core::GetUserNameClean(Ctx().Services().system);
  ui::ScreenHourglass hourglass(Ctx());
  const std::string& script = Text1.Text();
  if (!script.empty() && Text2.Text().empty()) {
    try {
      Text2.SetFocus();
    } catch (const runtime::Error&) {
    }
    return;
  }
  if (!script.empty()) {
    if (!IsValidScriptName(Text2.Text())) return ShowBadNameMessage(Ctx());
    try {
      core::WriteTextDump(fs, NamedScriptPath(), runtime::Trim(script), core::WriteMode::kSafe);
      core::WriteTextDump(fs, UserScriptCopyPath(settings.SCROutputPath, user), script, core::WriteMode::kSafe);
    } catch (const runtime::Error& error) {
      if (error.Number() == runtime::kFileNotFound || error.Number() == runtime::kPathNotFound) {
        ShowBadNameMessage(Ctx());
      }
      return;
    }
  }
  try {
    File2.Refresh();
  } catch (const runtime::Error&) {
  }
  settings.SCRChanged = core::kFalse;
}

// Deletes the script selected in the list (not the one named in Text2) after a question. A
// file that cannot be deleted is reported, and the boxes, the flag and the list stay.
void frmMain::cmdDeleteSCR_Click() {
  const std::string name = File2.FileName();
  if (name.empty()) return;
  if (Ctx().MsgBox({.text = "Are you sure you want to delete " + name + "?",
                    .title = "Confirm Delete",
                    .buttons = ui::MsgButtons::kYesNo,
                    .icon = ui::MsgIcon::kExclamation}) != ui::MsgAnswer::kYes) {
    return;
  }
  try {
    Ctx().Services().fileSystem.DeleteFile(core::FolderWithBackslash(File2.Path()) + name);
  } catch (const runtime::Error& error) {
    core::ReportProcedureError(Ctx(), error, "cmdDeleteSCR_Click");
    return;
  }
  Text1.SetText("");
  Text2.SetText("");
  try {
    File2.Refresh();
  } catch (const runtime::Error&) {
  }
  settings.SCRChanged = core::kFalse;
}

// Sets or clears the read-only bit of the named script, leaving its other attributes, then
// lets Save and Delete follow the box.
void frmMain::chkReadOnly_Click() {
  platform::FileSystem& fs = Ctx().Services().fileSystem;
  const std::string path = NamedScriptPath();
  try {
    if (core::PathFileExists(fs, path) != 0) {
      const std::uint32_t attributes = fs.GetAttributes(path);
      const std::uint32_t wanted = chkReadOnly.Value() == ui::kChecked ? (attributes | platform::kAttrReadOnly)
                                                                       : (attributes & ~platform::kAttrReadOnly);
      if (wanted != attributes) fs.SetAttributes(path, wanted);
    }
  } catch (const runtime::Error& error) {
    core::ReportProcedureError(Ctx(), error, "chkReadOnly_Click");
  }
  UpdateQueueControls();
}

}  // namespace mainwindow
