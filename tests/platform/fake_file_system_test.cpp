#include "platform/fake/fake_file_system.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/fake/fake_path.h"
#include "runtime/error.h"

namespace {

using platform::fake::FakeFileSystem;
using platform::fake::FakeOperation;
using Names = std::vector<std::string>;

int ErrorOf(const std::function<void()>& call) {
  try {
    call();
  } catch (const runtime::Error& error) {
    return error.Number();
  }
  return 0;
}

Names NamesOf(const std::vector<platform::DirEntry>& entries) {
  Names names;
  for (const auto& entry : entries) names.push_back(entry.name);
  return names;
}

TEST(FakePathTest, ResolvesLikeWindows) {
  const platform::fake::FakePath current{"C:", {"Jobs", "A12"}};
  struct Case {
    const char* path;
    const char* expected;
  };
  const Case cases[] = {
      {"C:\\x\\y", "C:\\x\\y"},
      {"c:/x//y/", "c:\\x\\y"},
      {"rel.dwg", "C:\\Jobs\\A12\\rel.dwg"},
      {"..\\B.dwg", "C:\\Jobs\\B.dwg"},
      {".\\.\\sub\\..\\here", "C:\\Jobs\\A12\\here"},
      {"\\Top", "C:\\Top"},
      {"C:file", "C:\\Jobs\\A12\\file"},
      {"D:file", "D:\\file"},
      {"C:\\a\\..\\..\\b", "C:\\b"},
      {"C:\\x\\name. . ", "C:\\x\\name"},
      {"C:", "C:\\Jobs\\A12"},
      {"\\\\Server\\Share\\a", "\\\\Server\\Share\\a"},
      {"//Server/Share", "\\\\Server\\Share\\"},
  };
  for (const auto& test : cases) {
    EXPECT_EQ(platform::fake::ResolvePath(test.path, current).Text(), test.expected) << test.path;
  }
}

TEST(FakePathTest, RefusesMalformedPaths) {
  const platform::fake::FakePath current{"C:", {}};
  for (const char* path : {"C:\\a<b", "C:\\a>b", "C:\\a|b", "C:\\a\"b", "C:\\a:b", "C:\\a*\\b", "C:\\x?", "C:\\tab\t",
                           "\\\\server", "\\\\\\share\\x", "\\\\server\\\\x"}) {
    EXPECT_EQ(ErrorOf([&] { platform::fake::ResolvePath(path, current); }), runtime::kBadFileName) << path;
  }
  EXPECT_EQ(ErrorOf([&] { platform::fake::ResolvePath("", current); }), runtime::kPathNotFound);
}

class FakeFileSystemTest : public testing::Test {
 protected:
  FakeFileSystem fs_;
};

TEST_F(FakeFileSystemTest, FindListsLikeNtfsWithoutRegardToCase) {
  for (const char* name : {"b.txt", "_x.txt", "A.txt", "c.TXT", "B2.txt"})
    fs_.AddFile(std::string("C:\\J\\") + name, "");
  EXPECT_EQ(NamesOf(fs_.Find("c:\\j\\*")), (Names{"A.txt", "b.txt", "B2.txt", "c.TXT", "_x.txt"}));
}

TEST_F(FakeFileSystemTest, FindReportsSizeAndTimeStamp) {
  fs_.AddFile("C:\\J\\a.dwg", "12345", platform::kAttrReadOnly);
  fs_.SetModified("C:\\J\\a.dwg", runtime::DateTime{2019, 3, 4, 5, 6, 7});
  auto entries = fs_.Find("C:\\J\\a.dwg");
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0].size, 5u);
  EXPECT_EQ(entries[0].attributes, platform::kAttrReadOnly);
  EXPECT_EQ(entries[0].modified, (runtime::DateTime{2019, 3, 4, 5, 6, 7}));
}

