#pragma once

#include <string>

#include "ui/message_box.h"
#include "ui/win32/window_handler.h"

namespace ui::win32 {

class Win32Backend;

// The input box: a small dialog with the prompt, OK and Cancel on the right and a one-line
// box below, holding the default text selected. The back end runs the loop until Done.
// Its windows carry the names "InputBox", "InputBox.Text", "InputBox.OK" and
// "InputBox.Cancel" for automation.
class Win32InputBox : private WindowHandler {
 public:
  Win32InputBox(Win32Backend& backend, const InputBoxSpec& box, HWND owner);
  ~Win32InputBox() override;
  Win32InputBox(const Win32InputBox&) = delete;
  Win32InputBox& operator=(const Win32InputBox&) = delete;

  bool Done() const { return done_ || hwnd_ == nullptr; }
  // The text entered; "" when the user cancelled.
  const std::string& Result() const { return result_; }

 private:
  LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
  void WindowDestroyed(HWND window) override { hwnd_ = nullptr; }
  HWND AddChild(const char* className, const std::string& text, DWORD style, RECT bounds, int id, const char* name);
  void Finish(bool ok);

  Win32Backend& backend_;
  HWND hwnd_ = nullptr;
  HWND edit_ = nullptr;
  std::string result_;
  bool done_ = false;
};

}  // namespace ui::win32
