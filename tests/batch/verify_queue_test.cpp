#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "batch/frm_main_verify.h"
#include "batch/verify_fixture.h"

namespace {

using batch::frmFileErrorReport;

class VerifyQueueTest : public test::VerifyFixture {};

TEST_F(VerifyQueueTest, ListsMissingFilesInUpperCaseAndUnavailableOnesInLowerCase) {
  MakeFixtureQueue();
  std::vector<std::string> shown;
  bool nonExistEnabled = false;
  bool readOnlyEnabled = false;
  bool removeEnabled = false;
  OnModal<frmFileErrorReport>([&](frmFileErrorReport& report) {
    shown = ReportEntries();
    nonExistEnabled = report.lblNonExist.Enabled();
    readOnlyEnabled = report.lblReadOnly.Enabled();
    removeEnabled = report.cmdRemoveREADONLY.Enabled();
    user.Click(report.cmdIgnore);
  });

  ChooseVerifyFiles();

  EXPECT_EQ(shown, FixtureReport());
  EXPECT_TRUE(nonExistEnabled);
  EXPECT_TRUE(readOnlyEnabled);
  EXPECT_TRUE(removeEnabled);
  EXPECT_EQ(backend.ModalForms(), std::vector<std::string>{"frmFileErrorReport"});
}

TEST_F(VerifyQueueTest, IgnoreGoesOnWithTheQueueUnchanged) {
  MakeFixtureQueue();
  std::vector<std::string> before = QueueEntries();
  OnModal<frmFileErrorReport>([&](frmFileErrorReport& report) { user.Click(report.cmdIgnore); });

  VerifyQueueFiles();

  EXPECT_EQ(QueueEntries(), before);
  EXPECT_EQ(Main().settings.StopBatch, core::kFalse);
  EXPECT_FALSE(Report().Visible());
  EXPECT_EQ(ReportEntries(), FixtureReport());
}

TEST_F(VerifyQueueTest, ContinueRemovesMissingFilesAndWithLtTheUnavailableOnes) {
  struct Case {
    std::int16_t lt;
    std::vector<std::string> queueAfter;
    std::vector<std::string> reportAfter;
  };
  const std::vector<Case> cases = {
      {0,
       {kNormal, kLocked, kReadOnly, kLockedReadOnly},
       {"c:\\jobs\\locked.dwg", "c:\\jobs\\readonly.dwg", "c:\\jobs\\both.dwg", "c:\\jobs\\both.dwg"}},
      {1, {kNormal}, {"c:\\jobs\\both.dwg"}},
  };
  for (const Case& c : cases) {
    MakeFixtureQueue();
    Main().settings.LT = c.lt;
    Main().settings.StopBatch = core::kFalse;
    OnModal<frmFileErrorReport>([&](frmFileErrorReport& report) { user.Click(report.cmdContinue); });

    VerifyQueueFiles();

    EXPECT_EQ(QueueEntries(), c.queueAfter) << "LT " << c.lt;
    EXPECT_EQ(ReportEntries(), c.reportAfter) << "LT " << c.lt;
    EXPECT_FALSE(Report().lblNonExist.Enabled()) << "LT " << c.lt;
    EXPECT_EQ(Main().settings.StopBatch, core::kFalse) << "LT " << c.lt;
    EXPECT_FALSE(Report().Visible());
  }
}

TEST_F(VerifyQueueTest, RemovingReadOnlyFilesTakesEachOnceAndLeavesTheDuplicateEntry) {
  MakeFixtureQueue();
  std::vector<std::string> reportAfterRemoval;
  bool removeEnabledAfter = true;
  OnModal<frmFileErrorReport>([&](frmFileErrorReport& report) {
    user.Click(report.cmdRemoveREADONLY);
    reportAfterRemoval = ReportEntries();
    removeEnabledAfter = report.cmdRemoveREADONLY.Enabled();
    EXPECT_TRUE(report.Visible());
    user.Click(report.cmdIgnore);
  });

  VerifyQueueFiles();

  EXPECT_EQ(QueueEntries(),
            (std::vector<std::string>{kNormal, kMissing, kMissingUnc, kMissingOddName, kMissingRelative}));
  EXPECT_EQ(reportAfterRemoval,
            (std::vector<std::string>{"C:\\JOBS\\MISSING.DWG", "c:\\jobs\\both.dwg", "\\\\SERVER\\SHARE\\GONE.DWG",
                                      "C:\\JOBS\\PLAN #1 [A].DWG", "12.DWG"}));
  EXPECT_FALSE(removeEnabledAfter);
}

TEST_F(VerifyQueueTest, ADuplicatedMissingDrawingIsRemovedEveryTime) {
  SetQueue({"C:\\Jobs\\Gone.dwg", kNormal, "c:\\jobs\\GONE.dwg"});
  fileSystem.AddFile(kNormal, "AC1032");
  OnModal<frmFileErrorReport>([&](frmFileErrorReport& report) {
    EXPECT_EQ(ReportEntries(), (std::vector<std::string>{"C:\\JOBS\\GONE.DWG", "C:\\JOBS\\GONE.DWG"}));
    user.Click(report.cmdContinue);
  });
  ExpectMessage("Files Verified", "All Files in Queue are Available.");

  ChooseVerifyFiles();

  EXPECT_EQ(QueueEntries(), std::vector<std::string>{kNormal});
}

TEST_F(VerifyQueueTest, CancelStopsTheBuildAndLeavesTheQueue) {
  MakeFixtureQueue();
  std::vector<std::string> before = QueueEntries();
  OnModal<frmFileErrorReport>([&](frmFileErrorReport& report) { user.Click(report.cmdCancel); });

  VerifyQueueFiles();

  EXPECT_EQ(Main().settings.StopBatch, core::kTrue);
  EXPECT_EQ(QueueEntries(), before);
  EXPECT_EQ(ReportEntries(), FixtureReport());
  EXPECT_FALSE(Report().cmdRemoveREADONLY.Enabled());
  EXPECT_FALSE(Report().lblNonExist.Enabled());
  EXPECT_FALSE(Report().lblReadOnly.Enabled());
}

TEST_F(VerifyQueueTest, TheCloseBoxCancelsAndTheListSurvives) {
  MakeFixtureQueue();
  OnModal<frmFileErrorReport>([&](frmFileErrorReport& report) { user.Close(report); });

  VerifyQueueFiles();

  EXPECT_EQ(Main().settings.StopBatch, core::kTrue);
  EXPECT_EQ(ReportEntries(), FixtureReport());
  EXPECT_FALSE(Report().Visible());
}

TEST_F(VerifyQueueTest, StopAfterTheFirstOfTenFilesExaminesNoFurther) {
  std::vector<std::string> paths;
  for (int i = 1; i <= 10; ++i) paths.push_back("C:\\Jobs\\Gone" + std::to_string(i) + ".dwg");
  SetQueue(paths);
  // The first pump follows "Buffering File Names"; the second comes after the first file.
  CheckRunsLongAtPump(1);
  AtPump(2, [&] { user.Click(app.frmScanStop().cmdCancel); });
  OnModal<frmFileErrorReport>([&](frmFileErrorReport& report) { user.Click(report.cmdIgnore); });
  ExpectMessage("Verification Stopped", "The check was stopped before every file in the Queue was verified.");

  ChooseVerifyFiles();

  EXPECT_EQ(ReportEntries(), std::vector<std::string>{"C:\\JOBS\\GONE1.DWG"});
  EXPECT_EQ(app.frmScanStop().lblScanned.Caption(), "10% Complete");
  EXPECT_FALSE(app.frmScanStop().Visible());
  EXPECT_EQ(QueueEntries(), paths);
  EXPECT_TRUE(Main().settings.Queue.empty());
}

TEST_F(VerifyQueueTest, AStopWithNothingFoundDoesNotSayAllFilesAreAvailable) {
  fileSystem.AddFile("C:\\Jobs\\1.dwg", "AC1032");
  fileSystem.AddFile("C:\\Jobs\\2.dwg", "AC1032");
  SetQueue({"C:\\Jobs\\1.dwg", "C:\\Jobs\\2.dwg"});
  CheckRunsLongAtPump(1);
  AtPump(2, [&] { user.Click(app.frmScanStop().cmdCancel); });
  ExpectMessage("Verification Stopped", "The check was stopped before every file in the Queue was verified.");

  ChooseVerifyFiles();

  EXPECT_EQ(ReportEntries(), std::vector<std::string>{});
}

TEST_F(VerifyQueueTest, ShowsProgressInTheStopWindowAndHidesItAtTheEnd) {
  fileSystem.AddFile("C:\\Jobs\\1.dwg", "AC1032");
  fileSystem.AddFile("C:\\Jobs\\2.dwg", "AC1032");
  fileSystem.AddFile("C:\\Jobs\\3.dwg", "AC1032");
  SetQueue({"C:\\Jobs\\1.dwg", "C:\\Jobs\\2.dwg", "C:\\Jobs\\3.dwg"});
  std::vector<std::string> labels;
  bool shownMeanwhile = false;
  CheckRunsLongAtPump(1);
  for (int pump = 1; pump <= 7; ++pump) {
    AtPump(pump, [&] {
      labels.push_back(app.frmScanStop().lblScanned.Caption());
      shownMeanwhile = app.frmScanStop().Visible();
      EXPECT_EQ(Main().MousePointer(), ui::Pointer::kHourglass);
    });
  }
  ExpectMessage("Files Verified", "All Files in Queue are Available.").Icon(ui::MsgIcon::kExclamation);

  ChooseVerifyFiles();

  EXPECT_EQ(labels, (std::vector<std::string>{"Buffering File Names", "Buffering File Names", "33% Complete",
                                              "33% Complete", "67% Complete", "67% Complete", "100% Complete"}));
  EXPECT_TRUE(shownMeanwhile);
  EXPECT_FALSE(app.frmScanStop().Visible());
  EXPECT_EQ(Main().MousePointer(), ui::Pointer::kDefault);
  EXPECT_TRUE(backend.ModalForms().empty());
}

// A check that ends before half a second has passed never shows the stop window; a longer one
// shows it from the first file after that.
TEST_F(VerifyQueueTest, TheStopWindowAppearsOnlyWhenTheCheckLastsHalfASecond) {
  struct Case {
    std::int64_t passed;      // milliseconds passing at the first pump
    std::vector<bool> shown;  // at the pumps after the first file, the label and the second file
  };
  const Case cases[] = {{0, {false, false, false}}, {499, {false, false, false}}, {500, {true, true, true}}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.passed);
    fileSystem.AddFile("C:\\Jobs\\1.dwg", "AC1032");
    fileSystem.AddFile("C:\\Jobs\\2.dwg", "AC1032");
    SetQueue({"C:\\Jobs\\1.dwg", "C:\\Jobs\\2.dwg"});
    std::vector<bool> shown;
    AtPump(1, [&] {
      clock.Advance(c.passed);
      EXPECT_FALSE(app.frmScanStop().Visible()) << "not before the first file";
    });
    for (int pump = 2; pump <= 4; ++pump) AtPump(pump, [&] { shown.push_back(app.frmScanStop().Visible()); });
    ExpectMessage("Files Verified", "All Files in Queue are Available.");

    ChooseVerifyFiles();

    EXPECT_EQ(shown, c.shown);
    EXPECT_FALSE(app.frmScanStop().Visible());
  }
}

