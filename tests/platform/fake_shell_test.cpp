#include "platform/fake/fake_shell.h"

#include <gtest/gtest.h>

#include <vector>

#include "runtime/error.h"

namespace platform::fake {
namespace {

using ExecuteCall = FakeShell::ExecuteCall;
using ProcessCall = FakeShell::ProcessCall;
using CopyCall = FakeShell::CopyCall;

int StartProcessError(FakeShell& shell, const std::string& commandLine) {
  try {
    shell.StartProcess(commandLine, 1);
  } catch (const runtime::Error& error) {
    return error.Number();
  }
  return 0;
}

TEST(FakeShellTest, RecordsEveryCallInOrder) {
  FakeShell shell;
  EXPECT_EQ(shell.Execute(7, "open", "C:\\Jobs\\readme.txt", "", "", 0), 42);
  shell.executeResult = 33;
  EXPECT_EQ(shell.Execute(0, "", "notepad.exe", "C:\\Jobs\\a.scr", "C:\\Jobs", 1), 33);
  shell.StartProcess("\"C:\\Acad\\acad.exe\" /b \"C:\\Jobs\\batch.scr\"", 1);
  EXPECT_EQ(shell.CopyFolder("C:\\T\\SCRIPTS", "C:\\T\\BACKUP\\1"), 0);
  shell.copyFolderResult = 1223;
  EXPECT_EQ(shell.CopyFolder("C:\\A", "C:\\B"), 1223);

  EXPECT_EQ(shell.executeCalls, (std::vector<ExecuteCall>{{7, "open", "C:\\Jobs\\readme.txt", "", "", 0},
                                                          {0, "", "notepad.exe", "C:\\Jobs\\a.scr", "C:\\Jobs", 1}}));
  EXPECT_EQ(shell.processCalls, (std::vector<ProcessCall>{{"\"C:\\Acad\\acad.exe\" /b \"C:\\Jobs\\batch.scr\"", 1}}));
  EXPECT_EQ(shell.copyCalls, (std::vector<CopyCall>{{"C:\\T\\SCRIPTS", "C:\\T\\BACKUP\\1"}, {"C:\\A", "C:\\B"}}));
}

TEST(FakeShellTest, ListedProgramsAreMissingWhateverTheirCase) {
  FakeShell shell;
  shell.missingPrograms = {"C:\\Acad\\acad.exe"};
  EXPECT_EQ(shell.Execute(0, "", "c:\\ACAD\\Acad.exe", "", "", 1), 2);
  EXPECT_EQ(StartProcessError(shell, "\"C:\\ACAD\\acad.exe\" /b \"x.scr\""), runtime::kFileNotFound);
  EXPECT_EQ(StartProcessError(shell, "  C:\\Acad\\acad.exe /b x.scr"), runtime::kFileNotFound);
  EXPECT_EQ(StartProcessError(shell, "\"C:\\Acad\\acad2.exe\""), 0);
  // Failed starts are recorded as well.
  EXPECT_EQ(shell.processCalls.size(), 3u);
}

TEST(FakeShellTest, StartProcessCanBeMadeToFail) {
  FakeShell shell;
  shell.startProcessFails = true;
  EXPECT_EQ(StartProcessError(shell, "notepad.exe"), runtime::kFileNotFound);
  EXPECT_EQ(shell.processCalls, (std::vector<ProcessCall>{{"notepad.exe", 1}}));
}

}  // namespace
}  // namespace platform::fake
