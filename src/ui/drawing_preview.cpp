#include "ui/drawing_preview.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cstring>
#include <string_view>

#include "runtime/error.h"

namespace ui {

namespace {

constexpr int kInvalidFileFormat = 321;
constexpr std::size_t kVersionBytes = 6;
constexpr std::size_t kSectionOffsetAt = 13;
constexpr int kFirstReleaseWithImage = 1012;  // R13
constexpr std::array<unsigned char, 16> kSentinel{0x1F, 0x25, 0x6D, 0x07, 0xD4, 0x36, 0x28, 0x28,
                                                  0x9D, 0x57, 0xCA, 0x3F, 0x9D, 0x44, 0x10, 0x2B};
constexpr std::size_t kEntryBytes = 9;
// No stored preview comes near this; a larger size is a damaged entry, not an allocation.
constexpr std::uint32_t kLargestImage = 64u * 1024u * 1024u;
// A stored preview is a few hundred pixels each way. A larger image is refused before it is
// decoded: a PNG of a few bytes may declare gigabytes of pixels.
constexpr std::int64_t kLargestSide = 4096;

enum EntryCode : unsigned char { kHeaderEntry = 1, kBmpEntry = 2, kWmfEntry = 3, kPngEntry = 6 };

[[noreturn]] void Damaged() {
  throw runtime::Error(kInvalidFileFormat, "Invalid file format");
}

std::uint32_t Le32(std::string_view bytes, std::size_t at) {
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < 4; ++i) value |= std::uint32_t(static_cast<unsigned char>(bytes[at + i])) << (8 * i);
  return value;
}

std::uint16_t Le16(std::string_view bytes, std::size_t at) {
  return std::uint16_t(static_cast<unsigned char>(bytes[at]) | static_cast<unsigned char>(bytes[at + 1]) << 8);
}

std::uint32_t Be32(std::string_view bytes, std::size_t at) {
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < 4; ++i) value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
  return value;
}

// Exactly count bytes from offset, or 321: a drawing cut short is a damaged drawing.
std::string ReadExactly(const RangeReader& read, std::uint64_t offset, std::size_t count) {
  std::string bytes;
  try {
    bytes = read(offset, count);
  } catch (const runtime::Error&) {
    throw runtime::Error(runtime::kPathFileAccessError);
  }
  if (bytes.size() != count) Damaged();
  return bytes;
}

bool IsVersionChar(char c) {
  return (c >= '0' && c <= '9') || c == '.';
}

// The release number of "AC1015" (1015); 0 for the early "AC1.40" and "AC2.10".
int ReleaseNumber(std::string_view start) {
  if (start.size() < kVersionBytes || start.substr(0, 2) != "AC") Damaged();
  int number = 0;
  for (char c : start.substr(2, 4)) {
    if (!IsVersionChar(c)) Damaged();
    if (c == '.') return 0;
    number = number * 10 + (c - '0');
  }
  return number;
}

// A DIB: a header of at least 40 bytes, a plain (uncompressed or RLE) bit count, and a
// colour table and pixel rows that fit in the bytes, so drawing it reads inside them.
void CheckBitmap(PreviewImage& image) {
  const std::string_view b = image.bytes;
  if (b.size() < 40) Damaged();
  const std::uint32_t headerSize = Le32(b, 0);
  const auto width = static_cast<std::int32_t>(Le32(b, 4));
  const auto height = static_cast<std::int32_t>(Le32(b, 8));
  const std::uint16_t bitCount = Le16(b, 14);
  const std::uint32_t compression = Le32(b, 16);
  std::uint32_t colours = Le32(b, 32);
  if (headerSize < 40 || headerSize > b.size() || width <= 0 || height == 0 || height == INT32_MIN) Damaged();
  if (width > kLargestSide || height > kLargestSide || height < -kLargestSide) Damaged();
  if (compression != 0) Damaged();
  if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 24 && bitCount != 32) Damaged();
  if (colours == 0 && bitCount <= 8) colours = 1u << bitCount;
  if (colours > 256) Damaged();
  const std::uint64_t rowBytes = ((std::uint64_t(width) * bitCount + 31) / 32) * 4;
  const std::uint64_t rows = height < 0 ? std::uint64_t(-std::int64_t(height)) : std::uint64_t(height);
  if (std::uint64_t(headerSize) + std::uint64_t(colours) * 4 + rowBytes * rows > b.size()) Damaged();
  image.width = width;
  image.height = static_cast<int>(rows);
}

