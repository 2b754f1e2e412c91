// Times the installed program and the two baseline probes from outside, as a user meets them.
// Each line it prints is "name value" for bench/wine/run_speed.sh to read.
//
//   speed_driver.exe process <program> [arguments...]
//       runs a program to its end; prints "process_ms N" (the whole process, start to exit)
//   speed_driver.exe program <folder> <caption> <queue count> build|nobuild
//       starts <folder>\tornavane.exe and waits until its main window shows "Queue = <count>"
//       ("start_ms"), reads the process's memory ("working_set_bytes", "private_bytes"), then,
//       with build, presses "&Create Batch Script" and waits for the notice ("build_ms");
//       then closes the program.

// psapi.h needs the types of windows.h before it.
// clang-format off
#include <windows.h>
#include <psapi.h>
// clang-format on

#include <string>

#include "../../tests/wine/driver_support.h"

namespace {

using namespace wine_driver;

constexpr Patience kStartPatience{600000, 5};

DWORD Since(DWORD start) {
  return GetTickCount() - start;
}

PROCESS_INFORMATION Start(const std::string& commandLine, const std::string& folder) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  std::string line = commandLine;
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr,
                      folder.empty() ? nullptr : folder.c_str(), &startup, &process)) {
    Fail("could not start " + commandLine);
  }
  return process;
}

std::string Quoted(const std::string& text) {
  return "\"" + text + "\"";
}

int RunProcess(int argc, char** argv) {
  std::string commandLine;
  for (int i = 2; i < argc; ++i) commandLine += (i > 2 ? " " : "") + Quoted(argv[i]);
  const DWORD start = GetTickCount();
  PROCESS_INFORMATION process = Start(commandLine, "");
  WaitForSingleObject(process.hProcess, INFINITE);
  Report("process_ms " + std::to_string(Since(start)));
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return 0;
}

void ReportMemory(HANDLE process) {
  PROCESS_MEMORY_COUNTERS_EX counters{};
  counters.cb = sizeof counters;
  if (!GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof counters)) {
    Fail("no memory figures for the program");
  }
  Report("working_set_bytes " + std::to_string(counters.WorkingSetSize));
  Report("private_bytes " + std::to_string(counters.PrivateUsage));
}

// Presses "&Create Batch Script" and waits for the notice the build shows at its end.
void Build(HWND main) {
  HWND button = Need(main, "Command1_Compile");
  WaitOrFail(kStartPatience, "the build button to be enabled", [&] { return IsWindowEnabled(button) != FALSE; });
  const DWORD start = GetTickCount();
  PostMessageA(button, BM_CLICK, 0, 0);
  HWND notice = nullptr;
  WaitOrFail(kStartPatience, "the notice", [&] { return (notice = FindForm("frmScrComplete")) != nullptr; });
  Report("build_ms " + std::to_string(Since(start)));
  PostMessageA(Need(notice, "Command1"), BM_CLICK, 0, 0);
  WaitOrFail(kStartPatience, "the notice to close", [&] { return !IsWindowVisible(notice); });
}

int RunProgram(char** argv) {
  const std::string folder = argv[2];
  const std::string caption = argv[3];
  const std::string queueText = "Queue = " + std::string(argv[4]);
  const bool build = std::string(argv[5]) == "build";

  const DWORD start = GetTickCount();
  PROCESS_INFORMATION process = Start(Quoted(folder + "\\tornavane.exe"), folder);
  HWND main = nullptr;
  HWND count = nullptr;
  WaitOrFail(kStartPatience, "the main window with " + queueText, [&] {
    if (main == nullptr) main = FindWindowA(nullptr, caption.c_str());
    if (main == nullptr || !IsWindowVisible(main)) return false;
    if (count == nullptr) count = FindIn(main, "lblFilesInQueue");
    return count != nullptr && TextOf(count) == queueText && IsWindowEnabled(main) != FALSE;
  });
  Report("start_ms " + std::to_string(Since(start)));
  ReportMemory(process.hProcess);

  if (build) Build(main);

  PostMessageA(main, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(process.hProcess, 120000) != WAIT_OBJECT_0) {
    TerminateProcess(process.hProcess, 1);
    Fail("the program did not end after its main window closed");
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string mode = argc > 1 ? argv[1] : "";
  if (mode == "process" && argc > 2) return RunProcess(argc, argv);
  if (mode == "program" && argc > 5) return RunProgram(argv);
  Fail("usage: speed_driver.exe process <program> [arguments...] | program <folder> <caption> <count> build|nobuild");
}
