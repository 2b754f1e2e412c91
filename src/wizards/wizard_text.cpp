#include "wizards/wizard_text.h"

#include <algorithm>

#include "runtime/text.h"

namespace wizards {

namespace {

// The VBA project of the MText search and replace; the tag is replaced per drawing.
constexpr std::string_view kMtextProject = "\"$TOR_PATH$LISP/Mtext.dvb\"";

// Appends one line and its CR LF.
void Line(std::string& text, std::string_view line) {
  text += line;
  text += kCrLf;
}

// The closing separator has no line end: the next block or the batch builder adds one.
void CloseBlock(std::string& text) {
  text += kBlockSeparator;
}

std::string OpenLispBlock(std::string_view programFolder, std::string_view lispFile, std::string_view userScript) {
  std::string text = OpenBlock(userScript);
  text += LoadLine(programFolder, lispFile);
  Line(text, kBlockSeparator);
  return text;
}

void MtextBlock(std::string& text, std::string_view search, std::string_view replace) {
  Line(text, "-VBALOAD " + std::string(kMtextProject));
  Line(text, "-VBARUN MTEXT.SearchAndReplace");
  Line(text, search);
  Line(text, replace);
  Line(text, "VBAUNLOAD " + std::string(kMtextProject));
  CloseBlock(text);
}

const char* YesNo(bool yes) {
  return yes ? "Y" : "N";
}

}  // namespace

std::string OpenBlock(std::string_view userScript) {
  std::string text(userScript);
  if (!text.empty() && !text.ends_with(kCrLf)) text += kCrLf;
  return text;
}

std::string LoadLine(std::string_view programFolder, std::string_view lispFile) {
  std::string line = "(LOAD \"";
  line += programFolder;
  line += "/LISP/";
  line += lispFile;
  line += "\")";
  line = runtime::UpperCase(line);
  std::replace(line.begin(), line.end(), '\\', '/');
  line += kCrLf;
  return line;
}

std::string PurgeScript(const PurgeInputs& inputs, std::string_view userScript) {
  std::string text = OpenBlock(userScript);
  Line(text, "-PURGE");
  for (std::size_t i = 0; i < kPurgeChoices.size(); ++i) {
    if (inputs.chosen[i]) Line(text, kPurgeChoices[i].letter);
  }
  Line(text, "*");
  Line(text, "N");
  CloseBlock(text);
  return text;
}

std::string RepTextScript(const RepTextInputs& inputs, std::string_view programFolder, std::string_view userScript) {
  std::string text = OpenLispBlock(programFolder, "REPTEXT.LSP", userScript);
  Line(text, "REPTEXT");
  Line(text, inputs.searchFor);
  Line(text, inputs.replaceText);
  Line(text, YesNo(inputs.regularText));
  Line(text, YesNo(inputs.dimensions));
  // Blocks: "Y" twice (blocks, then their attributes), or one "N".
  Line(text, YesNo(inputs.blocks));
  if (inputs.blocks) Line(text, "Y");
  // The selection: everything, then the empty line that ends it.
  Line(text, "ALL");
  Line(text, "");
  CloseBlock(text);
  if (inputs.mtext) {
    text += kCrLf;
    MtextBlock(text, inputs.searchFor, inputs.replaceText);
  }
  return text;
}

std::string MtextScript(const MtextInputs& inputs, std::string_view userScript) {
  std::string text = OpenBlock(userScript);
  MtextBlock(text, inputs.source, inputs.replace);
  return text;
}

std::string LogTextScript(const LogTextInputs& inputs, std::string_view programFolder, std::string_view userScript) {
  std::string text = OpenLispBlock(programFolder, "LOG_TEXT.LSP", userScript);
  Line(text, "LOG_TEXT");
  Line(text, inputs.searchFor);
  Line(text, "ALL");
  Line(text, "");
  Line(text, inputs.output);
  CloseBlock(text);
  return text;
}

std::string LimitsScript(const LimitsInputs& inputs, std::string_view programFolder, std::string_view userScript) {
  std::string text = OpenLispBlock(programFolder, "LIMITS_OUT.LSP", userScript);
  Line(text, "LIMITS_OUT");
  Line(text, inputs.output);
  CloseBlock(text);
  return text;
}

}  // namespace wizards
