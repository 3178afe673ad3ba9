#pragma once
// Why a hold is played, in a word a casual player knows: the made hand it stands pat on, the
// cards of a kind it keeps, or what the cards it keeps are and what they draw to. A code and a
// rank; the window words them.

#include <cstdint>

#include "game/cards.h"

struct HoldReason {
  // The codes are stored with the hands a player has played: add new ones at the end, and never
  // change what an old one means.
  enum Kind {
    StandsPat,     // rank: the hand's category (HandCategory)
    KeepsFour,     // rank: the four's
    KeepsThree,    // rank: the three's
    KeepsTwoPair,  // rank: the higher pair's
    KeepsPair,     // rank: the pair's
    // Four cards of one suit within the span of a straight, of one suit, or of different ranks
    // within the span of a straight; rank: the highest kept.
    DrawsToStraightFlush,
    DrawsToFlush,
    DrawsToStraight,
    KeepsAceDrawsFour,
    KeepsHighCards,  // the count highest cards of the hand; rank: the highest
    KeepsSuited,     // two cards of one suit; rank: the higher
    KeepsConnected,  // two cards of neighbouring ranks (the Ace next to the Deuce, too); rank: the higher
    KeepsCards,      // cards that are none of the others; rank: the highest kept
    // Three cards, as the three draws above.
    KeepsThreeToStraightFlush,
    KeepsThreeToFlush,
    KeepsThreeToStraight,
  };
  Kind kind = StandsPat;
  std::int32_t rank = 0;
  int count = 0;  // the cards kept
};

HoldReason ReasonFor(const Hand& hand, const SlotFlags& discards);
