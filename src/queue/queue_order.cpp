#include "queue/queue_order.h"

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <utility>

#include "core/path_helpers.h"

namespace queue {

namespace {

// Ranks from 1 up, equal keys sharing a rank, so the selection replay compares integers.
std::vector<std::uint32_t> Ranks(const std::vector<std::string>& keys) {
  std::vector<std::size_t> byKey(keys.size());
  std::iota(byKey.begin(), byKey.end(), 0);
  std::sort(byKey.begin(), byKey.end(), [&keys](std::size_t a, std::size_t b) { return keys[a] < keys[b]; });
  std::vector<std::uint32_t> ranks(keys.size());
  std::uint32_t rank = 0;
  for (std::size_t i = 0; i < byKey.size(); ++i) {
    if (i == 0 || keys[byKey[i - 1]] != keys[byKey[i]]) ++rank;
    ranks[byKey[i]] = rank;
  }
  return ranks;
}

// A tournament tree over positions that gives the greatest value and, among equals, its
// leftmost position. A value of 0 takes a position out.
class MaxTree {
 public:
  explicit MaxTree(const std::vector<std::uint32_t>& values) {
    while (leaves_ < values.size()) leaves_ *= 2;
    nodes_.assign(2 * leaves_, Node{});
    for (std::size_t i = 0; i < values.size(); ++i) nodes_[leaves_ + i] = Node{values[i], i};
    for (std::size_t i = leaves_ - 1; i > 0; --i) nodes_[i] = Better(nodes_[2 * i], nodes_[2 * i + 1]);
  }

  std::uint32_t TopValue() const { return nodes_[1].value; }
  std::size_t TopPosition() const { return nodes_[1].position; }

  void Set(std::size_t position, std::uint32_t value) {
    std::size_t i = leaves_ + position;
    nodes_[i].value = value;
    for (i /= 2; i > 0; i /= 2) nodes_[i] = Better(nodes_[2 * i], nodes_[2 * i + 1]);
  }

 private:
  struct Node {
    std::uint32_t value = 0;
    std::size_t position = 0;
  };
  static Node Better(const Node& left, const Node& right) { return left.value >= right.value ? left : right; }

  std::size_t leaves_ = 1;
  std::vector<Node> nodes_;
};

}  // namespace

std::vector<std::size_t> SelectionSortOrder(const std::vector<std::string>& keys) {
  std::vector<std::size_t> order(keys.size());
  std::iota(order.begin(), order.end(), 0);
  if (keys.size() < 2) return order;
  std::vector<std::uint32_t> ranks = Ranks(keys);
  MaxTree tree(ranks);
  for (std::size_t p = keys.size() - 1; p > 0; --p) {
    // The scan from 0 takes an item only when it is strictly greater than the candidate, so
    // it ends on the leftmost greatest item, unless the item at p is as great already.
    if (tree.TopValue() != ranks[p]) {
      std::size_t at = tree.TopPosition();
      std::swap(ranks[at], ranks[p]);
      std::swap(order[at], order[p]);
      tree.Set(at, ranks[at]);
    }
    tree.Set(p, 0);
  }
  return order;
}

std::vector<std::string> SmartSortKeys(const std::vector<std::string>& entries) {
  std::size_t longest = 0;
  for (const std::string& entry : entries) longest = std::max(longest, core::BaseNameView(entry).size());
  std::vector<std::string> keys;
  keys.reserve(entries.size());
  for (const std::string& entry : entries) {
    std::string key = core::GetFolder(entry);
    key.append(longest - core::BaseNameView(entry).size(), '_');
    key += core::GetFileName(entry);
    keys.push_back(std::move(key));
  }
  return keys;
}

std::vector<std::size_t> DuplicateRemovalOrder(const std::vector<std::string>& keys) {
  std::vector<std::size_t> byKey(keys.size());
  std::iota(byKey.begin(), byKey.end(), 0);
  std::sort(byKey.begin(), byKey.end(), [&keys](std::size_t a, std::size_t b) {
    int order = keys[a].compare(keys[b]);
    return order != 0 ? order < 0 : a < b;
  });
  // Each group of equal keys, as the range of byKey it holds, members in list order.
  std::vector<std::pair<std::size_t, std::size_t>> groups;
  for (std::size_t first = 0; first < byKey.size();) {
    std::size_t end = first + 1;
    while (end < byKey.size() && keys[byKey[end]] == keys[byKey[first]]) ++end;
    if (end - first > 1) groups.emplace_back(first, end);
    first = end;
  }
  std::sort(groups.begin(), groups.end(),
            [&byKey](const auto& a, const auto& b) { return byKey[a.second - 1] > byKey[b.second - 1]; });
  std::vector<std::size_t> removals;
  for (const auto& [first, end] : groups) {
    for (std::size_t i = end - 1; i > first; --i) removals.push_back(byKey[i - 1]);
  }
  return removals;
}

std::string RemovalProgress(long removed, long total) {
  long percent = 0;
  if (total != 0) {
    long scaled = 100 * removed;
    percent = scaled / total;
    long twiceRest = 2 * (scaled % total);
    if (twiceRest > total || (twiceRest == total && percent % 2 != 0)) ++percent;
  }
  return std::to_string(percent) + "% Complete";
}

}  // namespace queue
