#include "decks/deckchoice.h"

#include "game/random.h"

std::int32_t DeckBackId = kFirstBackId;
std::int32_t RandomDeck = 0;

void ResetDeckChoice() {
  DeckBackId = kFirstBackId;
  RandomDeck = 0;
}

std::int32_t RandomBack() {
  SeedRandomFromClock();
  return kFirstBackId + NextRandom() % kBackCount;
}
