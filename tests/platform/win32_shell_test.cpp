#ifdef _WIN32

#include <gtest/gtest.h>

#include "contract_env.h"
#include "runtime/error.h"

namespace platform::win32 {
namespace {

class Win32ShellTest : public ::testing::Test {
 protected:
  std::unique_ptr<contract::Env> env_ = contract::MakeEnv();
  FileSystem& fs_ = env_->FileSystem();
  Shell& shell_ = env_->Shell();
};

TEST_F(Win32ShellTest, StartingAMissingProgramIsFileNotFound) {
  const std::string commandLines[] = {
      env_->Root() + "\\acad.exe /b \"C:\\Jobs\\batch.scr\"",
      "\"" + env_->Root() + "\\Missing Folder\\acad.exe\" /b",
  };
  for (const auto& line : commandLines) {
    try {
      shell_.StartProcess(line, 1);
      ADD_FAILURE() << "started " << line;
    } catch (const runtime::Error& error) {
      EXPECT_EQ(error.Number(), runtime::kFileNotFound) << line;
    }
  }
}

TEST_F(Win32ShellTest, ExecuteReportsAMissingDocumentWithTheShellsCode) {
  EXPECT_EQ(shell_.Execute(0, "open", env_->Root() + "\\Missing.txt", "", "", 0), 2);
}

TEST_F(Win32ShellTest, CopyFolderCopiesTheWholeTree) {
  std::string source = env_->Root() + "\\SCRIPTS";
  fs_.MakeFolder(source);
  fs_.MakeFolder(source + "\\Plot");
  WriteWholeFile(fs_, source + "\\purge.scr", "_-PURGE\r\n_ALL\r\n");
  WriteWholeFile(fs_, source + "\\Plot\\a3.scr", "_-PLOT\r\n");
  std::string destination = env_->Root() + "\\BACKUP 2016-07-14";

  EXPECT_EQ(shell_.CopyFolder(source, destination), 0);

  EXPECT_EQ(fs_.ReadAll(destination + "\\purge.scr"), "_-PURGE\r\n_ALL\r\n");
  EXPECT_EQ(fs_.ReadAll(destination + "\\Plot\\a3.scr"), "_-PLOT\r\n");
  EXPECT_EQ(fs_.ReadAll(source + "\\purge.scr"), "_-PURGE\r\n_ALL\r\n");
}

}  // namespace
}  // namespace platform::win32

#endif  // _WIN32
