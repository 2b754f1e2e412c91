// The parts of a block kept from one drawing to the next must give, for every drawing, the
// block composed afresh, whatever changed in between.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "batch/drawing_block.h"
#include "batch_fixture.h"

namespace batch_test {
namespace {

using batch::DrawingBlock;
using batch::DrawingBlockInput;
using batch::DrawingSettings;
using batch::FileState;

// The engine's services with no text taken as unchanged: every block is composed afresh.
class AlwaysAfresh : public batch::ScriptServices {
 public:
  explicit AlwaysAfresh(batch::ScriptServices& engine) : engine_(engine) {}

  std::string SubstituteTAGS(std::string_view text, std::int32_t counter, std::string_view path,
                             std::int32_t position) override {
    return engine_.SubstituteTAGS(text, counter, path, position);
  }
  std::string SubstituteProjectTAGS(std::string_view text, std::int32_t counter, std::string_view path) override {
    return engine_.SubstituteProjectTAGS(text, counter, path);
  }
  std::string SpSubstituteProjectTAGS(std::string_view text, std::int32_t counter, std::string_view path) override {
    return engine_.SpSubstituteProjectTAGS(text, counter, path);
  }
  bool SaveAsTargetExists(const std::string& target, const std::string& fileName) override {
    return engine_.SaveAsTargetExists(target, fileName);
  }

