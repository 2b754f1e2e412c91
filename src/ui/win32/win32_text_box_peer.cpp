#include "ui/win32/win32_text_box_peer.h"

#include <algorithm>

#include "ui/form.h"

namespace ui::win32 {

Win32ControlPeer::WindowSpec Win32TextBoxPeer::Spec() const {
  DWORD style = WS_TABSTOP;
  switch (box_.Alignment()) {
    case Alignment::kRight:
      style |= ES_RIGHT;
      break;
    case Alignment::kCenter:
      style |= ES_CENTER;
      break;
    case Alignment::kLeft:
      break;
  }
  if (!box_.MultiLine()) {
    style |= ES_AUTOHSCROLL;
  } else {
    style |= ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;
    ScrollBars bars = box_.ScrollBars();
    if (bars == ScrollBars::kVertical || bars == ScrollBars::kBoth) style |= WS_VSCROLL;
    if (bars == ScrollBars::kHorizontal || bars == ScrollBars::kBoth) style |= WS_HSCROLL | ES_AUTOHSCROLL;
  }
  return WindowSpec{"EDIT", style, WS_EX_CLIENTEDGE, ""};
}

void Win32TextBoxPeer::SyncAll() {
  SyncLimits();
  SyncText();
}

void Win32TextBoxPeer::Changed(Property what) {
  if (Hwnd() == nullptr) return;
  switch (what) {
    case Property::kText:
      SyncText();
      break;
    case Property::kSelection:
      SyncSelection();
      break;
    case Property::kLocked:
      SyncLimits();
      break;
    default:
      Win32ControlPeer::Changed(what);
      break;
  }
}

// A change the user may undo replaces only the part that differs, as one step of the box's
// own undo; any other change replaces the whole text.
void Win32TextBoxPeer::SyncText() {
  std::string shown = WindowText();
  const std::string& text = box_.Text();
  if (shown != text) {
    Updating updating(*this);
    if (!box_.CanUndo()) {
      SetWindowTextA(Hwnd(), text.c_str());
    } else {
      std::size_t limit = std::min(shown.size(), text.size());
      std::size_t prefix = 0;
      while (prefix < limit && shown[prefix] == text[prefix]) ++prefix;
      std::size_t suffix = 0;
      while (suffix < limit - prefix && shown[shown.size() - 1 - suffix] == text[text.size() - 1 - suffix]) ++suffix;
      std::string inserted = text.substr(prefix, text.size() - prefix - suffix);
      SendMessageA(Hwnd(), EM_SETSEL, prefix, shown.size() - suffix);
      SendMessageA(Hwnd(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(inserted.c_str()));
    }
  }
  SyncSelection();
}

void Win32TextBoxPeer::SyncSelection() {
  DWORD start = 0;
  DWORD end = 0;
  SendMessageA(Hwnd(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  auto wantStart = static_cast<DWORD>(box_.SelStart());
  auto wantEnd = static_cast<DWORD>(box_.SelStart() + box_.SelLength());
  if (start == wantStart && end == wantEnd) return;
  Updating updating(*this);
  SendMessageA(Hwnd(), EM_SETSEL, wantStart, wantEnd);
  SendMessageA(Hwnd(), EM_SCROLLCARET, 0, 0);
}

void Win32TextBoxPeer::SyncLimits() {
  SendMessageA(Hwnd(), EM_SETREADONLY, box_.Locked(), 0);
  SendMessageA(Hwnd(), EM_SETLIMITTEXT, static_cast<WPARAM>(box_.MaxLength()), 0);
}

// The selection the user made, for the model.
void Win32TextBoxPeer::TellSelection() {
  if (updating_) return;
  DWORD start = 0;
  DWORD end = 0;
  SendMessageA(Hwnd(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  auto from = static_cast<int>(std::min(start, end));
  auto length = static_cast<int>(std::max(start, end)) - from;
  if (from == box_.SelStart() && length == box_.SelLength()) return;
  Updating updating(*this);
  box_.SetSelStart(from);
  box_.SetSelLength(length);
}

bool Win32TextBoxPeer::Reflect(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (message != WM_COMMAND) return Win32ControlPeer::Reflect(message, wParam, lParam, result);
  if (HIWORD(wParam) == EN_CHANGE && !updating_) {
    std::string text = WindowText();
    DWORD caret = 0;
    SendMessageA(Hwnd(), EM_GETSEL, 0, reinterpret_cast<LPARAM>(&caret));
    TextBox& box = box_;
    Deliver([&box, &text, caret] { box.EditByUser(text, static_cast<int>(caret)); });
  }
  return true;
}

bool Win32TextBoxPeer::KindMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (message == WM_GETDLGCODE && box_.MultiLine()) {
    result = DialogCode(wParam, lParam);
    return true;
  }
  if (message == WM_LBUTTONDBLCLK) {
    TextBox& box = box_;
    Deliver([&box] { box.DblClick(); });
  }
  return false;
}

LRESULT Win32TextBoxPeer::DialogCode(WPARAM wParam, LPARAM lParam) {
  LRESULT code = CallDefault(Hwnd(), WM_GETDLGCODE, wParam, lParam);
  auto* message = reinterpret_cast<MSG*>(lParam);
  if (message == nullptr || message->message != WM_KEYDOWN) return code;
  bool toDialog = message->wParam == VK_TAB || message->wParam == VK_ESCAPE;
  if (message->wParam == VK_RETURN) {
    toDialog = box_.ParentForm().DefaultButton() != nullptr && GetKeyState(VK_CONTROL) >= 0;
  }
  if (toDialog) code &= ~(DLGC_WANTALLKEYS | DLGC_WANTMESSAGE | DLGC_WANTTAB);
  return code;
}

void Win32TextBoxPeer::AfterMessage(UINT message) {
  switch (message) {
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_CHAR:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_MOUSEMOVE:
    case WM_SETFOCUS:
    case EM_SETSEL:
    case EM_REPLACESEL:
    case WM_PASTE:
    case WM_CUT:
    case WM_CLEAR:
    case WM_UNDO:
    case EM_UNDO:
      TellSelection();
      break;
    default:
      break;
  }
  if (message == WM_LBUTTONUP) {
    TextBox& box = box_;
    Deliver([&box] { box.Click(); });
  }
}

}  // namespace ui::win32
