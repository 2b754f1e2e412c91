#pragma once

#include "ui/command_button.h"
#include "ui/form.h"
#include "ui/label.h"
#include "ui/text_box.h"

namespace app {
class App;
}

namespace filetools {

// Renames the list selected in the saved drawing lists window, inside the DATA folder.
class frmFileListRename : public ui::Form {
 public:
  explicit frmFileListRename(app::App& app);

  ui::Label Label1{this, "Label1"};
  ui::TextBox tbOldName{this, "tbOldName"};
  ui::Label Label2{this, "Label2"};
  ui::TextBox tbNewName{this, "tbNewName"};
  ui::CommandButton cmdOk{this, "cmdOk"};

  void Form_Activate();
  void cmdOk_Click();

 private:
  app::App& app_;
};

}  // namespace filetools
