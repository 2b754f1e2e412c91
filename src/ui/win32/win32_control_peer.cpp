#include "ui/win32/win32_control_peer.h"

#include "ui/form.h"
#include "ui/win32/input_mapping.h"
#include "ui/win32/win32_backend.h"
#include "ui/win32/win32_form_peer.h"
#include "ui/win32/window_name.h"

namespace ui::win32 {

namespace {

constexpr const char* kPeerProperty = "TornavanePeer";

}  // namespace

Win32ControlPeer::Win32ControlPeer(Win32Backend& backend, Control& control) : backend_(backend), control_(control) {}

Win32ControlPeer::~Win32ControlPeer() {
  *alive_ = false;
  if (hwnd_ == nullptr) return;
  for (HWND adopted : adopted_) {
    if (IsWindow(adopted)) Unhook(adopted, false);
  }
  Unhook(hwnd_, ownClass_);
  RemovePropA(hwnd_, kPeerProperty);
  RemoveWindowName(hwnd_);
  DestroyWindow(hwnd_);
}

void Win32ControlPeer::Realise() {
  WindowSpec spec = Spec();
  ownClass_ = spec.ownClass;
  tabStoppable_ = (spec.style & WS_TABSTOP) != 0;
  Site site = backend_.SiteOf(control_.ParentContainer());
  DWORD style = (spec.style & ~WS_TABSTOP) | WS_CHILD | WS_CLIPSIBLINGS;
  if (tabStoppable_ && control_.TabStop()) style |= WS_TABSTOP;
  if (control_.Visible()) style |= WS_VISIBLE;
  if (!control_.Enabled()) style |= WS_DISABLED;
  Win32FormPeer* form = backend_.FormPeerOf(control_.ParentForm());
  auto id = reinterpret_cast<HMENU>(static_cast<INT_PTR>(form != nullptr ? form->NextControlId() : 0));
  RECT bounds = PixelBounds();
  bounds.bottom = bounds.top + WindowHeight(bounds.bottom - bounds.top);
  Updating updating(*this);
  if (ownClass_) {
    hwnd_ = CreateHandledWindow(spec.exStyle, spec.className, spec.text.c_str(), style, bounds, site.window, id, this);
  } else {
    hwnd_ = CreateWindowExA(spec.exStyle, spec.className, spec.text.c_str(), style, bounds.left, bounds.top,
                            bounds.right - bounds.left, bounds.bottom - bounds.top, site.window, id,
                            GetModuleHandleA(nullptr), nullptr);
    if (hwnd_ != nullptr) HookWindow(hwnd_, this);
  }
  if (hwnd_ == nullptr) return;
  SetPropA(hwnd_, kPeerProperty, this);
  SetWindowName(hwnd_, AutomationName(control_.Name(), control_.Index()));
  SyncFont();
  SyncAll();
  if (!control_.ToolTipText().empty() && form != nullptr) form->SetToolTip(hwnd_, control_.ToolTipText());
  if (control_.AcceptDrops()) DragAcceptFiles(hwnd_, TRUE);
}

void Win32ControlPeer::AdoptWindow(HWND window) {
  if (window == nullptr) return;
  adopted_.push_back(window);
  HookWindow(window, this);
}

Win32ControlPeer* Win32ControlPeer::Of(HWND window) {
  if (window == nullptr) return nullptr;
  return static_cast<Win32ControlPeer*>(GetPropA(window, kPeerProperty));
}

bool Win32ControlPeer::ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  HWND child = nullptr;
  switch (message) {
    case WM_NOTIFY:
      child = reinterpret_cast<NMHDR*>(lParam)->hwndFrom;
      break;
    case WM_DRAWITEM:
      child = reinterpret_cast<DRAWITEMSTRUCT*>(lParam)->hwndItem;
      break;
    case WM_COMMAND:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CHARTOITEM:
    case WM_VKEYTOITEM:
      child = reinterpret_cast<HWND>(lParam);
      break;
    default:
      return false;
  }
  Win32ControlPeer* peer = Of(child);
  return peer != nullptr && peer->Reflect(message, wParam, lParam, result);
}

bool Win32ControlPeer::Reflect(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (message) {
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
      result = ControlColors(reinterpret_cast<HDC>(wParam));
      return true;
    default:
      return false;
  }
}