TEST_F(FakeFileSystemTest, AJunctionIsAReparsePointThatLeadsToItsTarget) {
  fs_.AddFile("C:\\Top\\a.dwg", "");
  fs_.AddFolder("C:\\Top\\Sub");
  fs_.AddJunction("C:\\Top\\Sub\\Back", "C:\\Top");

  auto entries = fs_.Find("C:\\Top\\Sub\\*");
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0].attributes, platform::kAttrDirectory | platform::kAttrReparsePoint);
  EXPECT_EQ(NamesOf(fs_.Find("C:\\Top\\Sub\\Back\\Sub\\Back\\*")), (Names{"a.dwg", "Sub"}));
  EXPECT_EQ(fs_.GetAttributes("C:\\Top\\Sub\\Back"), platform::kAttrDirectory);
}

TEST_F(FakeFileSystemTest, FindRefusesMalformedPatterns) {
  for (const char* pattern : {"C:\\J\\a<*", "C:\\J\\a|b", "C:\\J\\\"x\"", "C:\\J*\\x"}) {
    EXPECT_EQ(ErrorOf([&] { fs_.Find(pattern); }), runtime::kBadFileName) << pattern;
  }
  EXPECT_TRUE(fs_.Find("C:\\J\\").empty());
  EXPECT_TRUE(fs_.Find("Q:\\*").empty());
}

TEST_F(FakeFileSystemTest, DrivesAreListedInLetterOrderWithLabelsWhenReady) {
  fs_.AddDrive("d:", "DATA");
  fs_.AddDrive("A:\\", "FLOPPY", false);
  auto drives = fs_.Drives();
  ASSERT_EQ(drives.size(), 3u);
  EXPECT_EQ(drives[0].root, "A:\\");
  EXPECT_FALSE(drives[0].ready);
  EXPECT_EQ(drives[0].label, "");
  EXPECT_EQ(drives[1].root, "C:\\");
  EXPECT_TRUE(drives[1].ready);
  EXPECT_EQ(drives[1].label, "");
  EXPECT_EQ(drives[2].root, "D:\\");
  EXPECT_EQ(drives[2].label, "DATA");
}

TEST_F(FakeFileSystemTest, DriveThatIsNotReadyFailsEveryAccess) {
  fs_.AddDrive("E:", "USB");
  fs_.AddFile("E:\\a.dwg", "x");
  fs_.SetDriveReady("E:", false);
  EXPECT_EQ(ErrorOf([&] { fs_.Find("E:\\*"); }), runtime::kDiskNotReady);
  EXPECT_EQ(ErrorOf([&] { fs_.ReadAll("E:\\a.dwg"); }), runtime::kDiskNotReady);
  EXPECT_EQ(ErrorOf([&] { fs_.OpenForWrite("E:\\b.dwg", false); }), runtime::kDiskNotReady);
  EXPECT_EQ(ErrorOf([&] { fs_.SetCurrentFolder("E:\\"); }), runtime::kDiskNotReady);
  fs_.SetDriveReady("E:", true);
  EXPECT_EQ(fs_.ReadAll("E:\\a.dwg"), "x");
}

TEST_F(FakeFileSystemTest, MissingDriveIsPathNotFound) {
  EXPECT_EQ(ErrorOf([&] { fs_.ReadAll("Q:\\a.dwg"); }), runtime::kPathNotFound);
  EXPECT_EQ(ErrorOf([&] { fs_.MakeFolder("Q:\\Out"); }), runtime::kPathNotFound);
}

TEST_F(FakeFileSystemTest, NetworkSharesExistOnlyWhenAdded) {
  EXPECT_EQ(ErrorOf([&] { fs_.Find("\\\\srv\\cad\\*"); }), runtime::kPathNotFound);
  EXPECT_EQ(ErrorOf([&] { fs_.ReadAll("\\\\srv\\cad\\a.dwg"); }), runtime::kPathNotFound);
  fs_.AddShare("\\\\SRV\\Cad");
  platform::WriteWholeFile(fs_, "\\\\srv\\cad\\a.dwg", "net");
  EXPECT_EQ(NamesOf(fs_.Find("\\\\Srv\\CAD\\*.dwg")), (Names{"a.dwg"}));
  EXPECT_TRUE(fs_.Drives().size() == 1u);
}

