#include "game/dealer.h"

SlotFlags DealerKeeps(const Hand& dlr, const HandRank& rank) {
  std::int32_t keep[2] = {-1, -1};
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
      return {1, 1, 1, 1, 1};
  }
  SlotFlags kept{};
  for (int slot = 0; slot < 5; ++slot) {
    const std::int32_t r = RankOf(dlr[slot]);
    kept[slot] = r == keep[0] || r == keep[1] ? 1 : 0;
  }
  return kept;
}

std::int32_t DealerDraw(const DeckGrid& cards, const DeckGrid& order, Hand& dlr, RankHistogram& counts,
                        HandRank& rank, std::int32_t& nextCard) {
  EvaluateHand(dlr, rank, counts);
  const SlotFlags kept = DealerKeeps(dlr, rank);
  std::int32_t count = 0;
  for (int slot = 0; slot < 5; ++slot) {
    if (kept[slot] == 1) continue;
    const CardCode card = CardAtPosition(cards, order, nextCard);
    if (card != 0) dlr[slot] = card;
    ++nextCard;
    ++count;
  }
  return count;
}
