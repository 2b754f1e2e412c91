#include "ui/win32/win32_dir_list_peer.h"

#include <algorithm>

#include "ui/win32/win32_backend.h"
#include "ui/win32/win32_list_box_peer.h"

namespace ui::win32 {

namespace {

constexpr int kIndent = 8;      // pixels per folder level
constexpr int kIconWidth = 20;  // the folder picture and its gap
constexpr COLORREF kFolderFill = RGB(255, 224, 120);

}  // namespace

Win32ControlPeer::WindowSpec Win32DirListPeer::Spec() const {
  DWORD style = WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS;
  return WindowSpec{"LISTBOX", style, WS_EX_CLIENTEDGE, ""};
}

void Win32DirListPeer::SyncAll() {
  int height = FontHeight(Hwnd(), backend_.Gdi().Font(GetControl().Font()));
  SendMessageA(Hwnd(), LB_SETITEMHEIGHT, 0, std::max<LPARAM>(16, height + 2));
  Fill();
  SyncGeometry();
}

int Win32DirListPeer::WindowHeight(int pixels) const {
  return WholeRowsHeight(Hwnd(), pixels);
}

void Win32DirListPeer::Changed(Property what) {
  if (Hwnd() == nullptr) return;
  switch (what) {
    case Property::kItems:
      Fill();
      break;
    case Property::kListIndex:
      SyncSelection();
      break;
    case Property::kTopIndex:
      SendMessageA(Hwnd(), LB_SETTOPINDEX, static_cast<WPARAM>(list_.TopIndex()), 0);
      break;
    default:
      Win32ControlPeer::Changed(what);
      break;
  }
}

void Win32DirListPeer::Fill() {
  Updating updating(*this);
  SendMessageA(Hwnd(), WM_SETREDRAW, FALSE, 0);
  SendMessageA(Hwnd(), LB_RESETCONTENT, 0, 0);
  for (int index = -list_.Levels(); index < list_.ListCount(); ++index) {
    SendMessageA(Hwnd(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(list_.ItemCaption(index).c_str()));
  }
  SendMessageA(Hwnd(), WM_SETREDRAW, TRUE, 0);
  InvalidateRect(Hwnd(), nullptr, TRUE);
  SyncSelection();
}

void Win32DirListPeer::SyncSelection() {
  Updating updating(*this);
  SendMessageA(Hwnd(), LB_SETCURSEL, static_cast<WPARAM>(RowOf(list_.ListIndex())), 0);
}

bool Win32DirListPeer::Reflect(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (message == WM_DRAWITEM) {
    Draw(*reinterpret_cast<DRAWITEMSTRUCT*>(lParam));
    result = TRUE;
    return true;
  }
  if (message != WM_COMMAND) return Win32ControlPeer::Reflect(message, wParam, lParam, result);
  if (updating_) return true;
  int index = IndexOf(static_cast<int>(SendMessageA(Hwnd(), LB_GETCURSEL, 0, 0)));
  DirListBox& list = list_;
  if (HIWORD(wParam) == LBN_SELCHANGE) Deliver([&list, index] { list.ClickItem(index); });
  if (HIWORD(wParam) == LBN_DBLCLK) Deliver([&list, index] { list.OpenItem(index); });
  return true;
}

// Enter opens the highlighted folder, as the model does it.
bool Win32DirListPeer::KindMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (message != WM_GETDLGCODE) return false;
  result = CallDefault(Hwnd(), message, wParam, lParam);
  auto* key = reinterpret_cast<MSG*>(lParam);
  if (key != nullptr && key->message == WM_KEYDOWN && key->wParam == VK_RETURN) result |= DLGC_WANTMESSAGE;
  return true;
}

bool Win32DirListPeer::ModelHandlesKey(int keyCode) const {
  return keyCode == VK_UP || keyCode == VK_DOWN || keyCode == VK_RETURN;
}

void Win32DirListPeer::Draw(const DRAWITEMSTRUCT& item) {
  if (item.itemID == static_cast<UINT>(-1)) return;
  HDC dc = item.hDC;
  int row = static_cast<int>(item.itemID);
  bool open = row < list_.Levels();
  int left = item.rcItem.left + 2 + kIndent * std::min(row, list_.Levels());
  FillRect(dc, &item.rcItem, backend_.Gdi().Brush(GetControl().BackColor()));
  DrawFolder(dc, left, item.rcItem.top + (item.rcItem.bottom - item.rcItem.top - 12) / 2, open);

  std::string caption = list_.ItemCaption(IndexOf(row));
  HGDIOBJ oldFont = SelectObject(dc, backend_.Gdi().Font(GetControl().Font()));
  RECT text{left + kIconWidth, item.rcItem.top, item.rcItem.right, item.rcItem.bottom};
  SIZE extent;
  GetTextExtentPoint32A(dc, caption.c_str(), static_cast<int>(caption.size()), &extent);
  text.right = std::min<LONG>(item.rcItem.right, text.left + extent.cx + 4);
  bool selected = (item.itemState & ODS_SELECTED) != 0;
  if (selected) FillRect(dc, &text, GetSysColorBrush(COLOR_HIGHLIGHT));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, selected ? GetSysColor(COLOR_HIGHLIGHTTEXT) : ColorRef(GetControl().ForeColor()));
  RECT inner{text.left + 2, text.top, text.right, text.bottom};
  DrawTextA(dc, caption.c_str(), -1, &inner, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  if ((item.itemState & ODS_FOCUS) != 0) DrawFocusRect(dc, &text);
  SelectObject(dc, oldFont);
}

// A small folder: a tab on top of a body, the body of an open folder tilted forward.
void Win32DirListPeer::DrawFolder(HDC dc, int left, int top, bool open) {
  HBRUSH fill = CreateSolidBrush(kFolderFill);
  HGDIOBJ oldBrush = SelectObject(dc, fill);
  HGDIOBJ oldPen = SelectObject(dc, GetStockObject(BLACK_PEN));
  Rectangle(dc, left, top, left + 6, top + 3);
  Rectangle(dc, left, top + 2, left + 14, top + 12);
  if (open) {
    POINT front[] = {{left + 2, top + 5}, {left + 16, top + 5}, {left + 13, top + 11}, {left, top + 11}};
    Polygon(dc, front, 4);
  }
  SelectObject(dc, oldPen);
  SelectObject(dc, oldBrush);
  DeleteObject(fill);
}

}  // namespace ui::win32
