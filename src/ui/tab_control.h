#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "ui/container.h"
#include "ui/control.h"

namespace ui {

class TabControl;

// One tab of a tab control: controls placed in it show only while it is the current tab.
class TabPage : public Container {
 public:
  TabPage(TabControl& tabs, int index) : tabs_(tabs), index_(index) {}

  TabControl& Tabs() const { return tabs_; }
  int TabIndex() const { return index_; }

  Form& ParentForm() const override;
  bool IsShown() const override;
  bool IsEnabled() const override;
  const void* OptionGroup() const override { return &tabs_; }

 private:
  TabControl& tabs_;
  int index_;
};

// A tabbed panel. Controls are placed on a tab through its page:
//   ui::TabControl SSTab1{this, "SSTab1"};
//   ui::TextBox Text1{SSTab1.Page(0), "Text1"};
class TabControl : public Control {
 public:
  TabControl(Container* parent, std::string name, int index = -1);

  // The page of tab i, created on first use (for placing controls; Tabs is separate).
  TabPage* Page(int index);

  // The number of tabs (1 or more; else error 380).
  int Tabs() const { return static_cast<int>(tabs_.size()); }
  void SetTabs(int count);
  // The current tab. Another value than 0 to Tabs - 1 is error 380. A change runs Click with
  // the tab that was left.
  int Tab() const { return current_; }
  void SetTab(int index);
  // Per tab; an index outside the tabs is error 380.
  const std::string& TabCaption(int index) const;
  void SetTabCaption(int index, std::string caption);
  // Hiding the current tab makes the first visible tab current (Click runs).
  bool TabVisible(int index) const;
  void SetTabVisible(int index, bool visible);
  bool TabEnabled(int index) const;
  void SetTabEnabled(int index, bool enabled);

  // The user chose a tab; only a visible and enabled one can be chosen.
  void ChooseTab(int index);
  std::function<void(int previousTab)> onClick;

 private:
  struct TabState {
    std::string caption;
    bool visible = true;
    bool enabled = true;
  };
  void CheckTab(int index) const;
  void NotifyShownChanged();

  std::vector<TabState> tabs_;
  std::deque<TabPage> pages_;
  int current_ = 0;
};

}  // namespace ui
