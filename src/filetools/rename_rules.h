#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The file renamer's rules: each turns the current names (whole file names, extension
// included) into a preview of new names. They are pure: the window reads its controls into
// the inputs, shows the notices in order and fills the preview with the names.
namespace filetools {

// A message box a rule asks for: text under the application title, OK only.
struct RenameNotice {
  std::string text;
  bool exclamation = false;  // the exclamation icon, else none
};

// A preview: the new names computed, the notices in the order they are shown, and whether
// every line got its name (complete) or the rule stopped before line names.size().
struct RulePreview {
  std::vector<std::string> names;
  std::vector<RenameNotice> notices;
  bool complete = true;
};

// A name split at its last ".": base before it, extension from it (dot included). A name
// without a dot is all base.
struct NameParts {
  std::string base;
  std::string extension;
  bool hasDot = false;
};
NameParts SplitAtLastDot(std::string_view name);

// text without its first count characters. A count beyond the length gives nothing (the
// caller shows StripFirstXCharsMessage and joins it as empty text).
std::optional<std::string> StripFirstXChars(std::string_view text, int count);
std::string StripFirstXCharsMessage();

// A number typed into a box: blanks around it, an optional sign, digits with at most one
// decimal point ("." or the locale's separator). Nothing when the text is no such number.
std::optional<double> ParseTypedNumber(std::string_view text, std::string_view decimalSeparator);
// The number rounded to a whole one (halves away from zero), zero-filled to digits, with a
// leading "-" when negative: 1 -> "001", -1 -> "-001", -0.4 -> "000".
std::string NumberText(double number, int digits);

struct RenumberInputs {
  std::string startAt;           // tbStartAt
  std::string step;              // tbStep
  int digits = 3;                // tbRenumberDigits, 1 to 9
  bool append = false;           // optAppend, else optOverwrite
  std::string decimalSeparator;  // the locale's, besides "."
};
RulePreview Renumber(const std::vector<std::string>& names, const RenumberInputs& in);

// "Rep.First": the first count characters replaced by with.
RulePreview ReplaceFirst(const std::vector<std::string>& names, int count, const std::string& with);
// "Insert": text after the first position characters (0 = before the first).
RulePreview InsertAt(const std::vector<std::string>& names, int position, const std::string& text);
// "Append": text between base name and extension.
RulePreview AppendToName(const std::vector<std::string>& names, const std::string& text);

struct PadInputs {
  std::string padChar;  // tbPadChar: one character or none
  bool fromStart = false;
};
// "Pad": every name padded up to the longest one's length.
RulePreview Pad(const std::vector<std::string>& names, const PadInputs& in);

// "Replacer" and Compound: every occurrence of find, ignoring letter case, replaced in one
// left-to-right pass; an empty find changes nothing.
RulePreview ReplaceText(const std::vector<std::string>& names, const std::string& find, const std::string& with);

}  // namespace filetools
