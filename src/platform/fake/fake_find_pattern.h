#pragma once

#include <string_view>

namespace platform::fake {

// True when name matches a directory-search pattern the way FindFirstFile matches it,
// letter case ignored: "*" any run of characters, "?" one character (none at the end of
// the name or before a dot), "*." before a dot stops at the name's last dot, and a dot
// before a wildcard or at the end also matches the end of the name, so "*.*" matches
// every name and "*." the names without a dot.
bool MatchesFindPattern(std::string_view name, std::string_view pattern);

}  // namespace platform::fake
