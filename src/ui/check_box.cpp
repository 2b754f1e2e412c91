#include "ui/check_box.h"

#include <utility>

#include "ui/ui_errors.h"

namespace ui {

void CheckBox::SetCaption(std::string caption) {
  if (caption_ == caption) return;
  caption_ = std::move(caption);
  Changed(Property::kCaption);
}

void CheckBox::SetValue(int value) {
  if (value != kUnchecked && value != kChecked && value != kGrayed) throw errors::InvalidPropertyValue();
  if (value_ == value) return;
  value_ = value;
  Changed(Property::kValue);
  Raise(onClick);
}

void CheckBox::Click() {
  SetValue(value_ == kChecked ? kUnchecked : kChecked);
}

}  // namespace ui
