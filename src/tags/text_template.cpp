#include "tags/text_template.h"

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

}  // namespace tags
