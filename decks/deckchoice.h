#pragma once
// Which card back the table shows for face-down cards. Shared by the table, the welcome dialog,
// the deck dialog and the statistics window, so it lives here, below all of them.

#include <QString>
#include <cstdint>

constexpr std::int32_t kFirstBackId = 60;  // the back in use when the program starts
constexpr std::int32_t kBackCount = 10;    // backs 60..69

constexpr bool IsBackId(std::int32_t id) { return id >= kFirstBackId && id < kFirstBackId + kBackCount; }

extern std::int32_t DeckBackId;  // 60..69
extern std::int32_t RandomDeck;  // 1: the table picks a random back for every hand

// How a screen reader names back id where one of the ten is shown, in the player's language:
// "Card back 2 of 10: lighthouse in a storm"; empty for an id that is no back.
QString BackTitle(std::int32_t id);

// A back for the coming hand when RandomDeck is set: the game's generator is reseeded from the
// clock, as every shuffle does, and its next value picks one of the ten.
std::int32_t RandomBack();

// Restores both to their values at program load.
void ResetDeckChoice();
