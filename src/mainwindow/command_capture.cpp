#include "mainwindow/command_capture.h"

#include "mainwindow/script_text.h"
#include "runtime/text.h"

namespace mainwindow {

bool HasPromptMarker(std::string_view line) {
  return line.find_first_of(":>") != std::string_view::npos;
}

bool HasDoubleSpace(std::string_view line) {
  return line.find("  ") != std::string_view::npos;
}

std::string PromptLineToScript(std::string_view line) {
  if (line.find("corner:") != std::string_view::npos) return std::string(kPickPointPlaceholder);
  const std::size_t marker = line.find_last_of(":>");
  if (marker == std::string_view::npos) return "";
  return runtime::UpperCase(runtime::Trim(line.substr(marker + 1)));
}

std::string CaptureScript(std::string_view history) {
  std::string script = ";BEGIN SCRIPT";
  for (const std::string& line : runtime::SplitLines(history)) {
    if (!HasPromptMarker(line) || HasDoubleSpace(line)) continue;
    script += "\r\n;" + line + "\r\n" + PromptLineToScript(line);
  }
  return script + "\r\n;END SCRIPT";
}

std::string CollapseBlankLines(std::string_view text) {
  return ReplaceEvery(text, "\r\n\r\n", "\r\n", true);
}

}  // namespace mainwindow
