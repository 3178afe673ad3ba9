#pragma once
// Hand evaluation: five cards -> a seven-word HandRank record and a rank histogram.

#include <array>
#include <cstdint>

#include "game/cards.h"

// Field 0 the category, fields 1..5 the deciding rank indexes, field 6 the flush suit number (1..4) or 0.
using HandRank = std::array<std::int32_t, 7>;
using RankHistogram = std::array<std::int32_t, 13>;

enum HandCategory : std::int32_t {
  HighCard = 0,
  Pair = 1,
  TwoPair = 2,
  ThreeOfAKind = 3,
  Straight = 4,
  Flush = 5,
  FullHouse = 6,
  FourOfAKind = 7,
  StraightFlush = 8,
  RoyalFlush = 9,
};

constexpr int CategoryField = 0;
constexpr int SuitField = 6;

// The table's four records and two histograms. Defined once in handrank.cpp.
extern HandRank PlrDealtRank;
extern HandRank DlrDealtRank;
extern HandRank PlrFinalRank;
extern HandRank DlrFinalRank;
extern RankHistogram PlrRankCount;
extern RankHistogram DlrRankCount;

// Overwrites every field of rank and every entry of counts.
void EvaluateHand(const Hand& hand, HandRank& rank, RankHistogram& counts);

// Restores the records and histograms above to all zero.
void ResetRankData();
