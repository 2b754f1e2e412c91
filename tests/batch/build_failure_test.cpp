// Builds that cannot write their batch script, or fail while writing it.

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <limits>
#include <memory>
#include <string>
#include <vector>

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

  EXPECT_EQ(Main().settings.StopBatch, core::kTrue);
  EXPECT_EQ(Options().Visible(), c.optionsShown);
  EXPECT_TRUE(backend.ModalForms().empty());
  EXPECT_EQ(ctx.ScreenPointer(), ui::Pointer::kDefault);
  EXPECT_EQ(Main().settings.TotalFilesProcessed, 0.0);
  EXPECT_TRUE(Main().settings.Queue.empty());
  EXPECT_EQ(Main().lblUpdate.Caption(), "Ready");
  if (fileSystem.Exists(kOutput)) {
    EXPECT_EQ(Written(), kOldScript);
  }
  EXPECT_FALSE(fileSystem.Exists(std::string(kOutput) + ".~tmp"));
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
                     main.settings.SCROutputPath = "C:\\Gone\\tornavane.scr";
                     return std::shared_ptr<void>();
                   },
                   "Tornavane Setup Alert",
                   "Tornavane script output path not found, please confirm this location.\r"
                   "(Please use AutoCAD SUPPORT directory)",
                   true},
        OutputCase{"NoPathSet",
                   [](platform::fake::FakeFileSystem& fs, mainwindow::frmMain& main) {
                     main.settings.SCROutputPath = "";
                     return OldScript(fs, platform::kAttrArchive);
                   },
                   "Tornavane Setup Alert",
                   "Tornavane script output path not found, please confirm this location.\r"
                   "(Please use AutoCAD SUPPORT directory)",
                   true}),
    [](const ::testing::TestParamInfo<OutputCase>& tested) { return tested.param.name; });

constexpr const char* kKept = "\r\n\r\nThe previous batch script is still in its place, unchanged.";
constexpr const char* kNone = "\r\n\r\nThere is no batch script in its place.";

std::string NotCreated(const std::string& path, const std::string& error, const char* inPlace) {
  return "The batch script was not created. Writing it failed:\r\n" + path + "\r\n\r\n" + error + inPlace;
}

// Every file of the output's folder, so a part of a script left under any name shows.
std::vector<std::string> FilesIn(platform::fake::FakeFileSystem& fs, const std::string& folder) {
  std::vector<std::string> files;
  for (const std::string& path : fs.AllPaths()) {
    if (path.starts_with(folder) && !path.ends_with("\\")) files.push_back(path);
  }
  return files;
}

// Stopped while writing, the new script never reaches its place: the previous one stays there
// whole (or the place stays empty), nothing else is left beside it, the user is told which,
// and StopBatch keeps the run button from starting AutoCAD; the status says "Ready" again.
class DiskFullTest : public BuildFixture, public ::testing::WithParamInterface<bool> {};

TEST_P(DiskFullTest, LeavesThePreviousScriptAndNoPartOfTheNewOne) {
  const bool previous = GetParam();
  constexpr const char* kOnD = "D:\\Support\\tornavane.scr";
  fileSystem.AddDrive("D:", "");
  fileSystem.AddFolder("D:\\Support");
  if (previous) fileSystem.AddFile(kOnD, kOldScript);
  // Room for the previous script and about half of the new one (some 210 KB).
  fileSystem.SetCapacity("D:", 100000);
  Main().settings.SCROutputPath = kOnD;
  Main().settings.VerifyFilesBit = 0;
  Options().tbAutoCadEXE.SetText("C:\\ACAD\\acad.exe");
  fileSystem.AddFile("C:\\ACAD\\acad.exe", "MZ");
  std::vector<std::string> many;
  for (int i = 0; i < 100; ++i) many.push_back("C:\\DWG\\Sheet-" + std::to_string(i) + ".dwg");
  QueueAndScript(many, "; " + std::string(2000, '-') + "\r\nREGEN");
  ExpectMessage("Tornavane Alert", NotCreated(kOnD, "Error 61 (Disk full)", previous ? kKept : kNone))
      .Icon(ui::MsgIcon::kExclamation);
  ClickRun();

  EXPECT_EQ(FilesIn(fileSystem, "D:\\"), previous ? std::vector<std::string>{kOnD} : std::vector<std::string>{});
  if (previous) {
    EXPECT_EQ(fileSystem.Contents(kOnD), kOldScript);
  }
  EXPECT_EQ(Main().settings.StopBatch, core::kTrue);
  EXPECT_TRUE(shell.executeCalls.empty());
  EXPECT_TRUE(shell.processCalls.empty());
  EXPECT_TRUE(backend.ModalForms().empty());
  EXPECT_EQ(Main().settings.TotalFilesProcessed, 0.0);
  EXPECT_EQ(Main().settings.InNightRun, core::kFalse);
  EXPECT_EQ(Main().lblUpdate.Caption(), "Ready");
}

