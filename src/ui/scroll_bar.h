#pragma once

#include <functional>
#include <string>

#include "ui/control.h"

namespace ui {

// A scroll bar with a value between Min and Max (Min may be the larger).
class ScrollBar : public Control {
 public:
  using Control::Control;

  virtual bool Vertical() const = 0;

  int Min() const { return min_; }
  int Max() const { return max_; }
  // A new range pulls the value inside it (Change runs when it moves).
  void SetMin(int min);
  void SetMax(int max);
  // A value outside the range is error 380. A change runs Change.
  int Value() const { return value_; }
  void SetValue(int value);
  int SmallChange() const { return smallChange_; }
  void SetSmallChange(int change);
  int LargeChange() const { return largeChange_; }
  void SetLargeChange(int change);

  // The user moved the value: by the arrows (+/-1 small changes) or the track (+/-1 large
  // changes), kept inside the range; Change runs when it moved.
  void ScrollBy(int smallSteps, int largeSteps);
  // The user drags the thumb to a value and lets go: Scroll runs, then Change.
  void DragThumb(int value);

  std::function<void()> onChange;
  std::function<void()> onScroll;

 private:
  int Low() const;
  int High() const;
  int Clamp(int value) const;

  int min_ = 0;
  int max_ = 32767;
  int value_ = 0;
  int smallChange_ = 1;
  int largeChange_ = 1;
};

class HScrollBar : public ScrollBar {
 public:
  using ScrollBar::ScrollBar;
  bool Vertical() const override { return false; }
};

class VScrollBar : public ScrollBar {
 public:
  using ScrollBar::ScrollBar;
  bool Vertical() const override { return true; }
};

}  // namespace ui
