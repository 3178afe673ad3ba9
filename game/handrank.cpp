#include "game/handrank.h"

HandRank PlrDealtRank{};
HandRank DlrDealtRank{};
HandRank PlrFinalRank{};
HandRank DlrFinalRank{};
RankHistogram PlrRankCount{};
RankHistogram DlrRankCount{};

void FillKickers(const RankHistogram& counts, HandRank& rank, int firstField) {
  int singles[5];
  int n = 0;
  for (int r = 0; r < 13 && n < 5; ++r) {
    if (counts[r] == 1) singles[n++] = r;
  }
  for (int k = 0; k < n && firstField + k <= 5; ++k) rank[firstField + k] = singles[n - 1 - k];
}

void FindMultiples(const RankHistogram& counts, HandRank& rank) {
  // Lower groups are met first, so a second group is always the higher one.
  for (int r = 0; r < 13; ++r) {
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
      case 4:
        rank[0] = FourOfAKind;
        rank[1] = r;
        FillKickers(counts, rank, 2);
        break;
      default:
        break;
    }
  }
}

void CheckFlush(const Hand& hand, const RankHistogram& counts, HandRank& rank) {
  for (int suit = 1; suit <= 4; ++suit) {
    bool all = true;
    for (CardCode code : hand) {
      if (code < 13 * (suit - 1) + 1 || code > 13 * suit) {
        all = false;
        break;
      }
    }
    if (all) {
      rank[0] = Flush;
      rank[SuitField] = suit;
      FillKickers(counts, rank, 1);
      return;
    }
  }
}

void CheckStraight(const RankHistogram& counts, HandRank& rank) {
  int s[5] = {0, 0, 0, 0, 0};
  int n = 0;
  for (int r = 0; r < 13 && n < 5; ++r) {
    if (counts[r] == 1) s[n++] = r;
  }
  int k = 0;
  while (k < 4 && s[k + 1] == s[k] + 1) ++k;
  // Only the Ace may also count low, and only below the Deuce.
  const bool aceLow = k == 3 && s[3] == 3 && s[4] == 12;
  if (k != 4 && !aceLow) return;
  if (rank[0] != Flush) {
    rank[0] = Straight;
    rank[1] = s[k];
    return;
  }
  if (rank[1] == 12 && !aceLow) {
    rank[0] = RoyalFlush;
  } else {
    rank[0] = StraightFlush;
    if (aceLow) rank[1] = 3;
  }
}

void EvaluateHand(const Hand& hand, HandRank& rank, RankHistogram& counts) {
  rank = {};
  counts = {};
  bool multiple = false;
  for (CardCode code : hand) {
    if (++counts[RankOf(code)] >= 2) multiple = true;
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
