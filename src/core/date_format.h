#pragma once

#include <string>
#include <string_view>

#include "platform/locale.h"
#include "runtime/date_time.h"

namespace core {

// Formats a date and time with the classic date format codes, letters in any case:
//   d dd        day, without / with a leading zero     ddd dddd  weekday name, short / full
//   ddddd       the locale's short date                 y         day of the year
//   m mm        month, without / with a leading zero   mmm mmmm  month name, short / full
//   yy yyyy     year, two / four digits
//   h hh        hour, without / with a leading zero    n nn      minute
//   s ss        second
//   AMPM        the locale's morning or afternoon designator
//   AM/PM A/P   those letters as written ("am/pm" gives "am" or "pm")
//   /  :        the locale's date and time separators
// "m" or "mm" right after an hour code (literals in between do not count) means minutes.
// Any AM/PM code puts every hour on the 12-hour clock (12 for noon and midnight); without
// one hours run 0-23. Text in double quotes and a character after "\" stand for themselves,
// as does every other character. Month and day names come from the locale.
std::string FormatDateTime(const runtime::DateTime& value, std::string_view format, platform::Locale& locale);

}  // namespace core
