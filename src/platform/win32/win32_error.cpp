#include "platform/win32/win32_error.h"

#include "platform/win32/win32_api.h"

namespace platform::win32 {

runtime::Error LastError() {
  return runtime::ErrorFromSystemCode(GetLastError());
}

void ThrowSystemError(std::uint32_t systemCode) {
  throw runtime::ErrorFromSystemCode(systemCode);
}

void ThrowLastError() {
  throw LastError();
}

}  // namespace platform::win32
