#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "contract_env.h"
#include "platform/file_system.h"
#include "runtime/error.h"
#include "runtime/text.h"

namespace {

using platform::kAttrArchive;
using platform::kAttrDirectory;
using platform::kAttrHidden;
using platform::kAttrNormal;
using platform::kAttrReadOnly;
using Names = std::vector<std::string>;

// The error number a call throws; 0 when it succeeds.
int ErrorOf(const std::function<void()>& call) {
  try {
    call();
  } catch (const runtime::Error& error) {
    return error.Number();
  }
  return 0;
}

class FileSystemContract : public testing::Test {
 protected:
  std::string Path(const std::string& name) const { return root_ + "\\" + name; }
  void Write(const std::string& name, const std::string& bytes) { platform::WriteWholeFile(fs_, Path(name), bytes); }
  std::string Read(const std::string& name) { return fs_.ReadAll(Path(name)); }

  // The names a search in the root finds, sorted: the order is the file system's own.
  Names Found(const std::string& pattern) {
    Names names;
    for (const auto& entry : fs_.Find(Path(pattern))) names.push_back(entry.name);
    std::sort(names.begin(), names.end());
    return names;
  }

  platform::DirEntry FindOne(const std::string& name) {
    auto entries = fs_.Find(Path(name));
    EXPECT_EQ(entries.size(), 1u) << name;
    return entries.empty() ? platform::DirEntry{} : entries.front();
  }

  std::unique_ptr<contract::Env> env_ = contract::MakeEnv();
  platform::FileSystem& fs_ = env_->FileSystem();
  const std::string root_ = env_->Root();
};

TEST_F(FileSystemContract, BytesReadBackExactlyAsWritten) {
  std::string bytes = "line one\r\nline two\nlone cr\r";
  for (int c = 0; c < 256; ++c) bytes += static_cast<char>(c);
  Write("all-bytes.bin", bytes);
  Write("empty.txt", "");
  EXPECT_EQ(Read("all-bytes.bin"), bytes);
  EXPECT_EQ(Read("empty.txt"), "");
  EXPECT_EQ(FindOne("all-bytes.bin").size, bytes.size());
}

TEST_F(FileSystemContract, RewritingReplacesAndAppendingExtends) {
  Write("log.txt", "a long first version\r\n");
  Write("log.txt", "short\r\n");
  EXPECT_EQ(Read("log.txt"), "short\r\n");
  platform::AppendToFile(fs_, Path("log.txt"), "more\r\n");
  EXPECT_EQ(Read("log.txt"), "short\r\nmore\r\n");
  platform::AppendToFile(fs_, Path("new.txt"), "created");
  EXPECT_EQ(Read("new.txt"), "created");
}

TEST_F(FileSystemContract, SeveralWritesMakeOneFile) {
  auto file = fs_.OpenForWrite(Path("parts.txt"), false);
  file->Write("one,");
  file->Write("");
  file->Write("two");
  file->Close();
  EXPECT_EQ(Read("parts.txt"), "one,two");
}

TEST_F(FileSystemContract, WritingAfterCloseIsBadFileNumber) {
  auto file = fs_.OpenForWrite(Path("closed.txt"), false);
  file->Close();
  EXPECT_EQ(ErrorOf([&] { file->Write("late"); }), runtime::kBadFileName);
  file->Close();
  EXPECT_EQ(Read("closed.txt"), "");
}

TEST_F(FileSystemContract, NamesAreFoundWithoutRegardToCaseAndKeepTheirCase) {
  Write("Drawing A12.DWG", "first");
  EXPECT_EQ(fs_.ReadAll(runtime::UpperCase(Path("Drawing A12.DWG"))), "first");
  Write("drawing a12.dwg", "second");
  EXPECT_EQ(Found("*"), (Names{"Drawing A12.DWG"}));
  EXPECT_EQ(Read("DRAWING a12.dwg"), "second");
  EXPECT_TRUE(platform::Exists(fs_, runtime::LowerCase(Path("Drawing A12.DWG"))));
}

TEST_F(FileSystemContract, ForwardSlashesSeparateToo) {
  fs_.MakeFolder(Path("Sub"));
  Write("Sub\\file.txt", "x");
  std::string slashed = root_ + "/Sub/file.txt";
  EXPECT_EQ(fs_.ReadAll(slashed), "x");
}

TEST_F(FileSystemContract, FindMatchesWindowsWildcards) {
  for (const char* name : {"A12-101.dwg", "A12-102.DWG", "A13.dwg", "Readme", "notes.txt"}) Write(name, "x");
  fs_.MakeFolder(Path("Sub"));
  struct Case {
    const char* pattern;
    Names expected;
  };
  const Case cases[] = {
      {"*", {"A12-101.dwg", "A12-102.DWG", "A13.dwg", "Readme", "Sub", "notes.txt"}},
      {"*.*", {"A12-101.dwg", "A12-102.DWG", "A13.dwg", "Readme", "Sub", "notes.txt"}},
      {"*.dwg", {"A12-101.dwg", "A12-102.DWG", "A13.dwg"}},
      {"A12-10?.dwg", {"A12-101.dwg", "A12-102.DWG"}},
      {"a1?.DWG", {"A13.dwg"}},
      {"*-1*", {"A12-101.dwg", "A12-102.DWG"}},
      {"README", {"Readme"}},
      {"sub", {"Sub"}},
      {"*.xyz", {}},
      {"Missing.dwg", {}},
  };
  for (const auto& test : cases) EXPECT_EQ(Found(test.pattern), test.expected) << test.pattern;
}

// Windows gives "abcdefghij.lstx" the short name ABCDEF~1.LST (Wine one like ABCDE~XY.LST),
// and FindFirstFile matches patterns against it too; a search must not find a file that way.
TEST_F(FileSystemContract, PatternsMatchTheLongNameOnly) {
  Write("abcdefghij.lstx", "x");
  Write("Plant.lst", "x");
  struct Case {
    const char* pattern;
    Names expected;
  };
  const Case cases[] = {
      {"*.lst", {"Plant.lst"}},
      {"*.LST", {"Plant.lst"}},
      {"abcdef*.lst", {}},
      {"*~*", {}},
      {"*.lstx", {"abcdefghij.lstx"}},
      {"abcdefghij.lst?", {"abcdefghij.lstx"}},
      {"ABCDEFGHIJ.LSTX", {"abcdefghij.lstx"}},
  };
  for (const auto& test : cases) EXPECT_EQ(Found(test.pattern), test.expected) << test.pattern;
}

TEST_F(FileSystemContract, FindReportsAttributesAndSizesWithoutDotEntries) {
  fs_.MakeFolder(Path("Sub"));
  Write("Sub\\hidden.txt", "12345");
  fs_.SetAttributes(Path("Sub\\hidden.txt"), kAttrHidden);
  Write("Sub\\locked.txt", "");
  fs_.SetAttributes(Path("Sub\\locked.txt"), kAttrReadOnly);

  auto entries = fs_.Find(Path("Sub\\*"));
  std::sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) { return a.name < b.name; });
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[0].name, "hidden.txt");
  EXPECT_EQ(entries[0].attributes & ~kAttrArchive, kAttrHidden);
  EXPECT_EQ(entries[0].size, 5u);
  EXPECT_EQ(entries[1].name, "locked.txt");
  EXPECT_EQ(entries[1].attributes & ~kAttrArchive, kAttrReadOnly);
  platform::DirEntry folder = FindOne("Sub");
  EXPECT_NE(folder.attributes & kAttrDirectory, 0u);
  EXPECT_EQ(folder.size, 0u);
}

