#include "ui/scroll_bar.h"

#include <algorithm>

#include "ui/ui_errors.h"

namespace ui {

int ScrollBar::Low() const {
  return std::min(min_, max_);
}

int ScrollBar::High() const {
  return std::max(min_, max_);
}

int ScrollBar::Clamp(int value) const {
  return std::clamp(value, Low(), High());
}

void ScrollBar::SetMin(int min) {
  if (min_ == min) return;
  min_ = min;
  Changed(Property::kValue);
  SetValue(Clamp(value_));
}

void ScrollBar::SetMax(int max) {
  if (max_ == max) return;
  max_ = max;
  Changed(Property::kValue);
  SetValue(Clamp(value_));
}

void ScrollBar::SetValue(int value) {
  if (value < Low() || value > High()) throw errors::InvalidPropertyValue();
  if (value_ == value) return;
  value_ = value;
  Changed(Property::kValue);
  Raise(onChange);
}

void ScrollBar::SetSmallChange(int change) {
  if (change < 0) throw errors::InvalidPropertyValue();
  smallChange_ = change;
}

void ScrollBar::SetLargeChange(int change) {
  if (change < 0) throw errors::InvalidPropertyValue();
  largeChange_ = change;
}

void ScrollBar::ScrollBy(int smallSteps, int largeSteps) {
  int direction = max_ >= min_ ? 1 : -1;
  long long moved = static_cast<long long>(value_) + direction * (static_cast<long long>(smallSteps) * smallChange_ +
                                                                  static_cast<long long>(largeSteps) * largeChange_);
  SetValue(static_cast<int>(std::clamp<long long>(moved, Low(), High())));
}

void ScrollBar::DragThumb(int value) {
  value = Clamp(value);
  if (value_ == value) return;
  value_ = value;
  Changed(Property::kValue);
  Raise(onScroll);
  Raise(onChange);
}

}  // namespace ui
