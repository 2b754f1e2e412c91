#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "runtime/error.h"
#include "ui/combo_box.h"
#include "ui/command_button.h"
#include "ui/form.h"
#include "ui/frame.h"

namespace app {
class App;
}

// The named templates and the per-user state file of a wizard whose rows are a fixed record
// of lines, with the "Template" frame that saves, picks and deletes them. The title block and
// the layout wizards differ only in the record's length, the file names and the names their
// messages give.
namespace wizards {

struct TemplateKind {
  std::size_t lineCount;      // lines of the record
  std::string extension;      // of a template file: ".TBW"
  std::string stateSuffix;    // after the user name, for the state file: "-tbw.tmp"
  std::string saveProcedure;  // named by the message of an unexpected write failure
  std::string formName;       // ditto
};

// The wizard's boxes as lines of the record.
struct TemplateBoxes {
  // The texts of all lineCount lines, in record order.
  std::function<std::vector<std::string>()> read;
  // Sets the box of one line (0-based); the box's own change handling runs.
  std::function<void(std::size_t line, const std::string& text)> write;
};

// The message a failed write of path shows: a refused file (write-protected), a missing
// folder on the path, or any other error with its number and description.
std::string SaveFailureText(const TemplateKind& kind, const std::string& path, const runtime::Error& error);

// Whether the selector's current entry may name a file to delete: an entry is picked, the
// selector still shows it exactly, and it holds no "\", "/" or ":" that could lead out of the
// DATA folder (such a name was typed and appended by Save, never read from the folder).
bool DeletableEntry(const ui::ComboBox& selector);

// Captions and places the "Template" frame: the selector, then "&Delete" and "&Save".
void DesignTemplateFrame(ui::Frame& frame, ui::ComboBox& selector, ui::CommandButton& cmdDelete,
                         ui::CommandButton& cmdSave, int left, int top, int width);

class TemplateStore {
 public:
  TemplateStore(app::App& app, ui::Form& wizard, ui::ComboBox& selector, ui::CommandButton& cmdSave,
                ui::CommandButton& cmdDelete, TemplateKind kind, TemplateBoxes boxes);

  const TemplateKind& Kind() const { return kind_; }
  // The user's state file: the logon name followed by the state suffix.
  std::string StateFileName() const;
  // The program folder, "\DATA\" and the file name.
  std::string DataPath(const std::string& fileName) const;

  // Writes the boxes to the DATA file: beside it first, then over it in one step, so a
  // failure leaves the old file whole. A failure is shown and the caller goes on.
  void Save(const std::string& fileName);
  // Reads the DATA file into the boxes, one line at a time. A missing or unreadable file
  // changes nothing and shows nothing; a short one keeps what it set and says so once.
  void Load(const std::string& fileName);
  // The templates of the DATA folder, upper case, in the selector's list; the text is emptied.
  void FillList();

  // The selector's handlers and the frame's buttons.
  void SelectorChange();
  void SelectorClick();
  void SaveClick();
  void DeleteClick();

 private:
  app::App& app_;
  ui::Form& wizard_;
  ui::ComboBox& selector_;
  ui::CommandButton& cmdSave_;
  ui::CommandButton& cmdDelete_;
  TemplateKind kind_;
  TemplateBoxes boxes_;
};

}  // namespace wizards
