#pragma once

#include <string>
#include <vector>

// The texts the queue's clipboard copies build from its entries.
namespace queue {

enum class CopyForm { kPath, kFileName, kBaseName };
enum class CopyJoin {
  kLinesBetween,   // CR LF between entries, none after the last
  kLineAfterEach,  // CR LF after every entry, the last included
  kComma,          // ", " between entries
};

struct CopyText {
  std::string text;
  long count = 0;
};

// The entries (all of them, or only those whose selected flag is set when onlySelected)
// in queue order, each in its form, joined.
CopyText BuildCopyText(const std::vector<std::string>& entries, const std::vector<bool>& selected, bool onlySelected,
                       CopyForm form, CopyJoin join);

}  // namespace queue
