#pragma once

#include <string>

#include "platform/system_info.h"

namespace core {

// The logon user and computer names as Windows hands them over: the name followed by its NUL
// character; "" when the name cannot be had.
std::string GetUserNameStr(platform::SystemInfo& system);
std::string GetComputerNameStr(platform::SystemInfo& system);

// The logon user name without its NUL; "" when it cannot be had. Per-user file names and the
// "$USER$" tag use this form.
std::string GetUserNameClean(platform::SystemInfo& system);

// The platform code: 0 Win32s, 1 Windows 95/98/ME, 2 NT family.
int GetWindowsPlatform(platform::SystemInfo& system);
// The version code 0 to 6 (see WindowsVersionCode).
int GetWindowsVersion(platform::SystemInfo& system);

// 1 Windows 95, 2 Windows 98, 3 Windows ME, 4 Windows NT, 5 Windows 2000, 6 Windows XP;
// 0 for Win32s, every later Windows and anything unknown.
int WindowsVersionCode(const platform::WindowsVersionInfo& version);

// The texts the batch log records for the two codes; "" for any other code.
std::string WindowsPlatformText(int platformCode);
std::string WindowsVersionText(int versionCode);

}  // namespace core
