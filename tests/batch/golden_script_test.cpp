// Whole batch scripts over the real tag engine, compared byte for byte with the files in
// golden/.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "batch_fixture.h"

namespace batch_test {
namespace {

std::string ReadGolden(const std::string& name) {
  const std::filesystem::path path = std::filesystem::path(__FILE__).parent_path() / "golden" / (name + ".scr");
  std::ifstream in(path, std::ios::binary);
  if (!in) ADD_FAILURE() << "no golden file " << path;
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

struct GoldenCase {
  std::string name;
  std::function<void(BatchScriptTest&)> setUp;
};

// Short blocks for the cases about opening and saving: no pre- or post-batch text, no
// pre-user-script text, no markers, a user script of one line.
void Compact(BatchScriptTest& t) {
  t.start.tbPreBatch = "";
  t.source.tbPostBatch = "";
  t.source.settings.Text1 = "REGEN";
  t.source.settings.tbPreUserScript = "";
  t.source.settings.DebugComments = 0;
}

// Normal, read-only, missing and in-use drawings.
void FourStates(BatchScriptTest& t) {
  t.Normal("C:\\DWG\\A.dwg");
  t.ReadOnly("C:\\DWG\\R.dwg");
  t.Missing("C:\\DWG\\M.dwg");
  t.InUse("C:\\DWG\\U.dwg");
}

const std::vector<GoldenCase>& GoldenCases() {
  static const std::vector<GoldenCase> cases = {
      {"worked_example",
       [](BatchScriptTest& t) {
         t.source.settings.Text1 = "REGEN";
         t.Normal("C:\\DWG\\A.dwg");
         t.Normal("C:\\DWG\\B.dwg");
       }},
      {"open_method_open",
       [](BatchScriptTest& t) {
         Compact(t);
         t.source.settings.LoadOpen = 0;
         FourStates(t);
       }},
      {"open_method_open_lt",
       [](BatchScriptTest& t) {
         Compact(t);
         t.source.settings.LoadOpen = 0;
         t.source.settings.LT = 1;
         FourStates(t);
       }},
      {"open_method_recover",
       [](BatchScriptTest& t) {
         Compact(t);
         t.source.settings.LoadOpen = 1;
         t.Normal("C:\\DWG\\A.dwg");
         t.ReadOnly("C:\\DWG\\R.dwg");
       }},
      {"open_method_recover_lt",
       [](BatchScriptTest& t) {
         Compact(t);
         t.source.settings.LoadOpen = 1;
         t.source.settings.LT = 1;
         t.Normal("C:\\DWG\\A.dwg");
         t.ReadOnly("C:\\DWG\\R.dwg");
       }},
      {"open_method_other_lt",
       [](BatchScriptTest& t) {
         Compact(t);
         t.source.settings.OpenOther = "-OPEN";
         t.source.settings.LT = 1;
         t.Normal("C:\\DWG\\A.dwg");
         t.InUse("C:\\DWG\\U.dwg");
       }},
      {"open_method_dwggateway",
       [](BatchScriptTest& t) {
         Compact(t);
         t.source.settings.LoadOpen = 3;
         t.Normal("C:\\DWG\\A.dwg");
         t.InUse("C:\\DWG\\U.dwg");
         t.Normal("C:\\DWG\\B.dwg");
         t.ReadOnly("C:\\DWG\\R.dwg");
       }},
      {"open_method_unknown",
       [](BatchScriptTest& t) {
         Compact(t);
         t.source.settings.LoadOpen = 5;
         t.Normal("C:\\DWG\\A.dwg");
         t.Missing("C:\\DWG\\M.dwg");
       }},
      {"test_run",
       [](BatchScriptTest& t) {
         Compact(t);
         t.source.settings.chkTestRun = 1;
         t.source.settings.UseDelay = -1;
         t.start.Delay = "500";
         t.Normal("C:\\DWG\\A.dwg");
         t.ReadOnly("C:\\DWG\\R.dwg");
       }},
      {"test_run_lt",
       [](BatchScriptTest& t) {
         Compact(t);
         t.source.settings.chkTestRun = 1;
         t.source.settings.LT = 1;
         t.Normal("C:\\DWG\\A.dwg");
         t.ReadOnly("C:\\DWG\\R.dwg");
       }},
      {"saveas_same_location",
       [](BatchScriptTest& t) {
         Compact(t);
         t.source.settings.chkSaveAS = 1;
         t.source.settings.cmbOutFormat = "2004";
         t.source.settings.tbPrefix = "NEW-";
         t.fs.AddFile("C:\\DWG\\NEW-A.dwg", "AC1015");
         t.Normal("C:\\DWG\\A.dwg");
         t.Normal("C:\\DWG\\B.dwg");
         t.ReadOnly("C:\\DWG\\R.dwg");
         t.Missing("C:\\DWG\\M.dwg");
       }},
      {"saveas_folder",
       [](BatchScriptTest& t) {
         Compact(t);
         t.source.settings.chkSaveAS = 1;
         t.source.settings.cmbOutFormat = "don't change";
         t.source.settings.tbSuffix = "-$COUNTER$";
         t.source.settings.optOriginalLocation = false;
         t.source.settings.tbSpecFolder = "D:\\OUT\\$FILENAME$\\";
         t.source.settings.chkOverwriteExistingFiles = 0;
         t.fs.AddDrive("D:", "");
         t.fs.AddFile("D:\\OUT\\A\\A-1.dwg", "AC1015");
         t.Normal("C:\\DWG\\A.dwg");
         t.Normal("C:\\DWG\\plan.DXF");
       }},
      {"status_and_delay",
       [](BatchScriptTest& t) {
         t.source.settings.LoadOpen = 0;
         t.source.settings.chkIncludeStatus = 1;
         t.source.settings.Text1 = "-PURGE A * N";
         t.source.settings.UseDelay = -1;
         t.source.settings.tbPostUserScript = "_CLOSE";
         t.Normal("C:\\DWG\\A-101.dwg");
         t.Normal("C:\\DWG\\A-102.dwg");
         t.Normal("C:\\DWG\\A-103.dwg");
       }},
      {"no_debug_comments",
       [](BatchScriptTest& t) {
         t.start.DebugComments = 0;
         t.source.settings.DebugComments = 0;
         t.source.settings.Text1 = "REGEN";
         t.source.settings.tbPostUserScript = "_CLOSE";
         t.Normal("C:\\DWG\\A.dwg");
         t.Normal("C:\\DWG\\B.dwg");
       }},
      {"counters_10_step_5",
       [](BatchScriptTest& t) {
         t.start.COUNTERSTART = 10;
         t.start.COUNTERSTEP = 5;
         t.source.settings.chkIncludeStatus = 1;
         t.source.settings.Text1 = "NUMBER $COUNTER$ $FILENAME$";
         t.Normal("C:\\DWG\\A.dwg");
         t.Normal("C:\\DWG\\B.dwg");
         t.Normal("C:\\DWG\\C.dwg");
       }},
      {"empty_queue", [](BatchScriptTest&) {}},
      {"frame_tags",
       [](BatchScriptTest& t) {
         Compact(t);
         t.start.tbPreBatch = "_SDI 1\r\n; $FILENAME$ $COUNTER$ of $FILECOUNTINQUEUE$ next $FILENAME-NEXT$";
         t.start.DebugComments = 1;
         t.source.tbPostBatch = "; $filename$ $Counter$ prev $FILENAME-PREV$ $PROJECTTAG1$";
         t.AddDataFile("PTAGMAN.DAT", "ALL.PRJ\r\n");
         t.AddDataFile("ALL.PRJ", "*\r\nnever in the frame\r\n");
         t.Normal("C:\\DWG\\A.dwg");
         t.Normal("C:\\DWG\\B.dwg");
       }},
      {"project_tags",
       [](BatchScriptTest& t) {
         Compact(t);
         t.AddDataFile("PTAGMAN.DAT", "JOB.PRJ\r\n");
         t.AddDataFile("JOB.PRJ", "\\DWG\\\r\nJ-100\r\n$FILENAME$\r\n");
         t.source.settings.Text1 = "TITLE $PROJECTTAG1$ $PROJECTTAG2$ $PROJECTTAG3$";
         t.source.settings.chkSaveAS = 1;
         t.source.settings.cmbOutFormat = "2004";
         t.source.settings.tbPrefix = "$PROJECTTAG1$-";
         t.source.settings.tbPostUserScript = "; $PROJECTTAG1$";
         t.fs.AddDrive("D:", "");
         t.Normal("C:\\DWG\\A.dwg");
         t.Normal("D:\\OTHER\\X.dwg");
       }},
  };
  return cases;
}

class GoldenScriptTest : public BatchScriptTest, public ::testing::WithParamInterface<GoldenCase> {};

TEST_P(GoldenScriptTest, WritesTheGoldenBytes) {
  GetParam().setUp(*this);
  EXPECT_EQ(Build(), ReadGolden(GetParam().name));
  EXPECT_TRUE(messages.shown.empty());
}

INSTANTIATE_TEST_SUITE_P(Scripts, GoldenScriptTest, ::testing::ValuesIn(GoldenCases()),
                         [](const ::testing::TestParamInfo<GoldenCase>& tested) { return tested.param.name; });

// The worked example as it is given: 21 lines.
TEST_F(BatchScriptTest, WorkedExampleHasTwentyOneLines) {
  source.settings.Text1 = "REGEN";
  Normal("C:\\DWG\\A.dwg");
  Normal("C:\\DWG\\B.dwg");
  const std::string script = Build();
  EXPECT_EQ(script, ReadGolden("worked_example"));
  std::size_t lineEnds = 0;
  for (std::size_t at = script.find("\r\n"); at != std::string::npos; at = script.find("\r\n", at + 2)) ++lineEnds;
  EXPECT_EQ(lineEnds, 21u);
}

}  // namespace
}  // namespace batch_test
