#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "contract_env.h"
#include "runtime/error.h"

namespace {

constexpr int kShowNormal = 1;

class ShellContract : public testing::Test {
 protected:
  std::unique_ptr<contract::Env> env_ = contract::MakeEnv();
  platform::Shell& shell_ = env_->Shell();
  // A program in an existing folder, and one in a folder that does not exist.
  const std::string missingFile_ = env_->Root() + "\\no such program.exe";
  const std::string missingFolder_ = env_->Root() + "\\no such folder\\program.exe";
};

TEST_F(ShellContract, ExecuteOfAMissingProgramReportsFailure) {
  EXPECT_LE(shell_.Execute(0, "", missingFile_, "", "", kShowNormal), 32);
  EXPECT_LE(shell_.Execute(0, "open", missingFolder_, "/b x.scr", env_->Root(), kShowNormal), 32);
}

int StartProcessError(platform::Shell& shell, const std::string& commandLine) {
  try {
    shell.StartProcess(commandLine, kShowNormal);
  } catch (const runtime::Error& error) {
    return error.Number();
  }
  return 0;
}

TEST_F(ShellContract, StartProcessOfAMissingProgramIsFileNotFound) {
  EXPECT_EQ(StartProcessError(shell_, "\"" + missingFile_ + "\""), runtime::kFileNotFound);
  EXPECT_EQ(StartProcessError(shell_, "\"" + missingFile_ + "\" /b \"C:\\Jobs\\batch.scr\""), runtime::kFileNotFound);
  EXPECT_EQ(StartProcessError(shell_, "\"" + missingFolder_ + "\""), runtime::kFileNotFound);
}

TEST_F(ShellContract, TheDesktopWindowIsOneFixedHandle) {
  const platform::NativeWindow desktop = shell_.DesktopWindow();
  EXPECT_NE(desktop, 0U);
  EXPECT_EQ(shell_.DesktopWindow(), desktop);
}

}  // namespace
