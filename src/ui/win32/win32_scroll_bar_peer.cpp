#include "ui/win32/win32_scroll_bar_peer.h"

#include <cstdlib>

namespace ui::win32 {

Win32ControlPeer::WindowSpec Win32ScrollBarPeer::Spec() const {
  return WindowSpec{"SCROLLBAR", WS_TABSTOP | static_cast<DWORD>(bar_.Vertical() ? SBS_VERT : SBS_HORZ), 0, ""};
}

void Win32ScrollBarPeer::Changed(Property what) {
  if (Hwnd() == nullptr) return;
  if (what == Property::kValue) {
    SyncValue();
  } else {
    Win32ControlPeer::Changed(what);
  }
}

void Win32ScrollBarPeer::SyncValue() {
  SCROLLINFO info = {};
  info.cbSize = sizeof info;
  info.fMask = SIF_RANGE | SIF_POS | SIF_PAGE;
  info.nMin = 0;
  info.nMax = std::abs(bar_.Max() - bar_.Min());
  info.nPage = 0;
  info.nPos = PositionOf(bar_.Value(), bar_.Min(), bar_.Max());
  Updating updating(*this);
  SetScrollInfo(Hwnd(), SB_CTL, &info, TRUE);
}

bool Win32ScrollBarPeer::Reflect(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (message != WM_HSCROLL && message != WM_VSCROLL) return Win32ControlPeer::Reflect(message, wParam, lParam, result);
  if (!updating_) Scrolled(LOWORD(wParam));
  result = 0;
  return true;
}

void Win32ScrollBarPeer::Scrolled(int code) {
  ScrollBar& bar = bar_;
  switch (code) {
    case SB_LINEUP:
      Deliver([&bar] { bar.ScrollBy(-1, 0); });
      break;
    case SB_LINEDOWN:
      Deliver([&bar] { bar.ScrollBy(1, 0); });
      break;
    case SB_PAGEUP:
      Deliver([&bar] { bar.ScrollBy(0, -1); });
      break;
    case SB_PAGEDOWN:
      Deliver([&bar] { bar.ScrollBy(0, 1); });
      break;
    case SB_TOP:
      Deliver([&bar] { bar.SetValue(bar.Min()); });
      break;
    case SB_BOTTOM:
      Deliver([&bar] { bar.SetValue(bar.Max()); });
      break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
      SCROLLINFO info = {};
      info.cbSize = sizeof info;
      info.fMask = SIF_TRACKPOS;
      GetScrollInfo(Hwnd(), SB_CTL, &info);
      int value = ValueOf(info.nTrackPos, bar_.Min(), bar_.Max());
      Deliver([&bar, value] { bar.DragThumb(value); });
      break;
    }
    default:
      break;
  }
}

}  // namespace ui::win32
