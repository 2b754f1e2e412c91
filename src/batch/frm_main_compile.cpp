// "&Create Batch Script": the build of the batch script from the queue, the user script, the
// batch-flow boxes and the settings, with the checks before it and the work after it.
#include <string>
#include <vector>

#include "app/app.h"
#include "batch/batch_log.h"
#include "batch/build.h"
#include "batch/build_checks.h"
#include "batch/control_source.h"
#include "batch/frm_main_verify.h"
#include "batch/frm_scr_complete.h"
#include "batch/pending_script.h"
#include "batch/script_services.h"
#include "batch/script_writer.h"
#include "core/settings_model.h"
#include "mainwindow/frm_main.h"
#include "options/frm_options.h"
#include "platform/file_system.h"
#include "runtime/convert.h"
#include "tags/queue_view.h"
#include "tags/tag_engine.h"
#include "ui/busy_guard.h"

namespace batch {

namespace {

using mainwindow::frmMain;

// What every build leaves behind, however it ends: the normal pointer, no queue copy, no
// night run in progress and the status "Ready" (never the progress of a build that stopped).
class BuildScope {
 public:
  explicit BuildScope(app::App& app) : app_(app) {}
  ~BuildScope() {
    if (app_.Ctx().Ended()) return;
    frmMain& main = app_.frmMain();
    main.settings.Queue.clear();
    main.settings.InNightRun = core::kFalse;
    main.lblUpdate.SetCaption("Ready");
    app_.Ctx().SetScreenPointer(ui::Pointer::kDefault);
  }
  BuildScope(const BuildScope&) = delete;
  BuildScope& operator=(const BuildScope&) = delete;

