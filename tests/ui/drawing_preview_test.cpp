#include "ui/drawing_preview.h"

#include <gtest/gtest.h>

#include <random>
#include <sstream>
#include <string>

#include "runtime/error.h"
#include "support/made_up_drawing.h"
#include "support/real_drawings.h"

namespace {

using ui::PreviewKind;

using test::RealDrawingBytes;

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
  TV_SKIP_WITHOUT_REAL_DRAWINGS();
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
    const std::string bytes = RealDrawingBytes(c.file);
    EXPECT_EQ(Read(Over(bytes)), c.expected) << c.file;
  }
}

// The image is handed on as the drawing stores it, and only the first bytes, the section's
// directory and the image itself are read.
TEST(DrawingPreview, ReadsOnlyTheDirectoryAndTheImage) {
  TV_SKIP_WITHOUT_REAL_DRAWINGS();
  const std::string bytes = RealDrawingBytes("Line_2013.dwg");
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
  TV_SKIP_WITHOUT_REAL_DRAWINGS();
  const std::string line2000 = RealDrawingBytes("Line_2000.dwg");
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
  const std::string bytes = test::MadeUpDrawing("AC1015", {{test::kBmpEntry, test::TinyBmp()}});
  Outcome late = Read([&bytes](std::uint64_t offset, std::size_t count) {
    if (offset > 0) throw runtime::Error(57);
    return bytes.substr(offset, count);
  });
  EXPECT_EQ(late, Outcome{.error = 75});
}

// A drawing of the given release whose image section lists a header entry and one image
// entry (code 2 a bitmap, 3 a metafile, 6 a PNG) holding image, padded with zeros to at least size bytes.
std::string DrawingWithImage(const std::string& release, char code, const std::string& image, std::size_t size = 0) {
  std::string bytes = release;
  bytes.resize(32, '\0');
  PutLe32(bytes, 13, 32);
  bytes += std::string("\x1F\x25\x6D\x07\xD4\x36\x28\x28\x9D\x57\xCA\x3F\x9D\x44\x10\x2B", 16);
  bytes += std::string(4, '\0');
  bytes += '\x02';
  const std::size_t entries = bytes.size();
  bytes += std::string(18, '\0');
  bytes[entries] = 1;
  bytes[entries + 9] = code;
  PutLe32(bytes, entries + 1, static_cast<std::uint32_t>(entries + 18));
  PutLe32(bytes, entries + 5, 80);
  bytes += std::string(80, 'h');
  PutLe32(bytes, entries + 10, static_cast<std::uint32_t>(bytes.size()));
  PutLe32(bytes, entries + 14, static_cast<std::uint32_t>(image.size()));
  bytes += image;
  if (bytes.size() < size) bytes.resize(size, '\0');
  return bytes;
}

TEST(DrawingPreview, ReadsAMetafileEntry) {
  std::string metafile(18, '\0');
  metafile[0] = 1;                                         // in memory
  metafile[2] = 9;                                         // header words
  metafile[5] = 3;                                         // version 0x300
  metafile[6] = 9;                                         // size in words
  metafile += std::string("\x03\x00\x00\x00\x00\x00", 6);  // the end record
  // An R14 drawing whose section holds a header and the metafile.
  std::string bytes = DrawingWithImage("AC1014", 3, metafile);

  ui::PreviewImage image = ui::ReadDrawingPreview(Over(bytes));
  EXPECT_EQ(image.kind, PreviewKind::kWmf);
  EXPECT_EQ(image.bytes, metafile);
  bytes[bytes.size() - metafile.size() + 2] = 7;  // not a metafile header
  EXPECT_EQ(Read(Over(bytes)), Outcome{.error = 321});
}

void PutBe32(std::string& bytes, std::uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) bytes += static_cast<char>(value >> shift);
}

// A PNG's signature, an IHDR chunk of 8-bit RGBA at width x height, and a short IDAT chunk:
// what a reader sees before it decodes. The checksums are not checked before decoding.
std::string PngHeader(std::uint32_t width, std::uint32_t height) {
  std::string png("\x89PNG\r\n\x1a\n", 8);
  PutBe32(png, 13);
  png += "IHDR";
  PutBe32(png, width);
  PutBe32(png, height);
  png += std::string("\x08\x06\x00\x00\x00", 5);
  PutBe32(png, 0);
  PutBe32(png, 10);
  png += "IDAT";
  png += std::string("\x78\x9c\x63\x60\x00\x00\x00\x02\x00\x01", 10);
  PutBe32(png, 0);
  return png;
}

