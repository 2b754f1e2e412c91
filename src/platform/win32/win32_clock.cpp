#include "platform/win32/win32_clock.h"

#include "platform/win32/win32_api.h"

namespace platform::win32 {

runtime::DateTime Win32Clock::Now() {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  return {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond};
}

std::int64_t Win32Clock::TickMilliseconds() {
  return static_cast<std::int64_t>(GetTickCount64());
}

}  // namespace platform::win32
