#pragma once
// The figures of a game's statistics: those of the game in play, or those read from a file.

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
