#include "platform/fake/fake_clock.h"

#include "runtime/date_arithmetic.h"

namespace platform::fake {

void FakeClock::Set(const runtime::DateTime& now) {
  now_ = now;
  pendingMilliseconds_ = 0;
}

void FakeClock::Advance(std::int64_t milliseconds) {
  if (milliseconds <= 0) return;
  ticks_ += milliseconds;
  std::int64_t total = pendingMilliseconds_ + milliseconds;
  pendingMilliseconds_ = static_cast<int>(total % 1000);
  now_ = runtime::AddSeconds(now_, total / 1000);
}

}  // namespace platform::fake
