#pragma once

#include <cstddef>
#include <string>
#include <vector>

// The orders the queue's sorts and duplicate removal produce, computed from collation keys
// (platform::Locale::CollationKey) so that texts are compared in the user's text order.
namespace queue {

// The order a selection sort from the top leaves: for each position p from the last down to
// 1, the item at p stays when no item at 0 to p has a greater key, else the leftmost item
// with the greatest key changes places with it. Equal keys therefore end in this procedure's
// order (b, A, a ascending gives a, A, b), which no library sort gives. Returns, for each
// final position, the index of the item that ends there. Takes O(n log n).
std::vector<std::size_t> SelectionSortOrder(const std::vector<std::string>& keys);

// The smart-sort key of every entry: its folder part, then as many "_" as its base name is
// shorter than the longest base name of all entries, then its file name. Within a folder,
// shorter names come first because "_" sorts before digits and letters.
std::vector<std::string> SmartSortKeys(const std::vector<std::string>& entries);

// The entries in ascending smart-key order, ties as the selection sort leaves them (with the
// smart sort's empty closing item taking part in the sort). keyOf gives the collation key.
template <typename KeyOf>
std::vector<std::string> SmartSorted(const std::vector<std::string>& entries, KeyOf keyOf);

// Which entries duplicate removal takes out, in the order it takes them: of every group of
// equal keys only the last member stays; groups go by their last member from the end of the
// list, and each group's other members from the end.
std::vector<std::size_t> DuplicateRemovalOrder(const std::vector<std::string>& keys);

// The progress text after `removed` removals from a list whose count less one is `total`:
// 100 times the quotient rounded to two decimals (halves to even), then "% Complete".
std::string RemovalProgress(long removed, long total);

template <typename KeyOf>
std::vector<std::string> SmartSorted(const std::vector<std::string>& entries, KeyOf keyOf) {
  std::vector<std::string> keys = SmartSortKeys(entries);
  for (std::string& key : keys) key = keyOf(key);
  // The closing item, whose key is the smallest, ends first and is dropped.
  keys.push_back(keyOf(std::string()));
  std::vector<std::size_t> order = SelectionSortOrder(keys);
  std::vector<std::string> sorted;
  sorted.reserve(entries.size());
  for (std::size_t i = 1; i < order.size(); ++i) {
    // Only an empty entry ties with the closing item, and both are the empty text.
    sorted.push_back(order[i] < entries.size() ? entries[order[i]] : std::string());
  }
  return sorted;
}

}  // namespace queue
