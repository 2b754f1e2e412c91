// The checks that run before any file is renamed, and the renaming itself, over the fake
// file system.

#include "filetools/file_renamer_checks.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/fake/fake_file_system.h"
#include "runtime/error.h"

namespace test {
namespace {

using filetools::RenameLine;
using filetools::RenameOutcome;

TEST(NewNameCheckTest, NamesWindowsCannotTakeAreFoundByLine) {
  struct Case {
    std::string wanted;
    bool bad;
  };
  const Case cases[] = {
      {"plan.dwg", false},
      {"", true},
      {"a?b.dwg", true},
      {"a*b.dwg", true},
      {"a<b.dwg", true},
      {"a>b.dwg", true},
      {"a|b.dwg", true},
      {"a\"b.dwg", true},
      {"a:b.dwg", true},
      {"a/b.dwg", true},
      {"a\\b.dwg", true},
      {"tab\t.dwg", true},
      {"plan.", true},
      {"plan ", true},
      {"CON", true},
      {"con.dwg", true},
      {"Lpt1 .dwg", true},
      {"COM9.txt", true},
      {"CONSOLE.dwg", false},
      {"COM10.dwg", false},
      {"..", true},
      {"CONIN$", true},
      {"conout$.dwg", true},
      {"COM\xB9.dwg", true},
      {"lpt\xB3 .txt", true},
      {"CONIN.dwg", false},
      {"COM\xB9\xB9.dwg", false},
  };
  for (const Case& c : cases) {
    std::vector<RenameLine> lines{{"C:\\R\\", "a.dwg", "b.dwg"}, {"C:\\R\\", "c.dwg", c.wanted}};
    std::optional<std::string> message = filetools::FindBadNewName(lines);
    EXPECT_EQ(message.has_value(), c.bad) << '"' << c.wanted << '"';
    if (message) {
      EXPECT_EQ(message->rfind("The new name on line 2, \"" + c.wanted + "\", cannot be used: ", 0), 0u) << *message;
    }
  }
}

TEST(NewNameCheckTest, APathTooLongForWindowsIsRefusedAndAnUnchangedLineIsNotChecked) {
  std::string folder = "C:\\" + std::string(240, 'f') + "\\";  // 244 characters
  EXPECT_FALSE(filetools::FindBadNewName({{folder, "a.dwg", std::string(11, 'n') + ".dwg"}}).has_value());
  EXPECT_TRUE(filetools::FindBadNewName({{folder, "a.dwg", std::string(12, 'n') + ".dwg"}}).has_value());
  EXPECT_FALSE(filetools::FindBadNewName({{"C:\\R\\", "same.", "same."}}).has_value());
}

TEST(CollisionTest, FullNewPathsCollideIgnoringCase) {
  struct Case {
    std::vector<RenameLine> lines;
    bool collide;
  };
  const Case cases[] = {
      {{{"C:\\R\\", "x1.dwg", "x.dwg"}, {"C:\\R\\", "x2.dwg", "X.DWG"}}, true},
      {{{"C:\\R\\", "a.dwg", "new.dwg"}, {"C:\\S\\", "a.dwg", "new.dwg"}}, false},
      {{{"C:\\R\\", "a.dwg", "b.dwg"}, {"C:\\R\\", "b.dwg", "b.dwg"}}, true},
      {{{"C:\\R\\", "a.dwg", "b.dwg"}, {"C:\\R\\", "b.dwg", "a.dwg"}}, false},
      {{}, false},
  };
  for (const Case& c : cases) EXPECT_EQ(filetools::HasCollidingTargets(c.lines), c.collide);
}

// The fake file system with one extra step: a file appears just before the first rename,
// as another program might create it between the checks and the renaming.
class AppearingTarget : public platform::fake::FakeFileSystem {
 public:
  std::function<void()> beforeRename;
  void Rename(const std::string& from, const std::string& to) override {
    if (beforeRename) std::exchange(beforeRename, nullptr)();
    FakeFileSystem::Rename(from, to);
  }
};

class RenameRunTest : public ::testing::Test {
 protected:
  RenameRunTest() {
    fs.AddFolder("C:\\R");
    for (const char* name : {"a.dwg", "b.dwg", "c.dwg"}) fs.AddFile(std::string("C:\\R\\") + name, name);
  }
  filetools::RenameRun Run(const std::vector<RenameLine>& lines) {
    return filetools::RenameChangedFiles(fs, lines, [this](const std::string& text) { notices.push_back(text); });
  }

  AppearingTarget fs;
  std::vector<std::string> notices;
};

TEST_F(RenameRunTest, ALockedOrMissingFileIsReportedAndTheOthersAreRenamed) {
  auto held = fs.HoldOpen("C:\\R\\b.dwg");
  filetools::RenameRun run = Run({{"C:\\R\\", "a.dwg", "1.dwg"},
                                  {"C:\\R\\", "b.dwg", "2.dwg"},
                                  {"C:\\R\\", "gone.dwg", "3.dwg"},
                                  {"C:\\R\\", "c.dwg", "c.dwg"}});
  EXPECT_EQ(run.outcomes, (std::vector<RenameOutcome>{RenameOutcome::kRenamed, RenameOutcome::kLocked,
                                                      RenameOutcome::kMissing, RenameOutcome::kUnchanged}));
  EXPECT_FALSE(run.stop.has_value());
  EXPECT_TRUE(run.LeftUnrenamed());
  EXPECT_EQ(notices,
            (std::vector<std::string>{"The file\r\nb.dwg\r\nwas not able to be renamed due to the file being locked.",
                                      "The file\r\ngone.dwg\r\nin the source list, was not found."}));
  EXPECT_EQ(fs.Contents("C:\\R\\1.dwg"), "a.dwg");
  EXPECT_EQ(fs.Contents("C:\\R\\b.dwg"), "b.dwg");
  EXPECT_EQ(fs.Contents("C:\\R\\c.dwg"), "c.dwg");
}

TEST_F(RenameRunTest, ATargetThatAppearsAfterTheChecksIsNeverReplaced) {
  fs.beforeRename = [this] { fs.AddFile("C:\\R\\2.dwg", "someone else's"); };
  filetools::RenameRun run =
      Run({{"C:\\R\\", "a.dwg", "1.dwg"}, {"C:\\R\\", "b.dwg", "2.dwg"}, {"C:\\R\\", "c.dwg", "3.dwg"}});
  EXPECT_EQ(run.outcomes,
            (std::vector<RenameOutcome>{RenameOutcome::kRenamed, RenameOutcome::kNotTried, RenameOutcome::kNotTried}));
  EXPECT_EQ(run.stop, "Error 58 (File already exists)");
  EXPECT_TRUE(notices.empty());
  EXPECT_EQ(fs.Contents("C:\\R\\2.dwg"), "someone else's");
  EXPECT_EQ(fs.Contents("C:\\R\\b.dwg"), "b.dwg");
  EXPECT_EQ(fs.Contents("C:\\R\\c.dwg"), "c.dwg");
}

TEST_F(RenameRunTest, NothingChangedRenamesNothing) {
  filetools::RenameRun run = Run({{"C:\\R\\", "a.dwg", "a.dwg"}});
  EXPECT_FALSE(run.LeftUnrenamed());
  EXPECT_EQ(fs.AllPaths(), (std::vector<std::string>{"C:\\R\\", "C:\\R\\a.dwg", "C:\\R\\b.dwg", "C:\\R\\c.dwg"}));
}

}  // namespace
}  // namespace test