TEST_F(FakeFileSystemTest, AFailedWriteLeavesWhatWasWrittenBefore) {
  {
    auto file = fs_.OpenForWrite("C:\\batch.scr", false);
    file->Write("OPEN a.dwg\r\n");
    fs_.FailNextWrite(runtime::kDeviceIoError);
    EXPECT_EQ(ErrorOf([&] { file->Write("OPEN b.dwg\r\n"); }), runtime::kDeviceIoError);
    EXPECT_TRUE(fs_.IsOpen("C:\\batch.scr"));
  }
  EXPECT_FALSE(fs_.IsOpen("C:\\batch.scr"));
  EXPECT_EQ(fs_.Contents("C:\\batch.scr"), "OPEN a.dwg\r\n");
  platform::AppendToFile(fs_, "C:\\batch.scr", "next");
  EXPECT_EQ(fs_.Contents("C:\\batch.scr"), "OPEN a.dwg\r\nnext");
}

TEST_F(FakeFileSystemTest, AFailedCloseStillClosesTheFile) {
  auto file = fs_.OpenForWrite("C:\\log.txt", false);
  file->Write("record");
  fs_.FailNextClose(runtime::kDiskFull);
  EXPECT_EQ(ErrorOf([&] { file->Close(); }), runtime::kDiskFull);
  EXPECT_FALSE(fs_.IsOpen("C:\\log.txt"));
  EXPECT_EQ(fs_.Contents("C:\\log.txt"), "record");
}

TEST_F(FakeFileSystemTest, AFullDiskRefusesTheWriteThatDoesNotFit) {
  fs_.SetCapacity("C:", 10);
  fs_.AddFile("C:\\old.txt", "1234");
  auto file = fs_.OpenForWrite("C:\\new.txt", false);
  file->Write("12345");
  EXPECT_EQ(ErrorOf([&] { file->Write("67"); }), runtime::kDiskFull);
  file->Write("6");
  file->Close();
  EXPECT_EQ(fs_.Contents("C:\\new.txt"), "123456");
  EXPECT_EQ(ErrorOf([&] { fs_.CopyFile("C:\\old.txt", "C:\\copy.txt"); }), runtime::kDiskFull);
  EXPECT_FALSE(fs_.Exists("C:\\copy.txt"));

  fs_.DeleteFile("C:\\old.txt");
  platform::WriteWholeFile(fs_, "C:\\new.txt", "0123456789");
  EXPECT_EQ(fs_.Contents("C:\\new.txt"), "0123456789");
}

TEST_F(FakeFileSystemTest, InjectedFailuresHitTheirPathAndOperationOnly) {
  fs_.AddFile("C:\\Jobs\\a.dwg", "x");
  fs_.AddFile("C:\\Jobs\\b.dwg", "y");
  fs_.FailOn("c:\\jobs\\A.DWG", runtime::kPermissionDenied, FakeOperation::kRead);
  fs_.FailOn("C:\\Jobs\\b.dwg", runtime::kDeviceIoError);
  fs_.FailOn("C:\\Jobs", runtime::kDiskNotReady, FakeOperation::kFind);

  EXPECT_EQ(ErrorOf([&] { fs_.ReadAll("C:\\Jobs\\a.dwg"); }), runtime::kPermissionDenied);
  EXPECT_EQ(fs_.GetAttributes("C:\\Jobs\\a.dwg"), platform::kAttrArchive);
  EXPECT_EQ(ErrorOf([&] { fs_.GetAttributes("C:\\Jobs\\b.dwg"); }), runtime::kDeviceIoError);
  EXPECT_EQ(ErrorOf([&] { fs_.OpenForWrite("C:\\Jobs\\b.dwg", true); }), runtime::kDeviceIoError);
  EXPECT_EQ(ErrorOf([&] { fs_.Rename("C:\\Jobs\\a.dwg", "C:\\Jobs\\b.dwg"); }), runtime::kDeviceIoError);
  EXPECT_EQ(ErrorOf([&] { fs_.Find("C:\\Jobs\\*.dwg"); }), runtime::kDiskNotReady);

  fs_.ClearFailures();
  EXPECT_EQ(fs_.ReadAll("C:\\Jobs\\a.dwg"), "x");
  EXPECT_EQ(fs_.Find("C:\\Jobs\\*.dwg").size(), 2u);
}

