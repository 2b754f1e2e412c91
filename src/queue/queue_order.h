#pragma once

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The orders the queue's sorts and duplicate removal produce, computed from collation keys
// (platform::Locale::CollationKey) so that texts are compared in the user's text order.
namespace queue {

// The order a selection sort from the top leaves: for each position p from the last down to
// 1, the item at p stays when no item at 0 to p has a greater key, else the leftmost item
// with the greatest key changes places with it. Equal keys therefore end in this procedure's
// order (b, A, a ascending gives a, A, b), which no library sort gives. Returns, for each
// final position, the index of the item that ends there. Takes O(n log n).
std::vector<std::size_t> SelectionSortOrder(std::vector<std::string> keys);

// The longest base name (file name less its last four characters) of the texts.
template <typename TextAt>
std::size_t LongestBaseName(std::size_t count, TextAt textAt);

// The smart-sort key text of one entry: its folder part, then as many "_" as its base name
// is shorter than `longest`, then its file name. Within a folder, shorter names come first
// because "_" sorts before digits and letters.
void SmartSortKey(std::string_view entry, std::size_t longest, std::string& key);

// The smart sort's order of `count` entries (textAt(i) gives entry i; keyOf a collation
// key): ascending by smart key, ties as the selection sort leaves them with the sort's empty
// closing item taking part. Returns, for each final position, the index of the entry that
// ends there. Only an empty entry can tie with the closing item, whose text is empty too, so
// whichever of the two is dropped, the texts are the same.
template <typename TextAt, typename KeyOf>
std::vector<std::size_t> SmartSortOrder(std::size_t count, TextAt textAt, KeyOf keyOf);

// Which entries duplicate removal takes out, in the order it takes them: of every group of
// equal keys only the last member stays; groups go by their last member from the end of the
// list, and each group's other members from the end.
std::vector<std::size_t> DuplicateRemovalOrder(std::vector<std::string> keys);

// The progress text after `removed` removals from a list whose count less one is `total`:
// 100 times the quotient rounded to two decimals (halves to even), then "% Complete".
std::string RemovalProgress(long removed, long total);

std::string_view BaseNameOf(std::string_view text);

template <typename TextAt>
std::size_t LongestBaseName(std::size_t count, TextAt textAt) {
  std::size_t longest = 0;
  for (std::size_t i = 0; i < count; ++i) longest = std::max(longest, BaseNameOf(textAt(i)).size());
  return longest;
}

template <typename TextAt, typename KeyOf>
std::vector<std::size_t> SmartSortOrder(std::size_t count, TextAt textAt, KeyOf keyOf) {
  const std::size_t longest = LongestBaseName(count, textAt);
  std::vector<std::string> keys;
  keys.reserve(count + 1);
  std::string text;
  for (std::size_t i = 0; i < count; ++i) {
    SmartSortKey(textAt(i), longest, text);
    keys.push_back(keyOf(text));
  }
  keys.push_back(keyOf(std::string()));
  std::vector<std::size_t> order = SelectionSortOrder(std::move(keys));
  // The closing item, whose key is the smallest, ends first and is dropped; when an empty
  // entry ended first instead, it takes the closing item's place.
  const std::size_t dropped = order.front();
  order.erase(order.begin());
  if (dropped != count) std::replace(order.begin(), order.end(), count, dropped);
  return order;
}

}  // namespace queue
