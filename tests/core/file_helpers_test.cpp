#include "core/file_helpers.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "core/recording_messages.h"
#include "platform/fake/fake_file_system.h"
#include "runtime/error.h"

namespace core {
namespace {

using platform::kAttrArchive;
using platform::kAttrDirectory;
using platform::kAttrHidden;
using platform::kAttrReadOnly;
using platform::kAttrSystem;
using Names = std::vector<std::string>;

// A drawing folder with one file or folder of every kind the attribute filter tells apart.
class FileHelpersTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs_.AddFile(R"(C:\Jobs\A12.dwg)", "AC1032");
    fs_.AddFile(R"(C:\Jobs\B12.dwg)", "AC1032", kAttrReadOnly | kAttrArchive);
    fs_.AddFile(R"(C:\Jobs\Hidden.dwg)", "AC1032", kAttrHidden);
    fs_.AddFile(R"(C:\Jobs\Sys.dwg)", "AC1032", kAttrSystem);
    fs_.AddFolder(R"(C:\Jobs\Sub)");
    fs_.AddFolder(R"(C:\Jobs\Secret)", kAttrHidden);
    fs_.AddFolder(R"(C:\Empty)");
    fs_.AddDrive("D:", "", false);
  }

  platform::fake::FakeFileSystem fs_;
  core_test::RecordingMessages messages_;
};

TEST_F(FileHelpersTest, DirectorySearchFiltersByAttribute) {
  struct Case {
    std::string pattern;
    std::uint32_t attributes;
    Names names;
  };
  const std::vector<Case> cases = {
      {R"(C:\Jobs\*)", 0, {"A12.dwg", "B12.dwg"}},
      {R"(C:\Jobs\*)", kAttrDirectory, {"A12.dwg", "B12.dwg", "Sub"}},
      {R"(C:\Jobs\*)", kAttrDirectory | kAttrHidden, {"A12.dwg", "B12.dwg", "Hidden.dwg", "Secret", "Sub"}},
      {R"(C:\Jobs\*)",
       kAttrReadOnly | kAttrHidden | kAttrSystem | kAttrArchive,
       {"A12.dwg", "B12.dwg", "Hidden.dwg", "Sys.dwg"}},
      {R"(C:\Jobs\a12.DWG)", 0, {"A12.dwg"}},
      {R"(C:\Jobs\Sub)", 0, {}},
      {R"(C:\Jobs\)", 0, {"A12.dwg", "B12.dwg"}},
      {R"(C:\Empty\)", kAttrDirectory, {".", ".."}},
      {R"(C:\Empty\)", 0, {}},
      {R"(C:\Nowhere\*)", kAttrDirectory, {}},
      {"", kAttrDirectory, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.pattern + " attributes " + std::to_string(c.attributes));
    EXPECT_EQ(DirSearchAll(fs_, c.pattern, c.attributes), c.names);
    EXPECT_EQ(DirSearch(fs_, c.pattern, c.attributes), c.names.empty() ? "" : c.names.front());
  }
}

TEST_F(FileHelpersTest, FileOrFolderExistsAnswersMinusOneOrZero) {
  struct Case {
    std::string path;
    bool isFolder;
    int result;
  };
  const std::vector<Case> cases = {
      {R"(C:\Jobs\A12.dwg)", false, -1},
      {R"(c:\jobs\a12.DWG)", false, -1},
      {R"(C:\Jobs\*.dwg)", false, -1},
      {R"(C:\Jobs\Sub)", false, 0},
      {R"(C:\Jobs\Sub)", true, -1},
      {R"(C:\Empty\)", true, -1},
      {R"(C:\Nowhere\)", true, 0},
      {R"(C:\Jobs\Hidden.dwg)", false, 0},
      {R"(C:\Jobs\Nope.dwg)", false, 0},
      {"", false, 0},
      {"", true, 0},
      {R"(D:\A12.dwg)", false, 0},
      {R"(Q:\A12.dwg)", false, 0},
      {R"(C:\Jobs\a|b.dwg)", false, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FileOrFolderExists(fs_, c.path, c.isFolder), c.result) << c.path << " isFolder " << c.isFolder;
  }
}

