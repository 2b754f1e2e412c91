#include "queue/name_filter.h"

namespace queue {

NameFilter::NameFilter(std::string_view filter) {
  std::size_t at = 0;
  while (at <= filter.size()) {
    std::size_t end = filter.find(';', at);
    if (end == std::string_view::npos) end = filter.size();
    if (end > at) {
      std::string_view text = filter.substr(at, end - at);
      parts_.push_back(Part{text.size(), runtime::WildcardPattern(text)});
    }
    at = end + 1;
  }
}

bool NameFilter::Takes(std::string_view name) const {
  for (const Part& part : parts_) {
    if (name.size() >= part.length && part.pattern.Matches(name)) return true;
  }
  return false;
}

}  // namespace queue
