// Real input for the tests that run in the program's own process: key strokes and typed
// text sent into the system's input queue, and actions run from inside a nested message loop.

#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace ui::win32::test_support {

// A key code pressed (positive) or released (negative).
using Stroke = int;

// Sends key strokes and typed characters into the system's input queue, as a user's keyboard.
inline void SendStrokes(const std::vector<Stroke>& strokes) {
  std::vector<INPUT> inputs;
  for (Stroke stroke : strokes) {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = static_cast<WORD>(stroke < 0 ? -stroke : stroke);
    input.ki.dwFlags = stroke < 0 ? KEYEVENTF_KEYUP : 0;
    inputs.push_back(input);
  }
  ASSERT_EQ(SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)), inputs.size());
}

inline void SendText(const std::string& text) {
  std::vector<INPUT> inputs;
  for (char c : text) {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wScan = static_cast<unsigned char>(c);
    input.ki.dwFlags = KEYEVENTF_UNICODE;
    inputs.push_back(input);
    input.ki.dwFlags = KEYEVENTF_UNICODE | KEYEVENTF_KEYUP;
    inputs.push_back(input);
  }
  ASSERT_EQ(SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)), inputs.size());
}

// Runs an action from inside the next message loop that pumps this thread's messages: the
// loop of a modal form or of a message box the test is about to start.
class Later {
 public:
  Later() {
    WNDCLASSA kind = {};
    kind.lpfnWndProc = Proc;
    kind.hInstance = GetModuleHandleA(nullptr);
    kind.lpszClassName = "TornavaneTestLater";
    RegisterClassA(&kind);
    window_ = CreateWindowExA(0, kind.lpszClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, kind.hInstance, nullptr);
    SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  }
  ~Later() { DestroyWindow(window_); }
  Later(const Later&) = delete;
  Later& operator=(const Later&) = delete;

  void Run(std::function<void()> action) {
    action_ = std::move(action);
    PostMessageA(window_, WM_APP, 0, 0);
  }

 private:
  static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<Later*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (message != WM_APP || self == nullptr) return DefWindowProcA(window, message, wParam, lParam);
    std::function<void()> action = std::move(self->action_);
    if (action) action();
    return 0;
  }

  HWND window_ = nullptr;
  std::function<void()> action_;
};

}  // namespace ui::win32::test_support
