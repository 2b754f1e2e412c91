#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "tags/tag_vocabulary.h"
#include "tags/text_layout.h"
#include "tags/text_template.h"

namespace tags {

// Replaces the tags of a vocabulary in a text, in the vocabulary's order. Each step replaces
// every occurrence of its tag from left to right, ignoring letter case and going on after
// the inserted value, so a value may hold a tag of a later step (which that step then
// replaces) but never feeds its own step or an earlier one. Steps whose tag does not occur
// in the text are skipped, which changes nothing. valueOf(index) is asked at most once per
// step, and only for tags that occur in the text. It gives a std::string, or a
// std::string_view or reference whose text stays as it is until the run ends.
//
// The replacer tracks the positions of the text's "$" characters and, for each span from one
// "$" to the next, the tag it spells; a replacement keeps what it can of this and looks up
// only the spans it changed, so the text is scanned once. A replacer keeps its buffers and
// the layouts of the last texts from one text to the next.
class TagReplacer {
 public:
  template <typename ValueOf>
  std::string Run(const TagVocabulary& vocabulary, std::string_view text, ValueOf&& valueOf);
  // The same, appending the result to out, which must not hold text.
  template <typename ValueOf>
  void RunInto(std::string& out, const TagVocabulary& vocabulary, std::string_view text, ValueOf&& valueOf);
  // The same for a text split beforehand, which spares the look-up of its layout.
  template <typename ValueOf>
  void RunInto(std::string& out, const TextTemplate& text, ValueOf&& valueOf) {
    RunWithLayout(out, text.Vocabulary(), text.Layout(), text.Text(), valueOf);
  }

  // True when text holds a tag of vocabulary.
  bool HoldsTag(const TagVocabulary& vocabulary, std::string_view text) {
    return layouts_.For(vocabulary, text).steps.Next(0) != kNone;
  }

 private:
  static constexpr std::size_t kNone = TagVocabulary::kNone;

  // Asks for the values of the tags in steps, in order, until one holds a "$". True when
  // none does.
  template <typename ValueOf>
  bool AskPlainValues(const StepSet& steps, ValueOf& valueOf);
  template <typename ValueOf>
  void RunWithLayout(std::string& out, const TagVocabulary& vocabulary, const TextLayout& layout, std::string_view text,
                     ValueOf& valueOf);

  void Start(const TagVocabulary& vocabulary, const TextLayout& layout, std::string_view text);
  std::string_view Text() const { return replaced_ ? std::string_view(text_) : source_; }
  // The lowest index at or after from whose tag occurs in the text now, or kNone.
  std::size_t NextStep(std::size_t from) const { return steps_.Next(from); }
  // Replaces every occurrence of the tag at index, exactly as runtime::ReplaceAllNoCase
  // does.
  void Replace(std::size_t index, std::string_view value);

  template <typename ValueOf>
  std::string_view Value(std::size_t step, ValueOf& valueOf);

  LayoutCache layouts_;
  // The values asked for in this run, by step.
  StepSet asked_;
  std::array<std::string_view, TagVocabulary::kMostTags> values_;
  std::array<std::string, TagVocabulary::kMostTags> owned_;  // the values given as std::string
  // The text as the steps replace its tags one at a time.
  const TagVocabulary* vocabulary_ = nullptr;
  std::string_view source_;
  std::string text_;  // the text once a replacement has changed it
  bool replaced_ = false;
  std::vector<Dollar> dollars_;
  StepSet steps_;
  // Scratch of Replace.
  std::string nextText_;
  std::vector<Dollar> nextDollars_;
};

template <typename ValueOf>
std::string_view TagReplacer::Value(std::size_t step, ValueOf& valueOf) {
  if (asked_.Has(step)) return values_[step];
  asked_.Add(step);
  if constexpr (std::is_same_v<std::invoke_result_t<ValueOf&, std::size_t>, std::string>) {
    owned_[step] = valueOf(step);
    values_[step] = owned_[step];
  } else {
    values_[step] = valueOf(step);
  }
  return values_[step];
}

template <typename ValueOf>
bool TagReplacer::AskPlainValues(const StepSet& steps, ValueOf& valueOf) {
  for (std::size_t step = steps.Next(0); step != kNone; step = steps.Next(step + 1)) {
    if (Value(step, valueOf).find('$') != std::string_view::npos) return false;
  }
  return true;
}

template <typename ValueOf>
void TagReplacer::RunInto(std::string& out, const TagVocabulary& vocabulary, std::string_view text, ValueOf&& valueOf) {
  RunWithLayout(out, vocabulary, layouts_.For(vocabulary, text), text, valueOf);
}

template <typename ValueOf>
void TagReplacer::RunWithLayout(std::string& out, const TagVocabulary& vocabulary, const TextLayout& layout,
                                std::string_view text, ValueOf& valueOf) {
  asked_ = {};
  if (layout.standApart && AskPlainValues(layout.steps, valueOf)) {
    AppendJoined(out, layout, text, values_);
    return;
  }
  Start(vocabulary, layout, text);
  for (std::size_t step = NextStep(0); step != kNone; step = NextStep(step + 1)) {
    Replace(step, Value(step, valueOf));
  }
  out += Text();
}

template <typename ValueOf>
std::string TagReplacer::Run(const TagVocabulary& vocabulary, std::string_view text, ValueOf&& valueOf) {
  std::string result;
  result.reserve(text.size());  // most values are about as long as their tags
  RunInto(result, vocabulary, text, valueOf);
  return result;
}

// A replacement with a replacer of its own.
template <typename ValueOf>
std::string ReplaceInOrder(std::string_view text, const TagVocabulary& vocabulary, ValueOf&& valueOf) {
  return TagReplacer().Run(vocabulary, text, valueOf);
}

}  // namespace tags
