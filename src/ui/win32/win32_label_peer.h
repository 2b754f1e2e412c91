#pragma once

#include "ui/label.h"
#include "ui/win32/win32_control_peer.h"

namespace ui::win32 {

// A label: a static text that reports clicks; its access key moves the focus to the control
// after it in the tab order.
class Win32LabelPeer : public Win32ControlPeer {
 public:
  Win32LabelPeer(Win32Backend& backend, Label& label) : Win32ControlPeer(backend, label), label_(label) {}

  void Changed(Property what) override;
  bool Reflect(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 protected:
  WindowSpec Spec() const override;

 private:
  DWORD AlignmentStyle() const;

  Label& label_;
};

}  // namespace ui::win32
