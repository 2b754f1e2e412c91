#include "ui/drawing_preview.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <random>
#include <sstream>
#include <string>

#include "runtime/error.h"

namespace {

using ui::PreviewKind;

std::string DrawingBytes(const std::string& name) {
  std::ifstream in(std::string(TV_DWG_DIR) + "/" + name, std::ios::binary);
  EXPECT_TRUE(in) << "missing test drawing " << name << " in " << TV_DWG_DIR;
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A reader over bytes in memory, with the file's rules: fewer bytes at the end, none past it.
ui::RangeReader Over(const std::string& bytes) {
  return [&bytes](std::uint64_t offset, std::size_t count) {
    if (offset >= bytes.size()) return std::string();
    return bytes.substr(offset, count);
  };
}

// The preview's kind, or the error number it raised.
struct Outcome {
  PreviewKind kind = PreviewKind::kNone;
  int width = 0;
  int height = 0;
  int error = 0;
  bool operator==(const Outcome&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Outcome& o) {
  return out << "kind " << static_cast<int>(o.kind) << " " << o.width << "x" << o.height << " error " << o.error;
}

Outcome Read(const ui::RangeReader& reader) {
  try {
    ui::PreviewImage image = ui::ReadDrawingPreview(reader);
    return {image.kind, image.width, image.height, 0};
  } catch (const runtime::Error& e) {
    return {PreviewKind::kNone, 0, 0, e.Number()};
  }
}

void PutLe32(std::string& bytes, std::size_t at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<char>(value >> (8 * i));
}

TEST(DrawingPreview, ReadsTheImageEveryReleaseStores) {
  const struct {
    const char* file;
    Outcome expected;
  } cases[] = {
      {"Line_2000.dwg", {PreviewKind::kBmp, 256, 102}},
      {"Line_2004.dwg", {PreviewKind::kBmp, 256, 102}},
      {"Line_2007.dwg", {PreviewKind::kBmp, 256, 102}},
      {"Line_2010.dwg", {PreviewKind::kBmp, 256, 102}},
      {"Line_2013.dwg", {PreviewKind::kPng, 256, 102}},
      {"Line_2018.dwg", {}},
      {"example_r13.dwg", {PreviewKind::kBmp, 216, 140}},
      {"example_r14.dwg", {PreviewKind::kBmp, 216, 140}},
      {"example_2004.dwg", {PreviewKind::kBmp, 216, 140}},
      {"example_2000.dwg", {PreviewKind::kBmp, 184, 126}},
      {"example_2007.dwg", {PreviewKind::kBmp, 672, 448}},
      {"example_2010.dwg", {PreviewKind::kBmp, 672, 448}},
      {"example_2013.dwg", {PreviewKind::kPng, 670, 448}},
      {"example_2018.dwg", {PreviewKind::kPng, 852, 448}},
      {"sample_2000.dwg", {PreviewKind::kBmp, 180, 88}},
      {"sample_2018.dwg", {PreviewKind::kPng, 597, 448}},
      {"entities-2d_r11.dwg", {}},
      {"entities_r1.4.dwg", {}},
      {"entities_r10.dwg", {}},
      {"entities_r2.10.dwg", {}},
      {"entities_r2.6.dwg", {}},
      {"entities_r9.dwg", {}},
  };
  for (const auto& c : cases) {
    const std::string bytes = DrawingBytes(c.file);
    EXPECT_EQ(Read(Over(bytes)), c.expected) << c.file;
  }
}

// The image is handed on as the drawing stores it, and only the first bytes, the section's
// directory and the image itself are read.
TEST(DrawingPreview, ReadsOnlyTheDirectoryAndTheImage) {
  const std::string bytes = DrawingBytes("Line_2013.dwg");
  std::uint64_t readBytes = 0;
  ui::PreviewImage image = ui::ReadDrawingPreview([&](std::uint64_t offset, std::size_t count) {
    std::string part = offset >= bytes.size() ? std::string() : bytes.substr(offset, count);
    readBytes += part.size();
    return part;
  });
  ASSERT_EQ(image.kind, PreviewKind::kPng);
  EXPECT_EQ(image.bytes.size(), 950u);
  EXPECT_EQ(bytes.find(image.bytes), bytes.find("\x89PNG"));
  EXPECT_EQ(readBytes, 17u + 21u + 2u * 9u + 950u);
}

std::string Damaged(std::string bytes, std::size_t at, std::uint32_t value) {
  PutLe32(bytes, at, value);
  return bytes;
}

TEST(DrawingPreview, RefusesWhatIsNoDrawingOrADamagedSection) {
  const std::string line2000 = DrawingBytes("Line_2000.dwg");
  // Line_2000: section at 220, entries at 241 (header) and 250 (image).
  const struct {
    const char* what;
    std::string bytes;
  } cases[] = {
      {"a text file", "Hello drawing\r\nsecond line\r\n"},
      {"a .dxf", "  0\r\nSECTION\r\n  2\r\nHEADER\r\n  9\r\n$ACADVER\r\n  1\r\nAC1015\r\n"},
      {"5 bytes", "AC101"},
      {"no bytes", ""},
      {"letters for a release", "ACAB15" + line2000.substr(6)},
      {"cut inside the sentinel", line2000.substr(0, 230)},
      {"cut inside the image", line2000.substr(0, 400)},
      {"cut inside the offset", line2000.substr(0, 15)},
      {"a section past the end", Damaged(line2000, 13, 0x7FFFFFF0)},
      {"a section not at its sentinel", Damaged(line2000, 13, 224)},
      {"an image entry past the end", Damaged(line2000, 250 + 1, 0x7FFFFFF0)},
      {"an image that runs past the end", Damaged(line2000, 250 + 5, 0x00FFFFFF)},
      {"a bitmap entry without a bitmap", Damaged(line2000, 250 + 1, 0)},
  };
  for (const auto& c : cases) EXPECT_EQ(Read(Over(c.bytes)), Outcome{.error = 321}) << c.what;
}

TEST(DrawingPreview, AFileThatCannotBeReadIs75WhateverTheReaderSaid) {
  for (int number : {53, 76, 75, 70, 68, 52}) {
    Outcome outcome = Read([number](std::uint64_t, std::size_t) -> std::string { throw runtime::Error(number); });
    EXPECT_EQ(outcome, Outcome{.error = 75}) << number;
  }
  // A failure after the first bytes counts the same.
  const std::string bytes = DrawingBytes("sample_2000.dwg");
  Outcome late = Read([&bytes](std::uint64_t offset, std::size_t count) {
    if (offset > 0) throw runtime::Error(57);
    return bytes.substr(offset, count);
  });
  EXPECT_EQ(late, Outcome{.error = 75});
}

// An R14 drawing whose section holds a header and a metafile.
TEST(DrawingPreview, ReadsAMetafileEntry) {
  std::string metafile(18, '\0');
  metafile[0] = 1;                                         // in memory
  metafile[2] = 9;                                         // header words
  metafile[5] = 3;                                         // version 0x300
  metafile[6] = 9;                                         // size in words
  metafile += std::string("\x03\x00\x00\x00\x00\x00", 6);  // the end record
  std::string bytes = "AC1014";
  bytes.resize(32, '\0');
  PutLe32(bytes, 13, 32);
  bytes += std::string("\x1F\x25\x6D\x07\xD4\x36\x28\x28\x9D\x57\xCA\x3F\x9D\x44\x10\x2B", 16);
  bytes += std::string(4, '\0');
  bytes += '\x02';
  const std::size_t entries = bytes.size();
  bytes += std::string(18, '\0');
  bytes[entries] = 1;
  bytes[entries + 9] = 3;
  PutLe32(bytes, entries + 1, static_cast<std::uint32_t>(entries + 18));
  PutLe32(bytes, entries + 5, 80);
  bytes += std::string(80, 'h');
  PutLe32(bytes, entries + 10, static_cast<std::uint32_t>(bytes.size()));
  PutLe32(bytes, entries + 14, static_cast<std::uint32_t>(metafile.size()));
  bytes += metafile;

  ui::PreviewImage image = ui::ReadDrawingPreview(Over(bytes));
  EXPECT_EQ(image.kind, PreviewKind::kWmf);
  EXPECT_EQ(image.bytes, metafile);
  bytes[bytes.size() - metafile.size() + 2] = 7;  // not a metafile header
  EXPECT_EQ(Read(Over(bytes)), Outcome{.error = 321});
}

// Cut and flipped copies of the real drawings give an image, none or 321; never a crash or
// a read outside the bytes (the sanitizers watch the host build).
TEST(DrawingPreview, CutAndFlippedDrawingsNeverCrash) {
  for (const char* file : {"Line_2000.dwg", "Line_2018.dwg", "example_r13.dwg", "sample_2018.dwg", "sample_2000.dwg"}) {
    const std::string original = DrawingBytes(file);
    std::mt19937 random(20261210);
    const std::uint32_t section = static_cast<unsigned char>(original[13]) | static_cast<unsigned char>(original[14])
                                                                                 << 8;
    for (int round = 0; round < 200; ++round) {
      std::string bytes = original;
      if (round % 2 == 0) {
        bytes.resize(std::uniform_int_distribution<std::size_t>(0, section + 40000)(random) % (bytes.size() + 1));
      }
      const int flips = std::uniform_int_distribution<int>(0, 4)(random);
      for (int i = 0; i < flips && !bytes.empty(); ++i) {
        const std::size_t span = std::min<std::size_t>(bytes.size(), section + 120);
        const std::size_t at = std::uniform_int_distribution<std::size_t>(0, span - 1)(random);
        bytes[at] = static_cast<char>(bytes[at] ^ (1 << std::uniform_int_distribution<int>(0, 7)(random)));
      }
      Outcome outcome = Read(Over(bytes));
      EXPECT_TRUE(outcome.error == 0 || outcome.error == 321) << file << " round " << round << ": " << outcome;
    }
  }
}

}  // namespace
