// Works a running Tornavane through its night run and its write-elsewhere dialog with real
// input (SendInput), as a user would. Prints one line per step; exits non-zero when a window
// does not appear or go away in time.
//
//   night_run_driver.exe <main caption> <seconds ahead> <batch script> <AutoCAD's record>
//
// 1. Tools > Night Run, the start time set a few seconds ahead (24-hour), Activate ticked;
//    the run button counts down; the window hides and AutoCAD's stand-in starts by itself.
// 2. The batch script is removed; Script > Create Batch Script in a Different Location, the
//    name "plot", Create/Save; the message names the file written, and OK closes it.
// 3. "&Create Batch Script": the batch script is written at its configured path again.
// 4. The main window is closed.

#include <windows.h>

#include <cstdio>
#include <string>

#include "driver_support.h"
#include "input_support.h"

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

// The file exists and no program holds it open any more (the build closed it).
bool FileComplete(const std::string& path) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  CloseHandle(file);
  return true;
}

// The time of day a number of seconds from now, as "HH:MM:SS".
std::string TimeAhead(int seconds) {
  FILETIME now;
  GetSystemTimeAsFileTime(&now);
  ULARGE_INTEGER value{{now.dwLowDateTime, now.dwHighDateTime}};
  value.QuadPart += static_cast<ULONGLONG>(seconds) * 10000000ULL;
  FILETIME ahead{value.LowPart, value.HighPart};
  FILETIME local;
  SYSTEMTIME time;
  FileTimeToLocalFileTime(&ahead, &local);
  FileTimeToSystemTime(&local, &time);
  char text[16];
  std::snprintf(text, sizeof text, "%02u:%02u:%02u", time.wHour, time.wMinute, time.wSecond);
  return text;
}

// The text of a message box's static control (its message).
std::string MessageText(HWND box) {
  std::string text;
  EnumChildWindows(
      box,
      [](HWND child, LPARAM data) {
        char cls[32] = {};
        GetClassNameA(child, cls, sizeof cls);
        std::string body = TextOf(child);
        if (std::string(cls) == "Static" && !body.empty()) *reinterpret_cast<std::string*>(data) = body;
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&text));
  return text;
}

void NightRun(HWND main, int secondsAhead, const std::string& record) {
  BringToFront(main, kPatience);
  PressKey('T', VK_MENU);
  PressKey('N');
  HWND night = WaitForForm(kPatience, "frmNightRun");
  Report("night run window shown: " + TextOf(night));
  ClickOn(Need(night, "tbRunTime"));
  PressKey(VK_END);
  PressKey(VK_HOME, VK_SHIFT);
  const std::string start = TimeAhead(secondsAhead);
  TypeText(start);
  ClickOn(Need(night, "chkActivate"));
  WaitFor("the night run to arm", [&] { return TextOf(night) == " Tornavane - Night Run - ACTIVATED"; });
  Report("armed");
  HWND run = Need(main, "cmdCreateAndRun");
  WaitFor("the countdown on the run button", [&] { return TextOf(run).rfind(" Batch Starts in 0:00:", 0) == 0; });
  Report(std::string("build buttons enabled while armed: ") +
         (IsWindowEnabled(run) || IsWindowEnabled(Need(main, "Command1_Compile")) ? "yes" : "no"));
  WaitFor("AutoCAD's stand-in to record its command line", [&] { return FileExists(record); });
  Report("AutoCAD started");
  WaitFor("the night run window to hide", [&] { return !IsWindowVisible(night); });
  WaitFor("the run button's caption", [&] { return TextOf(run) == "Create && &RUN Batch Script"; });
  Report("night run window hidden, run button restored");
}

// Opens the Script menu with its access key and goes up from the bottom to the entry (two
// entries of the menu share the access key C). Up twice lands on the entry above the last
// one whether the menu opened with its first entry highlighted or with none.
void ChooseCreateElsewhere(HWND main) {
  BringToFront(main, kPatience);
  PressKey('S', VK_MENU);
  PressKey(VK_UP);
  PressKey(VK_UP);
  PressKey(VK_RETURN);
}

void WriteElsewhere(HWND main) {
  ChooseCreateElsewhere(main);
  HWND dialog = WaitForForm(kPatience, "frmWriteScriptToLoc");
  Report("dialog shown: " + TextOf(dialog));
  ClickOn(Need(dialog, "tbFileName"));
  TypeText("plot");
  ClickOn(Need(dialog, "cmdCreate"));
  HWND box = nullptr;
  WaitFor("the message", [&] { return (box = FindWindowA(nullptr, " Script Written")) != nullptr; });
  Report("message: " + MessageText(box));
  BringToFront(box, kPatience);
  PressKey(VK_RETURN);
  WaitFor("the message to close", [&] { return !IsWindow(box); });
  WaitForInput(kPatience, main, "the main window");
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 5) Fail("usage: night_run_driver.exe <caption> <seconds ahead> <script> <record>");
  const std::string caption = argv[1];
  const int secondsAhead = std::atoi(argv[2]);
  const std::string script = argv[3];
  const std::string record = argv[4];

  HWND main = WaitForMain(kPatience, caption);
  WaitForInput(kPatience, main, "the main window");
  Report("main window shown");

  NightRun(main, secondsAhead, record);
  WaitFor("the night run's batch script", [&] { return FileComplete(script); });
  if (!DeleteFileA(script.c_str())) Fail("could not remove " + script);

  WriteElsewhere(main);
  Report(std::string("batch script at the configured path after the dialog: ") + (FileExists(script) ? "yes" : "no"));

  ClickOn(Need(main, "Command1_Compile"));
  WaitFor("the plain build's batch script", [&] { return FileComplete(script); });
  Report("plain build wrote the configured path");

  PostMessageA(main, WM_CLOSE, 0, 0);
  WaitFor("the main window to close", [&] { return !IsWindow(main); });
  Report("main window closed");
  return 0;
}
