#pragma once

#include <string_view>

#include "ui/list_control.h"

namespace ui {

// The next item of a list after `after` (going round past the last item to the first) whose
// text starts with `text`, or with whole is `text`, letter case aside; -1 when none is, or
// for an empty text. after -1 (or another index outside the list) starts at the first item.
// A letter typed in a shown list moves it to FindListItem(list, letter, current item).
int FindListItem(const ListControl& list, std::string_view text, int after, bool whole);

}  // namespace ui
