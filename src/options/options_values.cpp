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

std::int16_t Int16(int value) {
  return static_cast<std::int16_t>(value);
}

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

std::string ScriptsFolder(const OptionsInput& input, const std::string& programFolder) {
  return input.otherScriptsFolder ? input.scriptDir : programFolder + "\\SCRIPTS";
}

std::string CheckText(int value) {
  return value == 1 ? "1" : "0";
}

void ApplyOptions(const OptionsInput& input, const std::string& programFolder, core::SettingsModel& model) {
  model.SCROutputPathNorm = input.normalPath;
  model.SCROutputPathAlt = input.altPath;
  model.AutoCADEXE = input.autoCadExe;
  model.Switches = input.switches;
  model.SCRIPTSDir = ScriptsFolder(input, programFolder);
  model.SCRIPTSPathOption = input.otherScriptsFolder ? core::kTrue : core::kFalse;
  model.TextEditor = input.textEditor;
  model.AutoLaunchEditor = Int16(input.launchEditor);
  model.AutoADDFavorites = Int16(input.favorites);
  model.DWGPreviewShow = Int16(input.showPreview);
  model.AutoSortEnabled = Int16(input.autoSortEnabled);
  model.AutoMinimize = Int16(input.autoMinimize);
  model.METAEnabled = Int16(input.metaEnable);
  model.METAImmediate = Int16(input.metaImmediate);
  model.ResourceWarning = Int16(input.resourcesStarved);
  model.ResourceFileLimit = runtime::TextToInt16(input.resourceFileLimit);
  model.ScanForRogueTags = Int16(input.scanForRogueTags);
  model.EnableLogging = Int16(input.enableLogging);
  model.WarnBlankLine = Int16(input.warnBlankLine);
  model.WarnDoubleSpace = Int16(input.warnDoubleSpace);
  model.WarnLineEndsWithSpace = Int16(input.warnLineEndsWithSpace);
  model.WarnLTLisp = Int16(input.warnLTLisp);
  model.WarnSpaceInBlank = Int16(input.warnSpaceInBlank);
  model.VerifyFilesBit = Int16(input.verifyFiles);
  model.WarnFoldersNotExist = Int16(input.warnFolderNotExist);
  model.LT = Int16(input.lt);
  if (input.sortType) model.AutoSortType = Int16(*input.sortType);
  model.OutputToDefaultPath = input.normalOutput ? 1 : 0;
  model.SCROutputPath = input.normalOutput ? model.SCROutputPathNorm : model.SCROutputPathAlt;
  model.Delay = input.delay;
  model.OpenOther = input.openOther;
  model.LoadOpen = Int16(input.loadOpen);
}

std::vector<StoreEntry> OptionsStoreEntries(const OptionsInput& input, const std::string& programFolder) {
  std::vector<StoreEntry> entries = {
      {"Startup", "AutoLaunchEditor", CheckText(input.launchEditor)},
      {"Startup", "AutoADDFavorites", CheckText(input.favorites)},
      {"Startup", "DWGPreviewShow", CheckText(input.showPreview)},
      {"Startup", "AutoSortEnabled", CheckText(input.autoSortEnabled)},
  };
  if (input.sortType) entries.push_back({"Startup", "AutoSortType", runtime::IntegerToText(*input.sortType)});
  std::vector<StoreEntry> rest = {
      {"Startup", "AutoMinimize", CheckText(input.autoMinimize)},
      {"Startup", "WarnBlankLine", CheckText(input.warnBlankLine)},
      {"Startup", "WarnDoubleSpace", CheckText(input.warnDoubleSpace)},
      {"Startup", "WarnLineEndsWithSpace", CheckText(input.warnLineEndsWithSpace)},
      {"Startup", "WarnLTLisp", CheckText(input.warnLTLisp)},
      {"Startup", "WarnSpaceInBlank", CheckText(input.warnSpaceInBlank)},
      {"Startup", "VerifyFiles", CheckText(input.verifyFiles)},
      {"Startup", "WarnFolderNotExist", CheckText(input.warnFolderNotExist)},
      {"Startup", "METAEnabled", CheckText(input.metaEnable)},
      {"Startup", "METAImmediate", CheckText(input.metaImmediate)},
      {"Startup", "ResourceWarning", CheckText(input.resourcesStarved)},
      {"Startup", "ResourceFileLimit", input.resourceFileLimit},
      {"Startup", "ScanForRogueTags", CheckText(input.scanForRogueTags)},
      {"Startup", "EnableLogging", CheckText(input.enableLogging)},
      {"Startup", "LT", CheckText(input.lt)},
      {"Programs", "TextEditor", input.textEditor},
      {"Paths", "AutoCADEXE", input.autoCadExe},
      {"Paths", "Switches", input.switches},
      {"Paths", "OutputNorm", input.normalPath},
      {"Paths", "OutputAlt", input.altPath},
      {"Paths", "SCRIPTSPathOption", input.otherScriptsFolder ? "True" : "False"},
      {"Paths", "SCRIPTSPath", ScriptsFolder(input, programFolder)},
      {"Startup", "Delay", input.delay},
      {"Startup", "LoadMethod_Open", runtime::IntegerToText(input.loadOpen)},
      {"Startup", "LoadMethod_Other", input.openOther},
  };
  entries.insert(entries.end(), rest.begin(), rest.end());
  return entries;
}

std::string BackupStamp(const runtime::DateTime& now) {
  char stamp[32];
  std::snprintf(stamp, sizeof stamp, "%04d-%02d-%02d-%02d-%02d-%02d", now.year, now.month, now.day, now.hour,
                now.minute, now.second);
  return stamp;
}

}  // namespace options
