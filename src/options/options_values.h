#pragma once

#include <compare>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/settings_model.h"
#include "runtime/date_time.h"

// What the options dialog does with values, apart from its controls: the checks of "&OK",
// the settings fields it sets and the values it stores, and the name of a scripts backup.
namespace options {

// The application name of the program's settings in the settings store.
inline constexpr const char* kSettingsApp = "TornavanePowerTool";

// What an empty delay box and an empty file-limit box stand for.
inline constexpr const char* kDefaultDelay = "2000";
inline constexpr const char* kDefaultFileLimit = "10";

// The dialog's controls as "&OK" reads them. Check boxes hold their value (0, 1 or 2).
struct OptionsInput {
  bool normalOutput = true;         // optNormalOutputPath, else optAltOutputPath
  bool otherScriptsFolder = false;  // optScriptDirDefault(1) "Other"
  std::string normalPath;           // Text1
  std::string altPath;              // tbAltOutput
  std::string autoCadExe;           // tbAutoCadEXE
  std::string switches;             // tbSwitches
  std::string scriptDir;            // tbScriptDir
  std::string textEditor;           // Text2
  std::string delay;                // tbDelay
  std::string resourceFileLimit;    // tbResourceFileLimit
  std::string openOther;            // tbOpenOther
  int loadOpen = 3;                 // the chosen optLoadOpen
  std::optional<int> sortType;      // the chosen optSort, if any
  int lt = 0;
  int launchEditor = 0;  // Check1
  int favorites = 0;
  int showPreview = 0;
  int autoSortEnabled = 0;
  int autoMinimize = 0;
  int metaEnable = 0;
  int metaImmediate = 0;
  int resourcesStarved = 0;
  int scanForRogueTags = 0;
  int enableLogging = 0;
  int warnBlankLine = 0;
  int warnDoubleSpace = 0;
  int warnLineEndsWithSpace = 0;
  int warnLTLisp = 0;
  int warnSpaceInBlank = 0;
  int verifyFiles = 0;
  int warnFolderNotExist = 0;
};

// One value "&OK" writes to the settings store.
struct StoreEntry {
  std::string section;
  std::string key;
  std::string value;
  friend bool operator==(const StoreEntry&, const StoreEntry&) = default;
};

// The number a box holds when it is a whole number from min to max: decimal digits only,
// blanks around them allowed. Nothing for anything else (empty, a sign, a fraction, text).
std::optional<int> ParseWholeNumber(std::string_view text, int min, int max);

// The delay box: empty, or 0 to 32767 milliseconds (the most AutoCAD's DELAY takes).
bool IsValidDelay(std::string_view text);
// The file-limit box: empty, or 1 to 32767 files.
bool IsValidFileLimit(std::string_view text);

// The user-scripts folder "&OK" sets: the "SCRIPTS" folder under the program folder, or the
// "Other" folder as typed.
std::string ScriptsFolder(const OptionsInput& input, const std::string& programFolder);

// Copies the input into the settings fields "&OK" sets. The delay and file-limit texts must
// have passed their checks and their fill-ins.
void ApplyOptions(const OptionsInput& input, const std::string& programFolder, core::SettingsModel& model);

// The values "&OK" stores, in the order it stores them.
std::vector<StoreEntry> OptionsStoreEntries(const OptionsInput& input, const std::string& programFolder);

// A check box value as stored: "1" when ticked, "0" otherwise.
std::string CheckText(int value);

// The name of one backup's folder: "yyyy-mm-dd-hh-mm-ss" of the moment it is made.
std::string BackupStamp(const runtime::DateTime& now);

}  // namespace options