TEST_F(FakeFileSystemTest, InjectedWriteFailureStrikesAnOpenFile) {
  auto file = fs_.OpenForWrite("C:\\out.scr", false);
  fs_.FailOn("C:\\out.scr", runtime::kPermissionDenied, FakeOperation::kWrite);
  EXPECT_EQ(ErrorOf([&] { file->Write("x"); }), runtime::kPermissionDenied);
  EXPECT_EQ(fs_.Contents("C:\\out.scr"), "");
}

TEST_F(FakeFileSystemTest, HeldFileStaysLockedUntilEveryHoldIsGone) {
  fs_.AddFile("C:\\a.dwg", "x");
  auto first = fs_.HoldOpen("C:\\a.dwg");
  auto second = fs_.HoldOpen("c:\\A.DWG");
  first.reset();
  EXPECT_EQ(ErrorOf([&] { fs_.OpenExclusive("C:\\a.dwg"); }), runtime::kPermissionDenied);
  second.reset();
  fs_.OpenExclusive("C:\\a.dwg");
  EXPECT_EQ(ErrorOf([&] { (void)fs_.HoldOpen("C:\\missing.dwg"); }), runtime::kFileNotFound);
}

// An open file and a held file keep the files they belong to alive: after the file system
// object is gone, a write still goes to that same state, so the disk it fills is the one the
// file system described, a closed file refuses writes, and letting go of the hold is safe
// (the host build's address sanitizer reports any use of freed memory).
TEST(FakeFileSystemLifetimeTest, HandlesMayOutliveTheFileSystem) {
  std::shared_ptr<void> hold;
  std::unique_ptr<platform::OutputFile> file;
  {
    FakeFileSystem fs;
    fs.AddFile("C:\\a.dwg", "x");
    fs.SetCapacity("C:", 8);
    hold = fs.HoldOpen("C:\\a.dwg");
    file = fs.OpenForWrite("C:\\b.txt", false);
  }
  EXPECT_EQ(ErrorOf([&] { file->Write("1234567"); }), 0);
  EXPECT_EQ(ErrorOf([&] { file->Write("89"); }), runtime::kDiskFull);
  EXPECT_EQ(ErrorOf([&] { file->Close(); }), 0);
  EXPECT_EQ(ErrorOf([&] { file->Write("x"); }), runtime::kBadFileName);
  hold.reset();
}

TEST_F(FakeFileSystemTest, OnlyOneWriterAtATime) {
  auto file = fs_.OpenForWrite("C:\\a.txt", false);
  EXPECT_EQ(ErrorOf([&] { fs_.OpenForWrite("C:\\a.txt", true); }), runtime::kPermissionDenied);
  EXPECT_EQ(ErrorOf([&] { fs_.ReadAll("C:\\a.txt"); }), runtime::kPermissionDenied);
  EXPECT_EQ(ErrorOf([&] { fs_.CopyFile("C:\\a.txt", "C:\\b.txt"); }), runtime::kPermissionDenied);
  file->Close();
  fs_.OpenForWrite("C:\\a.txt", true)->Close();
}

// CreateFile with CREATE_ALWAYS refuses to replace a hidden or system file.
TEST_F(FakeFileSystemTest, HiddenAndSystemFilesCannotBeRecreatedButCanBeAppendedTo) {
  for (auto attribute : {platform::kAttrHidden, platform::kAttrSystem}) {
    fs_.AddFile("C:\\f.txt", "old", attribute);
    EXPECT_EQ(ErrorOf([&] { fs_.OpenForWrite("C:\\f.txt", false); }), runtime::kPathFileAccessError);
    platform::AppendToFile(fs_, "C:\\f.txt", "+new");
    EXPECT_EQ(fs_.Contents("C:\\f.txt"), "old+new");
    EXPECT_EQ(fs_.GetAttributes("C:\\f.txt"), attribute | platform::kAttrArchive);
  }
}

