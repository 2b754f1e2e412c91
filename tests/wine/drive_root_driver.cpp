// Answers the program started from the root of a drive: waits for its "Ooops" message box,
// checks that the message is the root-folder one and that no main window was shown, and
// presses OK. Prints one line per step; exits non-zero when something is missing or wrong.
//
//   drive_root_driver.exe "Tornavane v1.0.0"

#include <windows.h>

#include <string>

#include "driver_support.h"

namespace {

using namespace wine_driver;

constexpr Patience kPatience{30000, 50};

BOOL CALLBACK CollectText(HWND child, LPARAM data) {
  char className[32] = {};
  GetClassNameA(child, className, sizeof className);
  if (std::string(className) == "Static") *reinterpret_cast<std::string*>(data) += TextOf(child);
  return TRUE;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) Fail("usage: drive_root_driver.exe <main window caption>");
  HWND box = nullptr;
  WaitOrFail(kPatience, "the \"Ooops\" message box", [&] {
    box = FindWindowA("#32770", "Ooops");
    return box != nullptr && IsWindowVisible(box);
  });
  std::string text;
  EnumChildWindows(box, CollectText, reinterpret_cast<LPARAM>(&text));
  if (text.find("You have attempted to launch Tornavane from the ROOT directory on a drive.") == std::string::npos) {
    Fail("the message box says: " + text);
  }
  Report("root-folder message shown");
  HWND main = FindWindowA(nullptr, argv[1]);
  if (main != nullptr && IsWindowVisible(main)) Fail("the main window is shown behind the message");
  HWND ok = GetDlgItem(box, IDOK);
  if (ok == nullptr) Fail("the message box has no OK button");
  SendMessageA(ok, BM_CLICK, 0, 0);
  WaitOrFail(kPatience, "the message box to close", [&] { return !IsWindow(box); });
  Report("message box closed");
  return 0;
}
