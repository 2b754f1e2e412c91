#pragma once

#include <map>
#include <string>

#include "ui/form.h"
#include "ui/menu_item.h"
#include "ui/win32/win32_ui_api.h"

namespace ui::win32 {

// A form's menus: the menu bar and the pop-up menus, built from the model's menu tree.
//
// A submenu is filled when it opens (WM_INITMENUPOPUP), after the Click of the menu it
// belongs to has run, so it always shows the items' state at that moment: hidden items
// left out, disabled ones greyed, checked ones ticked, shortcuts after a tab.
//
// Every item keeps one command id for the form's life: kFirstMenuId plus its position among
// the form's menu items when the form loaded (items added later follow), so a tool can choose
// an item by sending WM_COMMAND with its id.
class Win32MenuBar {
 public:
  static constexpr UINT kFirstMenuId = 0x1000;

  explicit Win32MenuBar(Form& form);
  ~Win32MenuBar();
  Win32MenuBar(const Win32MenuBar&) = delete;
  Win32MenuBar& operator=(const Win32MenuBar&) = delete;

  // Gives the window its menu bar (none when no top-level menu is visible).
  void Attach(HWND window);
  // Takes the bar from the window before it is destroyed (the menus stay ours).
  void Detach();
  // An item changed: the menu that shows it is refilled.
  void Changed(MenuItem& item);

  // The model's item of a submenu (nullptr for a menu that is not ours, or a pop-up's root).
  MenuItem* SubmenuOwner(HMENU menu) const;
  // Refills a submenu from its item's children.
  void Fill(HMENU menu, const MenuItem& parent);
  // The item of a command id, while it exists.
  MenuItem* ItemOf(UINT id) const;
  UINT IdOf(const MenuItem& item);

  // Builds the root of a pop-up menu of an item's children, with defaultItem bold, and takes
  // it apart again after it was shown.
  HMENU OpenPopup(const MenuItem& menu, const MenuItem* defaultItem);
  void ClosePopup(HMENU root);
  // Takes a pop-up's root apart when its form's menus are gone already.
  static void DiscardPopup(HMENU root);

  // The text an item shows: its caption, then its shortcut after a tab.
  static std::string ItemText(const MenuItem& item);

 private:
  HMENU SubmenuOf(const MenuItem& item);
  void FillBar();
  void Append(HMENU menu, MenuItem& item);
  bool IsLive(const MenuItem* item) const;

  Form& form_;
  HWND window_ = nullptr;
  HMENU bar_ = nullptr;
  std::map<const MenuItem*, HMENU> submenus_;
  std::map<const MenuItem*, UINT> ids_;
  const MenuItem* popupDefault_ = nullptr;
};

}  // namespace ui::win32
