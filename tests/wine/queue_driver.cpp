// Works the queue of a running Tornavane with real input (SendInput), as a user would: closes
// the tip of the day, clicks the second queue entry, opens the queue's pop-up menu with the
// right button and picks "S&kip Past Selected File" by its access key, answers the question
// with Enter (Yes is the default), then moves the new second entry up with Ctrl+Up, removes it
// with Delete and closes the main window. Prints one line per step; exits non-zero when a step
// does not show in time.
//
//   queue_driver.exe "Tornavane v1.0.0"

#include <windows.h>

#include <string>
#include <vector>

#include "driver_support.h"
#include "input_support.h"

namespace {

using namespace wine_driver;

constexpr Patience kPatience{30000, 50};

template <class Probe>
void Await(const std::string& what, Probe probe) {
  WaitOrFail(kPatience, what, probe);
}

int Count(HWND list) {
  return static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
}

int TextLength(HWND list, int index) {
  return static_cast<int>(SendMessageA(list, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0));
}

bool PopupShown() {
  HWND popup = FindWindowA("#32768", nullptr);
  return popup != nullptr && IsWindowVisible(popup);
}

// The message box the program shows, owned by its main window.
HWND MessageBoxOf(HWND main) {
  HWND box = FindWindowA("#32770", nullptr);
  return box != nullptr && IsWindowVisible(box) && GetWindow(box, GW_OWNER) == main ? box : nullptr;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) Fail("usage: queue_driver.exe <main window caption>");
  HWND main = WaitForMain(kPatience, argv[1]);
  HWND tips = nullptr;
  Await("the tip of the day", [&] { return (tips = FindForm("frmTips")) != nullptr; });
  PostMessageA(tips, WM_CLOSE, 0, 0);
  WaitForInput(kPatience, main, "the main window");
  SetForegroundWindow(main);
  HWND list = Need(main, "List1");
  if (Count(list) != 4) Fail("the queue holds " + std::to_string(Count(list)) + " entries, expected 4");
  Report("queue of 4 shown");

  ClickListItem(list, 1);
  ClickListItem(list, 1, true);
  Await("the pop-up menu", PopupShown);
  Report("pop-up menu shown");
  PressKey('K');
  HWND box = nullptr;
  Await("the skip question", [&] { return (box = MessageBoxOf(main)) != nullptr; });
  PressKey(VK_RETURN);
  Await("the skip", [&] { return Count(list) == 2; });
  Report("skipped past the second entry");

  ClickListItem(list, 1);
  PressKey(VK_UP, VK_CONTROL);
  // "D:\Other\X.dwg" (14 characters) was second and is now first.
  Await("Ctrl+Up", [&] { return TextLength(list, 0) == 14; });
  Report("Ctrl+Up moved the entry up");
  PressKey(VK_DELETE);
  Await("Delete", [&] { return Count(list) == 1; });
  Report("Delete removed it");

  PostMessageA(main, WM_CLOSE, 0, 0);
  Await("the main window to close", [&] { return !IsWindow(main); });
  Report("main window closed");
  return 0;
}
