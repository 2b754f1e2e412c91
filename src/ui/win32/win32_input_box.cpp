#include "ui/win32/win32_input_box.h"

#include <algorithm>

#include "ui/win32/win32_backend.h"
#include "ui/win32/window_name.h"

namespace ui::win32 {

namespace {

// The layout in pixels at 96 DPI, as the classic input box has it.
constexpr int kClientWidth = 370;
constexpr int kMargin = 10;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 23;
constexpr int kEditHeight = 21;
constexpr int kMinPromptHeight = 64;

}  // namespace

Win32InputBox::Win32InputBox(Win32Backend& backend, const InputBoxSpec& box, HWND owner) : backend_(backend) {
  HFONT font = backend_.Gdi().DialogFont();
  int promptWidth = kClientWidth - 3 * kMargin - kButtonWidth;
  RECT text{0, 0, promptWidth, 0};
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, font);
  DrawTextA(dc, box.prompt.c_str(), -1, &text, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  int promptHeight = std::max<int>(kMinPromptHeight, text.bottom);
  int clientHeight = kMargin + promptHeight + kMargin + kEditHeight + kMargin;

  DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
  RECT frame{0, 0, kClientWidth, clientHeight};
  AdjustWindowRectEx(&frame, style, FALSE, WS_EX_DLGMODALFRAME);
  int width = frame.right - frame.left;
  int height = frame.bottom - frame.top;
  RECT work;
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  int left = work.left + (work.right - work.left - width) / 2;
  int top = work.top + (work.bottom - work.top - height) / 3;
  hwnd_ = CreateHandledWindow(WS_EX_DLGMODALFRAME, kDialogClass, box.title.c_str(), style,
                              RECT{left, top, left + width, top + height}, owner, nullptr, this);
  if (hwnd_ == nullptr) return;
  SetWindowName(hwnd_, "InputBox");
  int buttonLeft = kClientWidth - kMargin - kButtonWidth;
  AddChild("STATIC", box.prompt, SS_LEFT | SS_NOPREFIX,
           RECT{kMargin, kMargin, kMargin + promptWidth, kMargin + promptHeight}, -1, nullptr);
  AddChild("BUTTON", "OK", BS_DEFPUSHBUTTON | WS_TABSTOP | WS_GROUP,
           RECT{buttonLeft, kMargin, buttonLeft + kButtonWidth, kMargin + kButtonHeight}, IDOK, "InputBox.OK");
  AddChild("BUTTON", "Cancel", BS_PUSHBUTTON | WS_TABSTOP | WS_GROUP,
           RECT{buttonLeft, 2 * kMargin + kButtonHeight, buttonLeft + kButtonWidth, 2 * kMargin + 2 * kButtonHeight},
           IDCANCEL, "InputBox.Cancel");
  int editTop = clientHeight - kMargin - kEditHeight;
  edit_ = AddChild("EDIT", box.defaultText, ES_AUTOHSCROLL | WS_TABSTOP | WS_GROUP,
                   RECT{kMargin, editTop, kClientWidth - kMargin, editTop + kEditHeight}, 100, "InputBox.Text");
  SetWindowLongA(edit_, GWL_EXSTYLE, GetWindowLongA(edit_, GWL_EXSTYLE) | WS_EX_CLIENTEDGE);
  SetWindowPos(edit_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_FRAMECHANGED);
  ShowWindow(hwnd_, SW_SHOW);
  SetForegroundWindow(hwnd_);
  SetFocus(edit_);
  SendMessageA(edit_, EM_SETSEL, 0, -1);
}

Win32InputBox::~Win32InputBox() {
  if (hwnd_ == nullptr) return;
  HWND window = hwnd_;
  hwnd_ = nullptr;
  Unhook(window, true);
  EnumChildWindows(
      window,
      [](HWND child, LPARAM) -> BOOL {
        RemoveWindowName(child);
        return TRUE;
      },
      0);
  RemoveWindowName(window);
  DestroyWindow(window);
}

HWND Win32InputBox::AddChild(const char* className, const std::string& text, DWORD style, RECT bounds, int id,
                             const char* name) {
  HWND child = CreateWindowExA(0, className, text.c_str(), style | WS_CHILD | WS_VISIBLE, bounds.left, bounds.top,
                               bounds.right - bounds.left, bounds.bottom - bounds.top, hwnd_,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
  SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(backend_.Gdi().DialogFont()), FALSE);
  if (name != nullptr) SetWindowName(child, name);
  return child;
}

void Win32InputBox::Finish(bool ok) {
  if (ok) {
    int length = GetWindowTextLengthA(edit_);
    result_.assign(static_cast<std::size_t>(length) + 1, '\0');
    int got = GetWindowTextA(edit_, result_.data(), length + 1);
    result_.resize(static_cast<std::size_t>(std::max(got, 0)));
  }
  done_ = true;
  ShowWindow(hwnd_, SW_HIDE);
  PostMessageA(hwnd_, WM_NULL, 0, 0);  // wakes the loop when the button was pressed from another process
}

LRESULT Win32InputBox::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
        Finish(LOWORD(wParam) == IDOK);
        return 0;
      }
      break;
    case DM_GETDEFID:
      return MAKELRESULT(IDOK, DC_HASDEFID);
    case WM_CLOSE:
      Finish(false);
      return 0;
    case WM_CTLCOLORSTATIC:
      SetBkColor(reinterpret_cast<HDC>(wParam), GetSysColor(COLOR_BTNFACE));
      return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    default:
      break;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace ui::win32
