// Works the drawing version tools of a running Tornavane with real clicks. Each argument is
// one step; the driver prints what it reads, one line each, and exits non-zero when a window
// does not appear or go away in time.
//
//   command:<id>                posts the menu command id to the main window
//   click:<form>/<control>      a left click in the middle of the control
//   box:<title>                 waits for the message box, prints "box: <text>", presses OK
//   list:<form>/<control>       prints "<form>/<control>: <entry>" for every entry of a list box
//   gone:<form>                 waits until the form is no longer shown
//   hold:<path>                 opens the file for writing, sharing only reading, as AutoCAD
//                               does with an open drawing, and keeps it open until the end
//   exists:<path>               waits until the file exists
//   close:<form>                posts the close box (WM_CLOSE) and waits until it is gone
//
//   dwg_versions_driver.exe "Tornavane v1.0.0" step...

#include <windows.h>

#include <cstdlib>
#include <string>

#include "driver_support.h"
#include "input_support.h"
#include "menu_support.h"

namespace {

using namespace wine_driver;

constexpr Patience kPatience{60000, 50};

HWND NeedControl(const std::string& path) {
  return Need(WaitForForm(kPatience, Before(path, '/')), After(path, '/'));
}

void Run(HWND main, const std::string& step) {
  const std::string verb = Before(step, ':');
  const std::string rest = After(step, ':');
  if (verb == "command") {
    WaitForInput(kPatience, main, "the main window");
    PostMessageA(main, WM_COMMAND, MAKEWPARAM(std::strtoul(rest.c_str(), nullptr, 0), 0), 0);
  } else if (verb == "click") {
    HWND control = NeedControl(rest);
    WaitOrFail(kPatience, rest + " enabled", [&] { return IsWindowEnabled(control) != FALSE; });
    BringToFront(GetAncestor(control, GA_ROOT), kPatience);
    ClickOn(control);
  } else if (verb == "box") {
    HWND box = WaitForBox(kPatience, rest);
    char text[2048] = {};
    GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
    Report("box: " + std::string(text));
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    WaitOrFail(kPatience, "the message box to go", [&] { return !IsWindow(box); });
  } else if (verb == "list") {
    HWND list = NeedControl(rest);
    const auto count = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) Report(rest + ": " + ListLine(list, i));
  } else if (verb == "gone") {
    WaitOrFail(kPatience, rest + " to go", [&] { return FindForm(rest) == nullptr; });
  } else if (verb == "hold") {
    HANDLE file = CreateFileA(rest.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) Fail("cannot open " + rest);
  } else if (verb == "exists") {
    WaitOrFail(kPatience, rest, [&] { return GetFileAttributesA(rest.c_str()) != INVALID_FILE_ATTRIBUTES; });
  } else if (verb == "close") {
    HWND form = rest == "frmMain" ? main : WaitForForm(kPatience, rest);
    PostMessageA(form, WM_CLOSE, 0, 0);
    WaitOrFail(kPatience, rest + " to close", [&] { return !IsWindow(form) || !IsWindowVisible(form); });
    return;
  } else {
    Fail("unknown step " + step);
  }
  if (verb != "box" && verb != "list") Report(step);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) Fail("usage: dwg_versions_driver.exe <main window caption> step...");
  HWND main = WaitForMain(kPatience, argv[1]);
  WaitForInput(kPatience, main, "the main window");
  for (int i = 2; i < argc; ++i) Run(main, argv[i]);
  return 0;
}
