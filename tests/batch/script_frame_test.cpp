#include "batch/script_frame.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "batch/script_writer.h"
#include "batch_fixture.h"
#include "platform/fake/fake_locale.h"
#include "runtime/error.h"

namespace batch_test {
namespace {

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

TEST(ScriptFrameTest, HeaderNamesVersionDateAndTime) {
  EXPECT_EQ(batch::HeaderText("2.3.4", {"12/10/2026", "1:05:09 PM"}),
            "; ***************************************************************\r\n"
            ";  TORNAVANE 2.3.4 - SCRIPT CREATED 12/10/2026 : 1:05:09 PM\r\n"
            "; ***************************************************************\r\n");
}

// A clock that moves on by a day at every reading.
class RacingClock : public platform::Clock {
 public:
  runtime::DateTime Now() override { return {2026, 12, day_++, 23, 59, 59}; }
  std::int64_t TickMilliseconds() override { return 0; }

 private:
  int day_ = 10;
};

TEST(ScriptFrameTest, StampTakesDateAndTimeFromOneReading) {
  RacingClock clock;
  platform::fake::FakeLocale locale;
  const batch::ScriptStamp stamp = batch::StampNow(clock, locale);
  EXPECT_EQ(stamp.date, "12/10/2026");
  EXPECT_EQ(stamp.time, "11:59:59 PM");
}

TEST(ScriptFrameTest, PreBatchTextBetweenMarkersWhenDebugCommentsAreOn) {
  RecordingServices services;
  EXPECT_EQ(batch::PreBatchText("_SDI 1", 1, services),
            Lines({"; << START OF PRE-BATCH COMMANDS >>", "_SDI 1", "; << END OF PRE-BATCH COMMANDS >>"}));
  EXPECT_EQ(batch::PreBatchText("_SDI 1\r\n_FILEDIA 0", 0, services), Lines({"_SDI 1", "_FILEDIA 0"}));
  EXPECT_EQ(batch::PreBatchText(" ", 2, services), Lines({" "}));  // blanks count; only 1 adds markers
  EXPECT_EQ(batch::PreBatchText("", 1, services), "");
  // Substituted for no drawing: counter 0, the placeholder path, position 0.
  ASSERT_EQ(services.calls.size(), 3u);
  for (const RecordingServices::Call& call : services.calls) {
    EXPECT_EQ(call.pass, "TAGS");
    EXPECT_EQ(call.counter, 0);
    EXPECT_EQ(call.path, "-INVALID-    ");
    EXPECT_EQ(call.position, 0);
  }
}

TEST(ScriptFrameTest, PostBatchTextHasNoMarkersAndTheDrawingCountAsPosition) {
  RecordingServices services;
  EXPECT_EQ(batch::PostBatchText("_SDI 0", 7, services), Lines({"_SDI 0"}));
  EXPECT_EQ(batch::PostBatchText("", 7, services), "");
  ASSERT_EQ(services.calls.size(), 1u);
  EXPECT_EQ(services.calls[0].counter, 0);
  EXPECT_EQ(services.calls[0].path, "-INVALID-    ");
  EXPECT_EQ(services.calls[0].position, 7);
}

TEST(DrawingCounterTest, StartsAndStepsWithinThe32BitRange) {
  struct Case {
    std::int32_t start;
    std::int32_t step;
    std::vector<std::int32_t> values;
  };
  const std::vector<Case> cases = {
      {1, 1, {1, 2, 3}},
      {10, 5, {10, 15, 20}},
      {0, -3, {0, -3, -6}},
      {kMax - 2, 1, {kMax - 2, kMax - 1, kMax}},
      {kMin + 4, -2, {kMin + 4, kMin + 2, kMin}},
  };
  for (const Case& row : cases) {
    SCOPED_TRACE(std::to_string(row.start) + " step " + std::to_string(row.step));
    batch::DrawingCounter counter(row.start, row.step);
    for (std::int32_t expected : row.values) {
      EXPECT_EQ(counter.Value(), expected);
      counter.Advance();
    }
  }
}

TEST(DrawingCounterTest, AValuePastTheRangeIsAnOverflowNotAWrap) {
  for (auto [start, step] : std::vector<std::pair<std::int32_t, std::int32_t>>{{kMax, 1}, {kMin, -1}, {kMax, kMax}}) {
    SCOPED_TRACE(std::to_string(start) + " step " + std::to_string(step));
    batch::DrawingCounter counter(start, step);
    EXPECT_EQ(counter.Value(), start);
    counter.Advance();  // the step itself is no failure while no drawing needs the value
    try {
      counter.Value();
      ADD_FAILURE() << "no overflow";
    } catch (const runtime::Error& error) {
      EXPECT_EQ(error.Number(), runtime::kOverflow);
    }
  }
}

}  // namespace
}  // namespace batch_test
