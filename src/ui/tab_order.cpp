#include "ui/tab_order.h"

#include <algorithm>

#include "ui/check_box.h"
#include "ui/combo_box.h"
#include "ui/command_button.h"
#include "ui/container.h"
#include "ui/control.h"
#include "ui/dir_list_box.h"
#include "ui/form.h"
#include "ui/list_control.h"
#include "ui/option_button.h"
#include "ui/scroll_bar.h"
#include "ui/tab_control.h"
#include "ui/text_box.h"

namespace ui {

namespace {

void Append(const Container& container, std::vector<Control*>& sequence) {
  std::vector<Control*> controls = container.Controls();
  std::stable_sort(controls.begin(), controls.end(),
                   [](const Control* a, const Control* b) { return a->TabIndex() < b->TabIndex(); });
  for (Control* control : controls) {
    sequence.push_back(control);
    if (auto* tabs = dynamic_cast<TabControl*>(control)) {
      for (int i = 0; i < tabs->Tabs(); ++i) Append(*tabs->Page(i), sequence);
    } else if (auto* inner = dynamic_cast<const Container*>(control)) {
      Append(*inner, sequence);
    }
  }
}

// An option button is a stop when it is its group's chosen one, or the first of a group
// with none chosen.
bool OptionStop(const OptionButton& option) {
  if (option.Value()) return true;
  for (Control* sibling : option.ParentContainer().Controls()) {
    auto* other = dynamic_cast<OptionButton*>(sibling);
    if (other != nullptr && other->Value()) return false;
  }
  for (Control* sibling : option.ParentContainer().Controls()) {
    if (dynamic_cast<OptionButton*>(sibling) != nullptr) return sibling == &option;
  }
  return false;
}

bool IsStop(Control& control) {
  if (!control.TabStop() || !TakesFocus(control) || !control.IsShown() || !control.IsEnabled()) return false;
  auto* option = dynamic_cast<OptionButton*>(&control);
  return option == nullptr || OptionStop(*option);
}

}  // namespace

void SetTabOrder(std::initializer_list<Control*> controls) {
  int index = 0;
  for (Control* control : controls) control->SetTabIndex(index++);
}

bool TakesFocus(const Control& control) {
  return dynamic_cast<const CommandButton*>(&control) != nullptr ||
         dynamic_cast<const CheckBox*>(&control) != nullptr || dynamic_cast<const OptionButton*>(&control) != nullptr ||
         dynamic_cast<const TextBox*>(&control) != nullptr || dynamic_cast<const ListControl*>(&control) != nullptr ||
         dynamic_cast<const DirListBox*>(&control) != nullptr || dynamic_cast<const ScrollBar*>(&control) != nullptr ||
         dynamic_cast<const TabControl*>(&control) != nullptr;
}

Control& NextTabStop(Control& from, bool backwards) {
  std::vector<Control*> order;
  for (Control* candidate : TabSequence(from.ParentForm())) {
    if (candidate == &from || IsStop(*candidate)) order.push_back(candidate);
  }
  auto at = std::find(order.begin(), order.end(), &from) - order.begin();
  auto count = static_cast<std::ptrdiff_t>(order.size());
  return *order[static_cast<std::size_t>((at + (backwards ? count - 1 : 1)) % count)];
}

std::vector<Control*> TabSequence(const Container& container) {
  std::vector<Control*> sequence;
  Append(container, sequence);
  return sequence;
}

}  // namespace ui
