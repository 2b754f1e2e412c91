#include "ui/list_order.h"

#include <algorithm>
#include <numeric>
#include <utility>

#include "platform/locale.h"

namespace ui {

void SortAsList(platform::Locale& locale, std::vector<std::string>& texts) {
  std::vector<std::string> keys;
  keys.reserve(texts.size());
  for (const std::string& text : texts) keys.push_back(locale.CollationKey(text));
  std::vector<std::size_t> order(texts.size());
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::stable_sort(order.begin(), order.end(), [&keys](std::size_t a, std::size_t b) { return keys[a] < keys[b]; });
  std::vector<std::string> sorted;
  sorted.reserve(texts.size());
  for (std::size_t index : order) sorted.push_back(std::move(texts[index]));
  texts = std::move(sorted);
}

}  // namespace ui
