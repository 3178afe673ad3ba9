#pragma once
// Why a hold is played, in a word a casual player knows: the made hand it stands pat on, the
// cards of a kind it keeps, or what it draws to. A code and a rank; the window words them.

#include <cstdint>

#include "game/cards.h"

struct HoldReason {
  enum Kind {
    StandsPat,     // rank: the hand's category (HandCategory)
    KeepsFour,     // rank: the four's
    KeepsThree,    // rank: the three's
    KeepsTwoPair,  // rank: the higher pair's
    KeepsPair,     // rank: the pair's
    DrawsToStraightFlush,
    DrawsToFlush,
    DrawsToStraight,
    KeepsAceDrawsFour,
    KeepsHighCards,  // rank: the highest kept; count: how many are kept
  };
  Kind kind = StandsPat;
  std::int32_t rank = 0;
  int count = 0;
};

HoldReason ReasonFor(const Hand& hand, const SlotFlags& discards);
