#pragma once

#include "ui/dir_list_box.h"
#include "ui/win32/win32_control_peer.h"

namespace ui::win32 {

// The folder list box: an owner-drawn LISTBOX with one row per open folder (the drive root
// first, each indented one step more, with an open folder) and one per subfolder of the path
// (a closed folder). Row r is the model's index r - Levels().
class Win32DirListPeer : public Win32ControlPeer {
 public:
  Win32DirListPeer(Win32Backend& backend, DirListBox& list) : Win32ControlPeer(backend, list), list_(list) {}

  void Changed(Property what) override;
  bool Reflect(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 protected:
  WindowSpec Spec() const override;
  void SyncAll() override;
  bool KindMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  bool ModelHandlesKey(int keyCode) const override;
  int WindowHeight(int pixels) const override;

 private:
  void Fill();
  void SyncSelection();
  void Draw(const DRAWITEMSTRUCT& item);
  void DrawFolder(HDC dc, int left, int top, bool open);
  int RowOf(int index) const { return index + list_.Levels(); }
  int IndexOf(int row) const { return row - list_.Levels(); }

  DirListBox& list_;
};

}  // namespace ui::win32
