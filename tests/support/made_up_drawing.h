#pragma once

#include <string>
#include <string_view>
#include <vector>

// Small drawings the tests make themselves: the release's first bytes and a preview section
// as AutoCAD writes it, with the images put in.
namespace test {

// The codes of a preview section's entries.
enum PreviewEntryCode : unsigned char { kHeaderEntry = 1, kBmpEntry = 2, kWmfEntry = 3, kPngEntry = 6 };

struct PreviewEntry {
  unsigned char code;
  std::string bytes;
};

// The offsets a made-up drawing's parts lie at.
inline constexpr std::size_t kMadeUpSection = 32;  // the section's sentinel
inline constexpr std::size_t kMadeUpEntries = kMadeUpSection + 21;

// A drawing of release ("AC1018") with a preview section at kMadeUpSection that lists entries
// in order; their bytes follow the list, one after the other.
std::string MadeUpDrawing(std::string_view release, const std::vector<PreviewEntry>& entries);

// An uncompressed 24-bit bitmap (a DIB without file header) of 2 x 3 pixels.
std::string TinyBmp();
// A PNG file of 3 x 2 pixels.
std::string TinyPng();

}  // namespace test
