#pragma once
// Keeps the history of the game in play from the hand cycle's events. Its slots carry the names
// and arguments of the table's HandEvents signals, so the wiring connects them one to one:
//   GameStarted, HandDealt, DrawMade, ShowdownSettled, NewGameStarted, WentBankrupt.
// A hand enters the history at its showdown; one abandoned by New Game leaves nothing behind.
// Every game and hand is passed on as it is kept, for the database.
//
// CoachVerdict comes from the coach, not the table: the place of the player's draw among the
// holds the coach ranked (1 the best, holds of equal value sharing a place; 0 when the coach
// had no odds for the hand), how far its value lies below the best, in dollars at the hand's
// bet, and the best hold's discards. It may come at any moment between the deal and the
// showdown, before or after DrawMade.

#include <QObject>
#include <QString>
#include <cstdint>

#include "game/cards.h"
#include "game/handrank.h"
#include "game/handrecord.h"
#include "history/handhistory.h"
#include "history/handstore.h"

class HandRecorder : public QObject {
  Q_OBJECT
 public:
  explicit HandRecorder(QObject* parent = nullptr);

  const HandHistory& History() const { return history_; }
  // The name the game in play is played under.
  const QString& Player() const { return player_; }

 public slots:
  void GameStarted(std::int32_t bank, const QString& player);
  void HandDealt(const Hand& player, const HandRank& rank, std::int32_t bet, std::int32_t bankLeft);
  void DrawMade(const SlotFlags& discards, const Hand& before, const Hand& after, const HandRank& rank);
  void CoachVerdict(std::int32_t place, double dollarsBelow, const SlotFlags& bestHold);
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

  // For the database; when is in seconds since 1970, UTC.
  void GameBegun(const QString& player, std::int32_t bank, std::int64_t when);
  void HandKept(const KeptHand& hand);
  void GameEnded(GameEnd end, std::int64_t when);

 private:
  void EndGame(GameEnd end);

  HandHistory history_;
  HandEntry pending_;
  QString player_ = QStringLiteral("Player");
  bool inPlay_ = false;
  bool gameOpen_ = false;
};
