#include "batch/frm_night_run.h"

#include "app/app.h"
#include "batch/night_run_countdown.h"
#include "core/settings_model.h"
#include "mainwindow/frm_main.h"
#include "runtime/error.h"

namespace batch {

namespace {

constexpr const char* kCaption = " Tornavane - Night Run";
constexpr const char* kArmedCaption = " Tornavane - Night Run - ACTIVATED";
constexpr const char* kRunCaption = "Create && &RUN Batch Script";
constexpr const char* kCorrectStartTime = " Please Correct your Start-Time";

void BigBold(ui::Control& control) {
  control.SetFontName("Arial");
  control.SetFontSize(12);
  control.SetFontBold(true);
}

}  // namespace

frmNightRun::frmNightRun(app::App& app) : Form(app.Ctx(), "frmNightRun"), app_(app) {
  SetCaption(kCaption);
  SetBorderStyle(ui::BorderStyle::kFixedSingle);
  SetStartUpPosition(ui::StartUpPosition::kCenterScreen);
  Move(0, 0, 5055, 2700);

  Label1.SetCaption("Run Script at");
  Label1.Move(120, 180, 1215, 255);
  tbRunTime.SetText("8:30:00 PM");
  tbRunTime.Move(1380, 120, 1575, 315);
  Label2.SetCaption("eg: 9:00:00 PM");
  Label2.Move(3060, 180, 1695, 255);
  chkActivate.SetCaption("Activate");
  BigBold(chkActivate);
  chkActivate.Move(120, 600, 1935, 375);
  lblCountDown.SetCaption("");
  BigBold(lblCountDown);
  lblCountDown.Move(120, 1080, 4695, 375);
  cmdClose.SetCaption("&Close");
  cmdClose.Move(3540, 1620, 1215, 375);

  onLoad = [this] { Form_Load(); };
  onQueryUnload = [this](bool& cancel, ui::UnloadMode mode) { Form_QueryUnload(cancel, mode); };
  chkActivate.onClick = [this] { chkActivate_Click(); };
  cmdClose.onClick = [this] { cmdClose_Click(); };
  Timer1.onTimer = [this] { Timer1_Timer(); };
}

void frmNightRun::Form_Load() {
  Timer1.SetInterval(1000);
}

void frmNightRun::chkActivate_Click() {
  mainwindow::frmMain& main = app_.frmMain();
  lastTick_.reset();
  startPending_ = false;
  if (chkActivate.Value() == ui::kChecked) {
    SetCaption(kArmedCaption);
    cmdClose.SetEnabled(false);
    main.cmdCreateAndRun.SetEnabled(false);
    main.Command1_Compile.SetEnabled(false);
    return;
  }
  SetCaption(kCaption);
  cmdClose.SetEnabled(true);
  lblCountDown.SetCaption("");
  main.Command1_Compile.SetEnabled(true);
  main.cmdCreateAndRun.SetEnabled(true);
  main.cmdCreateAndRun.SetCaption(kRunCaption);
}

void frmNightRun::cmdClose_Click() {
  Hide();
}

void frmNightRun::Timer1_Timer() {
  if (chkActivate.Value() != ui::kChecked) return;
  if (!ShowCountdown()) return;
  if (!startPending_) return;
  // Two builds never interleave: a run due while a build lets events run waits for it.
  if (Ctx().Busy()) return;
  StartRun();
}

bool frmNightRun::ShowCountdown() {
  try {
    std::optional<runtime::DateTime> start = Ctx().Services().locale.ParseTime(tbRunTime.Text());
    if (!start) throw runtime::Error(runtime::kTypeMismatch);
    const std::int32_t remaining = RemainingSeconds(*start, Ctx().Services().clock.Now());
    const std::string countdown = CountdownText(remaining);
    lblCountDown.SetCaption(" Batch will Start in " + countdown);
    app_.frmMain().cmdCreateAndRun.SetCaption(" Batch Starts in " + countdown);
    const std::int32_t startSecond = SecondsOfDay(*start);
    std::optional<std::int32_t> previous;
    if (lastTick_ && lastTick_->startSecond == startSecond) previous = lastTick_->remaining;
    lastTick_ = LastTick{startSecond, remaining};
    if (RunIsDue(remaining, previous)) startPending_ = true;
    return true;
  } catch (const runtime::Error&) {
    lastTick_.reset();
    lblCountDown.SetCaption(kCorrectStartTime);
    return false;
  }
}

void frmNightRun::StartRun() {
  mainwindow::frmMain& main = app_.frmMain();
  chkActivate.SetValue(ui::kUnchecked);
  cmdClose.SetEnabled(true);
  cmdClose.SetValue(true);
  Ctx().DoEvents();
  // However the press goes (even when the button could not be pressed), the flag ends with it.
  struct EndOfRun {
    mainwindow::frmMain& main;
    ~EndOfRun() { main.settings.InNightRun = core::kFalse; }
  } endOfRun{main};
  main.settings.InNightRun = core::kTrue;
  main.cmdCreateAndRun.SetValue(true);
}

void frmNightRun::Form_QueryUnload(bool& /*cancel*/, ui::UnloadMode mode) {
  if (mode == ui::UnloadMode::kFormControlMenu && chkActivate.Value() == ui::kChecked) {
    chkActivate.SetValue(ui::kUnchecked);
  }
}

}  // namespace batch