TEST_F(VerifyQueueTest, AnEmptyQueueIsAvailable) {
  ExpectMessage("Files Verified", "All Files in Queue are Available.")
      .Icon(ui::MsgIcon::kExclamation)
      .Buttons(ui::MsgButtons::kOk);

  ChooseVerifyFiles();

  EXPECT_TRUE(backend.ModalForms().empty());
}

TEST_F(VerifyQueueTest, EachCheckStartsFromAnEmptyReport) {
  MakeFixtureQueue();
  OnModal<frmFileErrorReport>([&](frmFileErrorReport& report) { user.Click(report.cmdIgnore); });
  VerifyQueueFiles();

  SetQueue({kMissing});
  bool removeEnabled = true;
  bool readOnlyEnabled = true;
  OnModal<frmFileErrorReport>([&](frmFileErrorReport& report) {
    removeEnabled = report.cmdRemoveREADONLY.Enabled();
    readOnlyEnabled = report.lblReadOnly.Enabled();
    user.Click(report.cmdIgnore);
  });
  VerifyQueueFiles();

  EXPECT_EQ(ReportEntries(), std::vector<std::string>{"C:\\JOBS\\MISSING.DWG"});
  EXPECT_FALSE(removeEnabled);
  EXPECT_FALSE(readOnlyEnabled);
}

