#pragma once

#include <functional>
#include <string>
#include <vector>

#include "core/path_helpers.h"

// The queue's orderings written step by step as a user of the old program saw them work:
// slow, but plainly right. The tests hold the fast versions against them.
namespace test::literal {

// -1, 0 or 1: a before, equal to or after b in the user's text order.
using Compare = std::function<int(const std::string& a, const std::string& b)>;

// From the last position down: the candidate is the item at p; scanning 0 to p, a strictly
// greater item becomes the candidate; a candidate below p changes places with the item at p.
template <typename Item, typename KeyOf>
void SelectionSort(std::vector<Item>& items, const Compare& compare, KeyOf keyOf) {
  for (int p = static_cast<int>(items.size()) - 1; p >= 0; --p) {
    int candidate = p;
    for (int i = 0; i <= p; ++i) {
      if (compare(keyOf(items[i]), keyOf(items[candidate])) > 0) candidate = i;
    }
    if (candidate < p) std::swap(items[candidate], items[p]);
  }
}

inline std::vector<std::string> SortAscending(std::vector<std::string> items, const Compare& compare) {
  SelectionSort(items, compare, [](const std::string& item) -> const std::string& { return item; });
  return items;
}

// Pairs (path, key) with a closing empty pair, sorted by key, appended from the last pair
// down to the second, then reversed.
inline std::vector<std::string> SmartSort(const std::vector<std::string>& entries, const Compare& compare) {
  std::size_t longest = 0;
  for (const std::string& entry : entries) longest = std::max(longest, core::GetBaseName(entry).size());
  std::vector<std::pair<std::string, std::string>> pairs;
  for (const std::string& entry : entries) {
    std::string key =
        core::GetFolder(entry) + std::string(longest - core::GetBaseName(entry).size(), '_') + core::GetFileName(entry);
    pairs.emplace_back(entry, key);
  }
  pairs.emplace_back("", "");
  SelectionSort(pairs, compare,
                [](const std::pair<std::string, std::string>& pair) -> const std::string& { return pair.second; });
  std::vector<std::string> queue;
  for (std::size_t i = pairs.size() - 1; i >= 1; --i) queue.push_back(pairs[i].first);
  return {queue.rbegin(), queue.rend()};
}

// Each entry in turn the reference, from the last to the first; every other entry, from the
// last position to the first, that equals it is removed. Stops after `stopAfter` removals.
// Returns the number removed.
inline int RemoveDuplicates(std::vector<std::string>& list, const Compare& compare, int stopAfter = -1) {
  int removed = 0;
  for (int reference = static_cast<int>(list.size()) - 1; reference >= 0; --reference) {
    for (int j = static_cast<int>(list.size()) - 1; j >= 0; --j) {
      if (j == reference || compare(list[j], list[reference]) != 0) continue;
      list.erase(list.begin() + j);
      ++removed;
      if (j < reference) --reference;
      if (removed == stopAfter) return removed;
    }
  }
  return removed;
}

}  // namespace test::literal
