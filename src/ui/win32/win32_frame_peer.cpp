#include "ui/win32/win32_frame_peer.h"

#include "ui/win32/win32_backend.h"
#include "ui/win32/win32_line_peer.h"

namespace ui::win32 {

Win32ControlPeer::WindowSpec Win32FramePeer::Spec() const {
  // No WS_CLIPCHILDREN: the group box paints only its edge and caption, on the panel's
  // background.
  return WindowSpec{kPanelClass, 0, WS_EX_CONTROLPARENT, frame_.Caption(), true};
}

void Win32FramePeer::SyncAll() {
  groupBox_ =
      CreateWindowExA(0, "BUTTON", frame_.Caption().c_str(), WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | BS_GROUPBOX, 0,
                      0, 0, 0, Hwnd(), nullptr, GetModuleHandleA(nullptr), nullptr);
  SendMessageA(groupBox_, WM_SETFONT, reinterpret_cast<WPARAM>(backend_.Gdi().Font(frame_.Font())), FALSE);
  SetWindowPos(groupBox_, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  FitGroupBox();
}

void Win32FramePeer::FitGroupBox() {
  RECT client;
  GetClientRect(Hwnd(), &client);
  SetWindowPos(groupBox_, nullptr, 0, 0, client.right, client.bottom, SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32FramePeer::Changed(Property what) {
  if (Hwnd() == nullptr) return;
  switch (what) {
    case Property::kCaption:
      SetWindowTextQuietly(frame_.Caption());
      SetWindowTextA(groupBox_, frame_.Caption().c_str());
      break;
    case Property::kFont:
      Win32ControlPeer::Changed(what);
      SendMessageA(groupBox_, WM_SETFONT, reinterpret_cast<WPARAM>(backend_.Gdi().Font(frame_.Font())), TRUE);
      break;
    case Property::kColors:
      Win32ControlPeer::Changed(what);
      InvalidateRect(groupBox_, nullptr, TRUE);
      break;
    default:
      Win32ControlPeer::Changed(what);
      break;
  }
}

bool Win32FramePeer::KindMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if ((message == WM_CTLCOLORSTATIC || message == WM_CTLCOLORBTN) && reinterpret_cast<HWND>(lParam) == groupBox_) {
    result = ControlColors(reinterpret_cast<HDC>(wParam));
    return true;
  }
  if (ReflectToChild(message, wParam, lParam, result)) return true;
  switch (message) {
    case WM_SIZE:
      if (groupBox_ != nullptr) FitGroupBox();
      return false;
    case WM_ERASEBKGND: {
      RECT client;
      GetClientRect(Hwnd(), &client);
      FillRect(reinterpret_cast<HDC>(wParam), &client, backend_.Gdi().Brush(frame_.BackColor()));
      result = 1;
      return true;
    }
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(Hwnd(), &paint);
      PaintLines(dc, frame_, POINT{0, 0}, backend_.Scale());
      EndPaint(Hwnd(), &paint);
      return true;
    }
    case WM_DESTROY:
      groupBox_ = nullptr;
      return false;
    default:
      return false;
  }
}

}  // namespace ui::win32

namespace ui::win32 {

void Win32FramePeer::AfterMessage(UINT message) {
  Frame& frame = frame_;
  if (message == WM_LBUTTONUP) Deliver([&frame] { frame.Click(); });
  if (message == WM_LBUTTONDBLCLK) Deliver([&frame] { frame.DblClick(); });
}

}  // namespace ui::win32
