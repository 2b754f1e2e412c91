#include "runtime/date_arithmetic.h"

namespace runtime {

namespace {

constexpr std::int64_t kSecondsPerDay = 86400;

// Days since 1 January 1970 of a proleptic Gregorian date (Hinnant's days_from_civil).
std::int64_t DaysFromCivil(int year, int month, int day) {
  std::int64_t y = year - (month <= 2 ? 1 : 0);
  std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  std::int64_t yearOfEra = y - era * 400;
  std::int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + dayOfEra - 719468;
}

// The inverse of DaysFromCivil; fills year, month and day of result.
void CivilFromDays(std::int64_t days, DateTime& result) {
  days += 719468;
  std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
  std::int64_t dayOfEra = days - era * 146097;
  std::int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  std::int64_t monthIndex = (5 * dayOfYear + 2) / 153;
  result.day = static_cast<int>(dayOfYear - (153 * monthIndex + 2) / 5 + 1);
  result.month = static_cast<int>(monthIndex < 10 ? monthIndex + 3 : monthIndex - 9);
  result.year = static_cast<int>(yearOfEra + era * 400 + (result.month <= 2 ? 1 : 0));
}

std::int64_t FloorDiv(std::int64_t value, std::int64_t divisor) {
  std::int64_t quotient = value / divisor;
  return (value % divisor < 0) ? quotient - 1 : quotient;
}

}  // namespace

bool IsLeapYear(int year) {
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month == 2 && IsLeapYear(year)) return 29;
  return kDays[month - 1];
}

DateTime AddDays(const DateTime& value, int days) {
  DateTime result = value;
  CivilFromDays(DaysFromCivil(value.year, value.month, value.day) + days, result);
  return result;
}

DateTime AddMonths(const DateTime& value, int months) {
  DateTime result = value;
  std::int64_t monthIndex = static_cast<std::int64_t>(value.year) * 12 + (value.month - 1) + months;
  result.year = static_cast<int>(FloorDiv(monthIndex, 12));
  result.month = static_cast<int>(monthIndex - static_cast<std::int64_t>(result.year) * 12) + 1;
  int lastDay = DaysInMonth(result.year, result.month);
  if (result.day > lastDay) result.day = lastDay;
  return result;
}

DateTime AddYears(const DateTime& value, int years) {
  return AddMonths(value, years * 12);
}

DateTime AddSeconds(const DateTime& value, std::int64_t seconds) {
  std::int64_t secondOfValue = value.hour * 3600 + value.minute * 60 + value.second;
  std::int64_t total = DaysFromCivil(value.year, value.month, value.day) * kSecondsPerDay + secondOfValue + seconds;
  std::int64_t days = FloorDiv(total, kSecondsPerDay);
  std::int64_t secondOfDay = total - days * kSecondsPerDay;
  DateTime result;
  CivilFromDays(days, result);
  result.hour = static_cast<int>(secondOfDay / 3600);
  result.minute = static_cast<int>(secondOfDay / 60 % 60);
  result.second = static_cast<int>(secondOfDay % 60);
  return result;
}

}  // namespace runtime
