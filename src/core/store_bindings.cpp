#include "core/store_bindings.h"

#include <stdexcept>

#include "runtime/convert.h"

namespace core {

namespace {

using M = SettingsModel;

constexpr std::string_view kStartup = "Startup";
constexpr std::string_view kPaths = "Paths";
constexpr std::string_view kPrograms = "Programs";
constexpr std::string_view kUserTags = "UserTags";

StoreBinding Bind(std::string_view section, std::string_view key, std::string_view defaultText, FieldRef field) {
  return StoreBinding{kStoreApp, section, key, defaultText, field};
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

std::vector<StoreBinding> MakeBindings() {
  std::vector<StoreBinding> b = {
      Bind(kStartup, "Left", "520", &M::LeftCoord),
      Bind(kStartup, "Top", "520", &M::TopCoord),
      Bind(kStartup, "HDividerTop", "3600", &M::HDividerTop),
      Bind(kStartup, "HLeftDividerTop", "3600", &M::HLeftDividerTop),
      Bind(kStartup, "SimpleMode", "0", &M::SimpleMode),
      Bind(kStartup, "SimpleScriptPathOverride", "0", &M::SimpleScriptPathOverride),
      Bind(kStartup, "DWGPattern", "*.dwg", &M::DWGPattern),
      Bind(kStartup, "SCRPattern", "", &M::SCRPattern),
      Bind(kStartup, "Initialize", "_SDI 1", &M::PreBatch),
      Bind(kStartup, "PreUserScript", "ZOOM E", &M::PreUserScript),
      Bind(kStartup, "PostUserScript", "", &M::PostUserScript),
      Bind(kStartup, "Uninitialize", "_SDI 0", &M::PostBatch),
      Bind(kStartup, "Counter", "0", &M::TotalFilesProcessed),
      Bind(kStartup, "TestRun", "0", &M::TestRun),
      Bind(kStartup, "UseDelay", "0", &M::UseDelay),
      Bind(kStartup, "SAVEAS", "0", &M::SAVEAS),
      Bind(kStartup, "NamePrefix", "", &M::NamePrefix),
      Bind(kStartup, "NameSuffix", "", &M::NameSuffix),
      Bind(kStartup, "OverWriteFiles", "1", &M::OverWriteFiles),
      Bind(kStartup, "SaveAsType", "Don't Change", &M::SaveAsType),
      Bind(kStartup, "SaveAsOriginalLocation", "-1", &M::SaveAsOriginalLocation),
      Bind(kStartup, "DebugComments", "1", &M::DebugComments),
      Bind(kStartup, "IncludeStatus", "0", &M::IncludeStatus),
      Bind(kStartup, "LT", "0", &M::LT),
      Bind(kStartup, "AutoLaunchEditor", "0", &M::AutoLaunchEditor),
      Bind(kStartup, "AutoADDFavorites", "1", &M::AutoADDFavorites),
      Bind(kStartup, "EnableDelay", "1", &M::EnableDelay),
      Bind(kStartup, "AutoMinimize", "0", &M::AutoMinimize),
      Bind(kPaths, "AutoCADEXE", "", &M::AutoCADEXE),
      Bind(kPaths, "Switches", "", &M::Switches),
      Bind(kPaths, "OutputNorm", "", &M::SCROutputPathNorm),
      Bind(kPaths, "OutputAlt", "", &M::SCROutputPathAlt),
      Bind(kPaths, "SCRIPTSPathOption", "False", &M::SCRIPTSPathOption),
      Bind(kPaths, "SCRIPTSPath", "", &M::SCRIPTSDir),
      Bind(kStartup, "Face", "0", &M::Face),
      Bind(kStartup, "OutputToDefaultPath", "1", &M::OutputToDefaultPath),
      Bind(kStartup, "Delay", "2000", &M::Delay),
      Bind(kStartup, "WarnBlankLine", "1", &M::WarnBlankLine),
      Bind(kStartup, "WarnDoubleSpace", "1", &M::WarnDoubleSpace),
      Bind(kStartup, "WarnLineEndsWithSpace", "1", &M::WarnLineEndsWithSpace),
      Bind(kStartup, "WarnLTLisp", "1", &M::WarnLTLisp),
      Bind(kStartup, "WarnSpaceInBlank", "1", &M::WarnSpaceInBlank),
      Bind(kStartup, "VerifyFiles", "1", &M::VerifyFilesBit),
      Bind(kStartup, "WarnFolderNotExist", "0", &M::WarnFoldersNotExist),
      Bind(kStartup, "METAEnabled", "0", &M::METAEnabled),
      Bind(kStartup, "METAImmediate", "0", &M::METAImmediate),
      Bind(kStartup, "ResourceWarning", "1", &M::ResourceWarning),
      Bind(kStartup, "ResourceFileLimit", "5", &M::ResourceFileLimit),
      Bind(kStartup, "ScanForRogueTags", "1", &M::ScanForRogueTags),
      Bind(kStartup, "EnableLogging", "0", &M::EnableLogging),
      Bind(kPaths, "Source", "C:\\", &M::SourcePath),
      Bind(kPrograms, "TextEditor", "notepad.exe", &M::TextEditor),
      Bind(kStartup, "Height", "10128", &M::FormHeight),
      Bind(kStartup, "Width", "13084", &M::FormWidth),
      Bind(kStartup, "ShowSCRComplete", "1", &M::ShowSCRComplete),
      Bind(kStartup, "DWGPreviewShow", "1", &M::DWGPreviewShow),
      Bind(kStartup, "AutoSortEnabled", "0", &M::AutoSortEnabled),
      Bind(kStartup, "AutoSortType", "0", &M::AutoSortType),
      Bind(kStartup, "TipsShow", "1", &M::TipsShow),
      Bind(kPaths, "DWGOutFolder", "", &M::DWGOutFolder),
      Bind(kUserTags, "FirstFileChars", "4", &M::FIRSTFILECHARS),
      Bind(kUserTags, "SheetChars", "3", &M::SHEETCHARS),
      Bind(kUserTags, "TrimZeros", "1", &M::TRIMZEROS),
      Bind(kUserTags, "CounterStart", "1", &M::COUNTERSTART),
      Bind(kUserTags, "CounterStep", "1", &M::COUNTERSTEP),
      Bind(kUserTags, "PadCounterEnabled", "0", &M::PADCOUNTER),
      Bind(kUserTags, "PadDigits", "2", &M::PADDIGITS),
  };
  for (StoreBinding& binding : b) {
    if (binding.key == "SCRIPTSPathOption") binding.conversion = Conversion::kFlag;
    if (binding.key == "TipsShow" || binding.key == "DWGOutFolder") binding.application = kStoreAppLowerT;
  }
  const auto& tagKeys = TagKeys();
  for (int i = 0; i < 50; ++i) {
    std::string_view sample = i < 6 ? kSampleTags[i] : std::string_view();
    b.push_back(Bind(kUserTags, tagKeys[i], sample, TagField{i}));
  }
  b.push_back(Bind(kStartup, "LoadMethod_Open", "2", &M::LoadOpen));
  b.push_back(Bind(kStartup, "LoadMethod_Other", "_OPEN", &M::OpenOther));
  return b;
}

}  // namespace

const std::vector<StoreBinding>& StoreBindings() {
  static const std::vector<StoreBinding> bindings = MakeBindings();
  return bindings;
}

const StoreBinding& Binding(std::string_view key) {
  for (const StoreBinding& binding : StoreBindings()) {
    if (binding.key == key) return binding;
  }
  throw std::out_of_range("no store binding for " + std::string(key));
}

void AssignFromText(const StoreBinding& binding, SettingsModel& model, std::string_view text) {
  struct Assign {
    SettingsModel& model;
    std::string_view text;
    Conversion conversion;
    void operator()(std::string SettingsModel::*field) const { model.*field = std::string(text); }
    void operator()(std::int16_t SettingsModel::*field) const {
      model.*field = conversion == Conversion::kFlag ? runtime::TextToFlag(text) : runtime::TextToInt16(text);
    }
    void operator()(std::int32_t SettingsModel::*field) const { model.*field = runtime::TextToInt32(text); }
    void operator()(double SettingsModel::*field) const { model.*field = runtime::TextToDouble(text); }
    void operator()(TagField tag) const { model.TAG.at(tag.index) = std::string(text); }
  };
  std::visit(Assign{model, text, binding.conversion}, binding.field);
}

void ReadBinding(platform::SettingsStore& store, const StoreBinding& binding, SettingsModel& model) {
  std::string text = store.Get(std::string(binding.application), std::string(binding.section), std::string(binding.key),
                               std::string(binding.defaultText));
  AssignFromText(binding, model, text);
}

void AssignDefault(const StoreBinding& binding, SettingsModel& model) {
  AssignFromText(binding, model, binding.defaultText);
}

std::string FieldText(const StoreBinding& binding, const SettingsModel& model) {
  struct Text {
    const SettingsModel& model;
    std::string operator()(std::string SettingsModel::*field) const { return model.*field; }
    std::string operator()(std::int16_t SettingsModel::*field) const { return runtime::IntegerToText(model.*field); }
    std::string operator()(std::int32_t SettingsModel::*field) const { return runtime::IntegerToText(model.*field); }
    std::string operator()(double SettingsModel::*field) const { return runtime::DoubleToText(model.*field); }
    std::string operator()(TagField tag) const { return model.TAG.at(tag.index); }
  };
  return std::visit(Text{model}, binding.field);
}

void WriteBinding(platform::SettingsStore& store, const StoreBinding& binding, const SettingsModel& model) {
  store.Write(std::string(kStoreApp), std::string(binding.section), std::string(binding.key),
              FieldText(binding, model));
}

}  // namespace core
