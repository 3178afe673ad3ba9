// Text to integer by the game's own rules, which are not those of the C library.
#include "game/convert.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace {

struct Accepted {
  const char* text;
  std::int32_t value;
};

TEST(TextToInteger, Accepts) {
  // clang-format off
  const Accepted cases[] = {
      {"0", 0},           {"50", 50},          {"  50", 50},       {"+7", 7},          {"-12", -12},
      {"007", 7},         {"$1F", 31},         {"x1f", 31},        {"X10", 16},        {"0x10", 16},
      {"0XfF", 255},      {"-$10", -16},       {"  -0x7FFFFFFF", -INT_MAX},
      {"2147483647", INT_MAX}, {"-2147483648", INT_MIN}, {"$7FFFFFFF", INT_MAX}, {"-$80000000", INT_MIN},
  };
  // clang-format on
  for (const auto& c : cases) {
    std::int32_t v = -1;
    EXPECT_TRUE(TryStrToInt(c.text, v)) << c.text;
    EXPECT_EQ(v, c.value) << c.text;
  }
}

TEST(TextToInteger, RefusesAndLeavesTheValue) {
  // clang-format off
  const char* cases[] = {"",          " ",           "+",          "-",           "$",          "0x",
                         "5$0",       "50 ",         "5 0",        "1e3",         "12a",        "$G",
                         "2147483648", "-2147483649", "$80000000", "$FFFFFFFF",  "99999999999999999999",
                         "--5",       "+-5",         "\t5",        "5.0",         "0x-5",       "$$50"};
  // clang-format on
  for (const char* text : cases) {
    std::int32_t v = 123;
    EXPECT_FALSE(TryStrToInt(text, v)) << '"' << text << '"';
    EXPECT_EQ(v, 123) << text;
  }
}

TEST(IntegerToText, DecimalWithoutGrouping) {
  EXPECT_EQ(IntToStr(0), "0");
  EXPECT_EQ(IntToStr(-50), "-50");
  EXPECT_EQ(IntToStr(1000000), "1000000");
  EXPECT_EQ(IntToStr(INT64_MIN), "-9223372036854775808");
}

}  // namespace
