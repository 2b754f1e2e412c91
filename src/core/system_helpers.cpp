#include "core/system_helpers.h"

#include <array>
#include <optional>
#include <string_view>

#include "runtime/text.h"

namespace core {

namespace {

constexpr int kWin32s = 0;
constexpr int kWindows9x = 1;
constexpr int kWindowsNt = 2;

// The name buffer as the program reads it: blanks around the name and its NUL are dropped.
std::string NameWithNul(const std::optional<std::string>& buffer) {
  return buffer ? runtime::Trim(*buffer) : std::string();
}

template <std::size_t N>
std::string TextOf(const std::array<std::string_view, N>& texts, int code) {
  if (code < 0 || static_cast<std::size_t>(code) >= N) return "";
  return std::string(texts[static_cast<std::size_t>(code)]);
}

}  // namespace

std::string GetUserNameStr(platform::SystemInfo& system) {
  return NameWithNul(system.UserNameWithNul());
}

std::string GetComputerNameStr(platform::SystemInfo& system) {
  return NameWithNul(system.ComputerNameWithNul());
}

std::string GetUserNameClean(platform::SystemInfo& system) {
  std::string name = GetUserNameStr(system);
  if (!name.empty() && name.back() == '\0') name.pop_back();
  return name;
}

int GetWindowsPlatform(platform::SystemInfo& system) {
  return system.WindowsVersion().platformId;
}

int GetWindowsVersion(platform::SystemInfo& system) {
  return WindowsVersionCode(system.WindowsVersion());
}

int WindowsVersionCode(const platform::WindowsVersionInfo& version) {
  switch (version.platformId) {
    case kWin32s:
      return 0;
    case kWindows9x:
      if (version.minor == 0) return 1;
      if (version.minor == 10) return 2;
      if (version.minor == 90) return 3;
      return 0;
    case kWindowsNt:
      if (version.major < 5) return 4;
      if (version.major == 5 && version.minor == 0) return 5;
      if (version.major == 5 && version.minor == 1) return 6;
      return 0;
    default:
      return 0;
  }
}

std::string WindowsPlatformText(int platformCode) {
  static constexpr std::array<std::string_view, 3> kTexts = {"Windows 32", "Windows 95/98/ME", "Windows NT/2K"};
  return TextOf(kTexts, platformCode);
}

std::string WindowsVersionText(int versionCode) {
  static constexpr std::array<std::string_view, 7> kTexts = {"Windows 32", "Windows 95", "Windows 98", "Windows ME",
                                                             "Windows NT", "Windows 2K", "Windows XP"};
  return TextOf(kTexts, versionCode);
}

}  // namespace core
