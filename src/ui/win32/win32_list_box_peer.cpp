#include "ui/win32/win32_list_box_peer.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "ui/command_button.h"
#include "ui/form.h"
#include "ui/list_box.h"
#include "ui/list_search.h"
#include "ui/win32/input_mapping.h"
#include "ui/win32/win32_backend.h"

namespace ui::win32 {

int WholeRowsHeight(HWND list, int pixels) {
  if (list == nullptr) return pixels;
  auto row = static_cast<int>(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0));
  RECT window;
  RECT client;
  GetWindowRect(list, &window);
  GetClientRect(list, &client);
  // The border and a horizontal scroll bar when one shows.
  int frame = static_cast<int>((window.bottom - window.top) - (client.bottom - client.top));
  int inside = pixels - frame;
  if (row <= 0 || inside <= row) return pixels;
  return pixels - inside % row;
}

Win32ControlPeer::WindowSpec Win32ListBoxPeer::Spec() const {
  DWORD style = WS_TABSTOP | WS_VSCROLL | WS_HSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | LBS_OWNERDRAWFIXED |
                LBS_NODATA | LBS_WANTKEYBOARDINPUT;
  if (list_.MultiSelect() == ui::MultiSelect::kSimple) style |= LBS_MULTIPLESEL;
  if (list_.MultiSelect() == ui::MultiSelect::kExtended) style |= LBS_EXTENDEDSEL;
  return WindowSpec{"LISTBOX", style, WS_EX_CLIENTEDGE, ""};
}

void Win32ListBoxPeer::SyncAll() {
  // The list box took its kind from the styles it was made with, and stays one without
  // strings. LBS_HASSTRINGS shown now tells the system's message passing (between processes,
  // and between ANSI and Unicode callers) that the text queries this peer answers carry text.
  SetWindowLongA(Hwnd(), GWL_STYLE, GetWindowLongA(Hwnd(), GWL_STYLE) | LBS_HASSTRINGS);
  SyncItemHeight();
  Fill();
  SyncExtent();
  SyncGeometry();
}

int Win32ListBoxPeer::WindowHeight(int pixels) const {
  return WholeRowsHeight(Hwnd(), pixels);
}

void Win32ListBoxPeer::Changed(Property what) {
  if (Hwnd() == nullptr) return;
  switch (what) {
    case Property::kItems:
      Fill();
      break;
    case Property::kListIndex:
      SyncSelection();
      break;
    case Property::kTopIndex:
      SyncTopIndex();
      break;
    case Property::kHorizontalExtent:
      SyncExtent();
      SyncGeometry();  // a horizontal scroll bar takes a row's room or gives it back
      break;
    case Property::kFont:
      Win32ControlPeer::Changed(what);
      SyncItemHeight();
      SyncGeometry();
      break;
    default:
      Win32ControlPeer::Changed(what);
      break;
  }
}

// An owner-drawn list box does not measure its font itself: its items are one line of the
// font high, as a list box with its own strings makes them.
void Win32ListBoxPeer::SyncItemHeight() {
  constexpr int kTallest = 255;  // the most a list box takes
  int height = FontHeight(Hwnd(), backend_.Gdi().Font(GetControl().Font()));
  SendMessageA(Hwnd(), LB_SETITEMHEIGHT, 0, std::clamp(height, 1, kTallest));
}

void Win32ListBoxPeer::Fill() {
  Updating updating(*this);
  SendMessageA(Hwnd(), LB_RESETCONTENT, 0, 0);
  if (list_.ListCount() > 0) SendMessageA(Hwnd(), LB_SETCOUNT, static_cast<WPARAM>(list_.ListCount()), 0);
  SyncSelection();
  SyncTopIndex();
}

void Win32ListBoxPeer::ItemInserted(int index) {
  if (Hwnd() == nullptr) return;
  Updating updating(*this);
  SendMessageA(Hwnd(), LB_INSERTSTRING, static_cast<WPARAM>(index), 0);
}

// Many items at once are one new count: the list box keeps nothing per item but a selection
// flag.
void Win32ListBoxPeer::ItemsAppended(int /*first*/, int /*count*/) {
  if (Hwnd() == nullptr) return;
  Updating updating(*this);
  SendMessageA(Hwnd(), LB_SETCOUNT, static_cast<WPARAM>(list_.ListCount()), 0);
}