 private:
  app::App& app_;
};

// The checks before writing. False when the user cancelled the build in the file access
// error report.
bool CheckBeforeBuild(frmMain& main) {
  const bool nightRun = main.settings.InNightRun != core::kFalse;
  if (main.settings.SimpleMode == 0 && !nightRun) main.CheckScriptSyntax();
  if (main.settings.SimpleMode == 1) main.fsSimpleScript_Click();
  main.settings.StopBatch = core::kFalse;
  if (!nightRun && main.settings.VerifyFilesBit == 1) main.VerifyQueueFiles();
  return main.settings.StopBatch != core::kTrue;
}

// The log and the favourites, while the batch script is still open after its last drawing.
void AfterLastDrawing(frmMain& main, app::App& app) {
  if (main.settings.EnableLogging == 1) WriteBatchLog(app);
  main.settings.Queue.clear();
  if (main.settings.AutoADDFavorites == 1) main.AddCurrentFolderToFavorites();
}

// Writes the whole batch script beside path, moves it there once complete and returns the number of drawings written.
std::int32_t WriteScript(app::App& app, const std::string& path, BuildStage& stage) {
  frmMain& main = app.frmMain();
  platform::Services& services = app.Services();
  app.Ctx().SetScreenPointer(ui::Pointer::kHourglass);
  if (path.empty()) throw runtime::Error(runtime::kPathNotFound);
  PendingScript script(services.fileSystem, path);
  stage = BuildStage::kWriting;

  const ScriptStart start = ReadScriptStart(app);
  main.settings.Queue.clear();
  for (int i = 0; i < main.List1.ListCount(); ++i) main.settings.Queue.push_back(main.List1.List(i));
  // The build's own copy: events run between drawings and may change the queue fields.
  const std::vector<std::string> entries = main.settings.Queue;
  const tags::VectorQueueView queueView(entries);
  const tags::TagSources sources{.settings = main.settings,
                                 .queue = queueView,
                                 .services = services,
                                 .programFolder = services.system.ProgramFolder(),
                                 .storeDatesOncePerSecond = true};
  EngineScriptServices scriptServices(sources, app.Ctx().GetBackend());

  std::int32_t written = 0;
  MainWindowSource source(app, [&](std::int32_t drawingsWritten) {
    written = drawingsWritten;
    AfterLastDrawing(main, app);
  });
  WriteBatchScript(script.File(), start, entries, source, scriptServices);
  script.Commit();
  stage = BuildStage::kWritten;
  return written;
}

// The folder and project tag checks of the file just written, each when it is switched on.
void CheckWrittenScript(app::App& app, const std::string& path) {
  frmMain& main = app.frmMain();
  if (main.settings.WarnFoldersNotExist != 1 && main.settings.ScanForRogueTags != 1) return;
  const std::string script = app.Services().fileSystem.ReadAll(path);
  if (main.settings.WarnFoldersNotExist == 1) CheckScriptFolders(app, script);
  if (main.settings.ScanForRogueTags == 1) CheckScriptProjectTags(app, script);
}

void ShowNotice(app::App& app, const std::string& path, NoticeTexts texts) {
  frmMain& main = app.frmMain();
  if (main.settings.ShowSCRComplete != 1 || app.frmOptions().Visible()) return;
  frmScrComplete& notice = app.frmScrComplete();
  if (texts == NoticeTexts::kRun) {
    notice.ShowRunTexts();
  } else {
    notice.ShowBuildTexts();
  }
  notice.lblOutputPathAndFile.SetCaption(path);
  notice.Show(ui::ShowMode::kModal, &main);
}

// Everything after the batch script is closed.
void FinishBuild(app::App& app, const std::string& path, std::int32_t written, NoticeTexts texts) {
  frmMain& main = app.frmMain();
  if (main.chkTestRun.Value() == ui::kUnchecked) {
    main.settings.TotalFilesProcessed += written;
    main.lblFilesProcessed.SetCaption("Processed = " + runtime::DoubleToText(main.settings.TotalFilesProcessed));
  }
  main.cmdRemoveDwg.SetEnabled(false);
  main.mnuCopySelectedtoClip.SetEnabled(false);
  CheckWrittenScript(app, path);
  app.Ctx().SetScreenPointer(ui::Pointer::kDefault);
  main.lblUpdate.SetCaption("Ready");
  app.Ctx().DoEvents();
  if (main.settings.AutoLaunchEditor == 1) main.ViewBatchScript();
  ShowNotice(app, path, texts);
  if (main.settings.AutoMinimize == 1) main.SetWindowState(ui::WindowState::kMinimized);
}

void ShowOptionsBeside(app::App& app) {
  try {
    app.frmOptions().Show(ui::ShowMode::kModeless);
  } catch (const runtime::Error&) {
    // Open modally already: the user is in it.
  }
}

void ReportBuildFailure(app::App& app, const runtime::Error& error, BuildStage stage, const std::string& path) {
  app.Ctx().SetScreenPointer(ui::Pointer::kDefault);
  const bool scriptInPlace = !path.empty() && platform::Exists(app.Services().fileSystem, path);
  const BuildFailureNotice notice = BuildFailureMessage(error, stage, path, scriptInPlace);
  if (notice.showOptions) ShowOptionsBeside(app);
  app.Ctx().MsgBox({.text = notice.text, .title = notice.title, .buttons = ui::MsgButtons::kOk, .icon = notice.icon});
}

}  // namespace

BuildResult BuildBatchScript(app::App& app, NoticeTexts texts) {
  BuildScope scope(app);
  frmMain& main = app.frmMain();
  BuildResult result{.written = false, .path = main.settings.SCROutputPath};
  BuildStage stage = BuildStage::kBeforeWriting;
  try {
    if (!CheckBeforeBuild(main)) return result;
    result.path = main.settings.SCROutputPath;
    const std::int32_t written = WriteScript(app, result.path, stage);
    result.written = true;
    FinishBuild(app, result.path, written, texts);
  } catch (const runtime::Error& error) {
    main.settings.StopBatch = core::kTrue;
    ReportBuildFailure(app, error, stage, result.path);
  }
  return result;
}

std::string ProgressLabel(std::int32_t position, std::int32_t count) {
  return "Progress = " + std::to_string(ProgressPercent(position, count)) + "%";
}

}  // namespace batch

namespace mainwindow {

// A build asked for while another long operation runs (a build letting events run, a queue
// check, the night run firing meanwhile) is refused and leaves that operation alone.
void frmMain::Command1_Compile_Click() {
  ui::BusyGuard busy(Ctx());
  if (!busy) return;
  batch::BuildBatchScript(app_, batch::NoticeTexts::kBuild);
}

}  // namespace mainwindow