TEST_F(FileSystemContract, FindOfAMissingFolderIsEmptyAndAWildcardFolderIsABadName) {
  EXPECT_TRUE(fs_.Find(Path("NoSuchFolder\\*")).empty());
  EXPECT_TRUE(fs_.Find(Path("*")).empty());
  EXPECT_EQ(ErrorOf([&] { fs_.Find(Path("Su*\\*.dwg")); }), runtime::kBadFileName);
}

// Wine reports the archive bit of every file, so it is left out of the comparisons.
TEST_F(FileSystemContract, AttributesRoundTrip) {
  Write("file.txt", "x");
  EXPECT_EQ(fs_.GetAttributes(Path("file.txt")), kAttrArchive);
  const std::uint32_t cases[] = {kAttrReadOnly, kAttrHidden, kAttrHidden | platform::kAttrSystem, kAttrNormal};
  for (std::uint32_t attributes : cases) {
    fs_.SetAttributes(Path("file.txt"), attributes);
    EXPECT_EQ(fs_.GetAttributes(Path("file.txt")) & ~kAttrArchive, attributes);
  }

  fs_.MakeFolder(Path("Folder"));
  fs_.SetAttributes(Path("Folder"), kAttrHidden | kAttrDirectory);
  EXPECT_EQ(fs_.GetAttributes(Path("Folder")) & ~kAttrArchive, kAttrDirectory | kAttrHidden);
  fs_.SetAttributes(Path("Folder"), kAttrNormal);
  EXPECT_EQ(fs_.GetAttributes(Path("Folder")) & ~kAttrArchive, kAttrDirectory);
}

