#include "app/settings_table.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "platform/fake/fake_settings_store.h"
#include "runtime/error.h"

namespace {

using app::Binding;
using core::SettingsModel;

class StoreBindingsTest : public ::testing::Test {
 protected:
  void Read(const std::string& key) { core::ReadBinding(store, Binding(key), model); }
  int ReadError(const std::string& key) {
    try {
      Read(key);
    } catch (const runtime::Error& error) {
      return error.Number();
    }
    return 0;
  }

  platform::fake::FakeSettingsStore store;
  SettingsModel model;
};

TEST_F(StoreBindingsTest, AnEmptyStoreGivesEveryFieldItsDefault) {
  for (const app::SettingRow& binding : app::SettingRows()) core::ReadBinding(store, binding, model);
  EXPECT_EQ(model.LeftCoord, 520);
  EXPECT_EQ(model.TopCoord, 520);
  EXPECT_EQ(model.FormHeight, 10128);
  EXPECT_EQ(model.FormWidth, 13084);
  EXPECT_EQ(model.HDividerTop, 3600);
  EXPECT_EQ(model.PreBatch, "_SDI 1");
  EXPECT_EQ(model.PreUserScript, "ZOOM E");
  EXPECT_EQ(model.PostBatch, "_SDI 0");
  EXPECT_EQ(model.SaveAsType, "Don't Change");
  EXPECT_EQ(model.SaveAsOriginalLocation, -1);
  EXPECT_EQ(model.OverWriteFiles, 1);
  EXPECT_EQ(model.SCRIPTSPathOption, 0);
  EXPECT_EQ(model.SourcePath, "C:\\");
  EXPECT_EQ(model.TextEditor, "notepad.exe");
  EXPECT_EQ(model.Delay, "2000");
  EXPECT_EQ(model.ResourceFileLimit, 5);
  EXPECT_EQ(model.TipsShow, 1);
  EXPECT_EQ(model.DWGPreviewShow, 1);
  EXPECT_EQ(model.COUNTERSTART, 1);
  EXPECT_EQ(model.PADDIGITS, 2);
  EXPECT_EQ(model.FIRSTFILECHARS, "4");
  EXPECT_EQ(model.LoadOpen, 2);
  EXPECT_EQ(model.OpenOther, "_OPEN");
  EXPECT_EQ(model.TAG[0], "GADGETS && CO.");
  EXPECT_EQ(model.TAG[5], "B. CHECKER");
  EXPECT_EQ(model.TAG[6], "");
  EXPECT_EQ(model.TAG[49], "");
  EXPECT_TRUE(store.Entries().empty());
}

TEST_F(StoreBindingsTest, EveryKeyIsBoundOnce) {
  std::set<std::string> seen;
  for (const app::SettingRow& binding : app::SettingRows()) {
    EXPECT_TRUE(seen.insert(std::string(binding.section) + "\\" + std::string(binding.key)).second) << binding.key;
  }
  EXPECT_THROW(Binding("NoSuchKey"), std::out_of_range);
}

struct ConversionCase {
  const char* key;
  const char* stored;
  int error;  // 0 when it converts
};

class StoreConversionTest : public StoreBindingsTest, public ::testing::WithParamInterface<ConversionCase> {};

TEST_P(StoreConversionTest, ConvertsByTheFieldsType) {
  const ConversionCase& c = GetParam();
  const core::StoreBinding& binding = Binding(c.key);
  store.Write(std::string(binding.application), std::string(binding.section), c.key, c.stored);
  EXPECT_EQ(ReadError(c.key), c.error) << c.key << " = " << c.stored;
}

INSTANTIATE_TEST_SUITE_P(Values, StoreConversionTest,
                         ::testing::Values(ConversionCase{"Left", "1440", 0}, ConversionCase{"Left", "abc", 13},
                                           ConversionCase{"Left", "", 13}, ConversionCase{"Left", "99999", 6},
                                           ConversionCase{"CounterStart", "70000", 0},
                                           ConversionCase{"CounterStart", "3000000000", 6},
                                           ConversionCase{"Counter", "1234", 0}, ConversionCase{"Counter", "x", 13},
                                           ConversionCase{"SCRIPTSPathOption", "True", 0},
                                           ConversionCase{"SCRIPTSPathOption", "maybe", 13},
                                           ConversionCase{"Initialize", "anything at all", 0}));

TEST_F(StoreBindingsTest, AFailedReadLeavesTheFieldAsItWas) {
  model.LeftCoord = 77;
  store.Write("TornavanePowerTool", "Startup", "Left", "abc");
  EXPECT_EQ(ReadError("Left"), 13);
  EXPECT_EQ(model.LeftCoord, 77);
}

// Earlier versions also wrote the key as "SCRiptsPathOption"; the store's names ignore case.
TEST_F(StoreBindingsTest, TheScriptsFolderChoiceTakesTheWordsOrANumberUnderEitherSpelling) {
  for (auto [stored, expected] : {std::pair{"True", -1}, {"false", 0}, {"TRUE", -1}, {"1", -1}, {"0", 0}}) {
    store.Write("TornavanePowerTool", "Paths", "SCRiptsPathOption", stored);
    Read("SCRIPTSPathOption");
    EXPECT_EQ(model.SCRIPTSPathOption, expected) << stored;
  }
}

TEST_F(StoreBindingsTest, ReadsThroughTheOtherSpellingsOfTheSameNames) {
  store.Write("TornavanePowerTool", "Startup", "TipsShow", "0");
  store.Write("TornavanePowerTool", "Paths", "DWGOutFolder", "D:\\Out\\");
  Read("TipsShow");
  Read("DWGOutFolder");
  EXPECT_EQ(model.TipsShow, 0);
  EXPECT_EQ(model.DWGOutFolder, "D:\\Out\\");
  EXPECT_EQ(Binding("TipsShow").application, "TornavanePowertool");
}

TEST_F(StoreBindingsTest, WritesNumbersAsDecimalTextUnderTheProgramsName) {
  model.SaveAsOriginalLocation = -1;
  model.TotalFilesProcessed = 1234;
  model.TAG[2] = "MODEL-C";
  core::WriteBinding(store, Binding("SaveAsOriginalLocation"), model);
  core::WriteBinding(store, Binding("Counter"), model);
  core::WriteBinding(store, Binding("TAG3"), model);
  core::WriteBinding(store, Binding("TipsShow"), model);
  using Entry = platform::fake::FakeSettingsStore::Entry;
  EXPECT_EQ(store.Entries(), (std::vector<Entry>{{"TornavanePowerTool", "Startup", "SaveAsOriginalLocation", "-1"},
                                                 {"TornavanePowerTool", "Startup", "Counter", "1234"},
                                                 {"TornavanePowerTool", "UserTags", "TAG3", "MODEL-C"},
                                                 {"TornavanePowerTool", "Startup", "TipsShow", "0"}}));
}

}  // namespace
