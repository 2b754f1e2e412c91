#include "runtime/date_arithmetic.h"

#include <gtest/gtest.h>

namespace runtime {
namespace {

TEST(DateArithmeticTest, DaysInMonthFollowsTheLeapYearRules) {
  EXPECT_EQ(DaysInMonth(2026, 2), 28);
  EXPECT_EQ(DaysInMonth(2028, 2), 29);
  EXPECT_EQ(DaysInMonth(1900, 2), 28);
  EXPECT_EQ(DaysInMonth(2000, 2), 29);
  EXPECT_EQ(DaysInMonth(2026, 4), 30);
  EXPECT_EQ(DaysInMonth(2026, 12), 31);
}

struct ShiftCase {
  DateTime from;
  int amount;
  DateTime expected;
};

class AddDaysTest : public testing::TestWithParam<ShiftCase> {};

TEST_P(AddDaysTest, CarriesIntoMonthsAndYearsAndKeepsTheTime) {
  EXPECT_EQ(AddDays(GetParam().from, GetParam().amount), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AddDaysTest,
    testing::Values(ShiftCase{{2026, 3, 31, 9, 15, 0}, -30, {2026, 3, 1, 9, 15, 0}},  // "$MM-1$" stays in March
                    ShiftCase{{2026, 3, 30}, -30, {2026, 2, 28}}, ShiftCase{{2028, 3, 30}, -30, {2028, 2, 29}},
                    ShiftCase{{2026, 12, 10}, -90, {2026, 9, 11}}, ShiftCase{{2026, 1, 1}, -1, {2025, 12, 31}},
                    ShiftCase{{2026, 12, 31, 23, 59, 59}, 1, {2027, 1, 1, 23, 59, 59}},
                    ShiftCase{{2026, 6, 15}, 0, {2026, 6, 15}}, ShiftCase{{1899, 12, 30}, 36525, {1999, 12, 31}}));

class AddMonthsTest : public testing::TestWithParam<ShiftCase> {};

TEST_P(AddMonthsTest, ClampsTheDayToTheEndOfTheMonth) {
  EXPECT_EQ(AddMonths(GetParam().from, GetParam().amount), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AddMonthsTest,
    testing::Values(ShiftCase{{2026, 1, 31, 8, 30, 5}, 1, {2026, 2, 28, 8, 30, 5}},
                    ShiftCase{{2028, 1, 31}, 1, {2028, 2, 29}}, ShiftCase{{2026, 3, 31}, -1, {2026, 2, 28}},
                    ShiftCase{{2026, 5, 31}, -1, {2026, 4, 30}}, ShiftCase{{2026, 12, 15}, 1, {2027, 1, 15}},
                    ShiftCase{{2026, 1, 15}, -1, {2025, 12, 15}}, ShiftCase{{2026, 1, 15}, -13, {2024, 12, 15}},
                    ShiftCase{{2026, 11, 30}, 14, {2028, 1, 30}}, ShiftCase{{2026, 1, 31}, 0, {2026, 1, 31}}));

TEST(DateArithmeticTest, AddYearsClampsTheLeapDay) {
  EXPECT_EQ(AddYears({2028, 2, 29, 10, 0, 0}, 1), (DateTime{2029, 2, 28, 10, 0, 0}));
  EXPECT_EQ(AddYears({2028, 2, 29}, -4), (DateTime{2024, 2, 29}));
}

TEST(DateArithmeticTest, AddSecondsCarriesThroughEveryField) {
  EXPECT_EQ(AddSeconds({2026, 12, 31, 23, 59, 59}, 1), (DateTime{2027, 1, 1, 0, 0, 0}));
  EXPECT_EQ(AddSeconds({2027, 1, 1, 0, 0, 0}, -1), (DateTime{2026, 12, 31, 23, 59, 59}));
  EXPECT_EQ(AddSeconds({2028, 2, 28, 13, 5, 9}, 86400), (DateTime{2028, 2, 29, 13, 5, 9}));
  EXPECT_EQ(AddSeconds({2026, 12, 10, 13, 5, 9}, 3600 * 11 + 60 * 54 + 51), (DateTime{2026, 12, 11, 1, 0, 0}));
  EXPECT_EQ(AddSeconds({2026, 12, 10, 13, 5, 9}, 366LL * 86400), (DateTime{2027, 12, 11, 13, 5, 9}));
}

}  // namespace
}  // namespace runtime
