#pragma once

#include <string>
#include <vector>

#include "platform/file_system.h"

// Folder paths as the drive, folder and file lists take them.
namespace ui {

// "c: [label]", or "c:" for a drive without a label: how a drive list shows a drive.
std::string DriveText(const platform::DriveInfo& drive);

// A path split into its root ("C:\" or "\\server\share\") and the folder names below it.
struct FolderPath {
  std::string root;
  std::vector<std::string> names;

  // The path of the first count names ("C:\" for none; no trailing backslash otherwise).
  std::string Text(std::size_t count) const;
  std::string Text() const { return Text(names.size()); }
};

// Resolves a folder path: "" is the current folder; "c:" or a drive list's text ("c: [label]")
// the current folder of that drive (its root when the current folder is on another drive);
// a relative path is taken from base; "." and ".." are followed. Every name gets the letter
// case it is stored with. A drive that is missing or not ready is error 68; a folder that
// does not exist (or is a file) error 76.
FolderPath ResolveFolder(platform::FileSystem& fs, const std::string& path, const std::string& base);

}  // namespace ui
