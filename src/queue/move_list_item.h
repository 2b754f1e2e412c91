#pragma once

#include <cstdint>

namespace ui {
class ListBox;
}

namespace queue {

// Moves the entry at from to position to, with its item data, and makes to the current
// entry (which runs the list's Click). A negative from stands for the current entry. Nothing
// happens unless both positions lie in the list.
void MoveListItem(ui::ListBox& list, std::int32_t from, std::int32_t to);

}  // namespace queue