TEST_F(FileHelpersTest, PathExistsComparesTheFoundNameIgnoringCase) {
  fs_.SetCurrentFolder(R"(C:\Jobs)");
  struct Case {
    std::string fullPath;
    std::string fileName;
    int result;
  };
  const std::vector<Case> cases = {
      {R"(C:\Jobs\A12.dwg)", "A12.DWG", 1},
      {R"(C:\JOBS\A12.DWG)", "a12.dwg", 1},
      {"A12.DWG", "A12.DWG", 1},
      {R"(C:\Jobs\A12.dwg)", "B12.dwg", 0},
      {R"(C:\Jobs\Nope.dwg)", "Nope.dwg", 0},
      {R"(C:\Jobs\Hidden.dwg)", "Hidden.dwg", 0},
      {R"(C:\Jobs\Sub)", "Sub", 0},
      // A missing file is never present, not even when the expected name is empty.
      {R"(C:\Jobs\Nope.dwg)", "", 0},
  };
  for (const Case& c : cases) EXPECT_EQ(Path_Exists(fs_, messages_, c.fullPath, c.fileName), c.result) << c.fullPath;
  EXPECT_TRUE(messages_.shown.empty());
}

TEST_F(FileHelpersTest, PathExistsReportsAFailingSearch) {
  fs_.FailOn(R"(C:\Jobs)", runtime::kPathFileAccessError, platform::fake::FakeOperation::kFind);

  EXPECT_EQ(Path_Exists(fs_, messages_, R"(C:\Jobs\A12.dwg)", "A12.DWG"), 0);

  ASSERT_EQ(messages_.shown.size(), 1u);
  EXPECT_EQ(messages_.shown[0].text, "Error 75 (Filename Error) A12.DWG in procedure Path_Exists of Module Module1");
  EXPECT_EQ(messages_.shown[0].title, "Tornavane for AutoCAD");
  EXPECT_EQ(messages_.shown[0].buttons, ui::MsgButtons::kOk);
}

TEST_F(FileHelpersTest, FileUnavailableIsTheLockTest) {
  struct Case {
    std::string path;
    std::optional<int> openError;  // how the exclusive open fails
    std::int16_t result;
  };
  const std::vector<Case> cases = {
      {R"(C:\Jobs\A12.dwg)", std::nullopt, 0},
      {R"(C:\Jobs\B12.dwg)", std::nullopt, 0},  // read-only but not in use
      {R"(C:\Jobs\Hidden.dwg)", std::nullopt, 0},
      {R"(C:\Jobs\Sys.dwg)", std::nullopt, 0},
      {R"(C:\Jobs\Nope.dwg)", std::nullopt, -1},
      {R"(C:\Jobs\Sub)", std::nullopt, -1},
      {R"(D:\A12.dwg)", std::nullopt, -1},
      {R"(C:\Jobs\A12.dwg)", runtime::kPermissionDenied, -1},
      {R"(C:\Jobs\A12.dwg)", runtime::kTooManyFiles, -2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    fs_.ClearFailures();
    if (c.openError) fs_.FailOn(c.path, *c.openError, platform::fake::FakeOperation::kOpenExclusive);
    EXPECT_EQ(FileUnavailable(fs_, c.path), c.result);
    if (fs_.Exists(c.path)) {
      EXPECT_FALSE(fs_.IsOpen(c.path));
    }
  }
}

TEST_F(FileHelpersTest, FileHeldOpenByAnotherProgramIsUnavailable) {
  auto held = fs_.HoldOpen(R"(C:\Jobs\A12.dwg)");
  EXPECT_EQ(FileUnavailable(fs_, R"(C:\Jobs\A12.dwg)"), -1);
  held.reset();
  EXPECT_EQ(FileUnavailable(fs_, R"(C:\Jobs\A12.dwg)"), 0);
}

TEST_F(FileHelpersTest, ListDirectoryKeepsFileSystemOrderAndNeverListsFolders) {
  fs_.AddFile(R"(C:\Jobs\0-Cover.dwg)", "AC1032");
  EXPECT_EQ(ListDirectory(fs_, R"(C:\Jobs\*.dwg)"),
            (Names{"0-Cover.dwg", "A12.dwg", "B12.dwg", "Hidden.dwg", "Sys.dwg"}));
  EXPECT_EQ(ListDirectory(fs_, R"(C:\Jobs\*)"), (Names{"0-Cover.dwg", "A12.dwg", "B12.dwg", "Hidden.dwg", "Sys.dwg"}));
}

TEST_F(FileHelpersTest, ListDirectoryGivesOneEmptyNameWhenNothingIsFound) {
  fs_.FailOn(R"(C:\Empty)", runtime::kPathFileAccessError, platform::fake::FakeOperation::kFind);
  for (const char* pattern : {R"(C:\Jobs\*.xyz)", R"(C:\Nowhere\*.dwg)", R"(C:\Empty\*)", R"(D:\*.dwg)", ""}) {
    EXPECT_EQ(ListDirectory(fs_, pattern), Names{""}) << pattern;
  }
}

TEST(FileHelpersPureTest, OddLastDigitAndReadOnlyBit) {
  const std::vector<std::pair<std::int16_t, bool>> odd = {{10, false}, {33, true},    {-7, true},     {0, false},
                                                          {1, true},   {32767, true}, {-32768, false}};
  for (auto [n, result] : odd) EXPECT_EQ(IsOdd(n), result) << n;

  const std::vector<std::pair<std::uint32_t, bool>> readOnly = {
      {0, false}, {1, true}, {32, false}, {33, true}, {39, true}};
  for (auto [attributes, result] : readOnly) EXPECT_EQ(IsReadOnlyAttribute(attributes), result) << attributes;
}

TEST(FileHelpersPureTest, StripNullsCutsAtTheFirstNul) {
  using namespace std::string_literals;
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"A12.dwg", "A12.dwg"}, {"A12.dwg\0\0\0"s, "A12.dwg"}, {"\0A12"s, ""}, {"A\0B\0"s, "A"}, {"", ""}};
  for (const auto& [text, result] : cases) EXPECT_EQ(StripNulls(text), result);
}

