#pragma once

#include <string_view>

namespace platform {

// True when name matches a directory-search pattern the way FindFirstFile matches a long
// name, letter case ignored: "*" any run of characters, "?" one character (none at the end
// of the name or before a dot), "*." before a dot stops at the name's last dot, and a dot
// before a wildcard or at the end also matches the end of the name, so "*.*" matches every
// name and "*." the names without a dot. Both file systems use it, so a pattern never
// matches a file by its 8.3 short name.
bool MatchesFindPattern(std::string_view name, std::string_view pattern);

// True when the last component of path holds "*" or "?".
bool HasWildcard(std::string_view path);

}  // namespace platform
