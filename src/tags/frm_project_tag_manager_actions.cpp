// The project tag manager's commands: loading a project, Save, Delete, the mode button and
// "&Done".
#include <string>
#include <vector>

#include "app/app.h"
#include "core/app_title.h"
#include "core/procedure_error.h"
#include "runtime/convert.h"
#include "runtime/error.h"
#include "runtime/text.h"
#include "tags/frm_project_tag_manager.h"
#include "tags/project_files.h"

namespace tags {

namespace {

constexpr int kExtensionLength = 4;
constexpr const char* kFormName = "frmProjectTagManager";
constexpr const char* kFileNameError =
    "File could not be created.\r\n(Possibly due to reserved characters in filename)...\r\n\r\n"
    "Please do not use characters such as\r\n/ : * ? \" < > |";
constexpr const char* kWriteProtected =
    "The File you are attempting to save is 'Write Protected'.\r\n"
    "Please change the files attribute to READ/WRITE and RETRY to save your changes.";

std::string WithoutExtension(const std::string& fileName) {
  return runtime::Left(fileName, static_cast<int>(fileName.size()) - kExtensionLength);
}

}  // namespace

void frmProjectTagManager::ReportError(const runtime::Error& error, const char* procedure) {
  core::ReportProcedureError(Ctx(), error, procedure, kFormName);
}

void frmProjectTagManager::ProjectList_Click() {
  ManageProjectLists(ProjectList);
}

void frmProjectTagManager::ProjectInactiveList_Click() {
  ManageProjectLists(ProjectInactiveList);
}

// Unsaved edits are offered for saving first; saving ends the click, so the user clicks the
// project again to load it.
void frmProjectTagManager::ManageProjectLists(ui::FileListBox& list) {
  if (TagsChanged) {
    ui::MsgAnswer answer = Ctx().MsgBox({"Would you like to save your changes before switching projects?",
                                         "Settings Changed", ui::MsgButtons::kYesNo, ui::MsgIcon::kExclamation});
    if (answer == ui::MsgAnswer::kYes) {
      cmdSave_Click();
      return;
    }
  }
  if (list.ListIndex() < 0) return;
  try {
    ShowProject(list.FileName());
  } catch (const runtime::Error& error) {
    ReportError(error, "ManageProjectLists");
  }
}

// A file shorter than 41 lines empties the boxes it has no line for, so a following save
// never carries another project's values. A longer one fills the boxes and is an error.
void frmProjectTagManager::ShowProject(const std::string& fileName) {
  Project project;
  bool fits = ReadProjectForEdit(Ctx().Services().fileSystem, DataFolder() + fileName, project);
  tbPath.SetText(project.pattern);
  for (int i = 0; i < kValueCount; ++i) tbPD1[i].SetText(project.values[static_cast<std::size_t>(i)]);
  if (!fits) throw runtime::Error(runtime::kSubscriptOutOfRange);
  cmdDelete.SetEnabled(true);
  cmdProjMode.SetEnabled(true);
  if (IsActiveProjectFile(fileName)) cmdSave.SetEnabled(true);
  tbProjectName.SetText(WithoutExtension(fileName));
  TagsChanged = false;
}

void frmProjectTagManager::cmdSave_Click() {
  const std::string& name = tbProjectName.Text();
  if (name.empty()) return;
  if (!ProjectNameAllowed(name)) {
    Ctx().MsgBox({kFileNameError, "File Name Error", ui::MsgButtons::kOk, ui::MsgIcon::kCritical});
    return;
  }
  if (!SaveProject(DataFolder() + ProjectFileName(name, ActiveTab()))) return;
  RefreshLists();
  TagsChanged = false;
}

bool frmProjectTagManager::SaveProject(const std::string& path) {
  Project project;
  project.pattern = tbPath.Text();
  for (int i = 0; i < kValueCount; ++i) project.values[static_cast<std::size_t>(i)] = tbPD1[i].Text();
  for (;;) {
    try {
      WriteProject(Ctx().Services().fileSystem, path, project);
      return true;
    } catch (const runtime::Error& error) {
      switch (error.Number()) {
        case runtime::kBadFileName:
          Ctx().MsgBox({kFileNameError, "File Name Error", ui::MsgButtons::kOk, ui::MsgIcon::kCritical});
          return false;
        case runtime::kPathFileAccessError:
          if (Ctx().MsgBox({kWriteProtected, "File Access Error", ui::MsgButtons::kRetryCancel,
                            ui::MsgIcon::kExclamation}) == ui::MsgAnswer::kRetry) {
            continue;
          }
          return false;
        case runtime::kPathNotFound:
          Ctx().MsgBox({kMissingDataFolderMessage, std::string(core::kAppTitle)});
          return false;
        default:
          return false;
      }
    }
  }
}

// The file named by the name box and the shown tab goes; the list's selection plays no part
// and nothing is asked. The boxes keep the project, so Save writes it again.
void frmProjectTagManager::cmdDelete_Click() {
  try {
    const std::string& name = tbProjectName.Text();
    if (!ProjectNameAllowed(name)) throw runtime::Error(runtime::kBadFileName);
    std::string extension(ActiveTab() ? kActiveExtension : kInactiveExtension);
    Ctx().Services().fileSystem.DeleteFile(DataFolder() + name + extension);
  } catch (const runtime::Error& error) {
    ReportError(error, "cmdDelete_Click");
    return;
  }
  RefreshLists();
  cmdDelete.SetEnabled(false);
  cmdProjMode.SetEnabled(false);
}

// Moves the project selected on the shown tab to the other list by its extension. A project
// of that name already on the other list is never replaced.
void frmProjectTagManager::cmdProjMode_Click() {
  ui::FileListBox& list = ActiveTab() ? ProjectList : ProjectInactiveList;
  if (list.ListIndex() < 0) return;
  std::string from = list.FileName();
  std::string to = WithoutExtension(from) + std::string(ActiveTab() ? kInactiveExtension : kActiveExtension);
  try {
    Ctx().Services().fileSystem.Rename(DataFolder() + from, DataFolder() + to);
  } catch (const runtime::Error& error) {
    if (error.Number() != runtime::kFileAlreadyExists) {
      ReportError(error, "cmdProjMode_Click");
      return;
    }
    Ctx().MsgBox({"Attempting to rename file to " + runtime::UpperCase(DataFolder() + to) +
                      ", but a file with that name already exists.\r\n"
                      "You must delete or rename either the source or the destination to continue.",
                  "File Access Error", ui::MsgButtons::kOk, ui::MsgIcon::kExclamation});
    return;
  }
  RefreshLists();
  cmdProjMode.SetEnabled(false);
  cmdDelete.SetEnabled(false);
}

// Writes the index of the active projects in list order and hides the window. An index that
// cannot be written is reported and the window stays, so the change is not lost unnoticed.
void frmProjectTagManager::cmdClose_Click() {
  std::vector<std::string> active;
  for (int i = 0; i < ProjectList.ListCount(); ++i) {
    if (IsActiveProjectFile(ProjectList.List(i))) active.push_back(ProjectList.List(i));
  }
  try {
    WriteProjectIndex(Ctx().Services().fileSystem, Ctx().App().path, active);
  } catch (const runtime::Error& error) {
    Ctx().MsgBox({"The list of active projects could not be saved to\r\n" + ProjectIndexPath(Ctx().App().path) +
                      "\r\n\r\n" + core::ErrorText(error),
                  std::string(core::kAppTitle), ui::MsgButtons::kOk, ui::MsgIcon::kExclamation});
    return;
  }
  Hide();
}

}  // namespace tags
