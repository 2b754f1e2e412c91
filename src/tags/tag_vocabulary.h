#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tags {

// An ordered list of tags ("$NAME$", the name free of "$"), with a quick way to tell which
// tag a piece of text spells.
//
// A tag can only match where a "$" opens it, and its closing "$" is then the next "$" of the
// text, because a name holds none. So a text's only candidates are the spans from each "$"
// to the next one.
class TagVocabulary {
 public:
  static constexpr std::size_t kNone = static_cast<std::size_t>(-1);
  static constexpr std::size_t kMostTags = 128;

  // Throws std::invalid_argument for a tag that is not "$" + a name without "$" + "$", or
  // longer than 63 characters, and for more than kMostTags tags.
  explicit TagVocabulary(std::vector<std::string> tags);

  // Tells vocabularies apart: copies share it, no other vocabulary of the run has it.
  std::uint64_t Id() const { return id_; }
  std::size_t Size() const { return tags_.size(); }
  std::size_t Longest() const { return longest_; }
  const std::string& Tag(std::size_t index) const { return tags_[index]; }

  // The index of the tag that candidate spells (letter case ignored), or kNone.
  std::size_t IndexOf(std::string_view candidate) const;

  // The lowest index at or after from whose tag occurs in text, or kNone.
  std::size_t FirstIn(std::string_view text, std::size_t from = 0) const;

 private:
  static constexpr std::size_t kLongestTag = 63;

  std::uint32_t Hash(std::string_view candidate) const;
  bool Same(std::string_view candidate, std::size_t index) const;

  std::uint64_t id_;
  std::vector<std::string> tags_;     // upper case
  std::array<char, 256> upper_{};     // the code page's upper case of every character
  std::vector<std::uint32_t> slots_;  // open addressing: tag index + 1, 0 for empty
  std::uint64_t lengths_ = 0;         // bit n set when some tag has n characters
  std::size_t longest_ = 0;
};

}  // namespace tags
