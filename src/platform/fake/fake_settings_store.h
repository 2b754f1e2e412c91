#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/settings_store.h"

namespace platform::fake {

// An in-memory settings store. Application, section and key names are compared without
// regard to case and keep the spelling they were first written with, as the registry does.
class FakeSettingsStore : public SettingsStore {
 public:
  struct Entry {
    std::string application;
    std::string section;
    std::string key;
    std::string value;
    friend bool operator==(const Entry&, const Entry&) = default;
  };

  std::optional<std::string> Read(const std::string& application, const std::string& section,
                                  const std::string& key) override;
  void Write(const std::string& application, const std::string& section, const std::string& key,
             const std::string& value) override;
  void DeleteSection(const std::string& application, const std::string& section) override;
  void DeleteKey(const std::string& application, const std::string& section, const std::string& key) override;
  std::vector<std::pair<std::string, std::string>> ReadSection(const std::string& application,
                                                               const std::string& section) override;

  // Everything stored, in the order the keys were first written.
  const std::vector<Entry>& Entries() const { return entries_; }

 private:
  std::vector<Entry> entries_;
};

}  // namespace platform::fake
