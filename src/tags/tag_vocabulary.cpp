#include "tags/tag_vocabulary.h"

#include <algorithm>
#include <atomic>
#include <bit>
#include <stdexcept>

#include "runtime/text.h"

namespace tags {

namespace {

std::uint64_t NewVocabularyId() {
  static std::atomic<std::uint64_t> last{0};
  return ++last;
}

}  // namespace

TagVocabulary::TagVocabulary(std::vector<std::string> tags) : id_(NewVocabularyId()), tags_(std::move(tags)) {
  if (tags_.size() > kMostTags) throw std::invalid_argument("too many tags");
  for (int c = 0; c < 256; ++c) upper_[static_cast<std::size_t>(c)] = runtime::UpperCase(static_cast<char>(c));
  slots_.assign(std::bit_ceil(4 * tags_.size() + 1), 0);
  for (std::size_t i = 0; i < tags_.size(); ++i) {
    std::string& tag = tags_[i];
    const bool wellFormed = tag.size() >= 3 && tag.size() <= kLongestTag && tag.front() == '$' && tag.back() == '$' &&
                            tag.find('$', 1) == tag.size() - 1;
    if (!wellFormed) throw std::invalid_argument("not a tag: " + tag);
    tag = runtime::UpperCase(tag);
    longest_ = std::max(longest_, tag.size());
    lengths_ |= std::uint64_t{1} << tag.size();
    std::size_t slot = Hash(tag) & (slots_.size() - 1);
    while (slots_[slot] != 0) slot = (slot + 1) & (slots_.size() - 1);
    slots_[slot] = static_cast<std::uint32_t>(i + 1);
  }
}

// Looks at the length and three characters of the name only: cheap, and enough to keep
// the tags of a vocabulary apart. Candidates have at least three characters.
std::uint32_t TagVocabulary::Hash(std::string_view candidate) const {
  auto at = [&](std::size_t i) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(upper_[static_cast<unsigned char>(candidate[i])]));
  };
  const std::size_t size = candidate.size();
  const std::uint32_t key = static_cast<std::uint32_t>(size) << 24 | at(1) << 16 | at(size / 2) << 8 | at(size - 2);
  return key * 2654435761u >> 7;
}

bool TagVocabulary::Same(std::string_view candidate, std::size_t index) const {
  const std::string& tag = tags_[index];
  if (candidate.size() != tag.size()) return false;
  for (std::size_t i = 0; i < tag.size(); ++i) {
    if (upper_[static_cast<unsigned char>(candidate[i])] != tag[i]) return false;
  }
  return true;
}

std::size_t TagVocabulary::IndexOf(std::string_view candidate) const {
  if (candidate.size() > longest_ || (lengths_ >> candidate.size() & 1) == 0) return kNone;
  for (std::size_t slot = Hash(candidate) & (slots_.size() - 1); slots_[slot] != 0;
       slot = (slot + 1) & (slots_.size() - 1)) {
    if (Same(candidate, slots_[slot] - 1)) return slots_[slot] - 1;
  }
  return kNone;
}

std::size_t TagVocabulary::FirstIn(std::string_view text, std::size_t from) const {
  std::size_t first = kNone;
  std::size_t open = text.find('$');
  while (open != std::string_view::npos) {
    const std::size_t close = text.find('$', open + 1);
    if (close == std::string_view::npos) break;
    const std::size_t found = IndexOf(text.substr(open, close - open + 1));
    if (found >= from && found < first) first = found;
    open = close;
  }
  return first;
}

}  // namespace tags