LRESULT Win32ControlPeer::ControlColors(HDC dc) const {
  SetTextColor(dc, ColorRef(control_.ForeColor()));
  SetBkColor(dc, ColorRef(control_.BackColor()));
  return reinterpret_cast<LRESULT>(backend_.Gdi().Brush(control_.BackColor()));
}

void Win32ControlPeer::Changed(Property what) {
  if (hwnd_ == nullptr) return;
  switch (what) {
    case Property::kEnabled:
      EnableWindow(hwnd_, control_.Enabled());
      break;
    case Property::kVisible:
      ShowWindow(hwnd_, control_.Visible() ? SW_SHOWNA : SW_HIDE);
      break;
    case Property::kGeometry:
      SyncGeometry();
      break;
    case Property::kFont:
      SyncFont();
      break;
    case Property::kColors:
      InvalidateRect(hwnd_, nullptr, TRUE);
      break;
    case Property::kToolTip:
      if (Win32FormPeer* form = backend_.FormPeerOf(control_.ParentForm())) {
        form->SetToolTip(hwnd_, control_.ToolTipText());
      }
      break;
    case Property::kTabOrder: {
      LONG style = GetWindowLongA(hwnd_, GWL_STYLE) & ~WS_TABSTOP;
      if (tabStoppable_ && control_.TabStop()) style |= WS_TABSTOP;
      SetWindowLongA(hwnd_, GWL_STYLE, style);
      backend_.ArrangeTabOrder(control_.ParentContainer());
      break;
    }
    case Property::kAcceptDrops:
      DragAcceptFiles(hwnd_, control_.AcceptDrops());
      break;
    default:
      break;
  }
}

void Win32ControlPeer::FocusSet() {
  if (hwnd_ == nullptr) return;
  HWND focus = GetFocus();
  if (focus == hwnd_ || (focus != nullptr && IsChild(hwnd_, focus))) return;
  Updating updating(*this);
  SetFocus(hwnd_);
}

RECT Win32ControlPeer::PixelBounds() const {
  const PixelScale& scale = backend_.Scale();
  Site site = backend_.SiteOf(control_.ParentContainer());
  int left = scale.ToPixels(control_.Left()) - site.origin.x;
  int top = scale.ToPixels(control_.Top()) - site.origin.y;
  return RECT{left, top, left + scale.ToPixels(control_.Width()), top + scale.ToPixels(control_.Height())};
}

void Win32ControlPeer::SyncGeometry() {
  RECT bounds = PixelBounds();
  Updating updating(*this);
  SetWindowPos(hwnd_, nullptr, bounds.left, bounds.top, bounds.right - bounds.left,
               WindowHeight(bounds.bottom - bounds.top), SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32ControlPeer::SyncFont() {
  SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(backend_.Gdi().Font(control_.Font())), TRUE);
}

void Win32ControlPeer::Deliver(const std::function<void()>& action) const {
  backend_.Deliver(action);
}

std::string Win32ControlPeer::WindowText() const {
  int length = GetWindowTextLengthA(hwnd_);
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  int got = GetWindowTextA(hwnd_, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(got > 0 ? got : 0));
  return text;
}

void Win32ControlPeer::SetWindowTextQuietly(const std::string& text) {
  Updating updating(*this);
  SetWindowTextA(hwnd_, text.c_str());
}

LRESULT Win32ControlPeer::CallDefault(HWND window, UINT message, WPARAM wParam, LPARAM lParam) const {
  // A window of our own class is never subclassed (it is not yet known as hwnd_ while it is
  // being created); adopted windows are.
  if (ownClass_) return DefWindowProcA(window, message, wParam, lParam);
  return DefaultProc(window, message, wParam, lParam);
}

LRESULT Win32ControlPeer::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  std::shared_ptr<bool> alive = alive_;
  LRESULT result = 0;
  if (KindMessage(message, wParam, lParam, result) || !*alive) return result;
  switch (message) {
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_CHAR:
      if (HandleKey(window, message, wParam, lParam, result) || !*alive) return result;
      break;
    case WM_SYSKEYDOWN:
      if (HandleShiftF10(wParam) || !*alive) return 0;
      break;
    case WM_SETCURSOR:
      if (HandleCursor(lParam)) return TRUE;
      break;
    case WM_DROPFILES:
      HandleDrop(reinterpret_cast<HDROP>(wParam));
      return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
    case WM_MOUSEMOVE:
      HandleMouse(message, wParam, lParam);
      if (!*alive) return 0;
      break;
    default:
      break;
  }
  result = CallDefault(window, message, wParam, lParam);
  if (!*alive || message == WM_DESTROY || message == WM_NCDESTROY) return result;
  if (message == WM_SETFOCUS) HandleFocus();
  if (*alive) AfterMessage(message);
  return result;
}

