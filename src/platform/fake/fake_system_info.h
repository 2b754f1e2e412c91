#pragma once

#include <optional>
#include <string>

#include "platform/system_info.h"

namespace platform::fake {

// System information with fixed, settable answers. A name set to nothing makes its call fail.
class FakeSystemInfo : public SystemInfo {
 public:
  std::optional<std::string> UserNameWithNul() override;
  std::optional<std::string> ComputerNameWithNul() override;
  WindowsVersionInfo WindowsVersion() override { return windowsVersion; }
  std::string ProgramFolder() override { return programFolder; }
  ProgramVersion Version() override { return version; }

  // The names without their NUL; the calls add it.
  std::optional<std::string> userName = "drafter1";
  std::optional<std::string> computerName = "CADSTATION";
  WindowsVersionInfo windowsVersion{2, 10, 0};
  std::string programFolder = "C:\\Program Files\\Tornavane";
  ProgramVersion version{1, 0, 0};
};

}  // namespace platform::fake
