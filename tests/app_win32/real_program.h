// The whole program on the real Win32 back end, and a helper that answers its message boxes,
// for the tests that walk its windows under Wine.

#pragma once

#include <atomic>
#include <thread>

#include "app/app.h"
#include "platform/win32/win32_services.h"
#include "ui/ui.h"
#include "ui/win32/win32_backend.h"

// After the program's headers: its macros (DeleteFile as DeleteFileA) would rename their members.
#include <windows.h>

namespace app_win32_test {

struct Program {
  platform::win32::Win32Services os;
  ui::win32::Win32Backend backend;
  ui::Context ctx{backend, os.services, ui::AppInfo{os.system.ProgramFolder(), "Tornavane for AutoCAD", "tornavane"}};
  app::App app{ctx};
};

// Answers each message box of the thread that made it with its default button while it lives,
// from a thread of its own: loading or closing a window may ask something (a missing DATA
// folder) that no one answers in a test.
class BoxAnswerer {
 public:
  BoxAnswerer() : thread_(GetCurrentThreadId()), watcher_([this] { Watch(); }) {}
  ~BoxAnswerer() {
    done_ = true;
    watcher_.join();
  }
  BoxAnswerer(const BoxAnswerer&) = delete;
  BoxAnswerer& operator=(const BoxAnswerer&) = delete;

 private:
  static BOOL CALLBACK Answer(HWND window, LPARAM) {
    char name[16] = {};
    GetClassNameA(window, name, sizeof name);
    if (lstrcmpA(name, "#32770") == 0 && IsWindowVisible(window)) {
      auto id = static_cast<WPARAM>(LOWORD(SendMessageA(window, DM_GETDEFID, 0, 0)));
      PostMessageA(window, WM_COMMAND, id != 0 ? id : IDOK, 0);
    }
    return TRUE;
  }
  void Watch() {
    while (!done_) {
      EnumThreadWindows(thread_, Answer, 0);
      Sleep(200);
    }
  }

  DWORD thread_;
  std::atomic<bool> done_{false};
  std::thread watcher_;
};

}  // namespace app_win32_test
