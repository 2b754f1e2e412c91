#include "platform/win32/win32_locale.h"

#include "platform/win32/win32_api.h"
#include "platform/win32/win32_error.h"
#include "runtime/time_parse.h"

namespace platform::win32 {

namespace {

SYSTEMTIME ToSystemTime(const runtime::DateTime& value) {
  SYSTEMTIME time{};
  time.wYear = static_cast<WORD>(value.year);
  time.wMonth = static_cast<WORD>(value.month);
  time.wDay = static_cast<WORD>(value.day);
  time.wHour = static_cast<WORD>(value.hour);
  time.wMinute = static_cast<WORD>(value.minute);
  time.wSecond = static_cast<WORD>(value.second);
  return time;
}

// Text from a call that takes a buffer and its size and returns the length written with
// its NUL, or 0 on failure (GetDateFormatA, GetTimeFormatA, GetLocaleInfoA).
template <typename Call>
std::string LocaleText(Call call) {
  int size = call(nullptr, 0);
  if (size <= 0) throw runtime::Error(runtime::kInvalidProcedureCall);
  std::string text(static_cast<std::size_t>(size), '\0');
  int length = call(text.data(), size);
  if (length <= 0) throw runtime::Error(runtime::kInvalidProcedureCall);
  text.resize(static_cast<std::size_t>(length - 1));
  return text;
}

std::string LocaleInfo(LCTYPE type) {
  return LocaleText([type](char* buffer, int size) { return GetLocaleInfoA(LOCALE_USER_DEFAULT, type, buffer, size); });
}

}  // namespace

std::string Win32Locale::ShortDate(const runtime::DateTime& value) {
  SYSTEMTIME time = ToSystemTime(value);
  return LocaleText([&time](char* buffer, int size) {
    return GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &time, nullptr, buffer, size);
  });
}

std::string Win32Locale::LongTime(const runtime::DateTime& value) {
  SYSTEMTIME time = ToSystemTime(value);
  return LocaleText(
      [&time](char* buffer, int size) { return GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &time, nullptr, buffer, size); });
}

std::string Win32Locale::MonthName(int month, bool abbreviated) {
  if (month < 1 || month > 12) throw runtime::Error(runtime::kInvalidProcedureCall);
  LCTYPE first = abbreviated ? LOCALE_SABBREVMONTHNAME1 : LOCALE_SMONTHNAME1;
  return LocaleInfo(first + static_cast<LCTYPE>(month - 1));
}

std::string Win32Locale::DayName(int weekday, bool abbreviated) {
  if (weekday < 1 || weekday > 7) throw runtime::Error(runtime::kInvalidProcedureCall);
  // Windows numbers the days from Monday (name 1) to Sunday (name 7); ours run from Sunday = 1.
  int fromMonday = (weekday + 5) % 7;
  LCTYPE first = abbreviated ? LOCALE_SABBREVDAYNAME1 : LOCALE_SDAYNAME1;
  return LocaleInfo(first + static_cast<LCTYPE>(fromMonday));
}

std::string Win32Locale::DateSeparator() {
  return LocaleInfo(LOCALE_SDATE);
}

std::string Win32Locale::TimeSeparator() {
  return LocaleInfo(LOCALE_STIME);
}

std::string Win32Locale::DecimalSeparator() {
  return LocaleInfo(LOCALE_SDECIMAL);
}

std::string Win32Locale::AmDesignator() {
  return LocaleInfo(LOCALE_S1159);
}

std::string Win32Locale::PmDesignator() {
  return LocaleInfo(LOCALE_S2359);
}

std::string Win32Locale::CollationKey(std::string_view text) {
  if (text.empty()) return {};
  const std::string source(text);
  const int sourceLength = static_cast<int>(source.size());
  constexpr DWORD kFlags = LCMAP_SORTKEY | NORM_IGNORECASE;
  int size = LCMapStringA(LOCALE_USER_DEFAULT, kFlags, source.data(), sourceLength, nullptr, 0);
  if (size <= 0) throw runtime::Error(runtime::kInvalidProcedureCall);
  std::string key(static_cast<std::size_t>(size), '\0');
  size = LCMapStringA(LOCALE_USER_DEFAULT, kFlags, source.data(), sourceLength, key.data(), size);
  if (size <= 0) throw runtime::Error(runtime::kInvalidProcedureCall);
  key.resize(static_cast<std::size_t>(size));
  // The key ends with a NUL, which adds nothing to the order.
  if (!key.empty() && key.back() == '\0') key.pop_back();
  return key;
}

std::optional<runtime::DateTime> Win32Locale::ParseTime(const std::string& text) {
  runtime::TimeParseRules rules;
  rules.separator = TimeSeparator();
  rules.amDesignator = AmDesignator();
  rules.pmDesignator = PmDesignator();
  return runtime::ParseTimeOfDay(text, rules);
}

}  // namespace platform::win32
