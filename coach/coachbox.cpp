#include "coach/coachbox.h"

#include <QFrame>
#include <QGraphicsOpacityEffect>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStringList>
#include <QTableView>
#include <QVBoxLayout>

#include "coach/coachmodel.h"
#include "coach/coachwords.h"
#include "coach/coachworker.h"
#include "decks/catalogue.h"
#include "game/drawrule.h"
#include "platform/accessible.h"
#include "platform/imagebox.h"
#include "platform/palette.h"
#include "platform/settings.h"
#include "platform/windows.h"
#include "platform/words.h"

namespace {

constexpr int kCardWidth = 47, kCardHeight = 64, kCardGap = 6;

constexpr const char* kColumnsHelp = QT_TRANSLATE_NOOP(
    "TCoachBox",
    "Throw: the cards to turn down. Win, Push, Lose: the chances that your hand then beats the "
    "Dealer's, ties it (you get your bet back) or loses to it. Average: what the draw wins or loses "
    "on average at your bet.");

int HoldIndex(const std::vector<HoldOdds>& ranked, const SlotFlags& discards) {
  return static_cast<int>(
      std::find_if(ranked.begin(), ranked.end(), [&](const HoldOdds& h) { return h.discards == discards; }) -
      ranked.begin());
}

// A line of the window's text: plain, wrapped at the window's width, and never shorter than
// lines lines, so that the window keeps its size while the hand goes on.
QLabel* Line(QWidget* parent, const char* name, int lines) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  label->setTextFormat(Qt::PlainText);
  label->setWordWrap(true);
  label->setMinimumHeight(lines * label->fontMetrics().lineSpacing());
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
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

TCoachBox::TCoachBox(QWidget* table)
    : SideWindow(table, GameWindow::Coach, false),
      worker_(new CoachWorker(this)),
      model_(new CoachModel(this)) {
  setObjectName("TCoachBox");
  setWindowTitle(tr("Coach"));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  setModal(false);
  UseBaseFont(this);
  // Opened from the table, it leaves the keyboard there: the player goes on discarding by key,
  // and hears the coach's verdict from the table.
  setAttribute(Qt::WA_ShowWithoutActivating);
  Paint(this, QPalette::Window, kSilver);
  worker_->setObjectName("Worker");

  auto* felt = new QFrame(this);
  felt->setObjectName("CardsPanl");
  Paint(felt, QPalette::Window, kTableGreen);
  auto* cardRow = new QHBoxLayout(felt);
  cardRow->setContentsMargins(8, 8, 8, 8);
  cardRow->setSpacing(kCardGap);
  cardRow->addStretch(1);
  for (int i = 0; i < 5; ++i) {
    auto* card = new ImageBox(felt);
    card->setObjectName(QStringLiteral("CoachCard%1").arg(i));
    card->setFixedSize(kCardWidth, kCardHeight);
    // A card the player has turned down shows faded, as it is to be thrown.
    auto* fade = new QGraphicsOpacityEffect(card);
    fade->setOpacity(0.35);
    fade->setEnabled(false);
    card->setGraphicsEffect(fade);
    cardRow->addWidget(card);
    cards_[i] = card;
  }
  cardRow->addStretch(1);

  auto* title = new QLabel(tr("Best holds against the Dealer's rule"), this);
  title->setObjectName("HoldsLabl");
  title->setFont(PixelFont("Liberation Sans", 11, true));
  Paint(title, QPalette::WindowText, kNavy);

  holds_ = new QTableView(this);
  holds_->setObjectName("HoldsView");
  holds_->setModel(model_);
  holds_->setAccessibleName(title->text());
  holds_->setAccessibleDescription(tr(kColumnsHelp));
  holds_->setToolTip(tr(kColumnsHelp));
  holds_->setSelectionBehavior(QAbstractItemView::SelectRows);
  holds_->setSelectionMode(QAbstractItemView::SingleSelection);
  holds_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  holds_->setWordWrap(false);
  holds_->setShowGrid(false);
  holds_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  holds_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  holds_->verticalHeader()->hide();
  holds_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  holds_->verticalHeader()->setDefaultSectionSize(holds_->fontMetrics().height() + 6);
  holds_->horizontalHeader()->setSectionsClickable(false);
  holds_->horizontalHeader()->setHighlightSections(false);
  holds_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  holds_->horizontalHeader()->setDefaultAlignment(Qt::AlignRight | Qt::AlignVCenter);

  note_ = Line(this, "NoteLabl", 1);
  reason_ = Line(this, "ReasonLabl", 1);
  Paint(reason_, QPalette::WindowText, kNavy);
  edge_ = Line(this, "EdgeLabl", 2);
  auto* rule = new QFrame(this);
  rule->setObjectName("Bevel1");
  rule->setFrameShape(QFrame::HLine);
  rule->setFrameShadow(QFrame::Sunken);
  HideFromAssistiveTech(rule);
  yourHold_ = Line(this, "YourHoldLabl", 2);
  verdict_ = Line(this, "VerdictLabl", 2);
  verdict_->setFont(PixelFont("Liberation Sans", 12, true));
  Paint(verdict_, QPalette::WindowText, kMaroon);
  tallyLabel_ = Line(this, "TallyLabl", 2);
  Paint(tallyLabel_, QPalette::WindowText, kNavy);
  const QString yourHoldHelp =
      tr("Where the cards you have turned stand among all the draws, and what they win or lose on average at "
         "your bet.");
  yourHold_->setToolTip(yourHoldHelp);
  yourHold_->setAccessibleDescription(yourHoldHelp);

  // The advice can be reached with Tab, so that a screen reader reads it line by line; it is read,
  // not pressed, so nothing about it looks like a button.
  holds_->setFocusPolicy(Qt::TabFocus);
  for (QLabel* label : {note_, reason_, edge_, yourHold_, verdict_, tallyLabel_})
    label->setFocusPolicy(Qt::TabFocus);
  setStyleSheet("QLabel { border: none; } QLabel:focus { background: white; }");

  hint_ = new QPushButton(tr("&Hint"), this);
  hint_->setObjectName("HintBtn");
  hint_->setToolTip(tr("Turn your cards to the best hold"));
  connect(hint_, &QPushButton::clicked, this, &TCoachBox::Hint);
  auto* close = new QPushButton(tr("&Close"), this);
  close->setObjectName("CloseBtn");
  connect(close, &QPushButton::clicked, this, &QDialog::close);
  auto* toggle = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_K), this);
  connect(toggle, &QShortcut::activated, this, &QDialog::close);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(hint_);
  buttons->addWidget(close);
  auto* advice = new QVBoxLayout;
  advice->setContentsMargins(8, 6, 8, 8);
  advice->setSpacing(4);
  for (QWidget* w : std::initializer_list<QWidget*>{title, holds_, note_, reason_, edge_, rule, yourHold_,
                                                    verdict_, tallyLabel_})
    advice->addWidget(w);
  advice->addLayout(buttons);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->setSizeConstraint(QLayout::SetNoConstraint);
  layout->addWidget(felt);
  layout->addLayout(advice);

  connect(worker_, &CoachWorker::Ranked, this, &TCoachBox::HoldsRanked);
  FitColumns();
  ShowState();
}

