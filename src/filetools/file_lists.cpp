#include "filetools/file_lists.h"

#include <algorithm>
#include <unordered_set>

#include "core/path_helpers.h"
#include "runtime/text.h"

namespace filetools {

namespace {

constexpr std::string_view kListExtension = ".LST";

bool IsSkippedProjectLine(std::string_view line) {
  return line.empty() || line.front() == '*' || line.front() == '+' || line.front() == '?';
}

// The folder and one backslash; a drive root ("C:\") has its own.
std::string EntryPrefix(std::string_view folder) {
  std::string prefix(folder);
  if (prefix.empty() || prefix.back() != '\\') prefix += '\\';
  return prefix;
}

}  // namespace

std::string SharedListFileName(std::string_view typed) {
  return std::string(typed) + std::string(kListExtension);
}

std::string PersonalListFileName(std::string_view user, std::string_view typed) {
  return std::string(user) + "-" + SharedListFileName(typed);
}

std::string FileListPattern(bool personalOnly, bool txtFiles, std::string_view user) {
  if (personalOnly) return std::string(user) + "*.LST";
  if (txtFiles) return "*.TXT";
  return "*.LST";
}

bool IsUsableFileName(std::string_view name) {
  if (name.empty() || name.find("..") != std::string_view::npos) return false;
  const bool badCharacter = std::any_of(name.begin(), name.end(), [](char c) {
    return static_cast<unsigned char>(c) < 32 || std::string_view("\\/:*?\"<>|").find(c) != std::string_view::npos;
  });
  return !badCharacter && !core::IsDeviceName(name);
}

std::string BadFileNameMessage() {
  return "File names cannot contain the following characters...\r\n\r\n"
         "                        \\  /  :  *  ?  <  >  |  ";
}

std::vector<std::string> ProjectDrawings(const std::vector<std::string>& lines, std::string_view projectFolder) {
  const std::string prefix = EntryPrefix(projectFolder);
  std::vector<std::string> entries;
  for (const std::string& line : lines) {
    if (!IsSkippedProjectLine(line)) entries.push_back(prefix + line);
  }
  return entries;
}

std::vector<std::string> DrawingsNotInProject(const std::vector<std::string>& names,
                                              const std::vector<std::string>& lines, std::string_view projectFolder) {
  std::unordered_set<std::string> listed;
  for (const std::string& line : lines) {
    if (!IsSkippedProjectLine(line)) listed.insert(runtime::LowerCase(line));
  }
  const std::string prefix = EntryPrefix(projectFolder);
  std::vector<std::string> entries;
  for (const std::string& name : names) {
    if (!name.empty() && listed.count(runtime::LowerCase(name)) == 0) entries.push_back(prefix + name);
  }
  return entries;
}

}  // namespace filetools
