#include "coach/coachbox.h"

#include <QFrame>
#include <QGraphicsOpacityEffect>
#include <QGuiApplication>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStringList>
#include <cmath>

#include "coach/coachworker.h"
#include "decks/catalogue.h"
#include "game/drawrule.h"
#include "game/holdreason.h"
#include "platform/accessible.h"
#include "platform/imagebox.h"
#include "platform/palette.h"
#include "platform/settings.h"
#include "platform/windows.h"
#include "platform/words.h"

namespace {

// Narrow enough to stand beside a centred table on a screen 1280 pixels wide.
constexpr int kWidth = 310;
constexpr int kInner = kWidth - 16;  // the width of a line of text, inside the margins
constexpr int kHeight = 345;

// A card as it is shown: "10" and a red heart.
QString ColouredSign(CardCode card) {
  const QString sign = CardSign(card);
  return SuitOf(card) < 2 ? QStringLiteral("<span style=\"color:%1\">%2</span>").arg(Css(kCardRed), sign)
                          : sign;
}

// The cards a hold throws, shown and spoken.
QString ThrowSigns(const Hand& hand, const SlotFlags& discards) {
  QStringList signs;
  for (int slot = 0; slot < 5; ++slot)
    if (discards[slot] == 1) signs << ColouredSign(hand[slot]);
  return signs.isEmpty() ? TCoachBox::tr("Stand pat") : signs.join(' ');
}
QString ThrowWords(const Hand& hand, const SlotFlags& discards) {
  QStringList words;
  for (int slot = 0; slot < 5; ++slot)
    if (discards[slot] == 1) words << TCoachBox::tr("the %1").arg(CardWords(hand[slot]));
  if (words.isEmpty()) return TCoachBox::tr("none");
  const QString last = words.takeLast();
  return words.isEmpty() ? last : TCoachBox::tr("%1 and %2").arg(words.join(TCoachBox::tr(", ")), last);
}
QString HoldWords(const Hand& hand, const SlotFlags& discards) {
  return DiscardCount(discards) == 0 ? TCoachBox::tr("stand pat")
                                     : TCoachBox::tr("throw %1").arg(ThrowWords(hand, discards));
}

QString Percent(double p) { return TCoachBox::tr("%1%").arg(100 * p, 0, 'f', 1); }
// The expected result of a hold at the bet, in dollars: "+$1.25", "-$0.40".
QString Dollars(double bets, std::int32_t bet) {
  const double dollars = bets * bet;
  return (dollars < 0 ? TCoachBox::tr("-$%1") : TCoachBox::tr("+$%1")).arg(std::abs(dollars), 0, 'f', 2);
}
QString SpokenDollars(double bets, std::int32_t bet) {
  const double dollars = bets * bet;
  return (dollars < 0 ? TCoachBox::tr("lose $%1 on average") : TCoachBox::tr("win $%1 on average"))
      .arg(std::abs(dollars), 0, 'f', 2);
}

// "1st", "2nd", "3rd", "4th" ... "11th", "12th", "13th" ... "21st".
QString Ordinal(int n) {
  const int tens = n % 100, units = n % 10;
  if (tens >= 11 && tens <= 13) return TCoachBox::tr("%1th").arg(n);
  if (units == 1) return TCoachBox::tr("%1st").arg(n);
  if (units == 2) return TCoachBox::tr("%1nd").arg(n);
  if (units == 3) return TCoachBox::tr("%1rd").arg(n);
  return TCoachBox::tr("%1th").arg(n);
}

QString RankName(std::int32_t rank, bool plural) {
  static const char* const names[13][2] = {
      {QT_TRANSLATE_NOOP("TCoachBox", "Deuce"), QT_TRANSLATE_NOOP("TCoachBox", "Deuces")},
      {QT_TRANSLATE_NOOP("TCoachBox", "Three"), QT_TRANSLATE_NOOP("TCoachBox", "Threes")},
      {QT_TRANSLATE_NOOP("TCoachBox", "Four"), QT_TRANSLATE_NOOP("TCoachBox", "Fours")},
      {QT_TRANSLATE_NOOP("TCoachBox", "Five"), QT_TRANSLATE_NOOP("TCoachBox", "Fives")},
      {QT_TRANSLATE_NOOP("TCoachBox", "Six"), QT_TRANSLATE_NOOP("TCoachBox", "Sixes")},
      {QT_TRANSLATE_NOOP("TCoachBox", "Seven"), QT_TRANSLATE_NOOP("TCoachBox", "Sevens")},
      {QT_TRANSLATE_NOOP("TCoachBox", "Eight"), QT_TRANSLATE_NOOP("TCoachBox", "Eights")},
      {QT_TRANSLATE_NOOP("TCoachBox", "Nine"), QT_TRANSLATE_NOOP("TCoachBox", "Nines")},
      {QT_TRANSLATE_NOOP("TCoachBox", "Ten"), QT_TRANSLATE_NOOP("TCoachBox", "Tens")},
      {QT_TRANSLATE_NOOP("TCoachBox", "Jack"), QT_TRANSLATE_NOOP("TCoachBox", "Jacks")},
      {QT_TRANSLATE_NOOP("TCoachBox", "Queen"), QT_TRANSLATE_NOOP("TCoachBox", "Queens")},
      {QT_TRANSLATE_NOOP("TCoachBox", "King"), QT_TRANSLATE_NOOP("TCoachBox", "Kings")},
      {QT_TRANSLATE_NOOP("TCoachBox", "Ace"), QT_TRANSLATE_NOOP("TCoachBox", "Aces")},
  };
  return TCoachBox::tr(names[std::clamp(rank, 0, 12)][plural ? 1 : 0]);
}

QString ReasonWords(const HoldReason& r) {
  switch (r.kind) {
    case HoldReason::StandsPat:
      return TCoachBox::tr("Stands pat on a %1").arg(CategoryWords(r.rank));
    case HoldReason::KeepsFour:
      return TCoachBox::tr("Keeps four %1").arg(RankName(r.rank, true));
    case HoldReason::KeepsThree:
      return TCoachBox::tr("Keeps three %1").arg(RankName(r.rank, true));
    case HoldReason::KeepsTwoPair:
      return TCoachBox::tr("Keeps two pair, %1 high").arg(RankName(r.rank, true));
    case HoldReason::KeepsPair:
      return TCoachBox::tr("Keeps a pair of %1").arg(RankName(r.rank, true));
    case HoldReason::DrawsToStraightFlush:
      return TCoachBox::tr("Draws one card to a straight flush");
    case HoldReason::DrawsToFlush:
      return TCoachBox::tr("Draws one card to a flush");
    case HoldReason::DrawsToStraight:
      return TCoachBox::tr("Draws one card to a straight");
    case HoldReason::KeepsAceDrawsFour:
      return TCoachBox::tr("Keeps the Ace and draws four");
    case HoldReason::KeepsHighCards:
      break;
  }
  return r.count == 1 ? TCoachBox::tr("Keeps the %1 and draws four").arg(RankName(r.rank, false))
                      : TCoachBox::tr("Keeps the %n highest cards, %1 high", nullptr, r.count)
                            .arg(RankName(r.rank, false));
}

constexpr const char* kColumnsHelp = QT_TRANSLATE_NOOP(
    "TCoachBox",
    "Throw: the cards to turn down. Win, Push, Lose: the chances that your hand then beats the "
    "Dealer's, ties it (you get your bet back) or loses to it. Average: what the draw wins or loses "
    "on average at your bet.");

// One row of the table of holds: what to throw, then the win, push and lose chances and the
// average result.
QString Row(const QString& what, const QString& win, const QString& push, const QString& lose,
            const QString& value, bool header = false) {
  const char* cell =
      header ? "<td align=\"right\" width=\"%1\"><u>%2</u></td>" : "<td align=\"right\" width=\"%1\">%2</td>";
  QString row = QString(header ? "<td width=\"100\"><u>%1</u></td>" : "<td width=\"100\">%1</td>").arg(what);
  for (const QString& figure : {win, push, lose}) row += QString::fromLatin1(cell).arg(42).arg(figure);
  row += QString::fromLatin1(cell).arg(60).arg(value);
  return QStringLiteral("<table cellspacing=\"0\" cellpadding=\"0\" width=\"%1\"><tr>").arg(kInner) + row +
         "</tr></table>";
}

int HoldIndex(const std::vector<HoldOdds>& ranked, const SlotFlags& discards) {
  return static_cast<int>(
      std::find_if(ranked.begin(), ranked.end(), [&](const HoldOdds& h) { return h.discards == discards; }) -
      ranked.begin());
}

QLabel* MakeLabel(QWidget* parent, const QString& name, const QRect& geometry) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  label->setGeometry(geometry);
  label->setTextFormat(Qt::RichText);
  return label;
}

