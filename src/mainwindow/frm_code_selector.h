#pragma once

#include <string>

#include "options/pickers.h"

namespace mainwindow {

// Which code file a selector picks, and the lines its "&Ok" appends to the script editor.
enum class CodeKind { kLisp, kVba };

// The LISP picker frmLispSelector and the VBA picker frmVBAselector: a drive list, a folder
// list and the list of "*.lsp" or "*.dvb" files. "&Ok" appends the load line of the chosen
// LISP file, or the run template of the chosen VBA project, to the script editor's text.
// "&Ok" and "&Cancel" hide it, so it opens again as it was left; its close box unloads it.
class frmCodeSelector : public options::FolderPicker {
 public:
  frmCodeSelector(app::App& app, CodeKind kind);

  ui::FileListBox File1{this, "File1"};
  ui::CommandButton cmdOK{this, "cmdOK"};
  ui::CommandButton cmdCancel{this, "cmdCancel"};

  CodeKind Kind() const { return kind_; }

  void Dir1_Change();
  // "&Ok" is enabled while a file of the picker's kind is selected.
  void File1_Click();
  void cmdOK_Click();
  void cmdCancel_Click();

 private:
  void UpdateOk();

  CodeKind kind_;
};

}  // namespace mainwindow