// A PNG file: its signature and an IHDR chunk with a size.
void CheckPng(PreviewImage& image) {
  static constexpr std::string_view kSignature{"\x89PNG\r\n\x1a\n", 8};
  const std::string_view b = image.bytes;
  if (b.size() < 33 || b.substr(0, 8) != kSignature || b.substr(12, 4) != "IHDR") Damaged();
  const std::uint32_t width = Be32(b, 16);
  const std::uint32_t height = Be32(b, 20);
  if (width == 0 || height == 0 || width > kLargestSide || height > kLargestSide) Damaged();
  image.width = static_cast<int>(width);
  image.height = static_cast<int>(height);
}

// A metafile, plain or with the placeable header in front of its own header.
void CheckMetafile(const PreviewImage& image) {
  constexpr std::uint32_t kPlaceableKey = 0x9AC6CDD7;
  constexpr std::size_t kPlaceableBytes = 22;
  constexpr std::size_t kHeaderBytes = 18;
  std::string_view b = image.bytes;
  if (b.size() >= 4 && Le32(b, 0) == kPlaceableKey) b.remove_prefix(std::min(b.size(), kPlaceableBytes));
  if (b.size() < kHeaderBytes) Damaged();
  const std::uint16_t type = Le16(b, 0);
  const std::uint16_t headerWords = Le16(b, 2);
  if ((type != 1 && type != 2) || headerWords != 9) Damaged();
}

PreviewKind KindOf(unsigned char code) {
  switch (code) {
    case kBmpEntry:
      return PreviewKind::kBmp;
    case kWmfEntry:
      return PreviewKind::kWmf;
    case kPngEntry:
      return PreviewKind::kPng;
    default:
      return PreviewKind::kNone;
  }
}

PreviewImage ReadImage(const RangeReader& read, PreviewKind kind, std::uint32_t start, std::uint32_t size) {
  if (size == 0 || size > kLargestImage) Damaged();
  PreviewImage image{kind, ReadExactly(read, start, size)};
  if (kind == PreviewKind::kBmp) CheckBitmap(image);
  if (kind == PreviewKind::kPng) CheckPng(image);
  if (kind == PreviewKind::kWmf) CheckMetafile(image);
  return image;
}

}  // namespace

PreviewImage ReadDrawingPreview(const RangeReader& read) {
  std::string start;
  try {
    start = read(0, kSectionOffsetAt + 4);
  } catch (const runtime::Error&) {
    throw runtime::Error(runtime::kPathFileAccessError);
  }
  if (ReleaseNumber(start) < kFirstReleaseWithImage) return {};
  if (start.size() < kSectionOffsetAt + 4) Damaged();

  const std::uint32_t section = Le32(start, kSectionOffsetAt);
  const std::string head = ReadExactly(read, section, kSentinel.size() + 5);
  if (std::memcmp(head.data(), kSentinel.data(), kSentinel.size()) != 0) Damaged();
  const auto count = static_cast<unsigned char>(head[kSentinel.size() + 4]);
  const std::string entries = ReadExactly(read, std::uint64_t(section) + head.size(), count * kEntryBytes);
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t at = i * kEntryBytes;
    const PreviewKind kind = KindOf(static_cast<unsigned char>(entries[at]));
    if (kind != PreviewKind::kNone) return ReadImage(read, kind, Le32(entries, at + 1), Le32(entries, at + 5));
  }
  return {};
}

Rect FitInside(int width, int height, Rect box) {
  if (width <= 0 || height <= 0 || box.width <= 0 || box.height <= 0) return {box.left, box.top, 0, 0};
  // Compare width / height with box.width / box.height without rounding.
  Rect fit = box;
  if (std::int64_t(width) * box.height > std::int64_t(box.width) * height) {
    fit.height = static_cast<int>(std::int64_t(box.width) * height / width);
    fit.top += (box.height - fit.height) / 2;
  } else {
    fit.width = static_cast<int>(std::int64_t(box.height) * width / height);
    fit.left += (box.width - fit.width) / 2;
  }
  return fit;
}

}  // namespace ui
