#pragma once

#include <string>
#include <vector>

#include "ui/ui.h"

namespace test {

// A dialog with the usual controls; every event writes a line to log.
class frmDialog : public ui::Form {
 public:
  explicit frmDialog(ui::Context& ctx) : Form(ctx, "frmDialog") {
    SetCaption("Dialog");
    SetBorderStyle(ui::BorderStyle::kFixedDialog);
    cmdOK.SetCaption("&OK");
    cmdOK.SetDefault(true);
    cmdCancel.SetCaption("&Cancel");
    cmdCancel.SetCancel(true);
    onLoad = [this] { log.push_back("Form_Load"); };
    onActivate = [this] { log.push_back("Form_Activate"); };
    onDeactivate = [this] { log.push_back("Form_Deactivate"); };
    onQueryUnload = [this](bool& cancel, ui::UnloadMode mode) {
      log.push_back("Form_QueryUnload " + std::to_string(static_cast<int>(mode)));
      cancel = refuseToClose;
    };
    onUnload = [this](bool&) { log.push_back("Form_Unload"); };
    cmdOK.onClick = [this] { cmdOK_Click(); };
    cmdCancel.onClick = [this] { cmdCancel_Click(); };
    Text1.onChange = [this] { log.push_back("Text1_Change " + Text1.Text()); };
    Check1.onClick = [this] { log.push_back("Check1_Click " + std::to_string(Check1.Value())); };
  }

  void cmdOK_Click() {
    log.push_back("cmdOK_Click");
    Hide();
  }
  void cmdCancel_Click() {
    log.push_back("cmdCancel_Click");
    Unload();
  }

  ui::TextBox Text1{this, "Text1"};
  ui::CheckBox Check1{this, "Check1"};
  ui::CommandButton cmdOK{this, "cmdOK"};
  ui::CommandButton cmdCancel{this, "cmdCancel"};
  std::vector<std::string> log;
  bool refuseToClose = false;
};

class TestApp;

// A main window that opens the dialog modally.
class frmOwner : public ui::Form {
 public:
  frmOwner(ui::Context& ctx, TestApp& app);

  void cmdOpen_Click();

  ui::CommandButton cmdOpen{this, "cmdOpen"};
  ui::TextBox Text1{this, "Text1"};
  std::string afterModal;
  int activations = 0;
  int deactivations = 0;

 private:
  TestApp& app_;
};

// Where the tests keep their forms, as the program's App does.
class TestApp {
 public:
  explicit TestApp(ui::Context& ctx)
      : owner_(ctx, [this, &ctx] { return std::make_unique<frmOwner>(ctx, *this); }), dialog_(ctx) {}

  frmOwner& Owner() { return owner_(); }
  frmDialog& Dialog() { return dialog_(); }

  ui::FormSlot<frmOwner> owner_;
  ui::FormSlot<frmDialog> dialog_;
};

inline frmOwner::frmOwner(ui::Context& ctx, TestApp& app) : Form(ctx, "frmOwner"), app_(app) {
  SetCaption("Owner");
  cmdOpen.SetCaption("&Open");
  cmdOpen.onClick = [this] { cmdOpen_Click(); };
  onActivate = [this] { ++activations; };
  onDeactivate = [this] { ++deactivations; };
}

inline void frmOwner::cmdOpen_Click() {
  app_.Dialog().Show(ui::ShowMode::kModal, this);
  afterModal = app_.Dialog().Text1.Text();
}

}  // namespace test
