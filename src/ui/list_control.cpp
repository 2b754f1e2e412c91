#include "ui/list_control.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "platform/locale.h"
#include "platform/services.h"
#include "runtime/text.h"
#include "ui/context.h"
#include "ui/ui_errors.h"

namespace ui {

std::string_view ListControl::ListText(int index) const {
  if (index < 0 || index >= ListCount()) return {};
  return texts_[static_cast<std::size_t>(index)];
}

void ListControl::SetListIndex(int index) {
  if (index < -1 || index >= ListCount()) throw errors::InvalidPropertyValue();
  if (index == listIndex_) return;
  std::vector<bool> selected = selected_;
  if (multiSelect_ == ui::MultiSelect::kNone) {
    std::fill(selected.begin(), selected.end(), false);
    if (index >= 0) selected[static_cast<std::size_t>(index)] = true;
  }
  ApplySelection(index, selected);
}

std::int32_t ListControl::ItemData(int index) const {
  CheckIndex(index);
  return data_.empty() ? 0 : data_[static_cast<std::size_t>(index)];
}

void ListControl::SetItemData(int index, std::int32_t value) {
  CheckIndex(index);
  if (data_.empty()) {
    if (value == 0) return;
    data_.assign(texts_.size(), 0);
  }
  data_[static_cast<std::size_t>(index)] = value;
}

bool ListControl::Selected(int index) const {
  CheckIndex(index);
  return selected_[static_cast<std::size_t>(index)];
}

void ListControl::SetSelected(int index, bool selected) {
  CheckIndex(index);
  if (multiSelect_ == ui::MultiSelect::kNone) {
    if (selected) {
      SetListIndex(index);
    } else if (index == listIndex_) {
      SetListIndex(-1);
    }
    return;
  }
  std::vector<bool> selection = selected_;
  selection[static_cast<std::size_t>(index)] = selected;
  ApplySelection(listIndex_, selection);
}

int ListControl::SelCount() const {
  return static_cast<int>(std::count(selected_.begin(), selected_.end(), true));
}

void ListControl::SetMultiSelect(ui::MultiSelect mode) {
  multiSelect_ = mode;
}

// Without a shown list, items are the classic 13 pixels (195 twips) high.
int ListControl::ItemFromPoint(int x, int y) const {
  constexpr int kItemHeight = 195;
  if (Peer() != nullptr) {
    if (std::optional<int> item = Peer()->ItemAtPoint(x, y)) return *item;
  }
  if (x < 0 || y < 0 || x >= Width() || y >= Height()) return -1;
  const int index = TopIndex() + y / kItemHeight;
  return index < ListCount() ? index : -1;
}

void ListControl::SetTopIndex(int index) {
  if (index < 0) throw errors::InvalidPropertyValue();
  index = std::min(index, std::max(0, ListCount() - 1));
  if (index == topIndex_) return;
  topIndex_ = index;
  Changed(Property::kTopIndex);
}

void ListControl::ScrollTo(int index) {
  int before = topIndex_;
  SetTopIndex(index);
  if (topIndex_ != before) Raise(onScroll);
}

void ListControl::ClickItem(int index, int shift) {
  if (index < 0 || index >= ListCount()) return;
  Select(index, SelectionAfterClick(index, shift), true);
}

std::vector<bool> ListControl::SelectionAfterClick(int index, int shift) {
  std::vector<bool> selected = selected_;
  auto at = static_cast<std::size_t>(index);
  switch (multiSelect_) {
    case ui::MultiSelect::kNone:
      std::fill(selected.begin(), selected.end(), false);
      selected[at] = true;
      break;
    case ui::MultiSelect::kSimple:
      selected[at] = !selected[at];
      break;
    case ui::MultiSelect::kExtended:
      if ((shift & kCtrlMask) != 0) {
        selected[at] = !selected[at];
        anchor_ = index;
      } else if ((shift & kShiftMask) != 0) {
        int from = anchor_ >= 0 && anchor_ < ListCount() ? anchor_ : index;
        for (int i = 0; i < ListCount(); ++i) {
          selected[static_cast<std::size_t>(i)] = i >= std::min(from, index) && i <= std::max(from, index);
        }
      } else {
        std::fill(selected.begin(), selected.end(), false);
        selected[at] = true;
        anchor_ = index;
      }
      break;
  }
  return selected;
}

void ListControl::DblClickItem(int index) {
  ClickItem(index);
  DblClick();
}

void ListControl::ApplySelection(int listIndex, const std::vector<bool>& selected) {
  Select(listIndex, selected, false);
}

void ListControl::Select(int listIndex, const std::vector<bool>& selected, bool clicked) {
  if (listIndex < -1 || listIndex >= ListCount()) throw errors::InvalidPropertyValue();
  bool selectionChanged = false;
  for (std::size_t i = 0; i < selected_.size() && i < selected.size(); ++i) {
    if (selected_[i] != selected[i]) {
      selected_[i] = selected[i];
      selectionChanged = true;
    }
  }
  bool indexChanged = listIndex != listIndex_;
  if (!indexChanged && !selectionChanged) {
    if (clicked) Raise(onClick);
    return;
  }
  listIndex_ = listIndex;
  Changed(Property::kListIndex);
  if (indexChanged) {
    OnListIndexChanged();
  } else {
    Raise(onClick);
  }
}

void ListControl::DblClick() {
  Raise(onDblClick);
}

int ListControl::InsertItem(std::string text, int index, bool sorted) {
  if (index < -1 || index > ListCount()) throw errors::InvalidProcedureCall();
  runtime::BlankNuls(text);
  if (index == -1) {
    index = ListCount();
    if (sorted) index = SortedPlace(text);
  }
  texts_.insert(static_cast<std::size_t>(index), text);
  if (!data_.empty()) data_.insert(data_.begin() + index, 0);
  selected_.insert(selected_.begin() + index, false);
  if (listIndex_ >= index) ++listIndex_;
  if (anchor_ >= index) ++anchor_;
  newIndex_ = index;
  if (Peer() != nullptr) Peer()->ItemInserted(index);
  return index;
}

// After the items that sort before text or with it, in the order of sorted lists.
int ListControl::SortedPlace(std::string_view text) const {
  platform::Locale& locale = Ctx().Services().locale;
  const std::string key = locale.CollationKey(text);
  std::size_t low = 0;
  std::size_t high = texts_.size();
  while (low < high) {
    const std::size_t middle = low + (high - low) / 2;
    if (key < locale.CollationKey(texts_[middle])) {
      high = middle;
    } else {
      low = middle + 1;
    }
  }
  return static_cast<int>(low);
}

void ListControl::RemoveItemAt(int index) {
  if (index < 0 || index >= ListCount()) throw errors::InvalidProcedureCall();
  texts_.erase(static_cast<std::size_t>(index));
  if (!data_.empty()) data_.erase(data_.begin() + index);
  selected_.erase(selected_.begin() + index);
  if (listIndex_ == index) {
    listIndex_ = -1;
  } else if (listIndex_ > index) {
    --listIndex_;
  }
  if (anchor_ >= index) --anchor_;
  newIndex_ = -1;
  topIndex_ = std::min(topIndex_, std::max(0, ListCount() - 1));
  if (Peer() != nullptr) Peer()->ItemRemoved(index);
}

void ListControl::AppendItems(std::vector<std::string> items) {
  if (items.empty()) return;
  runtime::BlankNuls(items);
  const int first = ListCount();
  std::size_t bytes = 0;
  for (const std::string& text : items) bytes += text.size();
  texts_.reserve_more(items.size(), bytes);
  for (const std::string& text : items) texts_.push_back(text);
  ResizeItemState(texts_.size());
  newIndex_ = ListCount() - 1;
  if (Peer() != nullptr) Peer()->ItemsAppended(first, ListCount() - first);
}

void ListControl::AppendTexts(TextList texts) {
  if (texts.empty()) return;
  texts.BlankNuls();
  const int first = ListCount();
  if (texts_.empty()) {
    texts_ = std::move(texts);
  } else {
    texts_.append(texts);
  }
  ResizeItemState(texts_.size());
  newIndex_ = ListCount() - 1;
  if (Peer() != nullptr) Peer()->ItemsAppended(first, ListCount() - first);
}

void ListControl::ResizeItemState(std::size_t count) {
  if (!data_.empty()) data_.resize(count, 0);
  selected_.resize(count, false);
}

void ListControl::ClearItems() {
  ReplaceItems({});
}

void ListControl::ReplaceItems(std::vector<std::string> items) {
  runtime::BlankNuls(items);
  TextList texts;
  std::size_t bytes = 0;
  for (const std::string& text : items) bytes += text.size();
  texts.reserve_more(items.size(), bytes);
  for (const std::string& text : items) texts.push_back(text);
  ReplaceTexts(std::move(texts));
}

void ListControl::ReplaceTexts(TextList texts) {
  texts_ = std::move(texts);
  std::vector<std::int32_t>().swap(data_);
  selected_.assign(texts_.size(), false);
  listIndex_ = -1;
  newIndex_ = -1;
  topIndex_ = 0;
  anchor_ = -1;
  Changed(Property::kItems);
}

void ListControl::ReorderItems(const std::vector<std::size_t>& order) {
  if (order.size() != texts_.size()) throw errors::InvalidProcedureCall();
  for (std::size_t index : order) {
    if (index >= texts_.size()) throw errors::InvalidProcedureCall();
  }
  TextList texts;
  std::size_t bytes = 0;
  for (std::size_t i = 0; i < texts_.size(); ++i) bytes += texts_[i].size();
  texts.reserve_more(order.size(), bytes);
  for (std::size_t index : order) texts.push_back(texts_[index]);
  ReplaceTexts(std::move(texts));
}

void ListControl::RemoveFlaggedItems(const std::vector<bool>& remove) {
  // Each index moves down by the number of removed items before it; a removed one is gone.
  auto moved = [&remove](int index) {
    if (index < 0) return index;
    int removedBefore = 0;
    for (int i = 0; i < index && static_cast<std::size_t>(i) < remove.size(); ++i) removedBefore += remove[i] ? 1 : 0;
    bool gone = static_cast<std::size_t>(index) < remove.size() && remove[static_cast<std::size_t>(index)];
    return gone ? -1 : index - removedBefore;
  };
  listIndex_ = moved(listIndex_);
  anchor_ = moved(anchor_);
  std::size_t kept = 0;
  for (std::size_t i = 0; i < texts_.size(); ++i) {
    if (i < remove.size() && remove[i]) continue;
    if (kept != i) {
      if (!data_.empty()) data_[kept] = data_[i];
      selected_[kept] = selected_[i];
    }
    ++kept;
  }
  texts_.erase_flagged(remove);
  ResizeItemState(kept);
  newIndex_ = -1;
  topIndex_ = std::min(topIndex_, std::max(0, ListCount() - 1));
  Changed(Property::kItems);
}

void ListControl::SetItemText(int index, std::string text) {
  CheckIndex(index);
  runtime::BlankNuls(text);
  texts_.replace(static_cast<std::size_t>(index), text);
  if (Peer() != nullptr) {
    Peer()->ItemRemoved(index);
    Peer()->ItemInserted(index);
    Peer()->Changed(Property::kListIndex);
  }
}

void ListControl::SetListIndexQuietly(int index) {
  if (index < -1 || index >= ListCount()) throw errors::InvalidPropertyValue();
  listIndex_ = index;
  if (multiSelect_ == ui::MultiSelect::kNone) {
    for (std::size_t i = 0; i < selected_.size(); ++i) selected_[i] = static_cast<int>(i) == index;
  }
  Changed(Property::kListIndex);
}

void ListControl::OnListIndexChanged() {
  Raise(onClick);
}

void ListControl::HandleKey(int keyCode, int shift) {
  if (ListCount() == 0) return;
  int last = ListCount() - 1;
  int current = listIndex_;
  int target;
  switch (keyCode) {
    case kKeyUp:
      target = current < 0 ? 0 : std::max(0, current - 1);
      break;
    case kKeyDown:
      target = current < 0 ? 0 : std::min(last, current + 1);
      break;
    case kKeyHome:
      target = 0;
      break;
    case kKeyEnd:
      target = last;
      break;
    default:
      return;
  }
  MoveFocus(target, shift);
}

void ListControl::MoveFocus(int index, int shift) {
  if (multiSelect_ == ui::MultiSelect::kSimple || (shift & kCtrlMask) != 0) {
    ApplySelection(index, std::vector<bool>(selected_));
    return;
  }
  Select(index, SelectionAfterClick(index, shift & kShiftMask), false);
}

void ListControl::CheckIndex(int index) const {
  if (index < 0 || index >= ListCount()) throw errors::InvalidArrayIndex();
}

}  // namespace ui
