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

void ListBox::AddItems(std::vector<std::string> items) {
  if (!sorted_) {
    AppendItems(std::move(items));
    return;
  }
  for (std::string& item : items) InsertItem(std::move(item), -1, true);
}

void ListBox::AddTexts(TextList texts) {
  if (!sorted_) {
    AppendTexts(std::move(texts));
    return;
  }
  for (std::size_t i = 0; i < texts.size(); ++i) InsertItem(std::string(texts[i]), -1, true);
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
