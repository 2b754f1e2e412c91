#include "tags/text_layout.h"

#include <algorithm>

namespace tags {

namespace {

constexpr std::size_t kNone = TagVocabulary::kNone;

// A text joined around a replaced tag runs from the "$" before it to the "$" after it, so it
// holds the whole span on either side; when either is longer than any tag, so is the join.
bool TagsStandApart(const TagVocabulary& vocabulary, const std::vector<Dollar>& dollars) {
  const std::size_t longest = vocabulary.Longest();
  auto spanLength = [&dollars](std::size_t i) { return dollars[i + 1].position - dollars[i].position + 1; };
  for (std::size_t i = 0; i < dollars.size(); ++i) {
    if (dollars[i].tag == kNone) continue;
    if (i > 0 && dollars[i - 1].tag != kNone) return false;
    const bool leftOpen = i == 0 || spanLength(i - 1) > longest;
    const bool rightOpen = i + 2 >= dollars.size() || spanLength(i + 1) > longest;
    if (!leftOpen && !rightOpen) return false;
  }
  return true;
}

}  // namespace

StepSet LookUpSpans(const TagVocabulary& vocabulary, std::vector<Dollar>& dollars, std::string_view text,
                    const std::vector<Dollar>& before) {
  StepSet steps;
  for (std::size_t j = 0; j + 1 < dollars.size(); ++j) {
    const std::size_t origin = dollars[j].origin;
    if (origin != kNone && dollars[j + 1].origin == origin + 1) {
      dollars[j].tag = before[origin].tag;
    } else {
      const std::size_t length = dollars[j + 1].position - dollars[j].position + 1;
      dollars[j].tag = vocabulary.IndexOf(text.substr(dollars[j].position, length));
    }
    if (dollars[j].tag != kNone) steps.Add(dollars[j].tag);
  }
  if (!dollars.empty()) dollars.back().tag = kNone;
  return steps;
}

void ScanLayout(const TagVocabulary& vocabulary, std::string_view text, TextLayout& layout) {
  layout.dollars.clear();
  for (std::size_t at = text.find('$'); at != std::string_view::npos; at = text.find('$', at + 1)) {
    layout.dollars.push_back({at});
  }
  layout.steps = LookUpSpans(vocabulary, layout.dollars, text, {});
  layout.standApart = TagsStandApart(vocabulary, layout.dollars);
  layout.occurrences.clear();
  for (std::size_t i = 0; i + 1 < layout.dollars.size(); ++i) {
    const Dollar& open = layout.dollars[i];
    if (open.tag != kNone) layout.occurrences.push_back({open.position, layout.dollars[i + 1].position + 1, open.tag});
  }
}

const TextLayout& LayoutCache::For(const TagVocabulary& vocabulary, std::string_view text) {
  ++uses_;
  for (Entry& entry : entries_) {
    if (entry.vocabulary == vocabulary.Id() && entry.text == text) {
      entry.lastUse = uses_;
      return entry.layout;
    }
  }
  Entry& oldest = *std::min_element(entries_.begin(), entries_.end(),
                                    [](const Entry& a, const Entry& b) { return a.lastUse < b.lastUse; });
  oldest.vocabulary = vocabulary.Id();
  oldest.text.assign(text);
  oldest.lastUse = uses_;
  ScanLayout(vocabulary, text, oldest.layout);
  return oldest.layout;
}

}  // namespace tags
