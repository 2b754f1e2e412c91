#pragma once

#include <functional>
#include <string>

#include "ui/control.h"

namespace ui {

class CommandButton : public Control {
 public:
  using Control::Control;

  // "&" marks the access key, "&&" shows one "&".
  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption);
  // The button Enter presses on its form; setting it clears it on the form's other buttons.
  bool Default() const { return default_; }
  void SetDefault(bool isDefault);
  // The button Escape presses; setting it clears it on the form's other buttons.
  bool Cancel() const { return cancel_; }
  void SetCancel(bool isCancel);
  // Setting Value to true presses the button: Click runs, and Value reads false again. A
  // disabled button cannot be pressed: nothing happens.
  bool Value() const { return value_; }
  void SetValue(bool value);

  // The user pressed the button.
  void Click() { SetValue(true); }
  std::function<void()> onClick;

 private:
  std::string caption_;
  bool default_ = false;
  bool cancel_ = false;
  bool value_ = false;
};

}  // namespace ui
