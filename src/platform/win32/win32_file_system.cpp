#include "platform/win32/win32_file_system.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <string_view>

#include "platform/find_pattern.h"
#include "platform/win32/win32_api.h"
#include "platform/win32/win32_error.h"
#include "platform/win32/win32_output_file.h"

namespace platform::win32 {

namespace {

// The attribute bits the program knows; Windows adds others (normal, not indexed, ...).
constexpr std::uint32_t kKnownAttributes = kAttrReadOnly | kAttrHidden | kAttrSystem | kAttrDirectory | kAttrArchive;

runtime::DateTime LocalDateTime(const FILETIME& utc) {
  FILETIME local{};
  SYSTEMTIME time{};
  if (!FileTimeToLocalFileTime(&utc, &local) || !FileTimeToSystemTime(&local, &time)) return {};
  return {time.wYear, time.wMonth, time.wDay, time.wHour, time.wMinute, time.wSecond};
}

DirEntry ToDirEntry(const WIN32_FIND_DATAA& data) {
  DirEntry entry;
  entry.name = data.cFileName;
  entry.attributes = data.dwFileAttributes & (kKnownAttributes | kAttrReparsePoint);
  entry.size = (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
  entry.modified = LocalDateTime(data.ftLastWriteTime);
  return entry;
}

bool IsDotEntry(const char* name) {
  return std::string_view(name) == "." || std::string_view(name) == "..";
}

// Closes a handle when it goes out of scope.
class HandleCloser {
 public:
  explicit HandleCloser(HANDLE handle) : handle_(handle) {}
  ~HandleCloser() { CloseHandle(handle_); }
  HandleCloser(const HandleCloser&) = delete;
  HandleCloser& operator=(const HandleCloser&) = delete;

 private:
  HANDLE handle_;
};

HANDLE OpenForReading(const std::string& path, DWORD share) {
  HANDLE handle =
      CreateFileA(path.c_str(), GENERIC_READ, share, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) ThrowLastError();
  return handle;
}

// Reads up to count bytes from the file's current position; fewer at the end of the file.
std::string ReadUpTo(HANDLE file, std::size_t count) {
  std::string bytes(count, '\0');
  std::size_t done = 0;
  while (done < count) {
    DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(count - done, 1u << 30));
    DWORD read = 0;
    if (!ReadFile(file, bytes.data() + done, chunk, &read, nullptr)) ThrowLastError();
    if (read == 0) break;
    done += read;
  }
  bytes.resize(done);
  return bytes;
}

// Runs a call with the "insert a disk" system dialog switched off, so an empty drive fails.
template <typename Call>
auto WithoutDriveDialogs(Call call) {
  DWORD previous = 0;
  SetThreadErrorMode(SEM_FAILCRITICALERRORS, &previous);
  auto result = call();
  DWORD code = GetLastError();
  SetThreadErrorMode(previous, nullptr);
  SetLastError(code);
  return result;
}

// Text from a call that fills a buffer and returns the text's length, or the size it needs
// when the buffer is too small (GetCurrentDirectoryA, GetLogicalDriveStringsA).
template <typename Call>
std::string ReadText(Call call) {
  std::string text(MAX_PATH, '\0');
  for (;;) {
    DWORD length = call(static_cast<DWORD>(text.size()), text.data());
    if (length == 0) ThrowLastError();
    bool fits = length < text.size();
    text.resize(length);
    if (fits) return text;
  }
}

DriveInfo ReadDrive(const char* root) {
  DriveInfo drive;
  drive.root = root;
  drive.root[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(drive.root[0])));
  char label[MAX_PATH + 1] = {};
  bool ok = WithoutDriveDialogs(
      [&] { return GetVolumeInformationA(root, label, sizeof label, nullptr, nullptr, nullptr, nullptr, 0) != 0; });
  if (ok) {
    drive.label = label;
  } else {
    drive.ready = GetLastError() != ERROR_NOT_READY;
  }
  return drive;
}

bool IsPresent(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Throws 75 when path is an existing file with any of the given attributes. Windows itself
// refuses to write over a read-only file, CreateFileA with CREATE_ALWAYS refuses a hidden or
// system file and CopyFileA a hidden one; Wine does not always, so the rules are checked here
// as well and the program meets the same refusals everywhere.
void RefuseFileWith(const std::string& path, DWORD refused) {
  DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) return;
  if (attributes & refused) throw runtime::Error(runtime::kPathFileAccessError);
}

}  // namespace

