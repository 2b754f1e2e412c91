#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "batch/drawing_block.h"
#include "batch/script_writer.h"

namespace app {
class App;
}
namespace mainwindow {
class frmMain;
}

namespace batch {

// The main window's controls and fields that one drawing block reads, as they stand now, into
// settings, whose texts keep their room: a build reads them for every drawing.
void ReadDrawingSettingsInto(const mainwindow::frmMain& main, DrawingSettings& settings);

// What the build reads once, at its start: the header, the pre-batch text and the counters.
ScriptStart ReadScriptStart(app::App& app);

// The build's view of the main window while it writes: the progress in the status label
// with events let run before each drawing, the controls read afresh for every drawing, the
// state of each drawing file, and the work done after the last drawing (afterDrawings).
class MainWindowSource : public ScriptSource {
 public:
  MainWindowSource(app::App& app, std::function<void(std::int32_t)> afterDrawings);

  void BeforeDrawing(std::int32_t position, std::int32_t count) override;
  const DrawingSettings& ReadDrawingSettings() override;
  FileState ReadFileState(const std::string& path) override;
  void AfterDrawing(const std::string& postUserScript) override;
  void AfterDrawings(std::int32_t drawingsWritten) override;
  std::string ReadPostBatch() override;

 private:
  app::App& app_;
  std::function<void(std::int32_t)> afterDrawings_;
  DrawingSettings settings_;
  std::uint64_t eventsAtRead_ = 0;  // the back end's event count at the last read
};

}  // namespace batch