TEST_F(FakeFileSystemTest, RewritingAFileResetsItsAttributesToArchive) {
  fs_.AddFile("C:\\f.txt", "old", platform::kAttrNormal);
  platform::WriteWholeFile(fs_, "C:\\f.txt", "new");
  EXPECT_EQ(fs_.GetAttributes("C:\\f.txt"), platform::kAttrArchive);
}

TEST_F(FakeFileSystemTest, CopyFileRefusesItselfAndHiddenTargets) {
  fs_.AddFile("C:\\a.txt", "a");
  fs_.AddFile("C:\\h.txt", "h", platform::kAttrHidden);
  EXPECT_EQ(ErrorOf([&] { fs_.CopyFile("C:\\a.txt", "C:\\A.TXT"); }), runtime::kPermissionDenied);
  EXPECT_EQ(ErrorOf([&] { fs_.CopyFile("C:\\a.txt", "C:\\h.txt"); }), runtime::kPathFileAccessError);
  EXPECT_EQ(fs_.Contents("C:\\h.txt"), "h");
}

TEST_F(FakeFileSystemTest, RenameCanChangeLetterCaseOnly) {
  fs_.AddFile("C:\\Jobs\\a12.dwg", "x");
  fs_.Rename("C:\\Jobs\\a12.dwg", "C:\\JOBS\\A12.DWG");
  EXPECT_EQ(NamesOf(fs_.Find("C:\\Jobs\\*")), (Names{"A12.DWG"}));
}

TEST_F(FakeFileSystemTest, RenameRefusesWhatWindowsRefuses) {
  fs_.AddDrive("D:", "DATA");
  fs_.AddFile("C:\\Top\\Sub\\open.dwg", "x");
  fs_.AddFile("C:\\Top\\other.dwg", "y");
  {
    auto hold = fs_.HoldOpen("C:\\Top\\Sub\\open.dwg");
    EXPECT_EQ(ErrorOf([&] { fs_.Rename("C:\\Top\\Sub\\open.dwg", "C:\\Top\\moved.dwg"); }), runtime::kPermissionDenied);
    EXPECT_EQ(ErrorOf([&] { fs_.Rename("C:\\Top", "C:\\Renamed"); }), runtime::kPathFileAccessError);
  }
  EXPECT_EQ(ErrorOf([&] { fs_.Rename("C:\\Top", "C:\\Top\\Sub\\Inner"); }), runtime::kPathFileAccessError);
  EXPECT_EQ(ErrorOf([&] { fs_.Rename("C:\\Top\\Sub", "D:\\Sub"); }), runtime::kPathFileAccessError);
  EXPECT_EQ(ErrorOf([&] { fs_.ReplaceFile("C:\\Top\\other.dwg", "D:\\other.dwg"); }), runtime::kPathFileAccessError);
  EXPECT_EQ(ErrorOf([&] { fs_.Rename("C:\\Top\\other.dwg", "C:\\NoFolder\\x.dwg"); }), runtime::kPathNotFound);

  fs_.Rename("C:\\Top\\other.dwg", "D:\\other.dwg");
  EXPECT_EQ(fs_.Contents("D:\\other.dwg"), "y");
  EXPECT_FALSE(fs_.Exists("C:\\Top\\other.dwg"));
}

TEST_F(FakeFileSystemTest, ReplaceFileRefusesAnOpenTargetAndKeepsBoth) {
  fs_.AddFile("C:\\data.txt", "old");
  fs_.AddFile("C:\\data.tmp", "new");
  auto hold = fs_.HoldOpen("C:\\data.txt");
  EXPECT_EQ(ErrorOf([&] { fs_.ReplaceFile("C:\\data.tmp", "C:\\data.txt"); }), runtime::kPermissionDenied);
  EXPECT_EQ(fs_.Contents("C:\\data.txt"), "old");
  EXPECT_EQ(fs_.Contents("C:\\data.tmp"), "new");
}

