#pragma once

#include "ui/container.h"
#include "ui/line.h"
#include "ui/peer.h"
#include "ui/win32/gdi_cache.h"

namespace ui::win32 {

class Win32Backend;

// A line has no window: its container's window paints it (PaintLines). The peer repaints
// the container when the line changes.
class Win32LinePeer : public ControlPeer {
 public:
  Win32LinePeer(Win32Backend& backend, Line& line) : backend_(backend), line_(line) {}
  void Changed(Property what) override;

 private:
  Win32Backend& backend_;
  Line& line_;
};

// Paints the visible lines placed directly in a container; origin is the container's point
// at (0, 0) of the window painted.
void PaintLines(HDC dc, const Container& container, POINT origin, const PixelScale& scale);

}  // namespace ui::win32
