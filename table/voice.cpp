#include "table/voice.h"

#include <QAccessible>
#include <QApplication>
#include <QElapsedTimer>
#include <QKeySequence>
#include <QLabel>
#include <QShortcut>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <algorithm>

#include "game/handrank.h"
#include "platform/accessible.h"
#include "platform/numbers.h"
#include "platform/words.h"

QString ResultWords(Outcome outcome) {
  switch (outcome) {
    case PlayerWins:
      return QCoreApplication::translate("TMainForm", "You're a winner!");
    case DealerWins:
      return QCoreApplication::translate("TMainForm", "Dealer wins!");
    case Push:
      break;
  }
  return QCoreApplication::translate("TMainForm", "Push.. Split the Pot!");
}

QString HandWords(const HandRank& rank) { return CaptionWords(rank).simplified(); }

QString CardsWords(const Hand& hand, const SlotFlags& down) {
  const bool anyDown = std::find(down.begin(), down.end(), 1) != down.end();
  QStringList cards;
  for (std::size_t slot = 0; slot < hand.size(); ++slot)
    cards << (down[slot] == 1 ? QCoreApplication::translate("TMainForm", "%1, face down, to be replaced")
                                    .arg(CardWords(hand[slot]))
                              : CardWords(hand[slot]));
  return cards.join(anyDown ? QStringLiteral(". ") : QStringLiteral(", "));
}

QString ShowdownWords(const ShowdownRecord& r) {
  const QString mine = HandWords(r.playerRank);
  const QString theirs = HandWords(r.dealerRank);
  const QString how =
      r.outcome == PlayerWins
          ? QCoreApplication::translate("TableVoice", "Your %1 beats the Dealer's %2.").arg(mine, theirs)
      : r.outcome == DealerWins
          ? QCoreApplication::translate("TableVoice", "The Dealer's %2 beats your %1.").arg(mine, theirs)
          : QCoreApplication::translate("TableVoice", "Your %1 ties the Dealer's %2.").arg(mine, theirs);
  return ResultWords(r.outcome) + ' ' + how;
}

QString BankWords(std::int32_t bank) {
  return bank != 0 ? QCoreApplication::translate("TMainForm", "Bank: %1").arg(Dollars(bank))
                   : QCoreApplication::translate("TMainForm", "(Empty)");
}

TableVoice::TableVoice(QWidget* window) : QObject(window), window_(window) {
  connect(qApp, &QApplication::focusChanged, this, [this] { sinceFocusMoved_.start(); });
  auto* readBack = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_R), window);
  connect(readBack, &QShortcut::activated, this, &TableVoice::ReadBack);
  // The news belongs to the control it was put on only while that control has the focus.
  connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old) {
    if (old && old == holder_) GiveBack();
  });
}

void TableVoice::GameStarted(std::int32_t bank) { bankShown_ = bank; }

void TableVoice::HandDealt(const Hand& player, const HandRank& rank, std::int32_t bet,
                           std::int32_t bankLeft) {
  lastShowdown_.reset();
  inHand_ = true;
  hand_ = player;
  rank_ = rank;
  down_ = {};
  betBeside_ = bet;
  bankShown_ = bankLeft;
  Tell([player, rank] {
    return QCoreApplication::translate("TableVoice", "Dealt: %1. %2")
        .arg(HandWords(rank), CardsWords(player));
  });
}

void TableVoice::CardTurned(int slot, CardCode card, bool faceDown, const SlotFlags& discards) {
  down_ = discards;
  Tell(
      [slot, card, faceDown] {
        const QString shows = faceDown
                                  ? QCoreApplication::translate("TMainForm", "%1, face down, to be replaced")
                                        .arg(CardWords(card))
                                  : CardWords(card);
        return QCoreApplication::translate("TMainForm", "Your card %1: %2").arg(slot + 1).arg(shows);
      },
      true);
}

void TableVoice::DrawMade(const SlotFlags& discards, const Hand&, const Hand& after, const HandRank& rank) {
  hand_ = after;
  rank_ = rank;
  down_ = {};
  Tell([discards, after, rank] {
    QStringList drawn;
    for (std::size_t slot = 0; slot < after.size(); ++slot)
      if (discards[slot] == 1) drawn << CardWords(after[slot]);
    if (drawn.isEmpty())
      return QCoreApplication::translate("TableVoice", "You stand pat: %1.").arg(HandWords(rank));
    return QCoreApplication::translate("TableVoice", "You drew %1: %2.")
        .arg(drawn.join(QStringLiteral(", ")), HandWords(rank));
  });
}

void TableVoice::DealerDrew(std::int32_t count) {
  Tell([count] { return QCoreApplication::translate("TMainForm", "Dealer takes %1").arg(count); });
}

void TableVoice::ShowdownSettled(const ShowdownRecord& result) {
  lastShowdown_ = result;
  inHand_ = false;
  bankShown_ = result.bank;
  betBeside_ = 0;
  // The result, then the cards that made it: the Dealer's first, since the player has heard their own.
  Tell([result] {
    return ShowdownWords(result) + ' ' + BankWords(result.bank) + ". " +
           QCoreApplication::translate("TableVoice", "The Dealer's cards: %1.")
               .arg(CardsWords(result.dealer)) +
           ' ' + QCoreApplication::translate("TableVoice", "Your cards: %1.").arg(CardsWords(result.player));
  });
}

