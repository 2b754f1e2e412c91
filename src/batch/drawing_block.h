#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "batch/script_services.h"

// One drawing's block of the batch script: the lines that open the drawing, the commands
// before the user script, the user script, the delay, the save and the commands after it.
namespace batch {

// Every line of the batch script ends with CR LF.
inline constexpr std::string_view kCrLf = "\r\n";

// The state of a drawing file when its block is written.
enum class FileState {
  kNormal,       // exists, can be opened with a lock, not read-only
  kReadOnly,     // exists and can be opened, but carries the read-only attribute
  kUnavailable,  // missing, or held open by another program
};

// The state from the lock test's answer (FileUnavailable: -1 missing or in use) and the
// read-only test.
FileState ClassifyDrawingFile(std::int16_t fileUnavailable, bool readOnly);

// The main window's controls and fields that a block reads, asked for every drawing (see
// revision). The initial values are the program's defaults.
struct DrawingSettings {
  std::string Text1;  // the user script
  std::string tbPreUserScript = "ZOOM E";
  std::string tbPostUserScript;
  std::int16_t chkIncludeStatus = 0;  // 1: the status line before the pre-user-script text
  std::int16_t DebugComments = 1;     // 1: the marker comment lines
  std::int16_t UseDelay = 0;          // not 0: the delay line
  std::int16_t LoadOpen = 2;          // 0 OPEN, 1 RECOVER, 2 OpenOther, 3 DWGGateway
  std::string OpenOther = "_OPEN";
  std::int16_t LT = 0;          // not 0: AutoCAD LT, no AutoLISP
  std::int16_t chkSaveAS = 0;   // 1: save with the SAVEAS settings
  std::int16_t chkTestRun = 0;  // 1: no save line (full AutoCAD only)
  std::string cmbOutFormat = "Don't Change";
  std::string tbPrefix;
  std::string tbSuffix;
  bool optOriginalLocation = true;  // SAVEAS into the drawing's own folder
  std::string tbSpecFolder;         // SAVEAS folder otherwise
  std::int16_t chkOverwriteExistingFiles = 1;
  // Equal revisions other than 0, from one source: read with no event in between, so these
  // settings, and whatever else only events change (the tag settings, the queue), are as they
  // were. 0: not known, compare them.
  std::uint64_t revision = 0;
};

// The values of one block that come from the build rather than from the controls.
struct DrawingBlockInput {
  std::string_view path;      // the queue entry, unchanged
  std::int32_t counter = 0;   // the value of "$COUNTER$"
  std::int32_t position = 0;  // 1-based position in the build
  FileState state = FileState::kNormal;
  std::string_view Delay;       // the delay in milliseconds, as the build read it
  bool lockedFileSeen = false;  // DWGGateway: an earlier drawing of the build was not normal
};

// The open lines, which tell AutoCAD how to open the drawing by load method, LT mode and
// state, around the drawing's path: before, the path, after. An unknown load method gives no
// lines and no path.
struct OpenLineParts {
  std::string before;
  std::string after;
  bool withPath = true;
};

OpenLineParts OpenLinesAround(const DrawingSettings& settings, FileState state, bool lockedFileSeen);
// The open lines with the path, each line ending with CR LF.
std::string OpenLines(const DrawingSettings& settings, std::string_view path, FileState state, bool lockedFileSeen);

// The parts of a block that stay the same from one drawing to the next while the settings
// they come from, the file state and the delay do, so a build composes them once. When the
// pre- and post-user-script texts pass the tag engine unchanged and SAVEAS is off ("whole"),
// only the path and the user script are composed for each drawing.
class BlockFrame {
 public:
  // How the parts serve a drawing.
  enum class Fit {
    kNo,        // they were made from other settings, input or services
    kCompared,  // its settings compare equal with those they were made from
    kSettled,   // its settings have the revision of the frame's last drawing: nothing changed
  };
  // Settings of the revision seen last are not compared again; the revision of settings that
  // compare equal is noted.
  Fit FitFor(const DrawingSettings& settings, const DrawingBlockInput& input, const ScriptServices& services);
  void Make(const DrawingSettings& settings, const DrawingBlockInput& input, ScriptServices& services);

  const std::string& Lead() const { return lead_; }  // the open lines before the path
  bool WithPath() const { return withPath_; }
  // The open lines after the path and, when whole, the pre-user-script record.
  const std::string& Head() const { return head_; }
  bool Whole() const { return whole_; }
  const std::string& Tail() const { return tail_; }  // when whole: everything after the user script
  // A key of these parts, never given to other parts.
  std::uint64_t Key() const { return key_; }

 private:
  // What the parts were made from; of the settings, only those the parts use are compared.
  const ScriptServices* services_ = nullptr;
  DrawingSettings settings_;
  FileState state_ = FileState::kNormal;
  bool lockedFileSeen_ = false;
  std::string delay_;

  std::uint64_t key_ = 0;
  std::string lead_;
  bool withPath_ = true;
  std::string head_;
  bool whole_ = false;
  std::string tail_;
};

struct DrawingBlock {
  std::string text;             // every record, each ending with CR LF (ComposeDrawingBlock)
  std::string postUserScript;   // the substituted post-user-script text
  bool lockedFileSeen = false;  // the flag for the next drawing
  // Kept from one drawing to the next: the room of the substituted user script, the frame.
  std::string userScript;
  BlockFrame frame;
};

// Composes the block of one drawing, passing every text through the tag engine.
DrawingBlock ComposeDrawingBlock(const DrawingSettings& settings, const DrawingBlockInput& input,
                                 ScriptServices& services);
// The same, appending the records to out; block gets the rest and keeps its buffers from one
// drawing to the next (its text is left alone).
void AppendDrawingBlock(std::string& out, const DrawingSettings& settings, const DrawingBlockInput& input,
                        ScriptServices& services, DrawingBlock& block);

}  // namespace batch
