#pragma once
// What a screen reader must hear of the hand cycle. Orca speaks an object taking the focus and a
// change of the focused object's name or description, and ignores every other label that
// changes; so the news of the deal, the Dealer's draw, the showdown and the coach's verdict is
// put on the control that holds the focus, as its description, once the handler that made it has
// settled the focus. The control gets its own description back when the focus leaves it.
// Ctrl+R reads the whole table again: the result, both hands and their cards, the pot and bank.

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>

#include "game/cards.h"
#include "game/handrecord.h"

class QWidget;

class TableVoice : public QObject {
  Q_OBJECT
 public:
  // Listens for Ctrl+R in window.
  explicit TableVoice(QWidget* window);

  // The last news given, and the table as Ctrl+R reads it.
  QString News() const { return news_; }
  QString TableWords() const;

 public slots:
  void HandDealt(const Hand& player);
  void CardTurned(int slot, bool faceDown);
  void DealerDrew(std::int32_t count);
  void ShowdownSettled(const ShowdownRecord& result);
  void NewGameStarted(std::int32_t bank);
  // Any news at all (the coach's verdict), said the same way.
  void Say(const QString& news);
  void ReadBack();

 private:
  void Tell(std::function<QString()> news);
  void Deliver();
  void GiveBack();

  QWidget* window_;
  class QLabel* notice_;  // the news as a notification, for a control that keeps the focus
  QElapsedTimer sinceFocusMoved_;
  QString news_;
  std::function<QString()> pending_;  // the news still to be put into words and delivered
  bool posted_ = false;
  QPointer<QWidget> holder_;  // the control the news was put on
  QString ownDescription_;    // and its description before that
  std::optional<ShowdownRecord> lastShowdown_;
};

// A hand's name as a player says it: its caption on one line, "Pair of Kings (Nine kicker)".
QString HandWords(const HandRank& rank);
// The cards of a hand, "King of Hearts, Nine of Clubs, ..."; cards turned down say so.
QString CardsWords(const Hand& hand, const SlotFlags& down = {});
// The showdown in one breath: "You're a winner! Your Full House beats the Dealer's Pair of
// Nines. Bank $1150".
QString ShowdownWords(const ShowdownRecord& result);
// The result line of the showdown, "You're a winner!".
QString ResultWords(Outcome outcome);
