#pragma once

#include "ui/command_button.h"
#include "ui/win32/win32_control_peer.h"

namespace ui::win32 {

// A command button: a push button, drawn as the default one while it is the form's default
// button (or has the focus, as dialogs show it).
class Win32CommandButtonPeer : public Win32ControlPeer {
 public:
  Win32CommandButtonPeer(Win32Backend& backend, CommandButton& button)
      : Win32ControlPeer(backend, button), button_(button) {}

  void Changed(Property what) override;
  bool Reflect(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  // Draws the button as the default one or not.
  void ShowAsDefault(bool isDefault);

 protected:
  WindowSpec Spec() const override;
  bool KindMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  void LendDefaultLook(bool focused);

  CommandButton& button_;
};

}  // namespace ui::win32
