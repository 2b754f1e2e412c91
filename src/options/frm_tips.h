#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "ui/ui.h"

namespace app {
class App;
}

namespace options {

// The tip of the day: pages through the shipped tips file in a ring and remembers the tip
// shown at its last Close, so every start shows the next one. Close hides it (it opens again
// on the same tip); the close box unloads it and stores nothing.
class frmTips : public ui::Form {
 public:
  explicit frmTips(app::App& app);

  ui::TextBox Text1{this, "Text1"};
  ui::Label lblTipNum{this, "lblTipNum"};
  ui::CommandButton cmdPreviousTip{this, "cmdPreviousTip"};
  ui::CommandButton cmdNextTip{this, "cmdNextTip"};
  ui::CheckBox Check1{this, "Check1"};
  ui::CommandButton cmdClose{this, "cmdClose"};

  void Form_Load();
  void cmdNextTip_Click();
  void cmdPreviousTip_Click();
  void cmdClose_Click();
  void Check1_Click();

  // The tips read at load, their count and the position of the tip shown.
  std::vector<std::string> TipList;
  std::int16_t TipCount = 0;
  std::int16_t CurrentTip = 0;

 private:
  void ShowTip();
  // No tips to page through: only the text and Close stay.
  void ShowMessageOnly(const std::string& text);
  void ShowStoredChoice();

  app::App& app_;
  bool showingStoredChoice_ = false;
};

}  // namespace options
