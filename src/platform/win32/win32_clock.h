#pragma once

#include "platform/clock.h"

namespace platform::win32 {

// The system clock: local time and the tick count since start-up.
class Win32Clock : public Clock {
 public:
  runtime::DateTime Now() override;
  std::int64_t TickMilliseconds() override;
};

}  // namespace platform::win32
