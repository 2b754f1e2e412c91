#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace runtime {

// A wildcard pattern, matched against a whole text with letter case ignored:
//   ?        any one character
//   *        any run of characters, none included
//   #        one digit 0-9
//   [list]   one character of the list; a list may hold ranges such as a-z
//   [!list]  one character not in the list
//   []       nothing (matches the empty text at that point)
// Inside brackets *, ?, # and [ stand for themselves, and so does a hyphen at the start or
// end of the list. A pattern that is malformed (a "[" without its "]", a range whose ends
// are in descending order) matches no text at all.
//
// Matching takes time proportional to the text length times the pattern length at worst.
class WildcardPattern {
 public:
  explicit WildcardPattern(std::string_view pattern);

  bool Matches(std::string_view text) const;
  bool IsValid() const { return valid_; }

 private:
  struct Range {
    unsigned char first;
    unsigned char last;
  };
  enum class Kind { kStar, kAnyChar, kDigit, kLiteral, kList };
  struct Token {
    explicit Token(Kind tokenKind, char lowerLiteral = 0) : kind(tokenKind), literal(lowerLiteral) {}
    Kind kind;
    char literal;  // lower case, for kLiteral
    bool negated = false;
    std::vector<Range> ranges;  // for kList
  };

  static bool InRanges(const std::vector<Range>& ranges, char c);
  bool ParseList(std::string_view pattern, std::size_t& at);
  bool MatchesOne(const Token& token, char c) const;

  std::vector<Token> tokens_;
  bool valid_ = true;
};

// True when text matches pattern as a whole (see WildcardPattern).
bool Like(std::string_view text, std::string_view pattern);

// The patterns of a list separated by ";", in order, empty entries left out, as the file
// list boxes take them ("*.dwg;*.dxf").
std::vector<std::string> SplitPatternList(std::string_view patterns);

// A ";" separated list of wildcard patterns, each with prefix put before it: a text matches
// the list when it matches one of them as a whole. A list without any pattern matches nothing.
class WildcardPatternList {
 public:
  explicit WildcardPatternList(std::string_view patterns, std::string_view prefix = "");

  bool Matches(std::string_view text) const;

 private:
  std::vector<WildcardPattern> patterns_;
};

}  // namespace runtime
