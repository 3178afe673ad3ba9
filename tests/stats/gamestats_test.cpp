// The statistics of a game after scripted sequences of hands.
#include "stats/gamestats.h"

#include <gtest/gtest.h>

#include <numeric>

#include "game/handrank.h"
#include "game/money.h"
#include "tests/support/fakeplatform.h"

namespace {

const HandRank kPairOfTens{1, 8, 12, 5, 2, 0, 0};
const HandRank kPairOfTwos{1, 0, 12, 5, 2, 0, 0};
const HandRank kAceHigh{0, 12, 10, 7, 5, 2, 0};
const HandRank kFlush{5, 11, 9, 7, 2, 0, 3};

class StatsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetRankData();
    ResetCardData();
    ResetGameStats();
  }

  // One showdown: dealt and final records of both sides, the outcome and the bet, with the
  // Bank settled first as the table does.
  void Hand(std::int32_t outcome, std::int32_t bet, const HandRank& plrFinal, const HandRank& dlrFinal,
            const HandRank& plrDealt = kAceHigh, const HandRank& dlrDealt = kAceHigh,
            ::Hand cards = {1, 2, 3, 4, 5}) {
    Bank += outcome == 1 ? bet : outcome == 2 ? -bet : 0;
    PlrFinalRank = plrFinal;
    DlrFinalRank = dlrFinal;
    PlrDealtRank = plrDealt;
    DlrDealtRank = dlrDealt;
    PlrHand = cards;
    DlrHand = {40, 41, 42, 43, 45};
    RecordHandResult(static_cast<Outcome>(outcome), Bank, bet);
  }

  // The table's money, which the events are given.
  std::int32_t Bank = kStartingBank;
  const std::int32_t StartingBank = kStartingBank;
};

TEST_F(StatsTest, StreaksRunThroughAPushAndEndOnALoss) {
  Hand(1, 10, kPairOfTens, kAceHigh);
  Hand(0, 10, kAceHigh, kAceHigh);
  Hand(1, 10, kPairOfTens, kAceHigh);
  EXPECT_EQ(GameStats.PlrStreak, 2u);
  Hand(1, 10, kPairOfTens, kAceHigh);
  Hand(2, 10, kAceHigh, kPairOfTens);
  EXPECT_EQ(GameStats.PlrStreakMax, 3u);
  EXPECT_EQ(GameStats.PlrStreak, 0u);
  EXPECT_EQ(GameStats.DlrStreak, 1u);
  EXPECT_EQ(GameStats.DlrStreakMax, 1u);
  EXPECT_EQ(GameStats.HandsPlayed, 5u);
  EXPECT_EQ(GameStats.HandsWon, 3u);
}

TEST_F(StatsTest, BestHandKeptOnATieAndImprovementCounted) {
  Hand(1, 10, kPairOfTwos, kAceHigh, kAceHigh, kAceHigh, {1, 2, 3, 4, 5});
  EXPECT_EQ(GameStats.PlrBestRank, kPairOfTwos);
  EXPECT_EQ(GameStats.PlrImproved, 1u);
  Hand(1, 10, kFlush, kAceHigh, kFlush, kAceHigh, {28, 30, 33, 36, 38});
  EXPECT_EQ(GameStats.PlrBestRank, kFlush);
  EXPECT_EQ(GameStats.PlrBestCards, (::Hand{28, 30, 33, 36, 38}));
  EXPECT_EQ(GameStats.PlrImproved, 1u);  // dealt a flush: nothing to improve
  // The same flush in other suits ties: the first one stays.
  HandRank otherSuit = kFlush;
  otherSuit[6] = 1;
  Hand(0, 10, otherSuit, otherSuit, kAceHigh, kAceHigh, {2, 4, 7, 10, 12});
  EXPECT_EQ(GameStats.PlrBestRank, kFlush);
  EXPECT_EQ(GameStats.PlrBestCards, (::Hand{28, 30, 33, 36, 38}));
  EXPECT_EQ(GameStats.PlrRankCounts[Flush], 2u);
  EXPECT_EQ(GameStats.DlrRankCounts[Flush], 1u);
  EXPECT_EQ(GameStats.DlrBestRank, otherSuit);
  EXPECT_EQ(GameStats.DlrImproved, 1u);
}

TEST_F(StatsTest, BankAndBetFigures) {
  Hand(1, 100, kPairOfTens, kAceHigh);  // 1100
  Hand(2, 300, kAceHigh, kPairOfTens);  // 800
  Hand(1, 50, kPairOfTens, kAceHigh);   // 850
  EXPECT_EQ(GameStats.BankSum, 1000u + 1100u + 800u + 850u);
  EXPECT_EQ(GameStats.BankHigh, 1100u);
  EXPECT_EQ(GameStats.BetSum, 450u);
  EXPECT_EQ(GameStats.BetHigh, 300u);
  // The average bank has one sample more than there are hands.
  EXPECT_EQ(GameStats.BankSum / (GameStats.HandsPlayed + 1), 937u);
}

TEST_F(StatsTest, DrawCountsAddUpToHandsPlayed) {
  const int draws[][2] = {{0, 3}, {3, 1}, {4, 0}, {0, 4}};
  for (const auto& d : draws) {
    RecordPlayerDraw(d[0]);
    RecordDealerDraw(d[1]);
    Hand(0, 10, kAceHigh, kAceHigh);
  }
  EXPECT_EQ(GameStats.PlrDrawCounts, (std::array<std::uint32_t, 5>{2, 0, 0, 1, 1}));
  EXPECT_EQ(GameStats.DlrDrawCounts, (std::array<std::uint32_t, 5>{1, 1, 0, 1, 1}));
  auto sum = [](const auto& a) { return std::accumulate(a.begin(), a.end(), 0u); };
  EXPECT_EQ(sum(GameStats.PlrDrawCounts), GameStats.HandsPlayed);
  EXPECT_EQ(sum(GameStats.DlrDrawCounts), GameStats.HandsPlayed);
  EXPECT_EQ(sum(GameStats.PlrRankCounts), GameStats.HandsPlayed);
  // A draw taken back is gone, and an out-of-range count never touches the arrays.
  RecordPlayerDraw(2);
  ForgetPlayerDraw(2);
  RecordPlayerDraw(7);
  ForgetDealerDraw(-1);
  EXPECT_EQ(sum(GameStats.PlrDrawCounts), GameStats.HandsPlayed);
}

TEST_F(StatsTest, NewGameKeepsOrClears) {
  Hand(1, 100, kPairOfTens, kAceHigh);
  Hand(1, 100, kPairOfTens, kAceHigh);
  Bank = StartingBank;
  StartNewGameStats(Bank, true);
  EXPECT_EQ(GameStats.Resets, 1u);
  EXPECT_EQ(GameStats.HandsPlayed, 2u);
  EXPECT_EQ(GameStats.PlrStreak, 2u);
  EXPECT_EQ(GameStats.BankHigh, 1200u);

  StartNewGameStats(Bank, false);
  EXPECT_EQ(GameStats.Resets, 0u);
  EXPECT_EQ(GameStats.BankSum, 1000u);
  EXPECT_EQ(GameStats.HandsPlayed, 0u);
  EXPECT_EQ(GameStats.PlrStreak, 0u);
  EXPECT_EQ(GameStats.PlrBestRank, HandRank{});
  EXPECT_EQ(GameStats.PlrRankCounts, (std::array<std::uint32_t, 10>{}));
}

}  // namespace
