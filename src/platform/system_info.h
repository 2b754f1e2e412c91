#pragma once

#include <optional>
#include <string>

namespace platform {

struct WindowsVersionInfo {
  int platformId = 2;  // 0 Win32s, 1 Windows 95/98/ME, 2 NT family
  int major = 10;
  int minor = 0;
};

struct ProgramVersion {
  int major = 1;
  int minor = 0;
  int revision = 0;
};

class SystemInfo {
 public:
  virtual ~SystemInfo() = default;

  // The buffer GetUserNameA / GetComputerNameA fill: the name followed by its NUL.
  // Nothing when the call fails.
  virtual std::optional<std::string> UserNameWithNul() = 0;
  virtual std::optional<std::string> ComputerNameWithNul() = 0;
  virtual WindowsVersionInfo WindowsVersion() = 0;
  // The folder the program runs from, without a trailing backslash except at the root of a
  // drive ("C:\") or of a network share ("\\server\share\").
  virtual std::string ProgramFolder() = 0;
  virtual ProgramVersion Version() = 0;
};

}  // namespace platform
