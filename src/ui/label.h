#pragma once

#include <functional>
#include <string>

#include "ui/control.h"

namespace ui {

class Label : public Control {
 public:
  using Control::Control;

  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption);
  ui::Alignment Alignment() const { return alignment_; }
  void SetAlignment(ui::Alignment alignment);
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool wordWrap);

  void Click();
  void DblClick();
  std::function<void()> onClick;
  std::function<void()> onDblClick;

 private:
  std::string caption_;
  ui::Alignment alignment_ = ui::Alignment::kLeft;
  bool wordWrap_ = false;
};

}  // namespace ui
