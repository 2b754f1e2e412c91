#pragma once

#include "ui/option_button.h"
#include "ui/win32/win32_control_peer.h"

namespace ui::win32 {

// An option button: a radio button that never checks itself. The model chooses it and clears
// the others of its group; each button only shows its value.
class Win32OptionButtonPeer : public Win32ControlPeer {
 public:
  Win32OptionButtonPeer(Win32Backend& backend, OptionButton& option)
      : Win32ControlPeer(backend, option), option_(option) {}

  void Changed(Property what) override;
  bool Reflect(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 protected:
  WindowSpec Spec() const override;
  void SyncAll() override { SyncValue(); }

 private:
  void SyncValue();

  OptionButton& option_;
};

}  // namespace ui::win32
