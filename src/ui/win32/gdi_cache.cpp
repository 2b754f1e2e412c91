#include "ui/win32/gdi_cache.h"

#include <cmath>

namespace ui::win32 {

PixelScale PixelScale::OfScreen() {
  HDC screen = GetDC(nullptr);
  int dpi = GetDeviceCaps(screen, LOGPIXELSX);
  ReleaseDC(nullptr, screen);
  return PixelScale(dpi > 0 ? dpi : 96);
}

int FontHeight(HWND window, HFONT font) {
  TEXTMETRICA metrics = {};
  HDC dc = GetDC(window);
  HGDIOBJ old = SelectObject(dc, font);
  GetTextMetricsA(dc, &metrics);
  SelectObject(dc, old);
  ReleaseDC(window, dc);
  return metrics.tmHeight;
}

GdiCache::~GdiCache() {
  if (dialogFont_ != nullptr) DeleteObject(dialogFont_);
  for (auto& [key, font] : fonts_) DeleteObject(font);
  for (auto& [color, brush] : brushes_) DeleteObject(brush);
}

HFONT GdiCache::DialogFont() {
  if (dialogFont_ == nullptr) {
    NONCLIENTMETRICSA metrics = {};
    metrics.cbSize = sizeof metrics;
    if (SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) {
      dialogFont_ = CreateFontIndirectA(&metrics.lfMessageFont);
    }
    if (dialogFont_ == nullptr) return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  }
  return dialogFont_;
}

namespace {

// The fixed-pitch faces a form may name. A system without the face then substitutes another
// fixed-pitch one instead of the default proportional face.
bool IsFixedPitchFace(const std::string& name) {
  for (const char* face : {"Courier New", "Courier", "Lucida Console", "Consolas", "Fixedsys", "Terminal"}) {
    if (lstrcmpiA(name.c_str(), face) == 0) return true;
  }
  return false;
}

}  // namespace

HFONT GdiCache::Font(const ui::Font& font) {
  const ui::Font classic;
  if (font.name == classic.name && font.size == classic.size && font.bold == classic.bold &&
      font.italic == classic.italic) {
    return DialogFont();
  }
  auto key = std::make_tuple(font.name, font.size, font.bold, font.italic);
  auto found = fonts_.find(key);
  if (found != fonts_.end()) return found->second;
  int height = -static_cast<int>(std::lround(font.size * dpi_ / 72.0));
  HFONT made = CreateFontA(height, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, font.italic, FALSE, FALSE, DEFAULT_CHARSET,
                           OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                           IsFixedPitchFace(font.name) ? FIXED_PITCH | FF_MODERN : DEFAULT_PITCH | FF_DONTCARE,
                           font.name.c_str());
  if (made == nullptr) return DialogFont();
  fonts_[key] = made;
  return made;
}

HBRUSH GdiCache::Brush(Color color) {
  if ((color & kSystemColorFlag) != 0) return GetSysColorBrush(static_cast<int>(color & 0xFF));
  auto found = brushes_.find(color);
  if (found != brushes_.end()) return found->second;
  HBRUSH made = CreateSolidBrush(ColorRef(color));
  brushes_[color] = made;
  return made;
}

COLORREF ColorRef(Color color) {
  if ((color & kSystemColorFlag) != 0) return GetSysColor(static_cast<int>(color & 0xFF));
  return static_cast<COLORREF>(color & 0xFFFFFF);
}

}  // namespace ui::win32
