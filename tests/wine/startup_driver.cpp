// Closes a running Tornavane from outside, as the user would: waits for the main window (found
// by its caption), closes the tip of the day when it is open (found by the "TornavaneName"
// property its window carries), then closes the main window. Prints one line per step and
// exits non-zero when a window does not appear or go away in time.
//
//   startup_driver.exe "Tornavane v1.0.0" tip     the tip of the day must open, then close both
//   startup_driver.exe "Tornavane v1.0.0" notip   close the main window

#include <windows.h>

#include <cstdio>
#include <string>

namespace {

constexpr DWORD kWaitMs = 30000;
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

BOOL CALLBACK MatchName(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<Search*>(data);
  if (!IsWindowVisible(window) || NameOf(window) != search->name) return TRUE;
  search->found = window;
  return FALSE;
}

HWND FindByName(const std::string& name) {
  Search search{name};
  EnumWindows(MatchName, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

template <class Probe>
bool WaitFor(Probe probe) {
  for (DWORD waited = 0; waited < kWaitMs; waited += kPollMs) {
    if (probe()) return true;
    Sleep(kPollMs);
  }
  return false;
}

int Fail(const char* what) {
  std::printf("FAILED: %s\n", what);
  std::fflush(stdout);
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) return Fail("usage: startup_driver.exe <main window caption> tip|notip");
  const std::string caption = argv[1];
  const bool expectTip = std::string(argv[2]) == "tip";
  HWND main = nullptr;
  if (!WaitFor([&] { return (main = FindWindowA(nullptr, caption.c_str())) != nullptr && IsWindowVisible(main); })) {
    return Fail("the main window did not appear");
  }
  std::printf("main window shown: %s\n", caption.c_str());

  // The tip of the day opens right after the main window when it is on.
  if (expectTip) {
    HWND tips = nullptr;
    if (!WaitFor([&] { return (tips = FindByName("frmTips")) != nullptr; })) return Fail("no tip of the day");
    std::printf("tip of the day shown\n");
    PostMessageA(tips, WM_CLOSE, 0, 0);
    if (!WaitFor([&] { return !IsWindow(tips) || !IsWindowVisible(tips); })) return Fail("the tip did not close");
  }
  if (!WaitFor([&] { return IsWindowEnabled(main) != FALSE; })) return Fail("the main window stayed disabled");

  PostMessageA(main, WM_CLOSE, 0, 0);
  if (!WaitFor([&] { return !IsWindow(main); })) return Fail("the main window did not close");
  std::printf("main window closed\n");
  std::fflush(stdout);
  return 0;
}
