#pragma once

#include <cstdint>

#include "platform/clock.h"
#include "runtime/date_time.h"

namespace platform::fake {

// A clock that stands still until a test moves it.
class FakeClock : public Clock {
 public:
  runtime::DateTime Now() override { return now_; }
  std::int64_t TickMilliseconds() override { return ticks_; }

  // Sets the date and time; the tick count is left alone.
  void Set(const runtime::DateTime& now);
  void SetTicks(std::int64_t ticks) { ticks_ = ticks; }
  // Moves the tick count and the date and time forward together. A negative amount is
  // ignored: the tick count never goes back.
  void Advance(std::int64_t milliseconds);

 private:
  runtime::DateTime now_{2026, 12, 10, 13, 5, 9};
  std::int64_t ticks_ = 1000000;
  int pendingMilliseconds_ = 0;  // part of a second advanced but not yet shown by Now
};

}  // namespace platform::fake
