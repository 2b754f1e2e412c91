#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ui {

// A sequence of texts kept in one block of characters with the end of each text beside it, so
// that a long list costs its characters and four bytes a text instead of a string object and a
// heap block each. A text read through operator[] stays valid until the list changes.
class TextList {
 public:
  // The lines of text, split where runtime::SplitLines splits them: at CR LF, a lone CR or a
  // lone LF; a last line without an end is a line too, an empty text has none. The lines stay
  // in text's own block of characters, so a file read whole becomes the list without a second
  // copy of it.
  static TextList FromLines(std::string text);

  std::size_t size() const { return ends_.size(); }
  bool empty() const { return ends_.empty(); }
  std::string_view operator[](std::size_t index) const {
    const std::size_t begin = index == 0 ? 0 : ends_[index - 1];
    return std::string_view(chars_).substr(begin, ends_[index] - begin);
  }

  void push_back(std::string_view text);
  // Appends the texts of another list.
  void append(const TextList& other);
  // Puts text before the text at index (index == size() appends).
  void insert(std::size_t index, std::string_view text);
  void erase(std::size_t index);
  void replace(std::size_t index, std::string_view text);
  // Keeps the texts whose flag is unset (flags past the end count as unset), in their order.
  void erase_flagged(const std::vector<bool>& remove);
  void clear();
  // Puts a blank in place of every NUL character.
  void BlankNuls();
  // Room for count more texts of bytes characters in all.
  void reserve_more(std::size_t count, std::size_t bytes);

 private:
  std::size_t Begin(std::size_t index) const { return index == 0 ? 0 : ends_[index - 1]; }
  // Moves the ends of the texts from index on by delta characters.
  void ShiftEnds(std::size_t index, std::ptrdiff_t delta);

  std::string chars_;
  std::vector<std::uint32_t> ends_;
};

}  // namespace ui