std::vector<DirEntry> Win32FileSystem::Find(const std::string& pattern) {
  WIN32_FIND_DATAA data{};
  HANDLE search = WithoutDriveDialogs([&] { return FindFirstFileA(pattern.c_str(), &data); });
  std::vector<DirEntry> entries;
  if (search == INVALID_HANDLE_VALUE) {
    DWORD code = GetLastError();
    if (code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND || code == ERROR_NO_MORE_FILES) return entries;
    ThrowSystemError(code);
  }
  // FindFirstFile also matches a pattern against each file's 8.3 short name, so "*.LST"
  // would find "plans.LSTX" as PLANS~1.LST; every long name is matched again. A plain name
  // is a lookup and keeps finding a file by either name.
  const bool wildcard = HasWildcard(pattern);
  const std::string_view mask = std::string_view(pattern).substr(pattern.find_last_of("\\/") + 1);
  do {
    if (IsDotEntry(data.cFileName)) continue;
    if (!wildcard || MatchesFindPattern(data.cFileName, mask)) entries.push_back(ToDirEntry(data));
  } while (FindNextFileA(search, &data));
  DWORD code = GetLastError();
  FindClose(search);
  if (code != ERROR_NO_MORE_FILES) ThrowSystemError(code);
  return entries;
}

std::uint32_t Win32FileSystem::GetAttributes(const std::string& path) {
  DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) ThrowLastError();
  return attributes & kKnownAttributes;
}

void Win32FileSystem::SetAttributes(const std::string& path, std::uint32_t attributes) {
  DWORD value = attributes & kKnownAttributes & ~kAttrDirectory;
  if (!SetFileAttributesA(path.c_str(), value == 0 ? FILE_ATTRIBUTE_NORMAL : value)) ThrowLastError();
}

void Win32FileSystem::OpenExclusive(const std::string& path) {
  CloseHandle(OpenForReading(path, 0));
}

std::string Win32FileSystem::ReadAll(const std::string& path) {
  HANDLE file = OpenForReading(path, FILE_SHARE_READ);
  HandleCloser closer(file);
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file, &size)) ThrowLastError();
  return ReadUpTo(file, static_cast<std::size_t>(size.QuadPart));
}

std::string Win32FileSystem::ReadRange(const std::string& path, std::uint64_t offset, std::size_t count) {
  HANDLE file = OpenForReading(path, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE);
  HandleCloser closer(file);
  LARGE_INTEGER start{};
  start.QuadPart = static_cast<LONGLONG>(offset);
  if (!SetFilePointerEx(file, start, nullptr, FILE_BEGIN)) ThrowLastError();
  return ReadUpTo(file, count);
}

std::unique_ptr<OutputFile> Win32FileSystem::OpenForWrite(const std::string& path, bool append) {
  DWORD refused = FILE_ATTRIBUTE_READONLY;
  if (!append) refused |= FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
  RefuseFileWith(path, refused);
  return Win32OutputFile::Open(path, append);
}

void Win32FileSystem::DeleteFile(const std::string& path) {
  if (!DeleteFileA(path.c_str())) ThrowLastError();
}

void Win32FileSystem::Rename(const std::string& from, const std::string& to) {
  if (!MoveFileA(from.c_str(), to.c_str())) ThrowLastError();
}

void Win32FileSystem::ReplaceFile(const std::string& from, const std::string& to) {
  if (IsPresent(from)) RefuseFileWith(to, FILE_ATTRIBUTE_READONLY);
  if (!MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) ThrowLastError();
}

void Win32FileSystem::CopyFile(const std::string& from, const std::string& to) {
  // CopyFileA refuses a hidden or read-only target.
  if (IsPresent(from)) RefuseFileWith(to, FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN);
  if (!CopyFileA(from.c_str(), to.c_str(), FALSE)) ThrowLastError();
}

void Win32FileSystem::MakeFolder(const std::string& path) {
  if (!CreateDirectoryA(path.c_str(), nullptr)) ThrowLastError();
}

void Win32FileSystem::RemoveFolder(const std::string& path) {
  if (!RemoveDirectoryA(path.c_str())) ThrowLastError();
}

std::vector<DriveInfo> Win32FileSystem::Drives() {
  std::string roots = ReadText([](DWORD size, char* buffer) { return GetLogicalDriveStringsA(size, buffer); });
  std::vector<DriveInfo> drives;
  for (const char* root = roots.c_str(); *root; root += std::strlen(root) + 1) drives.push_back(ReadDrive(root));
  return drives;
}

std::string Win32FileSystem::CurrentFolder() {
  return ReadText([](DWORD size, char* buffer) { return GetCurrentDirectoryA(size, buffer); });
}

void Win32FileSystem::SetCurrentFolder(const std::string& path) {
  if (!SetCurrentDirectoryA(path.c_str())) ThrowLastError();
}

}  // namespace platform::win32
