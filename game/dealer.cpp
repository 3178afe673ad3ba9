#include "game/dealer.h"

std::int32_t DealerDraw(const DeckGrid& cards, const DeckGrid& order, Hand& dlr, RankHistogram& counts,
                        HandRank& rank, std::int32_t& nextCard) {
  std::int32_t keep[4] = {-1, -1, -1, -1};
  EvaluateHand(dlr, rank, counts);
  switch (rank[CategoryField]) {
    case HighCard:
      keep[0] = rank[1];
      if (rank[1] != kAceRank || rank[2] == kKingRank)
        keep[1] = rank[2];  // an Ace alone, unless a King backs it
      break;
    case Pair:
    case ThreeOfAKind:
      keep[0] = rank[1];
      break;
    case TwoPair:
      keep[0] = rank[1];
      keep[1] = rank[2];
      break;
    case FourOfAKind:
      keep[0] = rank[1];
      if (rank[2] > kEightRank) keep[1] = rank[2];  // a kicker above the Eight is kept
      break;
    default:  // straights, flushes and full houses stand pat
      break;
  }
  std::int32_t slotRank[5] = {0, 0, 0, 0, 0};
  for (int slot = 0; slot < 5; ++slot) slotRank[slot] = RankOf(dlr[slot]);
  if (keep[0] == -1) return 0;

  std::int32_t count = 0;
  for (int slot = 0; slot < 5; ++slot) {
    bool kept = false;
    for (int k = 0; k < 4 && keep[k] != -1; ++k) kept = kept || slotRank[slot] == keep[k];
    if (kept) continue;
    const CardCode card = CardAtPosition(cards, order, nextCard);
    if (card != 0) dlr[slot] = card;
    ++nextCard;
    ++count;
  }
  return count;
}
