#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/fake/fake_store.h"
#include "platform/file_system.h"
#include "runtime/date_time.h"

namespace platform::fake {

// An in-memory file system with the semantics of Windows and NTFS: drive letters and UNC
// shares, names compared without regard to case but kept as written, FindFirstFile
// wildcards, sharing and read-only rules, and the error numbers the Win32 implementation
// gives. Starts with an empty, ready drive C: (no label) whose root is the current folder.
// The test hooks below build the files a test needs and inject failures.
class FakeFileSystem : public FileSystem {
 public:
  FakeFileSystem();

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

  // Creates or overwrites a file, creating the folders above it. Ignores read-only,
  // sharing and capacity.
  void AddFile(const std::string& path, std::string_view bytes, std::uint32_t attributes = kAttrArchive);
  // Creates a folder and the folders above it.
  void AddFolder(const std::string& path, std::uint32_t attributes = kAttrNormal);
  // Creates a junction at path (its folder must exist) that leads to the existing folder
  // target: a search lists it as a folder with kAttrReparsePoint, and a search through it
  // lists the target's entries, so a junction to a folder above it makes a loop.
  void AddJunction(const std::string& path, const std::string& target);
  // Adds a drive ("D:"), or changes the label and readiness of one that exists.
  void AddDrive(const std::string& drive, const std::string& label, bool ready = true);
  // Makes a network share ("\\server\share") reachable.
  void AddShare(const std::string& share);
  void SetDriveReady(const std::string& drive, bool ready);
  // Limits the bytes of file contents a drive holds; a write that does not fit fails
  // with 61 and adds nothing.
  void SetCapacity(const std::string& drive, std::uint64_t bytes);
  void SetModified(const std::string& path, const runtime::DateTime& modified);
  // The time stamp files created or written from now on get.
  void SetNow(const runtime::DateTime& now);

  // Keeps an existing file open with sharing denied, as another program would, until the
  // returned handle is destroyed.
  [[nodiscard]] std::shared_ptr<void> HoldOpen(const std::string& path);
  // Makes an operation on path (the folder, for Find) fail with errorNumber until
  // ClearFailures.
  void FailOn(const std::string& path, int errorNumber, FakeOperation operation = FakeOperation::kAny);
  // The next Write (or Close) of any open file fails with errorNumber, once.
  void FailNextWrite(int errorNumber);
  void FailNextClose(int errorNumber);
  void ClearFailures();

  // For assertions; none of these fails on a missing drive or folder.
  bool Exists(const std::string& path);
  bool IsOpen(const std::string& path);
  // The bytes of a file; 53 when there is no such file.
  std::string Contents(const std::string& path);
  // Every folder (with a trailing "\") and file of every volume, in search order; the
  // volumes are written in upper case ("C:\", "\\SERVER\SHARE\").
  std::vector<std::string> AllPaths();

 private:
  FakeVolume& KnownVolume(const std::string& root);
  FakeNode& EnsureFolder(const FakePath& path);
  void MoveNode(const FakePath& from, const FakePath& to, bool replace);

  std::shared_ptr<FakeStore> store_;
};

}  // namespace platform::fake
