#include "core/path_helpers.h"

#include <algorithm>
#include <array>
#include <limits>

#include "core/file_helpers.h"
#include "runtime/error.h"
#include "runtime/short_text.h"
#include "runtime/text.h"

namespace core {

namespace {

constexpr char kSep = '\\';

// The number of characters up to and including the last "\"; 0 when there is none.
std::size_t FolderLength(std::string_view path) {
  std::size_t pos = runtime::FindLastByte(path, kSep);
  return pos == std::string_view::npos ? 0 : pos + 1;
}

// n + 1 as the 16-bit count the level functions compare against.
int LevelTarget(std::int16_t n) {
  if (n == std::numeric_limits<std::int16_t>::max()) throw runtime::Error(runtime::kOverflow);
  return n + 1;
}

bool IsRootFolder(std::string_view path) {
  return path == "\\" || (path.size() == 3 && path[1] == ':' && path[2] == kSep);
}

// A folder path may end in "\" ("C:\Out\"); the file system is asked about the folder itself.
std::string WithoutTrailingSeparator(const std::string& path) {
  if (path.size() > 1 && path.back() == kSep && !IsRootFolder(path)) return path.substr(0, path.size() - 1);
  return path;
}

// Where MakeFolderTree starts: after the "\\server\share" of a network path, else at 0.
std::size_t FirstCreatablePosition(std::string_view work) {
  if (!work.starts_with("\\\\")) return 0;
  std::size_t afterServer = work.find(kSep, 2);
  if (afterServer == std::string_view::npos) return work.size();
  std::size_t afterShare = work.find(kSep, afterServer + 1);
  return afterShare == std::string_view::npos ? work.size() : afterShare + 1;
}

}  // namespace

std::optional<std::string> GetDriveLetter(std::string_view path) {
  if (path.empty()) return std::nullopt;
  return std::string(path.substr(0, 2));
}

std::string GetFolder(std::string_view path) {
  return std::string(path.substr(0, FolderLength(path)));
}

std::string GetFileName(std::string_view path) {
  return std::string(path.substr(FolderLength(path)));
}

std::string GetBaseName(std::string_view path) {
  return std::string(BaseNameView(path));
}

std::string_view BaseNameView(std::string_view path) {
  if (path.size() <= 3) return {};
  std::string_view name = path.substr(FolderLength(path));
  if (name.size() < 4) return {};
  return name.substr(0, name.size() - 4);
}

std::string GetParentPath(std::string_view path, std::int16_t n) {
  int target = LevelTarget(n);
  int count = 0;
  for (std::size_t i = path.size(); i >= 1; --i) {
    if (path[i - 1] == kSep) ++count;
    if (count == target) return std::string(path.substr(0, i));
  }
  return std::string(path.substr(0, 3));
}

std::string GetRootPath(std::string_view path, std::int16_t n) {
  int target = LevelTarget(n);
  int count = 0;
  for (std::size_t i = 1; i <= path.size(); ++i) {
    if (path[i - 1] == kSep) ++count;
    if (count == target) return std::string(path.substr(0, i));
  }
  return std::string(path);
}

std::string GetDriveFolder(std::string_view path) {
  std::size_t folderLength = FolderLength(path);
  std::size_t colon = path.substr(0, folderLength).find(':');
  if (colon == std::string_view::npos || colon == 0) return "";
  return std::string(path.substr(colon - 1, folderLength - colon + 1));
}

int MakeFolderTree(platform::FileSystem& fs, std::string_view path, const std::function<void()>& doEvents) {
  std::string work = std::string(path) + kSep;
  constexpr std::uint32_t kAnyFolder = platform::kAttrDirectory | platform::kAttrHidden | platform::kAttrSystem;
  try {
    std::size_t next = FirstCreatablePosition(work);
    while (next < work.size()) {
      std::size_t sep = work.find(kSep, next);
      std::string prefix = work.substr(0, sep);
      next = sep + 1;
      if (prefix.empty() || prefix.back() == ':' || prefix.back() == kSep) continue;
      if (DirSearch(fs, prefix, kAnyFolder).empty()) fs.MakeFolder(prefix);
    }
  } catch (const runtime::Error&) {
    return 0;
  }
  if (doEvents) doEvents();
  return -1;
}

std::string PathFileName(std::string_view path) {
  std::size_t start = 0;
  for (std::size_t i = 0; i + 1 < path.size(); ++i) {
    bool separator = path[i] == kSep || path[i] == '/' || path[i] == ':';
    bool nextIsSeparator = path[i + 1] == kSep || path[i + 1] == '/';
    if (separator && !nextIsSeparator) start = i + 1;
  }
  return std::string(path.substr(start));
}

std::string PathFolder(std::string_view path) {
  std::size_t i = 0;
  std::size_t cut = 0;
  for (int k = 0; k < 2 && i < path.size() && path[i] == kSep; ++k) cut = ++i;
  while (i < path.size()) {
    if (path[i] == kSep) {
      cut = i;
    } else if (path[i] == ':') {
      cut = i + 1;
      if (cut < path.size() && path[cut] == kSep) ++cut;
      ++i;  // the character after the colon is never a cut point
    }
    ++i;
  }
  return std::string(path.substr(0, cut));
}

std::string PathExtension(std::string_view path) {
  std::size_t dot = std::string_view::npos;
  for (std::size_t i = 0; i < path.size(); ++i) {
    if (path[i] == kSep || path[i] == ' ') {
      dot = std::string_view::npos;
    } else if (path[i] == '.') {
      dot = i;
    }
  }
  return dot == std::string_view::npos ? "" : std::string(path.substr(dot));
}

std::string FolderWithBackslash(std::string_view folder) {
  std::string text(folder);
  if (!text.ends_with('\\')) text += '\\';
  return text;
}

std::string JoinPath(std::string_view folder, std::string_view name) {
  while (name.starts_with('\\')) name.remove_prefix(1);
  return FolderWithBackslash(folder) + std::string(name);
}

std::string QuoteProgramPath(std::string_view path) {
  if (path.find(' ') == std::string_view::npos || path.starts_with('"')) return std::string(path);
  std::string quoted(1, '"');
  quoted.append(path);
  quoted.push_back('"');
  return quoted;
}

bool IsNetworkPath(std::string_view path) {
  return path.starts_with("\\\\");
}

bool IsDeviceName(std::string_view name) {
  // The superscript digits are those of the system code page (Windows-1252): Windows takes
  // "COM\xB9" for COM1 as well.
  static constexpr std::array<std::string_view, 30> kDevices{
      "CON",  "PRN",  "AUX",  "NUL",  "CONIN$", "CONOUT$", "COM1",    "COM2",    "COM3",    "COM4",
      "COM5", "COM6", "COM7", "COM8", "COM9",   "COM\xB9", "COM\xB2", "COM\xB3", "LPT1",    "LPT2",
      "LPT3", "LPT4", "LPT5", "LPT6", "LPT7",   "LPT8",    "LPT9",    "LPT\xB9", "LPT\xB2", "LPT\xB3"};
  std::string_view stem = name.substr(0, name.find('.'));
  while (!stem.empty() && stem.back() == ' ') stem.remove_suffix(1);
  return std::any_of(kDevices.begin(), kDevices.end(),
                     [stem](std::string_view device) { return runtime::EqualsNoCase(stem, device); });
}

std::int16_t PathFileExists(platform::FileSystem& fs, const std::string& path) {
  if (path.empty()) return 0;
  try {
    std::uint32_t attributes = fs.GetAttributes(WithoutTrailingSeparator(path));
    bool namesFolder = path.back() == kSep;
    return !namesFolder || (attributes & platform::kAttrDirectory) ? 1 : 0;
  } catch (const runtime::Error&) {
    return 0;
  }
}

std::int16_t PathIsFolder(platform::FileSystem& fs, const std::string& path) {
  if (path.empty()) return 0;
  try {
    return (fs.GetAttributes(WithoutTrailingSeparator(path)) & platform::kAttrDirectory) ? 16 : 0;
  } catch (const runtime::Error&) {
    return 0;
  }
}

std::string DriveRoot(std::string_view driveText) {
  if (driveText.empty()) return "";
  return std::string(1, driveText[0]) + ":\\";
}

}  // namespace core
