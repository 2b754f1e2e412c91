#pragma once

#include <cstdint>

#include "runtime/error.h"

namespace platform::win32 {

// The program's error for the calling thread's last Win32 error (GetLastError).
runtime::Error LastError();

// Throws the program's error for a Win32 error code, such as a registry call returns.
[[noreturn]] void ThrowSystemError(std::uint32_t systemCode);

// Throws the program's error for the calling thread's last Win32 error.
[[noreturn]] void ThrowLastError();

}  // namespace platform::win32
