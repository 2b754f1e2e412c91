#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ui/shortcut.h"

namespace ui {

class Context;
class Form;

// One entry of a form's menu tree: a top-level menu, a submenu, a command or a separator
// (caption "-"). Declared as form members, each with its parent:
//   ui::MenuItem mnuFile{this, "mnuFile"};
//   ui::MenuItem mnuFileExit{&mnuFile, "mnuFileExit"};
// A hidden item is not shown and its shortcut does not act; a disabled one is greyed.
class MenuItem {
 public:
  MenuItem(Form* form, std::string name, int index = -1);
  MenuItem(MenuItem* parent, std::string name, int index = -1);
  ~MenuItem();
  MenuItem(const MenuItem&) = delete;
  MenuItem& operator=(const MenuItem&) = delete;

  const std::string& Name() const { return name_; }
  int Index() const { return index_; }
  Form& ParentForm() const { return form_; }
  // The menu this item is in; nullptr for a top-level menu.
  MenuItem* ParentItem() const { return parent_; }
  const std::vector<MenuItem*>& Items() const { return items_; }

  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption);
  bool IsSeparator() const { return caption_ == "-"; }
  bool Checked() const { return checked_; }
  void SetChecked(bool checked);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  ui::Shortcut Shortcut() const { return shortcut_; }
  void SetShortcut(ui::Shortcut shortcut);

  // Whether the user can reach it: it and every menu above it visible and enabled.
  bool IsAvailable() const;

  // The user chose the item (or opened the menu): runs its Click.
  void Click();
  std::function<void()> onClick;

 private:
  void Changed();

  Form& form_;
  MenuItem* parent_;
  std::string name_;
  int index_;
  std::string caption_;
  bool checked_ = false;
  bool enabled_ = true;
  bool visible_ = true;
  ui::Shortcut shortcut_;
  std::vector<MenuItem*> items_;
};

}  // namespace ui
