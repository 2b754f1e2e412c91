#pragma once

#include "ui/ui.h"
#include "wizards/wizard_text.h"

namespace app {
class App;
}

namespace wizards {

// Logs the text entities that match a pattern into a report file, through the LOG_TEXT
// routine.
class frmLOGTextWiz : public ui::Form {
 public:
  explicit frmLOGTextWiz(app::App& app);

  ui::Label Label4{this, "Label4"};
  ui::Label Label1{this, "Label1"};
  ui::TextBox tbSearchFor{this, "tbSearchFor"};
  ui::Label Label5{this, "Label5"};
  ui::Label Label6{this, "Label6"};
  ui::Label lblWildcards{this, "lblWildcards"};
  ui::Label Label2{this, "Label2"};
  ui::TextBox tbOutput{this, "tbOutput"};
  ui::Frame Frame1{this, "Frame1"};
  ui::OptionButton optAppend{&Frame1, "optAppend"};
  ui::OptionButton optOverWrite{&Frame1, "optOverWrite"};
  ui::CommandButton cmdCreate{this, "cmdCreate"};
  ui::CommandButton cmdCancel{this, "cmdCancel"};

  void cmdCreate_Click();
  void cmdCancel_Click();
  LogTextInputs Inputs() const;

 private:
  app::App& app_;
};

}  // namespace wizards
