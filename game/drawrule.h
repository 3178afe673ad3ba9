#pragma once
// The house limit on the player's discards: up to three cards, four only when the card kept is
// an Ace, never five.

#include "game/cards.h"

enum class DrawRefusal {
  None,
  Five,              // all five cards turned down
  FourWithoutAnAce,  // four turned down, and the card kept is no Ace
};

struct DrawCheck {
  DrawRefusal refusal = DrawRefusal::None;

  bool Passed() const { return refusal == DrawRefusal::None; }
};

// discards[slot] is 1 for each card turned face down.
DrawCheck CheckDraw(const Hand& hand, const SlotFlags& discards);

// The number of cards turned face down.
int DiscardCount(const SlotFlags& discards);
