#include "ui/win32/win32_line_peer.h"

#include "ui/win32/win32_backend.h"

namespace ui::win32 {

void Win32LinePeer::Changed(Property what) {
  Site site = backend_.SiteOf(line_.ParentContainer());
  if (site.window != nullptr) InvalidateRect(site.window, nullptr, TRUE);
}

void PaintLines(HDC dc, const Container& container, POINT origin, const PixelScale& scale) {
  for (Control* control : container.Controls()) {
    auto* line = dynamic_cast<Line*>(control);
    if (line == nullptr || !line->Visible()) continue;
    HPEN pen = CreatePen(PS_SOLID, 1, ColorRef(line->BorderColor()));
    HGDIOBJ old = SelectObject(dc, pen);
    MoveToEx(dc, scale.ToPixels(line->X1()) - origin.x, scale.ToPixels(line->Y1()) - origin.y, nullptr);
    int x2 = scale.ToPixels(line->X2()) - origin.x;
    int y2 = scale.ToPixels(line->Y2()) - origin.y;
    LineTo(dc, x2, y2);
    SetPixel(dc, x2, y2, ColorRef(line->BorderColor()));  // LineTo leaves out the end point
    SelectObject(dc, old);
    DeleteObject(pen);
  }
}

}  // namespace ui::win32
