#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "runtime/date_time.h"

namespace runtime {

// The parts of the regional settings that reading a typed time depends on.
struct TimeParseRules {
  std::string separator = ":";
  std::string amDesignator = "AM";
  std::string pmDesignator = "PM";
};

// Reads a time of day as a user types it: "23:30", "11:30 PM", "11:30:15 pm", "7 AM",
// "7PM". Hours and minutes (and optional seconds) are separated by the rules' separator
// or ":"; the AM/PM designator (the rules' own or "AM"/"PM", any letter case) may stand
// before or after the time. An hour alone needs a designator. Hours run 0-23 without a
// designator and 0-12 with one; minutes and seconds 0-59. The result carries the time on
// the default date (30 December 1899); nothing when the text is not such a time.
std::optional<DateTime> ParseTimeOfDay(std::string_view text, const TimeParseRules& rules = {});

}  // namespace runtime
