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

TEST(Win32SystemInfoTest, ProgramFolderIsTheFolderOfTheRunningProgram) {
  auto env = contract::MakeEnv();
  std::string folder = env->System().ProgramFolder();

  EXPECT_NE(folder.back(), '\\');
  EXPECT_TRUE(Exists(env->FileSystem(), folder + "\\platform_tests.exe")) << folder;
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