// A bitmap's header of 24-bit pixels at width x height (a negative height stores the rows top
// down) and room for all its pixels.
std::string BitmapOf(std::int32_t width, std::int32_t height) {
  std::string dib(40, '\0');
  PutLe32(dib, 0, 40);
  PutLe32(dib, 4, static_cast<std::uint32_t>(width));
  PutLe32(dib, 8, static_cast<std::uint32_t>(height));
  dib[12] = 1;
  dib[14] = 24;
  const std::size_t rowBytes = (std::size_t(width) * 24 + 31) / 32 * 4;
  dib.resize(40 + rowBytes * std::size_t(height < 0 ? -std::int64_t(height) : height), '\0');
  return dib;
}

// A stored preview is a few hundred pixels; one past 4096 either way is refused before it is
// decoded, however few bytes declare it.
TEST(DrawingPreview, RefusesAnImagePastTheSizeBudget) {
  const struct {
    const char* what;
    char code;
    std::string image;
    Outcome expected;
  } cases[] = {
      {"a PNG of 4096 x 4096", 6, PngHeader(4096, 4096), {PreviewKind::kPng, 4096, 4096}},
      {"a PNG of 4097 wide", 6, PngHeader(4097, 1), {.error = 321}},
      {"a PNG of 4097 high", 6, PngHeader(1, 4097), {.error = 321}},
      {"a PNG of 16384 x 16384", 6, PngHeader(16384, 16384), {.error = 321}},
      {"a PNG of 32768 x 32768", 6, PngHeader(32768, 32768), {.error = 321}},
      {"a PNG of 4 G x 4 G", 6, PngHeader(0xFFFFFFFF, 0xFFFFFFFF), {.error = 321}},
      {"a bitmap of 4096 x 1", 2, BitmapOf(4096, 1), {PreviewKind::kBmp, 4096, 1}},
      {"a bitmap of 1 x 4096", 2, BitmapOf(1, 4096), {PreviewKind::kBmp, 1, 4096}},
      {"a bitmap of 1 x -4096", 2, BitmapOf(1, -4096), {PreviewKind::kBmp, 1, 4096}},
      {"a bitmap of 4097 x 1", 2, BitmapOf(4097, 1), {.error = 321}},
      {"a bitmap of 1 x 4097", 2, BitmapOf(1, 4097), {.error = 321}},
      {"a bitmap of 1 x -4097", 2, BitmapOf(1, -4097), {.error = 321}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Read(Over(DrawingWithImage("AC1027", c.code, c.image))), c.expected) << c.what;
  }
}

// The file that once ended the program: 8 KB, a 2013 drawing whose PNG declares 32768 x 32768
// RGBA pixels (4 GiB decoded) over a short IDAT.
TEST(DrawingPreview, AnEightKilobyteDrawingDeclaringFourGigabytesIsUnreadable) {
  const std::string bytes = DrawingWithImage("AC1027", 6, PngHeader(32768, 32768), 8192);
  ASSERT_EQ(bytes.size(), 8192u);
  EXPECT_EQ(Read(Over(bytes)), Outcome{.error = 321});
}

