#include "batch/drawing_block.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "batch_fixture.h"

namespace batch_test {
namespace {

using batch::ComposeDrawingBlock;
using batch::DrawingBlock;
using batch::DrawingBlockInput;
using batch::DrawingSettings;
using batch::FileState;

constexpr const char* kOpenGuard = R"((if (/= (getvar "DBMOD") 0)(command "_.OPEN" "_Y")(command "_.OPEN")))";
constexpr const char* kRecoverGuard = R"((if (/= (getvar "DBMOD") 0)(command "_.RECOVER" "_Y")(command "_.RECOVER")))";
constexpr const char* kDgOpenWithAnswer = R"((if (/= (getvar "DBMOD") 0)(command "_DGOPEN" "_Y")(command "_DGOPEN")))";
constexpr const char* kDgOpenWithoutAnswer = R"((if (/= (getvar "DBMOD") 0)(command "_DGOPEN")(command "_DGOPEN")))";

// One block with the identity services; the settings start compact: no markers, no
// pre-user-script text, a user script of one line.
class DrawingBlockTest : public ::testing::Test {
 public:
  DrawingBlockTest() {
    settings.Text1 = "REGEN";
    settings.tbPreUserScript = "";
    settings.DebugComments = 0;
    input.path = "C:\\DWG\\A-102.dwg";
    input.counter = 2;
    input.position = 2;
    input.Delay = "2000";
  }

  DrawingBlock Compose() { return ComposeDrawingBlock(settings, input, services); }

