#include "platform/fake/fake_system_info.h"

namespace platform::fake {

namespace {

std::optional<std::string> WithNul(const std::optional<std::string>& name) {
  if (!name) return std::nullopt;
  return *name + '\0';
}

}  // namespace

std::optional<std::string> FakeSystemInfo::UserNameWithNul() {
  return WithNul(userName);
}

std::optional<std::string> FakeSystemInfo::ComputerNameWithNul() {
  return WithNul(computerName);
}

}  // namespace platform::fake
