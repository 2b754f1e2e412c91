// The queue pop-up menu's own entries: skipping past the selected drawing, going to the
// current entry's folder in the browser and opening Explorer on it.
#include <string>
#include <vector>

#include "core/file_helpers.h"
#include "core/launch.h"
#include "core/path_helpers.h"
#include "core/procedure_error.h"
#include "core/system_helpers.h"
#include "mainwindow/frm_main.h"
#include "runtime/error.h"

namespace mainwindow {

namespace {

constexpr int kShowNormal = 1;

}  // namespace

void frmMain::mnuSkip_Click() {
  List1_SkipFile();
}

// Removes the entries up to and including the first selected one and records that one in the
// user's skipped list. The list is written first: when it cannot be, the user is told and the
// queue stays as it was, so no skipped drawing goes unrecorded.
void frmMain::List1_SkipFile() {
  if (Ctx().Busy()) return;
  int first = -1;
  for (int i = 0; i < List1.ListCount() && first < 0; ++i) {
    if (List1.Selected(i)) first = i;
  }
  if (first < 0) return;
  const ui::MsgAnswer answer = Ctx().MsgBox(
      {.text = "Are you sure you want to remove all files in the Queue, up to the selected file, and then add the "
               "selected filename to the 'skipped' file list?",
       .title = "Skip?",
       .buttons = ui::MsgButtons::kYesNo,
       .icon = ui::MsgIcon::kExclamation,
       .defaultButton = 1});
  if (answer != ui::MsgAnswer::kYes) return;

  const std::string skipped = List1.List(first);
  const std::string path =
      Ctx().App().path + "\\DATA\\!Skipped_" + core::GetUserNameClean(Ctx().Services().system) + ".lst";
  try {
    platform::AppendToFile(Ctx().Services().fileSystem, path, skipped + "\r\n");
  } catch (const runtime::Error& error) {
    Ctx().MsgBox({.text = "The skipped file list could not be written:\r\n" + core::ShortenPath(path) + "\r\n\r\n" +
                          core::ErrorText(error) + "\r\n\r\nThe Queue was left as it was.",
                  .title = Ctx().App().title,
                  .buttons = ui::MsgButtons::kOk,
                  .icon = ui::MsgIcon::kExclamation});
    return;
  }
  List1.RemoveItems(std::vector<bool>(static_cast<std::size_t>(first) + 1, true));
  UpdateQueueControls();
}

// The folder list goes first, then the drive box to that folder's drive root; each runs the
// browser's change handling. The drive's change points the folder list at the drive's own
// current folder, so the folder list is set once more. A network folder (\\server\share\...)
// has no drive for the drive box. What was done before an error stays done.
void frmMain::mnuGotoDir_Click() {
  if (List1.ListIndex() < 0) return;
  try {
    const std::string folder = core::GetFolder(List1.Text());
    Dir1.SetPath(folder);
    if (folder.starts_with("\\\\")) return;
    Drive1.SetDrive(folder.substr(0, 3));
    Dir1.SetPath(folder);
  } catch (const runtime::Error& error) {
    core::ReportProcedureError(Ctx(), error, "mnuGotoDir_Click");
  }
}

// Explorer opens a new window on the entry's folder with the entry selected.
void frmMain::mnuOpenDirInExplorer_Click() {
  if (List1.ListIndex() < 0) return;
  try {
    platform::Services& services = Ctx().Services();
    core::LaunchProgram(services.shell, services.fileSystem, Ctx().GetBackend(),
                        "explorer.exe /n,/e,/select, " + List1.Text(), kShowNormal);
  } catch (const runtime::Error& error) {
    core::ReportProcedureError(Ctx(), error, "mnuOpenDirInExplorer_Click");
  }
}

}  // namespace mainwindow
