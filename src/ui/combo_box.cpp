#include "ui/combo_box.h"

#include <utility>

#include "runtime/text.h"
#include "ui/ui_errors.h"

namespace ui {

ComboBox::ComboBox(Container* parent, std::string name, int index) : ListControl(parent, std::move(name), index) {
  SetBackColor(kWindowBackground);
  SetForeColor(kWindowText);
}

void ComboBox::AddItem(std::string item, int index) {
  InsertItem(std::move(item), index, sorted_);
}

void ComboBox::RemoveItem(int index) {
  RemoveItemAt(index);
}

void ComboBox::Clear() {
  ClearItems();
  if (text_.empty()) return;
  text_.clear();
  Changed(Property::kText);
}

void ComboBox::SetList(int index, std::string text) {
  SetItemText(index, std::move(text));
}

void ComboBox::SetSorted(bool sorted) {
  sorted_ = sorted;
}

void ComboBox::SetStyle(ComboStyle style) {
  style_ = style;
}

std::string ComboBox::Text() const {
  if (style_ == ComboStyle::kDropDownList) return List(ListIndex());
  return text_;
}

void ComboBox::SetText(std::string text) {
  if (style_ == ComboStyle::kDropDownList) {
    int found = FindExact(text);
    if (found < 0) throw errors::ReadOnlyText();
    SetListIndex(found);
    return;
  }
  runtime::BlankNuls(text);
  if (text_ == text) return;
  text_ = std::move(text);
  SetListIndexQuietly(FindExact(text_));
  Changed(Property::kText);
  Raise(onChange);
}

void ComboBox::EditByUser(std::string text) {
  if (style_ == ComboStyle::kDropDownList) return;
  SetText(std::move(text));
}

void ComboBox::OnListIndexChanged() {
  if (ListIndex() >= 0) text_ = List(ListIndex());
  Changed(Property::kText);
  Raise(onClick);
}

int ComboBox::FindExact(const std::string& text) const {
  for (int i = 0; i < ListCount(); ++i) {
    if (runtime::EqualsNoCase(List(i), text)) return i;
  }
  return -1;
}

}  // namespace ui