TEST_F(FakeFileSystemTest, FoldersThatCannotBeRemoved) {
  fs_.AddFolder("C:\\Work");
  fs_.AddFolder("C:\\Locked", platform::kAttrReadOnly);
  fs_.AddFile("C:\\file.txt", "");
  fs_.SetCurrentFolder("C:\\Work");
  EXPECT_EQ(ErrorOf([&] { fs_.RemoveFolder("C:\\work"); }), runtime::kPermissionDenied);
  EXPECT_EQ(ErrorOf([&] { fs_.RemoveFolder("C:\\Locked"); }), runtime::kPathFileAccessError);
  EXPECT_EQ(ErrorOf([&] { fs_.RemoveFolder("C:\\file.txt"); }), runtime::kPathFileAccessError);
  EXPECT_EQ(ErrorOf([&] { fs_.RemoveFolder("C:\\"); }), runtime::kPathFileAccessError);
  EXPECT_EQ(ErrorOf([&] { fs_.SetCurrentFolder("C:\\file.txt"); }), runtime::kPathFileAccessError);
}

TEST_F(FakeFileSystemTest, CurrentFolderKeepsTheCaseItWasGiven) {
  fs_.AddFolder("C:\\Jobs\\A12");
  fs_.SetCurrentFolder("c:/jobs/a12/");
  EXPECT_EQ(fs_.CurrentFolder(), "c:\\jobs\\a12");
  fs_.SetCurrentFolder("..");
  EXPECT_EQ(fs_.CurrentFolder(), "c:\\jobs");
  fs_.SetCurrentFolder("\\");
  EXPECT_EQ(fs_.CurrentFolder(), "c:\\");
}

TEST_F(FakeFileSystemTest, TimeStampsFollowTheSettableNow) {
  const runtime::DateTime morning{2024, 5, 6, 8, 0, 0};
  const runtime::DateTime evening{2024, 5, 6, 20, 30, 0};
  fs_.SetNow(morning);
  platform::WriteWholeFile(fs_, "C:\\a.txt", "x");
  fs_.SetNow(evening);
  fs_.CopyFile("C:\\a.txt", "C:\\copy.txt");
  platform::WriteWholeFile(fs_, "C:\\b.txt", "y");
  EXPECT_EQ(fs_.Find("C:\\a.txt").at(0).modified, morning);
  EXPECT_EQ(fs_.Find("C:\\copy.txt").at(0).modified, morning);
  EXPECT_EQ(fs_.Find("C:\\b.txt").at(0).modified, evening);
  platform::AppendToFile(fs_, "C:\\a.txt", "z");
  EXPECT_EQ(fs_.Find("C:\\a.txt").at(0).modified, evening);
}

TEST_F(FakeFileSystemTest, AllPathsListsEveryVolumeInSearchOrder) {
  fs_.AddDrive("D:", "DATA");
  fs_.AddFile("C:\\Jobs\\b.dwg", "");
  fs_.AddFile("C:\\Jobs\\A.dwg", "");
  fs_.AddFolder("C:\\Empty");
  fs_.AddFile("D:\\x.txt", "");
  fs_.AddShare("\\\\srv\\cad");
  fs_.AddFile("\\\\srv\\cad\\n.dwg", "");
  fs_.Rename("C:\\Jobs\\b.dwg", "C:\\Jobs\\c.dwg");
  EXPECT_EQ(fs_.AllPaths(), (Names{
                                "C:\\Empty\\",
                                "C:\\Jobs\\",
                                "C:\\Jobs\\A.dwg",
                                "C:\\Jobs\\c.dwg",
                                "D:\\x.txt",
                                "\\\\SRV\\CAD\\n.dwg",
                            }));
}

TEST_F(FakeFileSystemTest, AssertionHooksNeverFailOnMissingPlaces) {
  EXPECT_FALSE(fs_.Exists("Q:\\x"));
  EXPECT_FALSE(fs_.Exists("C:\\No\\Such\\file"));
  EXPECT_FALSE(fs_.IsOpen("C:\\No\\file"));
  EXPECT_EQ(ErrorOf([&] { fs_.Contents("C:\\No\\file"); }), runtime::kFileNotFound);
}

}  // namespace
