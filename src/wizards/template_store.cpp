#include "wizards/template_store.h"

#include <algorithm>
#include <utility>

#include "app/app.h"
#include "core/app_title.h"
#include "core/procedure_error.h"
#include "core/system_helpers.h"
#include "core/text_file.h"
#include "mainwindow/frm_main.h"
#include "runtime/text.h"
#include "ui/hourglass.h"

namespace wizards {

namespace {

bool ListedWithExactCase(const ui::ComboBox& list, const std::string& name) {
  for (int i = 0; i < list.ListCount(); ++i) {
    if (list.List(i) == name) return true;
  }
  return false;
}

}  // namespace

std::string SaveFailureText(const TemplateKind& kind, const std::string& path, const runtime::Error& error) {
  switch (error.Number()) {
    case runtime::kPathFileAccessError:
      return "File is Write protected...\r\n" + path + "\r\n";
    case runtime::kPathNotFound:
      return "\\DATA\\ directory does not exist in the Tornavane directory...\r\n"
             " Please create it, and try saving again.";
    default:
      return core::ProcedureErrorText(error, kind.saveProcedure, kind.formName);
  }
}

bool DeletableEntry(const ui::ComboBox& selector) {
  const int index = selector.ListIndex();
  if (index < 0) return false;
  const std::string& entry = selector.List(index);
  return entry == selector.Text() && entry.find_first_of("\\/:") == std::string::npos;
}

void DesignTemplateFrame(ui::Frame& frame, ui::ComboBox& selector, ui::CommandButton& cmdDelete,
                         ui::CommandButton& cmdSave, int left, int top, int width) {
  frame.SetCaption("Template");
  frame.Move(left, top, width, 735);
  selector.Move(120, 270, width - 2520, 315);
  cmdDelete.SetCaption("&Delete");
  cmdDelete.Move(width - 2295, 240, 1035, 375);
  cmdSave.SetCaption("&Save");
  cmdSave.Move(width - 1155, 240, 1035, 375);
  cmdDelete.SetEnabled(false);
  cmdSave.SetEnabled(false);
}

TemplateStore::TemplateStore(app::App& app, ui::Form& wizard, ui::ComboBox& selector, ui::CommandButton& cmdSave,
                             ui::CommandButton& cmdDelete, TemplateKind kind, TemplateBoxes boxes)
    : app_(app),
      wizard_(wizard),
      selector_(selector),
      cmdSave_(cmdSave),
      cmdDelete_(cmdDelete),
      kind_(std::move(kind)),
      boxes_(std::move(boxes)) {}

std::string TemplateStore::StateFileName() const {
  return core::GetUserNameClean(app_.Services().system) + kind_.stateSuffix;
}

std::string TemplateStore::DataPath(const std::string& fileName) const {
  return app_.Ctx().App().path + "\\DATA\\" + fileName;
}

void TemplateStore::Save(const std::string& fileName) {
  const std::string path = DataPath(fileName);
  std::vector<std::string> lines = boxes_.read();
  lines.resize(kind_.lineCount);
  try {
    core::WriteFixedRecord(app_.Services().fileSystem, path, lines, core::WriteMode::kSafe);
  } catch (const runtime::Error& error) {
    app_.Ctx().MsgBox({.text = SaveFailureText(kind_, path, error),
                       .title = std::string(core::kAppTitle),
                       .buttons = ui::MsgButtons::kOk});
  }
}

void TemplateStore::Load(const std::string& fileName) {
  const std::string path = DataPath(fileName);
  ui::FormHourglass hourglass(wizard_);
  app_.Ctx().DoEvents();
  std::vector<std::string> lines;
  try {
    lines = runtime::SplitLines(app_.Services().fileSystem.ReadAll(path));
  } catch (const runtime::Error&) {
    return;  // missing, locked or unreadable: the boxes stay as they are
  }
  const std::size_t count = std::min(lines.size(), kind_.lineCount);
  for (std::size_t line = 0; line < count; ++line) boxes_.write(line, lines[line]);
  if (count < kind_.lineCount) {
    app_.Ctx().MsgBox({.text = "Input past end-of file... file may be corrupted...\r\n" + path,
                       .title = "Error",
                       .buttons = ui::MsgButtons::kOk,
                       .icon = ui::MsgIcon::kExclamation});
  }
}

void TemplateStore::FillList() {
  selector_.Clear();
  {
    ui::FormHourglass hourglass(wizard_);
    app_.frmMain().AddFileTitlesRecursive(app_.Ctx().App().path + "\\DATA", "*" + kind_.extension, selector_);
  }
  SelectorChange();
}

void TemplateStore::SelectorChange() {
  const bool named = !selector_.Text().empty();
  cmdDelete_.SetEnabled(named);
  cmdSave_.SetEnabled(named);
}

void TemplateStore::SelectorClick() {
  if (selector_.ListIndex() >= 0) Load(selector_.List(selector_.ListIndex()) + kind_.extension);
  SelectorChange();
}

void TemplateStore::SaveClick() {
  const std::string name = selector_.Text();
  if (name.empty()) return;  // the button is disabled then; nothing is named ".TBW"
  const bool listed = ListedWithExactCase(selector_, name);
  Save(name + kind_.extension);
  if (listed) return;
  selector_.AddItem(name);
  app_.Ctx().DoEvents();
}

void TemplateStore::DeleteClick() {
  if (!DeletableEntry(selector_)) return;
  try {
    app_.Services().fileSystem.DeleteFile(DataPath(selector_.List(selector_.ListIndex()) + kind_.extension));
  } catch (const runtime::Error& error) {
    if (error.Number() == runtime::kFileNotFound || error.Number() == runtime::kPathNotFound) {
      app_.Ctx().MsgBox({.text = "File not found!!",
                         .title = "Tornavane",
                         .buttons = ui::MsgButtons::kOk,
                         .icon = ui::MsgIcon::kExclamation});
    }
    return;  // any other failure (a write-protected file, a bad name) ends the deletion quietly
  }
  app_.Ctx().DoEvents();
  FillList();
}

}  // namespace wizards