void Win32ListBoxPeer::ItemRemoved(int index) {
  if (Hwnd() == nullptr) return;
  Updating updating(*this);
  SendMessageA(Hwnd(), LB_DELETESTRING, static_cast<WPARAM>(index), 0);
}

// The selected items as the window shows them.
std::vector<int> Win32ListBoxPeer::ShownSelection() const {
  if (!MultiSelect()) {
    auto current = static_cast<int>(SendMessageA(Hwnd(), LB_GETCURSEL, 0, 0));
    return current >= 0 ? std::vector<int>{current} : std::vector<int>{};
  }
  auto count = static_cast<int>(SendMessageA(Hwnd(), LB_GETSELCOUNT, 0, 0));
  std::vector<int> selected(static_cast<std::size_t>(count > 0 ? count : 0));
  if (count > 0)
    SendMessageA(Hwnd(), LB_GETSELITEMS, static_cast<WPARAM>(count), reinterpret_cast<LPARAM>(selected.data()));
  return selected;
}

void Win32ListBoxPeer::SyncSelection() {
  Updating updating(*this);
  HWND list = Hwnd();
  if (!MultiSelect()) {
    if (SendMessageA(list, LB_GETCURSEL, 0, 0) != list_.ListIndex()) {
      SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(list_.ListIndex()), 0);
    }
    return;
  }
  std::vector<int> wanted;
  for (int i = 0; i < list_.ListCount(); ++i) {
    if (list_.Selected(i)) wanted.push_back(i);
  }
  if (ShownSelection() != wanted) {
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    SendMessageA(list, LB_SETSEL, FALSE, -1);
    for (int i : wanted) SendMessageA(list, LB_SETSEL, TRUE, i);
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
  }
  if (list_.ListIndex() >= 0 && SendMessageA(list, LB_GETCARETINDEX, 0, 0) != list_.ListIndex()) {
    SendMessageA(list, LB_SETCARETINDEX, static_cast<WPARAM>(list_.ListIndex()), FALSE);
  }
}

void Win32ListBoxPeer::SyncTopIndex() {
  if (SendMessageA(Hwnd(), LB_GETTOPINDEX, 0, 0) == list_.TopIndex()) return;
  Updating updating(*this);
  SendMessageA(Hwnd(), LB_SETTOPINDEX, static_cast<WPARAM>(list_.TopIndex()), 0);
}

void Win32ListBoxPeer::SyncExtent() {
  auto* box = dynamic_cast<ListBox*>(&list_);
  if (box != nullptr) SendMessageA(Hwnd(), LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(box->HorizontalExtent()), 0);
}

bool Win32ListBoxPeer::Reflect(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (message) {
    case WM_DRAWITEM:
      DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
      result = TRUE;
      return true;
    case WM_CHARTOITEM:
      result = TypedItem(static_cast<char>(LOWORD(wParam) & 0xFF));
      return true;
    case WM_VKEYTOITEM:
      result = -1;  // the list box moves on the key itself
      return true;
    case WM_COMMAND:
      break;
    default:
      return Win32ControlPeer::Reflect(message, wParam, lParam, result);
  }
  if (updating_) return true;
  if (HIWORD(wParam) == LBN_SELCHANGE) {
    pressChanged_ = true;
    TellSelection();
  }
  if (HIWORD(wParam) == LBN_DBLCLK) {
    ListControl& list = list_;
    Deliver([&list] { list.DblClick(); });
  }
  return true;
}

// The user changed the selection: the model takes the window's current item and selection.
void Win32ListBoxPeer::TellSelection() {
  int count = list_.ListCount();
  std::vector<bool> selected(static_cast<std::size_t>(count), false);
  for (int i : ShownSelection()) {
    if (i >= 0 && i < count) selected[static_cast<std::size_t>(i)] = true;
  }
  int current = MultiSelect() ? static_cast<int>(SendMessageA(Hwnd(), LB_GETCARETINDEX, 0, 0))
                              : static_cast<int>(SendMessageA(Hwnd(), LB_GETCURSEL, 0, 0));
  if (current < -1 || current >= count) current = -1;
  ListControl& list = list_;
  Deliver([&list, current, &selected] { list.ApplySelection(current, selected); });
}

