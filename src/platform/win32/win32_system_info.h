#pragma once

#include "platform/system_info.h"

namespace platform::win32 {

// Names, Windows version and program folder from the system; the program version from the build.
class Win32SystemInfo : public SystemInfo {
 public:
  std::optional<std::string> UserNameWithNul() override;
  std::optional<std::string> ComputerNameWithNul() override;
  WindowsVersionInfo WindowsVersion() override;
  std::string ProgramFolder() override;
  ProgramVersion Version() override;
};

}  // namespace platform::win32
