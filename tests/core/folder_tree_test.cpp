#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/path_helpers.h"
#include "platform/fake/fake_file_system.h"

namespace core {
namespace {

using platform::kAttrHidden;

class FolderTreeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs_.AddFile(R"(C:\Jobs\A12.dwg)", "AC1032");
    fs_.AddFile(R"(C:\Jobs\Hidden.dwg)", "AC1032", kAttrHidden);
    fs_.AddFolder(R"(C:\Jobs\Sub)");
    fs_.AddFolder(R"(C:\Secret)", kAttrHidden);
    fs_.AddShare(R"(\\srv\cad)");
  }

  int Make(const std::string& path) {
    return MakeFolderTree(fs_, path, [this] { ++pumps_; });
  }

  platform::fake::FakeFileSystem fs_;
  int pumps_ = 0;
};

TEST_F(FolderTreeTest, CreatesEveryMissingFolderAlongThePath) {
  EXPECT_EQ(Make(R"(C:\Out\2016\Jobs)"), -1);
  for (const char* folder : {R"(C:\Out)", R"(C:\Out\2016)", R"(C:\Out\2016\Jobs)"}) {
    EXPECT_EQ(PathIsFolder(fs_, folder), 16) << folder;
  }
  EXPECT_EQ(pumps_, 1);
}

TEST_F(FolderTreeTest, ExistingFoldersAreLeftAlone) {
  const std::vector<std::string> before = fs_.AllPaths();
  for (const char* path : {R"(C:\Jobs)", R"(C:\Jobs\Sub\)", R"(C:\)", R"(c:\JOBS\sub)"}) {
    EXPECT_EQ(Make(path), -1) << path;
  }
  EXPECT_EQ(fs_.AllPaths(), before);
  EXPECT_EQ(pumps_, 4);
}

TEST_F(FolderTreeTest, TrailingBackslashNamesTheLastFolder) {
  EXPECT_EQ(Make(R"(C:\Out\)"), -1);
  EXPECT_EQ(PathIsFolder(fs_, R"(C:\Out)"), 16);
}

TEST_F(FolderTreeTest, HiddenFolderInTheChainIsNotMissing) {
  EXPECT_EQ(Make(R"(C:\Secret\New)"), -1);
  EXPECT_EQ(PathIsFolder(fs_, R"(C:\Secret\New)"), 16);
}

TEST_F(FolderTreeTest, NetworkPathStartsBelowItsShare) {
  EXPECT_EQ(Make(R"(\\srv\cad\Out\Jobs)"), -1);
  EXPECT_EQ(PathIsFolder(fs_, R"(\\srv\cad\Out\Jobs)"), 16);
}

TEST_F(FolderTreeTest, StopsAtTheFirstFailureAndKeepsWhatItMade) {
  struct Case {
    std::string path;
    std::string kept;  // a folder made before the failure, or ""
  };
  const std::vector<Case> cases = {
      {R"(C:\Jobs\A12.dwg\Sub)", ""},      // a file stands where a folder is needed
      {R"(C:\Jobs\Hidden.dwg\Sub)", ""},   // also when that file is hidden
      {R"(Q:\Out)", ""},                   // no such drive
      {R"(\\nohost\share\Out)", ""},       // unreachable share
      {R"(C:\Made\a|b\c)", R"(C:\Made)"},  // a bad character half-way
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    EXPECT_EQ(Make(c.path), 0);
    if (!c.kept.empty()) {
      EXPECT_EQ(PathIsFolder(fs_, c.kept), 16);
    }
  }
  EXPECT_EQ(pumps_, 0);
}

TEST_F(FolderTreeTest, WorksWithoutAMessagePump) {
  EXPECT_EQ(MakeFolderTree(fs_, R"(C:\Out)", {}), -1);
}

TEST_F(FolderTreeTest, ExistenceTestsGiveThePlatformValues) {
  struct Case {
    std::string path;
    std::int16_t exists;
    std::int16_t folder;
  };
  const std::vector<Case> cases = {
      {R"(C:\Jobs\A12.dwg)", 1, 0},
      {R"(c:\jobs\a12.DWG)", 1, 0},
      {R"(C:\Jobs\Hidden.dwg)", 1, 0},
      {R"(C:\Jobs\Sub)", 1, 16},
      {R"(C:\Jobs\Sub\)", 1, 16},
      {R"(C:\Secret)", 1, 16},
      {R"(C:\)", 1, 16},
      {R"(C:\Jobs\A12.dwg\)", 0, 0},
      {R"(C:\Jobs\Nope.dwg)", 0, 0},
      {R"(C:\Jobs\*.dwg)", 0, 0},
      {R"(Q:\Jobs)", 0, 0},
      {"", 0, 0},
      {R"(\\srv\cad\)", 1, 16},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    EXPECT_EQ(PathFileExists(fs_, c.path), c.exists);
    EXPECT_EQ(PathIsFolder(fs_, c.path), c.folder);
  }
}

}  // namespace
}  // namespace core
