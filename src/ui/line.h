#pragma once

#include "ui/control.h"

namespace ui {

// A straight line drawn on its container, between (X1, Y1) and (X2, Y2) in twips.
class Line : public Control {
 public:
  using Control::Control;

  int X1() const { return x1_; }
  int Y1() const { return y1_; }
  int X2() const { return x2_; }
  int Y2() const { return y2_; }
  void SetPoints(int x1, int y1, int x2, int y2);
  Color BorderColor() const { return borderColor_; }
  void SetBorderColor(Color color);

 private:
  int x1_ = 0;
  int y1_ = 0;
  int x2_ = 0;
  int y2_ = 0;
  Color borderColor_ = kWindowText;
};

}  // namespace ui
