#include "runtime/date_time.h"

namespace runtime {

int Weekday(const DateTime& date) {
  // Sakamoto's method: 0 = Sunday.
  static constexpr int kOffsets[] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
  int year = date.year - (date.month < 3 ? 1 : 0);
  int day = (year + year / 4 - year / 100 + year / 400 + kOffsets[date.month - 1] + date.day) % 7;
  return day + 1;
}

}  // namespace runtime
