#pragma once

#include <functional>
#include <string>

#include "ui/control.h"

namespace ui {

// Option buttons in the same container form one group: choosing one clears the others.
class OptionButton : public Control {
 public:
  using Control::Control;

  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption);
  // Setting true chooses this button: the others of its group are cleared (without events)
  // and Click runs. Setting false only clears it.
  bool Value() const { return value_; }
  void SetValue(bool value);

  // The user chose the button.
  void Click() { SetValue(true); }
  std::function<void()> onClick;
  std::function<void()> onDblClick;

 private:
  std::string caption_;
  bool value_ = false;
};

}  // namespace ui
