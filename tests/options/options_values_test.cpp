#include "options/options_values.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "options/tips_file.h"

namespace options {
namespace {

constexpr const char* kProgram = "C:\\Program Files\\Tornavane";

struct NumberCase {
  const char* text;
  bool delayOk;
  bool limitOk;
};

TEST(OptionsValuesTest, NumberBoxesTakeOnlyWholeNumbersInRange) {
  const NumberCase cases[] = {
      {"", true, true},
      {"   ", true, true},
      {"0", true, false},
      {"1", true, true},
      {"2000", true, true},
      {" 500 ", true, true},
      {"007", true, true},
      {"32767", true, true},
      {"32768", false, false},
      {"-5", false, false},
      {"1.5", false, false},
      {"1e3", false, false},
      {"abc", false, false},
      {"12x", false, false},
      {"+3", false, false},
      {"1 000", false, false},
      {"99999999999999999999", false, false},
  };
  for (const NumberCase& c : cases) {
    EXPECT_EQ(IsValidDelay(c.text), c.delayOk) << '"' << c.text << '"';
    EXPECT_EQ(IsValidFileLimit(c.text), c.limitOk) << '"' << c.text << '"';
  }
  EXPECT_EQ(ParseWholeNumber(" 007 ", 0, 10), 7);
}

OptionsInput SampleInput() {
  OptionsInput input;
  input.normalOutput = false;
  input.otherScriptsFolder = true;
  input.normalPath = "C:\\ACAD\\SUPPORT\\tornavane.scr";
  input.altPath = "N:\\SCRIPTS\\tornavane.scr";
  input.autoCadExe = "C:\\ACAD\\acad.exe";
  input.switches = "/p \"f:\\extra\\ed-map.arg\"";
  input.scriptDir = "D:\\Scripts";
  input.textEditor = "notepad.exe";
  input.delay = "500";
  input.resourceFileLimit = "12";
  input.openOther = "_OPEN";
  input.loadOpen = 1;
  input.sortType = 2;
  input.lt = 1;
  input.launchEditor = 1;
  input.showPreview = 1;
  input.metaEnable = 1;
  input.warnBlankLine = 1;
  input.verifyFiles = 1;
  input.warnFolderNotExist = 2;  // greyed counts as not ticked in the store
  return input;
}

TEST(OptionsValuesTest, StoresChecksAsOneOrZeroGroupsAsIndexesAndTheScriptsChoiceAsAWord) {
  std::vector<StoreEntry> entries = OptionsStoreEntries(SampleInput(), kProgram);
  std::vector<StoreEntry> expected = {
      {"Startup", "AutoLaunchEditor", "1"},
      {"Startup", "AutoADDFavorites", "0"},
      {"Startup", "DWGPreviewShow", "1"},
      {"Startup", "AutoSortEnabled", "0"},
      {"Startup", "AutoSortType", "2"},
      {"Startup", "AutoMinimize", "0"},
      {"Startup", "WarnBlankLine", "1"},
      {"Startup", "WarnDoubleSpace", "0"},
      {"Startup", "WarnLineEndsWithSpace", "0"},
      {"Startup", "WarnLTLisp", "0"},
      {"Startup", "WarnSpaceInBlank", "0"},
      {"Startup", "VerifyFiles", "1"},
      {"Startup", "WarnFolderNotExist", "0"},
      {"Startup", "METAEnabled", "1"},
      {"Startup", "METAImmediate", "0"},
      {"Startup", "ResourceWarning", "0"},
      {"Startup", "ResourceFileLimit", "12"},
      {"Startup", "ScanForRogueTags", "0"},
      {"Startup", "EnableLogging", "0"},
      {"Startup", "LT", "1"},
      {"Programs", "TextEditor", "notepad.exe"},
      {"Paths", "AutoCADEXE", "C:\\ACAD\\acad.exe"},
      {"Paths", "Switches", "/p \"f:\\extra\\ed-map.arg\""},
      {"Paths", "OutputNorm", "C:\\ACAD\\SUPPORT\\tornavane.scr"},
      {"Paths", "OutputAlt", "N:\\SCRIPTS\\tornavane.scr"},
      {"Paths", "SCRIPTSPathOption", "True"},
      {"Paths", "SCRIPTSPath", "D:\\Scripts"},
      {"Startup", "Delay", "500"},
      {"Startup", "LoadMethod_Open", "1"},
      {"Startup", "LoadMethod_Other", "_OPEN"},
  };
  EXPECT_EQ(entries, expected);
}

TEST(OptionsValuesTest, NoSortChoiceStoresNoSortTypeAndTheDefaultFolderIsStoredInFull) {
  OptionsInput input = SampleInput();
  input.sortType.reset();
  input.otherScriptsFolder = false;
  std::vector<StoreEntry> entries = OptionsStoreEntries(input, kProgram);
  auto find = [&](const std::string& key) {
    return std::find_if(entries.begin(), entries.end(), [&](const StoreEntry& e) { return e.key == key; });
  };
  EXPECT_EQ(find("AutoSortType"), entries.end());
  EXPECT_EQ(find("SCRIPTSPathOption")->value, "False");
  EXPECT_EQ(find("SCRIPTSPath")->value, "C:\\Program Files\\Tornavane\\SCRIPTS");
}

TEST(OptionsValuesTest, ApplySetsTheFieldsAndTheOutputInUse) {
  core::SettingsModel model;
  model.AutoSortType = 3;
  model.EnableDelay = 1;
  OptionsInput input = SampleInput();
  ApplyOptions(input, kProgram, model);
  EXPECT_EQ(model.OutputToDefaultPath, 0);
  EXPECT_EQ(model.SCROutputPath, "N:\\SCRIPTS\\tornavane.scr");
  EXPECT_EQ(model.SCRIPTSDir, "D:\\Scripts");
  EXPECT_EQ(model.SCRIPTSPathOption, core::kTrue);
  EXPECT_EQ(model.AutoSortType, 2);
  EXPECT_EQ(model.LoadOpen, 1);
  EXPECT_EQ(model.ResourceFileLimit, 12);
  EXPECT_EQ(model.Delay, "500");
  EXPECT_EQ(model.LT, 1);
  EXPECT_EQ(model.WarnFoldersNotExist, 2);
  EXPECT_EQ(model.EnableDelay, 1);  // not derived from the delay

  input.normalOutput = true;
  input.sortType.reset();
  input.otherScriptsFolder = false;
  ApplyOptions(input, kProgram, model);
  EXPECT_EQ(model.OutputToDefaultPath, 1);
  EXPECT_EQ(model.SCROutputPath, "C:\\ACAD\\SUPPORT\\tornavane.scr");
  EXPECT_EQ(model.SCRIPTSDir, "C:\\Program Files\\Tornavane\\SCRIPTS");
  EXPECT_EQ(model.SCRIPTSPathOption, core::kFalse);
  EXPECT_EQ(model.AutoSortType, 2);  // no choice keeps the type
}

TEST(OptionsValuesTest, BackupFoldersAreNamedByDateAndTime) {
  EXPECT_EQ(BackupStamp({2016, 11, 14, 16, 33, 11}), "2016-11-14-16-33-11");
  EXPECT_EQ(BackupStamp({2024, 1, 2, 3, 4, 5}), "2024-01-02-03-04-05");
}

TEST(TipsFileTest, TwoBlanksBreakParagraphsFromTheLeft) {
  EXPECT_EQ(TipText("one  two"), "one\r\n\r\ntwo");
  EXPECT_EQ(TipText("one   two"), "one\r\n\r\n two");
  EXPECT_EQ(TipText("one    two"), "one\r\n\r\n\r\n\r\ntwo");
  EXPECT_EQ(TipText("one two"), "one two");
}

TEST(TipsFileTest, EveryLineIsATipUpToTheLimit) {
  EXPECT_EQ(ParseTips("a\r\n\r\nb"), (std::vector<std::string>{"a", "", "b"}));
  EXPECT_EQ(ParseTips("a\r\nb\r\n"), (std::vector<std::string>{"a", "b"}));
  EXPECT_TRUE(ParseTips("").empty());
  std::string many;
  for (int i = 0; i < 150; ++i) many += "tip " + std::to_string(i) + "\r\n";
  std::vector<std::string> tips = ParseTips(many);
  ASSERT_EQ(tips.size(), kMaxTips);
  EXPECT_EQ(tips.back(), "tip 100");
}

struct StartCase {
  const char* stored;
  int count;
  int first;
};

TEST(TipsFileTest, EachLoadShowsTheTipAfterTheStoredOne) {
  const StartCase cases[] = {
      {"0", 5, 1},  {"3", 5, 4}, {"4", 5, 0}, {"9", 5, 0},     {"-1", 5, 0},
      {"-7", 5, 0}, {"x", 5, 0}, {"0", 1, 0}, {"70000", 5, 0}, {"", 5, 0},
  };
  for (const StartCase& c : cases) EXPECT_EQ(FirstTipToShow(c.stored, c.count), c.first) << c.stored;
  EXPECT_EQ(TipCounter(2, 25), "Tip 3/25");
}

}  // namespace
}  // namespace options
