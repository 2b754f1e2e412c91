#pragma once

#include <array>
#include <string>
#include <string_view>

// The script text the small wizards hand to the user script. Each generator takes the
// window's inputs (and, where a routine is loaded, the program folder) and the user script as
// it is, and gives the user script as it becomes.
namespace wizards {

// A comment line for AutoCAD that opens and closes every wizard's block.
inline constexpr std::string_view kBlockSeparator = ";-------------";
inline constexpr std::string_view kCrLf = "\r\n";

// Appends one line and its CR LF.
void AppendLine(std::string& text, std::string_view line);

// The user script ready for a new block: a line end is added only when the script is not
// empty and does not end with one, so a block never follows an empty line (an empty script
// line repeats AutoCAD's last command, which would then eat the block's lines).
std::string OpenBlock(std::string_view userScript);

// The line that loads an AutoLISP routine from the LISP folder under the program folder, in
// upper case with forward slashes, ended by CR LF.
std::string LoadLine(std::string_view programFolder, std::string_view lispFile);

// ---- Purge -------------------------------------------------------------------------------
struct PurgeChoice {
  const char* name;     // the option button
  const char* caption;  // its caption
  const char* letter;   // the object letter -PURGE is given
};
inline constexpr std::array<PurgeChoice, 9> kPurgeChoices{{
    {"optALL", "Purge All", "A"},
    {"optBlocks", "Purge Unused Blocks", "B"},
    {"optDimstyles", "Purge Unused Dimstyles", "D"},
    {"optLayers", "Purge Unused Layers", "LA"},
    {"optLineTypes", "Purge Unused LineTypes", "LT"},
    {"optPlotStyles", "Purge Unused PlotStyles", "P"},
    {"optShapes", "Purge Unused Shapes", "SH"},
    {"optTextStyles", "Purge Unused TextStyles", "ST"},
    {"optMLineStyles", "Purge Unused MLineStyles", "M"},
}};

// Which of the nine option buttons are chosen, in the order of kPurgeChoices.
struct PurgeInputs {
  std::array<bool, kPurgeChoices.size()> chosen{true};
};
std::string PurgeScript(const PurgeInputs& inputs, std::string_view userScript);

// ---- Search and replace ------------------------------------------------------------------
struct RepTextInputs {
  std::string searchFor;
  std::string replaceText;
  bool regularText = true;
  bool dimensions = false;
  bool blocks = false;
  bool mtext = false;
};
std::string RepTextScript(const RepTextInputs& inputs, std::string_view programFolder, std::string_view userScript);

struct MtextInputs {
  std::string source;
  std::string replace;
};
std::string MtextScript(const MtextInputs& inputs, std::string_view userScript);

// ---- Reports -----------------------------------------------------------------------------
struct LogTextInputs {
  std::string searchFor = "*SEARCH TEXT*";
  std::string output = "$TOR_PATH$DATA/$USER$-TextLog.lst";
};
std::string LogTextScript(const LogTextInputs& inputs, std::string_view programFolder, std::string_view userScript);

struct LimitsInputs {
  std::string output = "C:\\LIMITS_OUT.CSV";
};
std::string LimitsScript(const LimitsInputs& inputs, std::string_view programFolder, std::string_view userScript);

}  // namespace wizards
