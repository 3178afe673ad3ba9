#pragma once
// What happens in the hand cycle, told to whoever listens. The table's handlers emit these and
// never call a listener by name; the listeners (the statistics, the coach, the screen-reader
// voice, the hand history) are connected in one place, WireTable. Every value is plain, so a
// listener needs nothing of the table to understand it. A signal with no listener costs next
// to nothing, which keeps the long soak through the real handlers fast.

#include <QObject>
#include <QString>
#include <cstdint>

#include "game/cards.h"
#include "game/drawrule.h"
#include "game/handrank.h"
#include "game/handrecord.h"
#include "game/money.h"

class HandEvents : public QObject {
  Q_OBJECT
 public:
  using QObject::QObject;

 signals:
  // The welcome dialog's first bet was taken and the run's first game begins: the bank, and the
  // player's name as the table shows it.
  void GameStarted(std::int32_t bank, const QString& player);
  // The ten deal ticks are over and the player may discard: the player's hand as dealt and what
  // it makes, the bet in the pot and the bank the money panel shows beside it.
  void HandDealt(const Hand& player, const HandRank& rank, std::int32_t bet, std::int32_t bankLeft);
  // The player's card in slot turned face down (to be replaced) or face up again.
  void CardTurned(int slot, CardCode card, bool faceDown, const SlotFlags& discards);
  // A legal draw: the cards turned down, the hand before the draw and after it, and what it makes.
  void DrawMade(const SlotFlags& discards, const Hand& before, const Hand& after, const HandRank& rank);
  // The Dealer's draw of count cards (0..4).
  void DealerDrew(std::int32_t count);
  // The showdown, settled: the bank already paid out.
  void ShowdownSettled(const ShowdownRecord& result);
  // The money panel shows bankLeft: the bank less the bet beside it (typed in the bet box, or in
  // the pot while a hand is played).
  void BankShown(std::int32_t bankLeft, std::int32_t bet);
  // A bill pressed between hands: its value added to the bet box, which now holds bet; the focus
  // is now on a bill of value next (the same bill's, or a smaller one), or 0: on the bet box.
  void BillAdded(std::int32_t bill, std::int32_t bet, std::int32_t bankLeft, std::int32_t next);
  // The bet box or the Deal refused a bet; the draw refused the cards turned down.
  void BetRefused(BetRefusal reason);
  void DrawRefused(DrawRefusal reason);
  // New Game, from the menu or the bankruptcy dialog: a fresh game with bank, the statistics
  // kept or cleared as the player answered. Any hand in play was abandoned and counts for nothing.
  void NewGameStarted(std::int32_t bank, bool keepStats);
  // The showdown emptied the bank; the bankruptcy dialog comes next.
  void WentBankrupt();
};
