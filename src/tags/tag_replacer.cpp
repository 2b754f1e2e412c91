#include "tags/tag_replacer.h"

#include <algorithm>
#include <bit>

namespace tags {

void TagReplacer::Start(const TagVocabulary& vocabulary, std::string_view text) {
  vocabulary_ = &vocabulary;
  source_ = text;
  replaced_ = false;
  values_.clear();
  dollars_.clear();
  for (std::size_t at = text.find('$'); at != std::string_view::npos; at = text.find('$', at + 1)) {
    dollars_.push_back({at});
  }
  steps_ = LookUpSpans(dollars_, text);
}

// A span between two "$" that were neighbours before the last replacement holds the same
// text as before, so it spells the same tag.
TagReplacer::StepSet TagReplacer::LookUpSpans(std::vector<Dollar>& dollars, std::string_view text) const {
  StepSet steps;
  for (std::size_t j = 0; j + 1 < dollars.size(); ++j) {
    const std::size_t origin = dollars[j].origin;
    if (origin != kNone && dollars[j + 1].origin == origin + 1) {
      dollars[j].tag = dollars_[origin].tag;
    } else {
      const std::size_t length = dollars[j + 1].position - dollars[j].position + 1;
      dollars[j].tag = vocabulary_->IndexOf(text.substr(dollars[j].position, length));
    }
    if (dollars[j].tag != kNone) steps.Add(dollars[j].tag);
  }
  if (!dollars.empty()) dollars.back().tag = kNone;
  return steps;
}

std::size_t TagReplacer::StepSet::Next(std::size_t from) const {
  for (std::size_t word = from / 64; word < words_.size(); ++word) {
    std::uint64_t bits = words_[word];
    if (word == from / 64) bits &= ~std::uint64_t{0} << (from % 64);
    if (bits != 0) return word * 64 + static_cast<std::size_t>(std::countr_zero(bits));
  }
  return kNone;
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
  steps_ = LookUpSpans(nextDollars_, nextText_);
  text_.swap(nextText_);
  dollars_.swap(nextDollars_);
  replaced_ = true;
}

// A text joined around a replaced tag runs from the "$" before it to the "$" after it, so it
// holds the whole span on either side; when either is longer than any tag, so is the join.
bool TagReplacer::TagsStandApart() const {
  const std::size_t longest = vocabulary_->Longest();
  auto spanLength = [this](std::size_t i) { return dollars_[i + 1].position - dollars_[i].position + 1; };
  for (std::size_t i = 0; i < dollars_.size(); ++i) {
    if (dollars_[i].tag == kNone) continue;
    if (i > 0 && dollars_[i - 1].tag != kNone) return false;
    const bool leftOpen = i == 0 || spanLength(i - 1) > longest;
    const bool rightOpen = i + 2 >= dollars_.size() || spanLength(i + 1) > longest;
    if (!leftOpen && !rightOpen) return false;
  }
  return true;
}

std::string TagReplacer::ReplaceAllAtOnce() const {
  const std::string_view text = Text();
  std::size_t size = text.size();
  for (const auto& [step, value] : values_) size += value.size();
  std::string result;
  result.reserve(size);
  std::size_t done = 0;
  for (std::size_t i = 0; i < dollars_.size(); ++i) {
    if (dollars_[i].tag == kNone) continue;
    result.append(text.substr(done, dollars_[i].position - done));
    result.append(*FindValue(dollars_[i].tag));
    done = dollars_[i + 1].position + 1;
  }
  result.append(text.substr(done));
  return result;
}

std::string TagReplacer::TakeText() {
  return replaced_ ? std::move(text_) : std::string(source_);
}

const std::string* TagReplacer::FindValue(std::size_t step) const {
  for (const auto& [known, value] : values_) {
    if (known == step) return &value;
  }
  return nullptr;
}

}  // namespace tags
