#include "ui/win32/win32_label_peer.h"

namespace ui::win32 {

DWORD Win32LabelPeer::AlignmentStyle() const {
  switch (label_.Alignment()) {
    case Alignment::kRight:
      return SS_RIGHT;
    case Alignment::kCenter:
      return SS_CENTER;
    case Alignment::kLeft:
      break;
  }
  return SS_LEFT;
}

Win32ControlPeer::WindowSpec Win32LabelPeer::Spec() const {
  return WindowSpec{"STATIC", SS_NOTIFY | AlignmentStyle(), 0, label_.Caption()};
}

void Win32LabelPeer::Changed(Property what) {
  if (Hwnd() == nullptr) return;
  if (what != Property::kCaption) {
    Win32ControlPeer::Changed(what);
    return;
  }
  LONG style = GetWindowLongA(Hwnd(), GWL_STYLE) & ~SS_TYPEMASK;
  SetWindowLongA(Hwnd(), GWL_STYLE, style | static_cast<LONG>(AlignmentStyle()));
  SetWindowTextQuietly(label_.Caption());
  InvalidateRect(Hwnd(), nullptr, TRUE);
}

bool Win32LabelPeer::Reflect(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (message != WM_COMMAND) return Win32ControlPeer::Reflect(message, wParam, lParam, result);
  Label& label = label_;
  if (HIWORD(wParam) == STN_CLICKED) Deliver([&label] { label.Click(); });
  if (HIWORD(wParam) == STN_DBLCLK) Deliver([&label] { label.DblClick(); });
  return true;
}

}  // namespace ui::win32
