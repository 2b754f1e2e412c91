// The drawing version scan window: its start rule, scans, Stop, Clear, the copy into the
// queue and what closing keeps.
#include "filetools/frm_dwg_rev_scan.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "core/settings_model.h"
#include "dwg_version_fixture.h"

namespace test {
namespace {

using Strings = std::vector<std::string>;

constexpr const char* kScanComplete = "Scan Complete";
constexpr const char* kCopied = "File Names Copied!";
constexpr const char* kCopiedTail =
    " File Names have been copied to the File Queue.\r\nYou may now close the DWG Version Scan Window.";

class DwgRevScanTest : public DwgVersionFixture {
 protected:
  DwgRevScanTest() {
    AddDrawing("C:\\p\\Sub\\x.Dwg", "AC1015");
    AddDrawing("C:\\p\\y.dwg", "AC1018");
    fileSystem.AddFile("C:\\p\\z.dwg", "AC");
    AddDrawing("C:\\p\\.dwg", "AC1015");
    AddDrawing("C:\\p\\w.dxf", "AC1015");
    Main().Dir1.SetPath("C:\\p");
  }

  // Opens the window from the Tools menu; the user follows steps in it.
  void InWindow(std::function<void(filetools::frmDWGRevScan&)> steps) {
    OnModal<filetools::frmDWGRevScan>(std::move(steps));
    user.ChooseMenu(Main().mnuDWGRevScan);
  }
  // Ticks exactly the boxes of the given table rows.
  void TickOnly(filetools::frmDWGRevScan& form, const std::vector<int>& rows) {
    const auto boxes = form.ReleaseBoxes();
    for (std::size_t row = 0; row < boxes.size(); ++row) {
      const bool wanted = std::find(rows.begin(), rows.end(), static_cast<int>(row)) != rows.end();
      if ((boxes[row]->Value() == ui::kChecked) != wanted) user.Click(*boxes[row]);
    }
  }
  void StartExpecting(filetools::frmDWGRevScan& form, int found) {
    ExpectMessage(kScanComplete, std::to_string(found) + " Files Added to Queue.").Buttons(ui::MsgButtons::kOk);
    user.Click(form.cmdStartScan);
  }
};

TEST_F(DwgRevScanTest, OpensAtTheBrowsersFolderWithR12TickedAndStartsTheWorkedScan) {
  InWindow([&](filetools::frmDWGRevScan& form) {
    EXPECT_EQ(form.Dir1.Path(), "C:\\p");
    EXPECT_EQ(form.chkR12.Value(), ui::kChecked);
    EXPECT_TRUE(form.cmdStartScan.Enabled());
    EXPECT_FALSE(form.cmdStop.Enabled());
    EXPECT_FALSE(form.cmdCopyToQueue.Enabled());
    EXPECT_FALSE(form.cmdClear.Enabled());
    EXPECT_FALSE(form.chkAppendtoQueue.Enabled());
    EXPECT_EQ(form.chkAppendtoQueue.Value(), ui::kChecked);
    EXPECT_EQ(form.lblStatus.Caption(), "Ready");
    TickOnly(form, {3});
    StartExpecting(form, 1);
    EXPECT_EQ(Items(form.List1), Strings{"C:\\P\\SUB\\X.DWG"});
    EXPECT_EQ(Items(form.lstProblemFiles), Strings{"C:\\P\\Z.DWG"});
    EXPECT_TRUE(form.cmdCopyToQueue.Enabled());
    EXPECT_TRUE(form.cmdClear.Enabled());
    EXPECT_TRUE(form.cmdClose.Enabled());
    EXPECT_FALSE(form.cmdStop.Enabled());
    EXPECT_EQ(form.lblStatus.Caption(), "Ready");
    user.Click(form.cmdClose);
  });
}

TEST_F(DwgRevScanTest, StartNeedsOneBoxThatIsNotUnticked) {
  InWindow([&](filetools::frmDWGRevScan& form) {
    const auto boxes = form.ReleaseBoxes();
    for (std::size_t row = 0; row < boxes.size(); ++row) {
      TickOnly(form, {});
      EXPECT_FALSE(form.cmdStartScan.Enabled());
      user.Click(*boxes[row]);
      EXPECT_TRUE(form.cmdStartScan.Enabled()) << row;
    }
    TickOnly(form, {});
    boxes[5]->SetValue(ui::kGrayed);
    EXPECT_TRUE(form.cmdStartScan.Enabled());
    user.Click(form.cmdClose);
  });
}

TEST_F(DwgRevScanTest, ScansAccumulateAndTheMessageCountsTheLastOne) {
  InWindow([&](filetools::frmDWGRevScan& form) {
    TickOnly(form, {3, 4});
    StartExpecting(form, 2);
    TickOnly(form, {4});
    StartExpecting(form, 1);
    EXPECT_EQ(Items(form.List1), (Strings{"C:\\P\\SUB\\X.DWG", "C:\\P\\Y.DWG", "C:\\P\\Y.DWG"}));
    EXPECT_EQ(Items(form.lstProblemFiles), (Strings{"C:\\P\\Z.DWG", "C:\\P\\Z.DWG"}));
    user.Click(form.cmdClear);
    EXPECT_EQ(form.List1.ListCount() + form.lstProblemFiles.ListCount(), 0);
    EXPECT_FALSE(form.cmdClear.Enabled());
    EXPECT_FALSE(form.cmdCopyToQueue.Enabled());
    // Finding nothing leaves the problem files with nothing to clear them.
    TickOnly(form, {0});
    StartExpecting(form, 0);
    EXPECT_EQ(Items(form.lstProblemFiles), Strings{"C:\\P\\Z.DWG"});
    EXPECT_FALSE(form.cmdClear.Enabled());
    user.Click(form.cmdClose);
  });
}

TEST_F(DwgRevScanTest, StopEndsTheScanWithWhatItFoundSoFar) {
  for (const char* folder : {"a", "b", "c"}) AddDrawing(std::string("C:\\p\\") + folder + "\\d.dwg", "AC1018");
  InWindow([&](filetools::frmDWGRevScan& form) {
    TickOnly(form, {4});
    // The pump of folder b takes the click: folders b and c add nothing, nor does the rest of p.
    AtPump(3, [&] {
      EXPECT_TRUE(form.cmdStop.Enabled());
      EXPECT_FALSE(form.cmdStartScan.Enabled());
      EXPECT_FALSE(form.cmdClose.Enabled());
      EXPECT_FALSE(form.chkR2004.Enabled());
      user.Click(form.cmdStop);
    });
    StartExpecting(form, 1);
    EXPECT_EQ(Items(form.List1), Strings{"C:\\P\\A\\D.DWG"});
    EXPECT_EQ(app.ScanFileCount, 1);
    EXPECT_TRUE(form.cmdStartScan.Enabled());
    EXPECT_TRUE(form.chkR2004.Enabled());
    EXPECT_EQ(form.lblStatus.Caption(), "Ready");
    user.Click(form.cmdClose);
  });
}

TEST_F(DwgRevScanTest, TheCloseBoxDuringAScanStopsItAndUnloadsWithoutTheMessage) {
  for (const char* folder : {"a", "b"}) AddDrawing(std::string("C:\\p\\") + folder + "\\d.dwg", "AC1018");
  InWindow([&](filetools::frmDWGRevScan& form) {
    TickOnly(form, {4});
    AtPump(2, [&] { user.Close(form); });
    user.Click(form.cmdStartScan);
  });
  EXPECT_EQ(Main().settings.StopNow, core::kTrue);
  InWindow([&](filetools::frmDWGRevScan& form) {
    EXPECT_EQ(form.List1.ListCount(), 0);
    EXPECT_EQ(form.chkR12.Value(), ui::kChecked);
    user.Close(form);
  });
}

TEST_F(DwgRevScanTest, CloseKeepsTheWindowAsItWasAndTheCloseBoxStartsAfresh) {
  InWindow([&](filetools::frmDWGRevScan& form) {
    TickOnly(form, {3});
    StartExpecting(form, 1);
    user.Click(form.cmdClose);
  });
  Main().Dir1.SetPath("C:\\p\\Sub");
  InWindow([&](filetools::frmDWGRevScan& form) {
    EXPECT_EQ(Items(form.List1), Strings{"C:\\P\\SUB\\X.DWG"});
    EXPECT_EQ(form.chkR2000.Value(), ui::kChecked);
    EXPECT_EQ(form.chkR12.Value(), ui::kUnchecked);
    EXPECT_EQ(form.Dir1.Path(), "C:\\p");
    EXPECT_TRUE(form.cmdCopyToQueue.Enabled());
    user.Close(form);
  });
  InWindow([&](filetools::frmDWGRevScan& form) {
    EXPECT_EQ(form.List1.ListCount() + form.lstProblemFiles.ListCount(), 0);
    EXPECT_EQ(form.chkR12.Value(), ui::kChecked);
    EXPECT_EQ(form.chkR2000.Value(), ui::kUnchecked);
    EXPECT_EQ(form.Dir1.Path(), "C:\\p\\Sub");
    user.Close(form);
  });
}

TEST_F(DwgRevScanTest, CopyAppendsOrReplacesAndTheQueueControlsFollow) {
  Main().List1.AddItem("C:\\old\\q.dwg");
  InWindow([&](filetools::frmDWGRevScan& form) {
    EXPECT_TRUE(form.chkAppendtoQueue.Enabled());
    TickOnly(form, {3, 4});
    StartExpecting(form, 2);
    ExpectMessage(kCopied, std::string("2") + kCopiedTail).Icon(ui::MsgIcon::kExclamation);
    user.Click(form.cmdCopyToQueue);
    EXPECT_EQ(Items(Main().List1), (Strings{"C:\\old\\q.dwg", "C:\\P\\SUB\\X.DWG", "C:\\P\\Y.DWG"}));
    ExpectMessage(kCopied, std::string("2") + kCopiedTail);
    user.Click(form.cmdCopyToQueue);
    EXPECT_EQ(Main().List1.ListCount(), 5);
    user.Click(form.chkAppendtoQueue);
    ExpectMessage(kCopied, std::string("2") + kCopiedTail);
    user.Click(form.cmdCopyToQueue);
    EXPECT_EQ(Items(Main().List1), (Strings{"C:\\P\\SUB\\X.DWG", "C:\\P\\Y.DWG"}));
    EXPECT_EQ(Main().lblFilesInQueue.Caption(), "Queue = 2");
    user.Click(form.cmdClose);
  });
}

TEST_F(DwgRevScanTest, ADriveThatDoesNotAnswerSendsTheListsBackToDriveC) {
  fileSystem.AddDrive("E:", "", false);
  InWindow([&](filetools::frmDWGRevScan& form) {
    ExpectMessage("Tornavane Alert", "That Drive is not responding...\rPlease select another drive!");
    user.ChooseDrive(form.Drive1, "e:");
    EXPECT_EQ(form.Dir1.Path().substr(0, 2), "C:");
    user.Click(form.cmdClose);
  });
}

}  // namespace
}  // namespace test
