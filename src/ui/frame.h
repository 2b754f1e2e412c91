#pragma once

#include <functional>
#include <string>

#include "ui/container.h"
#include "ui/control.h"

namespace ui {

// A captioned box that holds other controls.
class Frame : public Control, public Container {
 public:
  using Control::Control;

  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption);

  Form& ParentForm() const override { return Control::ParentForm(); }
  bool IsShown() const override { return Control::IsShown(); }
  bool IsEnabled() const override { return Control::IsEnabled(); }
  Control* AsControl() override { return this; }

  void Click();
  void DblClick();
  std::function<void()> onClick;
  std::function<void()> onDblClick;

 private:
  std::string caption_;
};

}  // namespace ui
