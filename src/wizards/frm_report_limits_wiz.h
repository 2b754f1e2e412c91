#pragma once

#include "ui/ui.h"
#include "wizards/wizard_text.h"

namespace app {
class App;
}

namespace wizards {

// Writes every drawing's limits into a report file, through the LIMITS_OUT routine.
class frmReportLimitsWiz : public ui::Form {
 public:
  explicit frmReportLimitsWiz(app::App& app);

  ui::Label Label2{this, "Label2"};
  ui::TextBox tbOutput{this, "tbOutput"};
  ui::Frame Frame1{this, "Frame1"};
  ui::OptionButton optAppend{&Frame1, "optAppend"};
  ui::OptionButton optOverWrite{&Frame1, "optOverWrite"};
  ui::CommandButton cmdCreate{this, "cmdCreate"};
  ui::CommandButton cmdCancel{this, "cmdCancel"};

  void cmdCreate_Click();
  void cmdCancel_Click();
  LimitsInputs Inputs() const;

 private:
  app::App& app_;
};

}  // namespace wizards
