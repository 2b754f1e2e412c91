#include "batch/script_frame.h"

#include "batch/drawing_block.h"
#include "tags/tag_engine.h"

namespace batch {

namespace {

constexpr std::string_view kAsteriskLine = "; ***************************************************************";

}  // namespace

ScriptStamp StampNow(platform::Clock& clock, platform::Locale& locale) {
  const runtime::DateTime now = clock.Now();
  return {locale.ShortDate(now), locale.LongTime(now)};
}

std::string HeaderText(std::string_view appVersion, const ScriptStamp& stamp) {
  std::string text;
  text += kAsteriskLine;
  text += kCrLf;
  text += ";  TORNAVANE ";
  text += appVersion;
  text += " - SCRIPT CREATED ";
  text += stamp.date;
  text += " : ";
  text += stamp.time;
  text += kCrLf;
  text += kAsteriskLine;
  text += kCrLf;
  return text;
}

std::string PreBatchText(const std::string& preBatch, std::int16_t debugComments, ScriptServices& services) {
  if (preBatch.empty()) return {};
  const std::string substituted = services.SubstituteTAGS(preBatch, 0, tags::kNoDrawing, 0);
  std::string text;
  if (debugComments == 1) {
    text += "; << START OF PRE-BATCH COMMANDS >>";
    text += kCrLf;
  }
  text += substituted;
  text += kCrLf;
  if (debugComments == 1) {
    text += "; << END OF PRE-BATCH COMMANDS >>";
    text += kCrLf;
  }
  return text;
}

std::string PostBatchText(const std::string& postBatch, std::int32_t drawingsWritten, ScriptServices& services) {
  if (postBatch.empty()) return {};
  std::string text = services.SubstituteTAGS(postBatch, 0, tags::kNoDrawing, drawingsWritten);
  text += kCrLf;
  return text;
}

}  // namespace batch
