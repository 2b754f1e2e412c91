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

#include <cstdio>
#include <string>

namespace {

constexpr DWORD kWaitMs = 60000;
constexpr DWORD kPollMs = 50;

std::string NameOf(HWND window) {
  auto atom = static_cast<ATOM>(reinterpret_cast<ULONG_PTR>(GetPropA(window, "TornavaneName")));
  if (atom == 0) return "";
  char buffer[256] = {};
  UINT length = GlobalGetAtomNameA(atom, buffer, sizeof buffer);
  return std::string(buffer, length);
}

struct Search {
  std::string name;
  HWND found = nullptr;
};

BOOL CALLBACK MatchChild(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<Search*>(data);
  if (NameOf(window) != search->name) return TRUE;
  search->found = window;
  return FALSE;
}

BOOL CALLBACK MatchTop(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<Search*>(data);
  if (!IsWindowVisible(window) || NameOf(window) != search->name) return TRUE;
  search->found = window;
  return FALSE;
}

// A visible top-level window of the program, by its form's name.
HWND FindForm(const std::string& name) {
  Search search{name};
  EnumWindows(MatchTop, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// A control of one form, by its name (names repeat between forms).
HWND FindIn(HWND form, const std::string& name) {
  Search search{name};
  EnumChildWindows(form, MatchChild, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

[[noreturn]] void Fail(const std::string& what) {
  std::printf("FAILED: %s\n", what.c_str());
  std::fflush(stdout);
  std::exit(1);
}

void Report(const std::string& line) {
  std::printf("%s\n", line.c_str());
  std::fflush(stdout);
}

template <class Condition>
void WaitFor(const std::string& what, Condition condition) {
  for (DWORD waited = 0; waited < kWaitMs; waited += kPollMs) {
    if (condition()) return;
    Sleep(kPollMs);
  }
  Fail("timed out waiting for " + what);
}

HWND Need(HWND form, const std::string& name) {
  HWND control = FindIn(form, name);
  if (control == nullptr) Fail("no control named " + name);
  return control;
}

std::string TextOf(HWND window) {
  char buffer[1024] = {};
  SendMessageA(window, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer));
  return buffer;
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
  WaitFor("the main window to take input", [&] { return IsWindowEnabled(main) != FALSE; });
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 5) Fail("usage: build_run_driver.exe <caption> <script> <copy> <record>");
  const std::string caption = argv[1];
  const std::string script = argv[2];
  const std::string copy = argv[3];
  const std::string record = argv[4];

  HWND main = nullptr;
  WaitFor("the main window",
          [&] { return (main = FindWindowA(nullptr, caption.c_str())) != nullptr && IsWindowVisible(main); });
  WaitFor("the main window to take input", [&] { return IsWindowEnabled(main) != FALSE; });
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
