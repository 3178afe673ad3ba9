#pragma once
// What kind of mistake a draw was, set beside the coach's best hold: the leaks a player's
// record shows. A code, kept in the hand history as its number; the windows word it.

#include <cstdint>

#include "game/cards.h"

// Stored as these numbers: never renumber one, only add.
enum class DrawLeak : std::uint8_t {
  None = 0,                  // the draw was the best hold
  StoodPat = 1,              // kept all five where a draw was better
  BrokeMadeHand = 2,         // drew from a straight or better that was best stood pat on
  BrokePair = 3,             // threw a card of a pair (or more) the best hold kept
  KeptKicker = 4,            // kept every card of the best hold and more besides
  DrewToFlush = 5,           // kept four of a suit the best hold did not
  DrewToInsideStraight = 6,  // kept four to a straight that one rank alone completes
  DrewToOpenStraight = 7,    // kept four in a row that a rank at either end completes
  ThrewKeeper = 8,           // kept some of the best hold's cards and nothing else
  KeptWrongCards = 9,        // kept other cards than the best hold's
};
constexpr int kLeakKinds = 10;

// dealt is the hand before the draw; discards and best flag the cards thrown (1) by the player
// and by the best hold.
DrawLeak ClassifyLeak(const Hand& dealt, const SlotFlags& discards, const SlotFlags& best);
