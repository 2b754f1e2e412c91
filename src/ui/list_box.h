#pragma once

#include <string>
#include <utility>
#include <vector>

#include "ui/list_control.h"

namespace ui {

class ListBox : public ListControl {
 public:
  ListBox(Container* parent, std::string name, int index = -1);

  // Adds an item at index (-1: at the end, or at its sorted place in a sorted list). An
  // index outside 0 to ListCount is error 5. Sets NewIndex. Runs no event.
  void AddItem(std::string item, int index = -1);
  // Adds the items in order, as AddItem would one by one, telling the window once.
  void AddItems(std::vector<std::string> items);
  // The same for texts already in one block (see TextList::FromLines).
  void AddTexts(TextList texts);
  // Removes an item; an index outside the list is error 5. Runs no event.
  void RemoveItem(int index);
  // Removes every item. Runs no event.
  void Clear();
  // Replaces every item by the texts given: no item selected, none current, item data 0, the
  // first items shown. Runs no event.
  void SetItems(std::vector<std::string> items) { ReplaceItems(std::move(items)); }
  // Puts the items in the given order (see ReorderItems). Runs no event.
  void SetOrder(const std::vector<std::size_t>& order) { ReorderItems(order); }
  // Removes the items whose flag is set in one step (see RemoveFlaggedItems). Runs no event.
  void RemoveItems(const std::vector<bool>& remove) { RemoveFlaggedItems(remove); }
  // Replaces an item's text; an index outside the list is error 381.
  void SetList(int index, std::string text);

  // Sorted lists keep their items in the locale's text order, ignoring letter case
  // (ui/list_order.h).
  bool Sorted() const { return sorted_; }
  void SetSorted(bool sorted);
  // The width in pixels the list can scroll horizontally; 0 = no horizontal scroll bar.
  int HorizontalExtent() const { return horizontalExtent_; }
  void SetHorizontalExtent(int pixels);

 protected:
  void DefaultKeyDown(int keyCode, int shift) override { HandleKey(keyCode, shift); }

 private:
  bool sorted_ = false;
  int horizontalExtent_ = 0;
};

}  // namespace ui
