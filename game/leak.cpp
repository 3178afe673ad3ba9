#include "game/leak.h"

#include <array>
#include <bit>

#include "game/handrank.h"

namespace {

// The slots a hold keeps, as bits.
unsigned KeptBits(const SlotFlags& discards) {
  unsigned bits = 0;
  for (int slot = 0; slot < 5; ++slot)
    if (discards[slot] != 1) bits |= 1u << slot;
  return bits;
}

// Four kept cards that draw to a straight: 0 when they do not, 1 when one rank completes them
// (a gap inside, or a run closed by the Ace), 2 when a rank at either end does.
int StraightDraw(const Hand& hand, unsigned kept) {
  if (std::popcount(kept) != 4) return 0;
  unsigned ranks = 0;
  for (int slot = 0; slot < 5; ++slot)
    if (kept >> slot & 1) ranks |= 1u << RankOf(hand[slot]);
  if (std::popcount(ranks) != 4) return 0;
  const auto span = [](unsigned r) { return std::bit_width(r) - 1 - std::countr_zero(r); };
  // The Ace also plays low, below the Deuce.
  const unsigned aceLow = ranks & 1u << kAceRank ? (ranks & ~(1u << kAceRank)) << 1 | 1u : ranks;
  if (span(ranks) == 3 && !(ranks & 1u << kAceRank)) return 2;
  return span(ranks) <= 4 || span(aceLow) <= 4 ? 1 : 0;
}

}  // namespace

DrawLeak ClassifyLeak(const Hand& dealt, const SlotFlags& discards, const SlotFlags& best) {
  const unsigned mine = KeptBits(discards), theirs = KeptBits(best);
  for (CardCode card : dealt)
    if (card < 1 || card > 52) return DrawLeak::None;
  if (mine == theirs) return DrawLeak::None;
  if (mine == 0x1f) return DrawLeak::StoodPat;
  if (theirs == 0x1f) {
    HandRank rank;
    RankHistogram counts;
    EvaluateHand(dealt, rank, counts);
    if (rank[CategoryField] >= Straight) return DrawLeak::BrokeMadeHand;
  }
  std::array<int, 13> keptOfRank{};
  for (int slot = 0; slot < 5; ++slot)
    if (theirs >> slot & 1) ++keptOfRank[RankOf(dealt[slot])];
  for (int slot = 0; slot < 5; ++slot)
    if ((theirs & ~mine) >> slot & 1 && keptOfRank[RankOf(dealt[slot])] >= 2) return DrawLeak::BrokePair;
  if (std::popcount(mine) == 4) {
    unsigned suits = 0;
    for (int slot = 0; slot < 5; ++slot)
      if (mine >> slot & 1) suits |= 1u << SuitOf(dealt[slot]);
    if (std::popcount(suits) == 1) return DrawLeak::DrewToFlush;
  }
  switch (StraightDraw(dealt, mine)) {
    case 1:
      return DrawLeak::DrewToInsideStraight;
    case 2:
      return DrawLeak::DrewToOpenStraight;
    default:
      break;
  }
  if ((mine & theirs) == theirs) return DrawLeak::KeptKicker;
  if ((mine & theirs) == mine) return DrawLeak::ThrewKeeper;
  return DrawLeak::KeptWrongCards;
}
