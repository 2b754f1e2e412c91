#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/fake/fake_settings_store.h"
#include "user_tags_fixture.h"

namespace tags_test {
namespace {

using tags::frmVARSetup;
using Entry = platform::fake::FakeSettingsStore::Entry;

class UserTagActionsTest : public UserTagsFixture {
 protected:
  // What the store holds under "UserTags", in the order the keys were first written.
  std::vector<Entry> UserTagEntries() {
    std::vector<Entry> entries;
    for (const Entry& entry : settings.Entries()) {
      if (entry.section == "UserTags") entries.push_back(entry);
    }
    return entries;
  }
  void LeaveBox(ui::TextBox& box) { user.PressKey(box, ui::kKeyTab); }
};

constexpr const char* kSheetReset = "Value must be greater than \"0\".\r\nResetting to \"1\".";
constexpr const char* kFilenameReset = "Value must be greater than \"0\".\r\nResetting to \"4\".";

TEST_F(UserTagActionsTest, OkStoresEveryValueInOrderAndCopiesItIntoTheMainWindow) {
  frmVARSetup& dialog = Shown();
  user.Fill(dialog.tbFirstFileChars, "6");
  user.Fill(dialog.tbSheetChars, "12");
  user.Click(dialog.chkTrimZeros);
  user.Fill(dialog.tbCounterStart, "007");
  user.Fill(dialog.tbCounterStep, "-2");
  user.Click(dialog.chkPadCounter);
  user.Scroll(dialog.vsPadCounter, -3);
  user.ChooseTab(dialog.SSTab1, 4);
  user.Fill(dialog.tbTag(50), "LAST & FINAL");
  user.ChooseTab(dialog.SSTab1, 0);
  user.Fill(dialog.tbTag(1), "ACME \"NORTH\"");
  user.Fill(dialog.tbTag(6), "");
  user.Click(dialog.cmdOK);

  std::vector<Entry> expected;
  auto add = [&](const std::string& key, const std::string& value) {
    expected.push_back({"TornavanePowerTool", "UserTags", key, value});
  };
  add("FirstFileChars", "6");
  add("SheetChars", "12");
  add("TrimZeros", "0");
  add("CounterStart", "007");
  add("CounterStep", "-2");
  add("PadCounterEnabled", "1");
  add("PadDigits", "5");
  add("TAG1", "ACME \"NORTH\"");
  add("TAG2", "DOODAD DIVISION");
  add("TAG3", "MODEL-A");
  add("TAG4", "REVISION B");
  add("TAG5", "A. DRAFTER");
  for (int n = 6; n <= 49; ++n) add("TAG" + std::to_string(n), "");
  add("TAG50", "LAST & FINAL");
  EXPECT_EQ(UserTagEntries(), expected);

  mainwindow::frmMain& main = Main();
  EXPECT_EQ(main.settings.FIRSTFILECHARS, "6");
  EXPECT_EQ(main.settings.SHEETCHARS, "12");
  EXPECT_EQ(main.settings.TRIMZEROS, 0);
  EXPECT_EQ(main.settings.COUNTERSTART, 7);
  EXPECT_EQ(main.settings.COUNTERSTEP, -2);
  EXPECT_EQ(main.settings.PADCOUNTER, 1);
  EXPECT_EQ(main.settings.PADDIGITS, 5);
  EXPECT_EQ(main.settings.TAG[0], "ACME \"NORTH\"");
  EXPECT_EQ(main.settings.TAG[5], "");
  EXPECT_EQ(main.settings.TAG[49], "LAST & FINAL");
  EXPECT_FALSE(dialog.Visible());
  EXPECT_EQ(&Dialog(), &dialog);
}

TEST_F(UserTagActionsTest, EnterInAnyBoxStoresEverything) {
  frmVARSetup& dialog = Shown();
  user.ChooseTab(dialog.SSTab1, 2);
  user.Fill(dialog.tbTag(23), "ROOF PLAN");
  user.PressKey(dialog.tbTag(23), ui::kKeyReturn);
  EXPECT_EQ(Stored("TAG23"), "ROOF PLAN");
  EXPECT_EQ(Main().settings.TAG[22], "ROOF PLAN");
  EXPECT_EQ(UserTagEntries().size(), 57U);
  EXPECT_FALSE(dialog.Visible());
}

TEST_F(UserTagActionsTest, EnterChecksTheCharacterCountsBeforeStoring) {
  frmVARSetup& dialog = Shown();
  user.Fill(dialog.tbSheetChars, "0");
  ExpectMessage("Sheet Value", kSheetReset).Buttons(ui::MsgButtons::kOk).Icon(ui::MsgIcon::kExclamation);
  user.PressKey(dialog.tbSheetChars, ui::kKeyReturn);
  EXPECT_EQ(Stored("SheetChars"), "1");
  EXPECT_EQ(Main().settings.SHEETCHARS, "1");
}

TEST_F(UserTagActionsTest, ACounterThatIsNoWhole32BitNumberIsRefusedAndNothingIsStored) {
  struct Case {
    const char* start;
    const char* step;
    const char* message;
  };
  constexpr const char* kStart = "The counter start must be a whole number from -2147483648 to 2147483647.";
  constexpr const char* kStep = "The counter step must be a whole number from -2147483648 to 2147483647.";
  const Case cases[] = {{"", "1", kStart},           {"abc", "1", kStart}, {"2.5", "1", kStart},
                        {"2147483648", "1", kStart}, {"1", "", kStep},     {"1", "-2147483649", kStep}};
  frmVARSetup& dialog = Shown();
  for (const Case& c : cases) {
    user.Fill(dialog.tbCounterStart, c.start);
    user.Fill(dialog.tbCounterStep, c.step);
    user.Fill(dialog.tbTag(1), "CHANGED");
    ExpectMessage("Counter Value", c.message).Buttons(ui::MsgButtons::kOk).Icon(ui::MsgIcon::kExclamation);
    user.Click(dialog.cmdOK);
    EXPECT_TRUE(dialog.Visible()) << c.start << " / " << c.step;
    EXPECT_EQ(dialog.ActiveControl(), c.message == kStart ? &dialog.tbCounterStart : &dialog.tbCounterStep);
  }
  EXPECT_TRUE(UserTagEntries().empty());
  EXPECT_EQ(Main().settings.COUNTERSTART, 1);
  EXPECT_EQ(Main().settings.TAG[0], "GADGETS && CO.");
}

TEST_F(UserTagActionsTest, ALargeCounterStartFitsThe32BitField) {
  frmVARSetup& dialog = Shown();
  user.Fill(dialog.tbCounterStart, "70000");
  user.Click(dialog.cmdOK);
  EXPECT_EQ(Stored("CounterStart"), "70000");
  EXPECT_EQ(Main().settings.COUNTERSTART, 70000);
}

TEST_F(UserTagActionsTest, CharacterCountsTheEngineCannotUseAreResetWhenTheBoxLosesTheFocus) {
  // A number too large for the engine is told the allowed range; anything else that is no
  // count from 1 is told it must be greater than 0.
  constexpr const char* kSheetRange = "Value must be from \"1\" to \"32767\".\r\nResetting to \"1\".";
  constexpr const char* kFilenameRange = "Value must be from \"1\" to \"2147483647\".\r\nResetting to \"4\".";
  struct Case {
    const char* text;
    const char* sheetMessage;     // nullptr: kept
    const char* filenameMessage;  // nullptr: kept
  };
  const Case cases[] = {{"", kSheetReset, kFilenameReset},
                        {"0", kSheetReset, kFilenameReset},
                        {"10", nullptr, nullptr},
                        {"12", nullptr, nullptr},
                        {"1x", kSheetReset, kFilenameReset},
                        {"07", kSheetReset, kFilenameReset},
                        {"-3", kSheetReset, kFilenameReset},
                        {"40000", kSheetRange, nullptr},
                        {"2147483648", kSheetRange, kFilenameRange},
                        {"9", nullptr, nullptr}};
  frmVARSetup& dialog = Shown();
  for (const Case& c : cases) {
    user.Fill(dialog.tbSheetChars, c.text);
    if (c.sheetMessage) ExpectMessage("Sheet Value", c.sheetMessage).Icon(ui::MsgIcon::kExclamation);
    LeaveBox(dialog.tbSheetChars);
    EXPECT_EQ(dialog.tbSheetChars.Text(), c.sheetMessage ? "1" : c.text) << c.text;

    user.Fill(dialog.tbFirstFileChars, c.text);
    if (c.filenameMessage) ExpectMessage("Filename Value", c.filenameMessage).Icon(ui::MsgIcon::kExclamation);
    LeaveBox(dialog.tbFirstFileChars);
    EXPECT_EQ(dialog.tbFirstFileChars.Text(), c.filenameMessage ? "4" : c.text) << c.text;
  }
  EXPECT_TRUE(UserTagEntries().empty());
}

TEST_F(UserTagActionsTest, ClearAllAnsweredNoChangesNothing) {
  frmVARSetup& dialog = Shown();
  ExpectMessage("Clear?", "Are you sure you want to clear the displayed user tags?")
      .Buttons(ui::MsgButtons::kYesNo)
      .Icon(ui::MsgIcon::kExclamation)
      .DefaultButton(2)
      .Answer(ui::MsgAnswer::kNo);
  user.Click(dialog.cmdClearAllTags);
  EXPECT_EQ(dialog.tbTag(1).Text(), "GADGETS && CO.");
  EXPECT_EQ(dialog.tbTag(6).Text(), "B. CHECKER");
}

TEST_F(UserTagActionsTest, ClearAllEmptiesEveryPageAndOkStoresTheEmptyTags) {
  frmVARSetup& dialog = Shown();
  dialog.tbTag(44).SetText("ON THE LAST PAGE");
  ExpectMessage("Clear?", "Are you sure you want to clear the displayed user tags?").Answer(ui::MsgAnswer::kYes);
  user.Click(dialog.cmdClearAllTags);
  for (int n = 1; n <= 50; ++n) EXPECT_EQ(dialog.tbTag(n).Text(), "") << n;
  EXPECT_EQ(Main().settings.TAG[0], "GADGETS && CO.");
  user.Click(dialog.cmdOK);
  for (int n = 1; n <= 50; ++n) {
    EXPECT_EQ(Stored("TAG" + std::to_string(n)), "") << n;
    EXPECT_EQ(Main().settings.TAG[static_cast<std::size_t>(n - 1)], "") << n;
  }
}

TEST_F(UserTagActionsTest, TheCloseBoxThrowsTheEditsAwayAndTheNextOpeningShowsTheFields) {
  frmVARSetup& dialog = Shown();
  user.Fill(dialog.tbCounterStart, "500");
  ExpectMessage("Clear?", "Are you sure you want to clear the displayed user tags?").Answer(ui::MsgAnswer::kYes);
  user.Click(dialog.cmdClearAllTags);
  user.Close(dialog);
  ctx.CollectRetired();
  EXPECT_TRUE(UserTagEntries().empty());
  EXPECT_EQ(Main().settings.TAG[0], "GADGETS && CO.");
  EXPECT_EQ(Main().settings.COUNTERSTART, 1);
  frmVARSetup& again = Shown();
  EXPECT_EQ(again.tbTag(1).Text(), "GADGETS && CO.");
  EXPECT_EQ(again.tbCounterStart.Text(), "1");
}

TEST_F(UserTagActionsTest, OkStoresThePadWidthTheSpinButtonShows) {
  frmVARSetup& dialog = Shown();
  user.Scroll(dialog.vsPadCounter, -20);
  EXPECT_EQ(dialog.tbPadCounter.Text(), "9");
  user.Click(dialog.cmdOK);
  EXPECT_EQ(Stored("PadDigits"), "9");
  EXPECT_EQ(Main().settings.PADDIGITS, 9);

  dialog.Show();
  user.Scroll(dialog.vsPadCounter, 4);
  EXPECT_EQ(dialog.tbPadCounter.Text(), "5");
  user.Click(dialog.cmdOK);
  EXPECT_EQ(Stored("PadDigits"), "5");
  EXPECT_EQ(Main().settings.PADDIGITS, 5);
}

TEST_F(UserTagActionsTest, TheSpinButtonSetInCodeShowsItsValue) {
  frmVARSetup& dialog = Shown();
  for (int value : {2, 7, 9, 3}) {
    dialog.vsPadCounter.SetValue(value);
    EXPECT_EQ(dialog.tbPadCounter.Text(), std::to_string(value));
  }
}

TEST_F(UserTagActionsTest, TheMenuEntryAndCtrlTOpenTheDialogOverTheMainWindow) {
  ASSERT_EQ(Main().mnuUserTagManager.Caption(), "User Tag M&anager");
  EXPECT_EQ(Main().mnuUserTagManager.Shortcut(), ui::Shortcut::Ctrl('T'));
  Main().Show();
  OnModal<frmVARSetup>([&](frmVARSetup& dialog) {
    EXPECT_EQ(dialog.Owner(), &Main());
    user.Fill(dialog.tbTag(2), "FROM THE SHORTCUT");
    user.Click(dialog.cmdOK);
  });
  user.PressShortcut(Main(), ui::Shortcut::Ctrl('T'));
  EXPECT_EQ(Main().settings.TAG[1], "FROM THE SHORTCUT");

  OnModal<frmVARSetup>([&](frmVARSetup& dialog) {
    EXPECT_EQ(dialog.tbTag(2).Text(), "FROM THE SHORTCUT");
    user.Close(dialog);
  });
  user.ChooseMenu(Main().mnuUserTagManager);
  EXPECT_EQ(backend.ModalForms(), (std::vector<std::string>{"frmVARSetup", "frmVARSetup"}));
}

}  // namespace
}  // namespace tags_test
