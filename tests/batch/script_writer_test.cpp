#include "batch/script_writer.h"

#include <gtest/gtest.h>

#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "batch_fixture.h"
#include "runtime/error.h"

namespace batch_test {
namespace {

constexpr const char* kHeader =
    "; ***************************************************************\r\n"
    ";  TORNAVANE 1.0.0 - SCRIPT CREATED 12/10/2026 : 1:05:09 PM\r\n"
    "; ***************************************************************\r\n";

// Runs the build and returns the number of the error it failed with (0 for none).
int FailureOf(BatchScriptTest& t) {
  try {
    t.Build();
  } catch (const runtime::Error& error) {
    return error.Number();
  }
  return 0;
}

class ScriptWriterTest : public BatchScriptTest {
 protected:
  ScriptWriterTest() {
    start.tbPreBatch = "";
    source.tbPostBatch = "";
    source.settings.Text1 = "REGEN";
    source.settings.tbPreUserScript = "";
    source.settings.DebugComments = 0;
  }

  // The block of a normal drawing with these settings.
  static std::string Block(const std::string& path) { return Lines({"_OPEN", "\"" + path + "\"", "REGEN", "_QSAVE"}); }
};

TEST_F(ScriptWriterTest, SettingsAreReadAfreshForEveryDrawing) {
  Normal("C:\\DWG\\A.dwg");
  Normal("C:\\DWG\\B.dwg");
  Normal("C:\\DWG\\C.dwg");
  // The user ticks Test Run while the second drawing's progress is shown.
  source.onDrawing = [](std::int32_t position, batch::DrawingSettings& drawing) {
    if (position == 2) drawing.chkTestRun = 1;
  };
  EXPECT_EQ(Build(), kHeader + Block("C:\\DWG\\A.dwg") + Lines({"_OPEN", "\"C:\\DWG\\B.dwg\"", "REGEN"}) +
                         Lines({"_OPEN", "\"C:\\DWG\\C.dwg\"", "REGEN"}));
  EXPECT_EQ(source.progress, (std::vector<std::string>{"1/3", "2/3", "3/3"}));
}

TEST_F(ScriptWriterTest, AQueueShortenedWhileEventsRunIsNeverReadPastItsEnd) {
  source.tbPostBatch = "; $COUNTER$ $FILENAME-PREV$";
  Normal("C:\\DWG\\A.dwg");
  Normal("C:\\DWG\\B.dwg");
  Normal("C:\\DWG\\C.dwg");
  source.onDrawing = [this](std::int32_t position, batch::DrawingSettings&) {
    if (position == 2) queue.pop_back();
  };
  // The post-batch text gets the number of drawings written as its position.
  EXPECT_EQ(Build(), kHeader + Block("C:\\DWG\\A.dwg") + Block("C:\\DWG\\B.dwg") + Lines({"; 0 A"}));
  EXPECT_EQ(source.events, (std::vector<std::string>{"after 2", "post-batch read"}));
}

TEST_F(ScriptWriterTest, PostUserScriptOfEachDrawingIsHandedBackAndTheLogComesBeforeThePostBatchText) {
  source.settings.tbPostUserScript = "; closed $FILENAME$";
  source.tbPostBatch = "_SDI 0";
  Normal("C:\\DWG\\A.dwg");
  Normal("C:\\DWG\\B.dwg");
  Build();
  EXPECT_EQ(source.postUserScripts, (std::vector<std::string>{"; closed A", "; closed B"}));
  EXPECT_EQ(source.events, (std::vector<std::string>{"after 2", "post-batch read"}));
}

TEST_F(ScriptWriterTest, PostUserScriptTagWithAnEmptyValueWritesAnEmptyLine) {
  source.settings.tbPostUserScript = "$TAG7$";
  source.settings.LoadOpen = 5;
  Normal("C:\\DWG\\A.dwg");
  EXPECT_EQ(Build(), kHeader + Lines({"REGEN", "_QSAVE", ""}));
  source.settings.DebugComments = 1;
  EXPECT_EQ(Build(), kHeader + Lines({"REGEN", "_QSAVE", "; << END OF USER SCRIPT >>",
                                      "; << START OF POST-USERSCRIPT COMMANDS >>", "",
                                      "; << END OF POST-USERSCRIPT COMMANDS >>"}));
}

TEST_F(ScriptWriterTest, DwgGatewayLockedFlagStartsAfreshWithEveryBuild) {
  source.settings.LoadOpen = 3;
  InUse("C:\\DWG\\U.dwg");
  const std::string first = Build();
  EXPECT_NE(first.find(";LOCKED FILE\r\n"), std::string::npos);
  EXPECT_EQ(Build(), first);
}

TEST_F(ScriptWriterTest, AQueueOfManyChunksIsWrittenWholeAndInOrder) {
  std::string expected = kHeader;
  for (int i = 0; i < 5000; ++i) {
    const std::string path = "C:\\DWG\\SHEET-" + std::to_string(i) + ".dwg";
    Missing(path);  // the state is read for every drawing; missing ones are not saved
    expected += Lines({"_OPEN", "\"" + path + "\" Y", "REGEN"});
  }
  ASSERT_GT(expected.size(), 3u * 64 * 1024);
  EXPECT_EQ(Build(), expected);
}

TEST_F(ScriptWriterTest, DiskFullIsReportedToTheCaller) {
  Normal("C:\\DWG\\A.dwg");
  fs.FailNextWrite(runtime::kDiskFull);
  EXPECT_EQ(FailureOf(*this), runtime::kDiskFull);
  EXPECT_FALSE(fs.IsOpen(kOutput));
}

TEST_F(ScriptWriterTest, AFullDriveIsReportedToTheCaller) {
  for (int i = 0; i < 4000; ++i) Missing("C:\\DWG\\SHEET-" + std::to_string(i) + ".dwg");
  fs.SetCapacity("C:", std::uint64_t{100} * 1024);  // room for the first chunks, not for the whole script
  EXPECT_EQ(FailureOf(*this), runtime::kDiskFull);
}

TEST_F(ScriptWriterTest, AFailingCloseIsReportedToTheCaller) {
  Normal("C:\\DWG\\A.dwg");
  fs.FailNextClose(runtime::kDiskFull);
  EXPECT_EQ(FailureOf(*this), runtime::kDiskFull);
}

TEST_F(ScriptWriterTest, ACounterPastItsRangeEndsTheBuildAfterTheLastDrawingItCouldNumber) {
  start.COUNTERSTART = std::numeric_limits<std::int32_t>::max() - 1;
  source.tbPostBatch = "_SDI 0";
  Normal("C:\\DWG\\A.dwg");
  Normal("C:\\DWG\\B.dwg");
  Normal("C:\\DWG\\C.dwg");
  EXPECT_EQ(FailureOf(*this), runtime::kOverflow);
  // The file holds what was written before the failure, and no post-batch text.
  EXPECT_EQ(fs.Contents(kOutput), kHeader + Block("C:\\DWG\\A.dwg") + Block("C:\\DWG\\B.dwg"));
  EXPECT_TRUE(source.events.empty());
}

TEST_F(ScriptWriterTest, TheLastCounterMayBeTheLargestValue) {
  start.COUNTERSTART = std::numeric_limits<std::int32_t>::max() - 1;
  source.settings.Text1 = "$COUNTER$";
  source.settings.LoadOpen = 5;
  Normal("C:\\DWG\\A.dwg");
  Normal("C:\\DWG\\B.dwg");
  EXPECT_EQ(Build(), kHeader + Lines({"2147483646", "_QSAVE", "2147483647", "_QSAVE"}));
}

// Services whose tag pass fails for one drawing, as the engine does with a project file it
// cannot read.
class FailingServices : public RecordingServices {
 public:
  std::string SubstituteProjectTAGS(std::string_view text, std::int32_t counter,
                                    std::string_view drawingPath) override {
    if (drawingPath == "C:\\DWG\\B.dwg") throw runtime::Error(runtime::kPermissionDenied);
    return RecordingServices::SubstituteProjectTAGS(text, counter, drawingPath);
  }
};

TEST_F(ScriptWriterTest, AFailureOfTheTagEngineEndsTheBuild) {
  Normal("C:\\DWG\\A.dwg");
  Normal("C:\\DWG\\B.dwg");
  FailingServices failing;
  auto file = fs.OpenForWrite(kOutput, false);
  try {
    batch::WriteBatchScript(*file, start, queue, source, failing);
    ADD_FAILURE() << "the build went on";
  } catch (const runtime::Error& error) {
    EXPECT_EQ(error.Number(), runtime::kPermissionDenied);
  }
  file.reset();
  EXPECT_EQ(fs.Contents(kOutput), kHeader + Block("C:\\DWG\\A.dwg"));
}

}  // namespace
}  // namespace batch_test
