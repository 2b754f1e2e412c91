#pragma once

#include <string>

#include "ui/ui.h"

namespace app {
class App;
}

namespace mainwindow {

// Command capture: the user pastes the command history copied from AutoCAD's text window,
// captures it into a script and hands that to the main window's user script. The window is
// only hidden by the hand-over, and the menu entry that opens it empties its output and
// disables its two action buttons after each use.
class frmcapture : public ui::Form {
 public:
  explicit frmcapture(app::App& app);

  ui::Label lblInput{this, "lblInput"};
  ui::TextBox Text1{this, "Text1"};
  ui::Label lblOutput{this, "lblOutput"};
  ui::TextBox Text2{this, "Text2"};
  ui::CommandButton cmdClear{this, "cmdClear"};
  ui::CommandButton cmdPastefromClip{this, "cmdPastefromClip"};
  ui::CommandButton cmdParseScr{this, "cmdParseScr"};
  ui::CommandButton cmdCopyToTornavane{this, "cmdCopyToTornavane"};

  void Form_Load();
  void cmdPastefromClip_Click();
  // Captures Text1 into Text2. The history also goes to "temp.tmp" in the program folder, as
  // a copy for the user; a folder that cannot be written does not stop the capture.
  void cmdParseScr_Click();
  // Replaces the main window's script with the capture, without asking, and empties its name.
  void cmdCopyToTornavane_Click();
  void cmdClear_Click();
  // Empties the output and disables capture and hand-over (the opener does it after each use).
  void ResetOutput();

 private:
  app::App& app_;
  std::string instructions_;
};

}  // namespace mainwindow
