#include "queue/move_list_item.h"

#include <string>

#include "ui/list_box.h"

namespace queue {

void MoveListItem(ui::ListBox& list, std::int32_t from, std::int32_t to) {
  if (from < 0) from = list.ListIndex();
  const std::int32_t count = list.ListCount();
  if (from < 0 || from >= count || to < 0 || to >= count) return;
  std::string text = list.List(from);
  const std::int32_t data = list.ItemData(from);
  list.RemoveItem(from);
  list.AddItem(std::move(text), to);
  list.SetItemData(to, data);
  list.SetListIndex(to);
}

}  // namespace queue