// Sets what a label shows and what a screen reader says for it; a change that matters is
// announced.
void Show(QLabel* label, const QString& text, const QString& spoken, bool announce) {
  label->setAccessibleName(spoken);
  if (announce)
    Announce(label, text);
  else
    label->setText(text);
}

}  // namespace

TCoachBox::TCoachBox(QWidget* table) : QDialog(table), worker_(new CoachWorker(this)) {
  setObjectName("TCoachBox");
  setWindowTitle(tr("Coach"));
  resize(kWidth, kHeight);
  SetUpDialog(this);
  setModal(false);
  // Opened from the table, it leaves the keyboard there: the player goes on discarding by key,
  // and hears the coach's verdict from the table.
  setAttribute(Qt::WA_ShowWithoutActivating);
  Paint(this, QPalette::Window, kSilver);
  worker_->setObjectName("Worker");

  auto* felt = new QFrame(this);
  felt->setObjectName("CardsPanl");
  felt->setGeometry(0, 0, kWidth, 80);
  Paint(felt, QPalette::Window, kTableGreen);
  for (int i = 0; i < 5; ++i) {
    auto* card = new ImageBox(felt);
    card->setObjectName(QStringLiteral("CoachCard%1").arg(i));
    card->setGeometry((kWidth - 259) / 2 + 53 * i, 8, 47, 64);
    // A card the player has turned down shows faded, as it is to be thrown.
    auto* fade = new QGraphicsOpacityEffect(card);
    fade->setOpacity(0.35);
    fade->setEnabled(false);
    card->setGraphicsEffect(fade);
    cards_[i] = card;
  }

  QLabel* title = MakeLabel(this, "HoldsLabl", {8, 88, kInner, 16});
  title->setText(tr("Best holds against the Dealer's rule"));
  title->setFont(PixelFont("Liberation Sans", 11, true));
  Paint(title, QPalette::WindowText, kNavy);
  QLabel* head = MakeLabel(this, "HeadLabl", {8, 106, kInner, 16});
  head->setText(Row(tr("Throw"), tr("Win"), tr("Push"), tr("Lose"), tr("Average"), true));
  head->setAccessibleName(tr("Columns: cards to throw, win, push, lose, average result at your bet"));
  for (int i = 0; i < 3; ++i)
    holds_[i] = MakeLabel(this, QStringLiteral("Hold%1Labl").arg(i), {8, 124 + 18 * i, kInner, 18});
  for (QLabel* label : {head, holds_[0], holds_[1], holds_[2]}) {
    label->setToolTip(tr(kColumnsHelp));
    label->setAccessibleDescription(tr(kColumnsHelp));
  }
  reason_ = MakeLabel(this, "ReasonLabl", {8, 180, kInner, 16});
  Paint(reason_, QPalette::WindowText, kNavy);

  auto* rule = new QFrame(this);
  rule->setObjectName("Bevel1");
  rule->setGeometry(8, 200, kInner, 2);
  rule->setFrameShape(QFrame::HLine);
  rule->setFrameShadow(QFrame::Sunken);
  HideFromAssistiveTech(rule);

  yourHold_ = MakeLabel(this, "YourHoldLabl", {8, 206, kInner, 32});
  verdict_ = MakeLabel(this, "VerdictLabl", {8, 242, kInner, 34});
  verdict_->setWordWrap(true);
  verdict_->setFont(PixelFont("Liberation Sans", 12, true));
  Paint(verdict_, QPalette::WindowText, kMaroon);
  tallyLabel_ = MakeLabel(this, "TallyLabl", {8, 280, kInner, 30});
  tallyLabel_->setWordWrap(true);
  Paint(tallyLabel_, QPalette::WindowText, kNavy);
  const QString yourHoldHelp =
      tr("Where the cards you have turned stand among all the draws, and what they win or lose on average at "
         "your bet.");
  yourHold_->setToolTip(yourHoldHelp);
  yourHold_->setAccessibleDescription(yourHoldHelp);

  // The advice can be reached with Tab, so that a screen reader reads it line by line; it is read,
  // not pressed, so nothing about it looks like a button.
  for (QLabel* label : {holds_[0], holds_[1], holds_[2], reason_, yourHold_, verdict_, tallyLabel_})
    label->setFocusPolicy(Qt::TabFocus);
  setStyleSheet("QLabel { border: none; } QLabel:focus { background: white; }");

  hint_ = new QPushButton(tr("&Hint"), this);
  hint_->setObjectName("HintBtn");
  hint_->setGeometry(kWidth - 164, 314, 75, 23);
  hint_->setToolTip(tr("Turn your cards to the best hold"));
  connect(hint_, &QPushButton::clicked, this, &TCoachBox::Hint);
  auto* close = new QPushButton(tr("&Close"), this);
  close->setObjectName("CloseBtn");
  close->setGeometry(kWidth - 83, 314, 75, 23);
  connect(close, &QPushButton::clicked, this, &QDialog::close);
  auto* toggle = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_K), this);
  connect(toggle, &QShortcut::activated, this, &QDialog::close);

  connect(worker_, &CoachWorker::Ranked, this, &TCoachBox::HoldsRanked);
  ShowState();
}

