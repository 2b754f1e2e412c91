#include "tags/tag_replacer.h"

namespace tags {

void TagReplacer::Start(const TagVocabulary& vocabulary, const TextLayout& layout, std::string_view text) {
  vocabulary_ = &vocabulary;
  source_ = text;
  replaced_ = false;
  dollars_ = layout.dollars;
  steps_ = layout.steps;
}

// An occurrence is a span that spells the tag. It uses up its closing "$", so the next
// candidate opens at the "$" after it, just as a search going on after the inserted value
// would find it.
void TagReplacer::Replace(std::size_t index, std::string_view value) {
  const std::string_view text = Text();
  nextText_.clear();
  nextDollars_.clear();
  std::size_t done = 0;  // text is copied into nextText_ up to here
  std::size_t i = 0;
  while (i < dollars_.size()) {
    if (dollars_[i].tag != index) {
      nextDollars_.push_back({nextText_.size() + dollars_[i].position - done, kNone, i});
      ++i;
      continue;
    }
    nextText_.append(text.substr(done, dollars_[i].position - done));
    for (std::size_t at = value.find('$'); at != std::string_view::npos; at = value.find('$', at + 1)) {
      nextDollars_.push_back({nextText_.size() + at});
    }
    nextText_.append(value);
    done = dollars_[i + 1].position + 1;
    i += 2;
  }
  if (done == 0) return;
  nextText_.append(text.substr(done));
  steps_ = LookUpSpans(*vocabulary_, nextDollars_, nextText_, dollars_);
  text_.swap(nextText_);
  dollars_.swap(nextDollars_);
  replaced_ = true;
}

}  // namespace tags
