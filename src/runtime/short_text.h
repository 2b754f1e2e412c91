#pragma once

#include <bit>
#include <cstdint>
#include <cstring>
#include <string_view>

// Tests on texts that are mostly a few bytes long (tag values, settings): from 4 to 16 bytes
// they are read a word at a time, without a call. Longer and shorter texts go the usual way.
namespace runtime {

namespace short_text {

// The text's first and last 8 bytes (4 for a text of 4 to 7), which together cover it.
struct Words {
  std::uint64_t head = 0;
  std::uint64_t tail = 0;
};

inline Words WordsOf(std::string_view text) {
  Words words;
  const std::size_t n = text.size();
  if (n >= 8) {
    std::memcpy(&words.head, text.data(), 8);
    std::memcpy(&words.tail, text.data() + n - 8, 8);
  } else {
    std::uint32_t head = 0;
    std::uint32_t tail = 0;
    std::memcpy(&head, text.data(), 4);
    std::memcpy(&tail, text.data() + n - 4, 4);
    words.head = head;
    words.tail = tail;
  }
  return words;
}

inline bool Short(std::size_t n) {
  return n >= 4 && n <= 16;
}

constexpr std::uint64_t kOnes = 0x0101010101010101;
constexpr std::uint64_t kLowBits = 0x7F7F7F7F7F7F7F7F;

// True when a byte of word is c: the word then has a zero byte after the exclusive or.
inline bool ByteIn(std::uint64_t word, char c) {
  const std::uint64_t v = word ^ (kOnes * static_cast<unsigned char>(c));
  return ((v - kOnes) & ~v & ~kLowBits) != 0;
}

// The high bit of every byte of word that is c, and no other bit.
inline std::uint64_t BytesEqual(std::uint64_t word, char c) {
  const std::uint64_t v = word ^ (kOnes * static_cast<unsigned char>(c));
  return ~(((v & kLowBits) + kLowBits) | v | kLowBits);
}

}  // namespace short_text

// True when text holds the byte c. c must not be '\0': a text of 4 to 7 bytes is read into
// words padded with zeros.
inline bool HoldsByte(std::string_view text, char c) {
  if (short_text::Short(text.size())) {
    const short_text::Words words = short_text::WordsOf(text);
    return short_text::ByteIn(words.head, c) || short_text::ByteIn(words.tail, c);
  }
  if (text.size() < 4) {
    for (char byte : text) {
      if (byte == c) return true;
    }
    return false;
  }
  return text.find(c) != std::string_view::npos;
}

// The position of the last c in text; npos when there is none. The text is read a word at a
// time from its end, as the last c of a path (its last "\\") lies near it.
inline std::size_t FindLastByte(std::string_view text, char c) {
  std::size_t end = text.size();
  for (; end >= 8; end -= 8) {
    std::uint64_t word = 0;
    std::memcpy(&word, text.data() + end - 8, 8);
    const std::uint64_t found = short_text::BytesEqual(word, c);
    if (found != 0) return end - 8 + static_cast<std::size_t>(63 - std::countl_zero(found)) / 8;
  }
  while (end > 0) {
    --end;
    if (text[end] == c) return end;
  }
  return std::string_view::npos;
}

// True when the two texts are the same bytes.
inline bool SameText(std::string_view a, std::string_view b) {
  const std::size_t n = a.size();
  if (n != b.size()) return false;
  if (n > 16) return a == b;
  if (n < 4) {
    for (std::size_t i = 0; i < n; ++i) {
      if (a[i] != b[i]) return false;
    }
    return true;
  }
  const short_text::Words x = short_text::WordsOf(a);
  const short_text::Words y = short_text::WordsOf(b);
  return x.head == y.head && x.tail == y.tail;
}

}  // namespace runtime
