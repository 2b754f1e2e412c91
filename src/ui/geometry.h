#pragma once

// Positions and sizes are kept in twips: 1440 to the inch, 15 to the pixel at 96 DPI.
namespace ui {

constexpr int kTwipsPerInch = 1440;

struct Rect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;

  friend bool operator==(const Rect&, const Rect&) = default;
};

struct Size {
  int width = 0;
  int height = 0;

  friend bool operator==(const Size&, const Size&) = default;
};

// Conversions for a screen of dpi dots per inch, rounded to the nearest unit.
int TwipsToPixels(int twips, int dpi);
int PixelsToTwips(int pixels, int dpi);

}  // namespace ui