// The report is created at the first problem found: a clean check creates none, and one left
// by an earlier check is cleared.
TEST_F(VerifyQueueTest, ACleanCheckCreatesNoReportAndClearsAnEarlierOne) {
  fileSystem.AddFile("C:\\Jobs\\1.dwg", "AC1032");
  SetQueue({"C:\\Jobs\\1.dwg"});
  VerifyQueueFiles();
  EXPECT_EQ(app.frmFileErrorReportIfLoaded(), nullptr);

  SetQueue({kMissing});
  OnModal<frmFileErrorReport>([&](frmFileErrorReport& report) { user.Click(report.cmdIgnore); });
  VerifyQueueFiles();
  ASSERT_NE(app.frmFileErrorReportIfLoaded(), nullptr);

  SetQueue({"C:\\Jobs\\1.dwg"});
  VerifyQueueFiles();

  EXPECT_EQ(ReportEntries(), std::vector<std::string>{});
  EXPECT_EQ(backend.ModalForms(), std::vector<std::string>{"frmFileErrorReport"}) << "shown for the missing file only";
}

TEST_F(VerifyQueueTest, CopiesTheReportToTheClipboard) {
  MakeFixtureQueue();
  OnModal<frmFileErrorReport>([&](frmFileErrorReport& report) {
    user.Click(report.cmdCopytoClip);
    user.Click(report.cmdIgnore);
  });
  ExpectMessage(kAppTitle, "8 Items Copied to the Clipboard").Icon(ui::MsgIcon::kInformation);

  VerifyQueueFiles();

  std::string expected;
  for (const std::string& entry : FixtureReport()) expected += (expected.empty() ? "" : "\r\n") + entry;
  EXPECT_EQ(clipboard.text, expected);
}

