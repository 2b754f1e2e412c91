#include "queue/queue_order.h"

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <utility>

#include "core/path_helpers.h"

namespace queue {

namespace {

// Ranks from 1 up, equal keys sharing a rank, so the selection replay compares integers.
// The keys are sorted with their indexes beside them, so a comparison reads them directly.
std::vector<std::uint32_t> Ranks(std::vector<std::string> keys) {
  std::vector<std::pair<std::string, std::uint32_t>> byKey;
  byKey.reserve(keys.size());
  for (std::size_t i = 0; i < keys.size(); ++i) byKey.emplace_back(std::move(keys[i]), static_cast<std::uint32_t>(i));
  std::sort(byKey.begin(), byKey.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  std::vector<std::uint32_t> ranks(byKey.size());
  std::uint32_t rank = 0;
  for (std::size_t i = 0; i < byKey.size(); ++i) {
    if (i == 0 || byKey[i - 1].first != byKey[i].first) ++rank;
    ranks[byKey[i].second] = rank;
  }
  return ranks;
}

// A tournament tree over positions that gives the position of the greatest rank and, among
// equals, the leftmost one. Nodes hold positions only, so the tree stays small; a rank of 0
// takes a position out.
class MaxTree {
 public:
  explicit MaxTree(const std::vector<std::uint32_t>& ranks) : ranks_(ranks) {
    while (leaves_ < ranks.size()) leaves_ *= 2;
    nodes_.assign(2 * leaves_, kNone);
    for (std::size_t i = 0; i < ranks.size(); ++i) nodes_[leaves_ + i] = static_cast<std::uint32_t>(i);
    for (std::size_t i = leaves_ - 1; i > 0; --i) nodes_[i] = Better(nodes_[2 * i], nodes_[2 * i + 1]);
  }

  std::size_t Top() const { return nodes_[1]; }

  // The rank at position changed (in the ranks the tree was made over).
  void Update(std::size_t position) {
    for (std::size_t i = (leaves_ + position) / 2; i > 0; i /= 2) nodes_[i] = Better(nodes_[2 * i], nodes_[2 * i + 1]);
  }

 private:
  static constexpr std::uint32_t kNone = UINT32_MAX;
  std::uint32_t RankAt(std::uint32_t position) const { return position == kNone ? 0 : ranks_[position]; }
  std::uint32_t Better(std::uint32_t left, std::uint32_t right) const {
    return RankAt(left) >= RankAt(right) ? left : right;
  }

  const std::vector<std::uint32_t>& ranks_;
  std::size_t leaves_ = 1;
  std::vector<std::uint32_t> nodes_;
};

}  // namespace

std::vector<std::size_t> SelectionSortOrder(std::vector<std::string> keys) {
  std::vector<std::size_t> order(keys.size());
  std::iota(order.begin(), order.end(), 0);
  if (keys.size() < 2) return order;
  std::vector<std::uint32_t> ranks = Ranks(std::move(keys));
  MaxTree tree(ranks);
  for (std::size_t p = ranks.size() - 1; p > 0; --p) {
    // The scan from 0 takes an item only when it is strictly greater than the candidate, so
    // it ends on the leftmost greatest item, unless the item at p is as great already.
    const std::size_t at = tree.Top();
    if (ranks[at] != ranks[p]) {
      std::swap(ranks[at], ranks[p]);
      std::swap(order[at], order[p]);
      tree.Update(at);
    }
    ranks[p] = 0;
    tree.Update(p);
  }
  return order;
}

std::string_view BaseNameOf(std::string_view text) {
  return core::BaseNameView(text);
}

void SmartSortKey(std::string_view entry, std::size_t longest, std::string& key) {
  // The folder part runs through the last backslash (none: empty), the file name after it.
  const std::size_t slash = entry.rfind('\\');
  const std::size_t folder = slash == std::string_view::npos ? 0 : slash + 1;
  key.assign(entry.substr(0, folder));
  key.append(longest - core::BaseNameView(entry).size(), '_');
  key.append(entry.substr(folder));
}

std::vector<std::size_t> DuplicateRemovalOrder(std::vector<std::string> keys) {
  // Each group of equal keys is the run of entries with one rank, members in list order.
  std::vector<std::pair<std::uint32_t, std::size_t>> byRank;
  byRank.reserve(keys.size());
  const std::vector<std::uint32_t> ranks = Ranks(std::move(keys));
  for (std::size_t i = 0; i < ranks.size(); ++i) byRank.emplace_back(ranks[i], i);
  std::sort(byRank.begin(), byRank.end());
  std::vector<std::pair<std::size_t, std::size_t>> groups;
  for (std::size_t first = 0; first < byRank.size();) {
    std::size_t end = first + 1;
    while (end < byRank.size() && byRank[end].first == byRank[first].first) ++end;
    if (end - first > 1) groups.emplace_back(first, end);
    first = end;
  }
  std::sort(groups.begin(), groups.end(), [&byRank](const auto& a, const auto& b) {
    return byRank[a.second - 1].second > byRank[b.second - 1].second;
  });
  std::vector<std::size_t> removals;
  for (const auto& [first, end] : groups) {
    for (std::size_t i = end - 1; i > first; --i) removals.push_back(byRank[i - 1].second);
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