  DrawingSettings settings;
  DrawingBlockInput input;
  RecordingServices services;
};

TEST(ClassifyDrawingFileTest, LockTestDecidesBeforeTheReadOnlyTest) {
  struct Case {
    std::int16_t unavailable;
    bool readOnly;
    FileState expected;
  };
  const std::vector<Case> cases = {
      {0, false, FileState::kNormal},      {0, true, FileState::kReadOnly}, {-1, false, FileState::kUnavailable},
      {-1, true, FileState::kUnavailable}, {-2, false, FileState::kNormal},  // no handle free to test with: not taken
                                                                             // as missing
  };
  for (const Case& row : cases) {
    SCOPED_TRACE(std::to_string(row.unavailable) + (row.readOnly ? " read-only" : ""));
    EXPECT_EQ(batch::ClassifyDrawingFile(row.unavailable, row.readOnly), row.expected);
  }
}

TEST(OpenLinesTest, EveryLoadMethodModeAndState) {
  const std::string path = "C:\\DWG\\A-102.dwg";
  struct Case {
    std::int16_t loadOpen;
    std::int16_t lt;
    FileState state;
    bool lockedFileSeen;
    std::vector<std::string> lines;
  };
  const std::vector<Case> cases = {
      {0, 0, FileState::kNormal, false, {kOpenGuard, "\"C:\\DWG\\A-102.dwg\""}},
      {0, 0, FileState::kReadOnly, false, {kOpenGuard, "\"C:\\DWG\\A-102.dwg\" Y"}},
      {0, 0, FileState::kUnavailable, false, {kOpenGuard, "\"C:\\DWG\\A-102.dwg\" Y"}},
      {0, 1, FileState::kNormal, false, {"_OPEN \"C:\\DWG\\A-102.dwg\""}},
      {0, -1, FileState::kReadOnly, false, {"_OPEN \"C:\\DWG\\A-102.dwg\"", "Y"}},
      {1, 0, FileState::kNormal, false, {kRecoverGuard, "\"C:\\DWG\\A-102.dwg\"", ""}},
      {1, 0, FileState::kUnavailable, false, {kRecoverGuard, "\"C:\\DWG\\A-102.dwg\" Y", ""}},
      {1, 1, FileState::kNormal, false, {"_RECOVER \"C:\\DWG\\A-102.dwg\"", ""}},
      {1, 1, FileState::kReadOnly, false, {"_RECOVER \"C:\\DWG\\A-102.dwg\" Y", ""}},
      {2, 0, FileState::kNormal, false, {"-OPEN", "\"C:\\DWG\\A-102.dwg\""}},
      {2, 1, FileState::kUnavailable, false, {"-OPEN", "\"C:\\DWG\\A-102.dwg\" Y"}},
      {3, 0, FileState::kNormal, true, {";NORMAL FILE LOAD", kDgOpenWithAnswer, "C:\\DWG\\A-102.dwg"}},
      {3, 1, FileState::kReadOnly, false, {";LOCKED FILE", kDgOpenWithoutAnswer, "C:\\DWG\\A-102.dwg"}},
      {3,
       0,
       FileState::kUnavailable,
       true,
       {";*** PREVIOUS LOCKED FILE", kDgOpenWithoutAnswer, "C:\\DWG\\A-102.dwg", "_Y"}},
      {5, 0, FileState::kNormal, false, {}},
      {-1, 1, FileState::kUnavailable, true, {}},
  };
  for (const Case& row : cases) {
    SCOPED_TRACE("LoadOpen " + std::to_string(row.loadOpen) + " LT " + std::to_string(row.lt) + " state " +
                 std::to_string(static_cast<int>(row.state)) + (row.lockedFileSeen ? " after a locked file" : ""));
    DrawingSettings settings;
    settings.LoadOpen = row.loadOpen;
    settings.LT = row.lt;
    settings.OpenOther = "-OPEN";
    EXPECT_EQ(batch::OpenLines(settings, path, row.state, row.lockedFileSeen), Lines(row.lines));
  }
}

TEST_F(DrawingBlockTest, OnlyANotNormalDrawingOfTheGatewayMethodSetsTheLockedFlag) {
  struct Case {
    std::int16_t loadOpen;
    FileState state;
    bool before;
    bool after;
  };
  const std::vector<Case> cases = {
      {3, FileState::kNormal, false, false},      {3, FileState::kReadOnly, false, true},
      {3, FileState::kUnavailable, false, true},  {3, FileState::kNormal, true, true},
      {2, FileState::kUnavailable, false, false}, {0, FileState::kReadOnly, false, false},
  };
  for (const Case& row : cases) {
    SCOPED_TRACE("LoadOpen " + std::to_string(row.loadOpen) + " state " + std::to_string(static_cast<int>(row.state)));
    settings.LoadOpen = row.loadOpen;
    input.state = row.state;
    input.lockedFileSeen = row.before;
    EXPECT_EQ(Compose().lockedFileSeen, row.after);
  }
}

TEST_F(DrawingBlockTest, SaveDecisionBySaveAsLtTestRunAndState) {
  struct Case {
    std::int16_t saveAs;
    std::int16_t lt;
    std::int16_t testRun;
    FileState state;
    bool quickSave;
    bool saveAsLine;
  };
  const std::vector<Case> cases = {
      {0, 0, 0, FileState::kNormal, true, false},       {0, 0, 1, FileState::kNormal, false, false},
      {0, 0, 0, FileState::kReadOnly, false, false},    {0, 0, 0, FileState::kUnavailable, false, false},
      {0, 1, 0, FileState::kNormal, true, false},       {0, 1, 1, FileState::kNormal, true, false},
      {0, 1, 1, FileState::kReadOnly, false, false},    {1, 0, 0, FileState::kNormal, false, true},
      {1, 0, 0, FileState::kReadOnly, false, true},     {1, 1, 0, FileState::kReadOnly, false, true},
      {1, 0, 0, FileState::kUnavailable, false, false}, {1, 1, 0, FileState::kUnavailable, false, false},
  };
  for (const Case& row : cases) {
    SCOPED_TRACE("SAVEAS " + std::to_string(row.saveAs) + " LT " + std::to_string(row.lt) + " test run " +
                 std::to_string(row.testRun) + " state " + std::to_string(static_cast<int>(row.state)));
    settings.chkSaveAS = row.saveAs;
    settings.LT = row.lt;
    settings.chkTestRun = row.testRun;
    settings.LoadOpen = 5;  // no open lines: the block is the body and the save
    input.state = row.state;
    std::vector<std::string> lines = {"REGEN"};
    if (row.quickSave) lines.push_back("_QSAVE");
    if (row.saveAsLine) lines.push_back("_SAVEAS  \"C:\\DWG\\A-102.dwg\"");
    EXPECT_EQ(Compose().text, Lines(lines));
  }
}

TEST_F(DrawingBlockTest, DelayLineIsWrittenWhateverTheSaveDecision) {
  settings.UseDelay = -1;
  settings.LoadOpen = 5;
  settings.chkTestRun = 1;
  EXPECT_EQ(Compose().text, Lines({"REGEN", "_DELAY 2000"}));
  settings.chkTestRun = 0;
  EXPECT_EQ(Compose().text, Lines({"REGEN", "_DELAY 2000", "_QSAVE"}));
  settings.UseDelay = 1;
  input.state = FileState::kUnavailable;
  EXPECT_EQ(Compose().text, Lines({"REGEN", "_DELAY 2000"}));
}

TEST_F(DrawingBlockTest, PreUserScriptTextAndStatusLine) {
  const std::string status = R"((SETVAR "MODEMACRO" "Drawing $COUNTER$ of $FILECOUNTINQUEUE$"))";
  struct Case {
    std::string pre;
    std::int16_t includeStatus;
    std::int16_t debug;
    std::vector<std::string> lines;
  };
  const std::vector<Case> cases = {
      {"", 0, 1, {"REGEN", "_QSAVE"}},
      {"ZOOM E", 0, 0, {"ZOOM E", "REGEN", "_QSAVE"}},
      {"ZOOM E",
       0,
       1,
       {"; << START OF PRE-USERSCRIPT COMMANDS >>", "ZOOM E", "; << START OF USER SCRIPT >>", "REGEN", "_QSAVE"}},
      {"", 1, 0, {status, "REGEN", "_QSAVE"}},
      {"ZOOM E", 1, 0, {status, "ZOOM E", "REGEN", "_QSAVE"}},
      {" ", 0, 0, {" ", "REGEN", "_QSAVE"}},  // blanks count as a text
      {"", 2, 0, {"REGEN", "_QSAVE"}},        // only a ticked box adds the status line
  };
  for (const Case& row : cases) {
    SCOPED_TRACE("[" + row.pre + "] status " + std::to_string(row.includeStatus));
    settings.LoadOpen = 5;
    settings.tbPreUserScript = row.pre;
    settings.chkIncludeStatus = row.includeStatus;
    settings.DebugComments = row.debug;
    EXPECT_EQ(Compose().text, Lines(row.lines));
  }
}

TEST_F(DrawingBlockTest, StatusLineIsWrittenInLtModeToo) {
  settings.LT = 1;
  settings.LoadOpen = 0;
  settings.chkIncludeStatus = 1;
  EXPECT_EQ(Compose().text,
            Lines({"_OPEN \"C:\\DWG\\A-102.dwg\"", R"((SETVAR "MODEMACRO" "Drawing $COUNTER$ of $FILECOUNTINQUEUE$"))",
                   "REGEN", "_QSAVE"}));
}

TEST_F(DrawingBlockTest, UserScriptEndingWithALineEndOrEmptyLeavesAnEmptyLine) {
  settings.LoadOpen = 5;
  settings.Text1 = "REGEN\r\n";
  EXPECT_EQ(Compose().text, Lines({"REGEN", "", "_QSAVE"}));
  settings.Text1 = "";
  EXPECT_EQ(Compose().text, Lines({"", "_QSAVE"}));
  settings.chkTestRun = 1;
  EXPECT_EQ(Compose().text, Lines({""}));
}

TEST_F(DrawingBlockTest, PostUserScriptRecordOnlyWhenTheBoxHoldsText) {
  settings.LoadOpen = 5;
  settings.tbPostUserScript = "_CLOSE";
  EXPECT_EQ(Compose().text, Lines({"REGEN", "_QSAVE", "_CLOSE"}));
  settings.DebugComments = 1;
  EXPECT_EQ(Compose().text,
            Lines({"REGEN", "_QSAVE", "; << END OF USER SCRIPT >>", "; << START OF POST-USERSCRIPT COMMANDS >>",
                   "_CLOSE", "; << END OF POST-USERSCRIPT COMMANDS >>"}));
  settings.tbPostUserScript = "";
  const DrawingBlock block = Compose();
  EXPECT_EQ(block.text, Lines({"REGEN", "_QSAVE"}));
  EXPECT_EQ(block.postUserScript, "");
}

TEST_F(DrawingBlockTest, EveryTextGoesThroughItsPassesForThisDrawing) {
  services.mark = true;
  settings.LoadOpen = 5;
  settings.tbPreUserScript = "ZOOM E";
  settings.tbPostUserScript = "_CLOSE";
  settings.chkSaveAS = 1;
  settings.cmbOutFormat = "2004";
  settings.tbPrefix = "NEW-";
  settings.tbSuffix = "-R";
  settings.optOriginalLocation = false;
  settings.tbSpecFolder = "D:\\OUT\\";
  const DrawingBlock block = Compose();
  // Project tags before the other tags in the user script; the name's parts through the
  // tags and then the project pass; the folder through the tags alone.
  EXPECT_EQ(block.text, Lines({"T[ZOOM E]", "T[P[REGEN]]", "_SAVEAS 2004 \"T[D:\\OUT\\]S[T[NEW-]]A-102S[T[-R]].dwg\"",
                               "T[_CLOSE]"}));
  EXPECT_EQ(block.postUserScript, "T[_CLOSE]");
  for (const RecordingServices::Call& call : services.calls) {
    if (call.pass == "EXISTS") continue;
    SCOPED_TRACE(call.pass + " " + call.text);
    EXPECT_EQ(call.counter, 2);
    EXPECT_EQ(call.path, "C:\\DWG\\A-102.dwg");
    if (call.pass == "TAGS") {
      EXPECT_EQ(call.position, 2);
    }
  }
}

TEST_F(DrawingBlockTest, SaveAsIntoTheDrawingsFolderAnswersOverwriteOnlyWhenTheTargetExists) {
  settings.LoadOpen = 5;
  settings.chkSaveAS = 1;
  settings.cmbOutFormat = "2004";
  settings.tbPrefix = "NEW-";
  struct Case {
    std::int16_t overwrite;
    bool exists;
    std::string line;
  };
  const std::vector<Case> cases = {
      {1, true, "_SAVEAS 2004 \"C:\\DWG\\NEW-A-102.dwg\" Y"},
      {1, false, "_SAVEAS 2004 \"C:\\DWG\\NEW-A-102.dwg\""},
      {0, true, "_SAVEAS 2004 \"C:\\DWG\\NEW-A-102.dwg\""},
  };
  for (const Case& row : cases) {
    SCOPED_TRACE(row.line);
    settings.chkOverwriteExistingFiles = row.overwrite;
    services.existingTargets.clear();
    if (row.exists) services.existingTargets.insert("C:\\DWG\\NEW-A-102.dwg");
    services.calls.clear();
    EXPECT_EQ(Compose().text, Lines({"REGEN", row.line}));
  }
  // The test asks for the target and its file name.
  ASSERT_EQ(services.CallsOf("EXISTS").size(), 0u);
  settings.chkOverwriteExistingFiles = 1;
  Compose();
  ASSERT_EQ(services.CallsOf("EXISTS").size(), 1u);
  EXPECT_EQ(services.CallsOf("EXISTS")[0].text, "C:\\DWG\\NEW-A-102.dwg|NEW-A-102.dwg");
}

}  // namespace
}  // namespace batch_test
