#pragma once

// The link from the model to a back end's real windows. The model owns the state; after a
// change it tells the peer what changed, and the peer reads the new state from the model.
// User input in a real window goes the other way, through the model's public setters.
#include <optional>

namespace ui {

class MenuItem;

enum class Property {
  kCaption,    // Caption of a form, label, button, frame, check or option box
  kText,       // Text of a text or combo box
  kSelection,  // SelStart / SelLength of a text box
  kValue,      // Value of a check box, option button or scroll bar; the range of a scroll bar
  kEnabled,
  kVisible,   // own visibility, or the shown state through a tab change
  kGeometry,  // Left, Top, Width, Height (a form: also its window state)
  kFont,
  kColors,  // BackColor, ForeColor
  kToolTip,
  kMousePointer,
  kTabOrder,   // TabIndex, TabStop
  kItems,      // the whole item list changed (Clear, a refill)
  kListIndex,  // ListIndex, or the selection of a multi-select list
  kTopIndex,
  kHorizontalExtent,
  kLocked,
  kTabs,           // tab count, captions, visible and enabled tabs, current tab
  kLine,           // the end points of a line
  kDefaultCancel,  // Default or Cancel of a command button
  kWindowState,
  kTopMost,
  kBorderStyle,
  kAcceptDrops,
};

// Attached to a control by a back end that shows it.
class ControlPeer {
 public:
  virtual ~ControlPeer() = default;
  virtual void Changed(Property what) = 0;
  // Item list changes of list and combo boxes, so a long list is not rebuilt per item.
  virtual void ItemInserted(int index) {}
  virtual void ItemRemoved(int index) {}
  // count items were added at the end, the first of them at index first.
  virtual void ItemsAppended(int first, int count) {
    for (int index = first; index < first + count; ++index) ItemInserted(index);
  }
  // The model moved the keyboard focus to this control.
  virtual void FocusSet() {}
  // A list's item at a point of the control (twips), -1 for none; nullopt leaves the answer
  // to the model.
  virtual std::optional<int> ItemAtPoint(int x, int y) { return std::nullopt; }
};

// Attached to a form by a back end that shows it.
class FormPeer {
 public:
  virtual ~FormPeer() = default;
  virtual void Changed(Property what) = 0;
  // A menu item's caption, state or shortcut changed, or an item was added.
  virtual void MenuChanged(MenuItem& item) = 0;
};

}  // namespace ui
