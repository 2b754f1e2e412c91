#include "runtime/wildcard.h"

#include <utility>

#include "runtime/text.h"

namespace runtime {

WildcardPattern::WildcardPattern(std::string_view pattern) {
  for (std::size_t at = 0; at < pattern.size() && valid_; ++at) {
    const char c = pattern[at];
    switch (c) {
      case '*':
        if (tokens_.empty() || tokens_.back().kind != Kind::kStar) tokens_.emplace_back(Kind::kStar);
        break;
      case '?':
        tokens_.emplace_back(Kind::kAnyChar);
        break;
      case '#':
        tokens_.emplace_back(Kind::kDigit);
        break;
      case '[':
        valid_ = ParseList(pattern, at);
        break;
      default:
        tokens_.emplace_back(Kind::kLiteral, LowerCase(c));
        break;
    }
  }
}

// Parses the bracketed list that opens at pattern[at] and leaves at on its "]". An empty
// list adds no token: it stands for the empty text.
bool WildcardPattern::ParseList(std::string_view pattern, std::size_t& at) {
  const std::size_t close = pattern.find(']', at + 1);
  if (close == std::string_view::npos) return false;
  std::string_view list = pattern.substr(at + 1, close - at - 1);
  at = close;
  if (list.empty()) return true;

  Token token(Kind::kList);
  if (list.front() == '!') {
    token.negated = true;
    list.remove_prefix(1);
  }
  for (std::size_t i = 0; i < list.size(); ++i) {
    const auto first = static_cast<unsigned char>(list[i]);
    if (i + 2 < list.size() && list[i + 1] == '-') {
      const auto last = static_cast<unsigned char>(list[i + 2]);
      if (last < first) return false;
      token.ranges.push_back({first, last});
      i += 2;
    } else {
      token.ranges.push_back({first, first});
    }
  }
  tokens_.push_back(std::move(token));
  return true;
}

bool WildcardPattern::InRanges(const std::vector<Range>& ranges, char c) {
  const auto u = static_cast<unsigned char>(c);
  for (const Range& range : ranges) {
    if (u >= range.first && u <= range.last) return true;
  }
  return false;
}

bool WildcardPattern::MatchesOne(const Token& token, char c) const {
  switch (token.kind) {
    case Kind::kAnyChar:
      return true;
    case Kind::kDigit:
      return c >= '0' && c <= '9';
    case Kind::kLiteral:
      return LowerCase(c) == token.literal;
    case Kind::kList: {
      const bool in =
          InRanges(token.ranges, c) || InRanges(token.ranges, LowerCase(c)) || InRanges(token.ranges, UpperCase(c));
      return in != token.negated;
    }
    case Kind::kStar:
      break;
  }
  return false;
}

// Every token but the star takes exactly one character, so one remembered star position is
// enough: on a mismatch the last star takes one more character and matching resumes there.
bool WildcardPattern::Matches(std::string_view text) const {
  if (!valid_) return false;
  std::size_t t = 0;
  std::size_t p = 0;
  std::size_t starToken = tokens_.size();
  std::size_t starText = 0;
  while (t < text.size()) {
    if (p < tokens_.size() && tokens_[p].kind == Kind::kStar) {
      starToken = p++;
      starText = t;
    } else if (p < tokens_.size() && MatchesOne(tokens_[p], text[t])) {
      ++p;
      ++t;
    } else if (starToken < tokens_.size()) {
      p = starToken + 1;
      t = ++starText;
    } else {
      return false;
    }
  }
  while (p < tokens_.size() && tokens_[p].kind == Kind::kStar) ++p;
  return p == tokens_.size();
}

bool Like(std::string_view text, std::string_view pattern) {
  return WildcardPattern(pattern).Matches(text);
}

std::vector<std::string> SplitPatternList(std::string_view patterns) {
  std::vector<std::string> list;
  std::size_t at = 0;
  while (at <= patterns.size()) {
    std::size_t end = patterns.find(';', at);
    if (end == std::string_view::npos) end = patterns.size();
    if (end > at) list.emplace_back(patterns.substr(at, end - at));
    at = end + 1;
  }
  return list;
}

WildcardPatternList::WildcardPatternList(std::string_view patterns, std::string_view prefix) {
  for (const std::string& one : SplitPatternList(patterns)) patterns_.emplace_back(std::string(prefix) + one);
}

bool WildcardPatternList::Matches(std::string_view text) const {
  for (const WildcardPattern& pattern : patterns_) {
    if (pattern.Matches(text)) return true;
  }
  return false;
}

}  // namespace runtime
