#include "ui/line.h"

namespace ui {

void Line::SetPoints(int x1, int y1, int x2, int y2) {
  if (x1 == x1_ && y1 == y1_ && x2 == x2_ && y2 == y2_) return;
  x1_ = x1;
  y1_ = y1;
  x2_ = x2;
  y2_ = y2;
  Changed(Property::kLine);
}

void Line::SetBorderColor(Color color) {
  if (borderColor_ == color) return;
  borderColor_ = color;
  Changed(Property::kColors);
}

}  // namespace ui
