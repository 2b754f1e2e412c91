#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "runtime/wildcard.h"

namespace queue {

// The filter of the folder scans: the filter text split at ";" into patterns, as the file
// list splits it ("*.dwg;*.dxf" takes both kinds). A name is taken when one pattern matches
// it as a whole (letter case ignored) and the name is at least as long as that pattern's
// text, so "*.*" does not take a file named ab.
class NameFilter {
 public:
  explicit NameFilter(std::string_view filter);
  bool Takes(std::string_view name) const;

 private:
  struct Part {
    std::size_t length;
    runtime::WildcardPattern pattern;
  };
  std::vector<Part> parts_;
};

}  // namespace queue
