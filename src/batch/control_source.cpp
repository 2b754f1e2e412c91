#include "batch/control_source.h"

#include <utility>

#include "app/app.h"
#include "batch/build.h"
#include "batch/frm_main_verify.h"
#include "core/file_helpers.h"
#include "mainwindow/frm_main.h"
#include "runtime/error.h"

namespace batch {

namespace {

std::int16_t Box(const ui::CheckBox& box) {
  return static_cast<std::int16_t>(box.Value());
}

}  // namespace

void ReadDrawingSettingsInto(const mainwindow::frmMain& main, DrawingSettings& s) {
  s.Text1 = main.Text1.Text();
  s.tbPreUserScript = main.tbPreUserScript.Text();
  s.tbPostUserScript = main.tbPostUserScript.Text();
  s.chkIncludeStatus = Box(main.chkIncludeStatus);
  s.DebugComments = main.settings.DebugComments;
  s.UseDelay = main.settings.UseDelay;
  s.LoadOpen = main.settings.LoadOpen;
  s.OpenOther = main.settings.OpenOther;
  s.LT = main.settings.LT;
  s.chkSaveAS = Box(main.chkSaveAS);
  s.chkTestRun = Box(main.chkTestRun);
  s.cmbOutFormat = main.cmbOutFormat.Text();
  s.tbPrefix = main.tbPrefix.Text();
  s.tbSuffix = main.tbSuffix.Text();
  s.optOriginalLocation = main.optOriginalLocation.Value();
  s.tbSpecFolder = main.tbSpecFolder.Text();
  s.chkOverwriteExistingFiles = Box(main.chkOverwriteExistingFiles);
}

ScriptStart ReadScriptStart(app::App& app) {
  const mainwindow::frmMain& main = app.frmMain();
  platform::Services& services = app.Services();
  ScriptStart start;
  start.AppVersion = app.AppVersion;
  start.stamp = StampNow(services.clock, services.locale);
  start.tbPreBatch = main.tbPreBatch.Text();
  start.DebugComments = main.settings.DebugComments;
  start.COUNTERSTART = main.settings.COUNTERSTART;
  start.COUNTERSTEP = main.settings.COUNTERSTEP;
  start.Delay = main.settings.Delay;
  return start;
}

MainWindowSource::MainWindowSource(app::App& app, std::function<void(std::int32_t)> afterDrawings)
    : app_(app), afterDrawings_(std::move(afterDrawings)) {}

void MainWindowSource::BeforeDrawing(std::int32_t position, std::int32_t count) {
  ShowItemProgress(app_.Ctx(), app_.frmMain().lblUpdate, ProgressLabel(position, count));
}

// Only events change the controls and fields read: while none has run since the last read,
// the settings read then still hold, with their revision.
const DrawingSettings& MainWindowSource::ReadDrawingSettings() {
  const std::uint64_t events = app_.Ctx().GetBackend().EventCount();
  if (settings_.revision != 0 && events == eventsAtRead_) return settings_;
  ReadDrawingSettingsInto(app_.frmMain(), settings_);
  ++settings_.revision;
  eventsAtRead_ = events;
  return settings_;
}

// One look at the attributes serves the lock test and the read-only test, so a drawing costs
// that look and one exclusive open. A file that is not there is not read-only; any other
// failure gets both tests in full, with the read-only test's message.
FileState MainWindowSource::ReadFileState(const std::string& path) {
  platform::FileSystem& fs = app_.Services().fileSystem;
  std::uint32_t attributes = 0;
  try {
    attributes = fs.GetAttributes(path);
  } catch (const runtime::Error& error) {
    if (error.Number() == runtime::kFileNotFound || error.Number() == runtime::kPathNotFound) {
      return ClassifyDrawingFile(-1, false);
    }
    return ClassifyDrawingFile(core::FileUnavailable(fs, path), app_.frmMain().IsReadonly(path));
  }
  return ClassifyDrawingFile(core::FileUnavailable(fs, path, attributes), core::IsReadOnlyAttribute(attributes));
}

void MainWindowSource::AfterDrawing(const std::string& postUserScript) {
  app_.frmMain().settings.PostUserScript = postUserScript;
}

void MainWindowSource::AfterDrawings(std::int32_t drawingsWritten) {
  if (afterDrawings_) afterDrawings_(drawingsWritten);
}

std::string MainWindowSource::ReadPostBatch() {
  return app_.frmMain().tbPostBatch.Text();
}

}  // namespace batch
