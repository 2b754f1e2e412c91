#pragma once

#include "ui/context.h"
#include "ui/form.h"

namespace queue {

// The hourglass for the whole screen while it lives; the pointer shown before comes back on
// every way out.
class ScreenHourglass {
 public:
  explicit ScreenHourglass(ui::Context& ctx) : ctx_(ctx), previous_(ctx.ScreenPointer()) {
    ctx_.SetScreenPointer(ui::Pointer::kHourglass);
  }
  ~ScreenHourglass() { ctx_.SetScreenPointer(previous_); }
  ScreenHourglass(const ScreenHourglass&) = delete;
  ScreenHourglass& operator=(const ScreenHourglass&) = delete;

 private:
  ui::Context& ctx_;
  ui::Pointer previous_;
};

// The hourglass over one window while it lives.
class FormHourglass {
 public:
  explicit FormHourglass(ui::Form& form) : form_(form), previous_(form.MousePointer()) {
    form_.SetMousePointer(ui::Pointer::kHourglass);
  }
  ~FormHourglass() { form_.SetMousePointer(previous_); }
  FormHourglass(const FormHourglass&) = delete;
  FormHourglass& operator=(const FormHourglass&) = delete;

 private:
  ui::Form& form_;
  ui::Pointer previous_;
};

}  // namespace queue