// The user scrolled: the model's first visible item follows, and its Scroll event runs.
void Win32ListBoxPeer::TellTopIndex() {
  if (updating_) return;
  auto top = static_cast<int>(SendMessageA(Hwnd(), LB_GETTOPINDEX, 0, 0));
  if (top < 0 || top == list_.TopIndex()) return;
  Updating updating(*this);
  ListControl& list = list_;
  Deliver([&list, top] { list.ScrollTo(top); });
}

bool Win32ListBoxPeer::KindMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (message) {
    case WM_GETDLGCODE:
      if (!WantsEnter(lParam)) return false;
      result = CallDefault(Hwnd(), message, wParam, lParam) | DLGC_WANTMESSAGE;
      return true;
    case WM_LBUTTONDOWN:
      pressedAt_ = lParam;
      pressChanged_ = false;
      return false;
    case LB_GETTEXT:
    case LB_GETTEXTLEN:
      result = ItemText(message, wParam, lParam);
      return true;
    case LB_GETITEMDATA: {
      auto index = static_cast<int>(wParam);
      result = index >= 0 && index < list_.ListCount() ? list_.ItemData(index) : LB_ERR;
      return true;
    }
    case LB_FINDSTRING:
    case LB_FINDSTRINGEXACT:
      result = FindText(message, wParam, lParam);
      return true;
    default:
      return false;
  }
}

// Enter reaches a list whose form handles its KeyDown, unless a default button takes it: the
// dialog manager would take it otherwise (and press nothing on a form without one).
bool Win32ListBoxPeer::WantsEnter(LPARAM lParam) const {
  const auto* key = reinterpret_cast<const MSG*>(lParam);
  if (key == nullptr || key->message != WM_KEYDOWN || key->wParam != VK_RETURN) return false;
  if (!list_.onKeyDown) return false;
  const CommandButton* button = list_.ParentForm().DefaultButton();
  return button == nullptr || !button->IsShown() || !button->IsEnabled();
}

// An item's text, or its length, in the form the message came in: the window is subclassed,
// so messages usually reach it as Unicode. The buffer holds LB_GETTEXTLEN characters and the
// end.
LRESULT Win32ListBoxPeer::ItemText(UINT message, WPARAM wParam, LPARAM lParam) const {
  auto index = static_cast<int>(wParam);
  if (index < 0 || index >= list_.ListCount()) return LB_ERR;
  const std::string_view text = list_.ListText(index);
  const auto size = static_cast<int>(text.size());
  const bool copy = message == LB_GETTEXT && lParam != 0;
  if (!IsWindowUnicode(Hwnd())) {
    if (copy) {
      auto* narrow = reinterpret_cast<char*>(lParam);
      std::memcpy(narrow, text.data(), text.size());
      narrow[text.size()] = '\0';
    }
    return size;
  }
  auto* wide = copy ? reinterpret_cast<wchar_t*>(lParam) : nullptr;
  int length = size == 0 ? 0 : MultiByteToWideChar(CP_ACP, 0, text.data(), size, wide, copy ? size : 0);
  if (copy) wide[length] = L'\0';
  return length;
}

// LB_FINDSTRING (an item starting with the text) and LB_FINDSTRINGEXACT (an item that is the
// text), after the item in wParam, letter case aside.
LRESULT Win32ListBoxPeer::FindText(UINT message, WPARAM wParam, LPARAM lParam) const {
  if (lParam == 0) return LB_ERR;
  std::string text;
  if (IsWindowUnicode(Hwnd())) {
    const auto* wide = reinterpret_cast<const wchar_t*>(lParam);
    int bytes = WideCharToMultiByte(CP_ACP, 0, wide, -1, nullptr, 0, nullptr, nullptr);
    if (bytes > 1) {
      text.resize(static_cast<std::size_t>(bytes));
      WideCharToMultiByte(CP_ACP, 0, wide, -1, text.data(), bytes, nullptr, nullptr);
      text.resize(static_cast<std::size_t>(bytes - 1));
    }
  } else {
    text = reinterpret_cast<const char*>(lParam);
  }
  int found = FindListItem(list_, text, static_cast<int>(wParam), message == LB_FINDSTRINGEXACT);
  return found >= 0 ? found : LB_ERR;
}

