#pragma once

#include <cstdint>

#include "runtime/date_time.h"

namespace runtime {

bool IsLeapYear(int year);
// Days in a month (1-12) of a year.
int DaysInMonth(int year, int month);

// Moves a date by whole days, carrying into months and years; the time is kept.
DateTime AddDays(const DateTime& value, int days);
// Moves a date by whole months; a day past the end of the new month becomes its last day
// (31 March minus one month is 28 or 29 February). The time is kept.
DateTime AddMonths(const DateTime& value, int months);
DateTime AddYears(const DateTime& value, int years);
// Moves a date and time by seconds, carrying into minutes, hours, days, months and years.
DateTime AddSeconds(const DateTime& value, std::int64_t seconds);

}  // namespace runtime
