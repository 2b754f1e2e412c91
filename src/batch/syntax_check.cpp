#include "batch/syntax_check.h"

#include <initializer_list>
#include <string_view>

namespace batch {

namespace {

constexpr std::string_view kCrLf = "\r\n";
constexpr std::string_view kWarningTitle = "(Only a Warning - Script will still be created)";
constexpr std::string_view kNoProblem = "If this is intentional, no problem...";
constexpr std::string_view kCorrectIt = "Please correct this and recreate your Batch Script.";

// A message text: an empty first line, then the lines joined by CR LF.
std::string MessageText(std::initializer_list<std::string_view> lines) {
  std::string text;
  for (std::string_view line : lines) {
    text += kCrLf;
    text += line;
  }
  return text;
}

ui::MessageBoxSpec Warning(std::string text, std::string_view title = kWarningTitle) {
  return ui::MessageBoxSpec{.text = std::move(text),
                            .title = std::string(title),
                            .buttons = ui::MsgButtons::kOk,
                            .icon = ui::MsgIcon::kExclamation};
}

bool Contains(std::string_view text, std::string_view what) {
  return text.find(what) != std::string_view::npos;
}

// A "(" with a ")" somewhere after it, across lines too.
bool MayHoldLisp(std::string_view text) {
  std::size_t open = text.find('(');
  return open != std::string_view::npos && text.find(')', open + 1) != std::string_view::npos;
}

bool EndsBadly(std::string_view box) {
  return !box.empty() && (box.back() == ' ' || box.back() == '\n');
}

std::string BoxSentence(std::string_view command) {
  return "Your " + std::string(command) +
         " command (on the SETTINGS TAB) seems to end with a SPACE or a CARRIAGE RETURN.";
}

void AddUserScriptWarnings(const SyntaxCheckInput& in, std::vector<ui::MessageBoxSpec>& out) {
  const std::string& script = in.userScript;
  if (in.WarnSpaceInBlank == 1 && Contains(script, "\r\n \r\n")) {
    out.push_back(Warning(MessageText({"You have a SPACE on a blank line.", kNoProblem})));
  }
  if (in.WarnLineEndsWithSpace == 1 && Contains(script, " \r\n")) {
    out.push_back(Warning(MessageText({"One of the lines in your script ends with a SPACE.", kNoProblem})));
  }
  if (in.WarnDoubleSpace == 1 && Contains(script, "  ")) {
    out.push_back(Warning(MessageText({"One of the lines of your script contains a DOUBLE SPACE.", kNoProblem})));
  }
  if (in.WarnBlankLine == 1 && Contains(script, "\r\n\r\n")) {
    out.push_back(Warning(
        MessageText({"One of the lines of your script is simply a Carriage Return (blank line).", kNoProblem})));
  }
  if (in.LT == 1 && in.WarnLTLisp == 1 && MayHoldLisp(script)) {
    out.push_back(Warning(MessageText({"One of the lines of your script may contain LISP commands,",
                                       "yet you have the LT option enabled.", "", "(AutoCAD LT doesn't support lisp).",
                                       "", kNoProblem})));
  }
}

void AddBatchFlowWarnings(const SyntaxCheckInput& in, std::vector<ui::MessageBoxSpec>& out) {
  struct Box {
    const std::string& text;
    std::string_view command;
  };
  for (const Box& box : {Box{in.preBatch, "PREBATCH"}, Box{in.preUserScript, "PREUSERSCRIPT"},
                         Box{in.postUserScript, "POSTUSERSCRIPT"}, Box{in.postBatch, "POSTBATCH"}}) {
    if (EndsBadly(box.text)) out.push_back(Warning(MessageText({BoxSentence(box.command), kCorrectIt})));
  }
}

}  // namespace

std::vector<ui::MessageBoxSpec> SyntaxWarnings(const SyntaxCheckInput& input) {
  std::vector<ui::MessageBoxSpec> warnings;
  AddUserScriptWarnings(input, warnings);
  bool scriptWarned = !warnings.empty();
  AddBatchFlowWarnings(input, warnings);
  if (scriptWarned) {
    warnings.push_back(Warning(MessageText({"You can disable 'Script Syntax Warnings' in the 'Tools -> Options' menu,",
                                            "(found under the 'Prefs' Tab)."}),
                               "Tornavane"));
  }
  return warnings;
}

}  // namespace batch
