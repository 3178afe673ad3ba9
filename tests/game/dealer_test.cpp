// The Dealer's fixed strategy, category by category.
#include "game/dealer.h"

#include <gtest/gtest.h>

#include <string>

#include "game/cards.h"
#include "tests/support/cardnames.h"

namespace {

using namespace cardnames;

struct DrawCase {
  const char* rule;
  Hand hand;
  std::int32_t drawn;
  SlotFlags kept;  // 1 = the card in that slot stays
};

// clang-format off
const DrawCase kDraws[] = {
    {"ace_king_kept", {C(Ace, H), C(Nine, D), C(King, Cl), C(Seven, S), C(Four, H)}, 3, {1, 0, 1, 0, 0}},
    {"lone_ace_draws_four", {C(Seven, S), C(Ace, H), C(Queen, D), C(Nine, Cl), C(Four, H)}, 4, {0, 1, 0, 0, 0}},
    {"king_high_keeps_two_highest", {C(King, H), C(Jack, D), C(Eight, Cl), C(Five, S), C(Three, H)}, 3, {1, 1, 0, 0, 0}},
    {"pair_kept", {C(Queen, H), C(Queen, S), C(Nine, D), C(Four, Cl), C(Two, H)}, 3, {1, 1, 0, 0, 0}},
    {"two_pair_drops_the_ace", {C(Jack, H), C(Four, D), C(Ace, Cl), C(Jack, S), C(Four, H)}, 1, {1, 1, 0, 1, 1}},
    {"three_of_a_kind_draws_two", {C(Six, H), C(Six, D), C(Ace, Cl), C(Six, S), C(Four, H)}, 2, {1, 1, 0, 1, 0}},
    {"four_eights_with_a_three_draws_one", {C(Eight, H), C(Eight, D), C(Eight, Cl), C(Three, S), C(Eight, S)}, 1, {1, 1, 1, 0, 1}},
    {"four_eights_with_a_ten_stand", {C(Eight, H), C(Eight, D), C(Eight, Cl), C(Ten, S), C(Eight, S)}, 0, {1, 1, 1, 1, 1}},
    {"four_with_a_nine_stand", {C(Two, H), C(Two, D), C(Two, Cl), C(Nine, S), C(Two, S)}, 0, {1, 1, 1, 1, 1}},
    {"straight_stands_pat", {C(Nine, H), C(Ten, D), C(Jack, Cl), C(Queen, S), C(King, H)}, 0, {1, 1, 1, 1, 1}},
    {"flush_stands_pat", {C(Two, D), C(Nine, D), C(Jack, D), C(Four, D), C(King, D)}, 0, {1, 1, 1, 1, 1}},
    {"full_house_stands_pat", {C(Three, H), C(Three, D), C(Three, Cl), C(King, S), C(King, H)}, 0, {1, 1, 1, 1, 1}},
    {"straight_flush_stands_pat", {C(Ace, S), C(Two, S), C(Three, S), C(Four, S), C(Five, S)}, 0, {1, 1, 1, 1, 1}},
    {"royal_flush_stands_pat", {C(Ten, H), C(Jack, H), C(Queen, H), C(King, H), C(Ace, H)}, 0, {1, 1, 1, 1, 1}},
};
// clang-format on

class DealerDrawTest : public ::testing::TestWithParam<DrawCase> {};

TEST_P(DealerDrawTest, KeepsWhatTheStrategyNamesAndDrawsFromTheDeck) {
  DeckGrid cards, order;
  FillDeckGrids(cards, order);
  const DrawCase& c = GetParam();
  Hand hand = c.hand;
  RankHistogram counts;
  HandRank rank;
  std::int32_t next = 13;  // as if the player had drawn two
  EXPECT_EQ(DealerDraw(cards, order, hand, counts, rank, next), c.drawn);
  EXPECT_EQ(next, 13 + c.drawn);
  CardCode expectedNew = 13;
  for (int slot = 0; slot < 5; ++slot) {
    if (c.kept[slot]) {
      EXPECT_EQ(hand[slot], c.hand[slot]) << "slot " << slot;
    } else {
      EXPECT_EQ(hand[slot], expectedNew++) << "slot " << slot;
    }
  }
  // The record describes the hand as it was before the draw.
  HandRank before;
  RankHistogram beforeCounts;
  EvaluateHand(c.hand, before, beforeCounts);
  EXPECT_EQ(rank, before);
}

INSTANTIATE_TEST_SUITE_P(Categories, DealerDrawTest, ::testing::ValuesIn(kDraws),
                         [](const auto& info) { return std::string(info.param.rule); });

TEST(DealerDraw, TakesItsCardsAfterThePlayersReplacements) {
  DeckGrid cards, order;
  FillDeckGrids(cards, order);
  // Lay the deck so the Dealer is dealt Q Q 9 4 2 (positions 2, 4, 6, 8, 10).
  const CardCode dealerCards[] = {C(Queen, H), C(Queen, S), C(Nine, D), C(Four, Cl), C(Two, H)};
  for (int k = 0; k < 5; ++k) {
    const int flat = 2 * k + 1;
    const CardCode wanted = dealerCards[k];
    for (int i = 0; i < 52; ++i)
      if (cards[i / 13][i % 13] == wanted) std::swap(cards[i / 13][i % 13], cards[flat / 13][flat % 13]);
  }
  std::int32_t next = 1;
  Hand plr{}, dlr{};
  DealHands(cards, next, plr, dlr);
  SlotFlags discard{1, 0, 0, 0, 1}, replaced{};
  const Hand plrBefore = plr;
  ReplaceDiscards(cards, order, plr, next, discard, replaced);
  EXPECT_EQ(plr[0], CardAtPosition(cards, order, 11));
  EXPECT_EQ(plr[4], CardAtPosition(cards, order, 12));
  EXPECT_NE(plr, plrBefore);
  RankHistogram counts;
  HandRank rank;
  EXPECT_EQ(DealerDraw(cards, order, dlr, counts, rank, next), 3);
  EXPECT_EQ(dlr[2], CardAtPosition(cards, order, 13));
  EXPECT_EQ(dlr[3], CardAtPosition(cards, order, 14));
  EXPECT_EQ(dlr[4], CardAtPosition(cards, order, 15));
  EXPECT_EQ(next, 16);
}

}  // namespace
