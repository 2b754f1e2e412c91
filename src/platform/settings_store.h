#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace platform {

// Per-user store of string values addressed by application, section and key. Names are
// compared without regard to case. On Windows: the registry under
// HKEY_CURRENT_USER\Software\VB and VBA Program Settings\<application>\<section>.
class SettingsStore {
 public:
  virtual ~SettingsStore() = default;

  // The stored value, or nothing when the key (or its section) does not exist.
  virtual std::optional<std::string> Read(const std::string& application, const std::string& section,
                                          const std::string& key) = 0;
  virtual void Write(const std::string& application, const std::string& section, const std::string& key,
                     const std::string& value) = 0;
  // Removes a section and every key in it; a missing section is no error.
  virtual void DeleteSection(const std::string& application, const std::string& section) = 0;
  virtual void DeleteKey(const std::string& application, const std::string& section, const std::string& key) = 0;
  // Every key and value of a section, in store order.
  virtual std::vector<std::pair<std::string, std::string>> ReadSection(const std::string& application,
                                                                       const std::string& section) = 0;

  // Read with a default for a missing key.
  std::string Get(const std::string& application, const std::string& section, const std::string& key,
                  const std::string& defaultValue);
};

}  // namespace platform
