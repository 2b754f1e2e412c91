// Drives a running Tornavane from outside through its two build buttons, as the user would:
// finds the windows by the "TornavaneName" property each one carries and sends real button
// clicks. Prints one line per step; exits non-zero when a window does not appear or go away
// in time.
//
//   build_run_driver.exe <main caption> <batch script> <copy of the first script> <AutoCAD's record>
//
// 1. "&Create Batch Script", then "&OK" on the notice; the script written is copied aside.
// 2. "Create && &RUN Batch Script", then "&OK" on the notice; AutoCAD's stand-in must not have
//    started before that "&OK", and must start after it.
// 3. The main window is closed.

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

bool FileExists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void Press(HWND main, const std::string& button) {
  HWND control = Need(main, button);
  WaitFor(button + " to be enabled", [&] { return IsWindowEnabled(control) != FALSE; });
  PostMessageA(control, BM_CLICK, 0, 0);
  Report(button + " pressed");
}

// Waits for the notice, reports what it shows, and closes it with "&OK".
void CloseNotice(HWND main) {
  HWND notice = nullptr;
  WaitFor("the notice", [&] { return (notice = FindForm("frmScrComplete")) != nullptr; });
  Report("notice path: " + TextOf(Need(notice, "lblOutputPathAndFile")));
  Report("notice text: " + TextOf(Need(notice, "Label3")));
  Report(std::string("notice macro box shown: ") + (IsWindowVisible(Need(notice, "Text1")) ? "yes" : "no"));
  PostMessageA(Need(notice, "Command1"), BM_CLICK, 0, 0);
  WaitFor("the notice to close", [&] { return !IsWindowVisible(notice); });
  WaitForInput(kPatience, main, "the main window");
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 5) Fail("usage: build_run_driver.exe <caption> <script> <copy> <record>");
  const std::string caption = argv[1];
  const std::string script = argv[2];
  const std::string copy = argv[3];
  const std::string record = argv[4];

  HWND main = WaitForMain(kPatience, caption);
  WaitForInput(kPatience, main, "the main window");
  Report("main window shown");

  Press(main, "Command1_Compile");
  CloseNotice(main);
  if (!CopyFileA(script.c_str(), copy.c_str(), FALSE)) Fail("no batch script at " + script);
  Report("batch script written");

  Press(main, "cmdCreateAndRun");
  HWND notice = nullptr;
  WaitFor("the run notice", [&] { return (notice = FindForm("frmScrComplete")) != nullptr; });
  Report(std::string("AutoCAD started before OK: ") + (FileExists(record) ? "yes" : "no"));
  CloseNotice(main);
  WaitFor("AutoCAD's stand-in to record its command line", [&] { return FileExists(record); });
  Report("AutoCAD started");

  PostMessageA(main, WM_CLOSE, 0, 0);
  WaitFor("the main window to close", [&] { return !IsWindow(main); });
  Report("main window closed");
  return 0;
}
