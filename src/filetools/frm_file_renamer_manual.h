#pragma once

#include "ui/ui.h"

namespace app {
class App;
}

namespace filetools {

// " Manual Edit": one new name of the file renamer's preview, typed by hand.
class frmFileRenamerManual : public ui::Form {
 public:
  explicit frmFileRenamerManual(app::App& app);

  ui::TextBox tbFileName{this, "tbFileName"};
  ui::CommandButton cmdRename{this, "cmdRename"};

  void Form_Load();
  void cmdRename_Click();

 private:
  app::App& app_;
};

}  // namespace filetools
