// The deck: the generator, the shuffle, the deal and the replacement of discards.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <numeric>

#include "game/cards.h"
#include "game/random.h"

namespace {

class ClockFixed : public ::testing::Test {
 protected:
  void SetUp() override {
    SetCalendarSecondsSource([this] { return now; });
  }
  void TearDown() override { SetCalendarSecondsSource({}); }
  std::int64_t now = 1'000'000'000;
};

std::array<int, 52> Flat(const DeckGrid& g) {
  std::array<int, 52> out{};
  for (int i = 0; i < 52; ++i) out[i] = g[i / 13][i % 13];
  return out;
}

DeckGrid Ordered() {
  DeckGrid cards, order;
  FillDeckGrids(cards, order);
  return cards;
}

TEST(Generator, FollowsTheLinearCongruence) {
  SeedRandom(12345);
  const int expected[] = {15301, 24996, 10921, 23577, 19316};
  for (int v : expected) EXPECT_EQ(NextRandom(), v);
  SeedRandom(0xFFFFFFFFu);  // the state wraps modulo 2^32 and results stay within 0..32767
  for (int i = 0; i < 1000; ++i) {
    const int v = NextRandom();
    ASSERT_GE(v, 0);
    ASSERT_LE(v, 32767);
  }
}

TEST(Grids, FreshTableHoldsOneToFiftyTwoInRowOrder) {
  DeckGrid cards, order;
  FillDeckGrids(cards, order);
  std::array<int, 52> oneTo52;
  std::iota(oneTo52.begin(), oneTo52.end(), 1);
  EXPECT_EQ(Flat(cards), oneTo52);
  EXPECT_EQ(Flat(order), oneTo52);
  for (int position = 1; position <= 52; ++position)
    EXPECT_EQ(CardAtPosition(cards, order, position), position);
  EXPECT_EQ(CardAtPosition(cards, order, 53), 0);
}

TEST_F(ClockFixed, ShuffleOfTheFreshDeckIsPinned) {
  DeckGrid cards = Ordered();
  ShuffleDeck(cards);
  const std::array<int, 52> pinned{40, 28, 15, 30, 4,  19, 29, 36, 50, 52, 42, 18, 46, 12, 10, 47, 37, 31,
                                   21, 6,  11, 20, 13, 3,  1,  2,  17, 24, 51, 27, 45, 32, 8,  5,  14, 9,
                                   49, 38, 34, 7,  26, 43, 16, 44, 33, 25, 48, 39, 35, 23, 41, 22};
  EXPECT_EQ(Flat(cards), pinned);
}

TEST_F(ClockFixed, ShufflesInTheSameSecondApplyTheSameExchanges) {
  DeckGrid first = Ordered();
  ShuffleDeck(first);
  DeckGrid again = Ordered();
  ShuffleDeck(again);
  EXPECT_EQ(Flat(first), Flat(again));
  // A second hand in the same second shuffles the order the first one left.
  ShuffleDeck(first);
  const std::array<int, 10> top{7, 24, 10, 27, 30, 21, 51, 9, 23, 22};
  EXPECT_TRUE(std::equal(top.begin(), top.end(), Flat(first).begin()));
  // The next second gives another order, still a permutation of the deck.
  now += 1;
  DeckGrid later = Ordered();
  ShuffleDeck(later);
  EXPECT_NE(Flat(later), Flat(again));
  auto sorted = Flat(later);
  std::sort(sorted.begin(), sorted.end());
  std::array<int, 52> oneTo52;
  std::iota(oneTo52.begin(), oneTo52.end(), 1);
  EXPECT_EQ(sorted, oneTo52);
}

TEST(Deal, AlternatesPlayerFirstAndAdvancesTen) {
  DeckGrid cards = Ordered();
  std::int32_t next = 1;
  Hand plr{}, dlr{};
  DealHands(cards, next, plr, dlr);
  EXPECT_EQ(next, 11);
  EXPECT_EQ(plr, (Hand{1, 3, 5, 7, 9}));
  EXPECT_EQ(dlr, (Hand{2, 4, 6, 8, 10}));
}

TEST(Replace, FlaggedSlotsTakeTheNextPositionsLeftToRight) {
  DeckGrid cards = Ordered(), order = Ordered();
  Hand hand{1, 3, 5, 7, 9};
  std::int32_t next = 11;
  SlotFlags none{}, replaced{};
  ReplaceDiscards(cards, order, hand, next, none, replaced);
  EXPECT_EQ(hand, (Hand{1, 3, 5, 7, 9}));
  EXPECT_EQ(next, 11);
  EXPECT_EQ(replaced, (SlotFlags{0, 0, 0, 0, 0}));

  SlotFlags discard{0, 1, 0, 1, 0};
  ReplaceDiscards(cards, order, hand, next, discard, replaced);
  EXPECT_EQ(hand, (Hand{1, 11, 5, 12, 9}));
  EXPECT_EQ(next, 13);
  EXPECT_EQ(replaced, (SlotFlags{0, 1, 0, 1, 0}));
}

TEST(Replace, ExhaustedDeckLeavesTheCard) {
  DeckGrid cards = Ordered(), order = Ordered();
  Hand hand{1, 3, 5, 7, 9};
  std::int32_t next = 52;
  SlotFlags discard{1, 1, 0, 0, 0}, replaced{};
  ReplaceDiscards(cards, order, hand, next, discard, replaced);
  EXPECT_EQ(hand, (Hand{52, 3, 5, 7, 9}));
  EXPECT_EQ(replaced, (SlotFlags{1, 0, 0, 0, 0}));
}

}  // namespace
