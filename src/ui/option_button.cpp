#include "ui/option_button.h"

#include <utility>

#include "ui/container.h"
#include "ui/form.h"

namespace ui {

void OptionButton::SetCaption(std::string caption) {
  if (caption_ == caption) return;
  caption_ = std::move(caption);
  Changed(Property::kCaption);
}

void OptionButton::SetValue(bool value) {
  if (value_ == value) return;
  value_ = value;
  Changed(Property::kValue);
  if (!value) return;
  const void* group = ParentContainer().OptionGroup();
  for (Control* control : ParentForm().AllControls()) {
    auto* other = dynamic_cast<OptionButton*>(control);
    if (other == nullptr || other == this || !other->value_) continue;
    if (other->ParentContainer().OptionGroup() != group) continue;
    other->value_ = false;
    other->Changed(Property::kValue);
  }
  Raise(onClick);
}

}  // namespace ui
