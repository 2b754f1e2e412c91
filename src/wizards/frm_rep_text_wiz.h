#pragma once

#include "ui/ui.h"
#include "wizards/wizard_text.h"

namespace app {
class App;
}

namespace wizards {

// Search and replace in regular text, dimensions and blocks through the REPTEXT routine,
// optionally followed by the MText macro.
class frmRepTextWiz : public ui::Form {
 public:
  explicit frmRepTextWiz(app::App& app);

  ui::Label Label1{this, "Label1"};
  ui::TextBox tbSearchFor{this, "tbSearchFor"};
  ui::Label Label2{this, "Label2"};
  ui::TextBox tbReplaceText{this, "tbReplaceText"};
  ui::CheckBox chkRegText{this, "chkRegText"};
  ui::CheckBox chkDims{this, "chkDims"};
  ui::CheckBox chkBlocks{this, "chkBlocks"};
  ui::CheckBox chkSearchMtext{this, "chkSearchMtext"};
  ui::Frame Frame1{this, "Frame1"};
  ui::OptionButton optAppend{&Frame1, "optAppend"};
  ui::OptionButton optOverWrite{&Frame1, "optOverWrite"};
  ui::CommandButton cmdCreate{this, "cmdCreate"};
  ui::CommandButton cmdCancel{this, "cmdCancel"};

  void cmdCreate_Click();
  void cmdCancel_Click();
  RepTextInputs Inputs() const;

 private:
  // Create is enabled while at least one kind of object is ticked.
  void UpdateCreateButton();

  app::App& app_;
};

}  // namespace wizards
