#pragma once

#include <map>
#include <memory>
#include <vector>

#include "ui/tab_control.h"
#include "ui/win32/win32_backend.h"
#include "ui/win32/win32_control_peer.h"

namespace ui::win32 {

// A tab control: the common controls' tab strip, with one page window per tab that holds the
// controls placed on it. The pages are the tab control's siblings, laid over its display
// area just above it, and only the current tab's page shows. The model places a tab's
// controls relative to the whole tab control; the page's origin makes up the difference.
class Win32TabControlPeer : public Win32ControlPeer {
 public:
  Win32TabControlPeer(Win32Backend& backend, TabControl& tabs);
  ~Win32TabControlPeer() override;

  void Changed(Property what) override;
  bool Reflect(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  // The window of a tab's page (made on first use) and its origin.
  Site PageSite(int tab);
  // The page windows, for the z-order: they lie just above the tab control.
  std::vector<HWND> PageWindows() const;

 protected:
  WindowSpec Spec() const override;
  void SyncAll() override;

 private:
  class Page;

  void FillTabs();
  RECT DisplayArea() const;
  void LayoutPages();
  void SyncPages();

  TabControl& tabs_;
  std::map<int, std::unique_ptr<Page>> pages_;
  std::vector<int> shownTabs_;  // the tab of each position on the strip (hidden tabs left out)
  POINT origin_{0, 0};
};

}  // namespace ui::win32
