#pragma once

#include <string>
#include <string_view>

#include "options/pickers.h"
#include "ui/command_button.h"
#include "ui/file_list_box.h"
#include "ui/label.h"
#include "ui/text_box.h"

namespace batch {

// The file a batch script written elsewhere goes to: the folder, one backslash (none added
// at a drive root) and the name, with ".SCR" appended unless the name already ends in ".scr"
// in any letter case (plot gives plot.SCR, plot.txt gives plot.txt.SCR).
std::string ScriptTarget(std::string_view folder, std::string_view name);

// Builds the batch script into a file the user picks, for this one build, leaving the
// configured batch script path as it was. Shown modally over the main window; only hidden.
// Its drive and folder lists, and what a drive change does, are those of the folder pickers.
class frmWriteScriptToLoc : public options::FolderPicker {
 public:
  explicit frmWriteScriptToLoc(app::App& app);

  ui::FileListBox File1{this, "File1"};
  ui::TextBox tbFilter{this, "tbFilter"};
  ui::Label Label1{this, "Label1"};
  ui::TextBox tbFileName{this, "tbFileName"};
  ui::CommandButton cmdCreate{this, "cmdCreate"};
  ui::CommandButton cmdDeleteSCR{this, "cmdDeleteSCR"};
  ui::CommandButton cmdCancel{this, "cmdCancel"};

  // Each activation starts the lists at the main window's drawing folder.
  void Form_Activate();
  void Dir1_Change();
  void tbFilter_Change();
  void File1_Click();
  // Opens the file in the program the shell associates with it.
  void File1_DblClick();
  void tbFileName_Change();
  // Builds the batch script into the chosen file and reports where it went.
  void cmdCreate_Click();
  // Deletes the selected file after a question; a failure is ignored.
  void cmdDeleteSCR_Click();
  void cmdCancel_Click();

 private:
  void RefreshFiles();
};

}  // namespace batch
