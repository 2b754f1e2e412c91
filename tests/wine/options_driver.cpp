// Drives a running Tornavane's options dialog from outside, as the user would: waits for the
// main window (found by its caption), chooses Tools > Options (a WM_COMMAND with the entry's
// command id), edits boxes of the dialog (found by the "TornavaneName" property each window
// carries), then confirms with "&OK" or leaves by the close box, and closes the main window.
// Prints one line per step; exits non-zero when a window does not appear or go away in time.
//
//   options_driver.exe "Tornavane v1.0.0" <menu id> ok         edit, then "&OK"
//   options_driver.exe "Tornavane v1.0.0" <menu id> closebox   edit, then the close box

#include <windows.h>

#include <cstdlib>
#include <string>

#include "driver_support.h"

namespace {

using namespace wine_driver;

constexpr Patience kPatience{30000, 50};

template <class Condition>
void WaitFor(const std::string& what, Condition condition) {
  WaitOrFail(kPatience, what, condition);
}

void SetText(const std::string& name, const char* text) {
  SendMessageA(Need(name), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
  Report(name + " set");
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) Fail("usage: options_driver.exe <main window caption> <menu id> ok|closebox");
  const std::string caption = argv[1];
  const auto menuId = static_cast<WPARAM>(std::strtoul(argv[2], nullptr, 0));
  const std::string scenario = argv[3];

  HWND main = WaitForMain(kPatience, caption);
  WaitForInput(kPatience, main, "the main window");
  Report("main window shown");

  PostMessageA(main, WM_COMMAND, MAKEWPARAM(menuId, 0), 0);
  HWND dialog = nullptr;
  WaitFor("the options dialog", [&] { return (dialog = Find("frmOptions")) != nullptr && IsWindowVisible(dialog); });
  Report(std::string("options dialog shown, main window enabled: ") + (IsWindowEnabled(main) ? "yes" : "no"));

  if (scenario == "ok") {
    SetText("tbAutoCadEXE", "C:\\ACAD\\acad.exe");
    SetText("Text1", "C:\\ACAD\\SUPPORT\\tornavane.scr");
    SetText("tbDelay", "750");
    PostMessageA(Need("Command2"), BM_CLICK, 0, 0);
  } else {
    SetText("tbAutoCadEXE", "C:\\Other\\acad.exe");
    PostMessageA(dialog, WM_CLOSE, 0, 0);
  }
  WaitFor("the options dialog to go", [&] { return !IsWindow(dialog) || !IsWindowVisible(dialog); });
  WaitFor("the main window to take input again", [&] { return IsWindowEnabled(main) != FALSE; });
  Report("options dialog gone");

  PostMessageA(main, WM_CLOSE, 0, 0);
  WaitFor("the main window to close", [&] { return !IsWindow(main); });
  Report("main window closed");
  return 0;
}
