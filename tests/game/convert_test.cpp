// Text to integer by the game's own rules, which are not those of the C library.
#include "game/convert.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace {

struct Accepted {
  const char* rule;
  const char* text;
  std::int32_t value;
};

TEST(TextToInteger, Accepts) {
  const Accepted cases[] = {
      {"zero", "0", 0},
      {"decimal", "50", 50},
      {"leading_blanks_skipped", "  50", 50},
      {"plus_sign", "+7", 7},
      {"minus_sign", "-12", -12},
      {"leading_zeros", "007", 7},
      {"dollar_is_hexadecimal", "$1F", 31},
      {"x_is_hexadecimal", "x1f", 31},
      {"capital_x_is_hexadecimal", "X10", 16},
      {"zero_x_is_hexadecimal", "0x10", 16},
      {"hex_digits_in_either_case", "0XfF", 255},
      {"sign_before_dollar", "-$10", -16},
      {"blanks_then_signed_hexadecimal", "  -0x7FFFFFFF", -INT_MAX},
      {"largest", "2147483647", INT_MAX},
      {"smallest", "-2147483648", INT_MIN},
      {"largest_in_hexadecimal", "$7FFFFFFF", INT_MAX},
      {"smallest_in_hexadecimal", "-$80000000", INT_MIN},
  };
  for (const auto& c : cases) {
    std::int32_t v = -1;
    EXPECT_TRUE(TryStrToInt(c.text, v)) << c.rule;
    EXPECT_EQ(v, c.value) << c.rule;
  }
}

struct Refused {
  const char* rule;
  const char* text;
};

TEST(TextToInteger, RefusesAndLeavesTheValue) {
  const Refused cases[] = {
      {"empty", ""},
      {"blank_only", " "},
      {"sign_only", "+"},
      {"minus_only", "-"},
      {"dollar_only", "$"},
      {"zero_x_only", "0x"},
      {"dollar_between_digits", "5$0"},
      {"trailing_blank", "50 "},
      {"inner_blank", "5 0"},
      {"exponent", "1e3"},
      {"trailing_letter", "12a"},
      {"no_hex_digit", "$G"},
      {"one_above_largest", "2147483648"},
      {"one_below_smallest", "-2147483649"},
      {"hexadecimal_above_largest", "$80000000"},
      {"hexadecimal_never_wraps", "$FFFFFFFF"},
      {"twenty_digits", "99999999999999999999"},
      {"two_signs", "--5"},
      {"mixed_signs", "+-5"},
      {"tab_is_no_blank", "\t5"},
      {"decimal_point", "5.0"},
      {"sign_after_zero_x", "0x-5"},
      {"two_dollars", "$$50"},
  };
  for (const auto& c : cases) {
    std::int32_t v = 123;
    EXPECT_FALSE(TryStrToInt(c.text, v)) << c.rule;
    EXPECT_EQ(v, 123) << c.rule;
  }
}

}  // namespace
