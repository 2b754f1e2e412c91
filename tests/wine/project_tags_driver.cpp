// Works a running Tornavane's project tag manager with real input, as a user would: waits for
// the main window, presses Ctrl+P, clicks into the project name, the associated path and the
// first value box and types into each, presses "&Save" and then "&Done", and closes the main
// window. Prints one line per step; exits non-zero when a step does not show in time.
//
//   project_tags_driver.exe "Tornavane v1.0.0"

#include <windows.h>

#include <string>

#include "driver_support.h"
#include "input_support.h"

namespace {

using namespace wine_driver;

constexpr Patience kPatience{30000, 50};

template <class Condition>
void WaitFor(const std::string& what, Condition condition) {
  WaitOrFail(kPatience, what, condition);
}

// Clicks into a box of the form and types the text; waits until the box shows it.
void TypeInto(HWND form, const std::string& name, const std::string& text) {
  HWND box = FindIn(form, name);
  if (box == nullptr) Fail("no " + name);
  ClickOn(box);
  WaitFor(name + " to take the focus", [&] { return GetFocus() == box || GetForegroundWindow() == form; });
  TypeText(text);
  WaitFor(name + " to show what was typed", [&] { return TextOf(box) == text; });
  Report(name + " typed");
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) Fail("usage: project_tags_driver.exe <main window caption>");
  HWND main = WaitForMain(kPatience, argv[1]);
  WaitForInput(kPatience, main, "the main window");
  BringToFront(main, kPatience);
  Report("main window shown");

  PressKey('P', VK_CONTROL);
  HWND manager = nullptr;
  WaitFor("the project tag manager", [&] { return (manager = FindForm("frmProjectTagManager")) != nullptr; });
  WaitForInput(kPatience, manager, "the project tag manager");
  Report("project tag manager shown, main window enabled: " + std::string(IsWindowEnabled(main) ? "yes" : "no"));

  TypeInto(manager, "tbProjectName", "JOB");
  TypeInto(manager, "tbPath", "C:\\JOBS\\*");
  TypeInto(manager, "tbPD1(0)", "ACME");

  HWND save = FindIn(manager, "cmdSave");
  if (save == nullptr || !IsWindowEnabled(save)) Fail("\"&Save\" is not enabled");
  ClickOn(save);
  HWND list = FindIn(manager, "ProjectList");
  WaitFor("the saved project in the list", [&] { return SendMessageA(list, LB_GETCOUNT, 0, 0) == 1; });
  Report("project saved and listed");

  ClickOn(FindIn(manager, "cmdClose"));
  WaitFor("the manager to hide", [&] { return !IsWindowVisible(manager); });
  WaitFor("the main window to take input again", [&] { return IsWindowEnabled(main) != FALSE; });
  Report("project tag manager done");

  PostMessageA(main, WM_CLOSE, 0, 0);
  WaitFor("the main window to close", [&] { return !IsWindow(main); });
  Report("main window closed");
  return 0;
}