TEST_F(FileSystemContract, ReadOnlyFileRefusesWritingAndDeletingAndKeepsItsContent) {
  Write("locked.scr", "keep");
  fs_.SetAttributes(Path("locked.scr"), kAttrReadOnly);
  EXPECT_EQ(ErrorOf([&] { fs_.OpenForWrite(Path("locked.scr"), false); }), runtime::kPathFileAccessError);
  EXPECT_EQ(ErrorOf([&] { fs_.OpenForWrite(Path("locked.scr"), true); }), runtime::kPathFileAccessError);
  EXPECT_EQ(ErrorOf([&] { fs_.DeleteFile(Path("locked.scr")); }), runtime::kPathFileAccessError);
  EXPECT_EQ(Read("locked.scr"), "keep");
  fs_.OpenExclusive(Path("locked.scr"));
}

TEST_F(FileSystemContract, FileHeldOpenElsewhereIsPermissionDenied) {
  Write("open.dwg", "drawing");
  {
    auto hold = env_->HoldOpen(Path("open.dwg"));
    EXPECT_EQ(ErrorOf([&] { fs_.OpenExclusive(Path("open.dwg")); }), runtime::kPermissionDenied);
    EXPECT_EQ(ErrorOf([&] { fs_.ReadAll(Path("open.dwg")); }), runtime::kPermissionDenied);
    EXPECT_EQ(ErrorOf([&] { fs_.OpenForWrite(Path("open.dwg"), false); }), runtime::kPermissionDenied);
    EXPECT_EQ(ErrorOf([&] { fs_.DeleteFile(Path("open.dwg")); }), runtime::kPermissionDenied);
    EXPECT_EQ(ErrorOf([&] { fs_.Rename(Path("open.dwg"), Path("moved.dwg")); }), runtime::kPermissionDenied);
  }
  EXPECT_FALSE(platform::Exists(fs_, Path("moved.dwg")));
  fs_.OpenExclusive(Path("open.dwg"));
  EXPECT_EQ(Read("open.dwg"), "drawing");
}

TEST_F(FileSystemContract, ReadRangeGivesTheBytesThereAreWithoutAnError) {
  Write("part.dwg", "AC1015abcdef");
  struct Case {
    std::uint64_t offset;
    std::size_t count;
    const char* bytes;
  };
  const Case cases[] = {{0, 6, "AC1015"}, {6, 100, "abcdef"}, {12, 4, ""}, {1000, 4, ""}, {3, 0, ""}};
  for (const auto& test : cases) {
    SCOPED_TRACE(test.offset);
    EXPECT_EQ(fs_.ReadRange(Path("part.dwg"), test.offset, test.count), test.bytes);
  }
}

// A drawing's release is read from a name a search gave or a queue entry the user typed: a
// name Windows refuses is 52, kept apart from a missing file (53) or folder (76).
TEST_F(FileSystemContract, ReadRangeOfANameWindowsRefusesIsABadFileName) {
  for (const char* name : {"a?.dwg", "a*.dwg", "a<b.dwg", "a|b.dwg"}) {
    SCOPED_TRACE(name);
    EXPECT_EQ(ErrorOf([&] { fs_.ReadRange(Path(name), 0, 6); }), runtime::kBadFileName);
  }
}

TEST_F(FileSystemContract, ReadRangeSharesWithAWriterButNotWithAHold) {
  Write("open.dwg", "AC1032 drawing");
  {
    auto writer = fs_.OpenForWrite(Path("open.dwg"), true);
    EXPECT_EQ(fs_.ReadRange(Path("open.dwg"), 0, 6), "AC1032");
  }
  auto hold = env_->HoldOpen(Path("open.dwg"));
  EXPECT_EQ(ErrorOf([&] { fs_.ReadRange(Path("open.dwg"), 0, 6); }), runtime::kPermissionDenied);
}

TEST_F(FileSystemContract, FileBeingWrittenIsHeldOpenUntilClosed) {
  auto file = fs_.OpenForWrite(Path("batch.scr"), false);
  file->Write("OPEN\r\n");
  EXPECT_EQ(ErrorOf([&] { fs_.OpenExclusive(Path("batch.scr")); }), runtime::kPermissionDenied);
  file->Close();
  fs_.OpenExclusive(Path("batch.scr"));
  EXPECT_EQ(Read("batch.scr"), "OPEN\r\n");
}

