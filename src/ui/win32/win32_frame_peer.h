#pragma once

#include "ui/frame.h"
#include "ui/win32/win32_control_peer.h"

namespace ui::win32 {

// A frame: a panel of ours holding the frame's controls, with a standard group box drawn
// across it (below the controls), so it looks and takes access keys as dialogs' group boxes
// do.
class Win32FramePeer : public Win32ControlPeer {
 public:
  Win32FramePeer(Win32Backend& backend, Frame& frame) : Win32ControlPeer(backend, frame), frame_(frame) {}

  HWND ChildParent() const override { return Hwnd(); }
  void Changed(Property what) override;

 protected:
  WindowSpec Spec() const override;
  void SyncAll() override;
  bool KindMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  void AfterMessage(UINT message) override;

 private:
  void FitGroupBox();

  Frame& frame_;
  HWND groupBox_ = nullptr;
};

}  // namespace ui::win32
