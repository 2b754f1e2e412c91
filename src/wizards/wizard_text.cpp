#include "wizards/wizard_text.h"

#include <algorithm>

#include "runtime/text.h"

namespace wizards {

namespace {

// The VBA project of the MText search and replace; the tag is replaced per drawing.
constexpr std::string_view kMtextProject = "\"$TOR_PATH$LISP/Mtext.dvb\"";

// The closing separator has no line end: the next block or the batch builder adds one.
void CloseBlock(std::string& text) {
  text += kBlockSeparator;
}

std::string OpenLispBlock(std::string_view programFolder, std::string_view lispFile, std::string_view userScript) {
  std::string text = OpenBlock(userScript);
  text += LoadLine(programFolder, lispFile);
  AppendLine(text, kBlockSeparator);
  return text;
}

void MtextBlock(std::string& text, std::string_view search, std::string_view replace) {
  AppendLine(text, "-VBALOAD " + std::string(kMtextProject));
  AppendLine(text, "-VBARUN MTEXT.SearchAndReplace");
  AppendLine(text, search);
  AppendLine(text, replace);
  AppendLine(text, "VBAUNLOAD " + std::string(kMtextProject));
  CloseBlock(text);
}

const char* YesNo(bool yes) {
  return yes ? "Y" : "N";
}

}  // namespace

void AppendLine(std::string& text, std::string_view line) {
  text += line;
  text += kCrLf;
}

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
  AppendLine(text, "-PURGE");
  for (std::size_t i = 0; i < kPurgeChoices.size(); ++i) {
    if (inputs.chosen[i]) AppendLine(text, kPurgeChoices[i].letter);
  }
  AppendLine(text, "*");
  AppendLine(text, "N");
  CloseBlock(text);
  return text;
}

std::string RepTextScript(const RepTextInputs& inputs, std::string_view programFolder, std::string_view userScript) {
  std::string text = OpenLispBlock(programFolder, "REPTEXT.LSP", userScript);
  AppendLine(text, "REPTEXT");
  AppendLine(text, inputs.searchFor);
  AppendLine(text, inputs.replaceText);
  AppendLine(text, YesNo(inputs.regularText));
  AppendLine(text, YesNo(inputs.dimensions));
  // Blocks: "Y" twice (blocks, then their attributes), or one "N".
  AppendLine(text, YesNo(inputs.blocks));
  if (inputs.blocks) AppendLine(text, "Y");
  // The selection: everything, then the empty line that ends it.
  AppendLine(text, "ALL");
  AppendLine(text, "");
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
  AppendLine(text, "LOG_TEXT");
  AppendLine(text, inputs.searchFor);
  AppendLine(text, "ALL");
  AppendLine(text, "");
  AppendLine(text, inputs.output);
  CloseBlock(text);
  return text;
}

std::string LimitsScript(const LimitsInputs& inputs, std::string_view programFolder, std::string_view userScript) {
  std::string text = OpenLispBlock(programFolder, "LIMITS_OUT.LSP", userScript);
  AppendLine(text, "LIMITS_OUT");
  AppendLine(text, inputs.output);
  CloseBlock(text);
  return text;
}

}  // namespace wizards
