#pragma once

#include "ui/context.h"
#include "ui/form.h"

namespace ui {

// The hourglass for the whole screen while it lives; the pointer shown before comes back on
// every way out.
class ScreenHourglass {
 public:
  explicit ScreenHourglass(Context& ctx) : ctx_(ctx), previous_(ctx.ScreenPointer()) {
    ctx_.SetScreenPointer(Pointer::kHourglass);
  }
  ~ScreenHourglass() { ctx_.SetScreenPointer(previous_); }
  ScreenHourglass(const ScreenHourglass&) = delete;
  ScreenHourglass& operator=(const ScreenHourglass&) = delete;

 private:
  Context& ctx_;
  Pointer previous_;
};

// The hourglass over one window while it lives.
class FormHourglass {
 public:
  explicit FormHourglass(Form& form) : form_(form), previous_(form.MousePointer()) {
    form_.SetMousePointer(Pointer::kHourglass);
  }
  ~FormHourglass() { form_.SetMousePointer(previous_); }
  FormHourglass(const FormHourglass&) = delete;
  FormHourglass& operator=(const FormHourglass&) = delete;

 private:
  Form& form_;
  Pointer previous_;
};

}  // namespace ui
