#pragma once

#include "platform/file_system.h"

namespace platform::win32 {

// The file system through the ANSI Win32 file functions.
class Win32FileSystem : public FileSystem {
 public:
  std::vector<DirEntry> Find(const std::string& pattern) override;
  std::uint32_t GetAttributes(const std::string& path) override;
  void SetAttributes(const std::string& path, std::uint32_t attributes) override;
  void OpenExclusive(const std::string& path) override;
  std::string ReadAll(const std::string& path) override;
  std::string ReadRange(const std::string& path, std::uint64_t offset, std::size_t count) override;
  std::unique_ptr<OutputFile> OpenForWrite(const std::string& path, bool append) override;
  void DeleteFile(const std::string& path) override;
  void Rename(const std::string& from, const std::string& to) override;
  void ReplaceFile(const std::string& from, const std::string& to) override;
  void CopyFile(const std::string& from, const std::string& to) override;
  void MakeFolder(const std::string& path) override;
  void RemoveFolder(const std::string& path) override;
  std::vector<DriveInfo> Drives() override;
  std::string CurrentFolder() override;
  void SetCurrentFolder(const std::string& path) override;
};

}  // namespace platform::win32
