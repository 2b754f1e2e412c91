#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "tags/dynamic_tags.h"

// What the title block wizard writes and shows: its script, its record in the template and
// state files, and the output example of a row's value.
namespace wizards {

inline constexpr int kTitleBlockRows = 50;

struct TitleBlockRow {
  std::string name;   // the attribute
  std::string value;  // its new text, or a tag

  friend bool operator==(const TitleBlockRow&, const TitleBlockRow&) = default;
};

struct TitleBlockInputs {
  std::string blockName;
  std::array<TitleBlockRow, kTitleBlockRows> rows;
};

// The user script with the title block's block appended: the TB_WIZ1 load line on a line of
// its own, five lines for every row whose name or value is not empty (in row order), "REGEN"
// and the closing separator.
std::string CreateTBWScript(const TitleBlockInputs& inputs, std::string_view programFolder,
                            std::string_view userScript);

// The record of the template and state files: the block name, the 50 names, the 50 values.
inline constexpr std::size_t kTitleBlockRecordLines = 1 + 2 * kTitleBlockRows;
std::vector<std::string> TitleBlockRecord(const TitleBlockInputs& inputs);

// What the output example of a value reads from.
struct OutputExampleSources {
  const tags::DateTexts* dates = nullptr;
  std::string_view programFolder;
  std::int32_t queueCount = 0;
  std::string_view user;
  std::string_view computer;
  const std::array<std::string, 50>* TAG = nullptr;
};

// The example a row shows for its value. Tags are matched with their letter case; a value
// that is no known tag (free text, an unknown tag, a tag typed in other letters) shows
// nothing, and a tag whose value comes from the drawing shows "(Output depends on file)".
std::string OutputExample(std::string_view value, const OutputExampleSources& sources);

}  // namespace wizards
