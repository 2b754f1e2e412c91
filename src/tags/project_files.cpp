#include "tags/project_files.h"

#include "core/path_helpers.h"
#include "core/text_file.h"
#include "runtime/error.h"
#include "runtime/wildcard.h"

namespace tags {

namespace {

constexpr std::string_view kForbiddenCharacters = "\\/:*?\"<>|";
constexpr std::size_t kProjectLines = 1 + kProjectTagCount;

bool EndsWithNoCase(std::string_view text, std::string_view end) {
  return text.size() >= end.size() && runtime::Like(text.substr(text.size() - end.size()), end);
}

}  // namespace

std::string ProjectFileName(std::string_view name, bool activeTab) {
  std::string fileName(name);
  if (EndsWithNoCase(name, kActiveExtension) || EndsWithNoCase(name, kInactiveExtension)) return fileName;
  fileName.append(activeTab ? kActiveExtension : kInactiveExtension);
  return fileName;
}

bool IsActiveProjectFile(std::string_view fileName) {
  return EndsWithNoCase(fileName, kActiveExtension);
}

bool ProjectNameAllowed(std::string_view name) {
  if (name.find_first_of(kForbiddenCharacters) != std::string_view::npos) return false;
  if (name.find("..") != std::string_view::npos) return false;
  for (char c : name) {
    if (static_cast<unsigned char>(c) < ' ') return false;
  }
  // "CON" would open the console device: writing it can never succeed.
  return !core::IsDeviceName(name);
}

std::string ProjectIndexPath(std::string_view programFolder) {
  return DataFolder(programFolder) + "PTAGMAN.DAT";
}

void WriteProject(platform::FileSystem& fs, const std::string& path, const Project& project) {
  std::vector<std::string> lines{project.pattern};
  lines.insert(lines.end(), project.values.begin(), project.values.end());
  core::WriteFixedRecord(fs, path, lines, core::WriteMode::kSafe);
}

bool ReadProjectForEdit(platform::FileSystem& fs, const std::string& path, Project& project) {
  std::vector<std::string> lines = core::ReadLineList(fs, path);
  if (lines.empty()) throw runtime::Error(runtime::kInputPastEnd);
  project.pattern = lines[0];
  for (std::size_t i = 0; i < project.values.size(); ++i) {
    project.values[i] = i + 1 < lines.size() ? lines[i + 1] : std::string();
  }
  return lines.size() <= kProjectLines;
}

void WriteProjectIndex(platform::FileSystem& fs, std::string_view programFolder,
                       const std::vector<std::string>& fileNames) {
  core::WriteLineList(fs, ProjectIndexPath(programFolder), fileNames, core::WriteMode::kSafe);
}

}  // namespace tags
