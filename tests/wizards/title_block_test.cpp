// The title block wizard: its script, its state file and templates, and the output example of
// each row, over the real windows and the fake services.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tags/frm_var_setup.h"
#include "wizard_fixture.h"
#include "wizards/frm_tb_wiz.h"
#include "wizards/title_block_text.h"

namespace test {
namespace {

using wizards::frmTBWiz;
using wizards::TitleBlockInputs;

constexpr const char* kSeparator = ";-------------";

TitleBlockInputs Rows(std::string blockName, const std::vector<std::tuple<int, std::string, std::string>>& rows) {
  TitleBlockInputs inputs{.blockName = std::move(blockName), .rows = {}};
  for (const auto& [row, name, value] : rows) inputs.rows[static_cast<std::size_t>(row - 1)] = {name, value};
  return inputs;
}

TEST(CreateTBWScriptTest, WritesTheLoadLineEveryFilledRowRegenAndTheSeparator) {
  const std::string titleLoad = "(LOAD \"D:/TOOLS/BATCH/LISP/TB_WIZ1.LSP\")\r\n";
  struct Case {
    const char* what;
    TitleBlockInputs inputs;
    std::string folder;
    std::string userScript;
    std::string expected;
  };
  const std::vector<Case> cases = {
      {"two rows into an empty script", Rows("TITLE", {{1, "REV", "B"}, {3, "DATE", "$DATE$"}}), "D:\\Tools\\Batch", "",
       titleLoad + ";-------------\r\nTB_WIZ1\r\n\"TITLE\"\r\nREV\r\nB\r\n"
                   ";-------------\r\nTB_WIZ1\r\n\"TITLE\"\r\nDATE\r\n$DATE$\r\nREGEN\r\n;-------------"},
      {"no block name", Rows("", {{1, "REV", "B"}}), "D:\\Tools\\Batch", "",
       titleLoad + ";-------------\r\nTB_WIZ1\r\n\"\"\r\nREV\r\nB\r\nREGEN\r\n;-------------"},
      {"a value without a name", Rows("TB", {{1, "", "$TAG5$"}}), "D:\\Tools\\Batch", "",
       titleLoad + ";-------------\r\nTB_WIZ1\r\n\"TB\"\r\n\r\n$TAG5$\r\nREGEN\r\n;-------------"},
      {"a row of blanks", Rows("TB", {{2, " ", "  "}}), "D:\\Tools\\Batch", "",
       titleLoad + ";-------------\r\nTB_WIZ1\r\n\"TB\"\r\n \r\n  \r\nREGEN\r\n;-------------"},
      {"rows 12 and 3, in row order", Rows("TB", {{12, "B", "2"}, {3, "A", "1"}}), "D:\\Tools\\Batch", "",
       titleLoad + ";-------------\r\nTB_WIZ1\r\n\"TB\"\r\nA\r\n1\r\n"
                   ";-------------\r\nTB_WIZ1\r\n\"TB\"\r\nB\r\n2\r\nREGEN\r\n;-------------"},
      {"no row filled", Rows("TB", {}), "D:\\Tools\\Batch", "", titleLoad + "REGEN\r\n;-------------"},
      {"after lines that end with CR LF", Rows("TB", {}), "D:\\Tools\\Batch", "ZOOM\r\nE\r\n",
       "ZOOM\r\nE\r\n" + titleLoad + "REGEN\r\n;-------------"},
      {"after another wizard", Rows("TB", {}), "D:\\Tools\\Batch", "-PURGE\r\nA\r\n*\r\nN\r\n;-------------",
       "-PURGE\r\nA\r\n*\r\nN\r\n;-------------\r\n" + titleLoad + "REGEN\r\n;-------------"},
      {"a lower-case folder", Rows("TB", {}), "c:\\tools\\tv", "",
       "(LOAD \"C:/TOOLS/TV/LISP/TB_WIZ1.LSP\")\r\nREGEN\r\n;-------------"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(wizards::CreateTBWScript(c.inputs, c.folder, c.userScript), c.expected);
  }
}

class TitleBlockTest : public WizardFixture {
 protected:
  TitleBlockTest() { clock.Set({2026, 3, 31, 15, 4, 5}); }

  static std::string Data(const std::string& name) { return Program("DATA\\" + name); }
  static std::string StateFile() { return Data("drafter1-tbw.tmp"); }
  // A record: the block name, the names, the values; rows not given are empty.
  static std::string Record(const std::string& blockName, const std::vector<std::string>& names,
                            const std::vector<std::string>& values) {
    std::string text = blockName + "\r\n";
    for (std::size_t i = 0; i < 50; ++i) text += (i < names.size() ? names[i] : "") + "\r\n";
    for (std::size_t i = 0; i < 50; ++i) text += (i < values.size() ? values[i] : "") + "\r\n";
    return text;
  }
  void OpenWizard(std::function<void(frmTBWiz&)> script) { Open<frmTBWiz>(Main().mnuTBWiz, std::move(script)); }
  // Fills a row as the user does, on the row's own tab.
  void FillRow(frmTBWiz& wizard, int row, const std::string& name, const std::string& value) {
    user.ChooseTab(wizard.SSTab1, (row - 1) / frmTBWiz::kRowsPerTab);
    user.Fill(wizard.Text1[row - 1], name);
    user.Fill(wizard.Combo1[row - 1], value);
  }
};

// Create saves the state file before the user script changes, then appends the block, hides
// the wizard and says it is done; the main window shows the hourglass while the wizard is open.
TEST_F(TitleBlockTest, CreateSavesTheStateFileFirstThenAppendsTheBlock) {
  const std::string expectedState = Record("TITLE", {"REV", "", "DATE"}, {"B", "", "$DATE$"});
  std::string stateAtChange;
  auto handler = Main().Text1.onChange;
  Main().Text1.onChange = [&] {
    stateAtChange = fileSystem.Contents(StateFile());
    handler();
  };
  OpenWizard([&](frmTBWiz& wizard) {
    EXPECT_EQ(wizard.Owner(), &Main());
    EXPECT_EQ(Main().MousePointer(), ui::Pointer::kHourglass);
    EXPECT_EQ(wizard.Caption(), " Title-Block Update Wizard");
    user.Fill(wizard.tbBlockName, "TITLE");
    FillRow(wizard, 1, "REV", "B");
    FillRow(wizard, 3, "DATE", "");
    user.ClickItem(wizard.Combo1[2], 1);  // "$DATE$" from the list
    ExpectDone();
    user.PressKey(wizard.tbBlockName, ui::kKeyReturn);
    EXPECT_FALSE(wizard.Visible());
  });
  EXPECT_EQ(stateAtChange, expectedState);
  EXPECT_EQ(UserScript(),
            "(LOAD \"C:/PROGRAM FILES/TORNAVANE/LISP/TB_WIZ1.LSP\")\r\n"
            ";-------------\r\nTB_WIZ1\r\n\"TITLE\"\r\nREV\r\nB\r\n"
            ";-------------\r\nTB_WIZ1\r\n\"TITLE\"\r\nDATE\r\n$DATE$\r\nREGEN\r\n;-------------");
  EXPECT_EQ(Main().MousePointer(), ui::Pointer::kDefault);

  // Opened again, the hidden wizard shows its rows as they were left.
  OpenWizard([&](frmTBWiz& wizard) {
    EXPECT_EQ(wizard.Combo1[2].Text(), "$DATE$");
    user.Close(wizard);
  });
}

TEST_F(TitleBlockTest, EveryValueBoxOffersTheTagsInOrder) {
  OpenWizard([&](frmTBWiz& wizard) {
    for (int i : {0, 49}) {
      const ui::ComboBox& box = wizard.Combo1[i];
      ASSERT_EQ(box.ListCount(), 80);
      EXPECT_EQ(box.List(0), "");
      EXPECT_EQ(box.List(1), "$DATE$");
      EXPECT_EQ(box.List(13), "$TIME_24$");
      EXPECT_EQ(box.List(23), "$FIRSTFILECHARS$");
      EXPECT_EQ(box.List(29), "$COMPUTER$");
      EXPECT_EQ(box.List(30), "$TAG1$");
      EXPECT_EQ(box.List(79), "$TAG50$");
    }
    EXPECT_EQ(wizard.SSTab1.TabCaption(4), "Tags 41-50");
    user.Close(wizard);
  });
  // Untouched, the wizard leaves a state file of 101 empty lines, which loads without a word.
  EXPECT_EQ(fileSystem.Contents(StateFile()), Record("", {}, {}));
  OpenWizard([&](frmTBWiz& wizard) { user.Close(wizard); });
}

// The close box writes the state file; the next opening loads the rows back from it.
TEST_F(TitleBlockTest, TheCloseBoxKeepsTheRowsForTheNextOpening) {
  OpenWizard([&](frmTBWiz& wizard) {
    user.Fill(wizard.tbBlockName, "TB-A3");
    FillRow(wizard, 50, "SHEET", "$SHEET$");
    user.Close(wizard);
  });
  std::vector<std::string> names(50), values(50);
  names[49] = "SHEET";
  values[49] = "$SHEET$";
  EXPECT_EQ(fileSystem.Contents(StateFile()), Record("TB-A3", names, values));
  OpenWizard([&](frmTBWiz& wizard) {
    EXPECT_EQ(wizard.tbBlockName.Text(), "TB-A3");
    EXPECT_EQ(wizard.Text1[49].Text(), "SHEET");
    EXPECT_EQ(wizard.Label7[49].Caption(), "(Output depends on file)");
    user.Close(wizard);
  });
}

// A state file of 60 lines sets the block name, the 50 names and the values of rows 1 to 9,
// says once that it ended early, and the previews follow the values it set.
TEST_F(TitleBlockTest, AShortStateFileKeepsWhatItSetAndSaysSoOnce) {
  std::string text = "TB\r\n";
  for (int i = 1; i <= 50; ++i) text += "N" + std::to_string(i) + "\r\n";
  for (int i = 1; i <= 9; ++i) text += (i == 1 ? std::string("$YYYY$") : "V" + std::to_string(i)) + "\r\n";
  fileSystem.AddFile(StateFile(), text);
  ExpectMessage("Error", "Input past end-of file... file may be corrupted...\r\n" + StateFile())
      .Icon(ui::MsgIcon::kExclamation);
  OpenWizard([&](frmTBWiz& wizard) {
    EXPECT_EQ(wizard.tbBlockName.Text(), "TB");
    EXPECT_EQ(wizard.Text1[49].Text(), "N50");
    EXPECT_EQ(wizard.Combo1[8].Text(), "V9");
    EXPECT_EQ(wizard.Combo1[9].Text(), "");
    EXPECT_EQ(wizard.Label7[0].Caption(), "2026");
    user.Close(wizard);
  });
}

// "C&lear" empties every name and value (and so every preview); block name and template stay.
TEST_F(TitleBlockTest, ClearEmptiesTheRowsOnly) {
  fileSystem.AddFile(StateFile(), Record("TB", {"A", "B"}, {"$YY$", "x"}));
  fileSystem.AddFile(Data("PLAN.TBW"), Record("P", {}, {}));
  OpenWizard([&](frmTBWiz& wizard) {
    EXPECT_EQ(wizard.Label7[0].Caption(), "26");
    user.Fill(wizard.cmbTBWSelector, "PLAN");
    user.Click(wizard.cmdClear);
    EXPECT_EQ(wizard.tbBlockName.Text(), "TB");
    EXPECT_EQ(wizard.cmbTBWSelector.Text(), "PLAN");
    EXPECT_EQ(wizard.Inputs().rows, TitleBlockInputs{}.rows);
    EXPECT_EQ(wizard.Label7[0].Caption(), "");
    user.Close(wizard);
  });
}

// Picking a template loads it into every box; a saved one is found again by name.
TEST_F(TitleBlockTest, TemplatesAreSavedAndPickedByName) {
  fileSystem.AddFile(Data("old.tbw"), Record("OLD", {"R"}, {"$TAG7$"}));
  Main().settings.TAG[6] = "ACME";
  OpenWizard([&](frmTBWiz& wizard) {
    ASSERT_EQ(wizard.cmbTBWSelector.ListCount(), 1);
    EXPECT_EQ(wizard.cmbTBWSelector.List(0), "OLD");
    EXPECT_FALSE(wizard.cmdSaveTBW.Enabled());
    user.ClickItem(wizard.cmbTBWSelector, 0);
    EXPECT_EQ(wizard.tbBlockName.Text(), "OLD");
    EXPECT_EQ(wizard.Label7[0].Caption(), "ACME");

    FillRow(wizard, 2, "DWG", "$FILENAME$");
    user.Fill(wizard.cmbTBWSelector, "New");
    user.Click(wizard.cmdSaveTBW);
    EXPECT_EQ(fileSystem.Contents(Data("New.TBW")), Record("OLD", {"R", "DWG"}, {"$TAG7$", "$FILENAME$"}));
    user.Close(wizard);
  });
}

TEST_F(TitleBlockTest, TheOutputExampleShowsWhatEachValueStandsForNow) {
  Main().List1.Clear();
  Main().settings.TAG[6] = "Tag seven";
  struct Case {
    std::string value;
    std::string example;
  };
  const std::vector<Case> cases = {
      {"$MM/DD/YY$", "03/31/26"},
      {"$DD/MM/YY$", "31/03/26"},
      {"$YY/MM/DD$", "26/03/31"},
      {"$MM-1$", "03"},
      {"$MM-2$", "01"},
      {"$TIME_12$", "03:04:05 PM"},
      {"$TIME_24$", "15:04:05"},
      {"$DATE$", "Tuesday, Mar 31, 2026"},
      {"$TOR_PATH$", "C:\\Program Files\\Tornavane\\"},
      {"$FILECOUNTINQUEUE$", "0"},
      {"$USER$", "drafter1"},
      {"$COMPUTER$", "CADSTATION"},
      {"$TAG7$", "Tag seven"},
      {"$TAG50$", ""},
      {"$FILEPATH-9$", "(Output depends on file)"},
      {"$FIRSTFILECHARS$", "(Output depends on file)"},
      {"$DATE$", "Tuesday, Mar 31, 2026"},
      {"$PROJECTTAG1$", ""},
      {"$DATE$", "Tuesday, Mar 31, 2026"},
      {"$date$", ""},
      {"$DATE$ ", ""},
      {"Plain text", ""},
  };
  OpenWizard([&](frmTBWiz& wizard) {
    for (const Case& c : cases) {
      SCOPED_TRACE(c.value);
      user.Fill(wizard.Combo1[4], c.value);
      EXPECT_EQ(wizard.Label7[4].Caption(), c.example);
    }
    user.Close(wizard);
  });
  EXPECT_EQ(Main().settings.LONGDATE, "Tuesday, Mar 31, 2026");
  EXPECT_EQ(Main().settings.MM_3, "12");
  EXPECT_EQ(Main().settings.TodayTime_12, "03:04:05 PM");
}

// Back from "Configure &Tags", the wizard shows the new static tag values and the templates
// the folder holds now.
TEST_F(TitleBlockTest, ReturningFromTheTagManagerRefreshesPreviewAndTemplates) {
  OpenWizard([&](frmTBWiz& wizard) {
    user.Fill(wizard.Combo1[0], "$TAG7$");
    clock.Set({2026, 4, 1, 9, 0, 0});
    OnModal<tags::frmVARSetup>([&](tags::frmVARSetup& dialog) {
      EXPECT_EQ(dialog.Owner(), &wizard);
      fileSystem.AddFile(Data("LATER.TBW"), "");
      user.Fill(dialog.tbTag(7), "NEW SEVEN");
      user.Click(dialog.cmdOK);
    });
    user.Click(wizard.cmdConfigureVars);
    EXPECT_EQ(wizard.Label7[0].Caption(), "NEW SEVEN");
    EXPECT_EQ(Main().settings.LONGDATE, "Wednesday, Apr 1, 2026");
    ASSERT_EQ(wizard.cmbTBWSelector.ListCount(), 1);
    EXPECT_EQ(wizard.cmbTBWSelector.List(0), "LATER");
    user.Close(wizard);
  });
}

// A failed save of a template shows its message once, and the wizard is not activated again
// by the message closing: the typed name stays listed.
TEST_F(TitleBlockTest, AFailedTemplateSaveKeepsTheTypedNameListed) {
  OpenWizard([&](frmTBWiz& wizard) {
    user.Fill(wizard.cmbTBWSelector, "a?b");
    ExpectMessage(kAppTitle, "Error 52 (Bad file name or number) in procedure SaveTBW of Form frmTBWiz");
    user.Click(wizard.cmdSaveTBW);
    ASSERT_EQ(wizard.cmbTBWSelector.ListCount(), 1);
    EXPECT_EQ(wizard.cmbTBWSelector.List(0), "a?b");
    user.Close(wizard);
  });
}

}  // namespace
}  // namespace test
