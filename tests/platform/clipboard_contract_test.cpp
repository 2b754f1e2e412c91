#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "contract_env.h"

namespace {

class ClipboardContract : public testing::Test {
 protected:
  std::unique_ptr<contract::Env> env_ = contract::MakeEnv();
  platform::Clipboard& clipboard_ = env_->Clipboard();
};

TEST_F(ClipboardContract, TextReadsBackUnchanged) {
  const std::string lines = "C:\\Jobs\\A-101.dwg\r\nC:\\Jobs\\A-102.dwg\r\n";
  clipboard_.SetText(lines);
  EXPECT_EQ(clipboard_.GetText(), lines);
}

TEST_F(ClipboardContract, SettingTextReplacesTheOldText) {
  clipboard_.SetText("a much longer first text");
  clipboard_.SetText("short");
  EXPECT_EQ(clipboard_.GetText(), "short");
}

TEST_F(ClipboardContract, ClearLeavesNoText) {
  clipboard_.SetText("something");
  clipboard_.Clear();
  EXPECT_EQ(clipboard_.GetText(), "");
}

}  // namespace
