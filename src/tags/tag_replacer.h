#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "tags/tag_vocabulary.h"

namespace tags {

// The values of the steps asked for so far in one substitution, so each is computed once.
class StepValues {
 public:
  const std::string* Find(std::size_t step) const;
  const std::string& Add(std::size_t step, std::string value);

 private:
  std::vector<std::pair<std::size_t, std::string>> values_;
};

// A text during a substitution: the text, the positions of its "$" characters and, for each
// span from one "$" to the next, the tag it spells. A replacement keeps what it can of this
// and looks up only the spans it changed, so the text is scanned once.
class TagReplacer {
 public:
  // text must outlive the replacer.
  TagReplacer(const TagVocabulary& vocabulary, std::string_view text);

  // The lowest index at or after from whose tag occurs in the text now, or kNone.
  std::size_t NextStep(std::size_t from) const;

  // Replaces every occurrence of the tag at index, exactly as runtime::ReplaceAllNoCase
  // does: from left to right, letter case ignored, going on after each inserted value.
  void Replace(std::size_t index, std::string_view value);

  // True when replacing the tags one step at a time comes to the same as replacing every
  // tag of the text in one pass, provided no value holds a "$": no two tags share a "$",
  // and no text joined around a replaced tag can be short enough to spell another.
  bool TagsStandApart() const;
  // The text with every tag replaced by its value in one pass; each value must be in values.
  std::string ReplaceAllAtOnce(const StepValues& values) const;

  // The text as it stands.
  std::string TakeText();

 private:
  static constexpr std::size_t kNew = TagVocabulary::kNone;

  struct Dollar {
    std::size_t position;
    std::size_t tag = TagVocabulary::kNone;  // spelled by the span from here to the next "$"
    std::size_t origin = kNew;               // its index before the last replacement, if any
  };

  std::string_view Text() const { return replaced_ ? std::string_view(text_) : source_; }
  void LookUpSpans(std::vector<Dollar>& dollars, std::string_view text) const;

  const TagVocabulary& vocabulary_;
  std::string_view source_;
  std::string text_;  // the text once a replacement has changed it
  bool replaced_ = false;
  std::vector<Dollar> dollars_;
  // Scratch of Replace, kept so that its buffers serve every step.
  std::string nextText_;
  std::vector<Dollar> nextDollars_;
};

// Replaces the tags of the vocabulary in its order. Each step replaces every occurrence of
// its tag from left to right, ignoring letter case and going on after the inserted value, so
// a value may hold a tag of a later step (which that step then replaces) but never feeds its
// own step or an earlier one. Steps whose tag does not occur in the text are skipped, which
// changes nothing. valueOf(index) is asked at most once per step, and only for tags that
// occur in the text.
template <typename ValueOf>
std::string ReplaceInOrder(std::string_view text, const TagVocabulary& vocabulary, ValueOf&& valueOf) {
  TagReplacer replacer(vocabulary, text);
  StepValues values;
  auto value = [&](std::size_t step) -> const std::string& {
    const std::string* known = values.Find(step);
    return known ? *known : values.Add(step, valueOf(step));
  };
  if (replacer.TagsStandApart()) {
    bool plain = true;
    for (std::size_t step = replacer.NextStep(0); plain && step != TagVocabulary::kNone;
         step = replacer.NextStep(step + 1)) {
      plain = value(step).find('$') == std::string::npos;
    }
    if (plain) return replacer.ReplaceAllAtOnce(values);
  }
  for (std::size_t step = replacer.NextStep(0); step != TagVocabulary::kNone; step = replacer.NextStep(step + 1)) {
    replacer.Replace(step, value(step));
  }
  return replacer.TakeText();
}

}  // namespace tags
