#pragma once
// The Dealer's fixed drawing strategy.

#include <cstdint>

#include "game/cards.h"
#include "game/handrank.h"

// The slots of dlr the Dealer keeps (1) and replaces (0), given the hand's record as EvaluateHand
// wrote it. A hand it stands pat on keeps all five. The table and the coach both decide by this.
SlotFlags DealerKeeps(const Hand& dlr, const HandRank& rank);

// Evaluates dlr into rank/counts, keeps the ranks the strategy names and replaces
// every other card from deal position nextCard on. Returns the number replaced (0..4).
std::int32_t DealerDraw(const DeckGrid& cards, const DeckGrid& order, Hand& dlr, RankHistogram& counts,
                        HandRank& rank, std::int32_t& nextCard);
