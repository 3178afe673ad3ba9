#pragma once
// A fresh table for every test: program state back at its load values, a scripted platform,
// the real main window with its splash timer stopped, and a way to lay the deck so that the
// next deal gives chosen hands.

#include <gtest/gtest.h>

#include <QLabel>
#include <QTimer>
#include <memory>
#include <vector>

#include "game/cards.h"
#include "platform/imagebox.h"
#include "tests/support/cardnames.h"
#include "tests/support/fakeplatform.h"
#include "tests/support/tablecontrols.h"
#include "tests/support/widgets.h"

class TMainForm;

// The hands the table's tests deal most: a pair of Aces against King-Queen high.
inline const Hand kAces{
    cardnames::C(cardnames::Ace, cardnames::H), cardnames::C(cardnames::Ace, cardnames::D),
    cardnames::C(cardnames::Seven, cardnames::Cl), cardnames::C(cardnames::Four, cardnames::S),
    cardnames::C(cardnames::Two, cardnames::H)};
inline const Hand kKingHigh{
    cardnames::C(cardnames::King, cardnames::Cl), cardnames::C(cardnames::Queen, cardnames::D),
    cardnames::C(cardnames::Nine, cardnames::Cl), cardnames::C(cardnames::Seven, cardnames::S),
    cardnames::C(cardnames::Three, cardnames::D)};

class TableFixture : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // The table as the splash handover leaves it for the welcome dialog: the first Deal deals the
  // run's first hand.
  void OpenTable();
  // Lays DeckCards so that the coming shuffle (at the fake clock's second) deals plr and dlr,
  // followed by the cards of `then` at deal positions 11, 12, ...
  void RigNextDeal(const Hand& plr, const Hand& dlr, const std::vector<CardCode>& then = {});
  // Runs the ten deal ticks.
  void RunDeal();
  // Draw, then the Dealer's turn and the showdown, running each timer's handler in turn.
  void DrawAndSettle();
  // Bets the text, deals, stands pat (or discards the flagged slots) and settles.
  void PlayHand(const QString& bet, const SlotFlags& discard = {});

  // The timers that are running, by object name.
  std::vector<std::string> RunningTimers() const;
  std::unique_ptr<FakePlatform> platform;
  TMainForm* form = nullptr;
  std::unique_ptr<TableControls> ui;
};