// Cut and flipped copies of the real drawings give an image, none or 321; never a crash or
// a read outside the bytes (the sanitizers watch the host build).
TEST(DrawingPreview, CutAndFlippedDrawingsNeverCrash) {
  TV_SKIP_WITHOUT_REAL_DRAWINGS();
  for (const char* file : {"Line_2000.dwg", "Line_2018.dwg", "example_r13.dwg", "sample_2018.dwg", "sample_2000.dwg"}) {
    const std::string original = RealDrawingBytes(file);
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

// Made-up drawings: a release's first bytes and a preview section with the images put in, so
// the reader is tested on a clone without the real drawings too.
using test::kBmpEntry;
using test::kHeaderEntry;
using test::kPngEntry;
using test::MadeUpDrawing;
using test::TinyBmp;
using test::TinyPng;

const std::string kHeaderBytes(80, 'h');

std::string BmpDrawing() {
  return MadeUpDrawing("AC1015", {{kHeaderEntry, kHeaderBytes}, {kBmpEntry, TinyBmp()}});
}

TEST(DrawingPreview, ReadsTheImageOfAMadeUpDrawing) {
  const struct {
    const char* what;
    std::string bytes;
    Outcome expected;
  } cases[] = {
      {"R2000 with a bitmap", BmpDrawing(), {PreviewKind::kBmp, 2, 3}},
      {"R13 with a bitmap only", MadeUpDrawing("AC1012", {{kBmpEntry, TinyBmp()}}), {PreviewKind::kBmp, 2, 3}},
      {"R2013 with a PNG",
       MadeUpDrawing("AC1027", {{kHeaderEntry, kHeaderBytes}, {kPngEntry, TinyPng()}}),
       {PreviewKind::kPng, 3, 2}},
      {"the first image of two",
       MadeUpDrawing("AC1018", {{kHeaderEntry, kHeaderBytes}, {kPngEntry, TinyPng()}, {kBmpEntry, TinyBmp()}}),
       {PreviewKind::kPng, 3, 2}},
      {"a header and no image", MadeUpDrawing("AC1032", {{kHeaderEntry, kHeaderBytes}}), {}},
      {"an empty section", MadeUpDrawing("AC1032", {}), {}},
      {"R11, read no further", "AC1009" + std::string(10, '\xFF'), {}},
      {"R1.4, read no further", "AC1.40", {}},
  };
  for (const auto& c : cases) EXPECT_EQ(Read(Over(c.bytes)), c.expected) << c.what;
}

TEST(DrawingPreview, ReadsOnlyTheDirectoryAndTheImageOfAMadeUpDrawing) {
  const std::string bytes = MadeUpDrawing("AC1027", {{kHeaderEntry, kHeaderBytes}, {kPngEntry, TinyPng()}});
  std::uint64_t readBytes = 0;
  ui::PreviewImage image = ui::ReadDrawingPreview([&](std::uint64_t offset, std::size_t count) {
    std::string part = offset >= bytes.size() ? std::string() : bytes.substr(offset, count);
    readBytes += part.size();
    return part;
  });
  ASSERT_EQ(image.kind, PreviewKind::kPng);
  EXPECT_EQ(image.bytes, TinyPng());
  EXPECT_EQ(readBytes, 17u + 21u + 2u * 9u + TinyPng().size());
}

TEST(DrawingPreview, RefusesADamagedMadeUpDrawing) {
  const std::string bmp = BmpDrawing();
  // The entries lie at kMadeUpEntries (the header) and kMadeUpEntries + 9 (the bitmap).
  const std::size_t image = test::kMadeUpEntries + 9;
  std::string shortRows = TinyBmp();
  shortRows.resize(shortRows.size() - 1);
  std::string noHeaderChunk = TinyPng();
  noHeaderChunk[12] = 'X';
  const struct {
    const char* what;
    std::string bytes;
  } cases[] = {
      {"letters for a release", "ACAB15" + bmp.substr(6)},
      {"cut inside the sentinel", bmp.substr(0, test::kMadeUpSection + 8)},
      {"cut inside the entries", bmp.substr(0, image + 4)},
      {"cut inside the image", bmp.substr(0, bmp.size() - 1)},
      {"a section past the end", Damaged(bmp, 13, 0x7FFFFFF0)},
      {"a section not at its sentinel", Damaged(bmp, 13, test::kMadeUpSection + 4)},
      {"an image entry past the end", Damaged(bmp, image + 1, 0x7FFFFFF0)},
      {"an image that runs past the end", Damaged(bmp, image + 5, 0x00FFFFFF)},
      {"a bitmap entry without a bitmap", Damaged(bmp, image + 5, 0)},
      {"a bitmap short of its rows", MadeUpDrawing("AC1015", {{kBmpEntry, shortRows}})},
      {"a PNG without its header chunk", MadeUpDrawing("AC1027", {{kPngEntry, noHeaderChunk}})},
  };
  for (const auto& c : cases) EXPECT_EQ(Read(Over(c.bytes)), Outcome{.error = 321}) << c.what;
}

// Cut and flipped copies of made-up drawings give an image, none or 321; never a crash or a
// read outside the bytes (the sanitizers watch the host build).
TEST(DrawingPreview, CutAndFlippedMadeUpDrawingsNeverCrash) {
  const std::string originals[] = {BmpDrawing(),
                                   MadeUpDrawing("AC1027", {{kHeaderEntry, kHeaderBytes}, {kPngEntry, TinyPng()}})};
  std::mt19937 random(20261211);
  for (const std::string& original : originals) {
    for (int round = 0; round < 400; ++round) {
      std::string bytes = original;
      if (round % 2 == 0) bytes.resize(std::uniform_int_distribution<std::size_t>(0, bytes.size())(random));
      const int flips = std::uniform_int_distribution<int>(0, 4)(random);
      for (int i = 0; i < flips && !bytes.empty(); ++i) {
        const std::size_t at = std::uniform_int_distribution<std::size_t>(0, bytes.size() - 1)(random);
        bytes[at] = static_cast<char>(bytes[at] ^ (1 << std::uniform_int_distribution<int>(0, 7)(random)));
      }
      Outcome outcome = Read(Over(bytes));
      EXPECT_TRUE(outcome.error == 0 || outcome.error == 321) << "round " << round << ": " << outcome;
    }
  }
}

}  // namespace
