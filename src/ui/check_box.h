#pragma once

#include <functional>
#include <string>

#include "ui/control.h"

namespace ui {

constexpr int kUnchecked = 0;
constexpr int kChecked = 1;
constexpr int kGrayed = 2;

class CheckBox : public Control {
 public:
  using Control::Control;

  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption);
  // 0 unchecked, 1 checked, 2 grayed; any other value is error 380. A change runs Click.
  int Value() const { return value_; }
  void SetValue(int value);

  // The user clicked the box: checked becomes unchecked, anything else checked.
  void Click();
  std::function<void()> onClick;

 private:
  std::string caption_;
  int value_ = kUnchecked;
};

}  // namespace ui
