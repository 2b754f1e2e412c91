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

bool IsDriveRoot(std::string_view folder) {
  if (folder.ends_with('\\')) folder.remove_suffix(1);
  if (folder.size() == 2 && folder[1] == ':') return true;
  if (!folder.starts_with("\\\\") || folder.size() < 3) return false;
  std::size_t serverEnd = folder.find('\\', 2);
  return serverEnd != std::string_view::npos && serverEnd > 2 && serverEnd + 1 < folder.size() &&
         folder.find('\\', serverEnd + 1) == std::string_view::npos;
}

}  // namespace platform
