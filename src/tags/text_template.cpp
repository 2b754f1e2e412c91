#include "tags/text_template.h"

#include <algorithm>
#include <cstring>

namespace tags {

TextTemplate::TextTemplate(const TagVocabulary& vocabulary, std::string_view text)
    : vocabulary_(&vocabulary), text_(text) {
  ScanLayout(vocabulary, text_, layout_);
  for (std::size_t step = layout_.steps.Next(0); step != TagVocabulary::kNone; step = layout_.steps.Next(step + 1)) {
    steps_.push_back(step);
  }
}

std::vector<TextTemplate::Piece> TextTemplate::Pieces() const {
  std::vector<Piece> pieces;
  const std::string_view text = text_;
  std::size_t done = 0;
  for (const Occurrence& occurrence : layout_.occurrences) {
    pieces.push_back({text.substr(done, occurrence.begin - done), occurrence.tag});
    done = occurrence.end;
  }
  pieces.push_back({text.substr(done), TagVocabulary::kNone});
  return pieces;
}

// Sizes the result first and copies each piece into place, so the string grows once.
void AppendJoined(std::string& out, const TextLayout& layout, std::string_view text, const TagValues& values) {
  std::size_t size = text.size();
  for (const Occurrence& occurrence : layout.occurrences) {
    size += values[occurrence.tag].size();
    size -= occurrence.end - occurrence.begin;
  }
  const std::size_t start = out.size();
  out.resize(start + size);
  char* at = out.data() + start;
  auto copy = [&at](std::string_view piece) {
    if (piece.empty()) return;
    std::memcpy(at, piece.data(), piece.size());
    at += piece.size();
  };
  std::size_t done = 0;
  for (const Occurrence& occurrence : layout.occurrences) {
    copy({text.data() + done, occurrence.begin - done});
    copy(values[occurrence.tag]);
    done = occurrence.end;
  }
  copy({text.data() + done, text.size() - done});
}

FoldedTemplate::FoldedTemplate(const TextTemplate& text, const TagValues& values, const StepSet& fold) {
  for (const TextTemplate::Piece& piece : text.Pieces()) {
    runs_ += piece.literal;
    if (piece.tag != TagVocabulary::kNone && fold.Has(piece.tag)) {
      runs_ += values[piece.tag];
      if (std::find(foldedTags_.begin(), foldedTags_.end(), piece.tag) == foldedTags_.end()) {
        foldedTags_.push_back(piece.tag);
        foldedValues_.emplace_back(values[piece.tag]);
      }
      continue;
    }
    pieces_.push_back({runs_.size(), piece.tag});
  }
}

bool FoldedTemplate::Matches(const TagValues& values) const {
  for (std::size_t i = 0; i < foldedTags_.size(); ++i) {
    if (values[foldedTags_[i]] != foldedValues_[i]) return false;
  }
  return true;
}

void FoldedTemplate::AppendJoined(std::string& out, const TagValues& values) const {
  std::size_t size = runs_.size();
  for (const Piece& piece : pieces_) {
    if (piece.tag != TagVocabulary::kNone) size += values[piece.tag].size();
  }
  const std::size_t start = out.size();
  out.resize(start + size);
  char* at = out.data() + start;
  std::size_t done = 0;
  for (const Piece& piece : pieces_) {
    std::memcpy(at, runs_.data() + done, piece.runEnd - done);
    at += piece.runEnd - done;
    done = piece.runEnd;
    if (piece.tag == TagVocabulary::kNone) break;
    const std::string_view value = values[piece.tag];
    if (value.empty()) continue;
    std::memcpy(at, value.data(), value.size());
    at += value.size();
  }
}

}  // namespace tags