void TCoachBox::DiscardBegins(const Hand& dealt, std::int32_t bet) {
  worker_->Drop();
  phase_ = Phase::Discarding;
  hand_ = dealt;
  bet_ = bet;
  discards_ = {};
  ranked_.clear();
  hintWanted_ = hinted_ = settled_ = false;
  Analyse();
  ShowState();
}

void TCoachBox::CardsTurned(const SlotFlags& discards) {
  discards_ = discards;
  ShowState();
}

void TCoachBox::DrawMade(const SlotFlags& discards) {
  worker_->Drop();
  discards_ = discards;
  hintWanted_ = false;
  const bool judged = phase_ == Phase::Discarding && !ranked_.empty();
  if (judged) tally_.Record(ranked_, discards_, bet_, hinted_);
  phase_ = Phase::Drawn;
  if (judged) {
    const DrawJudgement j = JudgeDraw(ranked_, discards_);
    emit DrawJudged(j.place, j.kind == DrawJudgement::Below ? j.below * bet_ : 0.0, ranked_.front().discards);
  }
  ShowState();
  if (isVisible()) emit Verdict(VerdictText(true));
}

void TCoachBox::HandSettled(Outcome outcome) {
  if (phase_ != Phase::Drawn) return;
  settled_ = true;
  outcome_ = outcome;
  ShowState();
}

