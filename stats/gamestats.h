#pragma once
// The statistics of the current game and the four moments the table reports to them.

#include <QString>
#include <array>
#include <cstdint>

#include "game/cards.h"
#include "game/compare.h"
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

// The player's name (at most 10 characters; "Player" when left empty). Not a statistic, but
// shown and saved with them.
extern QString PlayerName;

// The player's accepted draw of n cards (0..4).
void RecordPlayerDraw(std::int32_t n);
// The Dealer's draw of n cards (0..4).
void RecordDealerDraw(std::int32_t n);
// The settled showdown, given the bank after the payout and the bet of the hand. Reads the
// dealt and final ranks and both hands.
void RecordHandResult(Outcome outcome, std::int32_t bank, std::int32_t bet);
// A new game starting with bank: counts the reset and asks whether to keep the statistics.
void StartNewGameStats(std::int32_t bank);

// Takes back draws counted for a hand abandoned before its showdown.
void ForgetPlayerDraw(std::int32_t n);
void ForgetDealerDraw(std::int32_t n);

// Restores GameStats and PlayerName to their values at program load.
void ResetGameStats();
