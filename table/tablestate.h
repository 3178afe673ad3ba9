#pragma once
// The table's game state: money, the player's choices, the hand in play.
// Module-level, as the windows own nothing but their controls. Defined in tablestate.cpp.

#include <QString>
#include <array>
#include <cstdint>

#include "game/cards.h"

// Money, in whole dollars.
constexpr std::int32_t InitialBank = 1000;
extern std::int32_t StartingBank;  // 1000 for the whole run
extern std::int32_t Bank;
extern std::int32_t CurrentBet;    // the bet of the hand in play, afterwards the last bet
extern std::int32_t BankLeft;      // what the money panel is asked to show
extern std::array<std::int32_t, 5> MoneySlotValue;  // bill in MoneySlot0..4, 0 = empty
extern const std::array<std::int32_t, 14> BillValues;  // largest first

// The player's choices.
extern QString PlayerName;          // at most 10 characters; "Player" when left empty
extern std::int32_t DeckBackId;     // 60..69
extern std::int32_t RandomDeck;     // 1: a random back every hand
extern std::int32_t WelcomeDone;    // left by the welcome dialog
extern std::int32_t WelcomeDeckIndex;  // back shown by the welcome dialog, 60 + index
extern std::int32_t NewGameChosen;  // left by the bankruptcy dialog

// The hand in play.
extern SlotFlags PlrDiscard;        // 1: that card is face down, to be replaced
extern std::int32_t DealStep;       // next step of the paced deal, 0..10
extern std::int32_t TableShown;     // the first hand of this game has been dealt
extern std::int32_t DlrShown;       // the hidden ShowDlr control shows the Dealer's faces
extern std::int32_t KingOnDealer;   // the King of Hearts to animate is the Dealer's
extern std::int32_t KingToggle;     // 0: next tick shows the winking picture (53)

// Restores everything above to its value at program load.
void ResetTableState();

// Draws counted for the hand in play that has not reached its showdown yet (-1: none), so
// that a hand abandoned by New Game can take them back.
extern std::int32_t PlrDrawPending;
extern std::int32_t DlrDrawPending;
