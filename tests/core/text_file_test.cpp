#include "core/text_file.h"

#include <gtest/gtest.h>

#include "platform/fake/fake_file_system.h"
#include "runtime/error.h"

namespace core {
namespace {

using Lines = std::vector<std::string>;

class TextFileTest : public testing::Test {
 protected:
  TextFileTest() { fs_.AddFolder("C:\\Data"); }

  template <typename Call>
  int ErrorOf(Call call) {
    try {
      call();
    } catch (const runtime::Error& error) {
      return error.Number();
    }
    return 0;
  }

  platform::fake::FakeFileSystem fs_;
  const std::string path_ = "C:\\Data\\cad01-list.tmp";
};

constexpr WriteMode kModes[] = {WriteMode::kDirect, WriteMode::kSafe};

TEST_F(TextFileTest, WritesExactBytesInEitherMode) {
  struct Case {
    const char* name;
    void (*write)(platform::FileSystem&, const std::string&, WriteMode);
    const char* bytes;
  };
  const Case cases[] = {
      {"line list",
       [](platform::FileSystem& fs, const std::string& path, WriteMode mode) {
         WriteLineList(fs, path, {"C:\\Jobs\\A12.dwg", "", "C:\\Jobs\\A13.dwg"}, mode);
       },
       "C:\\Jobs\\A12.dwg\r\n\r\nC:\\Jobs\\A13.dwg\r\n"},
      {"empty line list",
       [](platform::FileSystem& fs, const std::string& path, WriteMode mode) { WriteLineList(fs, path, {}, mode); },
       ""},
      {"text dump",
       [](platform::FileSystem& fs, const std::string& path, WriteMode mode) {
         WriteTextDump(fs, path, "ZOOM\r\nQSAVE", mode);
       },
       "ZOOM\r\nQSAVE\r\n"},
      {"empty text dump",
       [](platform::FileSystem& fs, const std::string& path, WriteMode mode) { WriteTextDump(fs, path, "", mode); },
       "\r\n"},
      {"fixed record",
       [](platform::FileSystem& fs, const std::string& path, WriteMode mode) {
         WriteFixedRecord(fs, path, {"c: [SYSTEM]", "C:\\Jobs"}, mode);
       },
       "c: [SYSTEM]\r\nC:\\Jobs\r\n"},
  };
  for (const auto& c : cases) {
    for (WriteMode mode : kModes) {
      fs_.AddFile(path_, "previous contents that are longer than any new one\r\n");
      c.write(fs_, path_, mode);
      EXPECT_EQ(fs_.Contents(path_), c.bytes) << c.name << (mode == WriteMode::kSafe ? " (safe)" : " (direct)");
      EXPECT_FALSE(fs_.Exists(SafeWriteTempPath(path_))) << c.name;
    }
  }
}

TEST_F(TextFileTest, ReadsEveryKindOfLineEnd) {
  struct Case {
    std::string bytes;
    Lines expected;
  };
  const Case cases[] = {
      {"", {}},
      {"\r\n", {""}},
      {"A12\r\nA13\r\n", {"A12", "A13"}},
      {"A12\r\nA13", {"A12", "A13"}},
      {"A12\rA13\r", {"A12", "A13"}},
      {"A12\nA13\n", {"A12", "A13"}},
      {"A12\r\n\r\nA13\r\n", {"A12", "", "A13"}},
      {"\xC9t\xE9 1\r\n", {"\xC9t\xE9 1"}},
  };
  for (const auto& c : cases) {
    fs_.AddFile(path_, c.bytes);
    EXPECT_EQ(ReadLineList(fs_, path_), c.expected) << testing::PrintToString(c.bytes);
  }
}

TEST_F(TextFileTest, LineListRoundTrips) {
  const Lines lines = {"C:\\Jobs\\A12.dwg", "", "  spaced  ", "\\\\server\\share\\B.dwg"};
  WriteLineList(fs_, path_, lines);
  EXPECT_EQ(ReadLineList(fs_, path_), lines);
}

TEST_F(TextFileTest, TextDumpRoundTripsAnyText) {
  for (const std::string text : {"", "ZOOM", "ZOOM\r\nQSAVE", "ZOOM\r\nQSAVE\r\n", "\r\n\r\n", "a\rb\nc"}) {
    WriteTextDump(fs_, path_, text);
    EXPECT_EQ(ReadTextDump(fs_, path_), text) << testing::PrintToString(text);
  }
}

TEST_F(TextFileTest, TextDumpDropsTheLastTwoCharactersAndRejectsShortFiles) {
  struct Case {
    std::string bytes;
    std::optional<std::string> expected;
  };
  const Case cases[] = {
      {"", std::nullopt}, {"Z", std::nullopt}, {"\r\n", ""}, {"ZOOM\r\n", "ZOOM"}, {"ZOOM", "ZO"},
  };
  for (const auto& c : cases) {
    fs_.AddFile(path_, c.bytes);
    EXPECT_EQ(ReadTextDump(fs_, path_), c.expected) << testing::PrintToString(c.bytes);
  }
}

TEST_F(TextFileTest, FixedRecordAlwaysHasTheAskedNumberOfValues) {
  struct Case {
    std::string bytes;
    std::size_t count;
    Lines expected;
  };
  const Case cases[] = {
      {"c: [SYSTEM]\r\nC:\\Jobs\r\n", 2, {"c: [SYSTEM]", "C:\\Jobs"}},
      {"c: [SYSTEM]\r\n", 2, {"c: [SYSTEM]", ""}},
      {"", 2, {"", ""}},
      {"one\r\ntwo\r\nthree\r\n", 1, {"one"}},
      {"\r\n\r\nlast", 3, {"", "", "last"}},
  };
  for (const auto& c : cases) {
    fs_.AddFile(path_, c.bytes);
    EXPECT_EQ(ReadFixedRecord(fs_, path_, c.count), c.expected) << testing::PrintToString(c.bytes);
  }
}

TEST_F(TextFileTest, ReadersReportAMissingFile) {
  EXPECT_EQ(ErrorOf([&] { ReadLineList(fs_, path_); }), runtime::kFileNotFound);
  EXPECT_EQ(ErrorOf([&] { ReadTextDump(fs_, path_); }), runtime::kFileNotFound);
  EXPECT_EQ(ErrorOf([&] { ReadFixedRecord(fs_, path_, 2); }), runtime::kFileNotFound);
  EXPECT_EQ(ErrorOf([&] { ReadLineList(fs_, "C:\\Gone\\x.tmp"); }), runtime::kPathNotFound);
}

TEST_F(TextFileTest, WritersReportAMissingFolderAndLeaveNothingBehind) {
  const std::string path = "C:\\Gone\\cad01-list.tmp";
  for (WriteMode mode : kModes) {
    EXPECT_EQ(ErrorOf([&] { WriteLineList(fs_, path, {"a"}, mode); }), runtime::kPathNotFound);
  }
  EXPECT_EQ(fs_.AllPaths(), (Lines{"C:\\Data\\"}));
}

TEST_F(TextFileTest, SafeWriteCreatesAMissingFile) {
  WriteFileSafely(fs_, path_, "new\r\n");
  EXPECT_EQ(fs_.Contents(path_), "new\r\n");
  EXPECT_FALSE(fs_.Exists(SafeWriteTempPath(path_)));
}

TEST_F(TextFileTest, SafeWriteReplacesAStaleTemporaryFile) {
  fs_.AddFile(SafeWriteTempPath(path_), "left over from a crash, and longer");
  WriteFileSafely(fs_, path_, "new\r\n");
  EXPECT_EQ(fs_.Contents(path_), "new\r\n");
  EXPECT_FALSE(fs_.Exists(SafeWriteTempPath(path_)));
}

TEST_F(TextFileTest, FailedSafeWriteKeepsThePreviousFile) {
  struct Case {
    const char* name;
    void (*inject)(platform::fake::FakeFileSystem&, const std::string& path);
    int error;
  };
  const Case cases[] = {
      {"write fails", [](auto& fs, const std::string&) { fs.FailNextWrite(runtime::kDiskFull); }, runtime::kDiskFull},
      {"close fails", [](auto& fs, const std::string&) { fs.FailNextClose(runtime::kDeviceIoError); },
       runtime::kDeviceIoError},
      {"temporary file cannot be created",
       [](auto& fs, const std::string& path) {
         fs.FailOn(SafeWriteTempPath(path), runtime::kPermissionDenied, platform::fake::FakeOperation::kOpenForWrite);
       },
       runtime::kPermissionDenied},
      {"replace fails",
       [](auto& fs, const std::string& path) {
         fs.FailOn(path, runtime::kPathFileAccessError, platform::fake::FakeOperation::kReplace);
       },
       runtime::kPathFileAccessError},
      {"target is read-only",
       [](auto& fs, const std::string& path) { fs.SetAttributes(path, platform::kAttrReadOnly); },
       runtime::kPathFileAccessError},
  };
  const Lines old = {"C:\\Jobs\\A12.dwg", "C:\\Jobs\\A13.dwg"};
  for (const auto& c : cases) {
    fs_.ClearFailures();
    if (fs_.Exists(path_)) fs_.SetAttributes(path_, platform::kAttrNormal);
    WriteLineList(fs_, path_, old);
    c.inject(fs_, path_);
    EXPECT_EQ(ErrorOf([&] { WriteLineList(fs_, path_, {"C:\\Jobs\\B.dwg"}, WriteMode::kSafe); }), c.error) << c.name;
    EXPECT_EQ(fs_.Contents(path_), LineListText(old)) << c.name;
    EXPECT_FALSE(fs_.Exists(SafeWriteTempPath(path_))) << c.name;
  }
}

}  // namespace
}  // namespace core
