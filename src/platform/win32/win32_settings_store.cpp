#include "platform/win32/win32_settings_store.h"

#include <algorithm>
#include <utility>

#include "platform/win32/win32_api.h"
#include "platform/win32/win32_error.h"

namespace platform::win32 {

namespace {

constexpr const char* kSettingsRoot = "Software\\VB and VBA Program Settings\\";

// An open registry key below HKEY_CURRENT_USER, closed when it goes out of scope.
class RegistryKey {
 public:
  // Opens an existing key; an empty object when it does not exist.
  static RegistryKey Open(const std::string& path, REGSAM access) {
    HKEY key = nullptr;
    LSTATUS status = RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, access, &key);
    if (status == ERROR_FILE_NOT_FOUND) return RegistryKey(nullptr);
    if (status != ERROR_SUCCESS) ThrowSystemError(status);
    return RegistryKey(key);
  }

  // Opens a key, creating it and the keys above it when missing.
  static RegistryKey Create(const std::string& path, REGSAM access) {
    HKEY key = nullptr;
    LSTATUS status = RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, access, nullptr, &key, nullptr);
    if (status != ERROR_SUCCESS) ThrowSystemError(status);
    return RegistryKey(key);
  }

  RegistryKey(RegistryKey&& other) noexcept : key_(std::exchange(other.key_, nullptr)) {}
  RegistryKey& operator=(RegistryKey&&) = delete;
  ~RegistryKey() {
    if (key_) RegCloseKey(key_);
  }

  explicit operator bool() const { return key_ != nullptr; }
  HKEY Get() const { return key_; }

 private:
  explicit RegistryKey(HKEY key) : key_(key) {}

  HKEY key_;
};

std::string SectionPath(const std::string& application, const std::string& section) {
  if (section.empty()) throw runtime::Error(runtime::kInvalidProcedureCall);
  return ApplicationKeyPath(application) + "\\" + section;
}

bool IsText(DWORD type) {
  return type == REG_SZ || type == REG_EXPAND_SZ;
}

// A stored string up to its terminating NUL.
std::string TextOf(const std::string& data) {
  return data.substr(0, data.find('\0'));
}

std::optional<std::string> QueryText(HKEY key, const std::string& name) {
  std::string data(256, '\0');
  for (;;) {
    DWORD type = 0;
    DWORD size = static_cast<DWORD>(data.size());
    LSTATUS status = RegQueryValueExA(key, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size);
    if (status == ERROR_MORE_DATA) {
      data.resize(size);
      continue;
    }
    if (status == ERROR_FILE_NOT_FOUND) return std::nullopt;
    if (status != ERROR_SUCCESS) ThrowSystemError(status);
    if (!IsText(type)) return std::nullopt;
    data.resize(size);
    return TextOf(data);
  }
}

}  // namespace

std::string ApplicationKeyPath(const std::string& application) {
  if (application.empty()) throw runtime::Error(runtime::kInvalidProcedureCall);
  return kSettingsRoot + application;
}

void DeleteApplicationSettings(const std::string& application) {
  LSTATUS status = RegDeleteTreeA(HKEY_CURRENT_USER, ApplicationKeyPath(application).c_str());
  if (status != ERROR_SUCCESS && status != ERROR_FILE_NOT_FOUND) ThrowSystemError(status);
}

std::optional<std::string> Win32SettingsStore::Read(const std::string& application, const std::string& section,
                                                    const std::string& key) {
  RegistryKey sectionKey = RegistryKey::Open(SectionPath(application, section), KEY_QUERY_VALUE);
  if (!sectionKey) return std::nullopt;
  return QueryText(sectionKey.Get(), key);
}

void Win32SettingsStore::Write(const std::string& application, const std::string& section, const std::string& key,
                               const std::string& value) {
  RegistryKey sectionKey = RegistryKey::Create(SectionPath(application, section), KEY_SET_VALUE);
  LSTATUS status = RegSetValueExA(sectionKey.Get(), key.c_str(), 0, REG_SZ,
                                  reinterpret_cast<const BYTE*>(value.c_str()), static_cast<DWORD>(value.size() + 1));
  if (status != ERROR_SUCCESS) ThrowSystemError(status);
}

void Win32SettingsStore::DeleteSection(const std::string& application, const std::string& section) {
  LSTATUS status = RegDeleteTreeA(HKEY_CURRENT_USER, SectionPath(application, section).c_str());
  if (status != ERROR_SUCCESS && status != ERROR_FILE_NOT_FOUND) ThrowSystemError(status);
}

void Win32SettingsStore::DeleteKey(const std::string& application, const std::string& section, const std::string& key) {
  RegistryKey sectionKey = RegistryKey::Open(SectionPath(application, section), KEY_SET_VALUE);
  if (!sectionKey) return;
  LSTATUS status = RegDeleteValueA(sectionKey.Get(), key.c_str());
  if (status != ERROR_SUCCESS && status != ERROR_FILE_NOT_FOUND) ThrowSystemError(status);
}

std::vector<std::pair<std::string, std::string>> Win32SettingsStore::ReadSection(const std::string& application,
                                                                                 const std::string& section) {
  std::vector<std::pair<std::string, std::string>> values;
  RegistryKey sectionKey = RegistryKey::Open(SectionPath(application, section), KEY_QUERY_VALUE);
  if (!sectionKey) return values;
  DWORD longestName = 0;
  DWORD longestData = 0;
  LSTATUS status = RegQueryInfoKeyA(sectionKey.Get(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                    &longestName, &longestData, nullptr, nullptr);
  if (status != ERROR_SUCCESS) ThrowSystemError(status);
  std::string name(longestName + 1, '\0');
  std::string data(longestData + 1, '\0');
  for (DWORD index = 0;;) {
    DWORD nameSize = static_cast<DWORD>(name.size());
    DWORD dataSize = static_cast<DWORD>(data.size());
    DWORD type = 0;
    status = RegEnumValueA(sectionKey.Get(), index, name.data(), &nameSize, nullptr, &type,
                           reinterpret_cast<BYTE*>(data.data()), &dataSize);
    if (status == ERROR_NO_MORE_ITEMS) break;
    if (status == ERROR_MORE_DATA) {  // a value grew since the key was measured
      name.resize(name.size() * 2);
      data.resize(std::max<std::size_t>(data.size() * 2, dataSize));
      continue;
    }
    if (status != ERROR_SUCCESS) ThrowSystemError(status);
    if (IsText(type)) values.emplace_back(name.substr(0, nameSize), TextOf(data.substr(0, dataSize)));
    ++index;
  }
  return values;
}

}  // namespace platform::win32
