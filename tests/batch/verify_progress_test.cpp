#include <gtest/gtest.h>

#include "batch/frm_main_verify.h"

namespace {

TEST(VerifyProgressTest, RoundsTheFractionToTwoPlacesHalvesToEven) {
  struct Case {
    int done;
    int total;
    int percent;
  };
  const Case cases[] = {
      {1, 3, 33},  {2, 3, 67},  {3, 3, 100}, {1, 8, 12},          {3, 8, 38},    {5, 8, 62},
      {7, 8, 88},  {1, 2, 50},  {1, 200, 0}, {3, 200, 2},         {1, 10, 10},   {0, 5, 0},
      {1, 1, 100}, {7, 400, 2}, {9, 400, 2}, {32767, 32767, 100}, {1, 32767, 0}, {0, 0, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(batch::ProgressPercent(c.done, c.total), c.percent) << c.done << " of " << c.total;
  }
  EXPECT_EQ(batch::ProgressText(1, 3), "33% Complete");
}

}  // namespace
