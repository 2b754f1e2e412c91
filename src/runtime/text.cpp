#include "runtime/text.h"

#include <algorithm>
#include <array>

#include "runtime/error.h"

namespace runtime {

namespace {

constexpr unsigned char kSmallS = 0x9A, kCapitalS = 0x8A;    // š Š
constexpr unsigned char kSmallOe = 0x9C, kCapitalOe = 0x8C;  // œ Œ
constexpr unsigned char kSmallZ = 0x9E, kCapitalZ = 0x8E;    // ž Ž
constexpr unsigned char kSmallY = 0xFF, kCapitalY = 0x9F;    // ÿ Ÿ
constexpr unsigned char kDivide = 0xF7;                      // ÷, like × no letter

struct CaseTables {
  std::array<char, 256> upper{};
  std::array<char, 256> lower{};
};

void Pair(CaseTables& tables, unsigned char small, unsigned char capital) {
  tables.upper[small] = static_cast<char>(capital);
  tables.lower[capital] = static_cast<char>(small);
}

CaseTables MakeCaseTables() {
  CaseTables tables;
  for (int c = 0; c < 256; ++c) {
    tables.upper[c] = static_cast<char>(c);
    tables.lower[c] = static_cast<char>(c);
  }
  for (int c = 'a'; c <= 'z'; ++c) Pair(tables, c, c - 0x20);
  for (int c = 0xE0; c <= 0xFE; ++c) {
    if (c != kDivide) Pair(tables, c, c - 0x20);
  }
  Pair(tables, kSmallS, kCapitalS);
  Pair(tables, kSmallOe, kCapitalOe);
  Pair(tables, kSmallZ, kCapitalZ);
  Pair(tables, kSmallY, kCapitalY);
  return tables;
}

const CaseTables& Tables() {
  static const CaseTables tables = MakeCaseTables();
  return tables;
}

bool IsBlank(char c) {
  return c == ' ';
}

void RequireNonNegative(int value) {
  if (value < 0) throw Error(kInvalidProcedureCall);
}

}  // namespace

char UpperCase(char c) {
  return Tables().upper[static_cast<unsigned char>(c)];
}

char LowerCase(char c) {
  return Tables().lower[static_cast<unsigned char>(c)];
}

std::string UpperCase(std::string_view text) {
  std::string result(text);
  for (char& c : result) c = UpperCase(c);
  return result;
}

std::string LowerCase(std::string_view text) {
  std::string result(text);
  for (char& c : result) c = LowerCase(c);
  return result;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return LowerCase(x) == LowerCase(y); });
}

std::size_t FindNoCase(std::string_view text, std::string_view what, std::size_t from) {
  if (from > text.size()) return std::string_view::npos;
  auto same = [](char x, char y) { return LowerCase(x) == LowerCase(y); };
  auto found =
      std::search(text.begin() + static_cast<std::ptrdiff_t>(from), text.end(), what.begin(), what.end(), same);
  if (found == text.end() && !what.empty()) return std::string_view::npos;
  return static_cast<std::size_t>(found - text.begin());
}

int InStrNoCase(int start, std::string_view text, std::string_view what) {
  if (start < 1) throw Error(kInvalidProcedureCall);
  const auto from = static_cast<std::size_t>(start - 1);
  if (text.empty() || from >= text.size()) return 0;
  const std::size_t found = FindNoCase(text, what, from);
  return found == std::string_view::npos ? 0 : static_cast<int>(found) + 1;
}

std::string ReplaceAllNoCase(std::string_view text, std::string_view find, std::string_view replacement) {
  if (find.empty()) return std::string(text);
  std::string result;
  result.reserve(text.size());
  std::size_t done = 0;
  for (std::size_t at = FindNoCase(text, find, 0); at != std::string_view::npos; at = FindNoCase(text, find, done)) {
    result.append(text.substr(done, at - done));
    result.append(replacement);
    done = at + find.size();
  }
  result.append(text.substr(done));
  return result;
}

std::string LTrim(std::string_view text) {
  const auto first = std::find_if_not(text.begin(), text.end(), IsBlank);
  return std::string(first, text.end());
}

std::string RTrim(std::string_view text) {
  const auto last = std::find_if_not(text.rbegin(), text.rend(), IsBlank);
  return std::string(text.begin(), last.base());
}

std::string Trim(std::string_view text) {
  return RTrim(LTrim(text));
}

std::string Left(std::string_view text, int length) {
  RequireNonNegative(length);
  return std::string(text.substr(0, static_cast<std::size_t>(length)));
}

std::string Right(std::string_view text, int length) {
  RequireNonNegative(length);
  const std::size_t count = std::min(text.size(), static_cast<std::size_t>(length));
  return std::string(text.substr(text.size() - count));
}

std::string Mid(std::string_view text, int start) {
  if (start < 1) throw Error(kInvalidProcedureCall);
  const auto from = static_cast<std::size_t>(start - 1);
  if (from >= text.size()) return "";
  return std::string(text.substr(from));
}

std::string Mid(std::string_view text, int start, int length) {
  RequireNonNegative(length);
  return Left(Mid(text, start), length);
}

std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  std::size_t begin = 0;
  while (begin < text.size()) {
    const std::size_t end = text.find_first_of("\r\n", begin);
    if (end == std::string_view::npos) {
      lines.emplace_back(text.substr(begin));
      break;
    }
    lines.emplace_back(text.substr(begin, end - begin));
    begin = end + 1;
    if (text[end] == '\r' && begin < text.size() && text[begin] == '\n') ++begin;
  }
  return lines;
}

void BlankNuls(std::string& text) {
  std::replace(text.begin(), text.end(), '\0', ' ');
}

void BlankNuls(std::vector<std::string>& texts) {
  for (std::string& text : texts) BlankNuls(text);
}

}  // namespace runtime
