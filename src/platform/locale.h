#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "runtime/date_time.h"

namespace platform {

// The system's regional settings.
class Locale {
 public:
  virtual ~Locale() = default;
  // The system's short date ("12/10/2026" in en-US).
  virtual std::string ShortDate(const runtime::DateTime& value) = 0;
  // The system's long time ("1:05:09 PM" in en-US).
  virtual std::string LongTime(const runtime::DateTime& value) = 0;
  // Month 1-12 and weekday 1 (Sunday)-7, full or abbreviated.
  virtual std::string MonthName(int month, bool abbreviated) = 0;
  virtual std::string DayName(int weekday, bool abbreviated) = 0;
  // The date and time separators and the morning and afternoon designators ("/", ":", "AM"
  // and "PM" in en-US); a designator is "" where the settings have none.
  virtual std::string DateSeparator() = 0;
  virtual std::string TimeSeparator() = 0;
  virtual std::string AmDesignator() = 0;
  // The decimal separator of numbers ("." in en-US, "," in de-DE).
  virtual std::string DecimalSeparator() = 0;
  virtual std::string PmDesignator() = 0;
  // A time of day typed by the user ("11:30 PM", "23:30"); the date part is left as given.
  // Nothing when the text is not a time.
  virtual std::optional<runtime::DateTime> ParseTime(const std::string& text) = 0;
  // A key whose byte order (as std::string compares) is the user's text order with letter
  // case ignored: texts that differ only in case get equal keys, and "_" sorts before digits
  // and letters. Sorting by keys costs one conversion per text instead of one per comparison.
  virtual std::string CollationKey(std::string_view text) = 0;
};

}  // namespace platform