void TCoachBox::FitColumns() {
  // Wide enough for the longest throw, the fullest chance and an average of the whole bet.
  const QFontMetrics m = holds_->fontMetrics();
  const auto widthOf = [&](const QString& sample) { return m.horizontalAdvance(sample) + 12; };
  const QString longestThrow = QStringLiteral("= 10\u2666 10\u2666 10\u2666 10\u2666");
  const QStringList samples[CoachModel::ColumnCount] = {
      {longestThrow, QStringLiteral("= ") + CoachWords::ThrowSigns({}, {})},
      {CoachWords::Percent(1, 0)},
      {CoachWords::Percent(1, 0)},
      {CoachWords::Percent(1, 0)},
      {CoachWords::Dollars(-1, std::max(bet_, 100), 0)}};
  int width = 2 * holds_->frameWidth();
  for (int c = 0; c < CoachModel::ColumnCount; ++c) {
    int column = widthOf(model_->headerData(c, Qt::Horizontal).toString());
    for (const QString& sample : samples[c]) column = std::max(column, widthOf(sample));
    holds_->horizontalHeader()->resizeSection(c, column);
    width += column;
  }
  holds_->setFixedSize(width, 2 * holds_->frameWidth() + holds_->horizontalHeader()->sizeHint().height() +
                                  CoachModel::kShown * holds_->verticalHeader()->defaultSectionSize());
}

void TCoachBox::FitWindow() {
  // Every line wraps at the width the table and the cards need, and the window is as tall as its
  // lines then are.
  layout()->activate();
  const int width = std::max(layout()->minimumSize().width(), holds_->width() + 16);
  const int height = layout()->hasHeightForWidth() ? layout()->totalHeightForWidth(width)
                                                   : layout()->totalSizeHint().height();
  setFixedSize(width, height);
}

