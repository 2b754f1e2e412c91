#pragma once

#include <string>
#include <vector>

namespace platform {
class Locale;
}

// The order of sorted lists: the platform's collation with letter case ignored
// (platform::Locale::CollationKey), the order the queue's sorts use too.
namespace ui {

// Sorts the texts; texts with equal keys keep their order.
void SortAsList(platform::Locale& locale, std::vector<std::string>& texts);

}  // namespace ui
