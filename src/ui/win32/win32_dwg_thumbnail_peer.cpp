#include "ui/win32/win32_dwg_thumbnail_peer.h"

// clang-format off
#include "ui/win32/win32_ui_api.h"
#include <objidl.h>
#include <gdiplus.h>
#include <shlwapi.h>
// clang-format on

#include <cstdint>
#include <cstring>

#include "ui/win32/win32_backend.h"

namespace ui::win32 {

namespace {

namespace gp = Gdiplus;

// GDI+ is started on first use and stays for the rest of the run.
bool GdiplusReady() {
  static const bool ready = [] {
    gp::GdiplusStartupInput input;
    ULONG_PTR token = 0;
    return gp::GdiplusStartup(&token, &input, nullptr) == gp::Ok;
  }();
  return ready;
}

gp::GpBitmap* DecodePng(const std::string& bytes) {
  if (!GdiplusReady()) return nullptr;
  IStream* stream = SHCreateMemStream(reinterpret_cast<const BYTE*>(bytes.data()), static_cast<UINT>(bytes.size()));
  if (stream == nullptr) return nullptr;
  gp::GpBitmap* bitmap = nullptr;
  if (gp::DllExports::GdipCreateBitmapFromStream(stream, &bitmap) != gp::Ok) bitmap = nullptr;
  stream->Release();
  return bitmap;
}

// A metafile's records without the placeable header that may stand in front of them.
HENHMETAFILE MakeMetafile(const std::string& bytes) {
  constexpr std::uint32_t kPlaceableKey = 0x9AC6CDD7;
  std::size_t skip = 0;
  std::uint32_t key = 0;
  if (bytes.size() >= 4) std::memcpy(&key, bytes.data(), 4);
  if (key == kPlaceableKey) skip = 22;
  return SetWinMetaFileBits(static_cast<UINT>(bytes.size() - skip), reinterpret_cast<const BYTE*>(bytes.data() + skip),
                            nullptr, nullptr);
}

ui::Rect ToRect(const RECT& r) {
  return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

}  // namespace

Win32DwgThumbnailPeer::~Win32DwgThumbnailPeer() {
  Release();
}

Win32ControlPeer::WindowSpec Win32DwgThumbnailPeer::Spec() const {
  return WindowSpec{kPanelClass, 0, WS_EX_CLIENTEDGE, "", true};
}

void Win32DwgThumbnailPeer::Changed(Property what) {
  if (what == Property::kValue) {
    Decode();
    if (Hwnd() != nullptr) InvalidateRect(Hwnd(), nullptr, TRUE);
    return;
  }
  Win32ControlPeer::Changed(what);
}

void Win32DwgThumbnailPeer::Release() {
  if (metafile_ != nullptr) DeleteEnhMetaFile(metafile_);
  if (png_ != nullptr) gp::DllExports::GdipDisposeImage(static_cast<gp::GpBitmap*>(png_));
  metafile_ = nullptr;
  png_ = nullptr;
}

void Win32DwgThumbnailPeer::Decode() {
  Release();
  const PreviewImage& image = thumbnail_.Image();
  if (image.kind == PreviewKind::kWmf) metafile_ = MakeMetafile(image.bytes);
  if (image.kind == PreviewKind::kPng) png_ = DecodePng(image.bytes);
}

bool Win32DwgThumbnailPeer::KindMessage(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
  if (message == WM_ERASEBKGND) {
    RECT client;
    GetClientRect(Hwnd(), &client);
    FillRect(reinterpret_cast<HDC>(wParam), &client, backend_.Gdi().Brush(thumbnail_.BackColor()));
    result = 1;
    return true;
  }
  if (message != WM_PAINT) return false;
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(Hwnd(), &paint);
  RECT client;
  GetClientRect(Hwnd(), &client);
  Paint(dc, client);
  EndPaint(Hwnd(), &paint);
  return true;
}

// The bitmap's pixels follow its header and colour table, which the reader checked fit.
void Win32DwgThumbnailPeer::Paint(HDC dc, const RECT& client) {
  const PreviewImage& image = thumbnail_.Image();
  const ui::Rect box = ToRect(client);
  if (image.kind == PreviewKind::kBmp) {
    const auto* info = reinterpret_cast<const BITMAPINFO*>(image.bytes.data());
    const BITMAPINFOHEADER& header = info->bmiHeader;
    DWORD colours = header.biClrUsed;
    if (colours == 0 && header.biBitCount <= 8) colours = 1u << header.biBitCount;
    const char* bits = image.bytes.data() + header.biSize + colours * sizeof(RGBQUAD);
    const ui::Rect fit = FitInside(image.width, image.height, box);
    SetStretchBltMode(dc, HALFTONE);
    StretchDIBits(dc, fit.left, fit.top, fit.width, fit.height, 0, 0, image.width, image.height, bits, info,
                  DIB_RGB_COLORS, SRCCOPY);
  } else if (metafile_ != nullptr) {
    ENHMETAHEADER header{};
    GetEnhMetaFileHeader(metafile_, sizeof(header), &header);
    const ui::Rect fit = FitInside(header.rclBounds.right - header.rclBounds.left + 1,
                                   header.rclBounds.bottom - header.rclBounds.top + 1, box);
    RECT target{fit.left, fit.top, fit.left + fit.width, fit.top + fit.height};
    PlayEnhMetaFile(dc, metafile_, &target);
  } else if (png_ != nullptr) {
    auto* bitmap = static_cast<gp::GpBitmap*>(png_);
    UINT width = 0;
    UINT height = 0;
    gp::DllExports::GdipGetImageWidth(bitmap, &width);
    gp::DllExports::GdipGetImageHeight(bitmap, &height);
    const ui::Rect fit = FitInside(static_cast<int>(width), static_cast<int>(height), box);
    gp::GpGraphics* graphics = nullptr;
    if (gp::DllExports::GdipCreateFromHDC(dc, &graphics) != gp::Ok) return;
    gp::DllExports::GdipDrawImageRectI(graphics, bitmap, fit.left, fit.top, fit.width, fit.height);
    gp::DllExports::GdipDeleteGraphics(graphics);
  }
}

}  // namespace ui::win32