TEST_F(FileSystemContract, DestroyingAnOutputFileClosesIt) {
  fs_.OpenForWrite(Path("dropped.txt"), false)->Write("kept");
  fs_.OpenExclusive(Path("dropped.txt"));
  EXPECT_EQ(Read("dropped.txt"), "kept");
}

TEST_F(FileSystemContract, MissingFolderIsPathNotFoundAndMissingFileIsFileNotFound) {
  struct Case {
    const char* operation;
    std::function<void(platform::FileSystem&, const std::string&)> call;
  };
  const Case cases[] = {
      {"ReadAll", [](auto& fs, const auto& path) { fs.ReadAll(path); }},
      {"ReadRange", [](auto& fs, const auto& path) { fs.ReadRange(path, 0, 6); }},
      {"GetAttributes", [](auto& fs, const auto& path) { fs.GetAttributes(path); }},
      {"OpenExclusive", [](auto& fs, const auto& path) { fs.OpenExclusive(path); }},
      {"DeleteFile", [](auto& fs, const auto& path) { fs.DeleteFile(path); }},
  };
  for (const auto& test : cases) {
    SCOPED_TRACE(test.operation);
    EXPECT_EQ(ErrorOf([&] { test.call(fs_, Path("missing.dwg")); }), runtime::kFileNotFound);
    EXPECT_EQ(ErrorOf([&] { test.call(fs_, Path("NoFolder\\missing.dwg")); }), runtime::kPathNotFound);
  }
  EXPECT_EQ(ErrorOf([&] { fs_.OpenForWrite(Path("NoFolder\\new.txt"), false); }), runtime::kPathNotFound);
}

TEST_F(FileSystemContract, AFolderOpenedAsAFileIsAnAccessError) {
  fs_.MakeFolder(Path("Folder"));
  EXPECT_EQ(ErrorOf([&] { fs_.ReadAll(Path("Folder")); }), runtime::kPathFileAccessError);
  EXPECT_EQ(ErrorOf([&] { fs_.ReadRange(Path("Folder"), 0, 6); }), runtime::kPathFileAccessError);
  EXPECT_EQ(ErrorOf([&] { fs_.OpenExclusive(Path("Folder")); }), runtime::kPathFileAccessError);
  EXPECT_EQ(ErrorOf([&] { fs_.OpenForWrite(Path("Folder"), false); }), runtime::kPathFileAccessError);
}

TEST_F(FileSystemContract, DeleteRemovesTheFile) {
  Write("gone.txt", "x");
  fs_.DeleteFile(Path("gone.txt"));
  EXPECT_FALSE(platform::Exists(fs_, Path("gone.txt")));
  EXPECT_EQ(ErrorOf([&] { fs_.DeleteFile(Path("gone.txt")); }), runtime::kFileNotFound);
}

TEST_F(FileSystemContract, RenameMovesAndNeverReplaces) {
  Write("a.txt", "from a");
  Write("b.txt", "from b");
  EXPECT_EQ(ErrorOf([&] { fs_.Rename(Path("a.txt"), Path("b.txt")); }), runtime::kFileAlreadyExists);
  EXPECT_EQ(ErrorOf([&] { fs_.Rename(Path("a.txt"), Path("B.TXT")); }), runtime::kFileAlreadyExists);
  EXPECT_EQ(Read("a.txt"), "from a");
  EXPECT_EQ(Read("b.txt"), "from b");

  fs_.MakeFolder(Path("Sub"));
  fs_.Rename(Path("a.txt"), Path("Sub\\c.txt"));
  EXPECT_FALSE(platform::Exists(fs_, Path("a.txt")));
  EXPECT_EQ(Read("Sub\\c.txt"), "from a");
  EXPECT_EQ(ErrorOf([&] { fs_.Rename(Path("a.txt"), Path("d.txt")); }), runtime::kFileNotFound);
}

TEST_F(FileSystemContract, RenameMovesAFolderWithItsContents) {
  fs_.MakeFolder(Path("Old"));
  Write("Old\\inside.txt", "x");
  fs_.Rename(Path("Old"), Path("New"));
  EXPECT_EQ(Read("New\\inside.txt"), "x");
  EXPECT_FALSE(platform::Exists(fs_, Path("Old")));
}

TEST_F(FileSystemContract, ReplaceFileReplacesTheTargetInOneStep) {
  Write("data.txt", "old");
  Write("data.tmp", "new");
  fs_.ReplaceFile(Path("data.tmp"), Path("data.txt"));
  EXPECT_EQ(Read("data.txt"), "new");
  EXPECT_FALSE(platform::Exists(fs_, Path("data.tmp")));

  Write("fresh.tmp", "fresh");
  fs_.ReplaceFile(Path("fresh.tmp"), Path("fresh.txt"));
  EXPECT_EQ(Read("fresh.txt"), "fresh");
}

