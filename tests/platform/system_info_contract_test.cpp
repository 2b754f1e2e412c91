#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>

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

TEST_F(SystemInfoContract, WindowsIsOfTheNtFamily) {
  platform::WindowsVersionInfo version = system_.WindowsVersion();
  EXPECT_EQ(version.platformId, 2);
  EXPECT_GE(version.major, 5);
  EXPECT_GE(version.minor, 0);
}

}  // namespace
