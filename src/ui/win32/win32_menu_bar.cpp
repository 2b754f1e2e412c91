#include "ui/win32/win32_menu_bar.h"

#include <algorithm>

namespace ui::win32 {

namespace {

void RemoveAll(HMENU menu) {
  while (GetMenuItemCount(menu) > 0) RemoveMenu(menu, 0, MF_BYPOSITION);
}

}  // namespace

Win32MenuBar::Win32MenuBar(Form& form) : form_(form) {
  for (MenuItem* item : form_.AllMenuItems()) IdOf(*item);
}

Win32MenuBar::~Win32MenuBar() {
  Detach();
  for (auto& [item, menu] : submenus_) RemoveAll(menu);
  for (auto& [item, menu] : submenus_) DestroyMenu(menu);
  if (bar_ != nullptr) {
    RemoveAll(bar_);
    DestroyMenu(bar_);
  }
}

void Win32MenuBar::Attach(HWND window) {
  window_ = window;
  FillBar();
}

void Win32MenuBar::Detach() {
  if (window_ != nullptr && IsWindow(window_)) SetMenu(window_, nullptr);
  window_ = nullptr;
}

void Win32MenuBar::Changed(MenuItem& item) {
  IdOf(item);
  MenuItem* parent = item.ParentItem();
  if (parent == nullptr) {
    FillBar();
    return;
  }
  auto found = submenus_.find(parent);
  if (found != submenus_.end()) Fill(found->second, *parent);
  // The item may have become a submenu, or stopped being one: its parent shows it anew.
  MenuItem* grand = parent->ParentItem();
  if (grand == nullptr) {
    FillBar();
  } else if (auto above = submenus_.find(grand); above != submenus_.end()) {
    Fill(above->second, *grand);
  }
}

void Win32MenuBar::FillBar() {
  if (window_ == nullptr) return;
  bool any = std::any_of(form_.Menus().begin(), form_.Menus().end(), [](MenuItem* item) { return item->Visible(); });
  if (!any) {
    if (GetMenu(window_) != nullptr) {
      SetMenu(window_, nullptr);
    }
    return;
  }
  if (bar_ == nullptr) bar_ = CreateMenu();
  RemoveAll(bar_);
  for (MenuItem* item : form_.Menus()) {
    if (item->Visible()) Append(bar_, *item);
  }
  if (GetMenu(window_) != bar_) {
    SetMenu(window_, bar_);
  } else {
    DrawMenuBar(window_);
  }
}

void Win32MenuBar::Fill(HMENU menu, const MenuItem& parent) {
  RemoveAll(menu);
  for (MenuItem* item : parent.Items()) {
    if (item->Visible()) Append(menu, *item);
  }
}

void Win32MenuBar::Append(HMENU menu, MenuItem& item) {
  if (item.IsSeparator()) {
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    return;
  }
  UINT flags = MF_STRING;
  if (item.Checked()) flags |= MF_CHECKED;
  if (!item.Enabled()) flags |= MF_GRAYED;
  std::string text = ItemText(item);
  if (item.Items().empty()) {
    AppendMenuA(menu, flags, IdOf(item), text.c_str());
  } else {
    AppendMenuA(menu, flags | MF_POPUP, reinterpret_cast<UINT_PTR>(SubmenuOf(item)), text.c_str());
  }
  if (&item == popupDefault_) {
    SetMenuDefaultItem(menu, static_cast<UINT>(GetMenuItemCount(menu) - 1), TRUE);
  }
}

HMENU Win32MenuBar::SubmenuOf(const MenuItem& item) {
  auto found = submenus_.find(&item);
  if (found != submenus_.end()) return found->second;
  HMENU menu = CreatePopupMenu();
  submenus_[&item] = menu;
  return menu;
}

MenuItem* Win32MenuBar::SubmenuOwner(HMENU menu) const {
  for (auto& [item, submenu] : submenus_) {
    if (submenu == menu && IsLive(item)) return const_cast<MenuItem*>(item);
  }
  return nullptr;
}

MenuItem* Win32MenuBar::ItemOf(UINT id) const {
  for (auto& [item, itemId] : ids_) {
    if (itemId == id && IsLive(item)) return const_cast<MenuItem*>(item);
  }
  return nullptr;
}

UINT Win32MenuBar::IdOf(const MenuItem& item) {
  auto found = ids_.find(&item);
  if (found != ids_.end()) return found->second;
  auto id = static_cast<UINT>(kFirstMenuId + ids_.size());
  ids_[&item] = id;
  return id;
}

HMENU Win32MenuBar::OpenPopup(const MenuItem& menu, const MenuItem* defaultItem) {
  popupDefault_ = defaultItem;
  HMENU root = CreatePopupMenu();
  Fill(root, menu);
  return root;
}

void Win32MenuBar::ClosePopup(HMENU root) {
  popupDefault_ = nullptr;
  DiscardPopup(root);
}

void Win32MenuBar::DiscardPopup(HMENU root) {
  RemoveAll(root);
  DestroyMenu(root);
}

std::string Win32MenuBar::ItemText(const MenuItem& item) {
  std::string text = item.Caption();
  if (!item.Shortcut().IsNone()) {
    text += '\t';
    text += item.Shortcut().Text();
  }
  return text;
}

bool Win32MenuBar::IsLive(const MenuItem* item) const {
  const auto& all = form_.AllMenuItems();
  return std::find(all.begin(), all.end(), item) != all.end();
}

}  // namespace ui::win32
