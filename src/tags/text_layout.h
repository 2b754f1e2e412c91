#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/short_text.h"
#include "tags/tag_vocabulary.h"

namespace tags {

// A "$" of a text and the tag its span, from it to the next "$", spells.
struct Dollar {
  std::size_t position;
  std::size_t tag = TagVocabulary::kNone;
  std::size_t origin = TagVocabulary::kNone;  // its index before the last replacement; kNone when new
};

// A set of tag indexes of a vocabulary.
class StepSet {
 public:
  void Add(std::size_t step) { words_[step / 64] |= std::uint64_t{1} << (step % 64); }
  bool Has(std::size_t step) const { return (words_[step / 64] >> (step % 64) & 1) != 0; }
  // The lowest step at or after from, or kNone.
  std::size_t Next(std::size_t from) const {
    for (std::size_t word = from / 64; word < words_.size(); ++word) {
      std::uint64_t bits = words_[word];
      if (word == from / 64) bits &= ~std::uint64_t{0} << (from % 64);
      if (bits != 0) return word * 64 + static_cast<std::size_t>(std::countr_zero(bits));
    }
    return TagVocabulary::kNone;
  }

 private:
  std::array<std::uint64_t, TagVocabulary::kMostTags / 64> words_{};
};

// True when text holds a "$".
inline bool HoldsDollar(std::string_view text) {
  return runtime::HoldsByte(text, '$');
}

// A span of a text that spells a tag: from its opening "$" up to, not including, end.
struct Occurrence {
  std::size_t begin;
  std::size_t end;
  std::size_t tag;
};

// Where the tags of a text stand.
struct TextLayout {
  std::vector<Dollar> dollars;          // every "$" of the text, in order
  StepSet steps;                        // the tags the spans spell
  std::vector<Occurrence> occurrences;  // every span that spells a tag, in order
  // No two tags share a "$", and no text joined around a replaced tag can be short enough
  // to spell another: replacing every tag in one pass then comes to the same as replacing
  // them one step at a time, provided no value holds a "$".
  bool standApart = true;
};

// Fills in the tags the spans of text spell and gives the set of them. A span between two
// "$" that were neighbours before a replacement (origin, in before) holds the same text as
// then, so it spells the same tag without a look-up.
StepSet LookUpSpans(const TagVocabulary& vocabulary, std::vector<Dollar>& dollars, std::string_view text,
                    const std::vector<Dollar>& before);

// The layout of text for the tags of vocabulary.
void ScanLayout(const TagVocabulary& vocabulary, std::string_view text, TextLayout& layout);

// The layouts of the texts met last, so that a text that comes again (the same script for
// every drawing of a build) is not scanned again. Holds a few texts: the least recently
// used one makes room for a new one.
class LayoutCache {
 public:
  const TextLayout& For(const TagVocabulary& vocabulary, std::string_view text);

 private:
  static constexpr std::size_t kTexts = 16;

  struct Entry {
    std::uint64_t vocabulary = 0;  // TagVocabulary::Id(); 0 for an empty entry
    std::string text;
    TextLayout layout;
    std::uint64_t lastUse = 0;
  };

  std::array<Entry, kTexts> entries_;
  std::uint64_t uses_ = 0;
};

}  // namespace tags
