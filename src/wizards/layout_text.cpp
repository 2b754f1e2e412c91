#include "wizards/layout_text.h"

#include "wizards/wizard_text.h"

namespace wizards {

namespace {

void Line(std::string& text, std::string_view line) {
  text += line;
  text += kCrLf;
}

std::string Quoted(std::string_view text) {
  std::string quoted = "\"";
  quoted += text;
  quoted += '"';
  return quoted;
}

const char* Keyword(LayoutOperation operation) {
  switch (operation) {
    case LayoutOperation::kCopy:
      return "COPY";
    case LayoutOperation::kDelete:
      return "DELETE";
    case LayoutOperation::kNew:
      return "NEW";
    case LayoutOperation::kRename:
      break;
  }
  return "RENAME";
}

// Copy and Rename name the layout they make; Delete and New take one name only.
bool WritesNewName(LayoutOperation operation) {
  return operation == LayoutOperation::kCopy || operation == LayoutOperation::kRename;
}

}  // namespace

std::string LayoutScript(const LayoutInputs& inputs, std::string_view userScript) {
  std::string text = OpenBlock(userScript);
  for (const LayoutRow& row : inputs.rows) {
    if (row.tabName.empty() && row.newName.empty()) continue;
    Line(text, kBlockSeparator);
    Line(text, "-LAYOUT");
    Line(text, Keyword(inputs.operation));
    Line(text, row.tabName);
    if (WritesNewName(inputs.operation)) Line(text, row.newName);
  }
  text += kBlockSeparator;
  return text;
}

std::vector<std::string> Record(const LayoutInputs& inputs) {
  std::vector<std::string> lines;
  lines.reserve(2 * inputs.rows.size());
  for (const LayoutRow& row : inputs.rows) lines.push_back(row.tabName);
  for (const LayoutRow& row : inputs.rows) lines.push_back(row.newName);
  return lines;
}

std::string PageSetupScript(const PageSetupInputs& inputs, std::string_view userScript) {
  std::string text = OpenBlock(userScript);
  Line(text, kBlockSeparator);
  Line(text, "_EXPERT 2");
  Line(text, "_-PSETUPIN");
  Line(text, Quoted(inputs.sourceDrawing));
  Line(text, Quoted(inputs.pageSetup));
  Line(text, "_EXPERT 0");
  text += kBlockSeparator;
  return text;
}

}  // namespace wizards
