#ifdef _WIN32

#include <memory>
#include <string>

#include "contract_env.h"
#include "platform/win32/win32_api.h"
#include "platform/win32/win32_error.h"
#include "platform/win32/win32_services.h"

namespace contract {

namespace {

// A name no other test run uses: the process id and a count.
std::string UniqueName(const std::string& prefix) {
  static int count = 0;
  return prefix + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++count);
}

std::string TempFolder() {
  char buffer[MAX_PATH + 1] = {};
  DWORD length = GetTempPathA(sizeof buffer, buffer);
  if (length == 0 || length > MAX_PATH) platform::win32::ThrowLastError();
  return std::string(buffer, length);  // ends with a backslash
}

// Removes a folder with everything in it, read-only entries included. Best effort: it runs
// when a test is over and must not throw.
void RemoveTree(const std::string& folder) {
  WIN32_FIND_DATAA data{};
  HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &data);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      std::string name = data.cFileName;
      if (name == "." || name == "..") continue;
      std::string path = folder + "\\" + name;
      SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
      if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveTree(path);
      } else {
        DeleteFileA(path.c_str());
      }
    } while (FindNextFileA(search, &data));
    FindClose(search);
  }
  SetFileAttributesA(folder.c_str(), FILE_ATTRIBUTE_NORMAL);
  RemoveDirectoryA(folder.c_str());
}

class Win32Env : public Env {
 public:
  Win32Env() : startFolder_(os_.fileSystem.CurrentFolder()) {}

  ~Win32Env() override {
    // A test may have made its folder current; a current folder cannot be removed.
    SetCurrentDirectoryA(startFolder_.c_str());
    if (!root_.empty()) RemoveTree(root_);
    if (!application_.empty()) {
      try {
        platform::win32::DeleteApplicationSettings(application_);
      } catch (const runtime::Error&) {
      }
    }
  }

  platform::FileSystem& FileSystem() override { return os_.fileSystem; }
  platform::SettingsStore& Settings() override { return os_.settings; }
  platform::Shell& Shell() override { return os_.shell; }
  platform::SystemInfo& System() override { return os_.system; }
  platform::Clipboard& Clipboard() override { return os_.clipboard; }
  platform::Clock& Clock() override { return os_.clock; }
  platform::Locale& Locale() override { return os_.locale; }

  std::string Root() override {
    if (root_.empty()) {
      std::string folder = TempFolder() + UniqueName("tornavane-contract-");
      os_.fileSystem.MakeFolder(folder);
      root_ = folder;
    }
    return root_;
  }

  std::string SettingsApplication() override {
    if (application_.empty()) application_ = UniqueName("TornavaneContract-");
    return application_;
  }

  std::shared_ptr<void> HoldOpen(const std::string& path) override {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) platform::win32::ThrowLastError();
    return std::shared_ptr<void>(file, [](HANDLE handle) { CloseHandle(handle); });
  }

 private:
  platform::win32::Win32Services os_;
  std::string startFolder_;
  std::string root_;
  std::string application_;
};

}  // namespace

std::unique_ptr<Env> MakeEnv() {
  return std::make_unique<Win32Env>();
}

}  // namespace contract

#endif  // _WIN32
