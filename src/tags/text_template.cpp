#include "tags/text_template.h"

#include <cstdint>
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

namespace {

// Copies a piece of the joined text. Most pieces are a few bytes long: those are copied with
// two overlapping loads and stores, cheaper than a call of memcpy.
inline char* CopyPiece(char* to, std::string_view piece) {
  const std::size_t n = piece.size();
  const char* from = piece.data();
  if (n >= 8 && n <= 16) {
    std::uint64_t head = 0;
    std::uint64_t tail = 0;
    std::memcpy(&head, from, 8);
    std::memcpy(&tail, from + n - 8, 8);
    std::memcpy(to, &head, 8);
    std::memcpy(to + n - 8, &tail, 8);
  } else if (n >= 4 && n < 8) {
    std::uint32_t head = 0;
    std::uint32_t tail = 0;
    std::memcpy(&head, from, 4);
    std::memcpy(&tail, from + n - 4, 4);
    std::memcpy(to, &head, 4);
    std::memcpy(to + n - 4, &tail, 4);
  } else if (n < 4) {
    for (std::size_t i = 0; i < n; ++i) to[i] = from[i];
  } else {
    std::memcpy(to, from, n);
  }
  return to + n;
}

}  // namespace

// Sizes the result first and copies each piece into place, so the string grows once.
void AppendJoined(std::string& out, const TextLayout& layout, std::string_view text, const TagValues& values,
                  const TextsAround& around) {
  std::size_t size = text.size() + around.after.size();
  for (std::string_view piece : around.before) size += piece.size();
  for (const Occurrence& occurrence : layout.occurrences) {
    size += values[occurrence.tag].size();
    size -= occurrence.end - occurrence.begin;
  }
  const std::size_t start = out.size();
  out.resize(start + size);
  char* at = out.data() + start;
  for (std::string_view piece : around.before) at = CopyPiece(at, piece);
  std::size_t done = 0;
  for (const Occurrence& occurrence : layout.occurrences) {
    at = CopyPiece(at, {text.data() + done, occurrence.begin - done});
    at = CopyPiece(at, values[occurrence.tag]);
    done = occurrence.end;
  }
  at = CopyPiece(at, {text.data() + done, text.size() - done});
  CopyPiece(at, around.after);
}

}  // namespace tags
