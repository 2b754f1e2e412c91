#include "app/settings_table.h"

#include <stdexcept>
#include <string>

#include "options/frm_options.h"

namespace app {

namespace {

using M = core::SettingsModel;
using O = options::frmOptions;
using core::Conversion;

constexpr std::string_view kStartup = "Startup";
constexpr std::string_view kPaths = "Paths";
constexpr std::string_view kPrograms = "Programs";
constexpr std::string_view kUserTags = "UserTags";

SettingRow Row(std::string_view section, std::string_view key, std::string_view defaultText, core::FieldRef field,
               Conversion conversion = Conversion::kAsStored) {
  return SettingRow{{core::kStoreApp, section, key, defaultText, field, conversion}, {}, OptionsPush::kAtRead, false};
}

SettingRow Saved(SettingRow row) {
  row.savedByMainWindow = true;
  return row;
}

SettingRow Shown(SettingRow row, OptionsControl control, OptionsPush push = OptionsPush::kAtRead) {
  row.control = control;
  row.push = push;
  return row;
}

// Two settings are read under the application name spelled "TornavanePowertool"; the store
// compares names without regard to case, so they reach the values written under kStoreApp.
SettingRow ReadUnderLowerT(SettingRow row) {
  row.application = core::kStoreAppLowerT;
  return row;
}

// The sample values of the first six static tags; the others start empty.
constexpr std::string_view kSampleTags[] = {"GADGETS && CO.", "DOODAD DIVISION", "MODEL-A",
                                            "REVISION B",     "A. DRAFTER",      "B. CHECKER"};

// The tag keys need names that live as long as the table.
const std::vector<std::string>& TagKeys() {
  static const std::vector<std::string> keys = [] {
    std::vector<std::string> names;
    for (int i = 1; i <= 50; ++i) names.push_back("TAG" + std::to_string(i));
    return names;
  }();
  return keys;
}

std::vector<SettingRow> WindowAndBatchRows() {
  return {
      Saved(Row(kStartup, "Left", "520", &M::LeftCoord)),
      Saved(Row(kStartup, "Top", "520", &M::TopCoord)),
      Saved(Row(kStartup, "HDividerTop", "3600", &M::HDividerTop)),
      Saved(Row(kStartup, "HLeftDividerTop", "3600", &M::HLeftDividerTop)),
      Row(kStartup, "SimpleMode", "0", &M::SimpleMode),
      Row(kStartup, "SimpleScriptPathOverride", "0", &M::SimpleScriptPathOverride),
      Saved(Row(kStartup, "DWGPattern", "*.dwg", &M::DWGPattern)),
      Saved(Row(kStartup, "SCRPattern", "", &M::SCRPattern)),
      Saved(Row(kStartup, "Initialize", "_SDI 1", &M::PreBatch)),
      Saved(Row(kStartup, "PreUserScript", "ZOOM E", &M::PreUserScript)),
      Saved(Row(kStartup, "PostUserScript", "", &M::PostUserScript)),
      Saved(Row(kStartup, "Uninitialize", "_SDI 0", &M::PostBatch)),
      Saved(Row(kStartup, "Counter", "0", &M::TotalFilesProcessed)),
      Saved(Row(kStartup, "TestRun", "0", &M::TestRun)),
      Saved(Row(kStartup, "UseDelay", "0", &M::UseDelay)),
      Saved(Row(kStartup, "SAVEAS", "0", &M::SAVEAS)),
      Saved(Row(kStartup, "NamePrefix", "", &M::NamePrefix)),
      Saved(Row(kStartup, "NameSuffix", "", &M::NameSuffix)),
      Saved(Row(kStartup, "OverWriteFiles", "1", &M::OverWriteFiles)),
      Saved(Row(kStartup, "SaveAsType", "Don't Change", &M::SaveAsType)),
      Saved(Row(kStartup, "SaveAsOriginalLocation", "-1", &M::SaveAsOriginalLocation)),
      Saved(Row(kStartup, "DebugComments", "1", &M::DebugComments)),
      Saved(Row(kStartup, "IncludeStatus", "0", &M::IncludeStatus)),
  };
}

std::vector<SettingRow> OptionRows() {
  constexpr auto kLater = OptionsPush::kLater;
  return {
      Shown(Row(kStartup, "LT", "0", &M::LT), &O::chkLT),
      Shown(Row(kStartup, "AutoLaunchEditor", "0", &M::AutoLaunchEditor), &O::Check1),
      Shown(Row(kStartup, "AutoADDFavorites", "1", &M::AutoADDFavorites), &O::chkFavorites),
      Row(kStartup, "EnableDelay", "1", &M::EnableDelay),
      Shown(Row(kStartup, "AutoMinimize", "0", &M::AutoMinimize), &O::chkAutoMinimize),
      Shown(Row(kPaths, "AutoCADEXE", "", &M::AutoCADEXE), &O::tbAutoCadEXE),
      Shown(Row(kPaths, "Switches", "", &M::Switches), &O::tbSwitches),
      Shown(Row(kPaths, "OutputNorm", "", &M::SCROutputPathNorm), &O::Text1),
      Shown(Row(kPaths, "OutputAlt", "", &M::SCROutputPathAlt), &O::tbAltOutput),
      Shown(Row(kPaths, "SCRIPTSPathOption", "False", &M::SCRIPTSPathOption, Conversion::kFlag),
            OptionsGroup{&O::optScriptDirDefault, 0}),
      // Shown in tbScriptDir, but "&OK" takes it from the scripts folder choice.
      Row(kPaths, "SCRIPTSPath", "", &M::SCRIPTSDir),
      Row(kStartup, "Face", "0", &M::Face),
      Saved(Row(kStartup, "OutputToDefaultPath", "1", &M::OutputToDefaultPath)),
      Shown(Row(kStartup, "Delay", "2000", &M::Delay), &O::tbDelay),
      Shown(Row(kStartup, "WarnBlankLine", "1", &M::WarnBlankLine), &O::chkWarnBlankLine),
      Shown(Row(kStartup, "WarnDoubleSpace", "1", &M::WarnDoubleSpace), &O::chkWarnDoubleSpace),
      Shown(Row(kStartup, "WarnLineEndsWithSpace", "1", &M::WarnLineEndsWithSpace), &O::chkWarnLineEndsWithSpace),
      Shown(Row(kStartup, "WarnLTLisp", "1", &M::WarnLTLisp), &O::chkWarnLTLisp),
      Shown(Row(kStartup, "WarnSpaceInBlank", "1", &M::WarnSpaceInBlank), &O::chkWarnSpaceInBlank),
      Shown(Row(kStartup, "VerifyFiles", "1", &M::VerifyFilesBit), &O::chkVerifyFilesInQueue),
      Shown(Row(kStartup, "WarnFolderNotExist", "0", &M::WarnFoldersNotExist), &O::chkWarnFolderNotExist),
      Shown(Row(kStartup, "METAEnabled", "0", &M::METAEnabled), &O::chkMetaEnable),
      Shown(Row(kStartup, "METAImmediate", "0", &M::METAImmediate), &O::chkMetaImmediate),
      Shown(Row(kStartup, "ResourceWarning", "1", &M::ResourceWarning), &O::chkResourcesStarved),
      Shown(Row(kStartup, "ResourceFileLimit", "5", &M::ResourceFileLimit), &O::tbResourceFileLimit),
      Shown(Row(kStartup, "ScanForRogueTags", "1", &M::ScanForRogueTags), &O::chkScanForRogueTags),
      Shown(Row(kStartup, "EnableLogging", "0", &M::EnableLogging), &O::chkEnableLogging),
      Saved(Row(kPaths, "Source", "C:\\", &M::SourcePath)),
      Shown(Row(kPrograms, "TextEditor", "notepad.exe", &M::TextEditor), &O::Text2, kLater),
      Saved(Row(kStartup, "Height", "10128", &M::FormHeight)),
      Saved(Row(kStartup, "Width", "13084", &M::FormWidth)),
      Row(kStartup, "ShowSCRComplete", "1", &M::ShowSCRComplete),
      Shown(Row(kStartup, "DWGPreviewShow", "1", &M::DWGPreviewShow), &O::chkShowPreview, kLater),
      Shown(Row(kStartup, "AutoSortEnabled", "0", &M::AutoSortEnabled), &O::chkAutoSortEnabled, kLater),
      Shown(Row(kStartup, "AutoSortType", "0", &M::AutoSortType), OptionsGroup{&O::optSort, std::nullopt}, kLater),
      ReadUnderLowerT(Row(kStartup, "TipsShow", "1", &M::TipsShow)),
      ReadUnderLowerT(Saved(Row(kPaths, "DWGOutFolder", "", &M::DWGOutFolder))),
  };
}

std::vector<SettingRow> UserTagRows() {
  std::vector<SettingRow> rows = {
      Row(kUserTags, "FirstFileChars", "4", &M::FIRSTFILECHARS),
      Row(kUserTags, "SheetChars", "3", &M::SHEETCHARS),
      Row(kUserTags, "TrimZeros", "1", &M::TRIMZEROS),
      Row(kUserTags, "CounterStart", "1", &M::COUNTERSTART),
      Row(kUserTags, "CounterStep", "1", &M::COUNTERSTEP),
      Row(kUserTags, "PadCounterEnabled", "0", &M::PADCOUNTER),
      Row(kUserTags, "PadDigits", "2", &M::PADDIGITS),
  };
  const auto& tagKeys = TagKeys();
  for (int i = 0; i < 50; ++i) {
    std::string_view sample = i < 6 ? kSampleTags[i] : std::string_view();
    rows.push_back(Row(kUserTags, tagKeys[i], sample, core::TagField{i}));
  }
  return rows;
}

std::vector<SettingRow> MakeRows() {
  std::vector<SettingRow> rows = WindowAndBatchRows();
  for (auto part : {OptionRows(), UserTagRows()}) rows.insert(rows.end(), part.begin(), part.end());
  rows.push_back(Saved(Shown(Row(kStartup, "LoadMethod_Open", "2", &M::LoadOpen), OptionsGroup{&O::optLoadOpen, 3})));
  rows.push_back(Saved(Shown(Row(kStartup, "LoadMethod_Other", "_OPEN", &M::OpenOther), &O::tbOpenOther)));
  return rows;
}

}  // namespace

const std::vector<SettingRow>& SettingRows() {
  static const std::vector<SettingRow> rows = MakeRows();
  return rows;
}

const SettingRow& Binding(std::string_view key) {
  for (const SettingRow& row : SettingRows()) {
    if (row.key == key) return row;
  }
  throw std::out_of_range("no setting row for " + std::string(key));
}

}  // namespace app
