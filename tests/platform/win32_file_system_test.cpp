#ifdef _WIN32

#include <gtest/gtest.h>

#include <functional>

#include "contract_env.h"
#include "platform/win32/win32_api.h"
#include "runtime/error.h"

namespace platform::win32 {
namespace {

class Win32FileSystemTest : public ::testing::Test {
 protected:
  std::string MakeFile(const std::string& name, const std::string& bytes) {
    std::string path = env_->Root() + "\\" + name;
    WriteWholeFile(fs_, path, bytes);
    return path;
  }

  std::unique_ptr<contract::Env> env_ = contract::MakeEnv();
  FileSystem& fs_ = env_->FileSystem();
};

int ErrorNumberOf(const std::function<void()>& call) {
  try {
    call();
  } catch (const runtime::Error& error) {
    return error.Number();
  }
  return 0;
}

TEST_F(Win32FileSystemTest, FileHeldOpenByAnotherProgramIsPermissionDenied) {
  std::string path = MakeFile("A12-101.dwg", "AC1027");
  auto hold = env_->HoldOpen(path);

  struct Case {
    const char* what;
    std::function<void()> call;
  };
  const Case cases[] = {
      {"open for writing", [&] { fs_.OpenForWrite(path, false); }},
      {"open for appending", [&] { fs_.OpenForWrite(path, true); }},
      {"open exclusively", [&] { fs_.OpenExclusive(path); }},
      {"read", [&] { fs_.ReadAll(path); }},
  };
  for (const auto& c : cases) EXPECT_EQ(ErrorNumberOf(c.call), runtime::kPermissionDenied) << c.what;

  hold.reset();
  EXPECT_EQ(ErrorNumberOf([&] { fs_.OpenExclusive(path); }), 0);
  EXPECT_EQ(fs_.ReadAll(path), "AC1027");
}

// A path longer than Windows takes is a bad file name, which the program reports as an
// invalid path, not as a failure of the file.
TEST_F(Win32FileSystemTest, APathTooLongForWindowsIsABadFileName) {
  const std::string deep = env_->Root() + "\\" + std::string(4980, 'x') + ".dwg";
  EXPECT_EQ(ErrorNumberOf([&] { (void)fs_.GetAttributes(deep); }), runtime::kBadFileName);
}

TEST_F(Win32FileSystemTest, HiddenOrSystemFileIsNotRecreatedButCanBeAppendedTo) {
  for (std::uint32_t attribute : {kAttrHidden, kAttrSystem}) {
    std::string path = MakeFile("state" + std::to_string(attribute) + ".dat", "one");
    fs_.SetAttributes(path, attribute);

    EXPECT_EQ(ErrorNumberOf([&] { fs_.OpenForWrite(path, false); }), runtime::kPathFileAccessError) << attribute;
    if (attribute == kAttrHidden) {
      std::string source = MakeFile("new.dat", "new");
      EXPECT_EQ(ErrorNumberOf([&] { fs_.CopyFile(source, path); }), runtime::kPathFileAccessError);
    }
    AppendToFile(fs_, path, "+two");
    EXPECT_EQ(fs_.ReadAll(path), "one+two") << attribute;
  }
}

TEST_F(Win32FileSystemTest, TheCurrentFolderCannotBeRemoved) {
  std::string folder = env_->Root() + "\\Work";
  fs_.MakeFolder(folder);
  fs_.SetCurrentFolder(folder);

  EXPECT_EQ(ErrorNumberOf([&] { fs_.RemoveFolder(folder); }), runtime::kPermissionDenied);
  EXPECT_TRUE(Exists(fs_, folder));
}

TEST_F(Win32FileSystemTest, ReportsTheLastWriteTimeAsLocalTime) {
  std::string path = MakeFile("Plan.dwg", "x");
  SYSTEMTIME local{};
  local.wYear = 2016;
  local.wMonth = 7;
  local.wDay = 14;
  local.wHour = 23;
  local.wMinute = 5;
  local.wSecond = 9;
  FILETIME localTime{};
  FILETIME utc{};
  ASSERT_TRUE(SystemTimeToFileTime(&local, &localTime));
  ASSERT_TRUE(LocalFileTimeToFileTime(&localTime, &utc));
  HANDLE file = CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  EXPECT_TRUE(SetFileTime(file, nullptr, nullptr, &utc));
  CloseHandle(file);

  auto entries = fs_.Find(path);

  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0].modified, (runtime::DateTime{2016, 7, 14, 23, 5, 9}));
}

TEST_F(Win32FileSystemTest, SetAttributesWritesThemToTheFileAndFolder) {
  std::string file = MakeFile("Notes.txt", "x");
  std::string folder = env_->Root() + "\\Old";
  fs_.MakeFolder(folder);
  constexpr DWORD kReadOnlyHidden = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN;

  fs_.SetAttributes(file, kAttrReadOnly | kAttrHidden);
  fs_.SetAttributes(folder, fs_.GetAttributes(folder) | kAttrHidden);

  EXPECT_EQ(GetFileAttributesA(file.c_str()) & kReadOnlyHidden, kReadOnlyHidden);
  EXPECT_TRUE(GetFileAttributesA(folder.c_str()) & FILE_ATTRIBUTE_HIDDEN);

  fs_.SetAttributes(file, kAttrNormal);
  EXPECT_EQ(GetFileAttributesA(file.c_str()) & kReadOnlyHidden, 0u);
}

TEST_F(Win32FileSystemTest, DrivesIncludeTheSystemDriveReady) {
  char windows[MAX_PATH] = {};
  ASSERT_GT(GetWindowsDirectoryA(windows, MAX_PATH), 2u);
  std::string systemRoot = std::string(windows, 3);
  systemRoot[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(systemRoot[0])));

  auto drives = fs_.Drives();

  auto found = std::find_if(drives.begin(), drives.end(), [&](const DriveInfo& d) { return d.root == systemRoot; });
  ASSERT_NE(found, drives.end()) << systemRoot;
  EXPECT_TRUE(found->ready);
}

}  // namespace
}  // namespace platform::win32

#endif  // _WIN32
