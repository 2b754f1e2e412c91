#include "queue/name_filter.h"

namespace queue {

NameFilter::NameFilter(std::string_view filter) {
  for (const std::string& text : runtime::SplitPatternList(filter)) {
    parts_.push_back(Part{text.size(), runtime::WildcardPattern(text)});
  }
}

bool NameFilter::Takes(std::string_view name) const {
  for (const Part& part : parts_) {
    if (name.size() >= part.length && part.pattern.Matches(name)) return true;
  }
  return false;
}

}  // namespace queue