 private:
  batch::ScriptServices& engine_;
};

struct Change {
  std::string name;
  std::function<void(DrawingSettings&, DrawingBlockInput&)> apply;
  bool read = true;  // the settings are read again (a new revision); false: only the file changed
};

// Each change is made on top of the ones before it, so a part kept from the drawing before
// shows when the frame misses the change. The drawings after a change keep its revision.
const std::vector<Change>& Changes() {
  static const std::vector<Change> changes = {
      {"defaults", [](DrawingSettings&, DrawingBlockInput&) {}},
      {"read again, unchanged", [](DrawingSettings&, DrawingBlockInput&) {}},
      {"read-only", [](DrawingSettings&, DrawingBlockInput& in) { in.state = FileState::kReadOnly; }, false},
      {"normal again", [](DrawingSettings&, DrawingBlockInput& in) { in.state = FileState::kNormal; }, false},
      {"OPEN", [](DrawingSettings& s, DrawingBlockInput&) { s.LoadOpen = 0; }},
      {"LT", [](DrawingSettings& s, DrawingBlockInput&) { s.LT = 1; }},
      {"unavailable", [](DrawingSettings&, DrawingBlockInput& in) { in.state = FileState::kUnavailable; }, false},
      {"RECOVER", [](DrawingSettings& s, DrawingBlockInput&) { s.LoadOpen = 1; }},
      {"full AutoCAD", [](DrawingSettings& s, DrawingBlockInput&) { s.LT = 0; }},
      {"gateway", [](DrawingSettings& s, DrawingBlockInput&) { s.LoadOpen = 3; }},
      {"locked seen", [](DrawingSettings&, DrawingBlockInput& in) { in.lockedFileSeen = true; }, false},
      {"gateway normal", [](DrawingSettings&, DrawingBlockInput& in) { in.state = FileState::kNormal; }, false},
      {"unknown method", [](DrawingSettings& s, DrawingBlockInput&) { s.LoadOpen = 7; }},
      {"other command",
       [](DrawingSettings& s, DrawingBlockInput& in) {
         s.LoadOpen = 2;
         s.OpenOther = "-OPEN";
         in.lockedFileSeen = false;
       }},
      {"pre-user-script text", [](DrawingSettings& s, DrawingBlockInput&) { s.tbPreUserScript = "REGEN"; }},
      {"no markers", [](DrawingSettings& s, DrawingBlockInput&) { s.DebugComments = 0; }},
      {"post-user-script text", [](DrawingSettings& s, DrawingBlockInput&) { s.tbPostUserScript = "_CLOSE"; }},
      {"markers", [](DrawingSettings& s, DrawingBlockInput&) { s.DebugComments = 1; }},
      {"delay", [](DrawingSettings& s, DrawingBlockInput&) { s.UseDelay = -1; }},
      {"other delay", [](DrawingSettings&, DrawingBlockInput& in) { in.Delay = "750"; }, false},
      {"test run", [](DrawingSettings& s, DrawingBlockInput&) { s.chkTestRun = 1; }},
      {"saved again", [](DrawingSettings& s, DrawingBlockInput&) { s.chkTestRun = 0; }},
      {"status line", [](DrawingSettings& s, DrawingBlockInput&) { s.chkIncludeStatus = 1; }},
      {"no status line", [](DrawingSettings& s, DrawingBlockInput&) { s.chkIncludeStatus = 0; }},
      {"tag before", [](DrawingSettings& s, DrawingBlockInput&) { s.tbPreUserScript = "; $FILENAME$"; }},
      {"tag after",
       [](DrawingSettings& s, DrawingBlockInput&) {
         s.tbPreUserScript = "REGEN";
         s.tbPostUserScript = "; $COUNTER$";
       }},
      {"no tag after", [](DrawingSettings& s, DrawingBlockInput&) { s.tbPostUserScript = "; done"; }},
      {"SAVEAS", [](DrawingSettings& s, DrawingBlockInput&) { s.chkSaveAS = 1; }},
      {"QSAVE", [](DrawingSettings& s, DrawingBlockInput&) { s.chkSaveAS = 0; }},
      {"other user script", [](DrawingSettings& s, DrawingBlockInput&) { s.Text1 = "-LAYER S $SHEET$\r\n"; }},
      {"empty boxes",
       [](DrawingSettings& s, DrawingBlockInput&) {
         s.tbPreUserScript.clear();
         s.tbPostUserScript.clear();
       }},
  };
  return changes;
}

TEST_F(BatchScriptTest, AKeptFrameGivesTheBlockComposedAfresh) {
  DrawingSettings drawing;
  drawing.Text1 = "-ATTEDIT N N TITLE DWGNO * $FILENAME$ $filename$\r\n-ATTEDIT N N TITLE SHEET * 1 $SHEET$";
  DrawingBlockInput input{.path = "C:\\DWG\\A-101.dwg", .counter = 1, .position = 1, .Delay = "2000"};
  AlwaysAfresh afresh(scriptServices);
  DrawingBlock kept;
  const std::vector<std::string> paths = {"C:\\DWG\\A-101.dwg", "C:\\DWG\\B-7.dwg", "C:\\x\\$TAG1$.dwg"};
  for (const Change& change : Changes()) {
    change.apply(drawing, input);
    if (change.read) ++drawing.revision;
    for (const std::string& path : paths) {
      SCOPED_TRACE(change.name + " " + path);
      input.path = path;
      ++input.counter;
      std::string out = "kept ";
      batch::AppendDrawingBlock(out, drawing, input, scriptServices, kept);
      const DrawingBlock fresh = batch::ComposeDrawingBlock(drawing, input, afresh);
      EXPECT_EQ(out, "kept " + fresh.text);
      EXPECT_EQ(kept.postUserScript, fresh.postUserScript);
      EXPECT_EQ(kept.lockedFileSeen, fresh.lockedFileSeen);
    }
  }
}

// Recording services see every text, so a build with them composes every block afresh.
TEST(BlockFrameTest, TextsAreCopiedOnlyWhenTheServicesLeaveThemUnchanged) {
  RecordingServices recording;
  DrawingSettings settings;
  settings.Text1 = "REGEN";
  settings.tbPostUserScript = "_CLOSE";
  const DrawingBlockInput input{.path = "C:\\DWG\\A.dwg", .counter = 1, .position = 1, .Delay = "2000"};
  DrawingBlock block;
  std::string out;
  batch::AppendDrawingBlock(out, settings, input, recording, block);
  batch::AppendDrawingBlock(out, settings, input, recording, block);
  EXPECT_EQ(recording.CallsOf("TAGS").size(), 6U);  // each drawing: the user script, before, after
}

}  // namespace
}  // namespace batch_test
