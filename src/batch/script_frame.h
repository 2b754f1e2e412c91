#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "batch/script_services.h"
#include "platform/clock.h"
#include "platform/locale.h"

// The frame of the batch script around the drawing blocks: the header, the pre-batch
// commands and the post-batch commands.
namespace batch {

// When the script was created, as the system's regional settings write it.
struct ScriptStamp {
  std::string date;  // short date
  std::string time;  // long time
};

// Date and time from one reading of the clock, so they never straddle midnight.
ScriptStamp StampNow(platform::Clock& clock, platform::Locale& locale);

// The three header lines: a line of asterisks, the program's version and the stamp, and the
// asterisks again.
std::string HeaderText(std::string_view appVersion, const ScriptStamp& stamp);

// The pre-batch commands with their tags replaced (no drawing, counter 0, position 0),
// between marker lines when debugComments is 1; "" when the text is empty.
std::string PreBatchText(const std::string& preBatch, std::int16_t debugComments, ScriptServices& services);

// The post-batch commands with their tags replaced (no drawing, counter 0, the number of
// drawings written as position); "" when the text is empty.
std::string PostBatchText(const std::string& postBatch, std::int32_t drawingsWritten, ScriptServices& services);

}  // namespace batch
