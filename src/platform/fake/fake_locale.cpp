#include "platform/fake/fake_locale.h"

#include <array>
#include <cstdio>

#include "runtime/error.h"
#include "runtime/time_parse.h"

namespace platform::fake {

namespace {

constexpr std::array<const char*, 12> kMonths = {"January", "February", "March",     "April",   "May",      "June",
                                                 "July",    "August",   "September", "October", "November", "December"};
constexpr std::array<const char*, 7> kDays = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                              "Thursday", "Friday", "Saturday"};

std::string Name(const char* full, bool abbreviated) {
  std::string name = full;
  return abbreviated ? name.substr(0, 3) : name;
}

}  // namespace

std::string FakeLocale::ShortDate(const runtime::DateTime& value) {
  char text[32];
  std::snprintf(text, sizeof text, "%d/%d/%04d", value.month, value.day, value.year);
  return text;
}

std::string FakeLocale::LongTime(const runtime::DateTime& value) {
  int hour = value.hour % 12 == 0 ? 12 : value.hour % 12;
  char text[32];
  std::snprintf(text, sizeof text, "%d:%02d:%02d %s", hour, value.minute, value.second, value.hour < 12 ? "AM" : "PM");
  return text;
}

std::string FakeLocale::MonthName(int month, bool abbreviated) {
  if (month < 1 || month > 12) throw runtime::Error(runtime::kInvalidProcedureCall);
  return Name(kMonths[month - 1], abbreviated);
}

std::string FakeLocale::DayName(int weekday, bool abbreviated) {
  if (weekday < 1 || weekday > 7) throw runtime::Error(runtime::kInvalidProcedureCall);
  return Name(kDays[weekday - 1], abbreviated);
}

std::optional<runtime::DateTime> FakeLocale::ParseTime(const std::string& text) {
  return runtime::ParseTimeOfDay(text);
}

}  // namespace platform::fake
