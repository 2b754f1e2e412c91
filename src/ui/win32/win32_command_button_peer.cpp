#include "ui/win32/win32_command_button_peer.h"

#include "ui/form.h"
#include "ui/win32/win32_backend.h"

namespace ui::win32 {

Win32ControlPeer::WindowSpec Win32CommandButtonPeer::Spec() const {
  DWORD type = button_.Default() ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
  return WindowSpec{"BUTTON", WS_TABSTOP | BS_MULTILINE | type, 0, button_.Caption()};
}

void Win32CommandButtonPeer::Changed(Property what) {
  if (Hwnd() == nullptr) return;
  switch (what) {
    case Property::kCaption:
      SetWindowTextQuietly(button_.Caption());
      break;
    case Property::kDefaultCancel:
      ShowAsDefault(button_.Default());
      break;
    default:
      Win32ControlPeer::Changed(what);
      break;
  }
}

void Win32CommandButtonPeer::ShowAsDefault(bool isDefault) {
  if (Hwnd() == nullptr) return;
  DWORD style = (GetWindowLongA(Hwnd(), GWL_STYLE) & ~BS_TYPEMASK & 0xFFFF) | BS_MULTILINE;
  SendMessageA(Hwnd(), BM_SETSTYLE, style | (isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON), TRUE);
}

bool Win32CommandButtonPeer::Reflect(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (message != WM_COMMAND) return Win32ControlPeer::Reflect(message, wParam, lParam, result);
  if (HIWORD(wParam) == BN_CLICKED && !updating_) {
    CommandButton& button = button_;
    Deliver([&button] { button.Click(); });
  }
  return true;
}

bool Win32CommandButtonPeer::KindMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (message == WM_SETFOCUS) LendDefaultLook(true);
  if (message == WM_KILLFOCUS) LendDefaultLook(false);
  return false;
}

// While a push button has the focus, Enter presses it: it looks like the default button and
// the form's default button looks like an ordinary one.
void Win32CommandButtonPeer::LendDefaultLook(bool focused) {
  ShowAsDefault(focused || button_.Default());
  CommandButton* formDefault = button_.ParentForm().DefaultButton();
  if (formDefault == nullptr || formDefault == &button_) return;
  if (auto* peer = dynamic_cast<Win32CommandButtonPeer*>(Win32Backend::PeerOf(*formDefault))) {
    peer->ShowAsDefault(!focused);
  }
}

}  // namespace ui::win32