void Win32ControlPeer::WindowDestroyed(HWND window) {
  if (window != hwnd_) {
    std::erase(adopted_, window);
    return;
  }
  RemovePropA(window, kPeerProperty);
  RemoveWindowName(window);
  hwnd_ = nullptr;
}

void Win32ControlPeer::HandleMouse(UINT message, WPARAM wParam, LPARAM lParam) {
  const PixelScale& scale = backend_.Scale();
  int x = scale.ToTwips(GET_X_LPARAM(lParam));
  int y = scale.ToTwips(GET_Y_LPARAM(lParam));
  int shift = ShiftState();
  Control& control = control_;
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN: {
      int button = message == WM_LBUTTONDOWN ? kLeftButton : message == WM_RBUTTONDOWN ? kRightButton : kMiddleButton;
      Deliver([&control, button, shift, x, y] { control.MouseDown(button, shift, x, y); });
      break;
    }
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP: {
      int button = message == WM_LBUTTONUP ? kLeftButton : message == WM_RBUTTONUP ? kRightButton : kMiddleButton;
      Deliver([&control, button, shift, x, y] { control.MouseUp(button, shift, x, y); });
      break;
    }
    default: {
      int buttons = MouseButtons(wParam);
      Deliver([&control, buttons, shift, x, y] { control.MouseMove(buttons, shift, x, y); });
      break;
    }
  }
}

bool Win32ControlPeer::HandleKey(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  std::shared_ptr<bool> alive = alive_;
  Control& control = control_;
  result = 0;
  if (message == WM_CHAR) {
    int keyAscii = static_cast<int>(wParam & 0xFF);
    int typed = keyAscii;
    Deliver([&control, &keyAscii] { control.KeyPress(keyAscii); });
    if (!*alive || keyAscii == 0) return true;
    if (keyAscii == typed) return false;
    result = CallDefault(window, message, static_cast<WPARAM>(keyAscii & 0xFF), lParam);
    if (*alive) AfterMessage(message);
    return true;
  }
  int keyCode = static_cast<int>(wParam);
  int pressed = keyCode;
  int shift = ShiftState();
  if (message == WM_KEYDOWN) {
    Deliver([&control, &keyCode, shift] { control.KeyDown(keyCode, shift); });
  } else {
    Deliver([&control, &keyCode, shift] { control.KeyUp(keyCode, shift); });
  }
  if (!*alive || keyCode == 0) return true;
  return message == WM_KEYDOWN && ModelHandlesKey(pressed);
}

bool Win32ControlPeer::HandleShiftF10(WPARAM wParam) {
  int shift = ShiftState();
  if (wParam != VK_F10 || shift != kShiftMask) return false;
  int keyCode = kKeyF10;
  Control& control = control_;
  Deliver([&control, &keyCode, shift] { control.KeyDown(keyCode, shift); });
  return keyCode == 0;
}

void Win32ControlPeer::HandleFocus() {
  if (updating_ || !control_.IsShown() || !control_.IsEnabled() || control_.HasFocus()) return;
  Control& control = control_;
  Deliver([&control] { control.SetFocus(); });
}

bool Win32ControlPeer::HandleCursor(LPARAM lParam) {
  if (LOWORD(lParam) != HTCLIENT) return false;
  Pointer pointer = backend_.ScreenPointer() != Pointer::kDefault ? backend_.ScreenPointer() : control_.MousePointer();
  LPCSTR id = CursorId(pointer);
  if (id == nullptr) return false;
  SetCursor(LoadCursorA(nullptr, id));
  return true;
}

void Win32ControlPeer::HandleDrop(HDROP drop) {
  std::vector<std::string> paths;
  UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
  for (UINT i = 0; i < count; ++i) {
    UINT length = DragQueryFileA(drop, i, nullptr, 0);
    std::string path(length + 1, '\0');
    DragQueryFileA(drop, i, path.data(), length + 1);
    path.resize(length);
    paths.push_back(path);
  }
  DragFinish(drop);
  if (!control_.AcceptDrops()) return;
  Control& control = control_;
  Deliver([&control, paths] { control.Drop(paths); });
}

}  // namespace ui::win32
