#include "game/holdreason.h"

#include <algorithm>
#include <array>
#include <bit>

#include "game/handrank.h"

namespace {

// Ranks (a mask, bit 0 the Deuce) that a straight can still hold: all within five places, the
// Ace high or low.
bool WithinAStraight(std::uint32_t ranks) {
  const auto within5 = [](std::uint32_t r) { return std::bit_width(r) - 1 - std::countr_zero(r) <= 4; };
  const std::uint32_t ace = 1u << kAceRank;
  return within5(ranks) || ((ranks & ace) != 0 && within5((ranks & ~ace) << 1 | 1));
}

}  // namespace

HoldReason ReasonFor(const Hand& hand, const SlotFlags& discards) {
  if (std::none_of(discards.begin(), discards.end(), [](std::int32_t d) { return d == 1; })) {
    HandRank rank;
    RankHistogram counts;
    EvaluateHand(hand, rank, counts);
    return {HoldReason::StandsPat, rank[0], 5};
  }
  std::array<int, 13> ofRank{};
  std::uint32_t ranks = 0, suits = 0;
  int kept = 0, highest = -1, lowest = 13, highestThrown = -1;
  for (int slot = 0; slot < 5; ++slot) {
    const int rank = RankOf(hand[slot]);
    if (discards[slot] == 1) {
      highestThrown = std::max(highestThrown, rank);
      continue;
    }
    ++ofRank[rank];
    ranks |= 1u << rank;
    suits |= 1u << SuitOf(hand[slot]);
    highest = std::max(highest, rank);
    lowest = std::min(lowest, rank);
    ++kept;
  }
  int pairs = 0, topPair = -1;
  for (int r = 12; r >= 0; --r) {
    if (ofRank[r] == 4) return {HoldReason::KeepsFour, r, kept};
    if (ofRank[r] == 3) return {HoldReason::KeepsThree, r, kept};
    if (ofRank[r] == 2 && pairs++ == 0) topPair = r;
  }
  if (pairs == 2) return {HoldReason::KeepsTwoPair, topPair, kept};
  if (pairs == 1) return {HoldReason::KeepsPair, topPair, kept};
  if (kept == 1 && highest == kAceRank) return {HoldReason::KeepsAceDrawsFour, highest, kept};

  const bool suited = (suits & (suits - 1)) == 0;
  const bool straight = WithinAStraight(ranks);
  if (kept == 4 && suited)
    return {straight ? HoldReason::DrawsToStraightFlush : HoldReason::DrawsToFlush, highest, kept};
  if (kept == 3 && suited)
    return {straight ? HoldReason::KeepsThreeToStraightFlush : HoldReason::KeepsThreeToFlush, highest, kept};
  // Four cards to a straight are kept for the straight; three, only when they are not simply
  // the highest.
  if (kept == 4 && straight) return {HoldReason::DrawsToStraight, highest, kept};
  if (kept == 2 && suited) return {HoldReason::KeepsSuited, highest, kept};
  // The highest only when no card thrown outranks one kept.
  if (highestThrown <= lowest) return {HoldReason::KeepsHighCards, highest, kept};
  if (kept == 3 && straight) return {HoldReason::KeepsThreeToStraight, highest, kept};
  const bool neighbours = highest - lowest == 1 || (highest == kAceRank && lowest == 0);
  if (kept == 2 && neighbours) return {HoldReason::KeepsConnected, highest, kept};
  return {HoldReason::KeepsCards, highest, kept};
}
