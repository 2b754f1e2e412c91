#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "runtime/date_time.h"

// The night run's clock arithmetic: how far the start time is from now, how that reads, and
// when the run is due.
namespace batch {

// The time of day in seconds since midnight.
std::int32_t SecondsOfDay(const runtime::DateTime& time);

// Start time of day less the current time of day, in seconds: positive before the start
// time, negative after it (between -86399 and 86399).
std::int32_t RemainingSeconds(const runtime::DateTime& start, const runtime::DateTime& now);

// The magnitude of a remaining time as H:MM:SS: the hour not padded, minutes and seconds in
// two digits ("0:00:05", "23:59:59").
std::string CountdownText(std::int32_t remainingSeconds);

// Whether the run starts at this tick: the start time is one second away (before or after
// it), or the remaining time fell from above one second to one second or less since the last
// tick (previous), so a late tick does not slip the run by a day.
bool RunIsDue(std::int32_t remainingSeconds, std::optional<std::int32_t> previous);

}  // namespace batch
