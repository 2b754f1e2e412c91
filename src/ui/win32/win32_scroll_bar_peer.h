#pragma once

#include "ui/scroll_bar.h"
#include "ui/win32/win32_control_peer.h"

namespace ui::win32 {

// A scroll bar: a SCROLLBAR control whose positions run from 0 at the left or top, where the
// model's Min is, to |Max - Min| (Min may be the larger value).
class Win32ScrollBarPeer : public Win32ControlPeer {
 public:
  Win32ScrollBarPeer(Win32Backend& backend, ScrollBar& bar) : Win32ControlPeer(backend, bar), bar_(bar) {}

  void Changed(Property what) override;
  bool Reflect(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

  // The window's position of a model value, and back.
  static int PositionOf(int value, int min, int max) { return min <= max ? value - min : min - value; }
  static int ValueOf(int position, int min, int max) { return min <= max ? min + position : min - position; }

 protected:
  WindowSpec Spec() const override;
  void SyncAll() override { SyncValue(); }

 private:
  void SyncValue();
  void Scrolled(int code);

  ScrollBar& bar_;
};

}  // namespace ui::win32
