#include "ui/command_button.h"

#include <utility>

#include "ui/form.h"

namespace ui {

void CommandButton::SetCaption(std::string caption) {
  if (caption_ == caption) return;
  caption_ = std::move(caption);
  Changed(Property::kCaption);
}

void CommandButton::SetDefault(bool isDefault) {
  if (default_ == isDefault) return;
  if (isDefault) {
    for (Control* control : ParentForm().AllControls()) {
      auto* other = dynamic_cast<CommandButton*>(control);
      if (other != nullptr && other != this) other->SetDefault(false);
    }
  }
  default_ = isDefault;
  Changed(Property::kDefaultCancel);
}

void CommandButton::SetCancel(bool isCancel) {
  if (cancel_ == isCancel) return;
  if (isCancel) {
    for (Control* control : ParentForm().AllControls()) {
      auto* other = dynamic_cast<CommandButton*>(control);
      if (other != nullptr && other != this) other->SetCancel(false);
    }
  }
  cancel_ = isCancel;
  Changed(Property::kDefaultCancel);
}

void CommandButton::SetValue(bool value) {
  if (!value || !Enabled()) return;
  value_ = true;
  struct Release {
    bool& value;
    ~Release() { value = false; }
  } release{value_};
  Raise(onClick);
}

}  // namespace ui
