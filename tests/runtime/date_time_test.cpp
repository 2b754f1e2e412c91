#include "runtime/date_time.h"

#include <gtest/gtest.h>

namespace runtime {
namespace {

TEST(DateTimeTest, WeekdayCountsFromSunday) {
  EXPECT_EQ(Weekday({2026, 12, 10}), 5);  // Thursday
  EXPECT_EQ(Weekday({2000, 1, 1}), 7);    // Saturday
  EXPECT_EQ(Weekday({2024, 3, 3}), 1);    // Sunday
  EXPECT_EQ(Weekday({1899, 12, 30}), 7);  // Saturday
}

}  // namespace
}  // namespace runtime
