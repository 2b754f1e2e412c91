#include "tags/user_tag_values.h"

#include <cmath>
#include <cstdint>
#include <limits>

#include "runtime/convert.h"
#include "runtime/error.h"

namespace tags {

namespace {

std::string CheckText(bool ticked) {
  return ticked ? "1" : "0";
}

bool BeginsWithNonZeroDigit(std::string_view text) {
  return !text.empty() && text.front() >= '1' && text.front() <= '9';
}

template <class Convert>
bool Converts(std::string_view text, Convert convert) {
  try {
    convert(text);
    return true;
  } catch (const runtime::Error&) {
    return false;
  }
}

bool AllDigits(std::string_view text) {
  for (char c : text) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

template <class Field>
std::string CountRefusal(std::string_view text, bool accepted) {
  if (accepted) return "";
  if (BeginsWithNonZeroDigit(text) && AllDigits(text)) {
    return "Value must be from \"1\" to \"" + std::to_string(std::numeric_limits<Field>::max()) + "\".";
  }
  return "Value must be greater than \"0\".";
}

}  // namespace

std::vector<UserTagEntry> UserTagEntries(const UserTagInput& input) {
  std::vector<UserTagEntry> entries = {
      {"FirstFileChars", input.firstFileChars},
      {"SheetChars", input.sheetChars},
      {"TrimZeros", CheckText(input.trimZeros)},
      {"CounterStart", input.counterStart},
      {"CounterStep", input.counterStep},
      {"PadCounterEnabled", CheckText(input.padCounter)},
      {"PadDigits", input.padDigits},
  };
  for (std::size_t i = 0; i < input.tags.size(); ++i) {
    entries.push_back({"TAG" + std::to_string(i + 1), input.tags[i]});
  }
  return entries;
}

bool IsSheetCharCount(std::string_view text) {
  return BeginsWithNonZeroDigit(text) && Converts(text, runtime::TextToInt16);
}

bool IsFirstFileCharCount(std::string_view text) {
  return BeginsWithNonZeroDigit(text) && Converts(text, runtime::TextToInt32);
}

std::string SheetCharCountRefusal(std::string_view text) {
  return CountRefusal<std::int16_t>(text, IsSheetCharCount(text));
}

std::string FirstFileCharCountRefusal(std::string_view text) {
  return CountRefusal<std::int32_t>(text, IsFirstFileCharCount(text));
}

bool IsCounterValue(std::string_view text) {
  double value = 0;
  try {
    value = runtime::TextToDouble(text);
  } catch (const runtime::Error&) {
    return false;
  }
  return std::isfinite(value) && value == std::trunc(value) &&
         value >= static_cast<double>(std::numeric_limits<std::int32_t>::min()) &&
         value <= static_cast<double>(std::numeric_limits<std::int32_t>::max());
}

}  // namespace tags
