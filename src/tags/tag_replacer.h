#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "tags/tag_vocabulary.h"

namespace tags {

// Replaces the tags of a vocabulary in a text, in the vocabulary's order. Each step replaces
// every occurrence of its tag from left to right, ignoring letter case and going on after
// the inserted value, so a value may hold a tag of a later step (which that step then
// replaces) but never feeds its own step or an earlier one. Steps whose tag does not occur
// in the text are skipped, which changes nothing. valueOf(index) is asked at most once per
// step, and only for tags that occur in the text.
//
// The replacer tracks the positions of the text's "$" characters and, for each span from one
// "$" to the next, the tag it spells; a replacement keeps what it can of this and looks up
// only the spans it changed, so the text is scanned once. A replacer keeps its buffers from
// one text to the next.
class TagReplacer {
 public:
  template <typename ValueOf>
  std::string Run(const TagVocabulary& vocabulary, std::string_view text, ValueOf&& valueOf);

 private:
  static constexpr std::size_t kNone = TagVocabulary::kNone;

  struct Dollar {
    std::size_t position;
    std::size_t tag = kNone;     // spelled by the span from here to the next "$"
    std::size_t origin = kNone;  // its index before the last replacement; kNone when new
  };

  // The tags the spans of the text spell, one bit per tag index.
  class StepSet {
   public:
    void Add(std::size_t step) { words_[step / 64] |= std::uint64_t{1} << (step % 64); }
    // The lowest step at or after from, or kNone.
    std::size_t Next(std::size_t from) const;

   private:
    std::array<std::uint64_t, TagVocabulary::kMostTags / 64> words_{};
  };

  void Start(const TagVocabulary& vocabulary, std::string_view text);
  std::string_view Text() const { return replaced_ ? std::string_view(text_) : source_; }
  // Fills in the tags the spans of text spell and gives the set of them.
  StepSet LookUpSpans(std::vector<Dollar>& dollars, std::string_view text) const;
  // The lowest index at or after from whose tag occurs in the text now, or kNone.
  std::size_t NextStep(std::size_t from) const { return steps_.Next(from); }
  // Replaces every occurrence of the tag at index, exactly as runtime::ReplaceAllNoCase
  // does.
  void Replace(std::size_t index, std::string_view value);
  // True when replacing the tags one step at a time comes to the same as replacing every
  // tag of the text in one pass, provided no value holds a "$": no two tags share a "$",
  // and no text joined around a replaced tag can be short enough to spell another.
  bool TagsStandApart() const;
  std::string ReplaceAllAtOnce() const;
  std::string TakeText();

  const std::string* FindValue(std::size_t step) const;
  template <typename ValueOf>
  const std::string& Value(std::size_t step, ValueOf& valueOf);

  const TagVocabulary* vocabulary_ = nullptr;
  std::string_view source_;
  std::string text_;  // the text once a replacement has changed it
  bool replaced_ = false;
  std::vector<Dollar> dollars_;
  StepSet steps_;
  std::vector<std::pair<std::size_t, std::string>> values_;  // asked for so far, by step
  // Scratch of Replace.
  std::string nextText_;
  std::vector<Dollar> nextDollars_;
};

template <typename ValueOf>
const std::string& TagReplacer::Value(std::size_t step, ValueOf& valueOf) {
  if (const std::string* known = FindValue(step)) return *known;
  values_.emplace_back(step, valueOf(step));
  return values_.back().second;
}

template <typename ValueOf>
std::string TagReplacer::Run(const TagVocabulary& vocabulary, std::string_view text, ValueOf&& valueOf) {
  Start(vocabulary, text);
  if (TagsStandApart()) {
    bool plain = true;
    for (std::size_t step = NextStep(0); plain && step != kNone; step = NextStep(step + 1)) {
      plain = Value(step, valueOf).find('$') == std::string::npos;
    }
    if (plain) return ReplaceAllAtOnce();
  }
  for (std::size_t step = NextStep(0); step != kNone; step = NextStep(step + 1)) {
    Replace(step, Value(step, valueOf));
  }
  return TakeText();
}

// A replacement with a replacer of its own.
template <typename ValueOf>
std::string ReplaceInOrder(std::string_view text, const TagVocabulary& vocabulary, ValueOf&& valueOf) {
  return TagReplacer().Run(vocabulary, text, valueOf);
}

}  // namespace tags
