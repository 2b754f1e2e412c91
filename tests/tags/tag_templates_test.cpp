#include "tags/tag_templates.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/text_file.h"
#include "platform/fake/fake_file_system.h"
#include "runtime/error.h"
#include "user_tags_fixture.h"

namespace tags_test {
namespace {

using tags::TemplateValues;

class TagTemplateFileTest : public ::testing::Test {
 protected:
  TagTemplateFileTest() { fs.AddFolder("C:\\DATA"); }

  int ErrorOf(const std::function<void()>& action) {
    try {
      action();
    } catch (const runtime::Error& error) {
      return error.Number();
    }
    return 0;
  }

  platform::fake::FakeFileSystem fs;
  const std::string path = "C:\\DATA\\SITE PLANS.TAG";
};

TEST(TemplateFileNameTest, IsTheNameAsTypedWithTheExtension) {
  EXPECT_EQ(tags::TemplateFileName("Site plans"), "Site plans.TAG");
  EXPECT_EQ(tags::TemplateFileName(""), ".TAG");
}

TEST_F(TagTemplateFileTest, WritesFiftyLinesEachEndedByCrLf) {
  tags::WriteTemplate(fs, path, GoldenValues());
  EXPECT_EQ(fs.Contents(path), GoldenTemplate());
}

TEST_F(TagTemplateFileTest, WritesEmptyTagsAsEmptyLines) {
  tags::WriteTemplate(fs, path, TemplateValues{});
  std::string expected;
  for (int n = 0; n < 50; ++n) expected += "\r\n";
  EXPECT_EQ(fs.Contents(path), expected);
}

TEST_F(TagTemplateFileTest, SavingAgainOverwritesTheFileWhole) {
  fs.AddFile(path, std::string(5000, 'x'));
  tags::WriteTemplate(fs, path, GoldenValues());
  EXPECT_EQ(fs.Contents(path), GoldenTemplate());
}

TEST_F(TagTemplateFileTest, AFailedWriteLeavesTheTemplateThatWasThereWhole) {
  fs.AddFile(path, GoldenTemplate());
  fs.FailNextWrite(runtime::kDiskFull);
  EXPECT_EQ(ErrorOf([&] { tags::WriteTemplate(fs, path, TemplateValues{}); }), runtime::kDiskFull);
  EXPECT_EQ(fs.Contents(path), GoldenTemplate());
  EXPECT_FALSE(fs.Exists(core::SafeWriteTempPath(path)));
}

TEST_F(TagTemplateFileTest, AMissingFolderIsPathNotFound) {
  EXPECT_EQ(ErrorOf([&] { tags::WriteTemplate(fs, "C:\\NONE\\A.TAG", TemplateValues{}); }), runtime::kPathNotFound);
}

TEST_F(TagTemplateFileTest, ReadsBackWhatWasWritten) {
  tags::WriteTemplate(fs, path, GoldenValues());
  const TemplateValues golden = GoldenValues();
  EXPECT_EQ(tags::ReadTemplate(fs, path), std::vector<std::string>(golden.begin(), golden.end()));
}

TEST_F(TagTemplateFileTest, ReadsAtMostFiftyLinesAndNoMoreThanTheFileHas) {
  struct Case {
    std::string bytes;
    std::vector<std::string> values;
  };
  std::string longFile;
  std::vector<std::string> firstFifty;
  for (int n = 1; n <= 52; ++n) {
    longFile += "T" + std::to_string(n) + "\r\n";
    if (n <= 50) firstFifty.push_back("T" + std::to_string(n));
  }
  const Case cases[] = {
      {"", {}},
      {"A\r\nB\r\nC\r\n", {"A", "B", "C"}},
      {"A\r\n\r\nC", {"A", "", "C"}},
      {"A\nB\rC\r\n", {"A", "B", "C"}},
      {longFile, firstFifty},
  };
  for (const Case& c : cases) {
    fs.AddFile(path, c.bytes);
    EXPECT_EQ(tags::ReadTemplate(fs, path), c.values) << c.bytes;
    EXPECT_FALSE(fs.IsOpen(path));
  }
}

TEST_F(TagTemplateFileTest, ReadingAMissingTemplateIsFileNotFound) {
  EXPECT_EQ(ErrorOf([&] { tags::ReadTemplate(fs, path); }), runtime::kFileNotFound);
}

TEST_F(TagTemplateFileTest, TheLockIsTheReadOnlyAttribute) {
  fs.AddFile(path, GoldenTemplate(), platform::kAttrArchive);
  EXPECT_FALSE(tags::IsTemplateLocked(fs, path));
  tags::SetTemplateLocked(fs, path, true);
  EXPECT_EQ(fs.GetAttributes(path), platform::kAttrArchive | platform::kAttrReadOnly);
  EXPECT_TRUE(tags::IsTemplateLocked(fs, path));
  EXPECT_EQ(tags::ReadTemplate(fs, path).size(), 50U);
  tags::SetTemplateLocked(fs, path, false);
  EXPECT_EQ(fs.GetAttributes(path), platform::kAttrNormal);
  EXPECT_FALSE(tags::IsTemplateLocked(fs, path));
}

TEST_F(TagTemplateFileTest, ALockedTemplateCannotBeWrittenOver) {
  fs.AddFile(path, GoldenTemplate(), platform::kAttrReadOnly);
  EXPECT_NE(ErrorOf([&] { tags::WriteTemplate(fs, path, TemplateValues{}); }), 0);
  EXPECT_EQ(fs.Contents(path), GoldenTemplate());
  EXPECT_FALSE(fs.Exists(core::SafeWriteTempPath(path)));
}

TEST_F(TagTemplateFileTest, LockingAMissingTemplateFails) {
  EXPECT_EQ(ErrorOf([&] { tags::SetTemplateLocked(fs, path, true); }), runtime::kFileNotFound);
  EXPECT_EQ(ErrorOf([&] { tags::SetTemplateLocked(fs, path, false); }), runtime::kFileNotFound);
}

TEST(TemplateNameTest, RefusesEmptyNamesAndCharactersWindowsRefuses) {
  using tags::TemplateNameFault;
  struct Case {
    const char* name;
    TemplateNameFault fault;
  };
  const Case cases[] = {
      {"Site plans", TemplateNameFault::kNone},
      {"A-1 (rev.2)", TemplateNameFault::kNone},
      {"", TemplateNameFault::kEmpty},
      {"a\\b", TemplateNameFault::kForbiddenCharacter},
      {"a/b", TemplateNameFault::kForbiddenCharacter},
      {"C:", TemplateNameFault::kForbiddenCharacter},
      {"*", TemplateNameFault::kForbiddenCharacter},
      {"why?", TemplateNameFault::kForbiddenCharacter},
      {"<a>", TemplateNameFault::kForbiddenCharacter},
      {"a|b", TemplateNameFault::kForbiddenCharacter},
  };
  for (const Case& c : cases) EXPECT_EQ(tags::CheckTemplateName(c.name), c.fault) << c.name;
}

}  // namespace
}  // namespace tags_test
