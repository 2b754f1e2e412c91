#include "tags/text_template.h"

#include <array>
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

// Copies bytes from..from+n to to..to+n, with n from size to twice size: the first and the
// last size bytes, which overlap.
template <std::size_t size>
inline void CopyEnds(char* to, const char* from, std::size_t n) {
  std::array<char, size> head;
  std::array<char, size> tail;
  std::memcpy(head.data(), from, size);
  std::memcpy(tail.data(), from + n - size, size);
  std::memcpy(to, head.data(), size);
  std::memcpy(to + n - size, tail.data(), size);
}

// Copies a piece of the joined text. Most pieces are short: up to 64 bytes they are copied
// with two overlapping loads and stores, cheaper than a call of memcpy.
inline char* CopyPiece(char* to, std::string_view piece) {
  const std::size_t n = piece.size();
  const char* from = piece.data();
  if (n > 64) {
    std::memcpy(to, from, n);
  } else if (n > 32) {
    CopyEnds<32>(to, from, n);
  } else if (n > 16) {
    CopyEnds<16>(to, from, n);
  } else if (n >= 8) {
    CopyEnds<8>(to, from, n);
  } else if (n >= 4) {
    CopyEnds<4>(to, from, n);
  } else {
    for (std::size_t i = 0; i < n; ++i) to[i] = from[i];
  }
  return to + n;
}

}  // namespace

// Sizes the result first and copies each piece into place, so the string grows once.
void AppendJoined(std::string& out, const TextLayout& layout, std::string_view text, const TagValues& values,
                  const TextsAround& around) {
  std::size_t size = around.lead.size() + around.path.size() + around.head.size() + text.size() + around.tail.size();
  for (const Occurrence& occurrence : layout.occurrences) {
    size += values[occurrence.tag].size();
    size -= occurrence.end - occurrence.begin;
  }
  const std::size_t start = out.size();
  out.resize(start + size);
  char* at = out.data() + start;
  at = CopyPiece(at, around.lead);
  at = CopyPiece(at, around.path);
  at = CopyPiece(at, around.head);
  std::size_t done = 0;
  for (const Occurrence& occurrence : layout.occurrences) {
    at = CopyPiece(at, {text.data() + done, occurrence.begin - done});
    at = CopyPiece(at, values[occurrence.tag]);
    done = occurrence.end;
  }
  at = CopyPiece(at, {text.data() + done, text.size() - done});
  CopyPiece(at, around.tail);
}

void FoldedTemplate::Fold(const TextTemplate& text, const StepSet& fixed, const TagValues& values,
                          const TextsAround& around) {
  runs_.clear();
  pieces_.clear();
  fixed_.clear();
  steps_.clear();
  key_ = around.key;
  if (key_ != 0) runs_ += around.head;
  std::size_t begin = 0;
  for (const TextTemplate::Piece& piece : text.Pieces()) {
    runs_ += piece.literal;
    if (piece.tag != TagVocabulary::kNone && fixed.Has(piece.tag)) {
      runs_ += values[piece.tag];
      continue;
    }
    if (piece.tag == TagVocabulary::kNone && key_ != 0) runs_ += around.tail;
    pieces_.push_back({begin, runs_.size() - begin, piece.tag});
    begin = runs_.size();
  }
  for (std::size_t step : text.Steps()) {
    if (fixed.Has(step)) {
      fixed_.emplace_back(step, std::string(values[step]));
    } else {
      steps_.push_back(step);
    }
  }
}

void FoldedTemplate::AppendJoined(std::string& out, const TagValues& values, const TextsAround& around) const {
  // The texts around that are not joined in.
  const std::string_view head = key_ != 0 ? std::string_view() : around.head;
  const std::string_view tail = key_ != 0 ? std::string_view() : around.tail;
  std::size_t size = around.lead.size() + around.path.size() + head.size() + runs_.size() + tail.size();
  for (const Piece& piece : pieces_) {
    if (piece.tag != TagVocabulary::kNone) size += values[piece.tag].size();
  }
  const std::size_t start = out.size();
  out.resize(start + size);
  char* at = out.data() + start;
  at = CopyPiece(at, around.lead);
  at = CopyPiece(at, around.path);
  at = CopyPiece(at, head);
  for (const Piece& piece : pieces_) {
    at = CopyPiece(at, {runs_.data() + piece.begin, piece.size});
    if (piece.tag != TagVocabulary::kNone) at = CopyPiece(at, values[piece.tag]);
  }
  CopyPiece(at, tail);
}

}  // namespace tags
