#pragma once
// Keeps the history of the game in play from the hand cycle's events. Its slots carry the names
// and arguments of the table's HandEvents signals, so the wiring connects them one to one:
//   HandDealt, DrawMade, ShowdownSettled, NewGameStarted, WentBankrupt; GameStarted takes the bank.
// A hand enters the history at its showdown; one abandoned by New Game leaves nothing behind.
//
// CoachVerdict comes from the coach, not the table: the place of the player's draw among the
// holds the coach ranked (1 the best, holds of equal value sharing a place; 0 when the coach
// had no odds for the hand) and how far its value lies below the best, in dollars at the hand's
// bet. It may come at any moment between the deal and the showdown, before or after DrawMade.

#include <QObject>
#include <cstdint>

#include "game/cards.h"
#include "game/handrank.h"
#include "game/handrecord.h"
#include "history/handhistory.h"

class HandRecorder : public QObject {
  Q_OBJECT
 public:
  explicit HandRecorder(QObject* parent = nullptr);

  const HandHistory& History() const { return history_; }

 public slots:
  void GameStarted(std::int32_t bank);
  void HandDealt(const Hand& player, const HandRank& rank, std::int32_t bet, std::int32_t bankLeft);
  void DrawMade(const SlotFlags& discards, const Hand& before, const Hand& after, const HandRank& rank);
  void CoachVerdict(std::int32_t place, double dollarsBelow);
  void ShowdownSettled(const ShowdownRecord& result);
  void NewGameStarted(std::int32_t bank);
  void WentBankrupt();

 signals:
  // The history was started afresh (a new game).
  void Restarted();
  // A hand was added; count is the number of hands now held.
  void HandAdded(std::int64_t count);
  // The entry of the hand numbered n changed after it was added (a bankruptcy marked on it).
  void HandChanged(std::int64_t n);

 private:
  HandHistory history_;
  HandEntry pending_;
  bool inPlay_ = false;
};
