#include "ui/win32/window_handler.h"

#include <exception>

namespace ui::win32 {

namespace {

constexpr UINT_PTR kSubclassId = 0x546E;  // "Tn"

int depth = 0;
std::uint64_t handled = 0;

std::exception_ptr& Kept() {
  static std::exception_ptr kept;
  return kept;
}

LRESULT Handle(WindowHandler* handler, HWND window, UINT message, WPARAM wParam, LPARAM lParam,
               LRESULT (*fallback)(HWND, UINT, WPARAM, LPARAM)) {
  if (handler == nullptr) return fallback(window, message, wParam, lParam);
  ++handled;
  struct Depth {
    Depth() { ++depth; }
    ~Depth() { --depth; }
  } inside;
  try {
    LRESULT result = handler->HandleMessage(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) handler->WindowDestroyed(window);
    return result;
  } catch (...) {
    KeepCurrentException();
    return 0;
  }
}

LRESULT CALLBACK OwnClassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* handler = reinterpret_cast<WindowHandler*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (message == WM_NCDESTROY) SetWindowLongPtrA(window, GWLP_USERDATA, 0);
  return Handle(handler, window, message, wParam, lParam, DefWindowProcA);
}

LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR data) {
  if (message == WM_NCDESTROY) RemoveWindowSubclass(window, SubclassProc, id);
  return Handle(reinterpret_cast<WindowHandler*>(data), window, message, wParam, lParam, DefSubclassProc);
}

void Register(const char* name, UINT style, HBRUSH background) {
  WNDCLASSEXA wc = {};
  wc.cbSize = sizeof wc;
  wc.style = style;
  wc.lpfnWndProc = OwnClassProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  wc.hIcon = LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION));
  wc.hbrBackground = background;
  wc.lpszClassName = name;
  RegisterClassExA(&wc);
}

}  // namespace

void RegisterWindowClasses() {
  static bool done = false;
  if (done) return;
  done = true;
  Register(kFormClass, CS_DBLCLKS, nullptr);
  Register(kPanelClass, CS_DBLCLKS, nullptr);
  Register(kHelperClass, 0, nullptr);
  Register(kDialogClass, 0, GetSysColorBrush(COLOR_BTNFACE));
}

HWND CreateHandledWindow(DWORD exStyle, const char* className, const char* text, DWORD style, const RECT& bounds,
                         HWND parent, HMENU menuOrId, WindowHandler* handler) {
  RegisterWindowClasses();
  return CreateWindowExA(exStyle, className, text, style, bounds.left, bounds.top, bounds.right - bounds.left,
                         bounds.bottom - bounds.top, parent, menuOrId, GetModuleHandleA(nullptr), handler);
}

void HookWindow(HWND window, WindowHandler* handler) {
  SetWindowSubclass(window, SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(handler));
}

LRESULT DefaultProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return DefSubclassProc(window, message, wParam, lParam);
}

void Unhook(HWND window, bool ownClass) {
  if (ownClass) {
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
  } else {
    RemoveWindowSubclass(window, SubclassProc, kSubclassId);
  }
}

std::uint64_t MessagesHandled() {
  return handled;
}

void KeepCurrentException() {
  if (!Kept()) Kept() = std::current_exception();
}

void RethrowKeptException() {
  if (!Kept()) return;
  std::exception_ptr kept = Kept();
  Kept() = nullptr;
  std::rethrow_exception(kept);
}

bool HasKeptException() {
  return Kept() != nullptr;
}

bool InsideWindowProc() {
  return depth > 0;
}

}  // namespace ui::win32