// A dialog that is open while a build runs, as the one that writes the script elsewhere.
class frmSomeDialog : public ui::Form {
 public:
  explicit frmSomeDialog(ui::Context& ctx) : Form(ctx, "frmSomeDialog") {}
};

TEST_F(VerifyQueueTest, ChecksTheQueueWhileADialogIsOpen) {
  MakeFixtureQueue();
  frmSomeDialog dialog(ctx);
  bool stopWindowShown = false;
  OnModal<frmSomeDialog>([&](frmSomeDialog& open) {
    CheckRunsLongAtPump(1);
    AtPump(2, [&] { stopWindowShown = app.frmScanStop().Visible(); });
    Main().VerifyQueueFiles();
    open.Hide();
  });
  OnModal<frmFileErrorReport>([&](frmFileErrorReport& report) { user.Click(report.cmdCancel); });

  AsEvent([&] { dialog.Show(ui::ShowMode::kModal, &Main()); });

  EXPECT_TRUE(stopWindowShown);
  EXPECT_EQ(ReportEntries(), FixtureReport());
  EXPECT_EQ(Main().settings.StopBatch, core::kTrue);
}

TEST_F(VerifyQueueTest, IsReadonlyAnswersByTheReadOnlyBit) {
  fileSystem.AddFile("C:\\Jobs\\plain.dwg", "");
  fileSystem.AddFile("C:\\Jobs\\ro.dwg", "", platform::kAttrReadOnly);
  fileSystem.AddFile("C:\\Jobs\\ro-hidden.dwg", "", platform::kAttrReadOnly | platform::kAttrHidden);
  fileSystem.AddFile("C:\\Jobs\\hidden.dwg", "", platform::kAttrHidden | platform::kAttrArchive);
  struct Case {
    const char* path;
    bool readOnly;
  };
  const Case cases[] = {
      {"C:\\Jobs\\plain.dwg", false},  {"C:\\Jobs\\ro.dwg", true},    {"C:\\Jobs\\ro-hidden.dwg", true},
      {"C:\\Jobs\\hidden.dwg", false}, {"C:\\Jobs\\none.dwg", false}, {"C:\\Nowhere\\none.dwg", false},
  };
  for (const Case& c : cases) EXPECT_EQ(Main().IsReadonly(c.path), c.readOnly) << c.path;
}

