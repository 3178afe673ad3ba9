#pragma once
// What a settled showdown leaves behind, as plain values: both final hands, their records, the
// outcome and the money. The table reports it; the statistics, the coach, the history and the
// screen-reader voice each take what they need of it.

#include <cstdint>

#include "game/cards.h"
#include "game/compare.h"
#include "game/handrank.h"

struct ShowdownRecord {
  Hand player{};  // after the draw
  Hand dealer{};  // after the Dealer's draw
  HandRank playerRank{};
  HandRank dealerRank{};
  HandRank playerDealtRank{};  // the hands as dealt, before either side drew
  HandRank dealerDealtRank{};
  Outcome outcome = Push;
  std::int32_t bet = 0;
  std::int32_t pot = 0;   // both stakes: twice the bet
  std::int32_t bank = 0;  // after the payout
};
