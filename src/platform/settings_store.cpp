#include "platform/settings_store.h"

namespace platform {

std::string SettingsStore::Get(const std::string& application, const std::string& section, const std::string& key,
                               const std::string& defaultValue) {
  auto value = Read(application, section, key);
  return value ? *value : defaultValue;
}

}  // namespace platform
