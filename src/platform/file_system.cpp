#include "platform/file_system.h"

#include "runtime/error.h"

namespace platform {

namespace {

void WriteAndClose(FileSystem& fs, const std::string& path, std::string_view bytes, bool append) {
  auto file = fs.OpenForWrite(path, append);
  file->Write(bytes);
  file->Close();
}

}  // namespace

void WriteWholeFile(FileSystem& fs, const std::string& path, std::string_view bytes) {
  WriteAndClose(fs, path, bytes, false);
}

void AppendToFile(FileSystem& fs, const std::string& path, std::string_view bytes) {
  WriteAndClose(fs, path, bytes, true);
}

bool Exists(FileSystem& fs, const std::string& path) {
  try {
    fs.GetAttributes(path);
    return true;
  } catch (const runtime::Error&) {
    return false;
  }
}

}  // namespace platform
