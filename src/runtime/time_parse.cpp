#include "runtime/time_parse.h"

#include <vector>

#include "runtime/text.h"

namespace runtime {

namespace {

enum class Half { kNone, kAm, kPm };

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  return !prefix.empty() && text.size() >= prefix.size() && EqualsNoCase(text.substr(0, prefix.size()), prefix);
}

bool EndsWithNoCase(std::string_view text, std::string_view suffix) {
  return !suffix.empty() && text.size() >= suffix.size() &&
         EqualsNoCase(text.substr(text.size() - suffix.size()), suffix);
}

// Takes an AM/PM designator off either end of text.
Half TakeDesignator(std::string& text, const TimeParseRules& rules) {
  const std::pair<std::string_view, Half> designators[] = {
      {rules.amDesignator, Half::kAm}, {rules.pmDesignator, Half::kPm}, {"AM", Half::kAm}, {"PM", Half::kPm}};
  for (const auto& [designator, half] : designators) {
    if (EndsWithNoCase(text, designator)) {
      text = Trim(std::string_view(text).substr(0, text.size() - designator.size()));
      return half;
    }
    if (StartsWithNoCase(text, designator)) {
      text = Trim(std::string_view(text).substr(designator.size()));
      return half;
    }
  }
  return Half::kNone;
}

// One to two decimal digits; -1 otherwise.
int ReadNumber(std::string_view digits) {
  if (digits.empty() || digits.size() > 2) return -1;
  int value = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') return -1;
    value = value * 10 + (c - '0');
  }
  return value;
}

std::vector<std::string_view> SplitFields(std::string_view text, std::string_view separator) {
  std::vector<std::string_view> fields;
  std::size_t start = 0;
  for (std::size_t i = 0; i <= text.size(); ++i) {
    bool atEnd = i == text.size();
    bool atColon = !atEnd && text[i] == ':';
    bool atSeparator = !atEnd && !separator.empty() && text.substr(i).starts_with(separator);
    if (!atEnd && !atColon && !atSeparator) continue;
    fields.push_back(text.substr(start, i - start));
    if (atSeparator && !atColon) i += separator.size() - 1;
    start = i + 1;
  }
  return fields;
}

}  // namespace

std::optional<DateTime> ParseTimeOfDay(std::string_view text, const TimeParseRules& rules) {
  std::string rest = Trim(text);
  Half half = TakeDesignator(rest, rules);
  std::vector<std::string_view> fields = SplitFields(rest, rules.separator);
  if (fields.size() > 3 || (fields.size() == 1 && half == Half::kNone)) return std::nullopt;

  int values[3] = {0, 0, 0};
  for (std::size_t i = 0; i < fields.size(); ++i) {
    values[i] = ReadNumber(fields[i]);
    if (values[i] < 0) return std::nullopt;
  }
  int hour = values[0];
  if (values[1] > 59 || values[2] > 59) return std::nullopt;
  if (half == Half::kNone ? hour > 23 : hour > 12) return std::nullopt;
  if (half == Half::kAm && hour == 12) hour = 0;
  if (half == Half::kPm && hour < 12) hour += 12;

  DateTime result;
  result.hour = hour;
  result.minute = values[1];
  result.second = values[2];
  return result;
}

}  // namespace runtime