TEST_F(VerifyQueueTest, IsReadonlyReportsOtherFailuresAndAnswersFalse) {
  fileSystem.AddFile("C:\\Jobs\\odd.dwg", "", platform::kAttrReadOnly);
  fileSystem.FailOn("C:\\Jobs\\odd.dwg", runtime::kPathFileAccessError);
  ExpectMessage("Error",
                "Error #75  C:\\Jobs\\odd.dwg   - In ReadOnly - Report to support@tornavane.example... THANKS!")
      .Icon(ui::MsgIcon::kExclamation);
  Main().SetMousePointer(ui::Pointer::kHourglass);

  EXPECT_FALSE(Main().IsReadonly("C:\\Jobs\\odd.dwg"));
  EXPECT_EQ(Main().MousePointer(), ui::Pointer::kDefault);
}

// A path Windows cannot take is said to be one, and every path in the message fits the
// screen: a long one is shortened in the middle.
TEST_F(VerifyQueueTest, IsReadonlyNamesAnInvalidPathAndShortensLongOnes) {
  const std::string invalid =
      "This path is not valid for Windows (too long, or holding a character Windows does not "
      "allow):\r\n";
  const std::string deep = "C:\\Jobs\\" + std::string(4984, 'x') + ".dwg";  // 4,996 characters
  const std::string shortDeep = deep.substr(0, 45) + "..." + deep.substr(deep.size() - 45);
  const std::string locked = "C:\\Jobs\\" + std::string(120, 'y') + ".dwg";
  fileSystem.AddFile(locked, "");
  fileSystem.FailOn(locked, runtime::kPathFileAccessError);
  fileSystem.FailOn(deep, runtime::kBadFileName, platform::fake::FakeOperation::kGetAttributes);
  struct Case {
    std::string path;
    std::string message;
  };
  const Case cases[] = {
      {deep, invalid + shortDeep},
      {"C:\\Jobs\\a<b.dwg", invalid + "C:\\Jobs\\a<b.dwg"},
      {locked, "Error #75  " + locked.substr(0, 45) + "..." + locked.substr(locked.size() - 45) +
                   "   - In ReadOnly - Report to support@tornavane.example... THANKS!"},
  };
  for (const Case& c : cases) {
    ExpectMessage("Error", c.message).Icon(ui::MsgIcon::kExclamation);
    EXPECT_FALSE(Main().IsReadonly(c.path));
  }
}

}  // namespace
