#pragma once

#include <string>

#include "ui/ui.h"

namespace app {
class App;
}

namespace wizards {

// The page setup wizard: imports one named page setup from a source drawing into every
// drawing of the batch ("_-PSETUPIN"). "Select" picks the source drawing with
// frmPageSetupWizSelect.
class frmPageSetupInWiz : public ui::Form {
 public:
  explicit frmPageSetupInWiz(app::App& app);

  ui::Label Label3{this, "Label3"};
  ui::Label Label1{this, "Label1"};
  ui::TextBox Text1{this, "Text1"};
  ui::CommandButton cmdSelectFile{this, "cmdSelectFile"};
  ui::Label Label2{this, "Label2"};
  ui::TextBox Text2{this, "Text2"};
  ui::Frame Frame1{this, "Frame1"};
  ui::OptionButton optAppend{&Frame1, "optAppend"};
  ui::OptionButton optOverWrite{&Frame1, "optOverWrite"};
  ui::CommandButton cmdCreate{this, "cmdCreate"};
  ui::CommandButton cmdCancel{this, "cmdCancel"};

  void cmdSelectFile_Click();
  void cmdCreate_Click();
  void cmdCancel_Click();

 private:
  std::string CreatePageSetupScript(const std::string& userScript) const;

  app::App& app_;
};

}  // namespace wizards
