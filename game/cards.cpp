#include "game/cards.h"

#include <utility>

#include "game/random.h"

DeckGrid DeckCards{};
DeckGrid DealOrder{};
std::int32_t NextCard = 0;
Hand PlrHand{};
Hand DlrHand{};

void FillDeckGrids(DeckGrid& cards, DeckGrid& order) {
  for (int row = 0; row < 4; ++row) {
    for (int col = 0; col < 13; ++col) {
      cards[row][col] = 13 * row + col + 1;
      order[row][col] = 13 * row + col + 1;
    }
  }
}

void ResetCardData() {
  DeckCards = {};
  DealOrder = {};
  NextCard = 0;
  PlrHand = {};
  DlrHand = {};
}

void ShuffleDeck(DeckGrid& cards) {
  SeedRandomFromClock();
  // Every cell swaps with a partner chosen among all 52, the row drawn first.
  for (int row = 0; row < 4; ++row) {
    for (int col = 0; col < 13; ++col) {
      const int partnerRow = NextRandom() % 4;
      const int partnerCol = NextRandom() % 13;
      std::swap(cards[partnerRow][partnerCol], cards[row][col]);
    }
  }
}

void DealHands(const DeckGrid& cards, std::int32_t& nextCard, Hand& plr, Hand& dlr) {
  for (int i = 0; i < 10; ++i) {
    const CardCode card = cards[i / 13][i % 13];
    if (i % 2 == 0) {
      plr[i / 2] = card;
    } else {
      dlr[(i - 1) / 2] = card;
    }
    ++nextCard;
  }
}

CardCode CardAtPosition(const DeckGrid& cards, const DeckGrid& order, std::int32_t position) {
  for (int row = 0; row < 4; ++row) {
    for (int col = 0; col < 13; ++col) {
      if (order[row][col] == position) return cards[row][col];
    }
  }
  return 0;
}

void ReplaceDiscards(const DeckGrid& cards, const DeckGrid& order, Hand& hand, std::int32_t& nextCard,
                     const SlotFlags& discard, SlotFlags& replaced) {
  for (int slot = 0; slot < 5; ++slot) {
    if (discard[slot] != 1) continue;
    const CardCode card = CardAtPosition(cards, order, nextCard);
    if (card != 0) {  // a deck that has run out leaves the card in place
      hand[slot] = card;
      replaced[slot] = 1;
    }
    ++nextCard;
  }
}
