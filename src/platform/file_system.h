#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/date_time.h"

namespace platform {

// File attribute bits, with the values Windows gives them.
enum Attribute : std::uint32_t {
  kAttrNormal = 0,
  kAttrReadOnly = 1,
  kAttrHidden = 2,
  kAttrSystem = 4,
  kAttrDirectory = 16,
  kAttrArchive = 32,
  // A junction or symbolic link; a search reports it, so that scans need not follow it.
  kAttrReparsePoint = 1024,
};

// One name found by a directory search.
struct DirEntry {
  std::string name;  // without its folder
  std::uint32_t attributes = 0;
  std::uint64_t size = 0;
  runtime::DateTime modified;
};

struct DriveInfo {
  std::string root;   // "C:\" (letter upper case)
  std::string label;  // volume label, "" when none or not ready
  bool ready = true;
};

// A file opened for writing. Writes go straight through to the file; Close reports
// a failure of the final flush. The destructor closes quietly.
class OutputFile {
 public:
  virtual ~OutputFile() = default;
  virtual void Write(std::string_view bytes) = 0;
  virtual void Close() = 0;
};

// The file system, with Windows semantics in both implementations: drive letters, "\"
// separators, UNC paths, names compared without regard to case, Windows wildcards.
// Every failure throws runtime::Error with the program's error numbers (53 file not found,
// 76 path not found, 70 permission denied, 75 path/file access error, 58 file already
// exists, 61 disk full, 68/71 drive not ready, 52 bad file name).
class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // All entries whose name matches the last component of pattern ("*", "?" as Windows
  // FindFirstFile takes them) in the folder before it, in file-system order, every
  // attribute included, "." and ".." left out. A missing folder or no match gives an empty
  // list; a drive that is not ready or a malformed name throws. Entries that are junctions or
  // links carry kAttrReparsePoint (which GetAttributes leaves out).
  virtual std::vector<DirEntry> Find(const std::string& pattern) = 0;

  // Attributes of an existing file or folder; throws 53 (or 76) when it does not exist.
  virtual std::uint32_t GetAttributes(const std::string& path) = 0;
  virtual void SetAttributes(const std::string& path, std::uint32_t attributes) = 0;

  // Opens the file for reading with sharing denied to everyone and closes it again.
  // Throws when the open fails (70 held open by another program, 53 missing, ...).
  virtual void OpenExclusive(const std::string& path) = 0;

  // Whole contents of a file, byte for byte.
  virtual std::string ReadAll(const std::string& path) = 0;
  // Up to count bytes from offset: fewer at the end of the file, none past it, without an
  // error. Shares reading, writing and deleting, so a drawing another program has open for
  // writing stays readable; a file held with sharing denied is 70.
  virtual std::string ReadRange(const std::string& path, std::uint64_t offset, std::size_t count) = 0;
  // Creates or replaces (append false) or appends to (append true) a file.
  virtual std::unique_ptr<OutputFile> OpenForWrite(const std::string& path, bool append) = 0;

  virtual void DeleteFile(const std::string& path) = 0;
  // Renames or moves a file or folder; never replaces an existing target (58).
  virtual void Rename(const std::string& from, const std::string& to) = 0;
  // Moves a file over an existing (or missing) target in one step, so the target is either
  // the old file or the new one, never a partial copy. Used for safe rewrites of data files.
  virtual void ReplaceFile(const std::string& from, const std::string& to) = 0;
  virtual void CopyFile(const std::string& from, const std::string& to) = 0;
  virtual void MakeFolder(const std::string& path) = 0;
  virtual void RemoveFolder(const std::string& path) = 0;

  virtual std::vector<DriveInfo> Drives() = 0;
  virtual std::string CurrentFolder() = 0;
  virtual void SetCurrentFolder(const std::string& path) = 0;
};

// Convenience wrappers over FileSystem.
void WriteWholeFile(FileSystem& fs, const std::string& path, std::string_view bytes);
void AppendToFile(FileSystem& fs, const std::string& path, std::string_view bytes);
// True when the path names an existing file or folder (any attributes).
bool Exists(FileSystem& fs, const std::string& path);
// Whether a folder is the root of a drive: "C:" or "C:\", or the share of a network path,
// "\\server\share" with or without its backslash.
bool IsDriveRoot(std::string_view folder);

}  // namespace platform
