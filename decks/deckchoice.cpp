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

const char* BackName(std::int32_t id) {
  static constexpr const char* kNames[kBackCount] = {"clown",
                                                     "lighthouse in a storm",
                                                     "rider on a bucking horse",
                                                     "pigs at a card table",
                                                     "cathedral at night",
                                                     "red flower",
                                                     "sea stack at dusk",
                                                     "blue-and-white waves",
                                                     "two clowns",
                                                     "snowy cottage under a full moon"};
  return IsBackId(id) ? kNames[id - kFirstBackId] : "";
}

std::string BackTitle(std::int32_t id) {
  if (!IsBackId(id)) return {};
  return "Card back " + std::to_string(id - kFirstBackId + 1) + " of " + std::to_string(kBackCount) + ": " +
         BackName(id);
}
