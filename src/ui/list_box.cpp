#include "ui/list_box.h"

#include <utility>

#include "ui/ui_errors.h"

namespace ui {

ListBox::ListBox(Container* parent, std::string name, int index) : ListControl(parent, std::move(name), index) {
  SetBackColor(kWindowBackground);
  SetForeColor(kWindowText);
}

void ListBox::AddItem(std::string item, int index) {
  InsertItem(std::move(item), index, sorted_);
}

void ListBox::RemoveItem(int index) {
  RemoveItemAt(index);
}

void ListBox::Clear() {
  ClearItems();
}

void ListBox::SetList(int index, std::string text) {
  SetItemText(index, std::move(text));
}

void ListBox::SetSorted(bool sorted) {
  sorted_ = sorted;
}

void ListBox::SetHorizontalExtent(int pixels) {
  if (pixels < 0) throw errors::InvalidPropertyValue();
  if (horizontalExtent_ == pixels) return;
  horizontalExtent_ = pixels;
  Changed(Property::kHorizontalExtent);
}

}  // namespace ui