void TCoachBox::NewGame() {
  worker_->Drop();
  phase_ = Phase::Idle;
  ranked_.clear();
  tally_ = {};
  hintWanted_ = hinted_ = settled_ = false;
  ShowState();
}

void TCoachBox::Hint() {
  if (phase_ != Phase::Discarding) return;
  if (ranked_.empty()) {
    hintWanted_ = true;
    Analyse();
    ShowState();
    return;
  }
  GiveHint();
}

void TCoachBox::GiveHint() {
  hintWanted_ = false;
  hinted_ = true;
  emit HintGiven(ranked_.front().discards);
}

void TCoachBox::Toggle() {
  if (isVisible()) {
    close();
    return;
  }
  show();
  if (parentWidget()) parentWidget()->window()->activateWindow();
}

void TCoachBox::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  PlaceBesideTable();
  Analyse();
  ShowState();
  emit OpenChanged(true);
}

void TCoachBox::hideEvent(QHideEvent* e) {
  QDialog::hideEvent(e);
  emit OpenChanged(false);
}

void TCoachBox::HoldsRanked(const std::vector<HoldOdds>& holds) {
  ranked_ = holds;
  ShowState();
  if (hintWanted_) GiveHint();
}

void TCoachBox::Analyse() {
  // A hint is worked out even with the window closed: the table asks for it by key.
  if ((isVisible() || hintWanted_) && phase_ == Phase::Discarding && ranked_.empty() && !worker_->Busy())
    worker_->Start(hand_);
}