void TCoachBox::DiscardBegins(const Hand& dealt, std::int32_t bet) {
  worker_->Drop();
  phase_ = Phase::Discarding;
  hand_ = dealt;
  bet_ = bet;
  discards_ = {};
  ranked_.clear();
  hintWanted_ = hinted_ = settled_ = turned_ = tellBest_ = false;
  FitColumns();
  Analyse();
  ShowState();
}

void TCoachBox::CardsTurned(const SlotFlags& discards) {
  discards_ = discards;
  turned_ = true;
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
  hintWanted_ = hinted_ = settled_ = turned_ = tellBest_ = false;
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
  const SlotFlags best = ranked_.front().discards;
  const bool already = discards_ == best;
  emit HintGiven(best);
  const QString hold = CoachWords::WholeHoldWords(hand_, best);
  emit Said(already ? tr("Your cards already stand as the coach's best hold: %1.").arg(hold)
                    : tr("The coach set its best hold: %1.").arg(hold));
}

void TCoachBox::showEvent(QShowEvent* e) {
  SideWindow::showEvent(e);
  Analyse();
  ShowState();
  tellBest_ = phase_ == Phase::Discarding && ranked_.empty();
  if (phase_ == Phase::Discarding && !ranked_.empty()) {
    emit Said(
        tr("Coach open. Best hold: %1.").arg(CoachWords::WholeHoldWords(hand_, ranked_.front().discards)));
  } else {
    emit Said(tellBest_ ? tr("Coach open, working out the odds.") : tr("Coach open."));
  }
}

void TCoachBox::hideEvent(QHideEvent* e) {
  SideWindow::hideEvent(e);
  tellBest_ = false;
  emit Said(tr("Coach closed."));
}

void TCoachBox::HoldsRanked(const std::vector<HoldOdds>& holds) {
  ranked_ = holds;
  ShowState();
  if (tellBest_ && isVisible() && !ranked_.empty())
    emit Said(tr("Coach's best hold: %1.").arg(CoachWords::WholeHoldWords(hand_, ranked_.front().discards)));
  tellBest_ = false;
  if (hintWanted_) GiveHint();
}

void TCoachBox::Analyse() {
  // A hint is worked out even with the window closed: the table asks for it by key.
  if ((isVisible() || hintWanted_) && phase_ == Phase::Discarding && ranked_.empty() && !worker_->Busy())
    worker_->Start(hand_);
}

void TCoachBox::PlaceWhenNoRoom(const QRect& room, const QRect& table, const QMargins& frame) {
  const QSize outer = size().grownBy(frame);
  QRect cards;
  for (int i = 0; i < 5; ++i)
    if (const QWidget* card =
            parentWidget()->window()->findChild<QWidget*>(QStringLiteral("PlrCard%1").arg(i)))
      cards |= QRect(card->mapToGlobal(QPoint(0, 0)), card->size());
  const int x = std::clamp(table.right() - outer.width(), room.left(), room.right() - outer.width() + 1);
  int y = room.top();
  if (cards.isValid() && QRect(QPoint(x, y), outer).intersects(cards))
    y = std::min(cards.bottom() + 3, room.bottom() - outer.height() + 1);
  setGeometry(QRect(QPoint(x, y) + QPoint(frame.left(), frame.top()), size()));
}

