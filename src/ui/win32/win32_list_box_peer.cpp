#include "ui/win32/win32_list_box_peer.h"

#include "ui/list_box.h"
#include "ui/win32/input_mapping.h"
#include "ui/win32/win32_backend.h"

namespace ui::win32 {

Win32ControlPeer::WindowSpec Win32ListBoxPeer::Spec() const {
  DWORD style = WS_TABSTOP | WS_VSCROLL | WS_HSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | LBS_HASSTRINGS;
  if (list_.MultiSelect() == ui::MultiSelect::kSimple) style |= LBS_MULTIPLESEL;
  if (list_.MultiSelect() == ui::MultiSelect::kExtended) style |= LBS_EXTENDEDSEL;
  return WindowSpec{"LISTBOX", style, WS_EX_CLIENTEDGE, ""};
}

void Win32ListBoxPeer::SyncAll() {
  Fill();
  SyncExtent();
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
      break;
    default:
      Win32ControlPeer::Changed(what);
      break;
  }
}

void Win32ListBoxPeer::Fill() {
  Updating updating(*this);
  SendMessageA(Hwnd(), LB_RESETCONTENT, 0, 0);
  AddStrings(0, list_.ListCount());
  SyncSelection();
  SyncTopIndex();
}

void Win32ListBoxPeer::ItemInserted(int index) {
  if (Hwnd() == nullptr) return;
  Updating updating(*this);
  SendMessageA(Hwnd(), LB_INSERTSTRING, static_cast<WPARAM>(index),
               reinterpret_cast<LPARAM>(list_.List(index).c_str()));
  SendMessageA(Hwnd(), LB_SETITEMDATA, static_cast<WPARAM>(index), list_.ItemData(index));
}

// Many items at once: the list box reserves room for them and neither redraws nor resizes
// its scroll bar until the last one is in. The items go straight to the list box's own
// procedure: the subclass has nothing to do with them, and passing each through it costs
// more than adding it.
void Win32ListBoxPeer::AddStrings(int first, int count) {
  HWND list = Hwnd();
  auto listProc = reinterpret_cast<WNDPROC>(GetClassLongPtrA(list, GCLP_WNDPROC));
  SendMessageA(list, WM_SETREDRAW, FALSE, 0);
  SendMessageA(list, LB_INITSTORAGE, static_cast<WPARAM>(count), static_cast<LPARAM>(count) * 32);
  for (int i = first; i < first + count; ++i) {
    CallWindowProcA(listProc, list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(list_.List(i).c_str()));
    if (list_.ItemData(i) != 0) {
      CallWindowProcA(listProc, list, LB_SETITEMDATA, static_cast<WPARAM>(i), list_.ItemData(i));
    }
  }
  SendMessageA(list, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(list, nullptr, TRUE);
}

void Win32ListBoxPeer::ItemsAppended(int first, int count) {
  if (Hwnd() == nullptr) return;
  Updating updating(*this);
  AddStrings(first, count);
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
  if (message != WM_COMMAND) return Win32ControlPeer::Reflect(message, wParam, lParam, result);
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
  if (message == WM_LBUTTONDOWN) {
    pressedAt_ = lParam;
    pressChanged_ = false;
  }
  return false;
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
