// Hand records: named cases for every category, and every one of the 2,598,960 hands checked
// against a second, independent way of ranking them.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>

#include "game/compare.h"
#include "game/handrank.h"
#include "tests/support/cardnames.h"

namespace {

// Card from rank index (0 Deuce .. 12 Ace) and suit index (0 Hearts .. 3 Spades).
using namespace cardnames;

struct RecordCase {
  const char* rule;
  Hand hand;
  HandRank expected;
};

// clang-format off
const RecordCase kRecords[] = {
    {"ace_low_straight_ranks_as_five_high", {C(Ace, H), C(Two, D), C(Three, Cl), C(Four, S), C(Five, H)}, {4, 3, 0, 0, 0, 0, 0}},
    {"six_high_straight", {C(Two, D), C(Three, Cl), C(Four, S), C(Five, H), C(Six, H)}, {4, 4, 0, 0, 0, 0, 0}},
    {"royal_flush_keeps_flush_ranks_and_suit", {C(Ten, D), C(Jack, D), C(Queen, D), C(King, D), C(Ace, D)}, {9, 12, 11, 10, 9, 8, 2}},
    {"ace_low_straight_flush_is_not_royal", {C(Ace, S), C(Two, S), C(Three, S), C(Four, S), C(Five, S)}, {8, 3, 3, 2, 1, 0, 4}},
    {"king_high_straight_flush", {C(Nine, Cl), C(King, Cl), C(Jack, Cl), C(Ten, Cl), C(Queen, Cl)}, {8, 11, 10, 9, 8, 7, 3}},
    {"no_wrap_around_straight", {C(Jack, H), C(Queen, D), C(King, Cl), C(Ace, S), C(Two, H)}, {0, 12, 11, 10, 9, 0, 0}},
    {"pair_with_three_odd_cards", {C(Queen, H), C(Queen, S), C(Nine, D), C(Four, Cl), C(Two, H)}, {1, 10, 7, 2, 0, 0, 0}},
    {"two_pair_higher_pair_first", {C(Four, H), C(Four, D), C(King, Cl), C(King, S), C(Seven, H)}, {2, 11, 2, 5, 0, 0, 0}},
    {"full_house_low_three", {C(Three, H), C(Three, D), C(Three, Cl), C(King, S), C(King, H)}, {6, 1, 11, 0, 0, 0, 0}},
    {"full_house_high_three", {C(King, H), C(King, D), C(King, Cl), C(Three, S), C(Three, H)}, {6, 11, 1, 0, 0, 0, 0}},
    {"four_of_a_kind_with_odd_card", {C(Eight, H), C(Eight, D), C(Eight, Cl), C(Eight, S), C(Five, H)}, {7, 6, 3, 0, 0, 0, 0}},
    {"three_of_a_kind_two_odd_cards", {C(Jack, H), C(Two, D), C(Jack, Cl), C(Nine, S), C(Jack, D)}, {3, 9, 7, 0, 0, 0, 0}},
    {"flush_of_hearts_is_suit_one", {C(Two, H), C(Nine, H), C(Jack, H), C(Four, H), C(King, H)}, {5, 11, 9, 7, 2, 0, 1}},
    {"flush_of_spades_is_suit_four", {C(Two, S), C(Nine, S), C(Jack, S), C(Four, S), C(King, S)}, {5, 11, 9, 7, 2, 0, 4}},
    {"weakest_high_card", {C(Seven, H), C(Five, D), C(Four, Cl), C(Three, S), C(Two, H)}, {0, 5, 3, 2, 1, 0, 0}},
};
// clang-format on

class RecordTest : public ::testing::TestWithParam<RecordCase> {};

TEST_P(RecordTest, EvaluatesToTheRecord) {
  HandRank rank;
  RankHistogram counts;
  rank.fill(77);  // nothing from before may survive
  counts.fill(77);
  EvaluateHand(GetParam().hand, rank, counts);
  EXPECT_EQ(rank, GetParam().expected);
  HandRank again;
  RankHistogram counts2;
  EvaluateHand(GetParam().hand, again, counts2);
  EXPECT_EQ(again, rank);
  EXPECT_EQ(counts2, counts);
}

INSTANTIATE_TEST_SUITE_P(Categories, RecordTest, ::testing::ValuesIn(kRecords),
                         [](const auto& info) { return std::string(info.param.rule); });

// An independent ranking: group the ranks by (count, rank), both descending. Kept free of
// allocations so that the pass over every hand stays quick under the sanitizers.
HandRank Oracle(const Hand& hand) {
  std::array<int, 13> count{};
  for (CardCode c : hand) ++count[RankOf(c)];
  struct Group {
    int first, second;  // count, rank
  };
  std::array<Group, 5> groups{};
  std::size_t size = 0;
  for (int r = 12; r >= 0; --r)
    if (count[r]) groups[size++] = {count[r], r};
  for (std::size_t i = 1; i < size; ++i)  // stable: equal counts keep the higher rank first
    for (std::size_t j = i; j > 0 && groups[j - 1].first < groups[j].first; --j)
      std::swap(groups[j - 1], groups[j]);
  const bool flush =
      std::all_of(hand.begin(), hand.end(), [&](CardCode c) { return SuitOf(c) == SuitOf(hand[0]); });
  const bool distinct = size == 5;
  const bool wheel = distinct && groups[0].second == 12 && groups[1].second == 3 && groups[4].second == 0;
  const bool straight = distinct && (groups[0].second - groups[4].second == 4 || wheel);
  HandRank r{};
  auto ranksFrom = [&](int field, std::size_t first) {
    for (std::size_t g = first; g < size; ++g) r[field++] = groups[g].second;
  };
  if (flush) {
    ranksFrom(1, 0);
    r[6] = SuitOf(hand[0]) + 1;
    if (straight) {
      r[0] = groups[0].second == 12 && !wheel ? 9 : 8;
      if (wheel) r[1] = 3;
    } else {
      r[0] = 5;
    }
  } else if (straight) {
    r[0] = 4;
    r[1] = wheel ? 3 : groups[0].second;
  } else if (groups[0].first == 4) {
    r = {7, groups[0].second, groups[1].second, 0, 0, 0, 0};
  } else if (groups[0].first == 3 && groups[1].first == 2) {
    r = {6, groups[0].second, groups[1].second, 0, 0, 0, 0};
  } else if (groups[0].first == 3) {
    r[0] = 3;
    ranksFrom(1, 0);
  } else if (groups[0].first == 2 && groups[1].first == 2) {
    r[0] = 2;
    ranksFrom(1, 0);
  } else if (groups[0].first == 2) {
    r[0] = 1;
    ranksFrom(1, 0);
  } else {
    ranksFrom(1, 0);
  }
  return r;
}

TEST(AllHands, DistributionRecordsAndCategoryOrder) {
  std::array<long, 10> perCategory{};
  std::array<HandRank, 10> sample{};
  std::array<bool, 10> seen{};
  long mismatches = 0, histogramFaults = 0, orderFaults = 0;
  Hand hand;
  HandRank rank;
  RankHistogram counts;
  for (int a = 1; a <= 48; ++a)
    for (int b = a + 1; b <= 49; ++b)
      for (int c = b + 1; c <= 50; ++c)
        for (int d = c + 1; d <= 51; ++d)
          for (int e = d + 1; e <= 52; ++e) {
            hand = {a, b, c, d, e};
            EvaluateHand(hand, rank, counts);
            const int category = rank[0];
            ASSERT_GE(category, 0);
            ASSERT_LE(category, 9);
            ++perCategory[category];
            if (rank != Oracle(hand) && ++mismatches <= 3)
              ADD_FAILURE() << "record of " << a << "," << b << "," << c << "," << d << "," << e;
            RankHistogram expected{};
            for (CardCode x : hand) ++expected[RankOf(x)];
            if (counts != expected) ++histogramFaults;
            if (!seen[category]) {
              seen[category] = true;
              sample[category] = rank;
            }
            for (int other = 0; other < 10; ++other) {
              if (!seen[other] || other == category) continue;
              const int want = category > other ? 1 : 2;
              if (CompareHands(rank, sample[other]) != want) ++orderFaults;
            }
          }
  const std::array<long, 10> known{1302540, 1098240, 123552, 54912, 10200, 5108, 3744, 624, 36, 4};
  EXPECT_EQ(perCategory, known);
  EXPECT_EQ(mismatches, 0);
  EXPECT_EQ(histogramFaults, 0);
  EXPECT_EQ(orderFaults, 0);
}

}  // namespace
