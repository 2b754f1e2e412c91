#pragma once

#include "ui/dwg_thumbnail.h"
#include "ui/win32/win32_control_peer.h"

namespace ui::win32 {

// A drawing's thumbnail: a window of ours that paints the control's image, scaled to fit
// keeping its proportions and centred on the back colour. A bitmap is drawn from its bytes,
// a metafile is played, a PNG is decoded by GDI+ once per image.
class Win32DwgThumbnailPeer : public Win32ControlPeer {
 public:
  Win32DwgThumbnailPeer(Win32Backend& backend, DwgThumbnail& thumbnail)
      : Win32ControlPeer(backend, thumbnail), thumbnail_(thumbnail) {}
  ~Win32DwgThumbnailPeer() override;

  void Changed(Property what) override;

 protected:
  WindowSpec Spec() const override;
  void SyncAll() override { Decode(); }
  bool KindMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  // Makes the drawable form of the control's image: a metafile or a decoded PNG.
  void Decode();
  void Release();
  void Paint(HDC dc, const RECT& client);

  DwgThumbnail& thumbnail_;
  HENHMETAFILE metafile_ = nullptr;
  void* png_ = nullptr;  // a GDI+ bitmap
};

}  // namespace ui::win32
