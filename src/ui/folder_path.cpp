#include "ui/folder_path.h"

#include <algorithm>
#include <cctype>

#include "runtime/error.h"
#include "runtime/text.h"

namespace ui {

namespace {

bool IsLetter(char c) {
  return std::isalpha(static_cast<unsigned char>(c)) != 0;
}

bool StartsWithDrive(const std::string& path) {
  return path.size() >= 2 && IsLetter(path[0]) && path[1] == ':';
}

// "c:" alone or followed by a blank (a drive list's "c: [label]").
bool IsDriveOnly(const std::string& path) {
  return StartsWithDrive(path) && (path.size() == 2 || path[2] == ' ');
}

std::string CurrentFolderOfDrive(platform::FileSystem& fs, char letter) {
  std::string current = fs.CurrentFolder();
  if (StartsWithDrive(current) && runtime::UpperCase(current[0]) == runtime::UpperCase(letter)) return current;
  return std::string(1, runtime::UpperCase(letter)) + ":\\";
}

// Splits an absolute path ("X:\..." or "\\server\share\...") into root and names, following
// "." and "..".
FolderPath Split(std::string path) {
  for (char& c : path) {
    if (c == '/') c = '\\';
  }
  FolderPath split;
  std::size_t at;
  if (path.rfind("\\\\", 0) == 0) {
    std::size_t server = path.find('\\', 2);
    std::size_t share = server == std::string::npos ? std::string::npos : path.find('\\', server + 1);
    if (server == std::string::npos) throw runtime::Error(runtime::kPathNotFound);
    split.root = path.substr(0, share) + "\\";
    at = share == std::string::npos ? path.size() : share + 1;
  } else {
    split.root = std::string(1, runtime::UpperCase(path[0])) + ":\\";
    at = 3;
  }
  while (at < path.size()) {
    std::size_t end = path.find('\\', at);
    if (end == std::string::npos) end = path.size();
    std::string name = path.substr(at, end - at);
    if (name == "..") {
      if (!split.names.empty()) split.names.pop_back();
    } else if (!name.empty() && name != ".") {
      split.names.push_back(name);
    }
    at = end + 1;
  }
  return split;
}

std::string Absolute(platform::FileSystem& fs, const std::string& path, const std::string& base) {
  if (path.empty()) return fs.CurrentFolder();
  if (IsDriveOnly(path)) return CurrentFolderOfDrive(fs, path[0]);
  if (path.rfind("\\\\", 0) == 0) return path;
  if (StartsWithDrive(path)) {
    if (path[2] == '\\' || path[2] == '/') return path;
    return CurrentFolderOfDrive(fs, path[0]) + "\\" + path.substr(2);
  }
  if (path[0] == '\\' || path[0] == '/') return Split(base).root + path.substr(1);
  return base + "\\" + path;
}

void CheckDrive(platform::FileSystem& fs, const std::string& root) {
  if (root.rfind("\\\\", 0) == 0) return;
  for (const platform::DriveInfo& drive : fs.Drives()) {
    if (runtime::EqualsNoCase(drive.root, root)) {
      if (!drive.ready) throw runtime::Error(runtime::kDeviceUnavailable);
      return;
    }
  }
  throw runtime::Error(runtime::kDeviceUnavailable);
}

// The stored name of a subfolder, or "" when there is none.
std::string StoredFolderName(platform::FileSystem& fs, const std::string& folder, const std::string& name) {
  if (name.find_first_of("*?") != std::string::npos) return "";
  std::string prefix = folder.back() == '\\' ? folder : folder + "\\";
  for (const platform::DirEntry& entry : fs.Find(prefix + name)) {
    if ((entry.attributes & platform::kAttrDirectory) != 0 && runtime::EqualsNoCase(entry.name, name))
      return entry.name;
  }
  return "";
}

}  // namespace

std::string DriveText(const platform::DriveInfo& drive) {
  std::string text = std::string(1, runtime::LowerCase(drive.root[0])) + ":";
  if (!drive.label.empty()) text += " [" + drive.label + "]";
  return text;
}

std::string FolderPath::Text(std::size_t count) const {
  count = std::min(count, names.size());
  if (count == 0) return root.rfind("\\\\", 0) == 0 ? root.substr(0, root.size() - 1) : root;
  std::string text = root;
  for (std::size_t i = 0; i < count; ++i) {
    if (i > 0) text += "\\";
    text += names[i];
  }
  return text;
}

FolderPath ResolveFolder(platform::FileSystem& fs, const std::string& path, const std::string& base) {
  FolderPath split = Split(Absolute(fs, path, base));
  CheckDrive(fs, split.root);
  try {
    if (split.root.rfind("\\\\", 0) == 0) fs.Find(split.root + "*");
    for (std::size_t i = 0; i < split.names.size(); ++i) {
      std::string stored = StoredFolderName(fs, split.Text(i), split.names[i]);
      if (stored.empty()) throw runtime::Error(runtime::kPathNotFound);
      split.names[i] = stored;
    }
  } catch (const runtime::Error& error) {
    bool notReady = error.Number() == runtime::kDeviceUnavailable || error.Number() == runtime::kDiskNotReady;
    throw runtime::Error(notReady ? runtime::kDeviceUnavailable : runtime::kPathNotFound);
  }
  return split;
}

}  // namespace ui
