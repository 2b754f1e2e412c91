#include "ui/text_list.h"

#include <algorithm>
#include <utility>

namespace ui {

namespace {

bool IsLineEnd(char c) {
  return c == '\r' || c == '\n';
}

// The number of lines FromLines makes of text.
std::size_t LineCount(std::string_view text) {
  std::size_t count = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n' || (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n'))) ++count;
  }
  if (!text.empty() && !IsLineEnd(text.back())) ++count;
  return count;
}

}  // namespace

// The characters of each line move down over the line ends before them, in place.
TextList TextList::FromLines(std::string text) {
  TextList list;
  list.ends_.reserve(LineCount(text));
  std::size_t to = 0;
  for (std::size_t from = 0; from < text.size(); ++from) {
    const char c = text[from];
    if (!IsLineEnd(c)) {
      text[to++] = c;
      continue;
    }
    list.ends_.push_back(static_cast<std::uint32_t>(to));
    if (c == '\r' && from + 1 < text.size() && text[from + 1] == '\n') ++from;
  }
  if (!text.empty() && !IsLineEnd(text.back())) list.ends_.push_back(static_cast<std::uint32_t>(to));
  text.resize(to);
  list.chars_ = std::move(text);
  return list;
}

void TextList::push_back(std::string_view text) {
  // Room grows by doubling, so a list filled text by text moves its characters a few times.
  if (chars_.size() + text.size() > chars_.capacity()) {
    chars_.reserve(std::max(chars_.size() + text.size(), 2 * chars_.capacity()));
  }
  chars_.append(text);
  ends_.push_back(static_cast<std::uint32_t>(chars_.size()));
}

void TextList::append(const TextList& other) {
  reserve_more(other.size(), other.chars_.size());
  const std::size_t offset = chars_.size();
  chars_.append(other.chars_);
  for (std::uint32_t end : other.ends_) ends_.push_back(static_cast<std::uint32_t>(offset + end));
}

void TextList::insert(std::size_t index, std::string_view text) {
  if (index == ends_.size()) {
    push_back(text);
    return;
  }
  const std::size_t begin = Begin(index);
  chars_.insert(begin, text);
  ends_.insert(ends_.begin() + static_cast<std::ptrdiff_t>(index), static_cast<std::uint32_t>(begin + text.size()));
  ShiftEnds(index + 1, static_cast<std::ptrdiff_t>(text.size()));
}

void TextList::erase(std::size_t index) {
  const std::size_t begin = Begin(index);
  const std::size_t length = ends_[index] - begin;
  chars_.erase(begin, length);
  ends_.erase(ends_.begin() + static_cast<std::ptrdiff_t>(index));
  ShiftEnds(index, -static_cast<std::ptrdiff_t>(length));
}

void TextList::replace(std::size_t index, std::string_view text) {
  const std::size_t begin = Begin(index);
  const std::size_t length = ends_[index] - begin;
  chars_.replace(begin, length, text);
  ShiftEnds(index, static_cast<std::ptrdiff_t>(text.size()) - static_cast<std::ptrdiff_t>(length));
}

void TextList::erase_flagged(const std::vector<bool>& remove) {
  std::size_t kept = 0;
  std::size_t to = 0;
  std::size_t begin = 0;
  for (std::size_t i = 0; i < ends_.size(); ++i) {
    const std::size_t end = ends_[i];
    if (i >= remove.size() || !remove[i]) {
      // A kept text moves down (or stays), never onto characters not yet read.
      std::copy(chars_.begin() + static_cast<std::ptrdiff_t>(begin), chars_.begin() + static_cast<std::ptrdiff_t>(end),
                chars_.begin() + static_cast<std::ptrdiff_t>(to));
      to += end - begin;
      ends_[kept++] = static_cast<std::uint32_t>(to);
    }
    begin = end;
  }
  chars_.resize(to);
  ends_.resize(kept);
}

void TextList::clear() {
  std::string().swap(chars_);
  std::vector<std::uint32_t>().swap(ends_);
}

void TextList::BlankNuls() {
  std::replace(chars_.begin(), chars_.end(), '\0', ' ');
}

// Room grows at least by doubling, so a list filled a block at a time moves its texts a few
// times, not once per block.
void TextList::reserve_more(std::size_t count, std::size_t bytes) {
  if (chars_.size() + bytes > chars_.capacity()) chars_.reserve(std::max(chars_.size() + bytes, 2 * chars_.capacity()));
  if (ends_.size() + count > ends_.capacity()) ends_.reserve(std::max(ends_.size() + count, 2 * ends_.capacity()));
}

void TextList::ShiftEnds(std::size_t index, std::ptrdiff_t delta) {
  for (std::size_t i = index; i < ends_.size(); ++i) {
    ends_[i] = static_cast<std::uint32_t>(static_cast<std::ptrdiff_t>(ends_[i]) + delta);
  }
}

}  // namespace ui
