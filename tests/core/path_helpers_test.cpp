#include "core/path_helpers.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "runtime/error.h"

namespace core {
namespace {

constexpr const char* kSample = R"(C:\Jobs\A12\Sheets\A12-101.dwg)";

struct NameCase {
  std::string path;
  std::string folder;
  std::string fileName;
  std::string baseName;
  std::optional<std::string> driveLetter;
};

TEST(PathHelpersTest, TakesNamesApart) {
  const std::vector<NameCase> cases = {
      {kSample, R"(C:\Jobs\A12\Sheets\)", "A12-101.dwg", "A12-101", "C:"},
      {"", "", "", "", std::nullopt},
      {"A12-101.dwg", "", "A12-101.dwg", "A12-101", "A1"},
      {R"(C:\)", R"(C:\)", "", "", "C:"},
      {R"(C:\Jobs\)", R"(C:\Jobs\)", "", "", "C:"},
      {R"(C:\a.b)", R"(C:\)", "a.b", "", "C:"},
      {"C:/Jobs/A12.dwg", "", "C:/Jobs/A12.dwg", "C:/Jobs/A12", "C:"},
      {R"(\\server\share\A12.DWG)", R"(\\server\share\)", "A12.DWG", "A12", R"(\\)"},
      {R"(C:\Jobs\Plan.dxf)", R"(C:\Jobs\)", "Plan.dxf", "Plan", "C:"},
      {R"(C:\Jobs\Readme)", R"(C:\Jobs\)", "Readme", "Re", "C:"},
      {R"(C:\Jobs\Drawing.backup)", R"(C:\Jobs\)", "Drawing.backup", "Drawing.ba", "C:"},
      {R"(C:\Jobs\Plan)", R"(C:\Jobs\)", "Plan", "", "C:"},
      {"abcd", "", "abcd", "", "ab"},
      {"x", "", "x", "", "x"},
  };
  for (const NameCase& c : cases) {
    SCOPED_TRACE(c.path);
    EXPECT_EQ(GetFolder(c.path), c.folder);
    EXPECT_EQ(GetFileName(c.path), c.fileName);
    EXPECT_EQ(GetBaseName(c.path), c.baseName);
    EXPECT_EQ(GetDriveLetter(c.path), c.driveLetter);
  }
}

struct LevelCase {
  std::string path;
  std::int16_t n;
  std::string parent;
  std::string root;
};

TEST(PathHelpersTest, CountsFolderLevels) {
  const std::string sample = kSample;
  const std::vector<LevelCase> cases = {
      {sample, 0, R"(C:\Jobs\A12\Sheets\)", R"(C:\)"},
      {sample, 1, R"(C:\Jobs\A12\)", R"(C:\Jobs\)"},
      {sample, 2, R"(C:\Jobs\)", R"(C:\Jobs\A12\)"},
      {sample, 3, R"(C:\)", R"(C:\Jobs\A12\Sheets\)"},
      {sample, 4, R"(C:\)", sample},
      {sample, 9, R"(C:\)", sample},
      {sample, 99, R"(C:\)", sample},
      {"", 1, "", ""},
      {"A12-101.dwg", 0, "A12", "A12-101.dwg"},
      {"A12-101.dwg", 9, "A12", "A12-101.dwg"},
      {R"(C:\Jobs\)", 0, R"(C:\Jobs\)", R"(C:\)"},
      {R"(C:\Jobs\)", 1, R"(C:\)", R"(C:\Jobs\)"},
      {R"(C:\)", 99, R"(C:\)", R"(C:\)"},
      {R"(\\server\share\A12.dwg)", 0, R"(\\server\share\)", R"(\)"},
      {R"(\\server\share\A12.dwg)", 1, R"(\\server\)", R"(\\)"},
      {R"(\\server\share\A12.dwg)", 99, R"(\\s)", R"(\\server\share\A12.dwg)"},
      {"C:/Jobs/A12.dwg", 1, "C:/", "C:/Jobs/A12.dwg"},
      {sample, 32766, R"(C:\)", sample},
  };
  for (const LevelCase& c : cases) {
    SCOPED_TRACE(c.path + " n=" + std::to_string(c.n));
    EXPECT_EQ(GetParentPath(c.path, c.n), c.parent);
    EXPECT_EQ(GetRootPath(c.path, c.n), c.root);
  }
}

TEST(PathHelpersTest, LevelCountOverflowsAtTheLargestCount) {
  for (auto level : {GetParentPath, GetRootPath}) {
    try {
      level(kSample, 32767);
      ADD_FAILURE() << "expected an overflow";
    } catch (const runtime::Error& error) {
      EXPECT_EQ(error.Number(), runtime::kOverflow);
    }
  }
}

TEST(PathHelpersTest, DriveFolderOfABatchScriptLine) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {R"(C:\Out\A12.dwg)", R"(C:\Out\)"},
      {R"("C:\Out\A12.dwg")", R"(C:\Out\)"},
      {R"(_.SAVEAS 2018 "C:\Out\A12-101.dwg" Y)", R"(C:\Out\)"},
      {R"(open "D:\a:b\x.dwg")", R"(D:\a:b\)"},
      {R"(C:\)", R"(C:\)"},
      // No colon before the last backslash, or the colon first: no folder part.
      {R"(Out\A12.dwg)", ""},
      {R"(:\Out\A12.dwg)", ""},
      {"C:A12.dwg", ""},
      {R"(Out\x C:A12.dwg)", ""},
      {"", ""},
  };
  for (const auto& [line, folder] : cases) EXPECT_EQ(GetDriveFolder(line), folder) << line;
}

