#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "platform/file_system.h"

namespace platform::win32 {

// A file opened for writing with CreateFileA; other programs may read it meanwhile.
class Win32OutputFile : public OutputFile {
 public:
  // Creates or truncates the file (append false), or opens or creates it and moves to
  // its end (append true).
  static std::unique_ptr<Win32OutputFile> Open(const std::string& path, bool append);

  ~Win32OutputFile() override;
  Win32OutputFile(const Win32OutputFile&) = delete;
  Win32OutputFile& operator=(const Win32OutputFile&) = delete;

  void Write(std::string_view bytes) override;
  void Close() override;

 private:
  explicit Win32OutputFile(void* handle) : handle_(handle) {}

  void* handle_;  // a Win32 HANDLE; null once closed
};

}  // namespace platform::win32
