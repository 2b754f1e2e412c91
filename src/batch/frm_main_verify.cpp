#include "batch/frm_main_verify.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "app/app.h"
#include "batch/frm_file_error_report.h"
#include "core/app_title.h"
#include "core/file_helpers.h"
#include "core/path_helpers.h"
#include "mainwindow/frm_main.h"
#include "queue/frm_scan_stop.h"
#include "runtime/error.h"

namespace batch {

namespace {

// How long a check runs before its stop window appears. A shorter check is over before the
// user could reach "&Stop", and showing and hiding a window for it only holds its result back.
constexpr std::int64_t kStopWindowDelayMilliseconds = 500;

// Restores what the check changed for its duration, on every way out: the main window's
// pointer, the scratch copy of the queue and the stop window.
class CheckScope {
 public:
  explicit CheckScope(app::App& app) : app_(app) { app_.frmMain().SetMousePointer(ui::Pointer::kHourglass); }
  ~CheckScope() {
    mainwindow::frmMain& main = app_.frmMain();
    main.settings.Queue.clear();
    main.SetMousePointer(ui::Pointer::kDefault);
    if (app_.frmScanStop().Visible()) app_.frmScanStop().Hide();
  }
  CheckScope(const CheckScope&) = delete;
  CheckScope& operator=(const CheckScope&) = delete;

 private:
  app::App& app_;
};

void ShowProgress(app::App& app, const std::string& text) {
  app.frmScanStop().lblScanned.SetCaption(text);
}

// The stop window, shown once the check has run long enough to need it.
class StopWindow {
 public:
  explicit StopWindow(app::App& app) : app_(app), start_(app.Services().clock.TickMilliseconds()) {}

  void ShowWhenDue() {
    if (shown_ || app_.Services().clock.TickMilliseconds() - start_ < kStopWindowDelayMilliseconds) return;
    shown_ = true;
    app_.frmScanStop().Show(ui::ShowMode::kModeless);
  }

 private:
  app::App& app_;
  std::int64_t start_;
  bool shown_ = false;
};

// A problem goes into the report, which is loaded at the first one: a report not loaded yet
// is as empty as a cleared one, so a check that finds nothing never creates its window.
void Report(app::App& app, const std::string& path, FileProblem problem) {
  app.frmFileErrorReport().AddEntry(path, problem);
}

// One look at the attributes tells whether the entry is there, serves the lock test and tells
// whether it is read-only, so an entry costs that look and one exclusive open.
void ExamineEntry(app::App& app, const std::string& path) {
  platform::FileSystem& fs = app.Services().fileSystem;
  std::uint32_t attributes = 0;
  try {
    attributes = fs.GetAttributes(path);
  } catch (const runtime::Error&) {
    Report(app, path, FileProblem::kMissing);
    return;
  }
  if (core::FileUnavailable(fs, path, attributes) == -1) Report(app, path, FileProblem::kUnavailable);
  if (core::IsReadOnlyAttribute(attributes)) Report(app, path, FileProblem::kUnavailable);
}

VerifyOutcome Examine(app::App& app) {
  mainwindow::frmMain& main = app.frmMain();
  StopWindow stopWindow(app);
  main.settings.STOPSCAN = 0;
  ShowProgress(app, "Buffering File Names");
  app.Ctx().DoEvents();

  main.settings.Queue.clear();
  for (int i = 0; i < main.List1.ListCount(); ++i) main.settings.Queue.push_back(main.List1.List(i));
  if (frmFileErrorReport* report = app.frmFileErrorReportIfLoaded()) report->ClearEntries();

  // Events run between entries, so the loop keeps its own copy of the entries to examine.
  const std::vector<std::string> entries = main.settings.Queue;
  const int total = static_cast<int>(entries.size());
  for (int done = 0; done < total;) {
    ExamineEntry(app, entries[done]);
    ++done;
    stopWindow.ShowWhenDue();
    app.Ctx().DoEventsBetweenItems();
    ShowItemProgress(app.Ctx(), app.frmScanStop().lblScanned, ProgressText(done, total));
    if (app.frmMain().settings.STOPSCAN == 1 && done < total) return VerifyOutcome::kStopped;
  }
  return VerifyOutcome::kCompleted;
}

void ReportFailure(app::App& app, const runtime::Error& error) {
  app.Ctx().MsgBox({.text = "Error #" + std::to_string(error.Number()) + " - In VERIFY - Please report to " +
                            std::string(core::kSupportEmail) + "... THANKS!",
                    .title = "Error",
                    .buttons = ui::MsgButtons::kOk,
                    .icon = ui::MsgIcon::kExclamation});
}

}  // namespace

int ProgressPercent(int done, int total) {
  if (total <= 0) return 0;
  long long scaled = 100LL * done;
  long long whole = scaled / total;
  long long twice = 2 * (scaled % total);
  if (twice > total || (twice == total && whole % 2 != 0)) ++whole;
  return static_cast<int>(whole);
}

std::string ProgressText(int done, int total) {
  return std::to_string(ProgressPercent(done, total)) + "% Complete";
}

void ShowItemProgress(ui::Context& ctx, ui::Label& label, std::string text) {
  if (label.Caption() == text || !ctx.ItemProgressDue()) {
    ctx.DoEventsBetweenItems();
    return;
  }
  label.SetCaption(std::move(text));
  ctx.DoEvents();
}

bool ReportListsProblems(const app::App& app) {
  const frmFileErrorReport* report = app.frmFileErrorReportIfLoaded();
  return report != nullptr && report->lstFileErrors.ListCount() > 0;
}

VerifyOutcome VerifyQueue(app::App& app) {
  CheckScope scope(app);
  VerifyOutcome outcome;
  try {
    outcome = Examine(app);
  } catch (const runtime::Error& error) {
    ReportFailure(app, error);
    return VerifyOutcome::kFailed;
  }
  app.frmMain().settings.Queue.clear();
  if (ReportListsProblems(app)) app.frmFileErrorReport().Show(ui::ShowMode::kModal, &app.frmMain());
  return outcome;
}

}  // namespace batch

namespace mainwindow {

namespace {

constexpr const char* kInvalidPath =
    "This path is not valid for Windows (too long, or holding a character Windows does not "
    "allow):\r\n";

}  // namespace

void frmMain::VerifyQueueFiles() {
  batch::VerifyQueue(app_);
}

// True when the file carries the read-only attribute. A missing file is not read-only and
// says nothing; any other failure is reported (a path Windows cannot take as such) and counts
// as not read-only.
bool frmMain::IsReadonly(const std::string& path) {
  try {
    return core::IsReadOnlyAttribute(app_.Services().fileSystem.GetAttributes(path));
  } catch (const runtime::Error& error) {
    if (error.Number() == runtime::kFileNotFound || error.Number() == runtime::kPathNotFound) return false;
    const std::string shown = core::ShortenPath(path);
    Ctx().MsgBox({.text = error.Number() == runtime::kBadFileName
                              ? std::string(kInvalidPath) + shown
                              : "Error #" + std::to_string(error.Number()) + "  " + shown + "  " +
                                    " - In ReadOnly - Report to " + std::string(core::kSupportEmail) + "... THANKS!",
                  .title = "Error",
                  .buttons = ui::MsgButtons::kOk,
                  .icon = ui::MsgIcon::kExclamation});
    SetMousePointer(ui::Pointer::kDefault);
    return false;
  }
}

}  // namespace mainwindow
