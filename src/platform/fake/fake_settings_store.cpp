#include "platform/fake/fake_settings_store.h"

#include <algorithm>

#include "runtime/text.h"

namespace platform::fake {

namespace {

using Entry = FakeSettingsStore::Entry;

bool InSection(const Entry& entry, const std::string& application, const std::string& section) {
  return runtime::EqualsNoCase(entry.application, application) && runtime::EqualsNoCase(entry.section, section);
}

bool IsKey(const Entry& entry, const std::string& application, const std::string& section, const std::string& key) {
  return InSection(entry, application, section) && runtime::EqualsNoCase(entry.key, key);
}

}  // namespace

std::optional<std::string> FakeSettingsStore::Read(const std::string& application, const std::string& section,
                                                   const std::string& key) {
  auto found = std::find_if(entries_.begin(), entries_.end(),
                            [&](const Entry& entry) { return IsKey(entry, application, section, key); });
  if (found == entries_.end()) return std::nullopt;
  return found->value;
}

void FakeSettingsStore::Write(const std::string& application, const std::string& section, const std::string& key,
                              const std::string& value) {
  Entry added{application, section, key, value};
  for (Entry& entry : entries_) {
    if (IsKey(entry, application, section, key)) {
      entry.value = value;
      return;
    }
    // A new key takes the spelling its application and section already have.
    if (runtime::EqualsNoCase(entry.application, application)) {
      added.application = entry.application;
      if (runtime::EqualsNoCase(entry.section, section)) added.section = entry.section;
    }
  }
  entries_.push_back(std::move(added));
}

void FakeSettingsStore::DeleteSection(const std::string& application, const std::string& section) {
  std::erase_if(entries_, [&](const Entry& entry) { return InSection(entry, application, section); });
}

void FakeSettingsStore::DeleteKey(const std::string& application, const std::string& section, const std::string& key) {
  std::erase_if(entries_, [&](const Entry& entry) { return IsKey(entry, application, section, key); });
}

std::vector<std::pair<std::string, std::string>> FakeSettingsStore::ReadSection(const std::string& application,
                                                                                const std::string& section) {
  std::vector<std::pair<std::string, std::string>> result;
  for (const Entry& entry : entries_) {
    if (InSection(entry, application, section)) result.emplace_back(entry.key, entry.value);
  }
  return result;
}

}  // namespace platform::fake
