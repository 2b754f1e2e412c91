#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <set>
#include <string>
#include <utility>

#include "contract_env.h"

namespace {

class SystemInfoContract : public testing::Test {
 protected:
  std::unique_ptr<contract::Env> env_ = contract::MakeEnv();
  platform::SystemInfo& system_ = env_->System();
};

// The name, then exactly one NUL: callers drop the last character to get the name.
void ExpectNameWithOneNul(const std::optional<std::string>& buffer) {
  ASSERT_TRUE(buffer.has_value());
  ASSERT_GE(buffer->size(), 2u);
  EXPECT_EQ(buffer->back(), '\0');
  EXPECT_EQ(buffer->find('\0'), buffer->size() - 1);
  EXPECT_NE(buffer->front(), ' ');
}

TEST_F(SystemInfoContract, UserNameIsFollowedByOneNul) {
  ExpectNameWithOneNul(system_.UserNameWithNul());
}

TEST_F(SystemInfoContract, ComputerNameIsFollowedByOneNul) {
  ExpectNameWithOneNul(system_.ComputerNameWithNul());
}

TEST_F(SystemInfoContract, ProgramFolderIsAFullPathWithoutTrailingBackslash) {
  std::string folder = system_.ProgramFolder();
  ASSERT_GE(folder.size(), 3u);
  EXPECT_NE(folder.back(), '\\');
  bool drivePath = folder[1] == ':' && folder[2] == '\\';
  EXPECT_TRUE(drivePath || folder.starts_with("\\\\")) << folder;
}

// The version is one of the NT family's releases: 5.0 (2000) to 6.3 (8.1), or 10.0.
TEST_F(SystemInfoContract, WindowsIsOfTheNtFamily) {
  const std::set<std::pair<int, int>> releases{{5, 0}, {5, 1}, {5, 2}, {6, 0}, {6, 1}, {6, 2}, {6, 3}, {10, 0}};
  platform::WindowsVersionInfo version = system_.WindowsVersion();
  EXPECT_EQ(version.platformId, 2);
  EXPECT_TRUE(releases.contains({version.major, version.minor})) << version.major << "." << version.minor;
}

}  // namespace
