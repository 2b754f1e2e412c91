#include "ui/access_key.h"

#include <gtest/gtest.h>

namespace {

struct AccessKeyCase {
  const char* caption;
  const char* shown;
  char key;
  int position;
};

TEST(AccessKeyTest, MarksAndLiteralAmpersands) {
  const AccessKeyCase cases[] = {
      {"E&xit", "Exit", 'X', 1},
      {"&File", "File", 'F', 0},
      {"Create && &RUN Batch Script", "Create & RUN Batch Script", 'R', 9},
      {"&Setup Instructions && Tutorials", "Setup Instructions & Tutorials", 'S', 0},
      {"Filter", "Filter", 0, -1},
      {"Tom && Jerry", "Tom & Jerry", 0, -1},
      {"trailing &", "trailing ", 0, -1},
      {"Quic&kQueue", "QuickQueue", 'K', 4},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.caption);
    EXPECT_EQ(ui::StripAccessKey(c.caption), c.shown);
    EXPECT_EQ(ui::AccessKey(c.caption), c.key);
    EXPECT_EQ(ui::AccessKeyPosition(c.caption), c.position);
  }
}

}  // namespace
