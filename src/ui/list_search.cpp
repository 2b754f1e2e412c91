#include "ui/list_search.h"

#include "runtime/text.h"

namespace ui {

int FindListItem(const ListControl& list, std::string_view text, int after, bool whole) {
  const int count = list.ListCount();
  if (text.empty() || count == 0) return -1;
  const int first = after >= 0 && after < count - 1 ? after + 1 : 0;
  for (int step = 0; step < count; ++step) {
    const int index = (first + step) % count;
    std::string_view item = list.ListText(index);
    if (whole ? runtime::EqualsNoCase(item, text)
              : item.size() >= text.size() && runtime::EqualsNoCase(item.substr(0, text.size()), text)) {
      return index;
    }
  }
  return -1;
}

}  // namespace ui
