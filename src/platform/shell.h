#pragma once

#include <cstdint>
#include <string>

namespace platform {

// Opaque window handle for calls that take an owner window (0 = none).
using NativeWindow = std::uintptr_t;

// The Windows shell.
class Shell {
 public:
  virtual ~Shell() = default;

  // ShellExecuteA: verb "" is the default action. Returns the shell's result: above 32 on
  // success, otherwise its error code (2 file not found, 3 path not found, ...).
  virtual std::intptr_t Execute(NativeWindow owner, const std::string& verb, const std::string& file,
                                const std::string& parameters, const std::string& folder, int showCommand) = 0;

  // The desktop window (GetDesktopWindow), the owner of shell opens that belong to no window.
  virtual NativeWindow DesktopWindow() = 0;

  // Starts a command line directly as a new process (no shell). Throws runtime::Error 53
  // when the program cannot be found; does not wait for it.
  virtual void StartProcess(const std::string& commandLine, int showCommand) = 0;

  // Copies a folder with the shell's own progress window (SHFileOperationA, FO_COPY,
  // FOF_SIMPLEPROGRESS). Returns the shell's result code (0 = success).
  virtual int CopyFolder(const std::string& source, const std::string& destination) = 0;
};

}  // namespace platform