void TableVoice::BankShown(std::int32_t bankLeft, std::int32_t bet) {
  bankShown_ = bankLeft;
  betBeside_ = bet;
}

void TableVoice::BillAdded(std::int32_t bill, std::int32_t bet, std::int32_t bankLeft, std::int32_t next) {
  Tell([bill, bet, bankLeft, next] {
    QString news =
        QCoreApplication::translate("TableVoice", "Bet %1, %2 left.").arg(Dollars(bet), Dollars(bankLeft));
    // The bill spent may be gone, and the focus with it: where it went is news too.
    if (next == 0) news += ' ' + QCoreApplication::translate("TableVoice", "Now on the bet box.");
    if (next != 0 && next != bill)
      news += ' ' + QCoreApplication::translate("TableVoice", "Now on the %1 bill.").arg(Dollars(next));
    return news;
  });
}

void TableVoice::NewGameStarted(std::int32_t bank) {
  lastShowdown_.reset();
  inHand_ = false;
  bankShown_ = bank;
  betBeside_ = 0;
  Tell([bank] { return QCoreApplication::translate("TableVoice", "New game.") + ' ' + BankWords(bank); });
}

QString TableVoice::TableWords() const {
  // One sentence a part, so that a screen reader pauses between them.
  QStringList parts;
  if (inHand_) {
    parts << QCoreApplication::translate("TableVoice", "Your hand: %1.").arg(HandWords(rank_))
          << CardsWords(hand_, down_) + '.'
          << QCoreApplication::translate("TableVoice", "The Dealer's cards are face down.")
          << QCoreApplication::translate("TableVoice", "Your bet: %1, Game Pot: %2.")
                 .arg(Dollars(betBeside_), Dollars(2LL * betBeside_))
          << BankWords(bankShown_) + '.';
    return parts.join(' ');
  }
  if (lastShowdown_) {
    const ShowdownRecord& r = *lastShowdown_;
    parts << ShowdownWords(r)
          << QCoreApplication::translate("TableVoice", "Your cards: %1.").arg(CardsWords(r.player))
          << QCoreApplication::translate("TableVoice", "The Dealer's cards: %1.").arg(CardsWords(r.dealer))
          << QCoreApplication::translate("TableVoice", "Last bet %1.").arg(Dollars(r.bet));
  } else {
    parts << QCoreApplication::translate("TableVoice", "No hand on the table.");
  }
  parts << BankWords(bankShown_) + '.';
  if (betBeside_ > 0)
    parts << QCoreApplication::translate("TableVoice", "New bet: %1.").arg(Dollars(betBeside_));
  return parts.join(' ');
}

void TableVoice::ReadBack() { Say(TableWords()); }

void TableVoice::SoundSwitched(bool on) {
  Tell([on] { return on ? tr("Sound on.") : tr("Sound off."); });
}

void TableVoice::Say(const QString& news) {
  Tell([news] { return news; });
}

void TableVoice::Tell(std::function<QString()> news, bool givesWay) {
  std::erase_if(pending_, [](const Pending& p) { return p.givesWay; });
  pending_.push_back({std::move(news), givesWay});
  if (posted_) return;
  posted_ = true;
  // After the handler: it may still move the focus, and the news goes where the focus ends. The
  // words are made there too, and only for a window that has the focus to hear them.
  QTimer::singleShot(0, this, &TableVoice::Deliver);
}

void TableVoice::Deliver() {
  posted_ = false;
  // A table nobody sees has nobody to hear it (the long soak plays a game in a hidden one).
  if (!window_->isVisible()) return pending_.clear();
  // While another window is active the news waits on the control that will have the focus when
  // the table is active again, and is heard with it.
  QWidget* focused = QApplication::focusWidget();
  if (!focused || focused->window() != window_) focused = window_->focusWidget();
  if (!focused || pending_.empty()) return;
  QStringList said;
  for (const Pending& p : pending_) said << p.words();
  pending_.clear();
  news_ = said.join(' ');
  // What the focused control already says by its own name is heard without our help.
  if (focused->accessibleName() == news_) return;
  if (focused != holder_) {
    GiveBack();
    holder_ = focused;
    ownDescription_ = focused->accessibleDescription();
  }
  // The same news again (a second "Dealer takes 3") is still a change a screen reader hears.
  if (focused->accessibleDescription() == news_) focused->setAccessibleDescription(QString());
  focused->setAccessibleDescription(news_);
  // A control that has just taken the focus, with the news, is read with its description; one
  // that already had it is not read again, so the news appears as a notification. A label is read
  // by its name alone (the result line, where the focus rests while the table plays by itself).
  constexpr qint64 kJustNowMs = 300;
  const bool justFocused = sinceFocusMoved_.isValid() && sinceFocusMoved_.elapsed() < kJustNowMs;
  if ((justFocused && !qobject_cast<QLabel*>(focused)) || !focused->isVisible()) return;
  Notify(window_, news_);
}

void TableVoice::GiveBack() {
  if (holder_) holder_->setAccessibleDescription(ownDescription_);
  holder_ = nullptr;
}
