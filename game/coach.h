#pragma once
// The coach: every hold the house allows for a dealt hand, ranked by how it fares against the
// Dealer's fixed rule.
//
// The Dealer's hand is sampled: its five cards and its draws, at random from the cards the
// player has not seen. A first pass deals one draw of the player with each Dealer hand and plays
// every hold on the same deals; it finds the holds that might be best. Those then meet a second
// sequence of Dealer hands with every draw of the player counted exactly, so a deal carries the
// whole of the player's luck and only the Dealer's is left to chance. Every gap between two holds
// is measured on deals both played, which makes it far sharper than the holds' own values, and
// deals go to a pair of holds only while its order is in doubt.
//
// The coach has its own generator and never draws from the game's, so no shuffle of the game
// changes when it runs.

#include <cstdint>
#include <vector>

#include "game/cards.h"

// The most Dealer hands a hold meets with every draw of the player counted. A pair of holds stops
// as soon as its gap is known to the precision or known to be larger than it; most hands need a
// few thousand, and only near ties among the best three come close to this.
constexpr std::int64_t kCoachTrials = 400'000;
// The deals of the first pass, one draw each, which every hold meets.
constexpr std::int64_t kCoachPilot = 100'000;
// Holds whose values lie closer than this, or within their error of each other, are equal.
constexpr double kCoachPrecision = 0.001;

struct CoachOptions {
  std::int64_t trials = kCoachTrials;
  std::int64_t pilot = kCoachPilot;
  std::uint64_t seed = 1;
  int threads = 0;  // 0: one per core, at most two; the figures do not depend on it
};

struct HoldOdds {
  SlotFlags discards{};  // 1 = the card in that slot is thrown
  double win = 0;        // chances of the showdown
  double push = 0;
  double lose = 0;
  // Half the width of the interval (two standard errors) of the gap between this hold's value
  // and the first hold's; 0 for the first. The gap is the mean over the deals both holds played,
  // and the value is the first hold's less that gap.
  double error = 0;
  // The same for the value itself, which the Dealer's luck moves far more than any gap: it
  // moves every hold alike.
  double valueError = 0;
  // The Dealer hands the gap was measured on, and whether each counted every draw of the player
  // (or dealt one); for the first hold, those of its own value.
  std::int64_t deals = 0;
  bool everyDraw = false;
  bool best = false;  // the first hold, or one that cannot be told from it

  double Value() const { return win - lose; }  // the expected result, in bets
};

// The holds CheckDraw allows for hand: none to three discards, four when the card kept is an
// Ace. In the order of their discard bits, slot 0 the lowest.
std::vector<SlotFlags> LegalHolds(const Hand& hand);

// The 47 cards not in hand, in code order.
std::vector<CardCode> UnseenCards(const Hand& hand);

// Every legal hold of hand, highest value first, with the holds as good as the first marked.
// unseen are the cards the deals are drawn from: at least 13, so that four discards and the
// Dealer's four draws are always covered.
std::vector<HoldOdds> RankHolds(const Hand& hand, const std::vector<CardCode>& unseen,
                                const CoachOptions& options = {});
inline std::vector<HoldOdds> RankHolds(const Hand& hand, const CoachOptions& options = {}) {
  return RankHolds(hand, UnseenCards(hand), options);
}

// The given holds, in the order given, on the first deals Dealer hands of the sequence RankHolds
// plays with the same seed: with everyDraw those that count every draw of the player, else the
// first pass's. Each hold's own figures; the errors are those of the gaps to the first hold.
// RankHolds's figures can be checked against these, or against a longer run with another seed.
std::vector<HoldOdds> PlayHolds(const Hand& hand, const std::vector<SlotFlags>& holds, std::int64_t deals,
                                bool everyDraw, const CoachOptions& options = {});

// The place of the hold discards among ranked holds, 1 for every hold marked best; otherwise
// one more than the number of holds of higher value. 0 when the hold is not among them (an
// illegal draw).
int HoldPlace(const std::vector<HoldOdds>& ranked, const SlotFlags& discards);

// How a draw stood among the ranked holds, for the window to word.
struct DrawJudgement {
  enum Kind { NotRanked, Best, AsGoodAsBest, Below };
  Kind kind = NotRanked;
  int place = 0;     // as HoldPlace
  int holds = 0;     // how many were ranked
  double below = 0;  // bets: the best hold's value less this one's
};
DrawJudgement JudgeDraw(const std::vector<HoldOdds>& ranked, const SlotFlags& discards);

// A game's draws as the coach judged them.
struct CoachTally {
  int decisions = 0;
  int best = 0;        // draws that were a best hold
  int hinted = 0;      // draws the coach had been asked to show
  double givenUp = 0;  // dollars: the value below the best, times the bet

  void Record(const std::vector<HoldOdds>& ranked, const SlotFlags& discards, std::int32_t bet,
              bool wasHinted = false);
};

// A number for a hand whose order is that of CompareHands on the hands' EvaluateHand records:
// equal for a tie, greater for the better hand.
std::uint32_t HandKey(const Hand& hand);
