#pragma once

#include "ui/check_box.h"
#include "ui/win32/win32_control_peer.h"

namespace ui::win32 {

// A check box: a three-state button, so the model's grayed value shows. The model decides the
// new value of a click; the box only shows it.
class Win32CheckBoxPeer : public Win32ControlPeer {
 public:
  Win32CheckBoxPeer(Win32Backend& backend, CheckBox& box) : Win32ControlPeer(backend, box), box_(box) {}

  void Changed(Property what) override;
  bool Reflect(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 protected:
  WindowSpec Spec() const override;
  void SyncAll() override { SyncValue(); }

 private:
  void SyncValue();

  CheckBox& box_;
};

}  // namespace ui::win32
