#pragma once

#include "ui/combo_box.h"
#include "ui/list_control.h"
#include "ui/win32/win32_control_peer.h"

namespace ui::win32 {

// A combo box, and the drive list box shown as a drop-down list: a COMBOBOX holding the
// model's items. Choosing an item sets the model's current item; editing the text of a
// drop-down combo reaches the model as the new text.
class Win32ComboBoxPeer : public Win32ControlPeer {
 public:
  // combo: the combo box, or nullptr for a drop-down list of another list control.
  Win32ComboBoxPeer(Win32Backend& backend, ListControl& list, ComboBox* combo)
      : Win32ControlPeer(backend, list), list_(list), combo_(combo) {}

  void Changed(Property what) override;
  void ItemInserted(int index) override;
  void ItemRemoved(int index) override;
  bool Reflect(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 protected:
  WindowSpec Spec() const override;
  void SyncAll() override;
  bool KindMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  int WindowHeight(int pixels) const override;

 private:
  ComboStyle Style() const { return combo_ != nullptr ? combo_->Style() : ComboStyle::kDropDownList; }
  bool Editable() const { return Style() != ComboStyle::kDropDownList; }
  void Fill();
  void SyncSelection();
  // The list of items the combo shows (dropped down or below the box).
  HWND ListWindow() const;

  ListControl& list_;
  ComboBox* combo_;
};

}  // namespace ui::win32
