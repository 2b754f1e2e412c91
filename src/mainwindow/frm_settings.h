#pragma once

#include "ui/ui.h"

namespace app {
class App;
}

namespace mainwindow {

// The batch-flow dialog: the main window's four batch-flow texts in larger boxes, drawn as
// the flow of a batch script so the user sees where each runs. Every showing starts from the
// main window's texts (its opener reloads them; switching to another program and back keeps
// the edits); "&Ok" copies them back, "&Cancel" and the close box do not.
class frmSettings : public ui::Form {
 public:
  explicit frmSettings(app::App& app);

  ui::Frame Frame1{this, "Frame1"};
  ui::Label Label1{&Frame1, "Label1"};
  ui::TextBox tbPreBatch{&Frame1, "tbPreBatch"};
  ui::Label Label5{&Frame1, "Label5"};
  ui::Label Label2{&Frame1, "Label2"};
  ui::TextBox tbPreUserScript{&Frame1, "tbPreUserScript"};
  ui::Label Label6{&Frame1, "Label6"};
  ui::Label Label7{&Frame1, "Label7"};
  ui::Label Label3{&Frame1, "Label3"};
  ui::TextBox tbPostUserScript{&Frame1, "tbPostUserScript"};
  ui::Label Label4{&Frame1, "Label4"};
  ui::TextBox tbPostBatch{&Frame1, "tbPostBatch"};
  ui::Label Label8{&Frame1, "Label8"};
  ui::Line Line1{&Frame1, "Line1"};
  ui::Line Line2{&Frame1, "Line2"};
  ui::Line Line3{&Frame1, "Line3"};
  ui::Line Line4{&Frame1, "Line4"};
  ui::CommandButton cmdCancel{&Frame1, "cmdCancel"};
  ui::CommandButton cmdOK{&Frame1, "cmdOK"};

  // Copies the main window's four batch-flow texts into the dialog's boxes: at creation and
  // before every showing.
  void GetTextFromMain();
  void cmdOK_Click();
  void cmdCancel_Click();

 private:
  app::App& app_;
};

}  // namespace mainwindow
