#pragma once

#include <functional>

#include "ui/container.h"
#include "ui/control.h"

namespace ui {

// A plain rectangle that may hold controls. The program uses thin picture boxes as splitter
// bars: the mouse is captured from MouseDown to MouseUp, so moves outside still reach it.
class PictureBox : public Control, public Container {
 public:
  using Control::Control;

  bool HasBorder() const { return border_; }
  void SetBorder(bool border);

  Form& ParentForm() const override { return Control::ParentForm(); }
  bool IsShown() const override { return Control::IsShown(); }
  bool IsEnabled() const override { return Control::IsEnabled(); }
  Control* AsControl() override { return this; }

  void Click();
  void DblClick();
  std::function<void()> onClick;
  std::function<void()> onDblClick;

 private:
  bool border_ = true;
};

}  // namespace ui
