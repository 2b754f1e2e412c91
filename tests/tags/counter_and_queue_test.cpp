#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "tag_fixture.h"
#include "tags/dynamic_tags.h"

namespace tags {
namespace {

struct CounterCase {
  std::int32_t counter;
  std::int16_t padCounter;
  std::int16_t padDigits;
  std::optional<std::string> text;
};

TEST(FormatCounterTest, PadsOnlyWhenPadCounterIsOne) {
  const std::vector<CounterCase> cases = {
      {7, 0, 3, "7"},
      {-5, 0, 3, "-5"},
      {7, 2, 3, "7"},
      {7, -1, 3, "7"},
      {7, 1, 3, "007"},
      {0, 1, 2, "00"},
      {1234, 1, 3, "1234"},
      {-5, 1, 3, "-005"},
      {-1234, 1, 3, "-1234"},
      {7, 1, 0, "7"},
      {-7, 1, 0, "-7"},
      {std::numeric_limits<std::int32_t>::min(), 1, 12, "-002147483648"},
      {std::numeric_limits<std::int32_t>::max(), 1, 1, "2147483647"},
      {7, 1, -1, std::nullopt},
  };
  for (const CounterCase& row : cases) {
    SCOPED_TRACE(std::to_string(row.counter) + " pad " + std::to_string(row.padCounter) + " width " +
                 std::to_string(row.padDigits));
    EXPECT_EQ(FormatCounter(row.counter, row.padCounter, row.padDigits), row.text);
  }
}

TEST_F(TagEngineTest, CounterTagUsesThePadSettings) {
  settings.PADCOUNTER = 1;
  settings.PADDIGITS = 4;
  EXPECT_EQ(Substitute("N$COUNTER$ $counter$", 42), "N0042 0042");
  settings.PADDIGITS = -2;
  EXPECT_EQ(Substitute("[$COUNTER$] $FILENAME$", 42), "[] A12-101");
}

struct NeighbourCase {
  std::int32_t position;
  std::string previous;  // $FILENAME-PREV$|$SHEET-PREV$
  std::string next;      // $FILENAME-NEXT$|$SHEET-NEXT$
};

TEST_F(TagEngineTest, PreviousAndNextEntriesAroundThePosition) {
  queue = {"C:\\P\\A-001.dwg", "C:\\P\\B-020.dwg", "C:\\P\\C-300.dwg"};
  const std::vector<NeighbourCase> cases = {
      {0, "|", "A-001|1"},          // no position: the next entry is the first
      {1, "|", "B-020|20"},         //
      {2, "A-001|1", "C-300|300"},  //
      {3, "B-020|20", "|"},         // last
      {4, "C-300|300", "|"},        // past the end, as the post-batch text passes it
      {-1, "|", "|"},
      {std::numeric_limits<std::int32_t>::max(), "|", "|"},
  };
  for (const NeighbourCase& row : cases) {
    SCOPED_TRACE(row.position);
    EXPECT_EQ(Substitute("$FILENAME-PREV$|$SHEET-PREV$", 1, kDrawing, row.position), row.previous);
    EXPECT_EQ(Substitute("$FILENAME-NEXT$|$SHEET-NEXT$", 1, kDrawing, row.position), row.next);
  }
  EXPECT_EQ(Substitute("$FILECOUNTINQUEUE$"), "3");
}

TEST_F(TagEngineTest, EmptyQueueHasNoNeighbours) {
  EXPECT_EQ(Substitute("[$FILENAME-PREV$][$FILENAME-NEXT$][$SHEET-NEXT$] $FILECOUNTINQUEUE$", 1, kDrawing, 0),
            "[][][] 0");
}

}  // namespace
}  // namespace tags
