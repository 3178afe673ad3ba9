#pragma once
// The coach: every hold the house allows for a dealt hand, ranked by how it fares against the
// Dealer's fixed rule.
//
// The cards the player has not seen lie in random order: the Dealer's five come first, the
// player's draws next and the Dealer's draws after those, as the table deals them. The odds are
// found by simulation with common random numbers: every hold meets the same deals, so the
// differences between holds are sharper than their own errors. The coach has its own generator
// and never draws from the game's, so no shuffle of the game changes when it runs.

#include <cstdint>
#include <string>
#include <vector>

#include "game/cards.h"

// Each deal scores a hold -1, 0 or +1, a standard deviation of at most 1: after 400,000 deals
// a hold's value has a standard error of at most 0.0016 bets, so 0.005 is over three of them.
constexpr std::int64_t kCoachTrials = 400'000;

struct CoachOptions {
  std::int64_t trials = kCoachTrials;
  std::uint64_t seed = 1;
  int threads = 0;  // 0: one per core, at most two; the figures do not depend on it
};

struct HoldOdds {
  SlotFlags discards{};  // 1 = the card in that slot is thrown
  double win = 0;        // chances of the showdown
  double push = 0;
  double lose = 0;

  double Value() const { return win - lose; }  // the expected result, in bets
};

// The holds CheckDraw allows for hand: none to three discards, four when the card kept is an
// Ace. In the order of their discard bits, slot 0 the lowest.
std::vector<SlotFlags> LegalHolds(const Hand& hand);

// The 47 cards not in hand, in code order.
std::vector<CardCode> UnseenCards(const Hand& hand);

// Every legal hold of hand, best first (highest value; equal values in LegalHolds order).
// unseen are the cards the deals are drawn from: at least 13, so that four discards and
// the Dealer's four draws are always covered.
std::vector<HoldOdds> RankHolds(const Hand& hand, const std::vector<CardCode>& unseen,
                                const CoachOptions& options = {});
inline std::vector<HoldOdds> RankHolds(const Hand& hand, const CoachOptions& options = {}) {
  return RankHolds(hand, UnseenCards(hand), options);
}

// The place of the hold discards among ranked holds, 1 the best; holds of equal value share
// a place. 0 when the hold is not among them (an illegal draw).
int HoldPlace(const std::vector<HoldOdds>& ranked, const SlotFlags& discards);

// "1st", "2nd", "3rd", "4th" ... "11th", "12th", "13th" ... "21st".
std::string Ordinal(int n);

// The verdict on a draw: "Best hold", or where it stood and how far below the best it was
// ("3rd of 26: 0.042 bets below the best"). Empty for a hold that is not among ranked.
std::string DrawVerdict(const std::vector<HoldOdds>& ranked, const SlotFlags& discards);

// A game's draws as the coach judged them.
struct CoachTally {
  int decisions = 0;
  int best = 0;        // draws that were the best hold
  double givenUp = 0;  // dollars: the value below the best, times the bet

  void Record(const std::vector<HoldOdds>& ranked, const SlotFlags& discards, std::int32_t bet);
};

// The standard error of a hold's value estimated from trials deals.
double ValueError(const HoldOdds& hold, std::int64_t trials);

// A number for a hand whose order is that of CompareHands on the hands' EvaluateHand records:
// equal for a tie, greater for the better hand.
std::uint32_t HandKey(const Hand& hand);
