#include "game/handrank.h"

#include <bit>
#include <cstdint>

HandRank PlrDealtRank{};
HandRank DlrDealtRank{};
HandRank PlrFinalRank{};
HandRank DlrFinalRank{};
RankHistogram PlrRankCount{};
RankHistogram DlrRankCount{};

namespace {

// Rank and suit of every card code, so that the hot path does no division. Indexed by the
// code's low six bits, so that even a code outside 1..52 reads inside the table.
struct CardTables {
  std::int8_t rank[64];
  std::int8_t suit[64];
  constexpr CardTables() : rank(), suit() {
    for (int code = 1; code <= 52; ++code) {
      rank[code] = static_cast<std::int8_t>(RankOf(code));
      suit[code] = static_cast<std::int8_t>(SuitOf(code));
    }
  }
};
constexpr CardTables kCards;

// Bit r set where the histogram holds exactly / at least n cards of rank r.
std::uint32_t RanksWithCount(const RankHistogram& counts, std::int32_t n) {
  std::uint32_t mask = 0;
  for (int r = 0; r < 13; ++r) mask |= static_cast<std::uint32_t>(counts[r] == n) << r;
  return mask;
}
std::uint32_t RanksWithAtLeast(const RankHistogram& counts, std::int32_t n) {
  std::uint32_t mask = 0;
  for (int r = 0; r < 13; ++r) mask |= static_cast<std::uint32_t>(counts[r] >= n) << r;
  return mask;
}

int Highest(std::uint32_t mask) { return 31 - std::countl_zero(mask); }

void FillKickers(const RankHistogram& counts, HandRank& rank, int firstField) {
  // The single cards, highest first; a hand of five never has more than five.
  std::uint32_t singles = RanksWithCount(counts, 1);
  for (int field = firstField; singles != 0 && field <= 5; ++field) {
    const int r = Highest(singles);
    rank[field] = r;
    singles &= ~(1u << r);
  }
}

void FindMultiples(const RankHistogram& counts, HandRank& rank) {
  // Groups are met from the lowest rank up, so a second group is always the higher one.
  std::uint32_t groups = RanksWithAtLeast(counts, 2);
  while (groups != 0) {
    const int r = std::countr_zero(groups);
    groups &= groups - 1;
    switch (counts[r]) {
      case 2:
        if (rank[0] == Pair) {
          rank[0] = TwoPair;
          rank[2] = rank[1];
          rank[1] = r;
          FillKickers(counts, rank, 3);
        } else if (rank[0] == ThreeOfAKind) {
          rank[0] = FullHouse;
          rank[2] = r;
        } else {
          rank[0] = Pair;
          rank[1] = r;
          FillKickers(counts, rank, 2);
        }
        break;
      case 3:
        if (rank[0] == Pair) {
          rank[0] = FullHouse;
          rank[2] = rank[1];
          rank[1] = r;
        } else {
          rank[0] = ThreeOfAKind;
          rank[1] = r;
          FillKickers(counts, rank, 2);
        }
        break;
      default:  // four of a kind
        rank[0] = FourOfAKind;
        rank[1] = r;
        FillKickers(counts, rank, 2);
        break;
    }
  }
}

void CheckFlush(const Hand& hand, const RankHistogram& counts, HandRank& rank) {
  for (CardCode code : hand) {
    if (code < 1 || code > 52) return;
  }
  const int suit = kCards.suit[hand[0] & 63];
  for (CardCode code : hand) {
    if (kCards.suit[code & 63] != suit) return;
  }
  rank[0] = Flush;
  rank[SuitField] = suit + 1;
  FillKickers(counts, rank, 1);
}

void CheckStraight(const RankHistogram& counts, HandRank& rank) {
  const std::uint32_t singles = RanksWithCount(counts, 1);
  if (std::popcount(singles) != 5) return;
  const int low = std::countr_zero(singles);
  const bool run = singles == (0x1Fu << low);
  // Only the Ace may also count low, and only below the Deuce: Ace, Deuce, Three, Four, Five.
  const bool aceLow = singles == 0x100Fu;
  if (!run && !aceLow) return;
  if (rank[0] != Flush) {
    rank[0] = Straight;
    rank[1] = aceLow ? 3 : low + 4;
    return;
  }
  if (rank[1] == 12 && !aceLow) {
    rank[0] = RoyalFlush;
  } else {
    rank[0] = StraightFlush;
    if (aceLow) rank[1] = 3;
  }
}

}  // namespace

void EvaluateHand(const Hand& hand, HandRank& rank, RankHistogram& counts) {
  rank = {};
  counts = {};
  bool multiple = false;
  for (CardCode code : hand) {
    if (++counts[static_cast<std::size_t>(kCards.rank[code & 63])] >= 2) multiple = true;
  }
  if (multiple) {
    FindMultiples(counts, rank);
  } else {
    CheckFlush(hand, counts, rank);
    CheckStraight(counts, rank);
  }
  if (rank[0] == HighCard) FillKickers(counts, rank, 1);
}

void ResetRankData() {
  PlrDealtRank = {};
  DlrDealtRank = {};
  PlrFinalRank = {};
  DlrFinalRank = {};
  PlrRankCount = {};
  DlrRankCount = {};
}
