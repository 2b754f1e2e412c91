#include "ui/geometry.h"

#include <cmath>

namespace ui {

int TwipsToPixels(int twips, int dpi) {
  return static_cast<int>(std::lround(static_cast<double>(twips) * dpi / kTwipsPerInch));
}

int PixelsToTwips(int pixels, int dpi) {
  return static_cast<int>(std::lround(static_cast<double>(pixels) * kTwipsPerInch / dpi));
}

}  // namespace ui