QString TCoachBox::VerdictText(bool spoken) const {
  if (phase_ != Phase::Drawn) return {};
  if (ranked_.empty()) return tr("No verdict: the draw came before the odds were ready");
  const DrawJudgement j = JudgeDraw(ranked_, discards_);
  const HoldOdds& mine = ranked_[static_cast<std::size_t>(HoldIndex(ranked_, discards_))];
  switch (j.kind) {
    case DrawJudgement::NotRanked:
      return {};
    case DrawJudgement::Best:
      return tr("Best hold");
    case DrawJudgement::AsGoodAsBest:
      return tr("As good as the best: within %1 at your bet")
          .arg(CoachWords::Margin(std::max(kCoachPrecision, mine.error) * bet_));
    case DrawJudgement::Below:
      break;
  }
  // In the player's money: what the best hold would have brought more, on average, at this bet,
  // to the precision of the gap.
  const HoldOdds& best = ranked_.front();
  const QString more = CoachWords::Amount(j.below * bet_, mine.error * bet_);
  if (settled_ && outcome_ != DealerWins) {
    // The hand went the player's way: say what the best would have been, and leave it there.
    const QString what = spoken ? CoachWords::HoldWords(hand_, best.discards)
                         : DiscardCount(best.discards) == 0
                             ? tr("stand pat")
                             : tr("throw %1").arg(CoachWords::ThrowSigns(hand_, best.discards));
    const QString head = outcome_ == PlayerWins ? tr("You won this one.") : tr("A push this time.");
    return tr("%1 The best hold was %2, worth %3 more on average at your bet.").arg(head, what, more);
  }
  return tr("%1 of %2: the best hold averages %3 more at your bet")
      .arg(CoachWords::Ordinal(j.place))
      .arg(j.holds)
      .arg(more);
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

  const bool ranked = phase_ != Phase::Idle && !ranked_.empty();
  model_->Show(hand_, phase_ == Phase::Idle ? std::vector<HoldOdds>{} : ranked_, bet_);
  QString note;
  if (phase_ == Phase::Idle) {
    note = tr("The coach ranks your holds when the cards are dealt.");
  } else if (worker_->Busy()) {
    note = tr("Working out the odds...");
  } else if (ranked) {
    // The averages are known far less well than the gaps between them: the Dealer's luck moves
    // every hold alike.
    double own = 0, gaps = kCoachPrecision;
    for (std::size_t i = 0; i < std::min<std::size_t>(CoachModel::kShown, ranked_.size()); ++i) {
      own = std::max(own, ranked_[i].valueError);
      gaps = std::max(gaps, ranked_[i].error);
    }
    note = tr("Averages within %1 at your bet; how far each is below the first, within %2.")
               .arg(CoachWords::Margin(own * bet_), CoachWords::Margin(gaps * bet_));
  }
  Show(note_, note, note, false);

  QString reason, spokenReason, edge;
  if (ranked) {
    const HoldOdds& best = ranked_.front();
    reason = tr("Why: %1").arg(CoachWords::Reason(hand_, best.discards));
    spokenReason = tr("Best: %1. %2").arg(CoachWords::HoldWords(hand_, best.discards), reason);
    // Most holds lose: say why, so that a loss on the best line puzzles nobody.
    edge = best.Value() < 0
               ? tr("The House's edge makes most holds lose on average; the first line loses least.")
               : tr("The House's edge makes most holds lose on average; with this hand the first "
                    "line wins.");
  }
  Show(reason_, reason, spokenReason, ranked);
  Show(edge_, edge, edge, false);

  // Nothing of the player's choice until there is one.
  QString hold, spokenHold;
  if (ranked && (turned_ || phase_ == Phase::Drawn)) {
    const bool drawn = phase_ == Phase::Drawn;
    const bool pat = DiscardCount(discards_) == 0;
    hold =
        pat ? (drawn ? tr("You stood pat") : tr("You stand pat"))
            : (drawn ? tr("You threw %1") : tr("You throw %1")).arg(CoachWords::ThrowSigns(hand_, discards_));
    spokenHold =
        pat ? hold
            : (drawn ? tr("You threw %1") : tr("You throw %1")).arg(CoachWords::ThrowWords(hand_, discards_));
    const DrawCheck check = CheckDraw(hand_, discards_);
    QString standing, spokenStanding;
    if (!check.Passed()) {
      standing = spokenStanding = tr("Not a legal draw: %1").arg(Words(check.refusal).text);
    } else {
      const DrawJudgement j = JudgeDraw(ranked_, discards_);
      const HoldOdds& mine = ranked_[static_cast<std::size_t>(HoldIndex(ranked_, discards_))];
      standing = tr("%1 of %2, %3 on average")
                     .arg(CoachWords::Ordinal(j.place))
                     .arg(j.holds)
                     .arg(CoachWords::Dollars(mine.Value(), bet_, mine.valueError));
      spokenStanding = tr("%1 of %2, %3")
                           .arg(CoachWords::Ordinal(j.place))
                           .arg(j.holds)
                           .arg(CoachWords::SpokenDollars(mine.Value(), bet_, mine.valueError));
    }
    hold += '\n' + standing;
    spokenHold += ". " + spokenStanding;
  }
  Show(yourHold_, hold, spokenHold, false);

  const QString verdict = VerdictText(false), spokenVerdict = VerdictText(true);
  Show(verdict_, verdict, spokenVerdict, true);

  hint_->setEnabled(phase_ == Phase::Discarding);
  QString tally = tr("This game: draws judged %1, best holds %2, on a hint %3.")
                      .arg(tally_.decisions)
                      .arg(tally_.best)
                      .arg(tally_.hinted);
  if (tally_.decisions > tally_.best)
    tally +=
        ' ' +
        tr("The best holds would have won %1 more on average.").arg(CoachWords::Amount(tally_.givenUp, 0));
  else if (tally_.decisions > 0)
    tally += ' ' + tr("Every draw was a best hold.");
  Show(tallyLabel_, tally, tally, false);
  FitWindow();
}