INSTANTIATE_TEST_SUITE_P(Build, DiskFullTest, ::testing::Bool(), [](const ::testing::TestParamInfo<bool>& paramInfo) {
  return paramInfo.param ? "WithAPreviousScript" : "WithoutAPreviousScript";
});

// The failures of a write, of the last flush and of the move into
// place are all reported with what the place holds, and leave nothing beside it.
TEST_F(BuildFixture, AFailureAnywhereBeforeTheMoveKeepsThePreviousScript) {
  const struct {
    const char* what;
    std::function<void(platform::fake::FakeFileSystem&)> fail;
    const char* error;
  } cases[] = {
      {"a write",
       [](platform::fake::FakeFileSystem& fs) {
         fs.FailOn(std::string(kOutput) + ".~tmp", 61, platform::fake::FakeOperation::kWrite);
       },
       "Error 61 (Disk full)"},
      {"the last flush",
       [](platform::fake::FakeFileSystem& fs) {
         fs.FailOn(std::string(kOutput) + ".~tmp", 61, platform::fake::FakeOperation::kClose);
       },
       "Error 61 (Disk full)"},
      {"the move into place",
       [](platform::fake::FakeFileSystem& fs) { fs.FailOn(kOutput, 70, platform::fake::FakeOperation::kReplace); },
       "Error 70 (Permission denied)"},
  };
  Main().settings.VerifyFilesBit = 0;
  Main().settings.ShowSCRComplete = 0;
  fileSystem.AddFile(kOutput, kOldScript);
  WorkedExampleQueue();
  for (const auto& c : cases) {
    c.fail(fileSystem);
    ExpectMessage("Tornavane Alert", NotCreated(kOutput, c.error, kKept));
    ClickCreate();
    fileSystem.ClearFailures();
    EXPECT_EQ(FilesIn(fileSystem, "C:\\Support\\"), std::vector<std::string>{kOutput}) << c.what;
    EXPECT_EQ(Written(), kOldScript) << c.what;
    EXPECT_EQ(Main().settings.StopBatch, core::kTrue) << c.what;
  }
  // And the next build, with nothing in its way, replaces it.
  ClickCreate();
  EXPECT_EQ(Written(), ReadGolden("worked_example"));
  EXPECT_EQ(FilesIn(fileSystem, "C:\\Support\\"), std::vector<std::string>{kOutput});
}

TEST_F(BuildFixture, CounterPastItsRangeLeavesNoScript) {
  Main().settings.ShowSCRComplete = 0;
  Main().settings.COUNTERSTART = std::numeric_limits<std::int32_t>::max();
  WorkedExampleQueue();
  ExpectMessage("Tornavane Alert", NotCreated(kOutput, "Error 6 (Overflow)", kNone));
  ClickCreate();
  EXPECT_EQ(Main().settings.StopBatch, core::kTrue);
  EXPECT_EQ(Main().settings.TotalFilesProcessed, 0.0);
  EXPECT_EQ(FilesIn(fileSystem, "C:\\Support\\"), std::vector<std::string>{});
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
      {runtime::kPermissionDenied, batch::BuildStage::kWriting, "Tornavane Alert", false, "The batch script was not c"},
      {runtime::kDiskFull, batch::BuildStage::kWriting, "Tornavane Alert", false, "The batch script was not created"},
      {runtime::kDiskFull, batch::BuildStage::kBeforeWriting, "Tornavane Alert", false, "The batch script was not"},
      {runtime::kInputPastEnd, batch::BuildStage::kWritten, "Tornavane Alert", false, "The batch script was written"},
  };
  for (const Case& c : cases) {
    const batch::BuildFailureNotice notice =
        batch::BuildFailureMessage(runtime::Error(c.number), c.stage, "C:\\S\\t.scr", true);
    EXPECT_EQ(notice.title, c.title) << c.number;
    EXPECT_EQ(notice.showOptions, c.showOptions) << c.number;
    EXPECT_TRUE(notice.text.starts_with(c.startsWith)) << notice.text;
  }
}

}  // namespace
}  // namespace test
