#pragma once

#include <string>

#include "ui/check_box.h"
#include "ui/command_button.h"
#include "ui/file_list_box.h"
#include "ui/form.h"
#include "ui/frame.h"
#include "ui/text_box.h"

namespace app {
class App;
}

namespace filetools {

// The saved drawing lists window: saves the queue as a named list in the DATA folder (shared
// or personal) and loads a list back into the queue. Its buttons and a load hide it; the close
// box unloads it.
class frmFileLists : public ui::Form {
 public:
  explicit frmFileLists(app::App& app);

  ui::Frame Frame1{this, "Frame1"};
  ui::TextBox txtbxListName{&Frame1, "txtbxListName"};
  ui::CommandButton cmdSaveNew{&Frame1, "cmdSaveNew"};
  ui::CommandButton cmdSavePersonalized{&Frame1, "cmdSavePersonalized"};
  ui::Frame Frame2{this, "Frame2"};
  ui::FileListBox File1{&Frame2, "File1"};
  ui::CheckBox chkClearList{&Frame2, "chkClearList"};
  ui::CommandButton cmdView{&Frame2, "cmdView"};
  ui::CommandButton cmdRename{&Frame2, "cmdRename"};
  ui::CommandButton cmdDelete{&Frame2, "cmdDelete"};
  ui::CheckBox chkShowTXT{&Frame2, "chkShowTXT"};
  ui::CheckBox chkShowPersonal{&Frame2, "chkShowPersonal"};
  ui::CommandButton cmdExit{this, "cmdExit"};

  void Form_Load();
  void Form_Activate();
  void Frame2_Click();
  void chkShowPersonal_Click();
  void chkShowTXT_Click();
  void File1_Click();
  void File1_dblClick();
  void cmdSaveNew_Click();
  void cmdSavePersonalized_Click();
  void cmdView_Click();
  void cmdRename_Click();
  void cmdDelete_Click();
  void cmdExit_Click();

  // The full path of the selected list; "" when none is selected.
  std::string SelectedListPath() const;
  std::string DataFolder() const;

 private:
  void SetSelectionButtons(bool enabled);
  void SaveList(const std::string& fileName, const char* procedure);
  void LoadIntoQueue(const std::string& fileName);

  app::App& app_;
};

}  // namespace filetools
