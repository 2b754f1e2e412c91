#include "runtime/error.h"

#include <gtest/gtest.h>

namespace runtime {
namespace {

TEST(ErrorTest, CarriesNumberAndStandardDescription) {
  Error error(kFileNotFound);
  EXPECT_EQ(error.Number(), 53);
  EXPECT_EQ(error.Description(), "File not found");
  EXPECT_STREQ(error.what(), "File not found");
}

TEST(ErrorTest, MapsSystemCodes) {
  struct Case {
    std::uint32_t code;
    int number;
  };
  const Case cases[] = {
      {2, 53}, {3, 76}, {5, 75}, {32, 70}, {33, 70}, {112, 61}, {183, 58}, {80, 58}, {123, 52}, {21, 71}, {9999, 75},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ErrorFromSystemCode(c.code).Number(), c.number) << "system code " << c.code;
  }
}

}  // namespace
}  // namespace runtime
