#include "core/system_helpers.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/fake/fake_system_info.h"

namespace core {
namespace {

using namespace std::string_literals;

TEST(SystemHelpersTest, NamesCarryTheirNulUntilCleaned) {
  platform::fake::FakeSystemInfo system;
  system.userName = "drafter1";
  system.computerName = "CADSTATION";

  std::string withNul = GetUserNameStr(system);
  EXPECT_EQ(withNul, "drafter1\0"s);
  EXPECT_EQ(withNul.size(), 9u);
  EXPECT_EQ(GetUserNameClean(system), "drafter1");
  EXPECT_EQ(GetComputerNameStr(system), "CADSTATION\0"s);
}

TEST(SystemHelpersTest, BlanksAroundTheNameAreDroppedButNotInsideIt) {
  platform::fake::FakeSystemInfo system;
  system.userName = "  Anna Berg";
  EXPECT_EQ(GetUserNameStr(system), "Anna Berg\0"s);
  EXPECT_EQ(GetUserNameClean(system), "Anna Berg");
}

TEST(SystemHelpersTest, NameThatCannotBeHadIsEmpty) {
  platform::fake::FakeSystemInfo system;
  system.userName = std::nullopt;
  system.computerName = std::nullopt;
  EXPECT_EQ(GetUserNameStr(system), "");
  EXPECT_EQ(GetUserNameClean(system), "");
  EXPECT_EQ(GetComputerNameStr(system), "");
}

struct VersionCase {
  platform::WindowsVersionInfo info;
  int code;
  std::string platformText;
  std::string versionText;
};

TEST(SystemHelpersTest, WindowsVersionCodesAndTexts) {
  const std::vector<VersionCase> cases = {
      {{0, 3, 10}, 0, "Windows 32", "Windows 32"},
      {{1, 4, 0}, 1, "Windows 95/98/ME", "Windows 95"},
      {{1, 4, 10}, 2, "Windows 95/98/ME", "Windows 98"},
      {{1, 4, 90}, 3, "Windows 95/98/ME", "Windows ME"},
      {{1, 4, 3}, 0, "Windows 95/98/ME", "Windows 32"},
      {{2, 3, 51}, 4, "Windows NT/2K", "Windows NT"},
      {{2, 4, 0}, 4, "Windows NT/2K", "Windows NT"},
      {{2, 5, 0}, 5, "Windows NT/2K", "Windows 2K"},
      {{2, 5, 1}, 6, "Windows NT/2K", "Windows XP"},
      {{2, 5, 2}, 0, "Windows NT/2K", "Windows 32"},
      {{2, 6, 1}, 0, "Windows NT/2K", "Windows 32"},
      {{2, 10, 0}, 0, "Windows NT/2K", "Windows 32"},
      {{3, 10, 0}, 0, "", "Windows 32"},
  };
  for (const VersionCase& c : cases) {
    SCOPED_TRACE(std::to_string(c.info.platformId) + " " + std::to_string(c.info.major) + "." +
                 std::to_string(c.info.minor));
    platform::fake::FakeSystemInfo system;
    system.windowsVersion = c.info;
    EXPECT_EQ(GetWindowsVersion(system), c.code);
    EXPECT_EQ(GetWindowsPlatform(system), c.info.platformId);
    EXPECT_EQ(WindowsPlatformText(GetWindowsPlatform(system)), c.platformText);
    EXPECT_EQ(WindowsVersionText(c.code), c.versionText);
  }
}

TEST(SystemHelpersTest, UnknownCodesHaveNoText) {
  for (int code : {-1, 7, 99}) {
    EXPECT_EQ(WindowsVersionText(code), "") << code;
    EXPECT_EQ(WindowsPlatformText(code), "") << code;
  }
}

}  // namespace
}  // namespace core
