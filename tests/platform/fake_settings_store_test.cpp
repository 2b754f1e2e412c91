#include "platform/fake/fake_settings_store.h"

#include <gtest/gtest.h>

#include <vector>

namespace platform::fake {
namespace {

using Entry = FakeSettingsStore::Entry;

TEST(FakeSettingsStoreTest, NamesKeepTheSpellingTheyWereFirstWrittenWith) {
  FakeSettingsStore store;
  store.Write("TornavanePowerTool", "Startup", "SCRIPTSPathOption", "1");
  store.Write("TORNAVANEPOWERTOOL", "STARTUP", "scriptspathoption", "2");
  store.Write("tornavanepowertool", "startup", "NewKey", "3");
  store.Write("TORNAVANEPOWERTOOL", "Recent", "File1", "4");

  EXPECT_EQ(store.Entries(), (std::vector<Entry>{{"TornavanePowerTool", "Startup", "SCRIPTSPathOption", "2"},
                                                 {"TornavanePowerTool", "Startup", "NewKey", "3"},
                                                 {"TornavanePowerTool", "Recent", "File1", "4"}}));
}

TEST(FakeSettingsStoreTest, ApplicationsAreKeptApart) {
  FakeSettingsStore store;
  store.Write("TornavanePowerTool", "Startup", "Key", "mine");
  store.Write("OtherTool", "Startup", "Key", "theirs");
  store.DeleteSection("OtherTool", "Startup");
  EXPECT_EQ(store.Entries(), (std::vector<Entry>{{"TornavanePowerTool", "Startup", "Key", "mine"}}));
}

}  // namespace
}  // namespace platform::fake
