#pragma once

namespace runtime {

// A local calendar date and time of day, as the clock and the file system report it.
struct DateTime {
  int year = 1899;
  int month = 12;  // 1-12
  int day = 30;    // 1-31
  int hour = 0;    // 0-23
  int minute = 0;
  int second = 0;

  friend bool operator==(const DateTime&, const DateTime&) = default;
};

// 1 = Sunday ... 7 = Saturday.
int Weekday(const DateTime& date);

}  // namespace runtime