// The item a typed character moves to: the next one after the current item that starts with
// it. -1 leaves the list as it is.
int Win32ListBoxPeer::TypedItem(char typed) const {
  auto current = static_cast<int>(SendMessageA(Hwnd(), LB_GETCARETINDEX, 0, 0));
  return FindListItem(list_, std::string_view(&typed, 1), current, false);
}

// An item as a list box with its own strings draws it: the text one pixel in, on the
// highlight when selected, grey when the list is disabled, and the dotted focus frame.
void Win32ListBoxPeer::DrawItem(const DRAWITEMSTRUCT& item) {
  HDC dc = item.hDC;
  const RECT& place = item.rcItem;
  if (item.itemAction == ODA_FOCUS) {
    DrawFocusRect(dc, &place);
    return;
  }
  auto index = static_cast<int>(item.itemID);
  if (index < 0 || index >= list_.ListCount()) return;
  const Control& control = GetControl();
  const bool selected = (item.itemState & ODS_SELECTED) != 0;
  COLORREF fore = ColorRef(control.ForeColor());
  if ((item.itemState & ODS_DISABLED) != 0) fore = GetSysColor(COLOR_GRAYTEXT);
  if (selected) fore = GetSysColor(COLOR_HIGHLIGHTTEXT);
  COLORREF oldFore = SetTextColor(dc, fore);
  COLORREF oldBack = SetBkColor(dc, selected ? GetSysColor(COLOR_HIGHLIGHT) : ColorRef(control.BackColor()));
  HGDIOBJ oldFont = SelectObject(dc, backend_.Gdi().Font(control.Font()));
  const std::string_view text = list_.ListText(index);
  ExtTextOutA(dc, place.left + 1, place.top, ETO_OPAQUE | ETO_CLIPPED, &place, text.data(),
              static_cast<UINT>(text.size()), nullptr);
  SelectObject(dc, oldFont);
  SetBkColor(dc, oldBack);
  SetTextColor(dc, oldFore);
  if ((item.itemState & ODS_FOCUS) != 0) DrawFocusRect(dc, &place);
}

void Win32ListBoxPeer::ClickedWithoutChange() {
  // LB_ITEMFROMPOINT keeps only 16 bits of the index; a queue may hold more items.
  auto height = static_cast<int>(SendMessageA(Hwnd(), LB_GETITEMHEIGHT, 0, 0));
  int y = GET_Y_LPARAM(pressedAt_);
  if (height <= 0 || y < 0) return;
  int index = static_cast<int>(SendMessageA(Hwnd(), LB_GETTOPINDEX, 0, 0)) + y / height;
  if (index >= list_.ListCount()) return;
  int shift = ShiftState();
  ListControl& list = list_;
  Deliver([&list, index, shift] { list.ClickItem(index, shift); });
}

void Win32ListBoxPeer::AfterMessage(UINT message) {
  if (message == WM_LBUTTONDOWN && !pressChanged_) {
    ClickedWithoutChange();
    return;
  }
  switch (message) {
    case WM_VSCROLL:
    case WM_MOUSEWHEEL:
    case WM_KEYDOWN:
    case WM_CHAR:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_MOUSEMOVE:
    case WM_SIZE:
      TellTopIndex();
      break;
    default:
      break;
  }
}

bool Win32ListBoxPeer::ModelHandlesKey(int keyCode) const {
  return modelKeys_ && (keyCode == VK_UP || keyCode == VK_DOWN || keyCode == VK_HOME || keyCode == VK_END);
}

// The list's own answer: outside its client area, or below its last item, is no item.
std::optional<int> Win32ListBoxPeer::ItemAtPoint(int x, int y) {
  if (Hwnd() == nullptr) return std::nullopt;
  const PixelScale& scale = backend_.Scale();
  const LPARAM at = MAKELPARAM(scale.ToPixels(x), scale.ToPixels(y));
  const LRESULT answer = SendMessageA(Hwnd(), LB_ITEMFROMPOINT, 0, at);
  if (HIWORD(answer) != 0) return -1;
  return static_cast<int>(LOWORD(answer));
}

}  // namespace ui::win32
