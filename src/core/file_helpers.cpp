#include "core/file_helpers.h"

#include "core/app_title.h"
#include "runtime/error.h"
#include "runtime/text.h"

namespace core {

namespace {

constexpr std::size_t kShortenHalf = 45;
constexpr std::string_view kEllipsis = "...";

bool Passes(std::uint32_t entryAttributes, std::uint32_t wanted) {
  for (std::uint32_t bit : {platform::kAttrDirectory, platform::kAttrHidden, platform::kAttrSystem}) {
    if ((entryAttributes & bit) && !(wanted & bit)) return false;
  }
  return true;
}

bool IsDriveRoot(std::string_view folder) {
  return folder.empty() || folder == "\\" || (folder.size() == 3 && folder[1] == ':');
}

// "." and ".." of a listed folder, which Windows reports for every folder but a drive root.
bool ListsDotEntries(platform::FileSystem& fs, std::string_view folderWithSeparator) {
  if (IsDriveRoot(folderWithSeparator)) return false;
  std::string folder(folderWithSeparator.substr(0, folderWithSeparator.size() - 1));
  try {
    return (fs.GetAttributes(folder) & platform::kAttrDirectory) != 0;
  } catch (const runtime::Error&) {
    return false;
  }
}

}  // namespace

std::vector<std::string> DirSearchAll(platform::FileSystem& fs, std::string_view pattern, std::uint32_t attributes) {
  std::vector<std::string> names;
  if (pattern.empty()) return names;
  std::string search(pattern);
  if (search.back() == '\\') {
    if ((attributes & platform::kAttrDirectory) && ListsDotEntries(fs, search)) names = {".", ".."};
    search += '*';
  }
  for (const platform::DirEntry& entry : fs.Find(search)) {
    if (Passes(entry.attributes, attributes)) names.push_back(entry.name);
  }
  return names;
}

std::string DirSearch(platform::FileSystem& fs, std::string_view pattern, std::uint32_t attributes) {
  std::vector<std::string> names = DirSearchAll(fs, pattern, attributes);
  return names.empty() ? "" : names.front();
}

int FileOrFolderExists(platform::FileSystem& fs, std::string_view path, bool isFolder) {
  if (path.empty()) return 0;
  try {
    std::uint32_t attributes = isFolder ? platform::kAttrDirectory : platform::kAttrNormal;
    return DirSearch(fs, path, attributes).empty() ? 0 : -1;
  } catch (const runtime::Error&) {
    return 0;
  }
}

int Path_Exists(platform::FileSystem& fs, ui::MessageService& messages, std::string_view fullPath,
                std::string_view fileName) {
  try {
    std::string found = DirSearch(fs, fullPath);
    return !found.empty() && runtime::EqualsNoCase(found, fileName) ? 1 : 0;
  } catch (const runtime::Error& error) {
    messages.Show({.text = "Error " + std::to_string(error.Number()) + " (Filename Error) " + ShortenPath(fileName) +
                           " in procedure Path_Exists of Module Module1",
                   .title = std::string(kAppTitle)});
    return 0;
  }
}

namespace {

std::int16_t LockTestFailure(const runtime::Error& error) {
  return error.Number() == runtime::kTooManyFiles ? -2 : -1;
}

}  // namespace

// A path that names no file (nothing there, a folder, a wildcard pattern) has no attributes
// of a file; one that does is tried with an exclusive open.
std::int16_t FileUnavailable(platform::FileSystem& fs, const std::string& path) {
  std::uint32_t attributes = 0;
  try {
    attributes = fs.GetAttributes(path);
  } catch (const runtime::Error& error) {
    return LockTestFailure(error);
  }
  return FileUnavailable(fs, path, attributes);
}

std::int16_t FileUnavailable(platform::FileSystem& fs, const std::string& path, std::uint32_t attributes) {
  if ((attributes & platform::kAttrDirectory) != 0) return -1;
  try {
    fs.OpenExclusive(path);
    return 0;
  } catch (const runtime::Error& error) {
    return LockTestFailure(error);
  }
}

bool IsOdd(std::int16_t n) {
  return n % 2 != 0;
}

bool IsReadOnlyAttribute(std::uint32_t attributes) {
  return (attributes & platform::kAttrReadOnly) != 0;
}

std::vector<std::string> ListDirectory(platform::FileSystem& fs, std::string_view pattern) {
  constexpr std::uint32_t kListing =
      platform::kAttrReadOnly | platform::kAttrHidden | platform::kAttrSystem | platform::kAttrArchive;
  std::vector<std::string> names;
  try {
    names = DirSearchAll(fs, pattern, kListing);
  } catch (const runtime::Error&) {
    names.clear();
  }
  if (names.empty()) names.emplace_back();
  return names;
}

std::vector<platform::DirEntry> TreeScanEntries(platform::FileSystem& fs, const std::string& folderWithBackslash) {
  // The longest path a Windows file search takes, without its terminating NUL.
  constexpr std::size_t kLongestSearchPath = 259;
  const std::string search = folderWithBackslash + "*";
  if (search.size() > kLongestSearchPath) return {};
  try {
    return fs.Find(search);
  } catch (const runtime::Error&) {
    return {};
  }
}

bool EntersFolder(const platform::DirEntry& entry) {
  return (entry.attributes & platform::kAttrDirectory) != 0 && (entry.attributes & platform::kAttrReparsePoint) == 0;
}

std::string StripNulls(std::string_view text) {
  return std::string(text.substr(0, text.find('\0')));
}

std::string ShortenPath(std::string_view text) {
  if (text.size() <= 2 * kShortenHalf + kEllipsis.size()) return std::string(text);
  std::string result(text.substr(0, kShortenHalf));
  result += kEllipsis;
  result += text.substr(text.size() - kShortenHalf);
  return result;
}

std::string GetTextBetween(ui::MessageService& messages, std::string_view text, std::string_view startMark,
                           std::string_view endMark) {
  int start = runtime::InStrNoCase(1, text, startMark);
  if (start == 0) return "";
  int valueStart = start + static_cast<int>(startMark.size());
  int end = runtime::InStrNoCase(valueStart, text, endMark);
  if (end == 0) {
    messages.Show({.text = "There is an error in " + std::string(startMark), .title = std::string(kAppTitle)});
    return "";
  }
  return runtime::Mid(text, valueStart, end - valueStart);
}

}  // namespace core
