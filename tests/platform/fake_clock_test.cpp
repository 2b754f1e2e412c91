#include "platform/fake/fake_clock.h"

#include <gtest/gtest.h>

namespace platform::fake {
namespace {

using runtime::DateTime;

TEST(FakeClockTest, AdvanceMovesTicksAndTimeTogether) {
  FakeClock clock;
  clock.Set({2026, 12, 31, 23, 59, 58});
  clock.SetTicks(5000);

  clock.Advance(1500);
  EXPECT_EQ(clock.Now(), (DateTime{2026, 12, 31, 23, 59, 59}));
  EXPECT_EQ(clock.TickMilliseconds(), 6500);

  // The half second left over counts towards the next advance.
  clock.Advance(500);
  EXPECT_EQ(clock.Now(), (DateTime{2027, 1, 1, 0, 0, 0}));
  EXPECT_EQ(clock.TickMilliseconds(), 7000);

  clock.Advance(59LL * 86400 * 1000);
  EXPECT_EQ(clock.Now(), (DateTime{2027, 3, 1, 0, 0, 0}));
}

TEST(FakeClockTest, TimeNeverGoesBack) {
  FakeClock clock;
  DateTime before = clock.Now();
  std::int64_t ticks = clock.TickMilliseconds();
  clock.Advance(-5000);
  EXPECT_EQ(clock.Now(), before);
  EXPECT_EQ(clock.TickMilliseconds(), ticks);
}

}  // namespace
}  // namespace platform::fake
