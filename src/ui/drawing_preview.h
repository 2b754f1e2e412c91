#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

#include "ui/geometry.h"

namespace ui {

// The kinds of preview image a drawing can store.
enum class PreviewKind { kNone, kBmp, kWmf, kPng };

// A drawing's stored preview image. A BMP is a device-independent bitmap without a file
// header (a BITMAPINFOHEADER, its colour table, the pixels); a WMF is a metafile; a PNG is
// a whole PNG file. Width and height are the image's pixels (0 for a WMF).
struct PreviewImage {
  PreviewKind kind = PreviewKind::kNone;
  std::string bytes;
  int width = 0;
  int height = 0;
};

// Reads count bytes of a file from offset: fewer at its end, none past it. Throws
// runtime::Error when the file cannot be opened or read.
using RangeReader = std::function<std::string(std::uint64_t offset, std::size_t count)>;

// The preview image of the drawing that read reaches. Reads only the file's first bytes, the
// image section's directory and the image. Releases before R13 store none (kNone), as does a
// section that lists only its header. Throws runtime::Error 321 when the file is no drawing or
// its image section is damaged (cut short, a wrong sentinel, an entry past the end, an image
// that is not what its entry says), 75 when the reader fails (whatever its own error).
PreviewImage ReadDrawingPreview(const RangeReader& read);

// Where an image of width x height shows in box: as large as fits keeping its proportions,
// centred. An empty image or box gives an empty rectangle at the box's corner.
Rect FitInside(int width, int height, Rect box);

}  // namespace ui
