#include "ui/win32/win32_tab_control_peer.h"

#include <algorithm>

#include "ui/win32/win32_line_peer.h"

namespace ui::win32 {

// One tab's page: a panel of ours that passes its controls' notifications on and paints its
// lines.
class Win32TabControlPeer::Page : private WindowHandler {
 public:
  Page(Win32Backend& backend, TabPage& page, HWND parent, const RECT& bounds) : backend_(backend), page_(page) {
    hwnd_ = CreateHandledWindow(WS_EX_CONTROLPARENT, kPanelClass, "", WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS,
                                bounds, parent, nullptr, this);
  }
  ~Page() override {
    if (hwnd_ == nullptr) return;
    Unhook(hwnd_, true);
    DestroyWindow(hwnd_);
  }
  Page(const Page&) = delete;
  Page& operator=(const Page&) = delete;

  HWND Hwnd() const { return hwnd_; }

 private:
  LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override {
    LRESULT result = 0;
    if (Win32ControlPeer::ReflectToChild(message, wParam, lParam, result)) return result;
    if (message == WM_ERASEBKGND) {
      RECT client;
      GetClientRect(window, &client);
      FillRect(reinterpret_cast<HDC>(wParam), &client, backend_.Gdi().Brush(page_.Tabs().BackColor()));
      return 1;
    }
    if (message == WM_PAINT) {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(window, &paint);
      PaintLines(dc, page_, POINT{0, 0}, backend_.Scale());
      EndPaint(window, &paint);
      return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
  }
  void WindowDestroyed(HWND window) override { hwnd_ = nullptr; }

  Win32Backend& backend_;
  TabPage& page_;
  HWND hwnd_ = nullptr;
};

Win32TabControlPeer::Win32TabControlPeer(Win32Backend& backend, TabControl& tabs)
    : Win32ControlPeer(backend, tabs), tabs_(tabs) {}

Win32TabControlPeer::~Win32TabControlPeer() {
  pages_.clear();
}

Win32ControlPeer::WindowSpec Win32TabControlPeer::Spec() const {
  return WindowSpec{WC_TABCONTROLA, WS_TABSTOP | WS_CLIPSIBLINGS | TCS_TABS, 0, ""};
}

void Win32TabControlPeer::SyncAll() {
  FillTabs();
  LayoutPages();
}

void Win32TabControlPeer::Changed(Property what) {
  if (Hwnd() == nullptr) return;
  switch (what) {
    case Property::kTabs:
      FillTabs();
      LayoutPages();
      break;
    case Property::kGeometry:
    case Property::kFont:
      Win32ControlPeer::Changed(what);
      LayoutPages();
      break;
    case Property::kVisible:
    case Property::kEnabled:
      Win32ControlPeer::Changed(what);
      SyncPages();
      break;
    default:
      Win32ControlPeer::Changed(what);
      break;
  }
}

void Win32TabControlPeer::FillTabs() {
  Updating updating(*this);
  SendMessageA(Hwnd(), TCM_DELETEALLITEMS, 0, 0);
  shownTabs_.clear();
  for (int tab = 0; tab < tabs_.Tabs(); ++tab) {
    if (!tabs_.TabVisible(tab)) continue;
    std::string caption = tabs_.TabCaption(tab);
    TCITEMA item = {};
    item.mask = TCIF_TEXT;
    item.pszText = caption.data();
    SendMessageA(Hwnd(), TCM_INSERTITEMA, shownTabs_.size(), reinterpret_cast<LPARAM>(&item));
    shownTabs_.push_back(tab);
  }
  auto current = std::find(shownTabs_.begin(), shownTabs_.end(), tabs_.Tab());
  if (current != shownTabs_.end()) SendMessageA(Hwnd(), TCM_SETCURSEL, current - shownTabs_.begin(), 0);
}

// The page area below the tabs, in the tab control's own pixels.
RECT Win32TabControlPeer::DisplayArea() const {
  RECT area;
  GetClientRect(Hwnd(), &area);
  SendMessageA(Hwnd(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
  return area;
}

Site Win32TabControlPeer::PageSite(int tab) {
  auto found = pages_.find(tab);
  if (found == pages_.end()) {
    Site parent = backend_.SiteOf(tabs_.ParentContainer());
    found =
        pages_.emplace(tab, std::make_unique<Page>(backend_, *tabs_.Page(tab), parent.window, RECT{0, 0, 0, 0})).first;
    LayoutPages();
  }
  return Site{found->second->Hwnd(), origin_};
}

std::vector<HWND> Win32TabControlPeer::PageWindows() const {
  std::vector<HWND> windows;
  for (auto& [tab, page] : pages_) {
    if (page->Hwnd() != nullptr) windows.push_back(page->Hwnd());
  }
  return windows;
}

void Win32TabControlPeer::LayoutPages() {
  if (Hwnd() == nullptr) return;
  RECT area = DisplayArea();
  RECT own;
  GetWindowRect(Hwnd(), &own);
  MapWindowPoints(nullptr, GetParent(Hwnd()), reinterpret_cast<POINT*>(&own), 2);
  bool moved = area.left != origin_.x || area.top != origin_.y;
  origin_ = POINT{area.left, area.top};
  for (auto& [tab, page] : pages_) {
    SetWindowPos(page->Hwnd(), Hwnd(), own.left + area.left, own.top + area.top, area.right - area.left,
                 area.bottom - area.top, SWP_NOACTIVATE);
    SetWindowPos(Hwnd(), page->Hwnd(), 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
  if (moved) {
    for (auto& [tab, page] : pages_) {
      for (Control* control : tabs_.Page(tab)->Controls()) {
        if (Win32ControlPeer* peer = Win32Backend::PeerOf(*control)) peer->Changed(Property::kGeometry);
      }
    }
  }
  SyncPages();
}

void Win32TabControlPeer::SyncPages() {
  bool shown = (GetWindowLongA(Hwnd(), GWL_STYLE) & WS_VISIBLE) != 0;
  for (auto& [tab, page] : pages_) {
    EnableWindow(page->Hwnd(), IsWindowEnabled(Hwnd()));
    ShowWindow(page->Hwnd(), shown && tab == tabs_.Tab() ? SW_SHOWNA : SW_HIDE);
  }
}

bool Win32TabControlPeer::Reflect(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (message != WM_NOTIFY) return Win32ControlPeer::Reflect(message, wParam, lParam, result);
  result = 0;
  if (updating_ || reinterpret_cast<NMHDR*>(lParam)->code != TCN_SELCHANGE) return true;
  auto position = static_cast<std::size_t>(SendMessageA(Hwnd(), TCM_GETCURSEL, 0, 0));
  int chosen = position < shownTabs_.size() ? shownTabs_[position] : tabs_.Tab();
  std::shared_ptr<bool> alive = alive_;
  TabControl& tabs = tabs_;
  Deliver([&tabs, chosen] { tabs.ChooseTab(chosen); });
  if (!*alive || Hwnd() == nullptr) return true;
  // The model may refuse the tab (a disabled one): the strip shows the model's tab again.
  FillTabs();
  SyncPages();
  return true;
}

}  // namespace ui::win32
