#include "ui/win32/win32_form_peer.h"

#include <utility>

#include "ui/command_button.h"
#include "ui/win32/input_mapping.h"
#include "ui/win32/win32_backend.h"
#include "ui/win32/win32_control_peer.h"
#include "ui/win32/win32_line_peer.h"
#include "ui/win32/window_name.h"

namespace ui::win32 {

namespace {

bool IsPushButton(HWND window) {
  char name[16] = {};
  GetClassNameA(window, name, sizeof name);
  if (lstrcmpiA(name, "Button") != 0) return false;
  LONG type = GetWindowLongA(window, GWL_STYLE) & BS_TYPEMASK;
  return type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON;
}

}  // namespace

Win32FormPeer::Win32FormPeer(Win32Backend& backend, Form& form) : backend_(backend), form_(form), menus_(form) {
  updating_ = true;
  const PixelScale& scale = backend_.Scale();
  Rect bounds = form_.Bounds();
  RECT pixels{scale.ToPixels(bounds.left), scale.ToPixels(bounds.top), scale.ToPixels(bounds.left + bounds.width),
              scale.ToPixels(bounds.top + bounds.height)};
  hwnd_ = CreateHandledWindow(ExStyle(form_), kFormClass, form_.Caption().c_str(), Style(form_), pixels, nullptr,
                              nullptr, this);
  SetWindowName(hwnd_, form_.Name());
  menus_.Attach(hwnd_);
  backend_.AddFormPeer(this);
  SyncGeometry();
  SyncEnabled();
  SyncTopMost();
  updating_ = false;
}

Win32FormPeer::~Win32FormPeer() {
  *alive_ = false;
  backend_.RemoveFormPeer(this);
  Destroy();
}

void Win32FormPeer::Destroy() {
  if (hwnd_ == nullptr) return;
  updating_ = true;
  menus_.Detach();
  backend_.ReleaseOwnedWindows(hwnd_);
  DestroyWindow(hwnd_);
  hwnd_ = nullptr;
}

DWORD Win32FormPeer::Style(const Form& form) {
  DWORD style = WS_CLIPCHILDREN;
  DWORD boxes = (form.HasMinimizeBox() ? WS_MINIMIZEBOX : 0) | (form.HasMaximizeBox() ? WS_MAXIMIZEBOX : 0);
  switch (form.BorderStyle()) {
    case BorderStyle::kNone:
      return style | WS_POPUP;
    case BorderStyle::kFixedSingle:
      return style | WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | boxes;
    case BorderStyle::kSizable:
      return style | WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | boxes;
    case BorderStyle::kFixedDialog:
    case BorderStyle::kFixedToolWindow:
      return style | WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
    case BorderStyle::kSizableToolWindow:
      return style | WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME;
  }
  return style | WS_OVERLAPPEDWINDOW;
}

DWORD Win32FormPeer::ExStyle(const Form& form) {
  switch (form.BorderStyle()) {
    case BorderStyle::kFixedDialog:
      return WS_EX_DLGMODALFRAME;
    case BorderStyle::kFixedToolWindow:
    case BorderStyle::kSizableToolWindow:
      return WS_EX_TOOLWINDOW;
    default:
      return 0;
  }
}

void Win32FormPeer::Changed(Property what) {
  if (hwnd_ == nullptr) return;
  switch (what) {
    case Property::kCaption:
      SetWindowTextA(hwnd_, form_.Caption().c_str());
      break;
    case Property::kVisible:
      SyncVisible();
      break;
    case Property::kGeometry:
      SyncGeometry();
      break;
    case Property::kWindowState:
      SyncWindowState();
      break;
    case Property::kBorderStyle:
      SyncBorder();
      break;
    case Property::kEnabled:
      SyncEnabled();
      break;
    case Property::kTopMost:
      SyncTopMost();
      break;
    case Property::kColors:
      InvalidateRect(hwnd_, nullptr, TRUE);
      break;
    default:
      break;
  }
}

void Win32FormPeer::MenuChanged(MenuItem& item) {
  menus_.Changed(item);
}

void Win32FormPeer::SyncVisible() {
  bool updating = std::exchange(updating_, true);
  if (!form_.Visible()) {
    backend_.FormHiding(form_);
    appearAt_ = 0;
    ShowWindow(hwnd_, SW_HIDE);
  } else {
    ShowVisible();
  }
  updating_ = updating;
}

void Win32FormPeer::ShowVisible() {
  // Like a dialog box: the owner is set, and a modal form's owner disabled, before it appears.
  TakeOwner();
  backend_.FormShowing(form_);
  if (!form_.IsModal() && form_.AppearDelay() > 0 && !IsWindowVisible(hwnd_)) {
    appearAt_ = GetTickCount64() + static_cast<ULONGLONG>(form_.AppearDelay());
    return;
  }
  ShowNow();
}

void Win32FormPeer::ShowNow() {
  if (form_.WindowState() == WindowState::kMinimized) {
    ShowWindow(hwnd_, SW_SHOWMINNOACTIVE);
  } else if (form_.WindowState() == WindowState::kMaximized) {
    ShowWindow(hwnd_, SW_SHOWMAXIMIZED);
  } else {
    ShowWindow(hwnd_, SW_SHOWNA);
  }
}

void Win32FormPeer::SyncGeometry() {
  if (form_.WindowState() != WindowState::kNormal || IsIconic(hwnd_) || IsZoomed(hwnd_)) return;
  const PixelScale& scale = backend_.Scale();
  Rect bounds = form_.Bounds();
  bool updating = std::exchange(updating_, true);
  SetWindowPos(hwnd_, nullptr, scale.ToPixels(bounds.left), scale.ToPixels(bounds.top), scale.ToPixels(bounds.width),
               scale.ToPixels(bounds.height), SWP_NOZORDER | SWP_NOACTIVATE);
  updating_ = updating;
}

void Win32FormPeer::SyncWindowState() {
  bool updating = std::exchange(updating_, true);
  if (IsWindowVisible(hwnd_)) {
    switch (form_.WindowState()) {
      case WindowState::kMinimized:
        if (!IsIconic(hwnd_)) ShowWindow(hwnd_, SW_MINIMIZE);
        break;
      case WindowState::kMaximized:
        if (!IsZoomed(hwnd_)) ShowWindow(hwnd_, SW_MAXIMIZE);
        break;
      case WindowState::kNormal:
        if (IsIconic(hwnd_) || IsZoomed(hwnd_)) ShowWindow(hwnd_, SW_RESTORE);
        break;
    }
  }
  updating_ = updating;
  SyncGeometry();
}

void Win32FormPeer::SyncBorder() {
  LONG keep = GetWindowLongA(hwnd_, GWL_STYLE) & (WS_VISIBLE | WS_DISABLED | WS_MINIMIZE | WS_MAXIMIZE);
  SetWindowLongA(hwnd_, GWL_STYLE, static_cast<LONG>(Style(form_)) | keep);
  LONG keepEx = GetWindowLongA(hwnd_, GWL_EXSTYLE) & WS_EX_TOPMOST;
  SetWindowLongA(hwnd_, GWL_EXSTYLE, static_cast<LONG>(ExStyle(form_)) | keepEx);
  bool updating = std::exchange(updating_, true);
  SetWindowPos(hwnd_, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  updating_ = updating;
}

void Win32FormPeer::SyncEnabled() {
  EnableWindow(hwnd_, TakesInput());
}

void Win32FormPeer::SyncTopMost() {
  SetWindowPos(hwnd_, form_.TopMost() ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void Win32FormPeer::Block() {
  ++blocked_;
  if (hwnd_ != nullptr) SyncEnabled();
}

void Win32FormPeer::Unblock() {
  if (blocked_ > 0) --blocked_;
  if (hwnd_ != nullptr) SyncEnabled();
}

void Win32FormPeer::TakeOwner() {
  Win32FormPeer* owner = form_.Owner() != nullptr ? backend_.FormPeerOf(*form_.Owner()) : nullptr;
  if (owner != nullptr && owner != this && owner->Hwnd() != nullptr) {
    SetWindowLongPtrA(hwnd_, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(owner->Hwnd()));
  }
}

bool Win32FormPeer::TakesInput() const {
  return form_.Enabled() && blocked_ == 0;
}

bool Win32FormPeer::AppearWhenDue(bool dueOnly) {
  if (appearAt_ == 0 || (dueOnly && GetTickCount64() < appearAt_)) return false;
  appearAt_ = 0;
  if (hwnd_ == nullptr || !form_.Visible()) return false;
  bool updating = std::exchange(updating_, true);
  ShowNow();
  updating_ = updating;
  Activate();
  return true;
}

void Win32FormPeer::Activate() {
  if (hwnd_ == nullptr || !IsWindowVisible(hwnd_)) return;
  TakeOwner();
  if (IsIconic(hwnd_) || !IsWindowEnabled(hwnd_)) return;
  SetForegroundWindow(hwnd_);
  if (GetActiveWindow() != hwnd_) SetActiveWindow(hwnd_);
}

void Win32FormPeer::SetToolTip(HWND control, const std::string& text) {
  if (toolTips_ == nullptr) {
    if (text.empty()) return;
    toolTips_ =
        CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, hwnd_, nullptr, GetModuleHandleA(nullptr), nullptr);
  }
  TOOLINFOA tool = {};
  tool.cbSize = sizeof tool;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = GetParent(control);
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  SendMessageA(toolTips_, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
  if (text.empty()) return;
  std::string copy = text;
  tool.lpszText = copy.data();
  SendMessageA(toolTips_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

HWND Win32FormPeer::DefaultButtonWindow() const {
  HWND focus = GetFocus();
  if (focus != nullptr && IsChild(hwnd_, focus) && IsPushButton(focus)) return focus;
  CommandButton* button = form_.DefaultButton();
  Win32ControlPeer* peer = button != nullptr ? Win32Backend::PeerOf(*button) : nullptr;
  return peer != nullptr ? peer->Hwnd() : nullptr;
}

SIZE Win32FormPeer::FrameSize() const {
  if (hwnd_ == nullptr || IsIconic(hwnd_)) return FrameSizeOf(form_);
  RECT window;
  RECT client;
  GetWindowRect(hwnd_, &window);
  GetClientRect(hwnd_, &client);
  return SIZE{(window.right - window.left) - client.right, (window.bottom - window.top) - client.bottom};
}

SIZE Win32FormPeer::FrameSizeOf(const Form& form) {
  RECT outer{0, 0, 0, 0};
  AdjustWindowRectEx(&outer, Style(form), HasMenuBar(form), ExStyle(form));
  return SIZE{outer.right - outer.left, outer.bottom - outer.top};
}

bool Win32FormPeer::HasMenuBar(const Form& form) {
  for (MenuItem* item : form.Menus()) {
    if (item->Visible()) return true;
  }
  return false;
}

void Win32FormPeer::Deliver(const std::function<void()>& action) const {
  if (!updating_) backend_.Deliver(action);
}

LRESULT Win32FormPeer::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (message == WM_COMMAND && lParam == 0) {
    HandleCommand(wParam);
    return 0;
  }
  if (Win32ControlPeer::ReflectToChild(message, wParam, lParam, result)) return result;
  switch (message) {
    case WM_NEXTDLGCTL:
      MoveFocus(wParam, lParam);
      return 0;
    case DM_GETDEFID: {
      HWND button = DefaultButtonWindow();
      if (button == nullptr) return 0;
      return MAKELRESULT(GetDlgCtrlID(button), DC_HASDEFID);
    }
    case WM_INITMENUPOPUP:
      if (MenuItem* item = menus_.SubmenuOwner(reinterpret_cast<HMENU>(wParam))) {
        std::shared_ptr<bool> alive = alive_;
        Deliver([item] { item->Click(); });
        if (!*alive) return 0;
        if (MenuItem* still = menus_.SubmenuOwner(reinterpret_cast<HMENU>(wParam))) {
          menus_.Fill(reinterpret_cast<HMENU>(wParam), *still);
        }
      }
      return 0;
    case WM_CLOSE:
      Deliver([this] { form_.Close(); });
      return 0;
    case WM_QUERYENDSESSION: {
      bool ends = true;
      Deliver([this, &ends] { ends = form_.QueryEndSession(); });
      return ends ? TRUE : FALSE;
    }
    case WM_ENDSESSION: {
      // The process may be ended as soon as this returns: the form's unload (which saves)
      // runs now, not later in the loop.
      Form& form = form_;
      if (wParam != FALSE) Deliver([&form] { form.EndSession(); });
      return 0;
    }
    case WM_ACTIVATE:
      HandleActivate(wParam);
      return 0;
    case WM_WINDOWPOSCHANGED:
      result = DefWindowProcA(window, message, wParam, lParam);
      HandleMoved();
      return result;
    case WM_SIZE:
      HandleSized(wParam);
      break;
    case WM_SETCURSOR:
      if (HandleCursor(lParam)) return TRUE;
      break;
    case WM_ERASEBKGND: {
      RECT client;
      GetClientRect(window, &client);
      FillRect(reinterpret_cast<HDC>(wParam), &client, backend_.Gdi().Brush(form_.BackColor()));
      return 1;
    }
    case WM_PAINT:
      Paint();
      return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
    case WM_MOUSEMOVE:
      HandleMouse(message, wParam, lParam);
      break;
    default:
      break;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

void Win32FormPeer::WindowDestroyed(HWND window) {
  RemoveWindowName(window);
  hwnd_ = nullptr;
  toolTips_ = nullptr;
}

void Win32FormPeer::HandleCommand(WPARAM wParam) {
  UINT id = LOWORD(wParam);
  if (id == IDCANCEL) {
    CommandButton* cancel = form_.CancelButton();
    if (cancel != nullptr && cancel->IsShown() && cancel->IsEnabled()) Deliver([cancel] { cancel->Click(); });
    if (form_.EscapeCloses()) Deliver([this] { form_.Close(); });
    return;
  }
  MenuItem* item = id != IDOK ? menus_.ItemOf(id) : nullptr;
  if (item != nullptr && item->IsAvailable()) Deliver([item] { item->Click(); });
}

void Win32FormPeer::MoveFocus(WPARAM wParam, LPARAM lParam) {
  HWND next = LOWORD(lParam) != 0 ? reinterpret_cast<HWND>(wParam) : GetNextDlgTabItem(hwnd_, GetFocus(), wParam != 0);
  if (next == nullptr) return;
  // Tabbing into a group of option buttons lands on the chosen one.
  if (LOWORD(lParam) == 0 && (SendMessageA(next, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) != 0) {
    HWND option = next;
    do {
      if (SendMessageA(option, BM_GETCHECK, 0, 0) == BST_CHECKED) {
        next = option;
        break;
      }
      option = GetNextDlgGroupItem(hwnd_, option, FALSE);
    } while (option != nullptr && option != next);
  }
  SetFocus(next);
}

void Win32FormPeer::HandleActivate(WPARAM wParam) {
  if (LOWORD(wParam) == WA_INACTIVE) {
    HWND focus = GetFocus();
    if (focus != nullptr && IsChild(hwnd_, focus)) lastFocus_ = focus;
    return;
  }
  std::shared_ptr<bool> alive = alive_;
  if (!updating_) backend_.FormActivated(form_);
  if (!*alive || hwnd_ == nullptr || HIWORD(wParam) != 0) return;
  HWND focus = lastFocus_;
  if (focus == nullptr || !IsWindow(focus) || !IsChild(hwnd_, focus) || !IsWindowVisible(focus) ||
      !IsWindowEnabled(focus)) {
    focus = GetNextDlgTabItem(hwnd_, nullptr, FALSE);
  }
  SetFocus(focus != nullptr ? focus : hwnd_);
}

void Win32FormPeer::HandleMoved() {
  if (updating_ || hwnd_ == nullptr || !IsWindowVisible(hwnd_) || IsIconic(hwnd_) || IsZoomed(hwnd_)) return;
  if (form_.WindowState() != WindowState::kNormal) return;
  RECT window;
  GetWindowRect(hwnd_, &window);
  const PixelScale& scale = backend_.Scale();
  Rect now{scale.ToTwips(window.left), scale.ToTwips(window.top), scale.ToTwips(window.right - window.left),
           scale.ToTwips(window.bottom - window.top)};
  Rect model = form_.Bounds();
  // The model keeps twips; a rectangle that rounds to the same pixels has not moved.
  RECT shown{scale.ToPixels(model.left), scale.ToPixels(model.top),
             scale.ToPixels(model.left) + scale.ToPixels(model.width),
             scale.ToPixels(model.top) + scale.ToPixels(model.height)};
  if (EqualRect(&shown, &window)) return;
  Deliver([this, now] { form_.Move(now.left, now.top, now.width, now.height); });
}

void Win32FormPeer::HandleSized(WPARAM kind) {
  if (updating_) return;
  WindowState state = kind == SIZE_MINIMIZED   ? WindowState::kMinimized
                      : kind == SIZE_MAXIMIZED ? WindowState::kMaximized
                                               : WindowState::kNormal;
  if (kind != SIZE_MINIMIZED && kind != SIZE_MAXIMIZED && kind != SIZE_RESTORED) return;
  if (state != form_.WindowState()) Deliver([this, state] { form_.SetWindowState(state); });
}

bool Win32FormPeer::HandleCursor(LPARAM lParam) {
  if (LOWORD(lParam) != HTCLIENT) return false;
  Pointer pointer = backend_.ScreenPointer() != Pointer::kDefault ? backend_.ScreenPointer() : form_.MousePointer();
  LPCSTR id = CursorId(pointer);
  if (id == nullptr) return false;
  SetCursor(LoadCursorA(nullptr, id));
  return true;
}

void Win32FormPeer::HandleMouse(UINT message, WPARAM wParam, LPARAM lParam) {
  const PixelScale& scale = backend_.Scale();
  int x = scale.ToTwips(GET_X_LPARAM(lParam));
  int y = scale.ToTwips(GET_Y_LPARAM(lParam));
  int shift = ShiftState();
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN: {
      int button = message == WM_LBUTTONDOWN ? kLeftButton : message == WM_RBUTTONDOWN ? kRightButton : kMiddleButton;
      Deliver([=, this] { form_.MouseDown(button, shift, x, y); });
      break;
    }
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP: {
      int button = message == WM_LBUTTONUP ? kLeftButton : message == WM_RBUTTONUP ? kRightButton : kMiddleButton;
      Deliver([=, this] { form_.MouseUp(button, shift, x, y); });
      break;
    }
    default: {
      int buttons = MouseButtons(wParam);
      Deliver([=, this] { form_.MouseMove(buttons, shift, x, y); });
      break;
    }
  }
}

void Win32FormPeer::Paint() {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(hwnd_, &paint);
  PaintLines(dc, form_, POINT{0, 0}, backend_.Scale());
  EndPaint(hwnd_, &paint);
}

}  // namespace ui::win32
