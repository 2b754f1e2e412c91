#pragma once

#include <cstdint>
#include <optional>

#include "ui/check_box.h"
#include "ui/command_button.h"
#include "ui/form.h"
#include "ui/label.h"
#include "ui/text_box.h"
#include "ui/timer.h"

namespace app {
class App;
}

namespace batch {

// The night run: at a time of day the user sets, it presses the main window's run button by
// itself, so the batch script is built and AutoCAD started unattended. Ticking "Activate"
// arms it: the build buttons are disabled and the run button's caption counts down with the
// window's own label. Shown modeless without an owner; the program only hides it, and its
// timer ticks while it is hidden, doing nothing unless armed.
class frmNightRun : public ui::Form {
 public:
  explicit frmNightRun(app::App& app);

  ui::Label Label1{this, "Label1"};
  ui::TextBox tbRunTime{this, "tbRunTime"};
  ui::Label Label2{this, "Label2"};
  ui::CheckBox chkActivate{this, "chkActivate"};
  ui::Label lblCountDown{this, "lblCountDown"};
  ui::CommandButton cmdClose{this, "cmdClose"};
  ui::Timer Timer1{this, "Timer1"};

  void Form_Load();
  // Arms (ticked) or disarms (unticked) the night run.
  void chkActivate_Click();
  void cmdClose_Click();
  // The one-second tick: the countdown, and the run when it is due.
  void Timer1_Timer();
  // The close box while armed disarms first, so the build buttons come back.
  void Form_QueryUnload(bool& cancel, ui::UnloadMode mode);

 private:
  // The tick's countdown; false when the start time cannot be read.
  bool ShowCountdown();
  // Disarms, hides the window and presses the run button with InNightRun set.
  void StartRun();

  app::App& app_;
  // The remaining time at the last armed tick, for the same start time.
  struct LastTick {
    std::int32_t startSecond;
    std::int32_t remaining;
  };
  std::optional<LastTick> lastTick_;
  // The run fell due while another long operation ran: it starts at the first tick after it.
  bool startPending_ = false;
};

}  // namespace batch
