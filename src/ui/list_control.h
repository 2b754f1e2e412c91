#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/control.h"
#include "ui/text_list.h"

namespace ui {

enum class MultiSelect : int { kNone = 0, kSimple = 1, kExtended = 2 };

// What list boxes, combo boxes and the drive and file lists share: items with item data, the
// current item (ListIndex), the selection, the first visible item. Item changes run no event;
// a change of ListIndex or of the selection runs Click.
class ListControl : public Control {
 public:
  using Control::Control;

  int ListCount() const { return static_cast<int>(texts_.size()); }
  // The text of an item; "" for an index outside the list.
  std::string List(int index) const { return std::string(ListText(index)); }
  // The same without a copy, valid until the list changes.
  std::string_view ListText(int index) const;
  // The current item (the one with the focus); -1 for none. Another value than -1 to
  // ListCount - 1 is error 380. A change runs Click. In a single-select list the current
  // item is the selected one; in a multi-select list it need not be selected.
  int ListIndex() const { return listIndex_; }
  void SetListIndex(int index);
  // The current item's text.
  virtual std::string Text() const { return List(listIndex_); }

  // Item data and selection of an item; an index outside the list is error 381.
  std::int32_t ItemData(int index) const;
  void SetItemData(int index, std::int32_t value);
  bool Selected(int index) const;
  // Runs Click when the selection changes. In a single-select list, selecting makes the item
  // current and unselecting the current item leaves no current item.
  void SetSelected(int index, bool selected);
  int SelCount() const;
  // The index the last added item got; -1 after a removal or Clear.
  int NewIndex() const { return newIndex_; }

  ui::MultiSelect MultiSelect() const { return multiSelect_; }
  void SetMultiSelect(ui::MultiSelect mode);
  // The first visible item; set beyond the end it shows the last item. Negative is error 380.
  int TopIndex() const { return topIndex_; }
  void SetTopIndex(int index);
  // The user scrolled the list so that index is the first visible item: TopIndex moves and,
  // when it moved, Scroll runs.
  void ScrollTo(int index);
  // The item at a point of the list (twips from its top left corner); -1 when the point lies
  // above, beside or below the items. The shown list answers with its real item heights.
  int ItemFromPoint(int x, int y) const;

  // The user clicked an item, with the shift state (Shift extends, Ctrl toggles in an
  // extended list). Click runs once, also when the click changed nothing.
  void ClickItem(int index, int shift = 0);
  // The user double-clicked an item: the click, then DblClick.
  void DblClickItem(int index);
  // A new current item and selection from a real list box; Click runs once when anything
  // changed.
  void ApplySelection(int listIndex, const std::vector<bool>& selected);
  void DblClick();

  std::function<void()> onClick;
  std::function<void()> onDblClick;
  std::function<void()> onScroll;

 protected:
  // Item changes for the derived controls; none runs an event.
  // index -1 = the end (or, when sorted, the item's alphabetical place); another index
  // outside 0 to ListCount is error 5. Returns the index used.
  int InsertItem(std::string text, int index, bool sorted = false);
  void RemoveItemAt(int index);  // error 5 outside the list
  void ClearItems();
  void ReplaceItems(std::vector<std::string> items);
  void ReplaceTexts(TextList texts);
  // Puts the items in a new order (order[i] is the index of the item that goes to position i;
  // a permutation of the indexes) with the effect of ReplaceItems: item data 0, nothing
  // selected or current. Moves the texts instead of copying them.
  void ReorderItems(const std::vector<std::size_t>& order);
  // Removes every item whose flag is set, in one step; the other items keep their data and
  // selection, and the current item stays when it is kept. Flags past the end count as unset.
  void RemoveFlaggedItems(const std::vector<bool>& remove);
  // Adds the items at the end in one go (an unsorted list); NewIndex becomes the last one's.
  void AppendItems(std::vector<std::string> items);
  // The same for texts already in one block; an empty list takes the block over as it is.
  void AppendTexts(TextList texts);
  void SetItemText(int index, std::string text);  // error 381 outside the list
  // Sets the current item without running an event.
  void SetListIndexQuietly(int index);
  // Runs after ListIndex changed through the setter or the user; runs Click here.
  virtual void OnListIndexChanged();
  void HandleKey(int keyCode, int shift);
  void CheckIndex(int index) const;  // error 381 outside the list

 private:
  int SortedPlace(std::string_view text) const;
  void MoveFocus(int index, int shift);
  void Select(int listIndex, const std::vector<bool>& selected, bool clicked);
  // The selection a click on an item with this shift state leaves (moves the anchor).
  std::vector<bool> SelectionAfterClick(int index, int shift);

  // Sizes the selection, and the item data when there are any, to count items.
  void ResizeItemState(std::size_t count);

  // The items, one entry each: a long queue then costs its characters, 4 bytes and a bit an
  // item. The item data stay empty (all 0) until an item gets another value; from then on
  // they hold one entry an item too.
  TextList texts_;
  std::vector<std::int32_t> data_;
  std::vector<bool> selected_;
  int listIndex_ = -1;
  int newIndex_ = -1;
  int topIndex_ = 0;
  int anchor_ = -1;
  ui::MultiSelect multiSelect_ = ui::MultiSelect::kNone;
};

}  // namespace ui
