#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace platform::fake {

// A Windows path resolved to its volume and its names below the volume's root.
// Everything keeps the letter case it was written with.
struct FakePath {
  std::string root;                // "C:" or "\\server\share"
  std::vector<std::string> names;  // "." and ".." already resolved

  // The path as Windows shows it: "C:\Jobs\A12", "C:\" for a root.
  std::string Text() const;
  // Upper-case forms, for comparing paths without regard to case.
  std::string VolumeKey() const;
  std::string Key() const;
  // The path less its last name; a root stays itself.
  FakePath Parent() const;
  // The last name, "" for a root.
  std::string Name() const;
};

// Resolves a path as Windows does: "\" and "/" separate, a drive letter or a UNC
// "\\server\share" names the volume, anything else resolves against current. Runs of
// separators collapse, "." and ".." are resolved, and trailing dots and blanks of the last
// name are dropped. Throws 52 for a name with characters no file name may hold (wildcards
// included), 76 for an empty path.
FakePath ResolvePath(std::string_view text, const FakePath& current);

// True when name holds no character that Windows refuses in a file name. Wildcards count
// as refused unless allowWildcards is set.
bool IsValidName(std::string_view name, bool allowWildcards = false);

}  // namespace platform::fake
