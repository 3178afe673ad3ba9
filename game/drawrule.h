#pragma once
// The house limit on the player's discards: up to three cards, four only when the card kept is
// an Ace, never five.

#include <string_view>

#include "game/cards.h"

struct DrawCheck {
  std::string_view text;     // the refusal's message; empty when the draw is allowed
  std::string_view caption;  // the refusal's message-box caption

  bool Passed() const { return text.empty(); }
};

// discards[slot] is 1 for each card turned face down.
DrawCheck CheckDraw(const Hand& hand, const SlotFlags& discards);

// The number of cards turned face down.
int DiscardCount(const SlotFlags& discards);
