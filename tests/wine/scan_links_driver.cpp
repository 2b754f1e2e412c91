// Presses the main window's "+" (cmdAddAllSub) of a running Tornavane whose browser shows a
// folder tree, answers the "Scan Complete" message, then prints the message's text, whether
// the stop window still showed behind it, and every queue entry, one a line, and closes the
// main window. Exits non-zero when a window does not
// appear or go away in time.
//
//   scan_links_driver.exe "Tornavane v1.0.0"

#include <windows.h>

#include <string>

#include "driver_support.h"

namespace {

using namespace wine_driver;

constexpr Patience kPatience{60000, 50};

template <class Condition>
void WaitFor(const std::string& what, Condition condition) {
  WaitOrFail(kPatience, what, condition);
}

// The text of a message box (its static control carries the id 0xFFFF).
std::string MessageText(HWND box) {
  char buffer[1024] = {};
  GetDlgItemTextA(box, 0xFFFF, buffer, sizeof buffer);
  return buffer;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) Fail("usage: scan_links_driver.exe <main window caption>");
  const std::string caption = argv[1];
  HWND main = WaitForMain(kPatience, caption);
  WaitForInput(kPatience, main, "the main window");

  PostMessageA(Need(main, "cmdAddAllSub"), BM_CLICK, 0, 0);
  HWND box = nullptr;
  WaitFor("the scan's message", [&] { return (box = FindWindowA(nullptr, "Scan Complete")) != nullptr; });
  Report("message: " + MessageText(box));
  HWND stop = FindWindowA(nullptr, " Scanning...");
  Report(std::string("stop window behind it: ") + (stop != nullptr && IsWindowVisible(stop) ? "shown" : "hidden"));
  PostMessageA(box, WM_COMMAND, IDOK, 0);
  WaitFor("the message to go", [&] { return !IsWindow(box); });
  WaitFor("the main window to take input again", [&] { return IsWindowEnabled(main) != FALSE; });

  HWND queue = Need(main, "List1");
  auto count = static_cast<int>(SendMessageA(queue, LB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    // The list is a Unicode window; its texts are read as such and written in the code page.
    wchar_t wide[1024] = {};
    SendMessageW(queue, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(wide));
    char entry[2048] = {};
    WideCharToMultiByte(CP_ACP, 0, wide, -1, entry, sizeof entry, nullptr, nullptr);
    Report(std::string("entry: ") + entry);
  }

  PostMessageA(main, WM_CLOSE, 0, 0);
  WaitFor("the main window to close", [&] { return !IsWindow(main); });
  return 0;
}
