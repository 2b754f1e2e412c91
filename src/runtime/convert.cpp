#include "runtime/convert.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

#include "runtime/error.h"
#include "runtime/text.h"

namespace runtime {

namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

std::string_view StripBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

// Skips a run of digits at text[at]; returns how many there were.
std::size_t SkipDigits(std::string_view text, std::size_t& at) {
  const std::size_t begin = at;
  while (at < text.size() && IsDigit(text[at])) ++at;
  return at - begin;
}

// True when body (no sign) is digits with an optional point, at least one digit in all, and
// an optional exponent: "12", "2.5", ".5", "5.", "1e3", "1E-3".
bool IsUnsignedNumber(std::string_view body) {
  std::size_t at = 0;
  std::size_t digits = SkipDigits(body, at);
  if (at < body.size() && body[at] == '.') {
    ++at;
    digits += SkipDigits(body, at);
  }
  if (digits == 0) return false;
  if (at < body.size() && (body[at] == 'e' || body[at] == 'E')) {
    ++at;
    if (at < body.size() && (body[at] == '+' || body[at] == '-')) ++at;
    if (SkipDigits(body, at) == 0) return false;
  }
  return at == body.size();
}

// Decimal exponent of the first significant digit of a valid number body: 2 for "123",
// -1 for "0.5", 3 for "1e3". Only its sign matters, so the exponent is clamped.
long long LeadingExponent(std::string_view body) {
  const std::size_t mark = body.find_first_of("eE");
  const std::string_view mantissa = body.substr(0, mark);
  long long exponent = 0;
  if (mark != std::string_view::npos) {
    std::string_view digits = body.substr(mark + 1);
    const bool negative = digits.front() == '-';
    if (digits.front() == '+' || digits.front() == '-') digits.remove_prefix(1);
    for (char c : digits) exponent = std::min(exponent * 10 + (c - '0'), 1'000'000'000LL);
    if (negative) exponent = -exponent;
  }
  const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
  const std::size_t first = mantissa.find_first_of("123456789");
  if (first == std::string_view::npos) return 0;
  const long long position =
      first < point ? static_cast<long long>(point - first - 1) : -static_cast<long long>(first - point);
  return position + exponent;
}

double ParseUnsigned(std::string_view body) {
  double value = 0;
  const auto [end, status] = std::from_chars(body.data(), body.data() + body.size(), value);
  if (status == std::errc::result_out_of_range) {
    if (LeadingExponent(body) >= 0) throw Error(kOverflow);
    return 0;
  }
  if (status != std::errc() || end != body.data() + body.size()) throw Error(kTypeMismatch);
  return value;
}

template <typename Int>
Int RoundToInteger(std::string_view text) {
  const double rounded = RoundHalfEven(TextToDouble(text));
  if (rounded < static_cast<double>(std::numeric_limits<Int>::min()) ||
      rounded > static_cast<double>(std::numeric_limits<Int>::max())) {
    throw Error(kOverflow);
  }
  return static_cast<Int>(rounded);
}

}  // namespace

double RoundHalfEven(double value) {
  if (std::fabs(value - std::trunc(value)) == 0.5) return 2.0 * std::round(value / 2.0);
  return std::round(value);
}

double TextToDouble(std::string_view text) {
  std::string_view body = StripBlanks(text);
  bool negative = false;
  if (!body.empty() && (body.front() == '+' || body.front() == '-')) {
    negative = body.front() == '-';
    body.remove_prefix(1);
  }
  if (!IsUnsignedNumber(body)) throw Error(kTypeMismatch);
  const double value = ParseUnsigned(body);
  return negative ? -value : value;
}

std::int16_t TextToInt16(std::string_view text) {
  return RoundToInteger<std::int16_t>(text);
}

std::int32_t TextToInt32(std::string_view text) {
  return RoundToInteger<std::int32_t>(text);
}

std::int16_t TextToFlag(std::string_view text) {
  const std::string_view word = StripBlanks(text);
  if (EqualsNoCase(word, "True")) return -1;
  if (EqualsNoCase(word, "False")) return 0;
  return TextToDouble(word) != 0 ? -1 : 0;
}

std::string IntegerToText(std::int64_t value) {
  return std::to_string(value);
}

std::string DoubleToText(double value) {
  if (value == 0) return "0";
  std::array<char, 64> buffer{};
  const auto result =
      std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::general, 15);
  std::string text(buffer.data(), result.ptr);
  for (char& c : text) {
    if (c == 'e') c = 'E';
  }
  return text;
}

}  // namespace runtime
