#ifdef _WIN32

#include "platform/win32/win32_settings_store.h"

#include <gtest/gtest.h>

#include <cctype>
#include <optional>

#include "contract_env.h"
#include "platform/win32/win32_api.h"

namespace platform::win32 {
namespace {

std::string SectionKeyPath(const std::string& application, const std::string& section) {
  return "Software\\VB and VBA Program Settings\\" + application + "\\" + section;
}

// The REG_SZ value at HKEY_CURRENT_USER\<path>\<name>, or nothing.
std::optional<std::string> RawValue(const std::string& path, const std::string& name) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return std::nullopt;
  char data[256] = {};
  DWORD size = sizeof data;
  DWORD type = 0;
  LSTATUS status = RegQueryValueExA(key, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data), &size);
  RegCloseKey(key);
  if (status != ERROR_SUCCESS || type != REG_SZ) return std::nullopt;
  return std::string(data);
}

void WriteRawValue(const std::string& path, const std::string& name, DWORD type, const void* data, DWORD size) {
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr),
            ERROR_SUCCESS);
  EXPECT_EQ(RegSetValueExA(key, name.c_str(), 0, type, static_cast<const BYTE*>(data), size), ERROR_SUCCESS);
  RegCloseKey(key);
}

bool KeyExists(const std::string& path) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return false;
  RegCloseKey(key);
  return true;
}

class Win32SettingsStoreTest : public ::testing::Test {
 protected:
  std::unique_ptr<contract::Env> env_ = contract::MakeEnv();
  SettingsStore& settings_ = env_->Settings();
  std::string application_ = env_->SettingsApplication();
};

TEST_F(Win32SettingsStoreTest, WritesStringValuesUnderTheVbSettingsKey) {
  settings_.Write(application_, "Startup", "Version", "1.2.3");
  settings_.Write(application_, "Paths", "Application Path", "C:\\Program Files\\Tornavane\\");

  EXPECT_EQ(RawValue(SectionKeyPath(application_, "Startup"), "Version"), "1.2.3");
  EXPECT_EQ(RawValue(SectionKeyPath(application_, "Paths"), "Application Path"), "C:\\Program Files\\Tornavane\\");
}

TEST_F(Win32SettingsStoreTest, FindsValuesKeptThereByEarlierVersionsWhateverTheirCase) {
  const char value[] = "C:\\Jobs";
  WriteRawValue(SectionKeyPath(application_, "PATHS"), "LastDir", REG_SZ, value, sizeof value);

  std::string otherCase = application_;
  for (char& c : otherCase) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  EXPECT_EQ(settings_.Read(otherCase, "Paths", "LASTDIR"), "C:\\Jobs");
}

TEST_F(Win32SettingsStoreTest, ValuesThatAreNotTextAreNotSettings) {
  DWORD number = 7;
  WriteRawValue(SectionKeyPath(application_, "Startup"), "Counter", REG_DWORD, &number, sizeof number);
  const char text[] = "1";
  WriteRawValue(SectionKeyPath(application_, "Startup"), "TipsShow", REG_SZ, text, sizeof text);

  EXPECT_EQ(settings_.Read(application_, "Startup", "Counter"), std::nullopt);
  using Values = std::vector<std::pair<std::string, std::string>>;
  EXPECT_EQ(settings_.ReadSection(application_, "Startup"), (Values{{"TipsShow", "1"}}));
}

TEST_F(Win32SettingsStoreTest, DeleteSectionRemovesTheSectionKeyOnly) {
  settings_.Write(application_, "Startup", "Version", "1.0.0");
  settings_.Write(application_, "UserTags", "TAG1", "North");

  settings_.DeleteSection(application_, "startup");

  EXPECT_FALSE(KeyExists(SectionKeyPath(application_, "Startup")));
  EXPECT_EQ(RawValue(SectionKeyPath(application_, "UserTags"), "TAG1"), "North");
}

}  // namespace
}  // namespace platform::win32

#endif  // _WIN32
