#pragma once

#include "ui/check_box.h"
#include "ui/command_button.h"
#include "ui/form.h"
#include "ui/label.h"
#include "ui/text_box.h"

namespace app {
class App;
}

namespace batch {

// The notice after a build: where the batch script was written and how to run it in
// AutoCAD, a way to the options dialog, and a box to stop showing it. The builder shows it
// modally; it is only ever hidden, so its "don't show again" box keeps its state.
//
// Two sets of texts: the build texts (the design texts below) for a plain build, and the
// run texts for the build of the run button, which starts AutoCAD once the notice is closed.
class frmScrComplete : public ui::Form {
 public:
  explicit frmScrComplete(app::App& app);

  ui::Label Label1{this, "Label1"};
  ui::Label lblOutputPathAndFile{this, "lblOutputPathAndFile"};
  ui::Label Label3{this, "Label3"};
  ui::TextBox Text1{this, "Text1"};
  ui::Label Label8{this, "Label8"};
  ui::Label Label5{this, "Label5"};
  ui::Label Label6{this, "Label6"};
  ui::Label Label2{this, "Label2"};
  ui::CommandButton Command2{this, "Command2"};
  ui::CheckBox Check1{this, "Check1"};
  ui::CommandButton Command1{this, "Command1"};

  void ShowBuildTexts();
  void ShowRunTexts();

  // "&OK": an unticked box switches the notice off for good; then the notice hides.
  void Command1_Click();
  // "&Options": the options dialog, modally; dropped when it is open already.
  void Command2_Click();
  // The close box does what "&OK" does, so the notice is never unloaded.
  void Form_QueryUnload(bool& cancel, ui::UnloadMode mode);

 private:
  app::App& app_;
};

}  // namespace batch
