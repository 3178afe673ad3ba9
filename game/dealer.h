#pragma once
// The Dealer's fixed drawing strategy.

#include <cstdint>

#include "game/cards.h"
#include "game/handrank.h"

// Evaluates dlr into rank/counts, keeps the ranks the strategy names and replaces
// every other card from deal position nextCard on. Returns the number replaced (0..4).
std::int32_t DealerDraw(const DeckGrid& cards, const DeckGrid& order, Hand& dlr, RankHistogram& counts,
                        HandRank& rank, std::int32_t& nextCard);
