#include <memory>

#include "app/app.h"
#include "batch/batch_log.h"
#include "core/app_title.h"
#include "core/file_helpers.h"
#include "core/system_helpers.h"
#include "mainwindow/frm_main.h"
#include "options/frm_options.h"
#include "runtime/error.h"

namespace batch {

namespace {

BatchLogInput ReadBatchLogInput(app::App& app) {
  mainwindow::frmMain& main = app.frmMain();
  options::frmOptions& options = app.frmOptions();
  platform::SystemInfo& system = app.Services().system;
  BatchLogInput in;
  in.now = app.Services().clock.Now();
  in.user = core::GetUserNameClean(system);
  in.computer = core::StripNulls(core::GetComputerNameStr(system));
  in.osPlatform = main.settings.OS_Platform;
  in.os = main.settings.OS;
  in.appTitle = std::string(core::kAppTitle);
  in.appVersion = app.AppVersion;
  in.R14Compatible = main.settings.R14Compatible;
  in.LT = main.settings.LT;
  in.AutoCADEXE = main.settings.AutoCADEXE;
  in.Switches = main.settings.Switches;
  in.normalOutputPathChosen = options.optNormalOutputPath.Value();
  in.normalOutputPath = options.Text1.Text();
  in.altOutputPathChosen = options.optAltOutputPath.Value();
  in.altOutputPath = options.tbAltOutput.Text();
  in.TextEditor = main.settings.TextEditor;
  in.preBatch = main.tbPreBatch.Text();
  in.preUserScript = main.tbPreUserScript.Text();
  in.userScript = main.Text1.Text();
  in.postUserScript = main.tbPostUserScript.Text();
  in.postBatch = main.tbPostBatch.Text();
  in.delayCheckbox = main.chkDelay.Value();
  in.testRunCheckbox = main.chkTestRun.Value();
  in.saveAsCheckbox = main.chkSaveAS.Value();
  in.saveAsFormat = main.cmbOutFormat.Text();
  in.saveAsPrefix = main.tbPrefix.Text();
  in.saveAsSuffix = main.tbSuffix.Text();
  in.queue = main.settings.Queue;
  return in;
}

void AppendRecord(app::App& app, const std::string& path) {
  std::vector<std::string> lines = BatchLogRecord(ReadBatchLogInput(app), app.Services().locale);
  std::unique_ptr<platform::OutputFile> file = app.Services().fileSystem.OpenForWrite(path, true);
  for (const std::string& line : lines) file->Write(line + "\r\n");
  file->Close();
}

void ReportLogFailure(app::App& app, const std::string& path, const runtime::Error& error) {
  app.Ctx().MsgBox({.text = "The batch log could not be written:\r\n" + core::ShortenPath(path) + "\r\n\r\nError " +
                            std::to_string(error.Number()) + " (" + error.Description() + ")",
                    .title = "Tornavane Alert",
                    .buttons = ui::MsgButtons::kOk,
                    .icon = ui::MsgIcon::kExclamation});
}

}  // namespace

void WriteBatchLog(app::App& app) {
  if (app.frmMain().settings.EnableLogging != 1) return;
  app.frmMain().lblUpdate.SetCaption("Writing Log File");
  app.Ctx().DoEvents();
  const std::string path = app.Ctx().App().path + "\\DATA\\" + kBatchLogName;
  try {
    AppendRecord(app, path);
  } catch (const runtime::Error& error) {
    ReportLogFailure(app, path, error);
  }
  app.frmMain().lblUpdate.SetCaption("Ready");
  app.Ctx().DoEvents();
}

}  // namespace batch
