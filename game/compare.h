#pragma once
// Ordering two hands, and the words that name them.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "game/handrank.h"

// The words are marked for the translation tools in the context "Cards"; a window shows them
// through QCoreApplication::translate("Cards", ...).
extern const std::array<const char*, 10> HandNames;    // by category; high card is ""
extern const std::array<const char*, 13> RankNames;    // by rank index, "Deuce" .. "Ace"
extern const std::array<const char*, 13> RankPlurals;  // the name and an "s", "Deuces" .. "Aces"
extern const std::array<const char*, 4> SuitNames;     // by suit number - 1, singular
extern const std::array<const char*, 4> SuitPlurals;   // "Hearts" .. "Spades"

// The result of comparing two hands; at the showdown a is the player's and b the Dealer's.
// The values are those the statistics count by.
enum Outcome : std::int32_t {
  Push = 0,        // a tie: each side takes its stake back
  PlayerWins = 1,  // a is better
  DealerWins = 2,  // b is better
};

// Compares category and Ranks 1..5; never the suit.
Outcome CompareHands(const HandRank& a, const HandRank& b);

// A card in words, "Seven of Hearts": the rank's name and the suit's plural. Empty for a code
// outside 1..52.
std::string CardName(CardCode code);
extern const char* const kCardPattern;  // "%1 of %2": the rank's name, the suit's plural

// The short name shown under a hand; empty for high card and for a category out of range.
std::string_view CategoryName(std::int32_t category);

// The two-line caption of a best hand ("Pair of Queens \n(Nine kicker)").
// Safe for any record, including one read from a damaged file.
std::string HandCaption(const HandRank& rank);

// The same caption in parts, for a window that translates them: a pattern (context "Cards")
// whose %1 and %2 are replaced by the words args names, each one of the arrays above.
struct CaptionParts {
  const char* pattern = "";
  std::array<const char*, 2> args{"", ""};
};
CaptionParts HandCaptionParts(const HandRank& rank);
