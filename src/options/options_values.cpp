#include "options/options_values.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdio>

#include "runtime/convert.h"
#include "runtime/text.h"

namespace options {

namespace {

constexpr int kMaxDelay = 32767;
constexpr int kMaxFileLimit = 32767;

}  // namespace

std::optional<int> ParseWholeNumber(std::string_view text, int min, int max) {
  std::string digits = runtime::Trim(text);
  if (digits.empty()) return std::nullopt;
  bool allDigits = std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; });
  if (!allDigits) return std::nullopt;
  long long value = 0;
  auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (error != std::errc() || value < min || value > max) return std::nullopt;
  return static_cast<int>(value);
}

bool IsValidDelay(std::string_view text) {
  return runtime::Trim(text).empty() || ParseWholeNumber(text, 0, kMaxDelay).has_value();
}

bool IsValidFileLimit(std::string_view text) {
  return runtime::Trim(text).empty() || ParseWholeNumber(text, 1, kMaxFileLimit).has_value();
}

std::string ScriptsFolder(bool otherFolder, const std::string& typedFolder, const std::string& programFolder) {
  return otherFolder ? typedFolder : programFolder + "\\SCRIPTS";
}

std::string CheckText(int value) {
  return value == 1 ? "1" : "0";
}

std::string BackupStamp(const runtime::DateTime& now) {
  char stamp[32];
  std::snprintf(stamp, sizeof stamp, "%04d-%02d-%02d-%02d-%02d-%02d", now.year, now.month, now.day, now.hour,
                now.minute, now.second);
  return stamp;
}

}  // namespace options