void TCoachBox::PlaceBesideTable() {
  // Beside the table, its top edge level with the table's: right of it if the screen has room,
  // else left, else below. On a screen too small for any of those, clear of the player's cards.
  if (placed_ || !parentWidget()) return;
  placed_ = true;
  if (MoveToPlayersPlace(this, GameWindow::Coach)) return;
  QWidget* tableWindow = parentWidget()->window();
  const QRect table = tableWindow->frameGeometry();
  const QScreen* screen = tableWindow->screen();
  if (!screen) return;
  const QRect room = screen->availableGeometry();
  // Before the window manager has framed the coach, take its frame to be the table's.
  const QMargins frame(
      tableWindow->geometry().left() - table.left(), tableWindow->geometry().top() - table.top(),
      table.right() - tableWindow->geometry().right(), table.bottom() - tableWindow->geometry().bottom());
  const QSize outer = size().grownBy(frame);
  const int gap = 2;
  auto fits = [&](const QPoint& at) { return room.contains(QRect(at, outer)); };
  const QPoint right(table.right() + 1 + gap, table.top()),
      left(table.left() - gap - outer.width(), table.top()), below(table.left(), table.bottom() + 1 + gap);
  // The places are the frame's; the window manager frames the client, so that is what is placed.
  const auto place = [&](const QPoint& frameAt) {
    setGeometry(QRect(frameAt + QPoint(frame.left(), frame.top()), size()));
  };
  for (const QPoint& at : {right, left, below})
    if (fits(at)) return place(at);

  QRect cards;
  for (int i = 0; i < 5; ++i)
    if (const QWidget* card = tableWindow->findChild<QWidget*>(QStringLiteral("PlrCard%1").arg(i)))
      cards |= QRect(card->mapToGlobal(QPoint(0, 0)), card->size());
  const int x = std::clamp(table.right() - outer.width(), room.left(), room.right() - outer.width() + 1);
  int y = room.top();
  if (cards.isValid() && QRect(QPoint(x, y), outer).intersects(cards))
    y = std::min(cards.bottom() + 1 + gap, room.bottom() - outer.height() + 1);
  place(QPoint(x, y));
}

QString TCoachBox::VerdictText(bool spoken) const {
  if (phase_ != Phase::Drawn) return {};
  if (ranked_.empty()) return tr("No verdict: the draw came before the odds were ready");
  const DrawJudgement j = JudgeDraw(ranked_, discards_);
  switch (j.kind) {
    case DrawJudgement::NotRanked:
      return {};
    case DrawJudgement::Best:
      return tr("Best hold");
    case DrawJudgement::AsGoodAsBest:
      return tr("As good as the best: within %1")
          .arg(std::max(kCoachPrecision,
                        ranked_[static_cast<std::size_t>(HoldIndex(ranked_, discards_))].error),
               0, 'f', 3);
    case DrawJudgement::Below:
      break;
  }
  const HoldOdds& best = ranked_.front();
  if (settled_ && outcome_ != DealerWins) {
    // The hand went the player's way: say what the best would have been, and leave it there.
    const QString what = spoken ? HoldWords(hand_, best.discards) : ThrowSigns(hand_, best.discards);
    const QString head = outcome_ == PlayerWins ? tr("You won this one.") : tr("A push this time.");
    return tr("%1 The best hold was %2, worth $%3 more on average at your bet.")
        .arg(head, DiscardCount(best.discards) == 0 ? tr("stand pat")
                   : spoken                         ? what
                                                    : tr("throw %1").arg(what))
        .arg(j.below * bet_, 0, 'f', 2);
  }
  // In the player's money: what the best hold would have brought more, on average, at this bet.
  const QString head = tr("%1 of %2: ").arg(Ordinal(j.place)).arg(j.holds);
  if (j.below * bet_ < 0.005) return head + tr("the best hold averages less than a cent more at your bet");
  return head + tr("the best hold averages $%1 more at your bet").arg(j.below * bet_, 0, 'f', 2);
}

