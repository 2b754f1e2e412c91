#include "ui/win32/win32_check_box_peer.h"

namespace ui::win32 {

Win32ControlPeer::WindowSpec Win32CheckBoxPeer::Spec() const {
  return WindowSpec{"BUTTON", WS_TABSTOP | BS_3STATE | BS_MULTILINE, 0, box_.Caption()};
}

void Win32CheckBoxPeer::Changed(Property what) {
  if (Hwnd() == nullptr) return;
  switch (what) {
    case Property::kCaption:
      SetWindowTextQuietly(box_.Caption());
      break;
    case Property::kValue:
      SyncValue();
      break;
    default:
      Win32ControlPeer::Changed(what);
      break;
  }
}

void Win32CheckBoxPeer::SyncValue() {
  WPARAM state = box_.Value() == kChecked ? BST_CHECKED : box_.Value() == kGrayed ? BST_INDETERMINATE : BST_UNCHECKED;
  Updating updating(*this);
  SendMessageA(Hwnd(), BM_SETCHECK, state, 0);
}

bool Win32CheckBoxPeer::Reflect(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (message != WM_COMMAND) return Win32ControlPeer::Reflect(message, wParam, lParam, result);
  if (HIWORD(wParam) == BN_CLICKED && !updating_) {
    CheckBox& box = box_;
    Deliver([&box] { box.Click(); });
  }
  return true;
}

}  // namespace ui::win32
