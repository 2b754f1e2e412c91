#include "platform/win32/win32_output_file.h"

#include <algorithm>

#include "platform/win32/win32_api.h"
#include "platform/win32/win32_error.h"

namespace platform::win32 {

std::unique_ptr<Win32OutputFile> Win32OutputFile::Open(const std::string& path, bool append) {
  HANDLE handle = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                              append ? OPEN_ALWAYS : CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) ThrowLastError();
  if (append && SetFilePointer(handle, 0, nullptr, FILE_END) == INVALID_SET_FILE_POINTER &&
      GetLastError() != NO_ERROR) {
    runtime::Error error = LastError();
    CloseHandle(handle);
    throw error;
  }
  return std::unique_ptr<Win32OutputFile>(new Win32OutputFile(handle));
}

Win32OutputFile::~Win32OutputFile() {
  if (handle_) CloseHandle(handle_);
}

void Win32OutputFile::Write(std::string_view bytes) {
  if (!handle_) throw runtime::Error(runtime::kBadFileName);
  while (!bytes.empty()) {
    DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
    DWORD written = 0;
    if (!WriteFile(handle_, bytes.data(), chunk, &written, nullptr)) ThrowLastError();
    if (written == 0) throw runtime::Error(runtime::kDiskFull);
    bytes.remove_prefix(written);
  }
}

void Win32OutputFile::Close() {
  if (!handle_) return;
  HANDLE handle = handle_;
  handle_ = nullptr;
  // Devices such as NUL cannot be flushed; that is no failure of the written data.
  bool flushed = FlushFileBuffers(handle) || GetLastError() == ERROR_INVALID_FUNCTION;
  DWORD flushError = GetLastError();
  bool closed = CloseHandle(handle);
  if (!flushed) ThrowSystemError(flushError);
  if (!closed) ThrowLastError();
}

}  // namespace platform::win32
