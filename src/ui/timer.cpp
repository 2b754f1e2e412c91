#include "ui/timer.h"

#include "ui/form.h"
#include "ui/ui_errors.h"

namespace ui {

Timer::~Timer() {
  if (running_) Ctx().GetBackend().StopTimer(*this);
}

void Timer::SetInterval(int milliseconds) {
  if (milliseconds < 0 || milliseconds > 65535) throw errors::InvalidPropertyValue();
  if (interval_ == milliseconds) return;
  interval_ = milliseconds;
  Sync();
}

void Timer::Tick() {
  if (running_) Raise(onTimer);
}

void Timer::FormUnloaded() {
  if (!running_) return;
  running_ = false;
  Ctx().GetBackend().StopTimer(*this);
}

void Timer::Sync() {
  Backend& backend = Ctx().GetBackend();
  if (running_) backend.StopTimer(*this);
  running_ = Enabled() && interval_ > 0 && ParentForm().Loaded();
  if (running_) backend.StartTimer(*this);
}

}  // namespace ui
