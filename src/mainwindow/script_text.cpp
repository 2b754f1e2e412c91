#include "mainwindow/script_text.h"

#include <algorithm>

#include "runtime/text.h"

namespace mainwindow {

namespace {

constexpr std::string_view kPlaceholderMacro = "YOURMODULE.YOURMACRO";

std::string Quoted(std::string_view text) {
  std::string quoted(1, '"');
  quoted.append(text);
  quoted.push_back('"');
  return quoted;
}

std::string CodePath(std::string_view folder, std::string_view fileName) {
  std::string path(folder);
  path.push_back('/');
  path.append(fileName);
  return path;
}

}  // namespace

std::string LispLoadLine(std::string_view folder, std::string_view fileName) {
  std::string line = runtime::UpperCase("(LOAD " + Quoted(CodePath(folder, fileName)) + ")");
  std::replace(line.begin(), line.end(), '\\', '/');
  return line + "\r\n";
}

std::string VbaRunLines(std::string_view folder, std::string_view fileName) {
  const std::string comment = ";REPLACE " + Quoted(kPlaceholderMacro) + " WITH THE APPROPRIATE SUBROUTINE CALL\r\n";
  std::string call(CodePath(folder, fileName));
  call.push_back('!');
  call.append(kPlaceholderMacro);
  const std::string command = runtime::UpperCase("(command " + Quoted("-vbarun") + " " + Quoted(call) + ")");
  std::string lines;
  for (char c : comment + command) {
    if (c == '\\' || c == '/') {
      lines += "\\\\";
    } else {
      lines.push_back(c);
    }
  }
  return lines + "\r\n";
}

std::string ReplaceEvery(std::string_view text, std::string_view search, std::string_view replacement, bool matchCase) {
  if (search.empty()) return std::string(text);
  std::string result;
  std::size_t from = 0;
  while (true) {
    const std::size_t found = matchCase ? text.find(search, from) : runtime::FindNoCase(text, search, from);
    if (found == std::string_view::npos) break;
    result.append(text.substr(from, found - from));
    result.append(replacement);
    from = found + search.size();
  }
  result.append(text.substr(from));
  return result;
}

std::string PreviewText(std::string_view fileText) {
  if (fileText.ends_with("\r\n")) fileText.remove_suffix(2);
  return std::string(fileText);
}

std::string ScriptNameOf(std::string_view fileName) {
  if (fileName.size() >= 4 && runtime::EqualsNoCase(fileName.substr(fileName.size() - 4), ".scr")) {
    fileName.remove_suffix(4);
  }
  return std::string(fileName);
}

}  // namespace mainwindow
