// Ordering hands and naming them.
#include "game/compare.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct OrderCase {
  const char* rule;
  HandRank a, b;
  std::int32_t expected;
};

// clang-format off
const OrderCase kOrders[] = {
    {"flushes_differing_only_in_suit_tie", {5, 11, 9, 7, 2, 0, 1}, {5, 11, 9, 7, 2, 0, 4}, 0},
    {"pair_decided_at_first_odd_card", {1, 11, 12, 2, 1, 0, 0}, {1, 11, 10, 9, 8, 0, 0}, 1},
    {"ace_low_straight_loses_to_six_high", {4, 3, 0, 0, 0, 0, 0}, {4, 4, 0, 0, 0, 0, 0}, 2},
    {"two_ace_low_straights_tie", {4, 3, 0, 0, 0, 0, 0}, {4, 3, 0, 0, 0, 0, 0}, 0},
    {"two_pair_decided_by_odd_card", {2, 11, 2, 3, 0, 0, 0}, {2, 11, 2, 5, 0, 0, 0}, 2},
    {"category_beats_ranks", {1, 0, 1, 2, 3, 0, 0}, {0, 12, 11, 10, 9, 7, 0}, 1},
    {"high_card_decided_at_last_card", {0, 12, 10, 8, 6, 1, 0}, {0, 12, 10, 8, 6, 0, 0}, 1},
    {"any_hand_beats_the_empty_record", {0, 5, 3, 2, 1, 0, 0}, {0, 0, 0, 0, 0, 0, 0}, 1},
};
// clang-format on

class OrderTest : public ::testing::TestWithParam<OrderCase> {};

TEST_P(OrderTest, Compares) {
  EXPECT_EQ(CompareHands(GetParam().a, GetParam().b), GetParam().expected);
  const std::int32_t mirrored = GetParam().expected == 0 ? 0 : 3 - GetParam().expected;
  EXPECT_EQ(CompareHands(GetParam().b, GetParam().a), mirrored);
}

INSTANTIATE_TEST_SUITE_P(Rules, OrderTest, ::testing::ValuesIn(kOrders),
                         [](const auto& info) { return std::string(info.param.rule); });

struct CaptionCase {
  const char* rule;
  HandRank rank;
  const char* caption;
};

// clang-format off
const CaptionCase kCaptions[] = {
    {"empty_record", {0, 0, 0, 0, 0, 0, 0}, "(None)"},
    {"high_card", {0, 12, 11, 7, 5, 3, 0}, "Ace high \n(King kicker)"},
    {"pair_of_sixes_is_sixs", {1, 4, 9, 2, 0, 0, 0}, "Pair of Sixs \n(Jack kicker)"},
    {"two_pair_names_only_the_pairs", {2, 11, 2, 5, 0, 0, 0}, "Two Pair \n(Kings and Fours)"},
    {"three_of_a_kind", {3, 9, 7, 0, 0, 0, 0}, "Three Jacks"},
    {"ace_low_straight", {4, 3, 0, 0, 0, 0, 0}, "Five high Straight"},
    {"flush", {5, 11, 9, 7, 2, 0, 1}, "King high Flush \n(Hearts)"},
    {"full_house", {6, 11, 2, 0, 0, 0, 0}, "Full House \n(Kings over Fours)"},
    {"four_of_a_kind", {7, 12, 3, 0, 0, 0, 0}, "Four Aces"},
    {"ace_low_straight_flush", {8, 3, 3, 2, 1, 0, 4}, "Five high Straight Flush \n(Spades)"},
    {"royal_flush", {9, 12, 11, 10, 9, 8, 2}, "Royal Flush \n(Diamonds)"},
    // Records that only a damaged file can hold: never a lookup outside the tables.
    {"category_above_nine", {10, 1, 1, 0, 0, 0, 0}, "Hand Rank program error.. Please notify the author"},
    {"negative_category", {-1, 1, 1, 0, 0, 0, 0}, "Hand Rank program error.. Please notify the author"},
    {"rank_above_ace", {3, 13, 0, 0, 0, 0, 0}, "Hand Rank program error.. Please notify the author"},
    {"negative_kicker", {0, 12, -5, 0, 0, 0, 0}, "Hand Rank program error.. Please notify the author"},
    {"flush_without_suit", {5, 11, 9, 7, 2, 0, 0}, "Hand Rank program error.. Please notify the author"},
    {"flush_suit_five", {8, 7, 6, 5, 4, 3, 5}, "Hand Rank program error.. Please notify the author"},
    {"royal_flush_ignores_its_ranks", {9, 99, -1, 0, 0, 0, 3}, "Royal Flush \n(Clubs)"},
};
// clang-format on

class CaptionTest : public ::testing::TestWithParam<CaptionCase> {};

TEST_P(CaptionTest, Captions) { EXPECT_EQ(HandCaption(GetParam().rank), GetParam().caption); }

INSTANTIATE_TEST_SUITE_P(Categories, CaptionTest, ::testing::ValuesIn(kCaptions),
                         [](const auto& info) { return std::string(info.param.rule); });

TEST(ShortNames, HighCardIsEmptyAndOutOfRangeIsSafe) {
  EXPECT_EQ(CategoryName(0), "");
  EXPECT_EQ(CategoryName(3), "Three of a Kind");
  EXPECT_EQ(CategoryName(9), "Royal Flush");
  EXPECT_EQ(CategoryName(10), "");
  EXPECT_EQ(CategoryName(-1), "");
}

TEST(CardNames, RankOfPluralSuit) {
  const struct {
    const char* rule;
    CardCode code;
    const char* name;
  } cases[] = {
      {"first_code_is_the_deuce_of_hearts", 1, "Deuce of Hearts"},
      {"seven_of_hearts", 6, "Seven of Hearts"},
      {"king_of_hearts", 12, "King of Hearts"},
      {"first_diamond", 14, "Deuce of Diamonds"},
      {"last_code_is_the_ace_of_spades", 52, "Ace of Spades"},
      {"no_card", 0, ""},
      {"past_the_deck", 53, ""},
  };
  for (const auto& c : cases) EXPECT_EQ(CardName(c.code), c.name) << c.rule;
}

}  // namespace
