#include "core/launch.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "core/recording_messages.h"
#include "platform/fake/fake_file_system.h"
#include "platform/fake/fake_shell.h"

namespace core {
namespace {

using platform::fake::FakeShell;

constexpr int kShowNormal = 1;
constexpr std::intptr_t kAccessDenied = 5;

class LaunchTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs_.AddFolder(R"(C:\Work)");
    fs_.SetCurrentFolder(R"(C:\Work)");
  }

  platform::fake::FakeFileSystem fs_;
  core_test::RecordingMessages messages_;
};

struct SplitCase {
  std::string commandLine;
  std::optional<std::string> workingFolder;
  std::string program;
  std::string parameters;
  std::string folder;
};

TEST_F(LaunchTest, SplitsTheCommandLineForTheShell) {
  const std::vector<SplitCase> cases = {
      {R"("C:\Program Files\Acad\acad.exe" /b "C:\Jobs\batch.scr")", std::nullopt, R"(C:\Program Files\Acad\acad.exe)",
       R"(/b "C:\Jobs\batch.scr")", R"(C:\Program Files\Acad)"},
      {R"(notepad.exe C:\Jobs\batch.scr)", std::nullopt, "notepad.exe", R"(C:\Jobs\batch.scr)", R"(C:\Work)"},
      {R"("C:\Acad\acad.exe"/b)", std::nullopt, R"(C:\Acad\acad.exe)", "/b", R"(C:\Acad)"},
      {R"(C:\tool.exe)", std::nullopt, R"(C:\tool.exe)", "", R"(C:\)"},
      {R"(\tool.exe /x)", std::nullopt, R"(\tool.exe)", "/x", R"(\)"},
      {"notepad.exe    a.txt", std::nullopt, "notepad.exe", "a.txt", R"(C:\Work)"},
      {"explorer.exe", std::nullopt, "explorer.exe", "", R"(C:\Work)"},
      {R"("C:\Program Files\x.exe /b)", std::nullopt, R"("C:\Program Files\x.exe /b)", "", R"("C:\Program Files)"},
      {R"(C:\Tools\ed.exe a.txt)", R"(D:\Docs)", R"(C:\Tools\ed.exe)", "a.txt", R"(D:\Docs)"},
  };
  for (const SplitCase& c : cases) {
    SCOPED_TRACE(c.commandLine);
    FakeShell shell;
    EXPECT_EQ(LaunchProgram(shell, fs_, messages_, c.commandLine, kShowNormal, c.workingFolder), 42);
    ASSERT_EQ(shell.executeCalls.size(), 1u);
    EXPECT_EQ(shell.executeCalls[0], (FakeShell::ExecuteCall{0, "", c.program, c.parameters, c.folder, kShowNormal}));
    EXPECT_TRUE(shell.processCalls.empty());
  }
  EXPECT_TRUE(messages_.shown.empty());
}

TEST_F(LaunchTest, RefusedShellStartsTheOriginalCommandLineDirectly) {
  const std::vector<std::string> lines = {
      R"("C:\Program Files\Acad\acad.exe" /b "C:\Jobs\batch.scr")",
      R"(notepad.exe C:\Jobs\batch.scr)",
      R"("C:\Acad\acad.exe"/b)",
  };
  for (const std::string& line : lines) {
    SCOPED_TRACE(line);
    FakeShell shell;
    shell.executeResult = kAccessDenied;
    EXPECT_EQ(LaunchProgram(shell, fs_, messages_, line, 3), kAccessDenied);
    EXPECT_EQ(shell.processCalls, (std::vector<FakeShell::ProcessCall>{{line, 3}}));
  }
  EXPECT_TRUE(messages_.shown.empty());
}

TEST_F(LaunchTest, MissingProgramAsksTheUserToCheckTheSettings) {
  FakeShell shell(fs_);
  const std::string line = R"("C:\Acad\acad.exe" /b "C:\Jobs\batch.scr")";

  EXPECT_EQ(LaunchProgram(shell, fs_, messages_, line, kShowNormal), 2);

  EXPECT_EQ(shell.processCalls.size(), 1u);
  ASSERT_EQ(messages_.shown.size(), 1u);
  EXPECT_EQ(messages_.shown[0].title, "Oops");
  EXPECT_EQ(messages_.shown[0].text, R"( "C:\ACAD\ACAD.EXE" /B "C:\JOBS\BATCH.SCR" string is incorrect...)"
                                     "\r Please check your settings (under the 'Tools -> Options' menu) or contact "
                                     "support@tornavane.example.");
  EXPECT_EQ(messages_.shown[0].buttons, ui::MsgButtons::kOk);
}

TEST_F(LaunchTest, OpenWithShellUsesANormalWindowAndIgnoresFailures) {
  FakeShell shell(fs_);
  OpenWithShell(shell, 77, "https://tornavane.example/help");
  OpenWithShell(shell, 77, R"(C:\Missing\Readme.txt)");

  EXPECT_EQ(shell.executeCalls, (std::vector<FakeShell::ExecuteCall>{
                                    {77, "open", "https://tornavane.example/help", "", "", kShowNormal},
                                    {77, "open", R"(C:\Missing\Readme.txt)", "", "", kShowNormal},
                                }));
  EXPECT_TRUE(shell.processCalls.empty());
}

TEST_F(LaunchTest, ShellFileCopyHandsBothFoldersToTheShell) {
  FakeShell shell;
  shell.copyFolderResult = 1223;  // cancelled by the user: not reported
  ShellFileCopy(shell, R"(C:\Program Files\Tornavane\SCRIPTS\)", R"(C:\Program Files\Tornavane\BACKUP\2024-05-01)");
  EXPECT_EQ(shell.copyCalls, (std::vector<FakeShell::CopyCall>{{R"(C:\Program Files\Tornavane\SCRIPTS\)",
                                                                R"(C:\Program Files\Tornavane\BACKUP\2024-05-01)"}}));
}

}  // namespace
}  // namespace core
