#pragma once
// Cards named as a player reads them in tests: C(Queen, S) is the Queen of Spades.

#include "game/cards.h"

namespace cardnames {
enum Rank { Two, Three, Four, Five, Six, Seven, Eight, Nine, Ten, Jack, Queen, King, Ace };
enum Suit { H, D, Cl, S };
constexpr CardCode C(int rank, int suit) { return 13 * suit + rank + 1; }
}  // namespace cardnames