TEST_F(FileSystemContract, ReplaceFileRefusesAReadOnlyTargetAndKeepsBoth) {
  Write("data.txt", "old");
  fs_.SetAttributes(Path("data.txt"), kAttrReadOnly);
  Write("data.tmp", "new");
  EXPECT_EQ(ErrorOf([&] { fs_.ReplaceFile(Path("data.tmp"), Path("data.txt")); }), runtime::kPathFileAccessError);
  EXPECT_EQ(Read("data.txt"), "old");
  EXPECT_EQ(Read("data.tmp"), "new");
}

TEST_F(FileSystemContract, CopyFileCopiesAndOverwrites) {
  std::string bytes = "copy me\r\n\x80\xff";
  Write("source.scr", bytes);
  fs_.CopyFile(Path("source.scr"), Path("copy.scr"));
  EXPECT_EQ(Read("copy.scr"), bytes);
  EXPECT_EQ(Read("source.scr"), bytes);

  Write("other.scr", "other");
  fs_.CopyFile(Path("other.scr"), Path("copy.scr"));
  EXPECT_EQ(Read("copy.scr"), "other");
  EXPECT_EQ(ErrorOf([&] { fs_.CopyFile(Path("missing.scr"), Path("x.scr")); }), runtime::kFileNotFound);

  fs_.SetAttributes(Path("copy.scr"), kAttrReadOnly);
  EXPECT_EQ(ErrorOf([&] { fs_.CopyFile(Path("source.scr"), Path("copy.scr")); }), runtime::kPathFileAccessError);
  EXPECT_EQ(Read("copy.scr"), "other");
}

TEST_F(FileSystemContract, FoldersAreMadeAndRemoved) {
  fs_.MakeFolder(Path("Out"));
  EXPECT_EQ(fs_.GetAttributes(Path("Out")) & kAttrDirectory, kAttrDirectory);
  EXPECT_EQ(ErrorOf([&] { fs_.MakeFolder(Path("OUT")); }), runtime::kFileAlreadyExists);
  Write("file.txt", "x");
  EXPECT_EQ(ErrorOf([&] { fs_.MakeFolder(Path("file.txt")); }), runtime::kFileAlreadyExists);
  EXPECT_EQ(ErrorOf([&] { fs_.MakeFolder(Path("No\\Out")); }), runtime::kPathNotFound);

  Write("Out\\inside.txt", "x");
  EXPECT_EQ(ErrorOf([&] { fs_.RemoveFolder(Path("Out")); }), runtime::kPathFileAccessError);
  fs_.DeleteFile(Path("Out\\inside.txt"));
  fs_.RemoveFolder(Path("Out"));
  EXPECT_FALSE(platform::Exists(fs_, Path("Out")));
  EXPECT_EQ(ErrorOf([&] { fs_.RemoveFolder(Path("Out")); }), runtime::kFileNotFound);
}

TEST_F(FileSystemContract, RelativePathsResolveAgainstTheCurrentFolder) {
  fs_.MakeFolder(Path("Work"));
  fs_.SetCurrentFolder(Path("Work"));
  EXPECT_TRUE(runtime::EqualsNoCase(fs_.CurrentFolder(), Path("Work")));

  platform::WriteWholeFile(fs_, "relative.txt", "here");
  EXPECT_EQ(Read("Work\\relative.txt"), "here");
  EXPECT_EQ(fs_.ReadAll("..\\Work\\.\\relative.txt"), "here");
  std::vector<std::string> names;
  for (const auto& entry : fs_.Find("*.txt")) names.push_back(entry.name);
  EXPECT_EQ(names, (Names{"relative.txt"}));

  EXPECT_NE(ErrorOf([&] { fs_.SetCurrentFolder(Path("Missing")); }), 0);
  EXPECT_TRUE(runtime::EqualsNoCase(fs_.CurrentFolder(), Path("Work")));
}

TEST_F(FileSystemContract, TheRootsDriveIsListedReady) {
  std::string drive = runtime::UpperCase(root_.substr(0, 2)) + "\\";
  auto drives = fs_.Drives();
  auto found = std::find_if(drives.begin(), drives.end(), [&](const auto& info) { return info.root == drive; });
  ASSERT_NE(found, drives.end());
  EXPECT_TRUE(found->ready);
}

}  // namespace
