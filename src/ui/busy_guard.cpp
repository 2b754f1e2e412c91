#include "ui/busy_guard.h"

#include "ui/context.h"

namespace ui {

BusyGuard::BusyGuard(Context& ctx) : ctx_(ctx), acquired_(!ctx.busy_) {
  if (acquired_) ctx_.busy_ = true;
}

BusyGuard::~BusyGuard() {
  if (acquired_) ctx_.busy_ = false;
}

}  // namespace ui
