// Works the file renamer of a running Tornavane with real input, as a user would: closes the
// tip of the day, holds the fourth queued drawing open without sharing (as another program
// would), opens "&File Renamer" with Ctrl+R, passes the duplicate count and the queue check
// (Continue), answers the warning with OK, chooses the "Replacer" page with the arrow key, replaces "plan" by
// "sheet", previews, finalises (the held file is reported locked), closes the renamer,
// releases the file and closes the main window. Prints one line per step; exits non-zero
// when a step does not show in time or shows the wrong thing.
//
//   renamer_driver.exe "Tornavane v1.0.0" <held drawing>

#include <windows.h>

#include <string>
#include <vector>

#include "driver_support.h"
#include "input_support.h"

namespace {

using namespace wine_driver;

constexpr Patience kPatience{30000, 50};
// TCM_GETCURSEL of the common controls (TCM_FIRST + 11).
constexpr UINT kTabGetCurSel = 0x1300 + 11;

template <class Probe>
void Await(const std::string& what, Probe probe) {
  WaitOrFail(kPatience, what, probe);
}

// The message box the program shows.
HWND ShownMessageBox() {
  HWND box = FindWindowA("#32770", nullptr);
  return box != nullptr && IsWindowVisible(box) ? box : nullptr;
}

BOOL CALLBACK CollectText(HWND child, LPARAM data) {
  char className[32] = {};
  GetClassNameA(child, className, sizeof className);
  if (std::string(className) == "Static") *reinterpret_cast<std::string*>(data) += TextOf(child);
  return TRUE;
}

// Waits for a message box, checks that its text holds what, and presses the button.
void Answer(const std::string& what, int button) {
  HWND box = nullptr;
  Await("the message \"" + what + "\"", [&] { return (box = ShownMessageBox()) != nullptr; });
  std::string text;
  EnumChildWindows(box, CollectText, reinterpret_cast<LPARAM>(&text));
  if (text.find(what) == std::string::npos) Fail("the message box says: " + text);
  HWND press = GetDlgItem(box, button);
  if (press == nullptr) Fail("the message box has no such button");
  SendMessageA(press, BM_CLICK, 0, 0);
  Await("the message box to close", [&] { return !IsWindow(box); });
  Report("answered \"" + what + "\"");
}

void TypeInto(HWND box, const std::string& text) {
  ClickToFocus(box, kPatience);
  TypeText(text);
  if (!Poll(kPatience, [&] { return TextOf(box) == text; })) Fail("the box reads \"" + TextOf(box) + "\"");
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) Fail("usage: renamer_driver.exe <main window caption> <held drawing>");
  HWND main = WaitForMain(kPatience, argv[1]);
  HWND tips = nullptr;
  Await("the tip of the day", [&] { return (tips = FindForm("frmTips")) != nullptr; });
  PostMessageA(tips, WM_CLOSE, 0, 0);
  WaitForInput(kPatience, main, "the main window");

  HANDLE held = CreateFileA(argv[2], GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (held == INVALID_HANDLE_VALUE) Fail(std::string("cannot hold ") + argv[2] + " open");
  Report("fourth drawing held open");

  BringToFront(main, kPatience);
  PressKey('R', VK_CONTROL);
  Answer("Duplicate Items Removed", IDOK);
  HWND report = WaitForForm(kPatience, "frmFileErrorReport");
  PostMessageA(Need(report, "cmdContinue"), BM_CLICK, 0, 0);
  Report("queue check passed with Continue");
  Answer("The Renamer function must be used with care!!", IDOK);

  HWND renamer = WaitForForm(kPatience, "frmFileRenamer");
  BringToFront(renamer, kPatience);
  HWND source = Need(renamer, "lstSource");
  if (ListCount(source) != 4) Fail("the renamer lists " + std::to_string(ListCount(source)) + " files, expected 4");
  Report("renamer shows 4 files");

  // The sixth tab, by the arrow key five times (a tab's rectangle cannot cross processes).
  HWND tabs = Need(renamer, "SSTab1");
  for (int step = 1; step <= 5; ++step) {
    SendMessageA(tabs, WM_KEYDOWN, VK_RIGHT, 0);
    Await("tab " + std::to_string(step), [&] { return SendMessageA(tabs, kTabGetCurSel, 0, 0) == step; });
  }
  HWND find = Need(renamer, "tbReplace2Replace");
  Await("the Replacer page", [&] { return IsWindowVisible(find) != FALSE; });
  TypeInto(find, "plan");
  TypeInto(Need(renamer, "tbReplace2ReplaceWith"), "sheet");
  ClickOn(Need(renamer, "cmdReplace2Preview"));
  HWND preview = Need(renamer, "lstDestination");
  Await("the preview", [&] { return ListCount(preview) == 4; });
  if (ListLine(preview, 0) != "sheet1.dwg") Fail("the preview's first line is " + ListLine(preview, 0));
  Report("preview shows sheet1.dwg");

  ClickOn(Need(renamer, "cmdDoIt"));
  Answer("was not able to be renamed due to the file being locked.", IDOK);
  Await("the renamed names", [&] { return ListLine(source, 0) == "sheet1.dwg"; });
  if (ListLine(source, 3) != "plan4.dwg") Fail("the held file's line reads " + ListLine(source, 3));
  Report("three renamed, the held one kept its name");

  PostMessageA(renamer, WM_CLOSE, 0, 0);
  Await("the renamer to close", [&] { return FindForm("frmFileRenamer") == nullptr; });
  CloseHandle(held);
  HWND queue = Need(main, "List1");
  if (ListCount(queue) != 4) Fail("the queue holds " + std::to_string(ListCount(queue)) + " entries, expected 4");
  Report("queue given back");

  PostMessageA(main, WM_CLOSE, 0, 0);
  Await("the main window to close", [&] { return !IsWindow(main); });
  Report("main window closed");
  return 0;
}
