#include "support/made_up_drawing.h"

#include <cstdint>

namespace test {

namespace {

constexpr std::string_view kSentinel{"\x1F\x25\x6D\x07\xD4\x36\x28\x28\x9D\x57\xCA\x3F\x9D\x44\x10\x2B", 16};
constexpr std::size_t kSectionOffsetAt = 13;
constexpr std::size_t kEntryBytes = 9;

void PutLe32(std::string& bytes, std::size_t at, std::uint32_t value) {
  for (std::size_t i = 0; i < 4; ++i) bytes[at + i] = static_cast<char>(value >> (8 * i));
}

std::string Le32(std::uint32_t value) {
  std::string bytes(4, '\0');
  PutLe32(bytes, 0, value);
  return bytes;
}

}  // namespace

std::string MadeUpDrawing(std::string_view release, const std::vector<PreviewEntry>& entries) {
  std::string bytes(release);
  bytes.resize(kMadeUpSection, '\0');
  PutLe32(bytes, kSectionOffsetAt, kMadeUpSection);
  bytes += kSentinel;
  std::string images;
  std::string list;
  std::size_t next = kMadeUpEntries + entries.size() * kEntryBytes;
  for (const PreviewEntry& entry : entries) {
    list += static_cast<char>(entry.code);
    list += Le32(static_cast<std::uint32_t>(next));
    list += Le32(static_cast<std::uint32_t>(entry.bytes.size()));
    images += entry.bytes;
    next += entry.bytes.size();
  }
  bytes += Le32(static_cast<std::uint32_t>(1 + list.size() + images.size()));
  bytes += static_cast<char>(entries.size());
  return bytes + list + images;
}

std::string TinyBmp() {
  constexpr std::uint32_t kWidth = 2;
  constexpr std::uint32_t kHeight = 3;
  constexpr std::uint32_t kRowBytes = 8;  // 2 pixels of 3 bytes, padded to 4
  std::string header(40, '\0');
  PutLe32(header, 0, 40);
  PutLe32(header, 4, kWidth);
  PutLe32(header, 8, kHeight);
  header[12] = 1;   // planes
  header[14] = 24;  // bits a pixel
  PutLe32(header, 20, kRowBytes * kHeight);
  std::string pixels;
  for (std::uint32_t row = 0; row < kHeight; ++row) pixels += std::string("\x00\x00\xFF\xFF\xFF\xFF\x00\x00", 8);
  return header + pixels;
}

std::string TinyPng() {
  return std::string(
      "\x89\x50\x4E\x47\x0D\x0A\x1A\x0A\x00\x00\x00\x0D\x49\x48\x44\x52\x00\x00\x00\x03\x00\x00\x00\x02\x08\x02"
      "\x00\x00\x00\x12\x16\xF1\x4D\x00\x00\x00\x10\x49\x44\x41\x54\x78\x9C\x63\xF8\xCF\xC0\x00\x41\x0C\x70\x16"
      "\x00\x41\xD2\x05\xFB\x87\xF0\xB9\x48\x00\x00\x00\x00\x49\x45\x4E\x44\xAE\x42\x60\x82",
      73);
}

}  // namespace test