struct ShellCase {
  std::string path;
  std::string fileName;
  std::string folder;
  std::string extension;
};

TEST(PathHelpersTest, ShellPathFunctions) {
  const std::vector<ShellCase> cases = {
      {R"(C:\Jobs\A12-101.dwg)", "A12-101.dwg", R"(C:\Jobs)", ".dwg"},
      {R"(C:\A12-101.dwg)", "A12-101.dwg", R"(C:\)", ".dwg"},
      {"A12-101.dwg", "A12-101.dwg", "", ".dwg"},
      {R"(C:\Jobs.old\Readme)", "Readme", R"(C:\Jobs.old)", ""},
      {R"(C:\Jobs\A12.tar.gz)", "A12.tar.gz", R"(C:\Jobs)", ".gz"},
      {R"(C:\Jobs\)", R"(Jobs\)", R"(C:\Jobs)", ""},
      {R"(C:\)", R"(C:\)", R"(C:\)", ""},
      {R"(\\server\share\A12.dwg)", "A12.dwg", R"(\\server\share)", ".dwg"},
      {R"(\Jobs)", "Jobs", R"(\)", ""},
      {"C:A12.dwg", "A12.dwg", "C:", ".dwg"},
      {"C:/Jobs/A12.dwg", "A12.dwg", "C:", ".dwg"},
      {R"(C:\My Jobs\A12 rev.B)", "A12 rev.B", R"(C:\My Jobs)", ".B"},
      {R"(C:\Jobs\A12.rev B)", "A12.rev B", R"(C:\Jobs)", ""},
      {"", "", "", ""},
  };
  for (const ShellCase& c : cases) {
    SCOPED_TRACE(c.path);
    EXPECT_EQ(PathFileName(c.path), c.fileName);
    EXPECT_EQ(PathFolder(c.path), c.folder);
    EXPECT_EQ(PathExtension(c.path), c.extension);
  }
}

struct JoinCase {
  const char* folder;
  const char* name;
  const char* joined;
};

TEST(PathHelpersTest, PathsAreJoinedWithExactlyOneBackslash) {
  const JoinCase cases[] = {
      {"C:\\", "acad.exe", "C:\\acad.exe"},
      {"C:\\ACAD", "acad.exe", "C:\\ACAD\\acad.exe"},
      {"C:\\ACAD\\", "acad.exe", "C:\\ACAD\\acad.exe"},
      {"\\\\server\\share", "x.exe", "\\\\server\\share\\x.exe"},
      {"C:\\ACAD", "", "C:\\ACAD\\"},
  };
  for (const JoinCase& c : cases) EXPECT_EQ(JoinPath(c.folder, c.name), c.joined) << c.folder;
  EXPECT_EQ(FolderWithBackslash("C:\\"), "C:\\");
  EXPECT_EQ(FolderWithBackslash("C:\\ACAD\\SUPPORT"), "C:\\ACAD\\SUPPORT\\");
}

TEST(PathHelpersTest, ProgramPathsWithABlankAreQuoted) {
  EXPECT_EQ(QuoteProgramPath("C:\\Windows\\notepad.exe"), "C:\\Windows\\notepad.exe");
  EXPECT_EQ(QuoteProgramPath("C:\\Program Files\\Ed\\ed.exe"), "\"C:\\Program Files\\Ed\\ed.exe\"");
  EXPECT_EQ(QuoteProgramPath("\"C:\\Program Files\\Ed\\ed.exe\""), "\"C:\\Program Files\\Ed\\ed.exe\"");
}

TEST(PathHelpersTest, DeviceNamesInAnyCaseWithAnyExtension) {
  const std::vector<std::pair<std::string, bool>> cases = {
      {"CON", true},      {"con", true},      {"Nul.txt", true},      {"AUX.PRJ", true}, {"prn .dwg", true},
      {"COM1", true},     {"com9.lst", true}, {"LPT1", true},         {"lpt9", true},    {"CON.tar.gz", true},
      {"CONSOLE", false}, {"CON1", false},    {"COM10", false},       {"COM0", false},   {"LPT", false},
      {"XCON", false},    {" CON", false},    {"A12-CON.dwg", false}, {"", false},       {".CON", false},
  };
  for (const auto& [name, device] : cases) EXPECT_EQ(IsDeviceName(name), device) << name;
}

}  // namespace
}  // namespace core
