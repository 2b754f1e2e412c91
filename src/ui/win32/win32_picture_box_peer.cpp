#include "ui/win32/win32_picture_box_peer.h"

#include "ui/win32/win32_backend.h"
#include "ui/win32/win32_line_peer.h"

namespace ui::win32 {

Win32ControlPeer::WindowSpec Win32PictureBoxPeer::Spec() const {
  return WindowSpec{kPanelClass, WS_CLIPCHILDREN, WS_EX_CONTROLPARENT | BorderStyle(), "", true};
}

void Win32PictureBoxPeer::Changed(Property what) {
  if (Hwnd() == nullptr) return;
  if (what == Property::kColors) {
    LONG style = GetWindowLongA(Hwnd(), GWL_EXSTYLE) & ~WS_EX_CLIENTEDGE;
    SetWindowLongA(Hwnd(), GWL_EXSTYLE, style | static_cast<LONG>(BorderStyle()));
    SetWindowPos(Hwnd(), nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  }
  Win32ControlPeer::Changed(what);
}

bool Win32PictureBoxPeer::KindMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (ReflectToChild(message, wParam, lParam, result)) return true;
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
      pressed_ = message == WM_LBUTTONDOWN;
      SetCapture(Hwnd());
      return false;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP: {
      if ((wParam & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON)) == 0 && GetCapture() == Hwnd()) ReleaseCapture();
      RECT client;
      GetClientRect(Hwnd(), &client);
      POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
      clickPending_ = message == WM_LBUTTONUP && pressed_ && PtInRect(&client, at);
      pressed_ = false;
      return false;
    }
    case WM_ERASEBKGND: {
      RECT client;
      GetClientRect(Hwnd(), &client);
      FillRect(reinterpret_cast<HDC>(wParam), &client, backend_.Gdi().Brush(picture_.BackColor()));
      result = 1;
      return true;
    }
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(Hwnd(), &paint);
      PaintLines(dc, picture_, POINT{0, 0}, backend_.Scale());
      EndPaint(Hwnd(), &paint);
      return true;
    }
    default:
      return false;
  }
}

// Click follows MouseUp of a press that began in the box and ended over it.
void Win32PictureBoxPeer::AfterMessage(UINT message) {
  PictureBox& picture = picture_;
  if (message == WM_LBUTTONUP && clickPending_) {
    clickPending_ = false;
    Deliver([&picture] { picture.Click(); });
  }
  if (message == WM_LBUTTONDBLCLK) Deliver([&picture] { picture.DblClick(); });
}

}  // namespace ui::win32
