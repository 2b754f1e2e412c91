#include "wizards/title_block_text.h"

#include <utility>

#include "wizards/wizard_text.h"

namespace wizards {

namespace {

constexpr std::string_view kDependsOnFile = "(Output depends on file)";

bool Filled(const TitleBlockRow& row) {
  return !row.name.empty() || !row.value.empty();
}

std::string StaticTag(int n) {
  return "$TAG" + std::to_string(n) + "$";
}

// The tags whose preview is a date or time text, with the text each shows.
constexpr std::array<std::pair<std::string_view, tags::DateText>, tags::kDateTextCount> kDateTags{{
    {"$MM/DD/YY$", tags::kMonthDayYear},
    {"$DD/MM/YY$", tags::kDayMonthYear},
    {"$YY/MM/DD$", tags::kYearMonthDay},
    {"$YYYY$", tags::kYear4},
    {"$YY$", tags::kYear2},
    {"$MM$", tags::kMonth},
    {"$MM-1$", tags::kMonthLess1},
    {"$MM-2$", tags::kMonthLess2},
    {"$MM-3$", tags::kMonthLess3},
    {"$DD$", tags::kDay},
    {"$DATE$", tags::kLongDate},
    {"$TIME_12$", tags::kTime12},
    {"$TIME_24$", tags::kTime24},
}};

// The tags whose value comes from the drawing being processed.
bool DependsOnFile(std::string_view value) {
  static const std::vector<std::string> tags = [] {
    std::vector<std::string> all = {"$SHEET$", "$FILENAME$", "$FILEPATH$"};
    for (int n = 1; n <= 9; ++n) all.push_back("$FILEPATH-" + std::to_string(n) + "$");
    all.emplace_back("$FILEDRIVE$");
    for (int n = 1; n <= 9; ++n) all.push_back("$FILEDRIVE+" + std::to_string(n) + "$");
    all.emplace_back("$COUNTER$");
    all.emplace_back("$FIRSTFILECHARS$");
    return all;
  }();
  for (const std::string& tag : tags) {
    if (value == tag) return true;
  }
  return false;
}

// 1 to 50 for "$TAG1$" to "$TAG50$" written exactly so; 0 for anything else.
int StaticTagNumber(std::string_view value) {
  for (int n = 1; n <= 50; ++n) {
    if (value == StaticTag(n)) return n;
  }
  return 0;
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
  if (!value.starts_with('$')) return "";
  for (const auto& [tag, text] : kDateTags) {
    if (value == tag) return (*sources.dates)[text];
  }
  if (DependsOnFile(value)) return std::string(kDependsOnFile);
  if (value == "$TOR_PATH$") {
    std::string folder(sources.programFolder);
    if (!folder.ends_with('\\')) folder += '\\';
    return folder;
  }
  if (value == "$FILECOUNTINQUEUE$") return std::to_string(sources.queueCount);
  if (value == "$USER$") return std::string(sources.user);
  if (value == "$COMPUTER$") return std::string(sources.computer);
  if (const int n = StaticTagNumber(value); n > 0) return (*sources.TAG)[static_cast<std::size_t>(n - 1)];
  return "";
}

}  // namespace wizards
