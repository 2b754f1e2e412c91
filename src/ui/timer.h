#pragma once

#include <functional>
#include <string>

#include "ui/control.h"

namespace ui {

// Runs its Timer event every Interval milliseconds while enabled and its form is loaded,
// hidden or not. Interval 0 stops it. Changing Interval or Enabled starts the count afresh.
class Timer : public Control {
 public:
  using Control::Control;
  ~Timer() override;

  int Interval() const { return interval_; }
  // 0 to 65535; anything else is error 380.
  void SetInterval(int milliseconds);
  // Whether the back end is counting for it.
  bool Running() const { return running_; }

  // The interval elapsed: the back end runs the Timer event.
  void Tick();
  std::function<void()> onTimer;

  void FormLoaded() override { Sync(); }
  void FormUnloaded() override;

 protected:
  // Enabled (the common property) starts and stops it.
  void EnabledChanged() override { Sync(); }

 private:
  void Sync();

  int interval_ = 0;
  bool running_ = false;
};

}  // namespace ui
