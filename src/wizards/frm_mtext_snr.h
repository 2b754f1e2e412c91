#pragma once

#include "ui/ui.h"
#include "wizards/wizard_text.h"

namespace app {
class App;
}

namespace wizards {

// Search and replace in MText and regular text through the VBA macro. It has no Cancel
// button: the close box leaves it.
class frmMtextSNR : public ui::Form {
 public:
  explicit frmMtextSNR(app::App& app);

  ui::Label Label3{this, "Label3"};
  ui::Label Label1{this, "Label1"};
  ui::TextBox tbSource{this, "tbSource"};
  ui::Label Label2{this, "Label2"};
  ui::TextBox tbReplace{this, "tbReplace"};
  ui::Frame Frame1{this, "Frame1"};
  ui::OptionButton optAppend{&Frame1, "optAppend"};
  ui::OptionButton optOverWrite{&Frame1, "optOverWrite"};
  ui::CommandButton cmdCreate{this, "cmdCreate"};

  void cmdCreate_Click();
  MtextInputs Inputs() const;

 private:
  app::App& app_;
};

}  // namespace wizards
