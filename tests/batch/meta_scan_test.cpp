#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/text_file.h"
#include "queue/queue_fixture.h"
#include "tags/frm_var_setup.h"

namespace {

using Order = std::vector<std::string>;

constexpr const char* kB1 = "C:\\P\\B1.dwg";
constexpr const char* kA10 = "C:\\P\\A10.dwg";
constexpr const char* kA2 = "C:\\P\\A2.dwg";

// The main window with the queue B1, A10, A2 and no live META update, so the tests decide
// when the scan runs.
class MetaScan : public test::QueueFixture {
 protected:
  mainwindow::frmMain& Ready(const std::string& script) {
    mainwindow::frmMain& main = WithQueue({kB1, kA10, kA2});
    main.settings.METAEnabled = 0;
    main.settings.METAImmediate = 0;
    main.Text1.SetText(script);
    return main;
  }
  // Scans as a load (true) or as typing (false) and checks the script stayed as it was.
  void Scan(mainwindow::frmMain& main, bool includeSort) {
    const std::string before = main.Text1.Text();
    main.ScanForMetaCommands(includeSort ? core::kTrue : core::kFalse);
    EXPECT_EQ(main.Text1.Text(), before);
  }
};

using CheckBoxOf = ui::CheckBox mainwindow::frmMain::*;

struct CheckCase {
  const char* script;
  CheckBoxOf box;
  int before;
  int after;
};

TEST_F(MetaScan, OnOffCommandsSetTheirBoxesWhereverTheKeyStandsWithTheLaterRowWinning) {
  using M = mainwindow::frmMain;
  const CheckCase cases[] = {
      {";SAVEAS=TRUE\r\n;SAVEAS=FALSE", &M::chkSaveAS, 1, 0},
      {";SAVEAS=FALSE\r\n;SAVEAS=TRUE", &M::chkSaveAS, 1, 0},
      {";SAVEAS=TRUE", &M::chkSaveAS, 0, 1},
      {";TestRun=True", &M::chkTestRun, 0, 1},
      {";TESTRUN = TRUE", &M::chkTestRun, 0, 0},
      {";TESTRUN= TRUE", &M::chkTestRun, 1, 1},
      {"x notestrun=true", &M::chkTestRun, 0, 1},
      {";TESTRUN=FALSE", &M::chkTestRun, 1, 0},
      {";DELAY=TRUE", &M::chkDelay, 0, 1},
      {"ZOOM E ;delay=false", &M::chkDelay, 1, 0},
      {";SAVEAS.OVERWRITE=TRUE", &M::chkOverwriteExistingFiles, 0, 1},
      {";SAVEAS.OVERWRITE=FALSE", &M::chkOverwriteExistingFiles, 1, 0},
  };
  for (const CheckCase& c : cases) {
    SCOPED_TRACE(c.script);
    mainwindow::frmMain& main = Ready("");
    (main.*c.box).SetValue(c.before);
    main.Text1.SetText(c.script);
    Scan(main, false);
    EXPECT_EQ((main.*c.box).Value(), c.after);
  }
}

struct ValueCase {
  const char* script;
  bool fromLoad;
  const char* prefix;
  const char* message;  // "" for none
};

TEST_F(MetaScan, AQuotedValueFillsItsBoxAndAnythingElseEmptiesIt) {
  const ValueCase cases[] = {
      {";SAVEAS.PREFIX=\"OLD-\"", true, "OLD-", ""},
      {";SAVEAS.PREFIX=OLD-", true, "", ""},
      {";SAVEAS.PREFIX=\"OLD-\r\n;A=\"", true, "OLD-\r\n;A=", ""},
      {";SAVEAS.PREFIX=\"OLD-", true, "", "There is an error in saveas.prefix=\""},
      {";SAVEAS.PREFIX=\"OLD-", false, "", ""},
      {";SAVEAS.PREFIX=\"ONE\"\r\n;SAVEAS.PREFIX=\"TWO\"", true, "ONE", ""},
      {";saveas.prefix=\"\"", false, "", ""},
  };
  for (const ValueCase& c : cases) {
    SCOPED_TRACE(c.script);
    mainwindow::frmMain& main = Ready(c.script);
    main.tbPrefix.SetText("KEPT");
    if (*c.message != '\0') ExpectMessage(kAppTitle, c.message).Buttons(ui::MsgButtons::kOk);
    Scan(main, c.fromLoad);
    EXPECT_EQ(main.tbPrefix.Text(), c.prefix);
    EXPECT_EQ(main.tbSuffix.Text(), "");
  }
}

TEST_F(MetaScan, TheSuffixAndItsExampleNameFollowTheScript) {
  mainwindow::frmMain& main = Ready(";SAVEAS.SUFFIX=\"-NEW\"");
  Scan(main, false);
  EXPECT_EQ(main.tbSuffix.Text(), "-NEW");
  EXPECT_EQ(main.tbSAVEASExOutput.Text(), "B1-NEW.DWG");
}

TEST_F(MetaScan, ThisLocationChoosesTheFolderOptionAndFillsOrEmptiesItsBox) {
  mainwindow::frmMain& main = Ready(";SAVEAS.THISLOCATION=\"D:\\Out\"");
  main.optOriginalLocation.SetValue(true);
  Scan(main, true);
  EXPECT_TRUE(main.optSpecFolder.Value());
  EXPECT_FALSE(main.optOriginalLocation.Value());
  EXPECT_EQ(main.tbSpecFolder.Text(), "D:\\Out");

  main.optOriginalLocation.SetValue(true);
  main.Text1.SetText(";SAVEAS.THISLOCATION=\r\n;SAVEAS.SAMELOCATION=TRUE");
  Scan(main, true);
  EXPECT_TRUE(main.optSpecFolder.Value());
  EXPECT_EQ(main.tbSpecFolder.Text(), "");

  main.Text1.SetText(";SAVEAS.SAMELOCATION=TRUE");
  Scan(main, true);
  EXPECT_TRUE(main.optOriginalLocation.Value());
}

TEST_F(MetaScan, ATemplateLineLoadsTheTemplateIntoTheUserTagManagerLoadedHiddenWhenNeeded) {
  std::vector<std::string> values(50);
  values[0] = "JOB ONE";
  values[49] = "LAST";
  core::WriteLineList(fileSystem, std::string(kProgramFolder) + "\\DATA\\JOB1.TAG", values);
  mainwindow::frmMain& main = Ready(";TAGS.TEMPLATE=\"JOB1\"");
  app.frmVARSetup().Close();
  ctx.CollectRetired();
  Scan(main, false);
  tags::frmVARSetup& setup = app.frmVARSetup();
  EXPECT_FALSE(setup.Visible());
  EXPECT_EQ(setup.cmbTAGSelector.Text(), "JOB1");
  EXPECT_EQ(setup.tbTag(1).Text(), "JOB ONE");
  EXPECT_EQ(main.settings.TAG[0], "JOB ONE");
  EXPECT_EQ(main.settings.TAG[49], "LAST");
  EXPECT_EQ(main.lblUpdate.Caption(), "JOB1.TAG Found");
}

struct SortCase {
  const char* script;
  Order order;
};

TEST_F(MetaScan, SortLinesReorderTheQueueOnlyInTheScansThatMaySort) {
  const Order unsorted{kB1, kA10, kA2};
  const SortCase cases[] = {
      {";SORT.ASCENDING", {kA10, kA2, kB1}},
      {";SORT.DESCENDING", {kB1, kA2, kA10}},
      {";SMARTSORT.ASCENDING", {kA2, kB1, kA10}},
      {";SMARTSORT.DESCENDING", {kA10, kB1, kA2}},
      {";SORT.AUTO", {kA2, kB1, kA10}},  // AutoSortType 2: the smart sort
      {";SORT.AUTO\r\n;SORT.DESCENDING", {kB1, kA2, kA10}},
  };
  for (const SortCase& c : cases) {
    SCOPED_TRACE(c.script);
    mainwindow::frmMain& main = Ready(c.script);
    main.settings.AutoSortType = 2;
    Scan(main, false);
    EXPECT_EQ(QueueEntries(), unsorted);
    Scan(main, true);
    EXPECT_EQ(QueueEntries(), c.order);
  }
}

TEST_F(MetaScan, AnEmptyScriptChangesNothing) {
  mainwindow::frmMain& main = Ready("");
  main.chkSaveAS.SetValue(1);
  main.tbPrefix.SetText("P-");
  main.optSpecFolder.SetValue(true);
  main.tbSpecFolder.SetText("D:\\Out");
  Scan(main, true);
  EXPECT_EQ(main.chkSaveAS.Value(), 1);
  EXPECT_EQ(main.chkTestRun.Value(), 0);
  EXPECT_EQ(main.tbPrefix.Text(), "P-");
  EXPECT_TRUE(main.optSpecFolder.Value());
  EXPECT_EQ(main.tbSpecFolder.Text(), "D:\\Out");
  EXPECT_EQ(QueueEntries(), (Order{kB1, kA10, kA2}));
}

// ---- What runs the scan -------------------------------------------------------------------

struct TriggerCase {
  std::int16_t enabled;
  std::int16_t immediate;
};

constexpr TriggerCase kSwitches[] = {{0, 0}, {0, 1}, {1, 0}, {1, 1}};

TEST_F(MetaScan, TypingAppliesTheOptionsButNeverSortsAndOnlyWithBothSwitchesOn) {
  for (const TriggerCase& c : kSwitches) {
    SCOPED_TRACE(testing::Message() << "enabled " << c.enabled << " immediate " << c.immediate);
    mainwindow::frmMain& main = Ready("");
    main.chkSaveAS.SetValue(0);
    main.settings.METAEnabled = c.enabled;
    main.settings.METAImmediate = c.immediate;
    user.Fill(main.Text1, ";SAVEAS=TRUE\r\n;SMARTSORT.DESCENDING\r\n;SAVEAS.PREFIX=\"OLD-");
    EXPECT_EQ(main.chkSaveAS.Value(), c.enabled == 1 && c.immediate == 1 ? 1 : 0);
    EXPECT_EQ(QueueEntries(), (Order{kB1, kA10, kA2}));
  }
}

TEST_F(MetaScan, AnAdditionScansAfterTheAutomaticSortWithBothSwitchesOn) {
  for (const char* path : {kB1, kA10, kA2}) fileSystem.AddFile(path, "AC1018");
  for (const TriggerCase& c : kSwitches) {
    SCOPED_TRACE(testing::Message() << "enabled " << c.enabled << " immediate " << c.immediate);
    mainwindow::frmMain& main = Ready(";SMARTSORT.DESCENDING");
    main.List1.Clear();
    main.settings.METAEnabled = c.enabled;
    main.settings.METAImmediate = c.immediate;
    main.settings.AutoSortEnabled = 1;
    main.settings.AutoSortType = 0;
    main.Dir1.SetPath("C:\\P");
    user.Click(main.cmdAddAll);
    EXPECT_EQ(QueueEntries(), (c.enabled == 1 && c.immediate == 1 ? Order{kA10, kB1, kA2} : Order{kA10, kA2, kB1}));
  }
}

TEST_F(MetaScan, ASimpleModeScriptScansWithItsSortsWhenMetaIsEnabled) {
  fileSystem.AddFile(Program("SCRIPTS-SIMPLE\\Sort.scr"), ";SMARTSORT.DESCENDING\r\n;SAVEAS=TRUE\r\n");
  for (const TriggerCase& c : kSwitches) {
    SCOPED_TRACE(testing::Message() << "enabled " << c.enabled << " immediate " << c.immediate);
    mainwindow::frmMain& main = Ready("");
    main.chkSaveAS.SetValue(0);
    main.settings.METAEnabled = c.enabled;
    main.settings.METAImmediate = c.immediate;
    main.fsSimpleScript.SetPath(Program("SCRIPTS-SIMPLE"));
    main.fsSimpleScript.SetListIndex(-1);
    main.fsSimpleScript.SetListIndex(0);
    EXPECT_EQ(main.chkSaveAS.Value(), c.enabled == 1 ? 1 : 0);
    EXPECT_EQ(QueueEntries(), (c.enabled == 1 ? Order{kA10, kB1, kA2} : Order{kB1, kA10, kA2}));
  }
}

}  // namespace
