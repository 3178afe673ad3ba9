#include "decks/deckchoice.h"

std::int32_t DeckBackId = kFirstBackId;
std::int32_t RandomDeck = 0;

void ResetDeckChoice() {
  DeckBackId = kFirstBackId;
  RandomDeck = 0;
}
