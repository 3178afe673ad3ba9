#pragma once
// The statistics of the current game and the four moments the table reports to them.

#include <array>
#include <cstdint>

#include "game/cards.h"
#include "game/handrank.h"

struct GameStatistics {
  std::uint32_t HandsPlayed = 0;
  std::uint32_t HandsWon = 0;
  std::uint32_t PlrImproved = 0;
  std::uint32_t DlrImproved = 0;
  std::uint32_t BankSum = 0;
  std::uint32_t BankHigh = 0;
  std::uint32_t BetSum = 0;
  std::uint32_t BetHigh = 0;
  std::uint32_t Resets = 0;
  std::uint32_t PlrStreak = 0;
  std::uint32_t DlrStreak = 0;
  std::uint32_t PlrStreakMax = 0;
  std::uint32_t DlrStreakMax = 0;
  HandRank PlrBestRank{};
  HandRank DlrBestRank{};
  Hand PlrBestCards{};
  Hand DlrBestCards{};
  std::array<std::uint32_t, 10> PlrRankCounts{};
  std::array<std::uint32_t, 10> DlrRankCounts{};
  std::array<std::uint32_t, 5> PlrDrawCounts{};
  std::array<std::uint32_t, 5> DlrDrawCounts{};
};

// The one record of the run. At load its two bank figures equal the starting bank.
extern GameStatistics GameStats;

// The player's accepted draw of n cards (0..4).
void RecordPlayerDraw(std::int32_t n);
// The Dealer's draw of n cards (0..4).
void RecordDealerDraw(std::int32_t n);
// The settled showdown: outcome 0 push, 1 player wins, 2 Dealer wins. Reads the dealt and
// final ranks, both hands, CurrentBet and the settled Bank.
void RecordHandResult(std::int32_t outcome);
// A new game: counts the reset and asks whether to keep the statistics.
void StartNewGameStats();

// Takes back draws counted for a hand abandoned before its showdown.
void ForgetPlayerDraw(std::int32_t n);
void ForgetDealerDraw(std::int32_t n);

// Restores GameStats to its value at program load.
void ResetGameStats();
