#include "batch/night_run_countdown.h"

#include <cstdlib>

namespace batch {

namespace {

std::string TwoDigits(std::int32_t value) {
  return (value < 10 ? "0" : "") + std::to_string(value);
}

}  // namespace

std::int32_t SecondsOfDay(const runtime::DateTime& time) {
  return time.hour * 3600 + time.minute * 60 + time.second;
}

std::int32_t RemainingSeconds(const runtime::DateTime& start, const runtime::DateTime& now) {
  return SecondsOfDay(start) - SecondsOfDay(now);
}

std::string CountdownText(std::int32_t remainingSeconds) {
  const std::int32_t magnitude = std::abs(remainingSeconds);
  return std::to_string(magnitude / 3600) + ":" + TwoDigits(magnitude / 60 % 60) + ":" + TwoDigits(magnitude % 60);
}

bool RunIsDue(std::int32_t remainingSeconds, std::optional<std::int32_t> previous) {
  if (std::abs(remainingSeconds) == 1) return true;
  return previous.has_value() && *previous > 1 && remainingSeconds <= 1;
}

}  // namespace batch
