#pragma once

#include "platform/settings_store.h"

namespace platform::win32 {

// Settings as REG_SZ values under
// HKEY_CURRENT_USER\Software\VB and VBA Program Settings\<application>\<section>.
class Win32SettingsStore : public SettingsStore {
 public:
  std::optional<std::string> Read(const std::string& application, const std::string& section,
                                  const std::string& key) override;
  void Write(const std::string& application, const std::string& section, const std::string& key,
             const std::string& value) override;
  void DeleteSection(const std::string& application, const std::string& section) override;
  void DeleteKey(const std::string& application, const std::string& section, const std::string& key) override;
  std::vector<std::pair<std::string, std::string>> ReadSection(const std::string& application,
                                                               const std::string& section) override;
};

// The registry key (below HKEY_CURRENT_USER) that holds an application's settings.
std::string ApplicationKeyPath(const std::string& application);

// Removes an application's key with all its sections; a missing key is no error.
void DeleteApplicationSettings(const std::string& application);

}  // namespace platform::win32
