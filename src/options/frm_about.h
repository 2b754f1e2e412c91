#pragma once

#include "ui/ui.h"

namespace app {
class App;
}

namespace options {

// The about box: the product, its version (set by the opener) and the two links to the
// project's web page and support address.
class frmAbout : public ui::Form {
 public:
  explicit frmAbout(app::App& app);

  ui::Label Label6{this, "Label6"};
  ui::Label lblVersion{this, "lblVersion"};
  ui::Label Label4{this, "Label4"};
  ui::Label lblDisclaimer{this, "lblDisclaimer"};
  ui::Frame Frame1{this, "Frame1"};
  ui::Label Label2{&Frame1, "Label2"};
  ui::Label lblVelmora{&Frame1, "lblVelmora"};
  ui::Label Label3{&Frame1, "Label3"};
  ui::Label lblSupport{&Frame1, "lblSupport"};
  ui::Line Line1{this, "Line1"};
  ui::CommandButton cmdOK{this, "cmdOK"};

  void lblVelmora_Click();
  void lblSupport_Click();
  void cmdOK_Click();
};

}  // namespace options