TEST(FileHelpersPureTest, ShortenPathKeepsBothEndsOfLongTexts) {
  const std::string tens = "0123456789";
  std::string hundred;
  for (int i = 0; i < 10; ++i) hundred += tens;
  const std::string seventy = hundred.substr(0, 70);
  const std::string ninetyThree = hundred.substr(0, 93);
  const std::string ninetyFour = hundred.substr(0, 94);

  EXPECT_EQ(ShortenPath(hundred), tens + tens + tens + tens + "01234" + "..." + "56789" + tens + tens + tens + tens);
  EXPECT_EQ(ShortenPath(ninetyFour), hundred.substr(0, 45) + "..." + ninetyFour.substr(49));
  EXPECT_EQ(ShortenPath(ninetyFour).size(), 93u);
  // Shortening never lengthens a text.
  EXPECT_EQ(ShortenPath(ninetyThree), ninetyThree);
  EXPECT_EQ(ShortenPath(seventy), seventy);
  EXPECT_EQ(ShortenPath(""), "");
}

TEST(FileHelpersPureTest, GetTextBetweenReadsAQuotedSetting) {
  struct Case {
    std::string text;
    std::string startMark;
    std::string result;
    bool complains;
  };
  const std::vector<Case> cases = {
      {R"(;SAVEAS.PREFIX="OLD-")", R"(saveas.prefix=")", "OLD-", false},
      {R"(;SAVEAS.PREFIX="OLD-)", R"(saveas.prefix=")", "", true},
      {R"(;SAVEAS.PREFIX=")", R"(saveas.prefix=")", "", true},
      {R"(;SAVEAS.PREFIX=OLD-)", R"(saveas.prefix=")", "", false},
      {R"(;SAVEAS.PREFIX="")", R"(saveas.prefix=")", "", false},
      {R"(;A="1" ;B="2")", R"(b=")", "2", false},
      {R"(;TAGS.TEMPLATE="Job 7" rest)", R"(TAGs.template=")", "Job 7", false},
      {"", R"(saveas.prefix=")", "", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    core_test::RecordingMessages messages;
    EXPECT_EQ(GetTextBetween(messages, c.text, c.startMark, "\""), c.result);
    if (c.complains) {
      ASSERT_EQ(messages.shown.size(), 1u);
      EXPECT_EQ(messages.shown[0].text, "There is an error in " + c.startMark);
      EXPECT_EQ(messages.shown[0].title, "Tornavane for AutoCAD");
      EXPECT_EQ(messages.shown[0].buttons, ui::MsgButtons::kOk);
    } else {
      EXPECT_TRUE(messages.shown.empty());
    }
  }
}

}  // namespace
}  // namespace core
