#pragma once
// The statistics of the current game and the four moments the table reports to them.

#include <QString>
#include <array>
#include <cstdint>

#include "game/compare.h"
#include "stats/statistics.h"

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
// A new game starting with bank: counts the reset, and clears the statistics unless the player
// chose to keep them.
void StartNewGameStats(std::int32_t bank, bool keep);

// Takes back draws counted for a hand abandoned before its showdown.
void ForgetPlayerDraw(std::int32_t n);
void ForgetDealerDraw(std::int32_t n);
// Takes back the draws counted for the hand in play, if it has not reached its showdown.
void ForgetPendingDraws();

// The statistics as of the last settled hand: without the draws of a hand still in play,
// so that every figure agrees with HandsPlayed.
GameStatistics SettledStats();

// Restores GameStats and PlayerName to their values at program load.
void ResetGameStats();
