#include "game/holdreason.h"

#include <algorithm>
#include <array>
#include <bit>

#include "game/handrank.h"

HoldReason ReasonFor(const Hand& hand, const SlotFlags& discards) {
  if (std::none_of(discards.begin(), discards.end(), [](std::int32_t d) { return d == 1; })) {
    HandRank rank;
    RankHistogram counts;
    EvaluateHand(hand, rank, counts);
    return {HoldReason::StandsPat, rank[0], 5};
  }
  std::array<int, 13> ofRank{};
  std::uint32_t ranks = 0, suits = 0;
  int kept = 0, highest = -1;
  for (int slot = 0; slot < 5; ++slot) {
    if (discards[slot] == 1) continue;
    ++ofRank[RankOf(hand[slot])];
    ranks |= 1u << RankOf(hand[slot]);
    suits |= 1u << SuitOf(hand[slot]);
    highest = std::max(highest, RankOf(hand[slot]));
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
  if (kept == 4) {
    // Four ranks a straight can still hold: all within five places, the Ace low or high.
    auto within5 = [](std::uint32_t r) { return std::bit_width(r) - 1 - std::countr_zero(r) <= 4; };
    const std::uint32_t aceLow = ranks & (1u << kAceRank) ? (ranks & ~(1u << kAceRank)) << 1 | 1 : ranks;
    const bool run = within5(ranks), wheel = within5(aceLow);
    const bool flush = (suits & (suits - 1)) == 0;
    if (flush && (run || wheel)) return {HoldReason::DrawsToStraightFlush, highest, kept};
    if (flush) return {HoldReason::DrawsToFlush, highest, kept};
    if (run || wheel) return {HoldReason::DrawsToStraight, highest, kept};
  }
  if (kept == 1 && highest == kAceRank) return {HoldReason::KeepsAceDrawsFour, highest, kept};
  return {HoldReason::KeepsHighCards, highest, kept};
}
