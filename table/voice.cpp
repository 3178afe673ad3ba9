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

#include "game/handrank.h"
#include "platform/accessible.h"
#include "platform/words.h"
#include "table/tablestate.h"

namespace {

bool HandInPlay() {
  switch (State) {
    case TableState::Discarding:
    case TableState::DealerToDraw:
    case TableState::DealerHasDrawn:
    case TableState::ShowdownDue:
      return true;
    default:
      return false;
  }
}

}  // namespace

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
  QStringList cards;
  for (std::size_t slot = 0; slot < hand.size(); ++slot)
    cards << (down[slot] == 1
                  ? QCoreApplication::translate("TableVoice", "%1, face down").arg(CardWords(hand[slot]))
                  : CardWords(hand[slot]));
  return cards.join(QStringLiteral(", "));
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
  return ResultWords(r.outcome) + ' ' + how + ' ' +
         QCoreApplication::translate("TableVoice", "Bank $%1").arg(r.bank);
}

TableVoice::TableVoice(QWidget* window) : QObject(window), window_(window), notice_(new QLabel(window)) {
  // Orca speaks a notification as it appears, wherever the focus is; shown for a moment, a pixel
  // wide and without colour, it is heard and not seen.
  notice_->setObjectName("NewsNotice");
  notice_->setGeometry(0, 0, 1, 1);
  notice_->setStyleSheet("color: transparent; background: transparent;");
  notice_->hide();
  ShownAs(notice_, QAccessible::Notification);
  connect(qApp, &QApplication::focusChanged, this, [this] { sinceFocusMoved_.start(); });
  auto* readBack = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_R), window);
  connect(readBack, &QShortcut::activated, this, &TableVoice::ReadBack);
  // The news belongs to the control it was put on only while that control has the focus.
  connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old) {
    if (old && old == holder_) GiveBack();
  });
}

void TableVoice::HandDealt(const Hand& player) {
  lastShowdown_.reset();
  Tell([player] {
    HandRank rank{};
    RankHistogram counts{};
    EvaluateHand(player, rank, counts);
    return QCoreApplication::translate("TableVoice", "Dealt: %1. %2")
        .arg(HandWords(rank), CardsWords(player));
  });
}

void TableVoice::CardTurned(int slot, bool faceDown) {
  Tell([slot, faceDown] {
    const QString shows = faceDown ? QCoreApplication::translate("TMainForm", "face down, to be replaced")
                                   : CardWords(PlrHand[static_cast<std::size_t>(slot)]);
    return QCoreApplication::translate("TMainForm", "Your card %1: %2").arg(slot + 1).arg(shows);
  });
}

void TableVoice::DealerDrew(std::int32_t count) {
  Tell([count] { return QCoreApplication::translate("TMainForm", "Dealer takes %1").arg(count); });
}

void TableVoice::ShowdownSettled(const ShowdownRecord& result) {
  lastShowdown_ = result;
  Tell([result] { return ShowdownWords(result); });
}

void TableVoice::NewGameStarted(std::int32_t bank) {
  lastShowdown_.reset();
  Tell([bank] { return QCoreApplication::translate("TableVoice", "New game. Bank $%1").arg(bank); });
}

QString TableVoice::TableWords() const {
  QStringList parts;
  if (HandInPlay()) {
    HandRank rank{};
    RankHistogram counts{};
    EvaluateHand(PlrHand, rank, counts);
    parts << QCoreApplication::translate("TableVoice", "Your hand: %1. %2.")
                 .arg(HandWords(rank), CardsWords(PlrHand, PlrDiscard))
          << QCoreApplication::translate("TableVoice", "The Dealer's cards are face down.")
          << QCoreApplication::translate("TableVoice", "Game Pot $%1.").arg(2LL * CurrentBet)
          << QCoreApplication::translate("TableVoice", "Bank $%1").arg(Bank);
  } else if (lastShowdown_) {
    const ShowdownRecord& r = *lastShowdown_;
    parts << ShowdownWords(r)
          << QCoreApplication::translate("TableVoice", "Your cards: %1.").arg(CardsWords(r.player))
          << QCoreApplication::translate("TableVoice", "The Dealer's cards: %1.").arg(CardsWords(r.dealer))
          << QCoreApplication::translate("TableVoice", "Last bet $%1.").arg(r.bet);
  } else {
    parts << QCoreApplication::translate("TableVoice", "No hand on the table. Bank $%1").arg(Bank);
  }
  return parts.join(' ');
}

void TableVoice::ReadBack() { Say(TableWords()); }

void TableVoice::Say(const QString& news) {
  Tell([news] { return news; });
}

void TableVoice::Tell(std::function<QString()> news) {
  pending_ = std::move(news);
  if (posted_) return;
  posted_ = true;
  // After the handler: it may still move the focus, and the news goes where the focus ends. The
  // words are made there too, and only for a window that has the focus to hear them.
  QTimer::singleShot(0, this, &TableVoice::Deliver);
}

void TableVoice::Deliver() {
  posted_ = false;
  // While another window is active the news waits on the control that will have the focus when
  // the table is active again, and is heard with it.
  QWidget* focused = QApplication::focusWidget();
  if (!focused || focused->window() != window_) focused = window_->focusWidget();
  if (!focused || !pending_) return;
  news_ = pending_();
  pending_ = nullptr;
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
  // that already had it is not read again, so the news appears as a notification.
  constexpr qint64 kJustNowMs = 300;
  const bool justFocused = sinceFocusMoved_.isValid() && sinceFocusMoved_.elapsed() < kJustNowMs;
  if (justFocused || !focused->isVisible()) return;
  notice_->setText(news_);
  notice_->hide();
  notice_->show();
  notice_->raise();
}

void TableVoice::GiveBack() {
  if (holder_) holder_->setAccessibleDescription(ownDescription_);
  holder_ = nullptr;
}
