#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "contract_env.h"
#include "runtime/text.h"

namespace {

using Pairs = std::vector<std::pair<std::string, std::string>>;

class SettingsStoreContract : public testing::Test {
 protected:
  std::unique_ptr<contract::Env> env_ = contract::MakeEnv();
  platform::SettingsStore& store_ = env_->Settings();
  const std::string app_ = env_->SettingsApplication();
};

TEST_F(SettingsStoreContract, WrittenValuesReadBack) {
  store_.Write(app_, "Startup", "ScriptsPath", "C:\\Program Files\\Tornavane\\SCRIPTS\\");
  store_.Write(app_, "Startup", "Blank", "");
  store_.Write(app_, "Startup", "Spaces", "  two  blanks  ");
  EXPECT_EQ(store_.Read(app_, "Startup", "ScriptsPath"), "C:\\Program Files\\Tornavane\\SCRIPTS\\");
  EXPECT_EQ(store_.Read(app_, "Startup", "Blank"), "");
  EXPECT_EQ(store_.Read(app_, "Startup", "Spaces"), "  two  blanks  ");
  EXPECT_EQ(store_.Get(app_, "Startup", "ScriptsPath", "default"), "C:\\Program Files\\Tornavane\\SCRIPTS\\");
}

TEST_F(SettingsStoreContract, LongValuesReadBackWhole) {
  std::string value(5000, 'x');
  value += "end";
  store_.Write(app_, "Data", "Long", value);
  EXPECT_EQ(store_.Read(app_, "Data", "Long"), value);
}

TEST_F(SettingsStoreContract, WritingAgainReplacesTheValue) {
  store_.Write(app_, "Startup", "Counter", "1");
  store_.Write(app_, "Startup", "Counter", "2");
  EXPECT_EQ(store_.Read(app_, "Startup", "Counter"), "2");
  EXPECT_EQ(store_.ReadSection(app_, "Startup"), (Pairs{{"Counter", "2"}}));
}

TEST_F(SettingsStoreContract, MissingKeysAndSectionsGiveNothing) {
  EXPECT_EQ(store_.Read(app_, "NoSuchSection", "Key"), std::nullopt);
  EXPECT_EQ(store_.Get(app_, "NoSuchSection", "Key", "fallback"), "fallback");
  store_.Write(app_, "Startup", "Present", "1");
  EXPECT_EQ(store_.Read(app_, "Startup", "Absent"), std::nullopt);
  EXPECT_EQ(store_.Get(app_, "Startup", "Absent", "fallback"), "fallback");
  EXPECT_TRUE(store_.ReadSection(app_, "NoSuchSection").empty());
}

TEST_F(SettingsStoreContract, NamesAreComparedWithoutRegardToCase) {
  store_.Write(app_, "Startup", "SCRIPTSPathOption", "1");
  EXPECT_EQ(store_.Read(runtime::UpperCase(app_), "STARTUP", "SCRiptsPathOption"), "1");
  EXPECT_EQ(store_.Read(runtime::LowerCase(app_), "startup", "scriptspathoption"), "1");

  store_.Write(runtime::LowerCase(app_), "sTaRtUp", "scriptspathoption", "2");
  EXPECT_EQ(store_.Read(app_, "Startup", "SCRIPTSPathOption"), "2");
  EXPECT_EQ(store_.ReadSection(app_, "STARTUP").size(), 1u);
}

TEST_F(SettingsStoreContract, DeleteSectionRemovesItsKeysAndKeepsOtherSections) {
  store_.Write(app_, "Recent", "File1", "a");
  store_.Write(app_, "Recent", "File2", "b");
  store_.Write(app_, "Startup", "Kept", "yes");

  store_.DeleteSection(app_, "RECENT");

  EXPECT_EQ(store_.Read(app_, "Recent", "File1"), std::nullopt);
  EXPECT_EQ(store_.Read(app_, "Recent", "File2"), std::nullopt);
  EXPECT_TRUE(store_.ReadSection(app_, "Recent").empty());
  EXPECT_EQ(store_.Read(app_, "Startup", "Kept"), "yes");

  store_.Write(app_, "Recent", "File1", "again");
  EXPECT_EQ(store_.ReadSection(app_, "Recent"), (Pairs{{"File1", "again"}}));
}

TEST_F(SettingsStoreContract, DeletingAMissingSectionIsNoError) {
  EXPECT_NO_THROW(store_.DeleteSection(app_, "NeverWritten"));
  store_.Write(app_, "Startup", "Kept", "yes");
  EXPECT_NO_THROW(store_.DeleteSection(app_, "NeverWritten"));
  EXPECT_EQ(store_.Read(app_, "Startup", "Kept"), "yes");
}

TEST_F(SettingsStoreContract, DeleteKeyRemovesOnlyThatKey) {
  store_.Write(app_, "Startup", "First", "1");
  store_.Write(app_, "Startup", "Second", "2");
  store_.DeleteKey(app_, "startup", "FIRST");
  EXPECT_EQ(store_.Read(app_, "Startup", "First"), std::nullopt);
  EXPECT_EQ(store_.ReadSection(app_, "Startup"), (Pairs{{"Second", "2"}}));
}

// Written in name order, so that the order holds whether the store keeps keys in the order
// they were made (Windows) or sorted by name (Wine).
TEST_F(SettingsStoreContract, ReadSectionGivesEveryKeyOfTheSectionInStoreOrder) {
  store_.Write(app_, "Tags", "Alpha", "1");
  store_.Write(app_, "Tags", "Bravo", "2");
  store_.Write(app_, "Tags", "Charlie", "3");
  store_.Write(app_, "Other", "Delta", "4");
  store_.Write(app_, "Tags", "Alpha", "one");
  EXPECT_EQ(store_.ReadSection(app_, "tags"), (Pairs{{"Alpha", "one"}, {"Bravo", "2"}, {"Charlie", "3"}}));
}

}  // namespace
