// Closes a running Tornavane from outside, as the user would: waits for the main window (found
// by its caption), closes the tip of the day when it is open (found by the "TornavaneName"
// property its window carries), then closes the main window. Prints one line per step and
// exits non-zero when a window does not appear or go away in time.
//
//   startup_driver.exe "Tornavane v1.0.0" tip     the tip of the day must open, then close both
//   startup_driver.exe "Tornavane v1.0.0" notip   close the main window

#include <windows.h>

#include <string>

#include "driver_support.h"

namespace {

using namespace wine_driver;

constexpr Patience kPatience{30000, 50};

template <class Probe>
bool WaitFor(Probe probe) {
  return Poll(kPatience, probe);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) Fail("usage: startup_driver.exe <main window caption> tip|notip");
  const std::string caption = argv[1];
  const bool expectTip = std::string(argv[2]) == "tip";
  HWND main = nullptr;
  if (!WaitFor([&] { return (main = FindWindowA(nullptr, caption.c_str())) != nullptr && IsWindowVisible(main); })) {
    Fail("the main window did not appear");
  }
  Report("main window shown: " + caption);

  // The tip of the day opens right after the main window when it is on.
  if (expectTip) {
    HWND tips = nullptr;
    if (!WaitFor([&] { return (tips = FindForm("frmTips")) != nullptr; })) Fail("no tip of the day");
    Report("tip of the day shown");
    PostMessageA(tips, WM_CLOSE, 0, 0);
    if (!WaitFor([&] { return !IsWindow(tips) || !IsWindowVisible(tips); })) Fail("the tip did not close");
  }
  if (!WaitFor([&] { return IsWindowEnabled(main) != FALSE; })) Fail("the main window stayed disabled");

  PostMessageA(main, WM_CLOSE, 0, 0);
  if (!WaitFor([&] { return !IsWindow(main); })) Fail("the main window did not close");
  Report("main window closed");
  return 0;
}
