#include "coach/coachbox.h"

#include <QAccessible>
#include <QFrame>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStringList>
#include <cmath>

#include "coach/coachworker.h"
#include "decks/catalogue.h"
#include "game/compare.h"
#include "game/drawrule.h"
#include "platform/imagebox.h"
#include "platform/palette.h"
#include "platform/windows.h"
#include "platform/words.h"

TCoachBox* CoachBox = nullptr;

namespace {

constexpr int kWidth = 330;
constexpr int kHeight = 299;
constexpr const char* kRankSigns[13] = {"2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K", "A"};
constexpr const char16_t* kSuitSigns[4] = {u"\u2665", u"\u2666", u"\u2663", u"\u2660"};  // hearts .. spades

// A card as it is shown ("10" and a red heart) and as it is spoken ("Ten of Hearts").
QString CardSign(CardCode card) {
  const QString sign =
      QString::fromLatin1(kRankSigns[RankOf(card)]) + QString::fromUtf16(kSuitSigns[SuitOf(card)]);
  return SuitOf(card) < 2 ? QStringLiteral("<span style=\"color:%1\">%2</span>").arg(Css(kCardRed), sign)
                          : sign;
}

// The cards a hold throws, shown and spoken.
QString ThrowSigns(const Hand& hand, const SlotFlags& discards) {
  QStringList signs;
  for (int slot = 0; slot < 5; ++slot)
    if (discards[slot] == 1) signs << CardSign(hand[slot]);
  return signs.isEmpty() ? QStringLiteral("Stand pat") : signs.join(' ');
}
QString ThrowWords(const Hand& hand, const SlotFlags& discards) {
  QStringList words;
  for (int slot = 0; slot < 5; ++slot)
    if (discards[slot] == 1) words << "the " + CardWords(hand[slot]);
  if (words.isEmpty()) return QStringLiteral("none");
  const QString last = words.takeLast();
  return words.isEmpty() ? last : words.join(", ") + " and " + last;
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

QString VerdictWords(const DrawJudgement& j) {
  switch (j.kind) {
    case DrawJudgement::NotRanked:
      return {};
    case DrawJudgement::Best:
      return TCoachBox::tr("Best hold");
    case DrawJudgement::AsGoodAsBest:
      return TCoachBox::tr("As good as the best: within %1").arg(kCoachPrecision, 0, 'f', 3);
    case DrawJudgement::Below:
      break;
  }
  const QString head = TCoachBox::tr("%1 of %2: ").arg(Ordinal(j.place)).arg(j.holds);
  if (j.below < 0.0005) return head + TCoachBox::tr("less than 0.001 bets below the best");
  return head + TCoachBox::tr("%1 bets below the best").arg(j.below, 0, 'f', 3);
}

QString Percent(double p) { return QString::number(100 * p, 'f', 1) + '%'; }
QString Value(double v) { return (v >= 0 ? "+" : "") + QString::number(v, 'f', 3); }
QString SpokenValue(double v) {
  return (v < 0 ? "minus " : "") + QString::number(std::abs(v), 'f', 3) + " bets";
}

// One row of the table of holds: what to throw, then the win, push and loss chances and the value.
QString Row(const QString& what, const QString& win, const QString& push, const QString& lose,
            const QString& value, bool header = false) {
  const char* cell =
      header ? "<td align=\"right\" width=\"%1\"><u>%2</u></td>" : "<td align=\"right\" width=\"%1\">%2</td>";
  QString row = QString(header ? "<td width=\"118\"><u>%1</u></td>" : "<td width=\"118\">%1</td>").arg(what);
  for (const QString& figure : {win, push, lose}) row += QString::fromLatin1(cell).arg(48).arg(figure);
  row += QString::fromLatin1(cell).arg(52).arg(value);
  return "<table cellspacing=\"0\" cellpadding=\"0\" width=\"314\"><tr>" + row + "</tr></table>";
}

QString Plural(int n, const char* one, const char* many) {
  return QString::number(n) + ' ' + QString::fromLatin1(n == 1 ? one : many);
}

QLabel* MakeLabel(QWidget* parent, const QString& name, const QRect& geometry) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  label->setGeometry(geometry);
  label->setTextFormat(Qt::RichText);
  return label;
}

// Sets a label's text and the words a screen reader says for it; announces a change that matters.
void Say(QLabel* label, const QString& text, const QString& spoken, bool announce) {
  const bool changed = label->accessibleName() != spoken;
  label->setText(text);
  label->setAccessibleName(spoken);
  if (changed && announce) {
    QAccessibleEvent event(label, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
  }
}

}  // namespace

TCoachBox::TCoachBox(QWidget* table) : QDialog(table), worker_(new CoachWorker(this)) {
  setObjectName("TCoachBox");
  setWindowTitle("Coach");
  resize(kWidth, kHeight);
  SetUpDialog(this);
  setModal(false);
  Paint(this, QPalette::Window, kSilver);
  worker_->setObjectName("Worker");

  auto* felt = new QFrame(this);
  felt->setObjectName("CardsPanl");
  felt->setGeometry(0, 0, kWidth, 80);
  Paint(felt, QPalette::Window, kTableGreen);
  for (int i = 0; i < 5; ++i) {
    auto* card = new ImageBox(felt);
    card->setObjectName(QStringLiteral("CoachCard%1").arg(i));
    card->setGeometry(35 + 53 * i, 8, 47, 64);
    cards_[i] = card;
  }

  QLabel* title = MakeLabel(this, "HoldsLabl", {8, 88, 314, 16});
  title->setText("Best holds against the Dealer's rule");
  title->setFont(PixelFont("Liberation Sans", 11, true));
  Paint(title, QPalette::WindowText, kNavy);
  QLabel* head = MakeLabel(this, "HeadLabl", {8, 106, 314, 16});
  head->setText(Row("Throw", "Win", "Push", "Loss", "Value", true));
  head->setAccessibleName("Columns: cards to throw, win, push, loss, value in bets");
  for (int i = 0; i < 3; ++i)
    holds_[i] = MakeLabel(this, QStringLiteral("Hold%1Labl").arg(i), {8, 124 + 18 * i, 314, 18});

  auto* rule = new QFrame(this);
  rule->setObjectName("Bevel1");
  rule->setGeometry(8, 182, 314, 2);
  rule->setFrameShape(QFrame::HLine);
  rule->setFrameShadow(QFrame::Sunken);

  yourHold_ = MakeLabel(this, "YourHoldLabl", {8, 188, 314, 32});
  verdict_ = MakeLabel(this, "VerdictLabl", {8, 224, 314, 18});
  verdict_->setFont(PixelFont("Liberation Sans", 12, true));
  Paint(verdict_, QPalette::WindowText, kMaroon);
  tallyLabel_ = MakeLabel(this, "TallyLabl", {8, 246, 314, 16});
  Paint(tallyLabel_, QPalette::WindowText, kNavy);

  // The advice can be reached with Tab, so that a screen reader reads it line by line.
  for (QLabel* label : {holds_[0], holds_[1], holds_[2], yourHold_, verdict_, tallyLabel_})
    label->setFocusPolicy(Qt::TabFocus);
  setStyleSheet("QLabel:focus { background: white; }");

  auto* close = new QPushButton("&Close", this);
  close->setObjectName("CloseBtn");
  close->setGeometry(247, 268, 75, 23);
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
  if (phase_ == Phase::Discarding && !ranked_.empty()) tally_.Record(ranked_, discards_, bet_);
  phase_ = Phase::Drawn;
  ShowState();
}

void TCoachBox::NewGame() {
  worker_->Drop();
  phase_ = Phase::Idle;
  ranked_.clear();
  tally_ = {};
  ShowState();
}

void TCoachBox::Toggle() {
  if (isVisible()) {
    close();
    return;
  }
  show();
  activateWindow();
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
}

void TCoachBox::Analyse() {
  if (isVisible() && phase_ == Phase::Discarding && ranked_.empty() && !worker_->Busy())
    worker_->Start(hand_);
}

void TCoachBox::PlaceBesideTable() {
  // Beside the table rather than over its cards: right of it if the screen has room, else left.
  if (placed_ || !parentWidget()) return;
  placed_ = true;
  const QRect table = parentWidget()->window()->frameGeometry();
  const QScreen* screen = parentWidget()->screen();
  if (!screen) return;
  const QRect room = screen->availableGeometry();
  const int gap = 8;
  int x = table.right() + gap;
  if (x + frameGeometry().width() > room.right()) x = table.left() - gap - frameGeometry().width();
  if (x < room.left()) return;
  move(x, table.top());
}

void TCoachBox::ShowState() {
  for (int i = 0; i < 5; ++i) {
    if (phase_ == Phase::Idle) {
      ClearImage(cards_[i]);
      cards_[i]->setAccessibleName(QString());
    } else {
      ShowImage(cards_[i], hand_[i]);
      cards_[i]->setAccessibleName(CardWords(hand_[i]));
    }
  }

  for (int i = 0; i < 3; ++i) {
    QString text, spoken;
    if (phase_ == Phase::Idle && i == 0) {
      text = spoken = "The coach ranks your holds when the cards are dealt.";
    } else if (worker_->Busy() && i == 0) {
      text = spoken = "Working out the odds...";
    } else if (static_cast<std::size_t>(i) < ranked_.size()) {
      const HoldOdds& h = ranked_[static_cast<std::size_t>(i)];
      text = Row(ThrowSigns(hand_, h.discards), Percent(h.win), Percent(h.push), Percent(h.lose),
                 Value(h.Value()));
      spoken =
          QStringLiteral("Hold %1 of %2: %3; win %4, push %5, lose %6, value %7")
              .arg(i + 1)
              .arg(ranked_.size())
              .arg(DiscardCount(h.discards) == 0 ? "stand pat" : "throw " + ThrowWords(hand_, h.discards),
                   Percent(h.win), Percent(h.push), Percent(h.lose), SpokenValue(h.Value()));
    }
    Say(holds_[i], text, spoken, i == 0);
  }

  QString hold, spokenHold;
  if (phase_ != Phase::Idle && !ranked_.empty()) {
    const bool drawn = phase_ == Phase::Drawn;
    const bool pat = DiscardCount(discards_) == 0;
    hold = pat ? (drawn ? "You stood pat" : "You stand pat")
               : (drawn ? "You threw " : "You throw ") + ThrowSigns(hand_, discards_);
    spokenHold = pat ? hold : (drawn ? "You threw " : "You throw ") + ThrowWords(hand_, discards_);
    const DrawCheck check = CheckDraw(hand_, discards_);
    QString standing, spokenStanding;
    if (!check.Passed()) {
      standing = spokenStanding = "Not a legal draw: " + Words(check.refusal).text;
    } else {
      const int place = HoldPlace(ranked_, discards_);
      const double value = ranked_[static_cast<std::size_t>(place - 1)].Value();
      standing = Ordinal(place) + " of " + QString::number(ranked_.size()) + ", value ";
      spokenStanding = standing + SpokenValue(value);
      standing += Value(value);
    }
    hold += "<br>" + standing;
    spokenHold += ". " + spokenStanding;
  }
  Say(yourHold_, hold, spokenHold, false);

  QString verdict;
  if (phase_ == Phase::Drawn)
    verdict = ranked_.empty() ? QStringLiteral("No verdict: the draw came before the odds were ready")
                              : VerdictWords(JudgeDraw(ranked_, discards_));
  Say(verdict_, verdict, verdict, true);

  const QString tally = "This game: " + Plural(tally_.decisions, "decision", "decisions") + ", " +
                        Plural(tally_.best, "best hold", "best holds") + ", $" +
                        QString::number(tally_.givenUp, 'f', 2) + " given up";
  Say(tallyLabel_, tally, tally, false);
}
