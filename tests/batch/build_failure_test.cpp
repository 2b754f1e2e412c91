// Builds that cannot write their batch script, or fail while writing it.

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <limits>
#include <memory>
#include <string>

#include "batch/build.h"
#include "build_fixture.h"
#include "core/settings_model.h"
#include "runtime/error.h"

namespace test {
namespace {

constexpr const char* kOldScript = "; the last good script\r\n";

struct OutputCase {
  std::string name;
  std::function<std::shared_ptr<void>(platform::fake::FakeFileSystem&, mainwindow::frmMain&)> setUp;
  std::string title;
  std::string text;
  bool optionsShown;
};

class OutputFailureTest : public BuildFixture, public ::testing::WithParamInterface<OutputCase> {};

TEST_P(OutputFailureTest, TellsWhyStopsTheBuildAndLeavesTheOldFile) {
  const OutputCase& c = GetParam();
  WorkedExampleQueue();
  std::shared_ptr<void> held = c.setUp(fileSystem, Main());
  ExpectMessage(c.title, c.text).Buttons(ui::MsgButtons::kOk).Icon(ui::MsgIcon::kNone);
  ClickCreate();

  EXPECT_EQ(Main().StopBatch, core::kTrue);
  EXPECT_EQ(Options().Visible(), c.optionsShown);
  EXPECT_TRUE(backend.ModalForms().empty());
  EXPECT_EQ(ctx.ScreenPointer(), ui::Pointer::kDefault);
  EXPECT_EQ(Main().TotalFilesProcessed, 0.0);
  EXPECT_TRUE(Main().Queue.empty());
  EXPECT_EQ(Main().lblUpdate.Caption(), "Ready");
  if (fileSystem.Exists(kOutput)) {
    EXPECT_EQ(Written(), kOldScript);
  }
}

std::shared_ptr<void> OldScript(platform::fake::FakeFileSystem& fs, std::uint32_t attributes) {
  fs.AddFile(BuildFixture::kOutput, kOldScript, attributes);
  return nullptr;
}

INSTANTIATE_TEST_SUITE_P(
    Output, OutputFailureTest,
    ::testing::Values(
        OutputCase{"LockedByAutoCAD",
                   [](platform::fake::FakeFileSystem& fs, mainwindow::frmMain&) {
                     OldScript(fs, platform::kAttrArchive);
                     return fs.HoldOpen(BuildFixture::kOutput);
                   },
                   "Tornavane Alert",
                   "The Output Script file is Read-Only.\rPlease wait for AutoCAD to finish using the Script,\r"
                   "before you try overwriting it with anoth another.",
                   false},
        OutputCase{"ReadOnlyFile",
                   [](platform::fake::FakeFileSystem& fs, mainwindow::frmMain&) {
                     return OldScript(fs, platform::kAttrArchive | platform::kAttrReadOnly);
                   },
                   "Tornavane Alert",
                   "Please confirm your Tornavane Batch Script OUTPUT Path and file are NOT READ-ONLY.\r\r"
                   "(i.e. C:\\Support\\tornavane.scr should NOT be READ-ONLY).\r",
                   true},
        OutputCase{"MissingFolder",
                   [](platform::fake::FakeFileSystem&, mainwindow::frmMain& main) {
                     main.SCROutputPath = "C:\\Gone\\tornavane.scr";
                     return std::shared_ptr<void>();
                   },
                   "Tornavane Setup Alert",
                   "Tornavane script output path not found, please confirm this location.\r"
                   "(Please use AutoCAD SUPPORT directory)",
                   true},
        OutputCase{"NoPathSet",
                   [](platform::fake::FakeFileSystem& fs, mainwindow::frmMain& main) {
                     main.SCROutputPath = "";
                     return OldScript(fs, platform::kAttrArchive);
                   },
                   "Tornavane Setup Alert",
                   "Tornavane script output path not found, please confirm this location.\r"
                   "(Please use AutoCAD SUPPORT directory)",
                   true}),
    [](const ::testing::TestParamInfo<OutputCase>& info) { return info.param.name; });

// Cut short while writing, the file is incomplete: the user is told so, StopBatch keeps the
// run button from starting AutoCAD on it, and nothing reports the build as done; the status
// says "Ready" again, not the share of the queue written before the failure.
TEST_F(BuildFixture, DiskFullWhileWritingIsReportedAsIncomplete) {
  WorkedExampleQueue();
  Options().tbAutoCadEXE.SetText("C:\\ACAD\\acad.exe");
  fileSystem.AddFile("C:\\ACAD\\acad.exe", "MZ");
  fileSystem.FailOn(kOutput, runtime::kDiskFull, platform::fake::FakeOperation::kWrite);
  ExpectMessage("Tornavane Alert",
                "The batch script is INCOMPLETE. Writing it failed:\r\nC:\\Support\\tornavane.scr\r\n\r\n"
                "Error 61 (Disk full)\r\n\r\nPlease do not run this batch script; create it again.")
      .Icon(ui::MsgIcon::kExclamation);
  ClickRun();
  EXPECT_EQ(Main().StopBatch, core::kTrue);
  EXPECT_TRUE(shell.executeCalls.empty());
  EXPECT_TRUE(shell.processCalls.empty());
  EXPECT_TRUE(backend.ModalForms().empty());
  EXPECT_FALSE(fileSystem.IsOpen(kOutput));
  EXPECT_EQ(Main().TotalFilesProcessed, 0.0);
  EXPECT_EQ(Main().InNightRun, core::kFalse);
}

TEST_F(BuildFixture, DiskFullOnALongQueueLeavesThePartWritten) {
  Main().VerifyFilesBit = 0;
  std::vector<std::string> many;
  for (int i = 0; i < 100; ++i) many.push_back("C:\\DWG\\Sheet-" + std::to_string(i) + ".dwg");
  QueueAndScript(many, "; " + std::string(2000, '-') + "\r\nREGEN");  // about 30 drawings a write
  AtPump(50, [&] { fileSystem.FailNextWrite(runtime::kDiskFull); });
  ExpectMessage("Tornavane Alert",
                "The batch script is INCOMPLETE. Writing it failed:\r\nC:\\Support\\tornavane.scr\r\n\r\n"
                "Error 61 (Disk full)\r\n\r\nPlease do not run this batch script; create it again.");
  ClickCreate();
  EXPECT_EQ(Main().StopBatch, core::kTrue);
  const std::string partial = Written();
  EXPECT_FALSE(partial.empty());
  EXPECT_EQ(partial.find("_SDI 0"), std::string::npos);
  EXPECT_EQ(Main().lblUpdate.Caption(), "Ready");
}

TEST_F(BuildFixture, CounterPastItsRangeIsReportedAsIncomplete) {
  Main().ShowSCRComplete = 0;
  Main().COUNTERSTART = std::numeric_limits<std::int32_t>::max();
  WorkedExampleQueue();
  ExpectMessage("Tornavane Alert",
                "The batch script is INCOMPLETE. Writing it failed:\r\nC:\\Support\\tornavane.scr\r\n\r\n"
                "Error 6 (Overflow)\r\n\r\nPlease do not run this batch script; create it again.");
  ClickCreate();
  EXPECT_EQ(Main().StopBatch, core::kTrue);
  EXPECT_EQ(Main().TotalFilesProcessed, 0.0);
}

TEST(BuildFailureMessageTest, NamesTheCauseByStage) {
  struct Case {
    int number;
    batch::BuildStage stage;
    const char* title;
    bool showOptions;
    const char* startsWith;
  };
  const Case cases[] = {
      {runtime::kPermissionDenied, batch::BuildStage::kBeforeWriting, "Tornavane Alert", false, "The Output Script"},
      {runtime::kPathFileAccessError, batch::BuildStage::kBeforeWriting, "Tornavane Alert", true, "Please confirm"},
      {runtime::kPathNotFound, batch::BuildStage::kBeforeWriting, "Tornavane Setup Alert", true, "Tornavane script"},
      {runtime::kPathNotFound, batch::BuildStage::kWritten, "Tornavane Setup Alert", true, "Tornavane script"},
      {runtime::kPermissionDenied, batch::BuildStage::kWriting, "Tornavane Alert", false, "The batch script is INCOMP"},
      {runtime::kDiskFull, batch::BuildStage::kWriting, "Tornavane Alert", false, "The batch script is INCOMPLETE"},
      {runtime::kDiskFull, batch::BuildStage::kBeforeWriting, "Tornavane Alert", false, "The batch script was not"},
      {runtime::kInputPastEnd, batch::BuildStage::kWritten, "Tornavane Alert", false, "The batch script was written"},
  };
  for (const Case& c : cases) {
    const batch::BuildFailureNotice notice =
        batch::BuildFailureMessage(runtime::Error(c.number), c.stage, "C:\\S\\t.scr");
    EXPECT_EQ(notice.title, c.title) << c.number;
    EXPECT_EQ(notice.showOptions, c.showOptions) << c.number;
    EXPECT_TRUE(notice.text.starts_with(c.startsWith)) << notice.text;
  }
}

}  // namespace
}  // namespace test
