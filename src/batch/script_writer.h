#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "batch/drawing_block.h"
#include "batch/script_frame.h"
#include "batch/script_services.h"
#include "platform/file_system.h"

// Writes the whole batch script in one pass: header, pre-batch commands, one block per
// drawing of the queue and the post-batch commands.
namespace batch {

// Collects the script's records and hands them to the file in large writes, so a queue of
// many drawings costs few system calls. Memory stays at one chunk whatever the queue.
class ScriptSink {
 public:
  explicit ScriptSink(platform::OutputFile& file) : file_(file) {}

  void Write(std::string_view bytes);
  // A record may also be composed in place: appended to Open(), then ended with Commit().
  // A record left open (its composition failed) never reaches the file.
  std::string& Open() { return buffer_; }
  void Commit();
  // Hands every committed record to the file. What a failing write held is not tried again.
  void Flush();

 private:
  static constexpr std::size_t kChunk = std::size_t{64} * 1024;

  platform::OutputFile& file_;
  std::string buffer_;
  std::size_t committed_ = 0;  // the bytes of buffer_ that belong to committed records
};

// The "$COUNTER$" values of a build: the start value for the first drawing, the step added
// for each next one. A value past the 32-bit range is error 6 (overflow) when a drawing
// needs it; it never wraps.
class DrawingCounter {
 public:
  DrawingCounter(std::int32_t start, std::int32_t step) : value_(start), step_(step) {}

  std::int32_t Value() const;
  void Advance() { value_ += step_; }

 private:
  std::int64_t value_;
  std::int32_t step_;
};

// What the build reads once, at its start. The initial values are the program's defaults.
struct ScriptStart {
  std::string AppVersion;
  ScriptStamp stamp;
  std::string tbPreBatch = "_SDI 1";
  std::int16_t DebugComments = 1;  // for the pre-batch markers
  std::int32_t COUNTERSTART = 1;
  std::int32_t COUNTERSTEP = 1;
  std::string Delay = "2000";
};

// What the build reads from the main window while it writes, each at the moment it is
// needed, and where it lets the window do its own work.
class ScriptSource {
 public:
  virtual ~ScriptSource() = default;

  // Just before the block of the drawing at position (1-based) of count: progress, events.
  virtual void BeforeDrawing(std::int32_t position, std::int32_t count) {}
  // The block's settings, asked for every drawing. Valid until the next call. Settings that
  // nothing can have changed since the last call may come back as they were, with the same
  // revision (see DrawingSettings::revision).
  virtual const DrawingSettings& ReadDrawingSettings() = 0;
  // The state of the drawing file at path.
  virtual FileState ReadFileState(const std::string& path) = 0;
  // After each block, with the drawing's substituted post-user-script text.
  virtual void AfterDrawing(const std::string& postUserScript) {}
  // After the last block, while the script is still open (the log, the favourites).
  virtual void AfterDrawings(std::int32_t drawingsWritten) {}
  // The post-batch text, read when it is written.
  virtual std::string ReadPostBatch() = 0;
};

// Writes the batch script for the queue (in order) into file and closes it. Any failure
// (a write, a counter past its range, the tag engine) throws runtime::Error; the file then
// holds what was written before it.
void WriteBatchScript(platform::OutputFile& file, const ScriptStart& start, const std::vector<std::string>& queue,
                      ScriptSource& source, ScriptServices& services);

}  // namespace batch
