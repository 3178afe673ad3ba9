#pragma once
// The table's game state: money, the player's choices, the hand in play.
// Module-level, as the windows own nothing but their controls. Defined in tablestate.cpp.

#include <array>
#include <cstddef>
#include <cstdint>

#include "decks/deckchoice.h"
#include "game/cards.h"
#include "game/money.h"
#include "stats/gamestats.h"

// Where the table stands in the hand cycle. Every control that differs between the states is
// set from one row per state (TMainForm::EnterState); handlers move between states and read this
// variable, never a widget, to learn where they are.
enum class TableState {
  Opening,           // from start-up until the splash time ends: a bare table
  Welcome,           // the money panel is up and the welcome dialog asks for the first bet
  Betting,           // between a showdown and the next Deal
  BettingNewGame,    // after New Game, until the first Deal of the new game
  DealingFirstHand,  // the ten deal ticks of the run's first hand, dealt without the Deal button
  Dealing,           // the ten deal ticks
  Discarding,        // the player turns cards and draws
  DealerToDraw,      // a legal draw was made; the Dealer's turn is due
  DealerHasDrawn,    // "Dealer takes n" is shown
  ShowdownDue,       // the Dealer's cards turn up next
  Bankrupt,          // the showdown emptied the bank; the bankruptcy dialog is up
};
constexpr std::size_t kTableStateCount = static_cast<std::size_t>(TableState::Bankrupt) + 1;
extern TableState State;

// Money, in whole dollars.
extern std::int32_t StartingBank;  // 1000 for the whole run
extern std::int32_t Bank;
extern std::int32_t CurrentBet;   // the bet of the hand in play, afterwards the last bet
extern std::int32_t BankLeft;     // what the money panel is asked to show
extern BillSlots MoneySlotValue;  // bill in MoneySlot0..4, 0 = empty

// The player's choices (the name lives with the statistics, the card back with the decks).
extern std::int32_t WelcomeDone;       // left by the welcome dialog
extern std::int32_t WelcomeDeckIndex;  // back shown by the welcome dialog, 60 + index
extern std::int32_t NewGameChosen;     // left by the bankruptcy dialog

// The hand in play.
extern SlotFlags PlrDiscard;       // 1: that card is face down, to be replaced
extern std::int32_t DealStep;      // next step of the paced deal, 0..10
extern std::int32_t DlrShown;      // the hidden ShowDlr control shows the Dealer's faces
extern std::int32_t KingOnDealer;  // the King of Hearts to animate is the Dealer's
extern std::int32_t KingToggle;    // 0: next tick shows the winking picture (53)

// Restores everything above, the card-back choice and the statistics to their values at
// program load.
void ResetTableState();
