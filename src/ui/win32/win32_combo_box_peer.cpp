#include "ui/win32/win32_combo_box_peer.h"

#include "ui/form.h"

namespace ui::win32 {

namespace {

// The height of the list a drop-down shows below the box, in pixels.
constexpr int kDropHeight = 160;

}  // namespace

Win32ControlPeer::WindowSpec Win32ComboBoxPeer::Spec() const {
  DWORD style = WS_TABSTOP | WS_VSCROLL | CBS_AUTOHSCROLL | CBS_HASSTRINGS;
  switch (Style()) {
    case ComboStyle::kDropDownCombo:
      style |= CBS_DROPDOWN;
      break;
    case ComboStyle::kSimpleCombo:
      style |= CBS_SIMPLE;
      break;
    case ComboStyle::kDropDownList:
      style |= CBS_DROPDOWNLIST;
      break;
  }
  return WindowSpec{"COMBOBOX", style, 0, ""};
}

int Win32ComboBoxPeer::WindowHeight(int pixels) const {
  return Style() == ComboStyle::kSimpleCombo ? pixels : pixels + kDropHeight;
}

void Win32ComboBoxPeer::SyncAll() {
  COMBOBOXINFO info = {};
  info.cbSize = sizeof info;
  if (Editable() && GetComboBoxInfo(Hwnd(), &info) && info.hwndItem != nullptr && info.hwndItem != Hwnd()) {
    AdoptWindow(info.hwndItem);
  }
  Fill();
}

void Win32ComboBoxPeer::Changed(Property what) {
  if (Hwnd() == nullptr) return;
  switch (what) {
    case Property::kItems:
      Fill();
      break;
    case Property::kListIndex:
    case Property::kText:
      SyncSelection();
      break;
    default:
      Win32ControlPeer::Changed(what);
      break;
  }
}

void Win32ComboBoxPeer::Fill() {
  Updating updating(*this);
  SendMessageA(Hwnd(), CB_RESETCONTENT, 0, 0);
  for (int i = 0; i < list_.ListCount(); ++i) {
    SendMessageA(Hwnd(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(list_.List(i).c_str()));
    SendMessageA(Hwnd(), CB_SETITEMDATA, static_cast<WPARAM>(i), list_.ItemData(i));
  }
  SyncSelection();
}

void Win32ComboBoxPeer::ItemInserted(int index) {
  if (Hwnd() == nullptr) return;
  Updating updating(*this);
  SendMessageA(Hwnd(), CB_INSERTSTRING, static_cast<WPARAM>(index),
               reinterpret_cast<LPARAM>(list_.List(index).c_str()));
  SendMessageA(Hwnd(), CB_SETITEMDATA, static_cast<WPARAM>(index), list_.ItemData(index));
}

void Win32ComboBoxPeer::ItemRemoved(int index) {
  if (Hwnd() == nullptr) return;
  Updating updating(*this);
  SendMessageA(Hwnd(), CB_DELETESTRING, static_cast<WPARAM>(index), 0);
}

// Choosing an item puts its text in the box; a drop-down combo may then show another text.
// When the box already reads the model's text (the user is typing in it), only the list's
// highlight follows: choosing through the combo would rewrite the text and move the caret.
void Win32ComboBoxPeer::SyncSelection() {
  Updating updating(*this);
  const auto index = static_cast<WPARAM>(list_.ListIndex());
  HWND items = ListWindow();
  if (Editable() && items != nullptr && WindowText() == list_.Text()) {
    if (SendMessageA(items, LB_GETCURSEL, 0, 0) != list_.ListIndex()) SendMessageA(items, LB_SETCURSEL, index, 0);
    return;
  }
  if (SendMessageA(Hwnd(), CB_GETCURSEL, 0, 0) != list_.ListIndex()) SendMessageA(Hwnd(), CB_SETCURSEL, index, 0);
  if (Editable() && WindowText() != list_.Text()) SetWindowTextA(Hwnd(), list_.Text().c_str());
}

HWND Win32ComboBoxPeer::ListWindow() const {
  COMBOBOXINFO info = {};
  info.cbSize = sizeof info;
  return GetComboBoxInfo(Hwnd(), &info) ? info.hwndList : nullptr;
}

// On a form without a default button, Enter goes to the list (or its edit) instead of the
// dialog manager, so the model's key handling can take it as a choice of the current entry.
bool Win32ComboBoxPeer::KindMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (message != WM_GETDLGCODE) return false;
  const auto* key = reinterpret_cast<const MSG*>(lParam);
  if (key == nullptr || key->message != WM_KEYDOWN || key->wParam != VK_RETURN) return false;
  if (list_.ParentForm().DefaultButton() != nullptr) return false;
  result = CallDefault(key->hwnd, message, wParam, lParam) | DLGC_WANTMESSAGE;
  return true;
}

bool Win32ComboBoxPeer::Reflect(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (message != WM_COMMAND) return Win32ControlPeer::Reflect(message, wParam, lParam, result);
  if (updating_) return true;
  ListControl& list = list_;
  switch (HIWORD(wParam)) {
    case CBN_SELCHANGE: {
      auto index = static_cast<int>(SendMessageA(Hwnd(), CB_GETCURSEL, 0, 0));
      if (index < -1 || index >= list_.ListCount()) index = -1;
      Deliver([&list, index] { list.SetListIndex(index); });
      break;
    }
    case CBN_EDITCHANGE:
      if (combo_ != nullptr) {
        std::string text = WindowText();
        ComboBox& combo = *combo_;
        Deliver([&combo, &text] { combo.EditByUser(text); });
      }
      break;
    case CBN_DBLCLK:
      Deliver([&list] { list.DblClick(); });
      break;
    default:
      break;
  }
  return true;
}

}  // namespace ui::win32
