// The word-at-a-time tests on short texts must answer as the plain ones do, for every length
// and every place of the byte looked for, whatever bytes lie around it.

#include "runtime/short_text.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace runtime {
namespace {

// Bytes of every kind but '\\', '$' and 'x', next to one another in many orders.
std::string Filler(std::size_t length, std::size_t seed) {
  std::string text;
  for (std::size_t i = 0; i < length; ++i) {
    auto c = static_cast<char>(1 + (i * 37 + seed * 11) % 255);
    if (c == '\\' || c == '$' || c == 'x') c = static_cast<char>(0x80);
    text += c;
  }
  return text;
}

TEST(ShortTextTest, FindLastByteFindsTheLastOfEveryPlacement) {
  for (std::size_t length = 0; length <= 40; ++length) {
    const std::string filler = Filler(length, length);
    EXPECT_EQ(FindLastByte(filler, '\\'), std::string_view::npos) << length;
    for (std::size_t first = 0; first < length; ++first) {
      for (std::size_t last = first; last < length; last += 3) {
        std::string text = filler;
        text[first] = '\\';
        text[last] = '\\';
        EXPECT_EQ(FindLastByte(text, '\\'), last) << length << " " << first << " " << last;
      }
    }
  }
}

TEST(ShortTextTest, HoldsByteAndSameTextAnswerAsThePlainTests) {
  for (std::size_t length = 0; length <= 40; ++length) {
    const std::string text = Filler(length, 3);
    EXPECT_FALSE(HoldsByte(text, 'x')) << length;
    EXPECT_TRUE(SameText(text, std::string(text))) << length;
    EXPECT_FALSE(SameText(text, text + "x")) << length;
    // A byte past the end of a text does not count.
    const std::string longer = text + "x";
    EXPECT_FALSE(HoldsByte(std::string_view(longer).substr(0, length), 'x')) << length;
    for (std::size_t at = 0; at < length; ++at) {
      std::string other = text;
      other[at] = 'x';
      EXPECT_TRUE(HoldsByte(other, 'x')) << length << " at " << at;
      EXPECT_FALSE(SameText(text, other)) << length << " at " << at;
      other[at] = static_cast<char>('x' ^ 0x80);  // the same low bits, the high bit set
      EXPECT_FALSE(HoldsByte(other, 'x')) << length << " at " << at;
    }
  }
}

}  // namespace
}  // namespace runtime
