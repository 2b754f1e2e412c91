#pragma once

#include <array>

#include "ui/ui.h"
#include "wizards/wizard_text.h"

namespace app {
class App;
}

namespace wizards {

// The purge wizard: "-PURGE" of one kind of unused named objects, or of all, for every
// drawing of the batch.
class frmPurgeWiz : public ui::Form {
 public:
  explicit frmPurgeWiz(app::App& app);

  ui::OptionButton optALL{this, "optALL"};
  ui::OptionButton optBlocks{this, "optBlocks"};
  ui::OptionButton optDimstyles{this, "optDimstyles"};
  ui::OptionButton optLayers{this, "optLayers"};
  ui::OptionButton optLineTypes{this, "optLineTypes"};
  ui::OptionButton optPlotStyles{this, "optPlotStyles"};
  ui::OptionButton optShapes{this, "optShapes"};
  ui::OptionButton optTextStyles{this, "optTextStyles"};
  ui::OptionButton optMLineStyles{this, "optMLineStyles"};
  ui::Frame Frame1{this, "Frame1"};
  ui::OptionButton optAppend{&Frame1, "optAppend"};
  ui::OptionButton optOverWrite{&Frame1, "optOverWrite"};
  ui::CommandButton cmdCreate{this, "cmdCreate"};

  void cmdCreate_Click();
  // The window's inputs as the generator reads them.
  PurgeInputs Inputs();

 private:
  // The nine object buttons, in the order of kPurgeChoices.
  std::array<ui::OptionButton*, kPurgeChoices.size()> ObjectButtons();

  app::App& app_;
};

}  // namespace wizards
