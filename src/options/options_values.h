#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "runtime/date_time.h"

// What the options dialog does with values, apart from its controls: the checks of "&OK",
// the scripts folder it sets, and the name of a scripts backup.
namespace options {

// The application name of the program's settings in the settings store.
inline constexpr const char* kSettingsApp = "TornavanePowerTool";

// What an empty delay box and an empty file-limit box stand for.
inline constexpr const char* kDefaultDelay = "2000";
inline constexpr const char* kDefaultFileLimit = "10";

// The number a box holds when it is a whole number from min to max: decimal digits only,
// blanks around them allowed. Nothing for anything else (empty, a sign, a fraction, text).
std::optional<int> ParseWholeNumber(std::string_view text, int min, int max);

// The delay box: empty, or 0 to 32767 milliseconds (the most AutoCAD's DELAY takes).
bool IsValidDelay(std::string_view text);
// The file-limit box: empty, or 1 to 32767 files.
bool IsValidFileLimit(std::string_view text);

// The user-scripts folder "&OK" sets: the "SCRIPTS" folder under the program folder, or the
// "Other" folder as typed.
std::string ScriptsFolder(bool otherFolder, const std::string& typedFolder, const std::string& programFolder);

// A check box value as stored: "1" when ticked, "0" otherwise.
std::string CheckText(int value);

// The name of one backup's folder: "yyyy-mm-dd-hh-mm-ss" of the moment it is made.
std::string BackupStamp(const runtime::DateTime& now);

}  // namespace options
