#include "ui/win32/win32_option_button_peer.h"

namespace ui::win32 {

Win32ControlPeer::WindowSpec Win32OptionButtonPeer::Spec() const {
  return WindowSpec{"BUTTON", WS_TABSTOP | BS_RADIOBUTTON | BS_MULTILINE, 0, option_.Caption()};
}

void Win32OptionButtonPeer::Changed(Property what) {
  if (Hwnd() == nullptr) return;
  switch (what) {
    case Property::kCaption:
      SetWindowTextQuietly(option_.Caption());
      break;
    case Property::kValue:
      SyncValue();
      break;
    default:
      Win32ControlPeer::Changed(what);
      break;
  }
}

void Win32OptionButtonPeer::SyncValue() {
  Updating updating(*this);
  SendMessageA(Hwnd(), BM_SETCHECK, option_.Value() ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool Win32OptionButtonPeer::Reflect(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (message != WM_COMMAND) return Win32ControlPeer::Reflect(message, wParam, lParam, result);
  if (HIWORD(wParam) == BN_CLICKED && !updating_) {
    OptionButton& option = option_;
    Deliver([&option] { option.Click(); });
  }
  return true;
}

}  // namespace ui::win32
