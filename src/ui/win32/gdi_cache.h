#pragma once

#include <map>
#include <string>
#include <tuple>

#include "ui/geometry.h"
#include "ui/types.h"
#include "ui/win32/win32_ui_api.h"

namespace ui::win32 {

// Twips and pixels on this screen.
class PixelScale {
 public:
  explicit PixelScale(int dpi) : dpi_(dpi) {}
  // The screen's horizontal DPI.
  static PixelScale OfScreen();

  int Dpi() const { return dpi_; }
  int ToPixels(int twips) const { return TwipsToPixels(twips, dpi_); }
  int ToTwips(int pixels) const { return PixelsToTwips(pixels, dpi_); }

 private:
  int dpi_;
};

// The fonts and brushes the windows use, made once and kept until the back end goes.
class GdiCache {
 public:
  explicit GdiCache(int dpi) : dpi_(dpi) {}
  ~GdiCache();
  GdiCache(const GdiCache&) = delete;
  GdiCache& operator=(const GdiCache&) = delete;

  // The model's default font is the classic dialog font; the system's dialog font stands in
  // for it, so the windows look like the system's own dialogs.
  HFONT Font(const ui::Font& font);
  HFONT DialogFont();
  // A system colour's brush is the system's own; others are made once.
  HBRUSH Brush(Color color);

 private:
  int dpi_;
  HFONT dialogFont_ = nullptr;
  std::map<std::tuple<std::string, double, bool, bool>, HFONT> fonts_;
  std::map<Color, HBRUSH> brushes_;
};

// The height of a line of text in a font (its character cell), as a window shows it.
int FontHeight(HWND window, HFONT font);

// The RGB value of a model colour (system colours as the system shows them now).
COLORREF ColorRef(Color color);

}  // namespace ui::win32
