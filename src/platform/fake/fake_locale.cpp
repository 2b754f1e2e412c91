#include "platform/fake/fake_locale.h"

#include <array>
#include <cctype>
#include <cstdio>

#include "runtime/error.h"
#include "runtime/text.h"
#include "runtime/time_parse.h"

namespace platform::fake {

namespace {

constexpr std::array<const char*, 12> kMonths = {"January", "February", "March",     "April",   "May",      "June",
                                                 "July",    "August",   "September", "October", "November", "December"};
constexpr std::array<const char*, 7> kDays = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                              "Thursday", "Friday", "Saturday"};

std::string Name(const char* full, bool abbreviated) {
  std::string name = full;
  return abbreviated ? name.substr(0, 3) : name;
}

// The hyphen and the apostrophe weigh nothing in the first comparison ("co-op" sorts beside
// "coop", "a-c" after "ab"), as in the system's word sort.
bool IgnoredFirst(unsigned c) {
  return c == '-' || c == '\'';
}

// The weight of every byte: ASCII symbols and punctuation in code order, then the digits,
// then the letters, then the bytes above ASCII in code order. Upper-case letters share the
// weight of their lower-case form. Weights start at 2: 1 ends the first comparison.
std::array<unsigned char, 256> MakeWeights() {
  std::array<unsigned char, 256> weights{};
  unsigned next = 2;
  auto isAlnum = [](unsigned c) { return c < 128 && std::isalnum(static_cast<int>(c)) != 0; };
  for (unsigned c = 0; c < 128; ++c) {
    if (!isAlnum(c)) weights[c] = static_cast<unsigned char>(next++);
  }
  for (unsigned c = '0'; c <= '9'; ++c) weights[c] = static_cast<unsigned char>(next++);
  for (unsigned c = 'a'; c <= 'z'; ++c) weights[c] = static_cast<unsigned char>(next++);
  for (unsigned c = 128; c < 256; ++c) weights[c] = static_cast<unsigned char>(next++);
  for (unsigned c = 0; c < 256; ++c) {
    auto lower = static_cast<unsigned char>(runtime::LowerCase(static_cast<char>(c)));
    if (lower != c) weights[c] = weights[lower];
  }
  return weights;
}

}  // namespace

// The weights of the bytes that count first, a 1, then each ignored byte's position (four
// bytes, most significant first) and weight: texts equal but for hyphens and apostrophes
// differ only there, and the one with fewer comes first.
std::string FakeLocale::CollationKey(std::string_view text) {
  static const std::array<unsigned char, 256> kWeights = MakeWeights();
  std::string key;
  key.reserve(text.size() + 1);
  std::string ignored;
  for (std::size_t i = 0; i < text.size(); ++i) {
    auto c = static_cast<unsigned char>(text[i]);
    if (!IgnoredFirst(c)) {
      key += static_cast<char>(kWeights[c]);
      continue;
    }
    for (int shift = 24; shift >= 0; shift -= 8) ignored += static_cast<char>((i >> shift) & 0xFF);
    ignored += static_cast<char>(kWeights[c]);
  }
  key += '\x01';
  return key + ignored;
}

std::string FakeLocale::ShortDate(const runtime::DateTime& value) {
  char text[32];
  std::snprintf(text, sizeof text, "%d/%d/%04d", value.month, value.day, value.year);
  return text;
}

std::string FakeLocale::LongTime(const runtime::DateTime& value) {
  int hour = value.hour % 12 == 0 ? 12 : value.hour % 12;
  char text[32];
  std::snprintf(text, sizeof text, "%d:%02d:%02d %s", hour, value.minute, value.second, value.hour < 12 ? "AM" : "PM");
  return text;
}

std::string FakeLocale::MonthName(int month, bool abbreviated) {
  if (month < 1 || month > 12) throw runtime::Error(runtime::kInvalidProcedureCall);
  return Name(kMonths[month - 1], abbreviated);
}

std::string FakeLocale::DayName(int weekday, bool abbreviated) {
  if (weekday < 1 || weekday > 7) throw runtime::Error(runtime::kInvalidProcedureCall);
  return Name(kDays[weekday - 1], abbreviated);
}

std::optional<runtime::DateTime> FakeLocale::ParseTime(const std::string& text) {
  return runtime::ParseTimeOfDay(text);
}

}  // namespace platform::fake
