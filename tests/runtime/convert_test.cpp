#include "runtime/convert.h"

#include <gtest/gtest.h>

#include <limits>

#include "runtime/error.h"

namespace runtime {
namespace {

// The error number a conversion throws, or 0 when it succeeds.
template <typename Convert>
int ErrorOf(Convert convert, std::string_view text) {
  try {
    convert(text);
  } catch (const Error& error) {
    return error.Number();
  }
  return 0;
}

TEST(ConvertTest, Int16Values) {
  struct Case {
    const char* text;
    std::int16_t expected;
  };
  const Case cases[] = {
      {"0", 0},         {"1", 1},           {"-1", -1},         {"3600", 3600},       {"  42  ", 42}, {"+7", 7},
      {"32767", 32767}, {"-32768", -32768}, {"2.5", 2},         {"3.5", 4},           {"-2.5", -2},   {"2.6", 3},
      {"0.5", 0},       {"1.5", 2},         {"32767.4", 32767}, {"-32768.5", -32768}, {"1e3", 1000},  {".5", 0},
      {"5.", 5},        {"007", 7},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(TextToInt16(c.text), c.expected) << c.text;
  }
}

TEST(ConvertTest, Int32Values) {
  EXPECT_EQ(TextToInt32("70000"), 70000);
  EXPECT_EQ(TextToInt32("2147483647"), std::numeric_limits<std::int32_t>::max());
  EXPECT_EQ(TextToInt32("-2147483648"), std::numeric_limits<std::int32_t>::min());
  EXPECT_EQ(TextToInt32("4.5"), 4);
}

TEST(ConvertTest, MismatchAndOverflow) {
  struct Case {
    const char* text;
    int int16Error;
    int int32Error;
    int doubleError;
  };
  const Case cases[] = {
      {"32768", kOverflow, 0, 0},
      {"-32769", kOverflow, 0, 0},
      {"32767.5", kOverflow, 0, 0},
      {"2147483647", kOverflow, 0, 0},
      {"2147483648", kOverflow, kOverflow, 0},
      {"-2147483649", kOverflow, kOverflow, 0},
      {"2147483647.5", kOverflow, kOverflow, 0},
      {"1e400", kOverflow, kOverflow, kOverflow},
      {"-1e400", kOverflow, kOverflow, kOverflow},
      {"", kTypeMismatch, kTypeMismatch, kTypeMismatch},
      {"   ", kTypeMismatch, kTypeMismatch, kTypeMismatch},
      {"abc", kTypeMismatch, kTypeMismatch, kTypeMismatch},
      {"12abc", kTypeMismatch, kTypeMismatch, kTypeMismatch},
      {"1 2", kTypeMismatch, kTypeMismatch, kTypeMismatch},
      {".", kTypeMismatch, kTypeMismatch, kTypeMismatch},
      {"-", kTypeMismatch, kTypeMismatch, kTypeMismatch},
      {"1e", kTypeMismatch, kTypeMismatch, kTypeMismatch},
      {"e5", kTypeMismatch, kTypeMismatch, kTypeMismatch},
      {"inf", kTypeMismatch, kTypeMismatch, kTypeMismatch},
      {"nan", kTypeMismatch, kTypeMismatch, kTypeMismatch},
      {"0x10", kTypeMismatch, kTypeMismatch, kTypeMismatch},
      {"--1", kTypeMismatch, kTypeMismatch, kTypeMismatch},
      {"True", kTypeMismatch, kTypeMismatch, kTypeMismatch},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ErrorOf(TextToInt16, c.text), c.int16Error) << "int16 " << c.text;
    EXPECT_EQ(ErrorOf(TextToInt32, c.text), c.int32Error) << "int32 " << c.text;
    EXPECT_EQ(ErrorOf(TextToDouble, c.text), c.doubleError) << "double " << c.text;
  }
}

TEST(ConvertTest, DoubleValues) {
  EXPECT_EQ(TextToDouble("1234"), 1234.0);
  EXPECT_EQ(TextToDouble(" -0.25 "), -0.25);
  EXPECT_EQ(TextToDouble("1.5E2"), 150.0);
  EXPECT_EQ(TextToDouble("1e-400"), 0.0);  // too small to hold: zero, not an error
  EXPECT_EQ(TextToDouble("0.0000000000000000000000000000000000000000000000000000000000001e-350"), 0.0);
}

TEST(ConvertTest, Flags) {
  struct Case {
    const char* text;
    std::int16_t expected;
  };
  const Case cases[] = {
      {"True", -1}, {"TRUE", -1}, {"true", -1}, {" True ", -1}, {"False", 0}, {"fAlSe", 0},
      {"-1", -1},   {"0", 0},     {"1", -1},    {"2.5", -1},    {"0.0", 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(TextToFlag(c.text), c.expected) << c.text;
  }
  EXPECT_EQ(ErrorOf(TextToFlag, ""), kTypeMismatch);
  EXPECT_EQ(ErrorOf(TextToFlag, "Yes"), kTypeMismatch);
  EXPECT_EQ(ErrorOf(TextToFlag, "Truex"), kTypeMismatch);
}

TEST(ConvertTest, RoundHalfEven) {
  struct Case {
    double value;
    double expected;
  };
  const Case cases[] = {
      {0.5, 0},   {1.5, 2},    {2.5, 2},    {3.5, 4},   {-0.5, 0}, {-1.5, -2},
      {-2.5, -2}, {2.4999, 2}, {2.5001, 3}, {-2.6, -3}, {7, 7},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(RoundHalfEven(c.value), c.expected) << c.value;
  }
}

TEST(ConvertTest, IntegerToText) {
  EXPECT_EQ(IntegerToText(0), "0");
  EXPECT_EQ(IntegerToText(1), "1");
  EXPECT_EQ(IntegerToText(-1), "-1");
  EXPECT_EQ(IntegerToText(-32768), "-32768");
  EXPECT_EQ(IntegerToText(2147483647), "2147483647");
}

TEST(ConvertTest, DoubleToText) {
  struct Case {
    double value;
    const char* expected;
  };
  const Case cases[] = {
      {0, "0"},           {-0.0, "0"},        {2, "2"},
      {1234, "1234"},     {1.5, "1.5"},       {0.1, "0.1"},
      {-0.25, "-0.25"},   {0.1 + 0.2, "0.3"}, {1.0 / 3, "0.333333333333333"},
      {0.0001, "0.0001"}, {0.00001, "1E-05"}, {123456789012345, "123456789012345"},
      {1e15, "1E+15"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(DoubleToText(c.value), c.expected) << c.expected;
  }
}

TEST(ConvertTest, DoubleTextRoundTrips) {
  for (double value : {0.0, 1.0, 1.5, 0.1, 1234.0, -7.25, 999999.0}) {
    EXPECT_EQ(TextToDouble(DoubleToText(value)), value) << value;
  }
}

}  // namespace
}  // namespace runtime
