#include <gtest/gtest.h>

#include <cstdint>
#include <memory>

#include "contract_env.h"
#include "runtime/date_arithmetic.h"

namespace {

class ClockContract : public testing::Test {
 protected:
  std::unique_ptr<contract::Env> env_ = contract::MakeEnv();
  platform::Clock& clock_ = env_->Clock();
};

TEST_F(ClockContract, NowIsAValidDateAndTime) {
  runtime::DateTime now = clock_.Now();
  EXPECT_GE(now.year, 2000);
  ASSERT_GE(now.month, 1);
  ASSERT_LE(now.month, 12);
  EXPECT_GE(now.day, 1);
  EXPECT_LE(now.day, runtime::DaysInMonth(now.year, now.month));
  EXPECT_GE(now.hour, 0);
  EXPECT_LE(now.hour, 23);
  EXPECT_GE(now.minute, 0);
  EXPECT_LE(now.minute, 59);
  EXPECT_GE(now.second, 0);
  EXPECT_LE(now.second, 59);
}

TEST_F(ClockContract, TicksNeverGoBackwards) {
  std::int64_t previous = clock_.TickMilliseconds();
  for (int i = 0; i < 10000; ++i) {
    std::int64_t ticks = clock_.TickMilliseconds();
    ASSERT_GE(ticks, previous);
    previous = ticks;
  }
}

}  // namespace
