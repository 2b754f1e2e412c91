#pragma once

#include "platform/shell.h"

namespace platform::win32 {

// The Windows shell through ShellExecuteA, CreateProcessA and SHFileOperationA.
class Win32Shell : public Shell {
 public:
  std::intptr_t Execute(NativeWindow owner, const std::string& verb, const std::string& file,
                        const std::string& parameters, const std::string& folder, int showCommand) override;
  NativeWindow DesktopWindow() override;
  void StartProcess(const std::string& commandLine, int showCommand) override;
  int CopyFolder(const std::string& source, const std::string& destination) override;
};

}  // namespace platform::win32
