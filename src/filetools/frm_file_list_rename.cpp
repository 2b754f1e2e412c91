#include "filetools/frm_file_list_rename.h"

#include <string>

#include "app/app.h"
#include "core/procedure_error.h"
#include "core/working_set.h"
#include "filetools/file_lists.h"
#include "filetools/frm_file_lists.h"
#include "runtime/error.h"
#include "runtime/text.h"

namespace filetools {

namespace {

bool HasListExtension(const std::string& name) {
  if (name.size() < 4) return false;
  const std::string last = runtime::UpperCase(std::string_view(name).substr(name.size() - 4));
  return last == ".LST" || last == ".TXT";
}

}  // namespace

frmFileListRename::frmFileListRename(app::App& app) : Form(app.Ctx(), "frmFileListRename"), app_(app) {
  SetCaption("Rename FileList");
  SetBorderStyle(ui::BorderStyle::kFixedDialog);
  SetStartUpPosition(ui::StartUpPosition::kCenterOwner);
  Move(0, 0, 4740, 2130);

  Label1.SetCaption("Old Name:");
  Label1.Move(120, 150, 1000, 255);
  tbOldName.SetEnabled(false);
  tbOldName.Move(1200, 120, 3255, 315);
  Label2.SetCaption("New Name:");
  Label2.Move(120, 570, 1000, 255);
  tbNewName.Move(1200, 540, 3255, 315);
  cmdOk.SetCaption("&Ok");
  cmdOk.SetDefault(true);
  cmdOk.Move(3255, 1020, 1200, 375);

  onActivate = [this] { Form_Activate(); };
  cmdOk.onClick = [this] { cmdOk_Click(); };
}

void frmFileListRename::Form_Activate() {
  const std::string name = app_.frmFileLists().File1.FileName();
  tbOldName.SetText(name);
  tbNewName.SetText(name);
}

// The rename stays inside DATA and never replaces another file (the file system refuses an
// existing target); a change of letter case only is allowed.
void frmFileListRename::cmdOk_Click() {
  std::string newName = tbNewName.Text();
  if (!HasListExtension(newName)) {
    ui::MsgAnswer answer =
        Ctx().MsgBox({"You have not indicated a valid file extension.\r\n\r\n"
                      "Would you like me to add it for you?",
                      "Ooops...", ui::MsgButtons::kYesNo, ui::MsgIcon::kExclamation});
    if (answer == ui::MsgAnswer::kYes) newName += ".LST";
  }
  if (!IsUsableFileName(newName)) {
    Ctx().MsgBox({BadFileNameMessage(), "Tornavane Alert"});
    return;
  }
  frmFileLists& lists = app_.frmFileLists();
  const std::string folder = lists.DataFolder();
  const std::string oldPath = core::InFolder(folder, tbOldName.Text());
  const std::string newPath = core::InFolder(folder, newName);
  platform::FileSystem& fs = Ctx().Services().fileSystem;
  try {
    fs.Rename(oldPath, newPath);
  } catch (const runtime::Error& error) {
    if (error.Number() == runtime::kFileAlreadyExists) {
      Ctx().MsgBox({"A file by that name already exists.\r\n\r\nPlease delete or rename it.", "Ooops",
                    ui::MsgButtons::kOk, ui::MsgIcon::kExclamation});
    } else {
      core::ReportProcedureError(Ctx(), error, "cmdOk_Click", "frmFileListRename");
    }
    return;
  }
  lists.File1.Refresh();
  Hide();
}

}  // namespace filetools
