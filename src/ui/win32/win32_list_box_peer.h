#pragma once

#include <vector>

#include "ui/list_control.h"
#include "ui/win32/win32_control_peer.h"

namespace ui::win32 {

// The height of a list box window asked to be pixels high that shows only whole rows: lower
// by the part of a row that would be cut at the bottom, as a list with an integral height is.
int WholeRowsHeight(HWND list, int pixels);

// A list box (also the file list box): an owner-drawn LISTBOX that keeps no items of its own
// (LBS_NODATA). The window knows how many items there are and which are selected; each item
// is drawn from the model, so a long queue is held once, in the model. The peer answers the
// text queries (LB_GETTEXT, LB_GETTEXTLEN, LB_GETITEMDATA, LB_FINDSTRING...) from the model,
// and a typed character moves to the next item starting with it. The user's selection
// reaches the model as the new current item and selection (LBN_SELCHANGE), the first visible
// item as it scrolls.
class Win32ListBoxPeer : public Win32ControlPeer {
 public:
  // modelKeys: the model moves the current item itself on the arrow, Home and End keys.
  Win32ListBoxPeer(Win32Backend& backend, ListControl& list, bool modelKeys)
      : Win32ControlPeer(backend, list), list_(list), modelKeys_(modelKeys) {}

  void Changed(Property what) override;
  void ItemInserted(int index) override;
  void ItemRemoved(int index) override;
  void ItemsAppended(int first, int count) override;
  bool Reflect(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  std::optional<int> ItemAtPoint(int x, int y) override;

 protected:
  WindowSpec Spec() const override;
  void SyncAll() override;
  bool KindMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  void AfterMessage(UINT message) override;
  bool ModelHandlesKey(int keyCode) const override;
  int WindowHeight(int pixels) const override;

 private:
  bool MultiSelect() const { return list_.MultiSelect() != ui::MultiSelect::kNone; }
  void Fill();
  void SyncItemHeight();
  void SyncSelection();
  void SyncTopIndex();
  void SyncExtent();
  std::vector<int> ShownSelection() const;
  void TellSelection();
  void TellTopIndex();

  void ClickedWithoutChange();
  void DrawItem(const DRAWITEMSTRUCT& item);
  int TypedItem(char typed) const;
  bool WantsEnter(LPARAM lParam) const;
  LRESULT ItemText(UINT message, WPARAM wParam, LPARAM lParam) const;
  LRESULT FindText(UINT message, WPARAM wParam, LPARAM lParam) const;

  ListControl& list_;
  bool modelKeys_;
  // A press on an item: where, and whether it changed the selection (a click that changed
  // nothing still runs Click).
  LPARAM pressedAt_ = 0;
  bool pressChanged_ = false;
};

}  // namespace ui::win32