void TCoachBox::ShowState() {
  for (int i = 0; i < 5; ++i) {
    const bool turned = phase_ != Phase::Idle && discards_[i] == 1;
    cards_[i]->graphicsEffect()->setEnabled(turned && phase_ == Phase::Discarding);
    if (phase_ == Phase::Idle) {
      ClearImage(cards_[i]);
      cards_[i]->setAccessibleName(QString());
    } else {
      ShowImage(cards_[i], hand_[i]);
      cards_[i]->setAccessibleName(phase_ == Phase::Discarding && turned
                                       ? tr("%1, turned down").arg(CardWords(hand_[i]))
                                       : CardWords(hand_[i]));
    }
  }

  for (int i = 0; i < 3; ++i) {
    QString text, spoken;
    if (phase_ == Phase::Idle && i == 0) {
      text = spoken = tr("The coach ranks your holds when the cards are dealt.");
    } else if (worker_->Busy() && i == 0) {
      text = spoken = tr("Working out the odds...");
    } else if (static_cast<std::size_t>(i) < ranked_.size()) {
      const HoldOdds& h = ranked_[static_cast<std::size_t>(i)];
      const bool tied = i > 0 && h.best;
      text = Row((tied ? "= " : "") + ThrowSigns(hand_, h.discards), Percent(h.win), Percent(h.push),
                 Percent(h.lose), Dollars(h.Value(), bet_));
      spoken = tr("Hold %1 of %2%3: %4; win %5, push %6, lose %7, %8")
                   .arg(i + 1)
                   .arg(ranked_.size())
                   .arg(tied ? tr(", as good as the best") : QString(), HoldWords(hand_, h.discards),
                        Percent(h.win), Percent(h.push), Percent(h.lose), SpokenDollars(h.Value(), bet_));
    }
    Show(holds_[i], text, spoken, i == 0);
  }

  const QString reason = phase_ != Phase::Idle && !ranked_.empty()
                             ? tr("Why: %1").arg(ReasonWords(ReasonFor(hand_, ranked_.front().discards)))
                             : QString();
  Show(reason_, reason, reason, false);

  QString hold, spokenHold;
  if (phase_ != Phase::Idle && !ranked_.empty()) {
    const bool drawn = phase_ == Phase::Drawn;
    const bool pat = DiscardCount(discards_) == 0;
    hold = pat ? (drawn ? tr("You stood pat") : tr("You stand pat"))
               : (drawn ? tr("You threw %1") : tr("You throw %1")).arg(ThrowSigns(hand_, discards_));
    spokenHold =
        pat ? hold : (drawn ? tr("You threw %1") : tr("You throw %1")).arg(ThrowWords(hand_, discards_));
    const DrawCheck check = CheckDraw(hand_, discards_);
    QString standing, spokenStanding;
    if (!check.Passed()) {
      standing = spokenStanding = tr("Not a legal draw: %1").arg(Words(check.refusal).text);
    } else {
      const DrawJudgement j = JudgeDraw(ranked_, discards_);
      const double value = ranked_.front().Value() - j.below;
      standing = tr("%1 of %2, %3 on average").arg(Ordinal(j.place)).arg(j.holds).arg(Dollars(value, bet_));
      spokenStanding = tr("%1 of %2, %3").arg(Ordinal(j.place)).arg(j.holds).arg(SpokenDollars(value, bet_));
    }
    hold += "<br>" + standing;
    spokenHold += ". " + spokenStanding;
  }
  Show(yourHold_, hold, spokenHold, false);

  const QString verdict = VerdictText(false), spokenVerdict = VerdictText(true);
  Show(verdict_, verdict, spokenVerdict, true);

  hint_->setEnabled(phase_ == Phase::Discarding);
  const QString tally =
      (tally_.decisions == 1 ? tr("This game: %1 decision, ") : tr("This game: %1 decisions, "))
          .arg(tally_.decisions) +
      (tally_.best == 1 ? tr("%1 best hold, ") : tr("%1 best holds, ")).arg(tally_.best) +
      tr("%1 hinted, ").arg(tally_.hinted) + tr("$%1 given up").arg(tally_.givenUp, 0, 'f', 2);
  Show(tallyLabel_, tally, tally, false);
}
