#pragma once

#include <vector>

namespace ui {

class Control;
class Form;

// Something controls are placed in: a form, a frame, a picture box or one tab of a tab
// control. Positions of its controls are relative to it.
class Container {
 public:
  Container() = default;
  virtual ~Container() = default;
  Container(const Container&) = delete;
  Container& operator=(const Container&) = delete;

  // The controls placed directly in this container, in creation order.
  const std::vector<Control*>& Controls() const { return controls_; }

  virtual Form& ParentForm() const = 0;
  // Whether what it holds can be seen, and can take input.
  virtual bool IsShown() const = 0;
  virtual bool IsEnabled() const = 0;
  // The control this container is (a frame or picture box); nullptr for a form or a tab.
  virtual Control* AsControl() { return nullptr; }
  // Option buttons placed in containers with the same group key form one group.
  virtual const void* OptionGroup() const { return this; }

 private:
  friend class Control;
  void Adopt(Control* control);
  void Release(Control* control);

  std::vector<Control*> controls_;
};

}  // namespace ui
