#pragma once

#include <cstdint>

#include "runtime/date_time.h"

namespace platform {

class Clock {
 public:
  virtual ~Clock() = default;
  // Local date and time.
  virtual runtime::DateTime Now() = 0;
  // A steady millisecond count: the time base of timers.
  virtual std::int64_t TickMilliseconds() = 0;
};

}  // namespace platform
