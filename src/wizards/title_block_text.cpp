#include "wizards/title_block_text.h"

#include "core/path_helpers.h"
#include "wizards/wizard_text.h"

namespace wizards {

namespace {

constexpr std::string_view kDependsOnFile = "(Output depends on file)";

bool Filled(const TitleBlockRow& row) {
  return !row.name.empty() || !row.value.empty();
}

// The substitution step of the tag value spells, letter case and all; nothing for free text.
const tags::TagStep* StepOf(std::string_view value) {
  for (const tags::TagStep& step : tags::SubstitutionSteps()) {
    if (value == step.tag) return &step;
  }
  return nullptr;
}

}  // namespace

std::string CreateTBWScript(const TitleBlockInputs& inputs, std::string_view programFolder,
                            std::string_view userScript) {
  std::string text = OpenBlock(userScript);
  text += LoadLine(programFolder, "TB_WIZ1.LSP");
  for (const TitleBlockRow& row : inputs.rows) {
    if (!Filled(row)) continue;
    AppendLine(text, kBlockSeparator);
    AppendLine(text, "TB_WIZ1");
    AppendLine(text, "\"" + inputs.blockName + "\"");
    AppendLine(text, row.name);
    AppendLine(text, row.value);
  }
  AppendLine(text, "REGEN");
  text += kBlockSeparator;
  return text;
}

std::vector<std::string> TitleBlockRecord(const TitleBlockInputs& inputs) {
  std::vector<std::string> lines;
  lines.reserve(kTitleBlockRecordLines);
  lines.push_back(inputs.blockName);
  for (const TitleBlockRow& row : inputs.rows) lines.push_back(row.name);
  for (const TitleBlockRow& row : inputs.rows) lines.push_back(row.value);
  return lines;
}

std::string OutputExample(std::string_view value, const OutputExampleSources& sources) {
  const tags::TagStep* step = StepOf(value);
  if (step == nullptr) return "";
  switch (step->kind) {
    case tags::TagKind::kDateText:
      return (*sources.dates)[static_cast<std::size_t>(step->arg)];
    case tags::TagKind::kFileName:
    case tags::TagKind::kFilePath:
    case tags::TagKind::kParentPath:
    case tags::TagKind::kRootPath:
    case tags::TagKind::kFirstFileChars:
    case tags::TagKind::kSheet:
    case tags::TagKind::kCounter:
      return std::string(kDependsOnFile);
    case tags::TagKind::kTorPath:
      return core::FolderWithBackslash(sources.programFolder);
    case tags::TagKind::kFileCount:
      return std::to_string(sources.queueCount);
    case tags::TagKind::kUser:
      return std::string(sources.user);
    case tags::TagKind::kComputer:
      return std::string(sources.computer);
    case tags::TagKind::kStatic:
      return (*sources.TAG)[static_cast<std::size_t>(step->arg)];
    case tags::TagKind::kFileNamePrev:
    case tags::TagKind::kFileNameNext:
    case tags::TagKind::kSheetPrev:
    case tags::TagKind::kSheetNext:
      return "";
  }
  return "";
}

}  // namespace wizards
