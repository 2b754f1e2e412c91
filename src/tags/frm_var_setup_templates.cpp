// The user tag manager's templates: load, save, delete and the read-only lock.

#include <string>
#include <vector>

#include "app/app.h"
#include "core/app_title.h"
#include "core/procedure_error.h"
#include "mainwindow/frm_main.h"
#include "runtime/convert.h"
#include "runtime/error.h"
#include "tags/frm_var_setup.h"
#include "tags/project_tags.h"
#include "tags/tag_templates.h"

namespace tags {

namespace {

constexpr const char* kForbiddenName =
    "File names cannot contain the following characters...\r\n\r\n"
    "                        \\  /  :  *  ?  <  >  |  ";

bool ListedWithExactCase(const ui::ComboBox& list, const std::string& name) {
  for (int i = 0; i < list.ListCount(); ++i) {
    if (list.List(i) == name) return true;
  }
  return false;
}

void ShowFileNotFound(ui::Context& ctx) {
  ctx.MsgBox({"File not found!!", "Tornavane", ui::MsgButtons::kOk, ui::MsgIcon::kExclamation});
}

// Whether the template's file is read-only now; a file that cannot be examined counts as
// unlocked.
bool LockedNow(platform::FileSystem& fs, const std::string& path) {
  try {
    return IsTemplateLocked(fs, path);
  } catch (const runtime::Error&) {
    return false;
  }
}

}  // namespace

std::string frmVARSetup::DataFile(const std::string& fileName) const {
  return Ctx().App().path + "\\DATA\\" + fileName;
}

void frmVARSetup::LoadTAG(const std::string& fileName) {
  mainwindow::frmMain& main = app_.frmMain();
  std::vector<std::string> values;
  try {
    values = ReadTemplate(Ctx().Services().fileSystem, DataFile(fileName));
  } catch (const runtime::Error& error) {
    if (error.Number() == runtime::kFileNotFound) main.lblUpdate.SetCaption(".TAG File Not Found");
    return;
  }
  for (std::size_t i = 0; i < values.size(); ++i) {
    ui::TextBox& box = tbTag(static_cast<int>(i) + 1);
    box.SetText(values[i]);
    main.settings.TAG[i] = box.Text();
  }
  // A template that ends early sets the tags it has and reports nothing.
  if (values.size() == kTemplateTagCount) main.lblUpdate.SetCaption(fileName + " Found");
}

void frmVARSetup::cmbTAGSelector_Click() {
  int index = cmbTAGSelector.ListIndex();
  if (index < 0) return;
  LoadTAG(TemplateFileName(cmbTAGSelector.List(index)));
  cmbTAGSelector_Change();
}

bool frmVARSetup::SaveTAG(const std::string& fileName) {
  TemplateValues values;
  for (int n = 1; n <= kTagCount; ++n) values[static_cast<std::size_t>(n - 1)] = tbTag(n).Text();
  try {
    WriteTemplate(Ctx().Services().fileSystem, DataFile(fileName), values);
    return true;
  } catch (const runtime::Error& error) {
    std::string text = error.Number() == runtime::kPathNotFound
                           ? std::string(kMissingDataFolderMessage)
                           : core::ProcedureErrorText(error, "SaveTAG", "frmVARSetup");
    Ctx().MsgBox({text, std::string(core::kAppTitle), ui::MsgButtons::kOk, ui::MsgIcon::kNone});
    return false;
  }
}

// An empty name would write a file named ".TAG", and a name with a character Windows refuses
// would fail in the writer; both are refused with a message before anything is written.
bool frmVARSetup::SaveNameAccepted(const std::string& name) {
  switch (CheckTemplateName(name)) {
    case TemplateNameFault::kEmpty:
      Ctx().MsgBox(
          {"You must provide a name for your template!", "Tornavane", ui::MsgButtons::kOk, ui::MsgIcon::kExclamation});
      return false;
    case TemplateNameFault::kForbiddenCharacter:
      Ctx().MsgBox({kForbiddenName, "Tornavane Alert", ui::MsgButtons::kOk, ui::MsgIcon::kNone});
      return false;
    case TemplateNameFault::kNone:
      break;
  }
  return true;
}

void frmVARSetup::cmdSaveTAG_Click() {
  std::string name = cmbTAGSelector.Text();
  if (!SaveNameAccepted(name)) return;
  bool listed = ListedWithExactCase(cmbTAGSelector, name);
  if (!SaveTAG(TemplateFileName(name))) return;
  if (listed) return;
  cmbTAGSelector.AddItem(name);
  Ctx().DoEvents();
}

void frmVARSetup::cmdDelTAG_Click() {
  int index = cmbTAGSelector.ListIndex();
  if (index < 0) {
    ShowFileNotFound(Ctx());
    return;
  }
  try {
    Ctx().Services().fileSystem.DeleteFile(DataFile(TemplateFileName(cmbTAGSelector.List(index))));
  } catch (const runtime::Error& error) {
    if (error.Number() == runtime::kFileNotFound) ShowFileNotFound(Ctx());
    return;
  }
  Ctx().DoEvents();
  FillTemplateList();
}

void frmVARSetup::chkLock_Click() {
  int index = cmbTAGSelector.ListIndex();
  if (index < 0) {
    UpdateLockButtons();
    return;
  }
  platform::FileSystem& fs = Ctx().Services().fileSystem;
  std::string name = cmbTAGSelector.List(index);
  std::string path = DataFile(TemplateFileName(name));
  bool wanted = chkLock.Value() == ui::kChecked;
  try {
    SetTemplateLocked(fs, path, wanted);
  } catch (const runtime::Error& error) {
    bool locked = LockedNow(fs, path);
    if (locked != wanted) {
      std::string text = "The template " + name + (wanted ? " could not be locked." : " could not be unlocked.") +
                         "\r\n\r\n" + core::ErrorText(error);
      Ctx().MsgBox({text, "Tornavane", ui::MsgButtons::kOk, ui::MsgIcon::kExclamation});
    }
    ShowLockState(locked);
    return;
  }
  UpdateLockButtons();
}

// Shows the file's own lock state; writing that state back, as "Read Only" does, changes
// nothing, and a second failure stays quiet since the box then matches the file.
void frmVARSetup::ShowLockState(bool locked) {
  chkLock.SetValue(locked ? ui::kChecked : ui::kUnchecked);
  UpdateLockButtons();
}

void frmVARSetup::UpdateLockButtons() {
  bool locked = chkLock.Value() == ui::kChecked;
  cmdDelTAG.SetEnabled(!locked);
  cmdSaveTAG.SetEnabled(!locked);
}

}  // namespace tags
