#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "platform/locale.h"

namespace platform::fake {

// The regional settings of English (United States): short date "M/d/yyyy", long time
// "h:mm:ss tt", English month and day names.
class FakeLocale : public Locale {
 public:
  std::string ShortDate(const runtime::DateTime& value) override;
  std::string LongTime(const runtime::DateTime& value) override;
  std::string MonthName(int month, bool abbreviated) override;
  std::string DayName(int weekday, bool abbreviated) override;
  std::string DateSeparator() override { return "/"; }
  std::string TimeSeparator() override { return ":"; }
  std::string AmDesignator() override { return "AM"; }
  std::string PmDesignator() override { return "PM"; }
  std::string DecimalSeparator() override { return decimalSeparator_; }
  // Another decimal separator, as a user's regional settings may give.
  void SetDecimalSeparator(std::string separator) { decimalSeparator_ = std::move(separator); }
  std::optional<runtime::DateTime> ParseTime(const std::string& text) override;
  // Symbols and punctuation in code order, then digits, then letters (case folded as
  // runtime::LowerCase folds it), then the other bytes in code order; hyphens and
  // apostrophes count only between texts that are otherwise equal.
  std::string CollationKey(std::string_view text) override;

 private:
  std::string decimalSeparator_ = ".";
};

}  // namespace platform::fake
