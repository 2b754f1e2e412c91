#pragma once

#include "ui/picture_box.h"
#include "ui/win32/win32_control_peer.h"

namespace ui::win32 {

// A picture box: a plain panel of ours in the box's back colour, with a sunken border when
// it has one, holding the controls placed in it. A press captures the mouse until the
// release, so a thin box works as a splitter bar.
class Win32PictureBoxPeer : public Win32ControlPeer {
 public:
  Win32PictureBoxPeer(Win32Backend& backend, PictureBox& picture)
      : Win32ControlPeer(backend, picture), picture_(picture) {}

  HWND ChildParent() const override { return Hwnd(); }
  void Changed(Property what) override;

 protected:
  WindowSpec Spec() const override;
  bool KindMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  void AfterMessage(UINT message) override;

 private:
  DWORD BorderStyle() const { return picture_.HasBorder() ? WS_EX_CLIENTEDGE : 0; }

  PictureBox& picture_;
  bool pressed_ = false;
  bool clickPending_ = false;
};

}  // namespace ui::win32
