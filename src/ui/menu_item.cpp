#include "ui/menu_item.h"

#include <algorithm>
#include <utility>

#include "ui/form.h"

namespace ui {

MenuItem::MenuItem(Form* form, std::string name, int index)
    : form_(*form), parent_(nullptr), name_(std::move(name)), index_(index) {
  form_.AddMenu(this);
}

MenuItem::MenuItem(MenuItem* parent, std::string name, int index)
    : form_(parent->form_), parent_(parent), name_(std::move(name)), index_(index) {
  parent_->items_.push_back(this);
  form_.AddMenu(this);
}

MenuItem::~MenuItem() {
  if (parent_ != nullptr) std::erase(parent_->items_, this);
  form_.RemoveMenu(this);
}

void MenuItem::SetCaption(std::string caption) {
  if (caption_ == caption) return;
  caption_ = std::move(caption);
  Changed();
}

void MenuItem::SetChecked(bool checked) {
  if (checked_ == checked) return;
  checked_ = checked;
  Changed();
}

void MenuItem::SetEnabled(bool enabled) {
  if (enabled_ == enabled) return;
  enabled_ = enabled;
  Changed();
}

void MenuItem::SetVisible(bool visible) {
  if (visible_ == visible) return;
  visible_ = visible;
  Changed();
}

void MenuItem::SetShortcut(ui::Shortcut shortcut) {
  if (shortcut_ == shortcut) return;
  shortcut_ = shortcut;
  Changed();
}

bool MenuItem::IsAvailable() const {
  for (const MenuItem* item = this; item != nullptr; item = item->parent_) {
    if (!item->visible_ || !item->enabled_) return false;
  }
  return true;
}

void MenuItem::Click() {
  if (!onClick) return;
  Context::Running running(form_.Ctx());
  auto handler = onClick;
  handler();
}

void MenuItem::Changed() {
  form_.MenuChanged(*this);
}

}  // namespace ui
