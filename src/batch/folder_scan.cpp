#include "batch/folder_scan.h"

#include "core/path_helpers.h"

namespace batch {

std::string FolderToCheck(std::string_view line) {
  if (line.find(":\\") == std::string_view::npos) return {};
  return core::GetDriveFolder(line);
}

void ForEachLine(std::string_view text, const std::function<bool(std::string_view line)>& onLine) {
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) {
      onLine(text.substr(start));
      return;
    }
    if (!onLine(text.substr(start, end - start))) return;
    start = end + 1;
    if (text[end] == '\r' && start < text.size() && text[start] == '\n') ++start;
  }
}

std::string FirstMissingFolder(std::string_view script, const std::function<bool(const std::string&)>& folderExists) {
  std::string missing;
  ForEachLine(script, [&](std::string_view line) {
    std::string folder = FolderToCheck(line);
    if (folder.empty() || folderExists(folder)) return true;
    missing = std::move(folder);
    return false;
  });
  return missing;
}

void ForEachMissingFolder(std::string_view script, const std::function<bool(const std::string&)>& folderExists,
                          const std::function<void(const std::string&)>& onMissing) {
  ForEachLine(script, [&](std::string_view line) {
    const std::string folder = FolderToCheck(line);
    if (!folder.empty() && !folderExists(folder)) onMissing(folder);
    return true;
  });
}

}  // namespace batch
