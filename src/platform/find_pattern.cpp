#include "platform/find_pattern.h"

#include <cstdint>
#include <string>
#include <vector>

#include "runtime/text.h"

namespace platform {

namespace {

// The pattern characters after the translation FindFirstFile makes before matching.
enum class Token {
  kLiteral,
  kStar,     // "*": any run of characters
  kDosStar,  // "*" before ".": any run that does not take the name's last dot
  kDosQm,    // "?": one character other than a dot, or nothing before a dot or the end
  kDosDot,   // "." before a wildcard or at the end: a dot, or nothing at the end
};

struct Piece {
  Token token;
  char c;
};

std::vector<Piece> Translate(std::string_view pattern) {
  std::vector<Piece> pieces;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    char c = pattern[i];
    char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
    bool atEnd = i + 1 == pattern.size();
    if (c == '?') {
      pieces.push_back({Token::kDosQm, c});
    } else if (c == '*') {
      pieces.push_back({next == '.' ? Token::kDosStar : Token::kStar, c});
    } else if (c == '.' && (next == '?' || next == '*' || atEnd)) {
      pieces.push_back({Token::kDosDot, c});
    } else {
      pieces.push_back({Token::kLiteral, runtime::UpperCase(c)});
    }
  }
  return pieces;
}

}  // namespace

bool MatchesFindPattern(std::string_view name, std::string_view pattern) {
  std::vector<Piece> pieces = Translate(pattern);
  std::string upper = runtime::UpperCase(name);
  std::size_t lastDot = upper.rfind('.');
  std::size_t n = upper.size();
  std::size_t width = n + 1;
  // matches[i * width + j]: pieces from i on match the name from j on.
  std::vector<std::uint8_t> matches((pieces.size() + 1) * width, 0);
  auto at = [&](std::size_t i, std::size_t j) -> std::uint8_t& { return matches[i * width + j]; };
  at(pieces.size(), n) = 1;

  for (std::size_t i = pieces.size(); i-- > 0;) {
    const Piece& piece = pieces[i];
    for (std::size_t j = n + 1; j-- > 0;) {
      bool more = j < n;
      bool dot = more && upper[j] == '.';
      bool match = false;
      switch (piece.token) {
        case Token::kLiteral:
          match = more && upper[j] == piece.c && at(i + 1, j + 1);
          break;
        case Token::kStar:
          match = at(i + 1, j) || (more && at(i, j + 1));
          break;
        case Token::kDosStar:
          match = at(i + 1, j) || (more && j != lastDot && at(i, j + 1));
          break;
        case Token::kDosQm:
          match = (more && !dot) ? at(i + 1, j + 1) : at(i + 1, j);
          break;
        case Token::kDosDot:
          match = (dot && at(i + 1, j + 1)) || (!more && at(i + 1, j));
          break;
      }
      at(i, j) = match ? 1 : 0;
    }
  }
  return at(0, 0) != 0;
}

bool HasWildcard(std::string_view path) {
  const std::size_t start = path.find_last_of("\\/");
  const std::string_view last = start == std::string_view::npos ? path : path.substr(start + 1);
  return last.find_first_of("*?") != std::string_view::npos;
}

}  // namespace platform
