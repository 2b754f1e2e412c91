#pragma once

#include "platform/locale.h"

namespace platform::win32 {

// The user's regional settings through GetDateFormatA, GetTimeFormatA and GetLocaleInfoA.
class Win32Locale : public Locale {
 public:
  std::string ShortDate(const runtime::DateTime& value) override;
  std::string LongTime(const runtime::DateTime& value) override;
  std::string MonthName(int month, bool abbreviated) override;
  std::string DayName(int weekday, bool abbreviated) override;
  std::string DateSeparator() override;
  std::string TimeSeparator() override;
  std::string DecimalSeparator() override;
  std::string AmDesignator() override;
  std::string PmDesignator() override;
  std::optional<runtime::DateTime> ParseTime(const std::string& text) override;
  // LCMapStringA with LCMAP_SORTKEY and NORM_IGNORECASE, without its terminating NUL.
  std::string CollationKey(std::string_view text) override;
};

}  // namespace platform::win32
