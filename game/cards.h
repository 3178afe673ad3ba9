#pragma once
// Card codes, the deck grids, the two hands and the deal.
//
// A card is 1..52: rank (code - 1) % 13 (0 Deuce .. 12 Ace), suit (code - 1) / 13
// (0 Hearts, 1 Diamonds, 2 Clubs, 3 Spades). A stored suit *number* is suit + 1.

#include <array>
#include <cstdint>

using CardCode = std::int32_t;
using Hand = std::array<std::int32_t, 5>;                      // slot 0 is the leftmost card
using DeckGrid = std::array<std::array<std::int32_t, 13>, 4>;  // [row][column], flat index 13*row+column
using SlotFlags = std::array<std::int32_t, 5>;                 // one 0/1 flag per hand slot

constexpr CardCode KingOfHearts = 12;

// Rank indexes the rules name.
constexpr std::int32_t kEightRank = 6;
constexpr std::int32_t kKingRank = 11;
constexpr std::int32_t kAceRank = 12;

constexpr std::int32_t RankOf(CardCode code) { return (code - 1) % 13; }
constexpr std::int32_t SuitOf(CardCode code) { return (code - 1) / 13; }
constexpr bool IsAce(CardCode code) { return code == 13 || code == 26 || code == 39 || code == 52; }

// The table's card data. Defined once in cards.cpp.
extern DeckGrid DeckCards;     // card codes in their current order; only the shuffle rearranges it
extern DeckGrid DealOrder;     // deal positions 1..52, row by row; never changes once filled
extern std::int32_t NextCard;  // deal position of the next card to take
extern Hand PlrHand;
extern Hand DlrHand;

// Fills both grids with 1..52 in row order (done when the table window is built).
void FillDeckGrids(DeckGrid& cards, DeckGrid& order);

// Restores every variable above to its value at program load (all zero).
void ResetCardData();

// Reseeds from the clock, then makes 52 exchanges, one per cell in row-major order.
void ShuffleDeck(DeckGrid& cards);

// Deals deal positions 1..10 alternately, player first; advances nextCard by 10.
void DealHands(const DeckGrid& cards, std::int32_t& nextCard, Hand& plr, Hand& dlr);

// Replaces every slot flagged 1 in discard, left to right, from deal position nextCard on;
// sets replaced[slot] = 1 for each slot that got a new card. The caller zeroes replaced.
void ReplaceDiscards(const DeckGrid& cards, const DeckGrid& order, Hand& hand, std::int32_t& nextCard,
                     const SlotFlags& discard, SlotFlags& replaced);

// The card at a deal position: the DeckCards cell whose DealOrder value is position.
// Returns 0 if no cell holds it.
CardCode CardAtPosition(const DeckGrid& cards, const DeckGrid& order, std::int32_t position);
