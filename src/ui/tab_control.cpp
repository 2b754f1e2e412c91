#include "ui/tab_control.h"

#include <utility>

#include "ui/form.h"
#include "ui/ui_errors.h"

namespace ui {

Form& TabPage::ParentForm() const {
  return tabs_.ParentForm();
}

bool TabPage::IsShown() const {
  return tabs_.IsShown() && tabs_.Tab() == index_;
}

bool TabPage::IsEnabled() const {
  return tabs_.IsEnabled();
}

TabControl::TabControl(Container* parent, std::string name, int index)
    : Control(parent, std::move(name), index), tabs_(3) {}

TabPage* TabControl::Page(int index) {
  if (index < 0) throw errors::InvalidPropertyValue();
  while (static_cast<int>(pages_.size()) <= index) pages_.emplace_back(*this, static_cast<int>(pages_.size()));
  return &pages_[static_cast<std::size_t>(index)];
}

void TabControl::SetTabs(int count) {
  if (count < 1) throw errors::InvalidPropertyValue();
  if (count == Tabs()) return;
  tabs_.resize(static_cast<std::size_t>(count));
  Changed(Property::kTabs);
  if (current_ >= count) SetTab(count - 1);
}

void TabControl::SetTab(int index) {
  CheckTab(index);
  if (index == current_) return;
  int previous = current_;
  current_ = index;
  Changed(Property::kTabs);
  NotifyShownChanged();
  Raise(onClick, previous);
}

const std::string& TabControl::TabCaption(int index) const {
  CheckTab(index);
  return tabs_[static_cast<std::size_t>(index)].caption;
}

void TabControl::SetTabCaption(int index, std::string caption) {
  CheckTab(index);
  tabs_[static_cast<std::size_t>(index)].caption = std::move(caption);
  Changed(Property::kTabs);
}

bool TabControl::TabVisible(int index) const {
  CheckTab(index);
  return tabs_[static_cast<std::size_t>(index)].visible;
}

void TabControl::SetTabVisible(int index, bool visible) {
  CheckTab(index);
  TabState& tab = tabs_[static_cast<std::size_t>(index)];
  if (tab.visible == visible) return;
  tab.visible = visible;
  Changed(Property::kTabs);
  if (visible || index != current_) return;
  for (int i = 0; i < Tabs(); ++i) {
    if (tabs_[static_cast<std::size_t>(i)].visible) {
      SetTab(i);
      return;
    }
  }
}

bool TabControl::TabEnabled(int index) const {
  CheckTab(index);
  return tabs_[static_cast<std::size_t>(index)].enabled;
}

void TabControl::SetTabEnabled(int index, bool enabled) {
  CheckTab(index);
  tabs_[static_cast<std::size_t>(index)].enabled = enabled;
  Changed(Property::kTabs);
}

void TabControl::ChooseTab(int index) {
  if (index < 0 || index >= Tabs()) return;
  const TabState& tab = tabs_[static_cast<std::size_t>(index)];
  if (!tab.visible || !tab.enabled) return;
  SetTab(index);
}

void TabControl::CheckTab(int index) const {
  if (index < 0 || index >= Tabs()) throw errors::InvalidPropertyValue();
}

void TabControl::NotifyShownChanged() {
  for (TabPage& page : pages_) {
    for (Control* control : page.Controls()) {
      if (control->Peer() != nullptr) control->Peer()->Changed(Property::kVisible);
    }
  }
}

}  // namespace ui
