#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

// What the user tag manager's "&Ok" stores, and the checks of its number boxes.
namespace tags {

inline constexpr std::string_view kUserTagsSection = "UserTags";

// The dialog's controls as OK reads them.
struct UserTagInput {
  std::string firstFileChars;
  std::string sheetChars;
  bool trimZeros = false;
  std::string counterStart;
  std::string counterStep;
  bool padCounter = false;
  std::string padDigits;
  std::array<std::string, 50> tags;
};

struct UserTagEntry {
  std::string key;
  std::string value;
  friend bool operator==(const UserTagEntry&, const UserTagEntry&) = default;
};

// The 57 keys of the "UserTags" section with their texts, in the order OK writes them:
// FirstFileChars, SheetChars, TrimZeros, CounterStart, CounterStep, PadCounterEnabled,
// PadDigits, TAG1 to TAG50. Boxes go out as typed, check boxes as "1" or "0".
std::vector<UserTagEntry> UserTagEntries(const UserTagInput& input);

// A character count the tag engine can use: it begins with a digit from 1 to 9 and is a
// number that fits the field ("$SHEET$" counts are 16-bit, "$FIRSTFILECHARS$" counts 32-bit).
bool IsSheetCharCount(std::string_view text);
bool IsFirstFileCharCount(std::string_view text);

// Why a character count is refused, as the first line of the message that resets it: ""
// when the engine can use it; the allowed range for a number too large for its field
// ("Value must be from "1" to "32767"."); "Value must be greater than "0"." otherwise.
std::string SheetCharCountRefusal(std::string_view text);
std::string FirstFileCharCountRefusal(std::string_view text);

// A counter start or step: a whole number in the 32-bit signed range.
bool IsCounterValue(std::string_view text);

}  // namespace tags
