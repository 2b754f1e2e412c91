#ifdef _WIN32

#include <gtest/gtest.h>

#include "contract_env.h"

namespace platform::win32 {
namespace {

TEST(Win32SystemInfoTest, NamesEndWithTheirSingleNul) {
  auto env = contract::MakeEnv();
  for (const auto& name : {env->System().UserNameWithNul(), env->System().ComputerNameWithNul()}) {
    ASSERT_TRUE(name.has_value());
    ASSERT_GE(name->size(), 2u);
    EXPECT_EQ(name->back(), '\0');
    EXPECT_EQ(name->find('\0'), name->size() - 1) << *name;
    EXPECT_NE(name->front(), ' ');
  }
}

// Also run from the root of a drive by the Wine checks: there the folder is "X:\", never the
// bare "X:" (which names the drive's current folder, not its root).
TEST(Win32SystemInfoTest, ProgramFolderIsTheFolderOfTheRunningProgram) {
  auto env = contract::MakeEnv();
  std::string folder = env->System().ProgramFolder();
  ASSERT_GE(folder.size(), 3u) << folder;

  const bool driveRoot = folder.size() == 3 && folder[1] == ':' && folder[2] == '\\';
  EXPECT_EQ(folder.back() == '\\', driveRoot) << folder;
  const std::string exe = folder + (driveRoot ? "" : "\\") + "platform_tests.exe";
  EXPECT_TRUE(Exists(env->FileSystem(), exe)) << exe;
}

TEST(Win32SystemInfoTest, WindowsIsOfTheNtFamily) {
  auto env = contract::MakeEnv();
  WindowsVersionInfo version = env->System().WindowsVersion();

  EXPECT_EQ(version.platformId, 2);
  EXPECT_GE(version.major, 5);
}

}  // namespace
}  // namespace platform::win32

#endif  // _WIN32
