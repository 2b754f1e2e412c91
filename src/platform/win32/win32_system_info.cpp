#include "platform/win32/win32_system_info.h"

#include <cstring>

#include "platform/file_system.h"
#include "platform/win32/win32_api.h"
#include "platform/win32/win32_error.h"

#ifndef TV_VERSION_MAJOR
#error "The build passes the program version as TV_VERSION_MAJOR, TV_VERSION_MINOR and TV_VERSION_PATCH"
#endif

namespace platform::win32 {

namespace {

constexpr DWORD kNameBufferSize = 512;

static_assert(sizeof(OSVERSIONINFOA) == 148, "GetVersionExA takes the 148-byte record");

// The name a GetUserNameA-like call writes into a 512-character buffer, with its NUL.
template <typename Call>
std::optional<std::string> NameWithNul(Call call) {
  char buffer[kNameBufferSize] = {};
  DWORD size = kNameBufferSize;
  if (!call(buffer, &size)) return std::nullopt;
  return std::string(buffer, strnlen(buffer, kNameBufferSize - 1) + 1);
}

}  // namespace

std::optional<std::string> Win32SystemInfo::UserNameWithNul() {
  return NameWithNul([](char* buffer, DWORD* size) { return GetUserNameA(buffer, size); });
}

std::optional<std::string> Win32SystemInfo::ComputerNameWithNul() {
  return NameWithNul([](char* buffer, DWORD* size) { return GetComputerNameA(buffer, size); });
}

WindowsVersionInfo Win32SystemInfo::WindowsVersion() {
  OSVERSIONINFOA info{};
  info.dwOSVersionInfoSize = sizeof info;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  if (!GetVersionExA(&info)) ThrowLastError();
#pragma GCC diagnostic pop
  return {static_cast<int>(info.dwPlatformId), static_cast<int>(info.dwMajorVersion),
          static_cast<int>(info.dwMinorVersion)};
}

std::string Win32SystemInfo::ProgramFolder() {
  std::string path(MAX_PATH, '\0');
  for (;;) {
    DWORD length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) ThrowLastError();
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);
  }
  std::size_t slash = path.rfind('\\');
  if (slash == std::string::npos) return std::string();
  std::string folder = path.substr(0, slash);
  // The root of a drive keeps its backslash ("C:\"), as does the share of a network path.
  if (IsDriveRoot(folder)) folder += '\\';
  return folder;
}

ProgramVersion Win32SystemInfo::Version() {
  return {TV_VERSION_MAJOR, TV_VERSION_MINOR, TV_VERSION_PATCH};
}

}  // namespace platform::win32
