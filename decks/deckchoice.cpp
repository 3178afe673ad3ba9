#include "decks/deckchoice.h"

#include <QCoreApplication>

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

QString BackTitle(std::int32_t id) {
  static constexpr const char* kNames[kBackCount] = {
      QT_TRANSLATE_NOOP("Decks", "clown"),
      QT_TRANSLATE_NOOP("Decks", "lighthouse in a storm"),
      QT_TRANSLATE_NOOP("Decks", "rider on a bucking horse"),
      QT_TRANSLATE_NOOP("Decks", "pigs at a card table"),
      QT_TRANSLATE_NOOP("Decks", "cathedral at night"),
      QT_TRANSLATE_NOOP("Decks", "red flower"),
      QT_TRANSLATE_NOOP("Decks", "sea stack at dusk"),
      QT_TRANSLATE_NOOP("Decks", "blue-and-white waves"),
      QT_TRANSLATE_NOOP("Decks", "two clowns"),
      QT_TRANSLATE_NOOP("Decks", "snowy cottage under a full moon")};
  if (!IsBackId(id)) return {};
  return QCoreApplication::translate("Decks", "Card back %1 of %2: %3")
      .arg(id - kFirstBackId + 1)
      .arg(kBackCount)
      .arg(QCoreApplication::translate("Decks", kNames[id - kFirstBackId]));
}
