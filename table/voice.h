#pragma once
// What a screen reader must hear of the hand cycle. Orca speaks an object taking the focus and a
// change of the focused object's name or description, and ignores every other label that
// changes; so the news of the deal, the draw, the Dealer's draw, the showdown, the bills and the
// coach is put on the control that holds the focus, as its description, once the handler that
// made it has settled the focus; news that comes while the focus stays put is shown as a
// notification too. The control gets its own description back when the focus leaves it.
// Ctrl+R reads the whole table again: the result, both hands and their cards, the pot and bank.
//
// The voice knows the table only from the events it is told, as if it ran elsewhere: it reads
// none of the table's own state.

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "game/cards.h"
#include "game/handrank.h"
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
  void GameStarted(std::int32_t bank);
  void HandDealt(const Hand& player, const HandRank& rank, std::int32_t bet, std::int32_t bankLeft);
  void CardTurned(int slot, CardCode card, bool faceDown, const SlotFlags& discards);
  void DrawMade(const SlotFlags& discards, const Hand& before, const Hand& after, const HandRank& rank);
  void DealerDrew(std::int32_t count);
  void ShowdownSettled(const ShowdownRecord& result);
  void BankShown(std::int32_t bankLeft, std::int32_t bet);
  void BillAdded(std::int32_t bill, std::int32_t bet, std::int32_t bankLeft, std::int32_t next);
  void NewGameStarted(std::int32_t bank);
  // The Sound item switched by its key: nothing else tells a player who cannot see the menu.
  void SoundSwitched(bool on);
  // Any news at all (the coach's), said the same way.
  void Say(const QString& news);
  void ReadBack();

 private:
  // News made in one turn of the event loop is heard together, in order; a card turned is only
  // heard if nothing else comes with it (the coach's hint turns several and says them all).
  void Tell(std::function<QString()> news, bool givesWay = false);
  void Deliver();
  void GiveBack();

  QWidget* window_;
  QElapsedTimer sinceFocusMoved_;
  QString news_;
  struct Pending {
    std::function<QString()> words;
    bool givesWay;
  };
  std::vector<Pending> pending_;  // the news still to be put into words and delivered
  bool posted_ = false;
  QPointer<QWidget> holder_;  // the control the news was put on
  QString ownDescription_;    // and its description before that

  // The table as the events have shown it.
  std::int32_t bankShown_ = 0;  // what the money panel shows
  std::int32_t betBeside_ = 0;  // the bet beside it: typed, or in the pot
  bool inHand_ = false;
  Hand hand_{};
  SlotFlags down_{};
  HandRank rank_{};
  std::optional<ShowdownRecord> lastShowdown_;
};

// A hand's name as a player says it: its caption on one line, "Pair of Kings (Nine kicker)".
QString HandWords(const HandRank& rank);
// The cards of a hand, "King of Hearts, Nine of Clubs, ..."; with cards turned down, one sentence
// a card, each turned one saying so, so that nobody wonders which card "face down" belongs to.
QString CardsWords(const Hand& hand, const SlotFlags& down = {});
// The showdown in one breath: "You're a winner! Your Full House beats the Dealer's Pair of
// Nines."
QString ShowdownWords(const ShowdownRecord& result);
// The result line of the showdown, "You're a winner!".
QString ResultWords(Outcome outcome);
// The bank as the money panel shows it, "Bank: $950" or "(Empty)".
QString BankWords(std::int32_t bank);
