#include "table/mainform.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPalette>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <cstdint>
#include <limits>
#include <utility>
#include <vector>

#include "decks/catalogue.h"
#include "decks/deckchoice.h"
#include "decks/decksdlg.h"
#include "game/cards.h"
#include "game/compare.h"
#include "game/convert.h"
#include "game/dealer.h"
#include "game/drawrule.h"
#include "game/handrank.h"
#include "game/money.h"
#include "help/about.h"
#include "help/helpbox.h"
#include "help/logobox.h"
#include "platform/accessible.h"
#include "platform/imagebox.h"
#include "platform/numbers.h"
#include "platform/palette.h"
#include "platform/platform.h"
#include "platform/settings.h"
#include "platform/windows.h"
#include "platform/words.h"
#include "stats/gamestats.h"
#include "stats/statbox.h"
#include "table/exitdlg.h"
#include "table/handevents.h"
#include "table/introdlg.h"
#include "table/tablestate.h"
#include "table/voice.h"
#include "ui_mainform.h"

TMainForm* MainForm = nullptr;

namespace {

constexpr int kWinkingKingId = 53;  // the King of Hearts with a wink and a grin

bool HoldsKingOfHearts(const Hand& hand) {
  return std::find(hand.begin(), hand.end(), KingOfHearts) != hand.end();
}

// Colours and pixel-height fonts of the table. Set as palettes rather than a style sheet:
// the table then reaches the screen sooner.
void Decorate(Ui::TMainForm* ui) {
  Paint(ui->Client, QPalette::Window, kSilver);
  for (QWidget* w : std::initializer_list<QWidget*>{ui->t, ui->MoneyPanl, ui->Panel2})
    Paint(w, QPalette::Window, kTableGreen);
  for (QWidget* w :
       std::initializer_list<QWidget*>{ui->Panel1, ui->Panel4, ui->Panel5, ui->Panel6, ui->MoneyBreakPanl})
    Paint(w, QPalette::Window, kOlive);
  for (QWidget* w : std::initializer_list<QWidget*>{ui->CaptionBar, ui->LastBetLabl, ui->Panel3})
    Paint(w, QPalette::Window, kSilver);
  ui->BetLabl->setFont(PixelFont("Liberation Serif", 32, true, true));
  Paint(ui->BetLabl, QPalette::WindowText, kYellow);
  ui->MainLabl->setFont(PixelFont("DejaVu Sans", 27, true, true));
  Paint(ui->MainLabl, QPalette::WindowText, kAqua);
  for (QLabel* l : {ui->DlrLabl, ui->PlrLabl}) {
    l->setFont(PixelFont("DejaVu Sans", 21, true, true));
    Paint(l, QPalette::WindowText, kSilver);
  }
  for (QLabel* l : {ui->DlrNameLabl, ui->PlrNameLabl}) {
    l->setFont(PixelFont("Liberation Sans", 13, true));
    Paint(l, QPalette::WindowText, Qt::black);
  }
  Paint(ui->Label5, QPalette::WindowText, Qt::black);
  Paint(ui->CaptionBar, QPalette::WindowText, Qt::black);
  ui->BetEdit->setFont(PixelFont("Liberation Serif", 13, true, true));
  Paint(ui->BetEdit, QPalette::Text, kYellow);
  for (QLabel* l : {ui->LastBetLabl, ui->BankLabl}) {
    l->setFont(PixelFont("Liberation Serif", 13, false, true));
    Paint(l, QPalette::WindowText, kNavy);
  }
}

// One row per state of the hand cycle: every control the states differ in.
// Where the keyboard focus goes. While the table plays by itself it rests on the result line,
// which a screen reader reads as it changes; a control about to be disabled never holds it, so it
// never wanders along the tab order across the bills.
enum class Focus { Result, BetEdit, Draw };

struct StateRow {
  TableState state;
  bool moneyPanel;  // the money panel, its divider, the bet box, the Bank label and the pot line
  bool names;       // "Dealer" and the player's name over the cards: from a game's first deal on
  bool dealShown;   // the Deal button
  bool dealEnabled;
  bool drawShown;  // the Draw button, in the Deal button's place
  bool drawEnabled;
  bool money;         // the bet box and the five bills take input, and the bills show their hints
  bool blackBetEdit;  // the bet box black while the bet may change, else the panel's green
  bool deckItem;      // Game > Decks...
  bool newGameItem;   // Game > New Game: from the first deal of a game on
  bool cardsTurn;     // a click turns a card of the player's
  bool handsShown;    // both hands lie face up after a showdown: the keyboard reaches every card
  const char* status;
  Focus focus;
};

constexpr const char* kWelcome = QT_TRANSLATE_NOOP("TMainForm", "Welcome to Brindlewharf..");
constexpr const char* kBetAgain = QT_TRANSLATE_NOOP("TMainForm", "  Change your bet or click Deal to play");
constexpr const char* kBetFirst = QT_TRANSLATE_NOOP("TMainForm", "  Enter your bet and click Deal to start");
constexpr const char* kDiscard =
    QT_TRANSLATE_NOOP("TMainForm", "  Click on cards to remove and click Draw to replace");

using TS = TableState;
constexpr std::array<StateRow, kTableStateCount> kStates{{
    // clang-format off
    {.state = TS::Opening,          .moneyPanel = false, .names = false, .dealShown = false, .dealEnabled = false,
     .drawShown = false, .drawEnabled = true,  .money = true,  .blackBetEdit = false, .deckItem = true,
     .newGameItem = false, .cardsTurn = false, .handsShown = false, .status = "",        .focus = Focus::Result},
    {.state = TS::Welcome,          .moneyPanel = true,  .names = false, .dealShown = false, .dealEnabled = false,
     .drawShown = false, .drawEnabled = true,  .money = true,  .blackBetEdit = false, .deckItem = true,
     .newGameItem = false, .cardsTurn = false, .handsShown = false, .status = kWelcome,  .focus = Focus::Result},
    {.state = TS::Betting,          .moneyPanel = true,  .names = true,  .dealShown = true,  .dealEnabled = true,
     .drawShown = false, .drawEnabled = true,  .money = true,  .blackBetEdit = true,  .deckItem = true,
     .newGameItem = true,  .cardsTurn = false, .handsShown = true,  .status = kBetAgain, .focus = Focus::BetEdit},
    {.state = TS::BettingNewGame,   .moneyPanel = true,  .names = false, .dealShown = true,  .dealEnabled = true,
     .drawShown = false, .drawEnabled = true,  .money = true,  .blackBetEdit = true,  .deckItem = true,
     .newGameItem = false, .cardsTurn = false, .handsShown = false, .status = kBetFirst, .focus = Focus::BetEdit},
    {.state = TS::DealingFirstHand, .moneyPanel = true,  .names = true,  .dealShown = false, .dealEnabled = false,
     .drawShown = false, .drawEnabled = true,  .money = false, .blackBetEdit = false, .deckItem = false,
     .newGameItem = true,  .cardsTurn = false, .handsShown = false, .status = "",        .focus = Focus::Result},
    {.state = TS::Dealing,          .moneyPanel = true,  .names = true,  .dealShown = true,  .dealEnabled = false,
     .drawShown = false, .drawEnabled = true,  .money = false, .blackBetEdit = false, .deckItem = false,
     .newGameItem = true,  .cardsTurn = false, .handsShown = false, .status = "",        .focus = Focus::Result},
    {.state = TS::Discarding,       .moneyPanel = true,  .names = true,  .dealShown = false, .dealEnabled = true,
     .drawShown = true,  .drawEnabled = true,  .money = false, .blackBetEdit = false, .deckItem = false,
     .newGameItem = true,  .cardsTurn = true,  .handsShown = false, .status = kDiscard,  .focus = Focus::Draw},
    {.state = TS::DealerToDraw,     .moneyPanel = true,  .names = true,  .dealShown = false, .dealEnabled = true,
     .drawShown = true,  .drawEnabled = false, .money = false, .blackBetEdit = false, .deckItem = false,
     .newGameItem = true,  .cardsTurn = false, .handsShown = false, .status = "",        .focus = Focus::Result},
    {.state = TS::DealerHasDrawn,   .moneyPanel = true,  .names = true,  .dealShown = false, .dealEnabled = true,
     .drawShown = true,  .drawEnabled = false, .money = false, .blackBetEdit = false, .deckItem = false,
     .newGameItem = true,  .cardsTurn = false, .handsShown = false, .status = "",        .focus = Focus::Result},
    {.state = TS::ShowdownDue,      .moneyPanel = true,  .names = true,  .dealShown = false, .dealEnabled = true,
     .drawShown = true,  .drawEnabled = false, .money = false, .blackBetEdit = false, .deckItem = false,
     .newGameItem = true,  .cardsTurn = false, .handsShown = false, .status = "",        .focus = Focus::Result},
    {.state = TS::Bankrupt,         .moneyPanel = true,  .names = true,  .dealShown = false, .dealEnabled = true,
     .drawShown = true,  .drawEnabled = false, .money = false, .blackBetEdit = false, .deckItem = false,
     .newGameItem = true,  .cardsTurn = false, .handsShown = false, .status = "",        .focus = Focus::Result},
    // clang-format on
}};

// The rows are indexed by the state: each row must sit at its own state's place.
constexpr bool RowsInStateOrder() {
  for (std::size_t i = 0; i < kStates.size(); ++i)
    if (kStates[i].state != static_cast<TableState>(i)) return false;
  return true;
}
static_assert(RowsInStateOrder(), "kStates must list every state once, in the order of TableState");

const StateRow& Row(TableState s) { return kStates[static_cast<std::size_t>(s)]; }

// The keys of the table, each doing what a click does, in the states whose row allows that
// click: the digits turn the player's cards while they turn, Left and Right go from card to
// card, Enter deals or draws with whichever button is shown and enabled. Space presses the
// focused card, bill or button itself.
enum class KeyEffect { TurnCard, PreviousCard, NextCard, DealOrDraw, Hint };

struct KeyRow {
  int key;
  KeyEffect effect;
  int slot;
};

constexpr KeyRow kKeys[] = {
    {Qt::Key_1, KeyEffect::TurnCard, 0},       {Qt::Key_2, KeyEffect::TurnCard, 1},
    {Qt::Key_3, KeyEffect::TurnCard, 2},       {Qt::Key_4, KeyEffect::TurnCard, 3},
    {Qt::Key_5, KeyEffect::TurnCard, 4},       {Qt::Key_Left, KeyEffect::PreviousCard, 0},
    {Qt::Key_Right, KeyEffect::NextCard, 0},   {Qt::Key_Return, KeyEffect::DealOrDraw, 0},
    {Qt::Key_Enter, KeyEffect::DealOrDraw, 0}, {Qt::Key_H, KeyEffect::Hint, 0},
};

// What the table is doing while the result line is empty.
QString StageWords(TableState s) {
  switch (s) {
    case TS::Opening:
    case TS::Welcome:
      return TMainForm::tr(kWelcome);
    case TS::DealingFirstHand:
    case TS::Dealing:
      return TMainForm::tr("Dealing");
    case TS::DealerToDraw:
    case TS::DealerHasDrawn:
      return TMainForm::tr("The Dealer's turn");
    case TS::ShowdownDue:
      return TMainForm::tr("Showdown");
    case TS::Betting:
    case TS::BettingNewGame:
    case TS::Discarding:
    case TS::Bankrupt:
      break;
  }
  return TMainForm::tr("Result");
}

// A refused bet or draw, in the refusal's own message box.
template <class Why>
void ShowRefusal(Why why) {
  const RefusalWords words = Words(why);
  ShowMessage(words.text, words.caption, StopOk);
}

void PaintBetEdit(QLineEdit* edit, bool black) {
  QPalette palette = edit->palette();
  const QColor base = black ? QColor(Qt::black) : kTableGreen;
  palette.setColor(QPalette::Base, base);
  palette.setColor(QPalette::Disabled, QPalette::Base, base);
  palette.setColor(QPalette::Disabled, QPalette::Text, kYellow);
  edit->setPalette(palette);
}

}  // namespace

void SwitchOn(QTimer* timer) {
  if (!timer->isActive()) timer->start();
}

TMainForm::TMainForm(QWidget* parent)
    : QMainWindow(parent), Events(new HandEvents(this)), ui(std::make_unique<Ui::TMainForm>()) {
  ui->setupUi(this);
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
  UseBaseFont(this);
  ShowTextsPlain(this);
  KeepTextsWhole(this);
  Decorate(ui.get());
  // The client area's fixed size is the layout's; the menu bar's height is the style's.
  setFixedSize(sizeHint());

  PlrCard = {ui->PlrCard0, ui->PlrCard1, ui->PlrCard2, ui->PlrCard3, ui->PlrCard4};
  DlrCard = {ui->DlrCard0, ui->DlrCard1, ui->DlrCard2, ui->DlrCard3, ui->DlrCard4};
  MoneySlot = {ui->MoneySlot0, ui->MoneySlot1, ui->MoneySlot2, ui->MoneySlot3, ui->MoneySlot4};
  PlrCardBtn = {ui->PlrCard0Btn, ui->PlrCard1Btn, ui->PlrCard2Btn, ui->PlrCard3Btn, ui->PlrCard4Btn};

  // The separators carry their names too.
  const char* gameSeparators[] = {"N2", "N1"};
  int n = 0;
  for (QAction* a : ui->Game->actions())
    if (a->isSeparator() && n < 2) a->setObjectName(gameSeparators[n++]);
  for (QAction* a : ui->Help->actions())
    if (a->isSeparator()) a->setObjectName("N3");

  const struct {
    QTimer*& timer;
    const char* name;
    int interval;
    void (TMainForm::*handler)();
  } timers[] = {
      {SplashTime, "SplashTime", 6000, &TMainForm::SplashTimeTimer},
      {DealDelay, "DealDelay", 20, &TMainForm::DealDelayTimer},
      {DlrDraw, "DlrDraw", 1000, &TMainForm::DlrDrawTimer},
      {DlrReplATimer, "DlrReplATimer", 1000, &TMainForm::DlrReplATimerTimer},
      {pickAwinner, "pickAwinner", 750, &TMainForm::pickAwinnerTimer},
      {kingOhearts, "kingOhearts", 2000, &TMainForm::kingOheartsTimer},
  };
  for (const auto& t : timers) {
    t.timer = new QTimer(this);
    t.timer->setObjectName(t.name);
    t.timer->setInterval(t.interval);
    connect(t.timer, &QTimer::timeout, this, t.handler);
  }
  // The hand's links keep their intervals to the millisecond; coarse timers may run 5% late.
  for (QTimer* link : {DealDelay, DlrDraw, DlrReplATimer, pickAwinner}) link->setTimerType(Qt::PreciseTimer);

  const std::pair<QAction*, void (TMainForm::*)()> commands[] = {
      {ui->NewGame, &TMainForm::NewGameClick},
      {ui->ViewStats, &TMainForm::ViewStatsClick},
      {ui->Deck, &TMainForm::DeckClick},
      {ui->Exit, &TMainForm::ExitClick},
      {ui->Contents, &TMainForm::ContentsClick},
      {ui->AboutBrindlewharf1, &TMainForm::AboutBrindlewharf1Click},
  };
  for (const auto& [action, handler] : commands) connect(action, &QAction::triggered, this, handler);

  connect(ui->Bet, &QPushButton::clicked, this, &TMainForm::BetClick);
  connect(ui->Draw, &QPushButton::clicked, this, &TMainForm::DrawClick);
  connect(ui->ShowDlr, &QPushButton::clicked, this, &TMainForm::ShowDlrClick);
  connect(ui->BetEdit, &QLineEdit::textChanged, this, &TMainForm::BetEditChange);
  for (int slot = 0; slot < 5; ++slot) {
    connect(MoneySlot[slot], &ImageBox::clicked, this, [this, slot] { MoneySlotClick(slot); });
    connect(PlrCard[slot], &ImageBox::clicked, this, [this, slot] { PlrCardBtnClick(slot); });
    connect(PlrCardBtn[slot], &QPushButton::clicked, this, [this, slot] { PlrCardBtnClick(slot); });
    PlrCardBtn[slot]->hide();
  }
  ui->ShowDlr->hide();
  ui->BetEdit->installEventFilter(this);
  SetUpKeyboardAndNames();

  FillDeckGrids(DeckCards, DealOrder);
  for (QLabel* label : {ui->BetLabl, ui->LastBetLabl, ui->MainLabl, ui->PlrLabl, ui->DlrLabl}) label->clear();
  EnterState(TableState::Opening);
  SplashTime->start();
}

void TMainForm::SetUpKeyboardAndNames() {
  // Tab goes from the bet box down the bills to Deal, and from Draw along the cards; each only
  // while it takes input (EnterState).
  QWidget* order[] = {ui->BetEdit, MoneySlot[0], MoneySlot[1], MoneySlot[2], MoneySlot[3], MoneySlot[4],
                      ui->Bet,     ui->Draw,     PlrCard[0],   PlrCard[1],   PlrCard[2],   PlrCard[3],
                      PlrCard[4],  DlrCard[0],   DlrCard[1],   DlrCard[2],   DlrCard[3],   DlrCard[4]};
  // The toolkit orders only widgets that take the focus; the states give each its own policy.
  for (QWidget* w : order)
    if (w->focusPolicy() == Qt::NoFocus) w->setFocusPolicy(Qt::TabFocus);
  for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
  for (int slot = 0; slot < 5; ++slot) {
    PresentAs(PlrCard[slot], QAccessible::Button);
    PresentAs(MoneySlot[slot], QAccessible::Button);
    MoneySlot[slot]->setActivatesOnEnter(true);
    // Only the left of a bill shows beside the money panel's edge.
    MoneySlot[slot]->setMarkMargins(
        QMargins(0, 0, ui->MoneySlot0->width() - ui->Panel2->x() + ui->MoneySlot0->x(), 0));
    AbsentWhileHidden(MoneySlot[slot]);
    HideFromAssistiveTech(PlrCardBtn[slot]);
  }
  for (QWidget* decoration : std::initializer_list<QWidget*>{ui->Panel1, ui->Panel4, ui->Panel5, ui->Panel6,
                                                             ui->Panel2, ui->MoneyBreakPanl, ui->ShowDlr})
    HideFromAssistiveTech(decoration);
  ui->Label5->setBuddy(ui->BetEdit);
  // The labels are named by their texts; these say which is which.
  const std::pair<QLabel*, QString> roles[] = {
      {ui->BetLabl, tr("Game pot")},  {ui->MainLabl, tr("Result")}, {ui->DlrLabl, tr("The Dealer's hand")},
      {ui->PlrLabl, tr("Your hand")}, {ui->BankLabl, tr("Bank")},   {ui->LastBetLabl, tr("Last bet")},
      {ui->CaptionBar, tr("Status")},
  };
  for (const auto& [label, role] : roles) label->setAccessibleDescription(role);
  // While the table plays by itself the focus rests on the result line; empty, it names the stage
  // of the hand, so that a screen reader never announces a nameless label.
  Wording result;
  // The stage is the one the focus came for: a screen reader may ask a moment later.
  result.name = [this] {
    return ui->MainLabl->text().isEmpty() ? StageWords(restingFor_) : ui->MainLabl->text();
  };
  WordedBy(ui->MainLabl, std::move(result));
  KeepAltKeysOut(ui->BetEdit);
  HeardWhenTabbedInto(ui->BetEdit);
  ui->Contents->setShortcut(QKeySequence(Qt::Key_F1));
  WordPlaces();
  ClearCards();
}

void TMainForm::keyPressEvent(QKeyEvent* event) {
  const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
  const StateRow& row = Row(State);
  for (const KeyRow& k : kKeys) {
    if (k.key != event->key() || mods != Qt::NoModifier) continue;
    switch (k.effect) {
      case KeyEffect::TurnCard:
        if (!row.cardsTurn) break;
        PlrCardBtnClick(k.slot);
        return event->accept();
      case KeyEffect::NextCard:
      case KeyEffect::PreviousCard:
        if (!row.cardsTurn || !FocusAlong(PlrCard, focusWidget(), k.effect == KeyEffect::NextCard ? 1 : -1))
          break;
        return event->accept();
      case KeyEffect::Hint:
        if (!row.cardsTurn) break;
        emit HintAsked();
        return event->accept();
      case KeyEffect::DealOrDraw:
        if (row.dealShown && row.dealEnabled) {
          event->accept();
          return BetClick();
        }
        if (row.drawShown && row.drawEnabled) {
          event->accept();
          return DrawClick();
        }
        break;
    }
  }
  QMainWindow::keyPressEvent(event);
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
  // The bet box takes every letter for its own, the Sound item's key too; a bet has no letters.
  if (watched == ui->BetEdit && event->type() == QEvent::KeyPress &&
      QKeySequence(static_cast<QKeyEvent*>(event)->keyCombination()) == ui->Sound->shortcut()) {
    ui->Sound->trigger();
    return true;
  }
  return QMainWindow::eventFilter(watched, event);
}

void TMainForm::EnterState(TableState s) {
  State = s;
  const StateRow& row = Row(s);
  // The result line takes the focus before any control is disabled, the controls once they are
  // enabled. Moving the focus costs more than anything else in a state change: a window not on
  // screen has none to move, and takes it up when it is shown.
  if (row.focus == Focus::Result && isVisible()) PlaceFocus();
  for (QWidget* w : std::initializer_list<QWidget*>{ui->BetLabl, ui->BetEdit, ui->Label5, ui->MoneyPanl,
                                                    ui->MoneyBreakPanl, ui->BankLabl})
    w->setVisible(row.moneyPanel);
  ui->DlrNameLabl->setVisible(row.names);
  ui->PlrNameLabl->setVisible(row.names);
  ui->Bet->setVisible(row.dealShown);
  ui->Bet->setEnabled(row.dealEnabled);
  ui->Draw->setVisible(row.drawShown);
  ui->Draw->setEnabled(row.drawEnabled);
  ui->BetEdit->setEnabled(row.money);
  if (blackBetEdit_ != row.blackBetEdit) PaintBetEdit(ui->BetEdit, row.blackBetEdit);
  blackBetEdit_ = row.blackBetEdit;
  for (ImageBox* slot : MoneySlot) slot->setEnabled(row.money);
  OfferBills(row.money);
  for (ImageBox* card : PlrCard)
    card->setFocusPolicy(row.cardsTurn || row.handsShown ? Qt::TabFocus : Qt::NoFocus);
  for (ImageBox* card : DlrCard) card->setFocusPolicy(row.handsShown ? Qt::TabFocus : Qt::NoFocus);
  ui->Deck->setEnabled(row.deckItem);
  ui->NewGame->setEnabled(row.newGameItem);
  ui->CaptionBar->setText(*row.status ? tr(row.status) : QString());
  if (row.focus != Focus::Result && isVisible()) PlaceFocus();
}

TMainForm::~TMainForm() = default;

void TMainForm::PlaceFocus() {
  switch (Row(State).focus) {
    case Focus::Result:
      restingFor_ = State;
      return ui->MainLabl->setFocus();
    case Focus::BetEdit:
      return ui->BetEdit->setFocus();
    case Focus::Draw:
      return ui->Draw->setFocus();
  }
}

void TMainForm::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (!MoveToPlayersPlace(this, GameWindow::Table)) CentreOnScreen(this);
  PlaceFocus();
}

void TMainForm::closeEvent(QCloseEvent* event) {
  event->accept();
  TerminateApplication();
}

// --- The splash-time handover ----------------------------------------------------------------

void TMainForm::SplashTimeTimer() {
  SplashTime->stop();
  if (LogoBox) LogoBox->close();
  WelcomeTable();
  if (IntroDlg) IntroDlg->exec();
  if (WelcomeDone == 0) {
    TerminateApplication();
    return;
  }
  CurrentPlatform().Pause(100);
  ui->PlrNameLabl->setText(PlayerName);
  ui->BetLabl->setText(tr("Game Pot:  %1").arg(Dollars(2LL * CurrentBet)));
  emit Events->GameStarted(Bank, PlayerName);
  BetClick();
}

void TMainForm::WelcomeTable() {
  EnterState(TableState::Welcome);
  BankLeft = Bank;
  UpdateMoney();
  ui->BetLabl->setText(tr("Welcome to Brindlewharf!"));
}

// --- Money -----------------------------------------------------------------------------------

void TMainForm::UpdateMoney() {
  ui->BankLabl->setText(BankWords(BankLeft));
  // A bill that has the keyboard's focus keeps it through the new column: the focus goes to the
  // bill of the same value if there still is one, else to the next smaller, else to the bet box.
  const std::int32_t held = FocusedBill();
  MoneySlotValue = BreakIntoBills(BankLeft);
  int keep = -1;
  for (int slot = 0; slot < 5; ++slot) {
    const std::int32_t bill = MoneySlotValue[slot];
    if (held != 0 && bill != 0 && bill <= held && (keep < 0 || bill > MoneySlotValue[keep])) keep = slot;
  }
  const auto show = [this](int slot) {
    ImageBox* box = MoneySlot[slot];
    const std::int32_t bill = MoneySlotValue[slot];
    // An empty slot shows only the panel beneath it; hidden, it is no control for the keyboard
    // or a screen reader either.
    box->setVisible(bill != 0);
    if (bill != 0) {
      ShowImage(box, BillImageId(bill));
      box->setAccessibleName(tr("Bet %1").arg(Dollars(bill)));
    } else {
      ClearImage(box);
    }
  };
  // The bill that takes the focus is shown and focused first, so that the focus never passes
  // through another control on its way.
  if (keep >= 0) {
    show(keep);
    MoneySlot[keep]->setFocus(Qt::TabFocusReason);
  } else if (held != 0) {
    ui->BetEdit->setFocus(Qt::TabFocusReason);
  }
  for (int slot = 0; slot < 5; ++slot)
    if (slot != keep) show(slot);
  OfferBills(Row(State).money);
  emit Events->BankShown(BankLeft, Bank - BankLeft);
}

void TMainForm::OfferBills(bool on) {
  for (int slot = 0; slot < 5; ++slot) {
    const bool offered = on && MoneySlotValue[slot] != 0;
    MoneySlot[slot]->setToolTip(offered ? tr("Bet %1").arg(Dollars(MoneySlotValue[slot])) : QString());
    MoneySlot[slot]->setFocusPolicy(offered ? Qt::TabFocus : Qt::NoFocus);
  }
}

void TMainForm::BetEditChange() {
  const BetCheck check = CheckTypedBet(ui->BetEdit->text().toStdString(), Bank);
  if (!check.Passed()) {
    emit Events->BetRefused(check.refusal);
    ShowRefusal(check.refusal);
    ui->BetEdit->setText(QString());  // runs this handler again, on the empty box
    return;
  }
  BankLeft = check.value;
  UpdateMoney();
}

void TMainForm::MoneySlotClick(int slot) {
  const std::int32_t bill = MoneySlotValue[slot];
  const auto bet = BetWithBill(ui->BetEdit->text().toStdString(), bill);
  if (!bet) return;
  ui->BetEdit->setText(QString::number(*bet));  // the bet box's own check runs with it
  // The focus stays on a bill of the same value, else the next smaller, else the bet box.
  emit Events->BillAdded(bill, *bet, BankLeft, FocusedBill());
}

std::int32_t TMainForm::FocusedBill() const {
  const auto focused = std::find(MoneySlot.begin(), MoneySlot.end(), focusWidget());
  return focused != MoneySlot.end() ? MoneySlotValue[focused - MoneySlot.begin()] : 0;
}

bool TMainForm::CheckBet() {
  const BetCheck check = CheckDealBet(ui->BetEdit->text().toStdString(), CurrentBet, Bank);
  if (!check.Passed()) {
    emit Events->BetRefused(check.refusal);
    ShowRefusal(check.refusal);
    ui->BetEdit->setFocus();
    return false;
  }
  CurrentBet = check.value;
  return true;
}

// --- The hand --------------------------------------------------------------------------------

void TMainForm::BetClick() {
  if (!CheckBet()) return;
  kingOhearts->stop();
  KingOnDealer = 0;
  ui->BetLabl->setText(tr("Game Pot:  %1").arg(Dollars(2LL * CurrentBet)));
  ui->LastBetLabl->setText(tr("Last Bet: %1").arg(Dollars(CurrentBet)));
  EnterState(State == TableState::Welcome ? TableState::DealingFirstHand : TableState::Dealing);
  ui->BetEdit->setText(QString());
  BankLeft = Bank - CurrentBet;
  UpdateMoney();
  DealClick();
}

void TMainForm::DealClick() {
  NextCard = 1;
  DlrShown = 0;
  PlrDiscard = {};
  ShuffleDeck(DeckCards);
  DealHands(DeckCards, NextCard, PlrHand, DlrHand);
  EvaluateHand(PlrHand, PlrDealtRank, PlrRankCount);
  EvaluateHand(DlrHand, DlrDealtRank, DlrRankCount);
  for (QLabel* label : {ui->MainLabl, ui->DlrLabl, ui->PlrLabl, ui->CaptionBar}) Announce(label, QString());
  ClearCards();
  if (RandomDeck == 1) {
    DeckBackId = RandomBack();
  }
  DealStep = 0;
  SwitchOn(DealDelay);
}

void TMainForm::ClearCards() {
  for (int i = 0; i < 5; ++i) {
    for (ImageBox* place : {PlrCard[i], DlrCard[i]}) {
      ClearImage(place);
      Shown(place) = 0;
    }
  }
}

void TMainForm::ShowBack(ImageBox* box) {
  ShowImage(box, DeckBackId);
  Shown(box) = DeckBackId;
  SayChanged(box);
}

void TMainForm::ShowCard(ImageBox* box, int id) {
  ShowImage(box, id);
  // The winking King is the King of Hearts all the same.
  const int card = id == kWinkingKingId ? KingOfHearts : id;
  if (std::exchange(Shown(box), card) != card) SayChanged(box);
}

int& TMainForm::Shown(const ImageBox* box) {
  const auto mine = std::find(PlrCard.begin(), PlrCard.end(), box);
  if (mine != PlrCard.end()) return shown_[static_cast<std::size_t>(mine - PlrCard.begin())];
  return shown_[5 +
                static_cast<std::size_t>(std::find(DlrCard.begin(), DlrCard.end(), box) - DlrCard.begin())];
}

void TMainForm::WordPlaces() {
  // A card place says what it shows when a screen reader asks, and after a showdown whose hand
  // it is part of; the words are made only then.
  for (int i = 0; i < 10; ++i) {
    const bool mine = i < 5;
    const int slot = i % 5;
    const auto shows = [this, i, mine, slot] {
      const int id = shown_[static_cast<std::size_t>(i)];
      if (id == 0) return tr("no card");
      // A card the player turned down is still theirs to know.
      if (IsBackId(id))
        return mine && PlrDiscard[static_cast<std::size_t>(slot)] == 1
                   ? tr("%1, face down, to be replaced")
                         .arg(CardWords(PlrHand[static_cast<std::size_t>(slot)]))
                   : tr("face down");
      return CardWords(id);
    };
    Wording words;
    words.name = [mine, slot, shows] {
      return mine ? tr("Your card %1: %2").arg(slot + 1).arg(shows())
                  : tr("Dealer's card %1: %2").arg(slot + 1).arg(shows());
    };
    // After a showdown each hand is named once, on its first card, not again on every card.
    words.description = [mine, slot] {
      if (!Row(State).handsShown || slot != 0) return QString();
      return mine ? tr("Your hand: %1").arg(HandWords(PlrFinalRank))
                  : tr("The Dealer's hand: %1").arg(HandWords(DlrFinalRank));
    };
    WordedBy(mine ? PlrCard[slot] : DlrCard[slot], std::move(words));
  }
}

void TMainForm::DealDelayTimer() {
  if (DealStep < 0 || DealStep > 9) {  // a stray tick after the deal
    DealDelay->stop();
    return;
  }
  if (DealStep == 9) DealDelay->stop();
  const int slot = DealStep / 2;
  if (DealStep % 2 == 0) {
    ShowCard(PlrCard[slot], PlrHand[slot]);
  } else {
    ShowBack(DlrCard[slot]);
  }
  if (DealStep == 9) {
    EnterState(TableState::Discarding);
    emit Events->HandDealt(PlrHand, PlrDealtRank, CurrentBet, BankLeft);
  }
  ++DealStep;
  if (HoldsKingOfHearts(PlrHand)) SwitchOn(kingOhearts);
}

void TMainForm::PlrCardBtnClick(int slot) {
  if (!Row(State).cardsTurn) return;
  const auto i = static_cast<std::size_t>(slot);
  if (PlrDiscard[i] == 0) {
    PlrDiscard[i] = 1;
    ShowBack(PlrCard[i]);
    if (PlrHand[i] == KingOfHearts) kingOhearts->stop();
  } else {
    PlrDiscard[i] = 0;
    ShowCard(PlrCard[i], PlrHand[i]);
    if (PlrHand[i] == KingOfHearts) SwitchOn(kingOhearts);
  }
  // A click sends the focus to Draw; a card turned from the keyboard keeps it, so that the
  // player can go on to the next card.
  if (isVisible() && !PlrCard[i]->hasFocus()) ui->Draw->setFocus();
  emit Events->CardTurned(slot, PlrHand[i], PlrDiscard[i] == 1, PlrDiscard);
}

void TMainForm::TurnCardsTo(const SlotFlags& hold) {
  if (!Row(State).cardsTurn) return;
  for (int slot = 0; slot < 5; ++slot)
    if (PlrDiscard[slot] != hold[slot]) PlrCardBtnClick(slot);
}

void TMainForm::DrawClick() {
  if (State != TableState::Discarding) return;
  const DrawCheck check = CheckDraw(PlrHand, PlrDiscard);
  if (!check.Passed()) {
    emit Events->DrawRefused(check.refusal);
    ShowRefusal(check.refusal);
    return;
  }
  EnterState(TableState::DealerToDraw);
  const Hand before = PlrHand;
  SlotFlags replaced{};
  ReplaceDiscards(DeckCards, DealOrder, PlrHand, NextCard, PlrDiscard, replaced);
  for (int slot = 0; slot < 5; ++slot)
    if (replaced[slot] == 1) ShowCard(PlrCard[slot], PlrHand[slot]);
  HandRank drawn{};
  RankHistogram counts{};
  EvaluateHand(PlrHand, drawn, counts);
  emit Events->DrawMade(PlrDiscard, before, PlrHand, drawn);
  if (HoldsKingOfHearts(PlrHand)) SwitchOn(kingOhearts);
  SwitchOn(DlrDraw);
}

void TMainForm::DlrDrawTimer() {
  const std::int32_t n = DealerDraw(DeckCards, DealOrder, DlrHand, DlrRankCount, DlrFinalRank, NextCard);
  ui->MainLabl->setText(tr("Dealer takes %1").arg(n));
  EnterState(TableState::DealerHasDrawn);
  emit Events->DealerDrew(n);
  DlrDraw->stop();
  SwitchOn(DlrReplATimer);
}

void TMainForm::DlrReplATimerTimer() {
  DlrReplATimer->stop();
  EnterState(TableState::ShowdownDue);
  ui->MainLabl->clear();
  if (HoldsKingOfHearts(DlrHand)) {
    KingOnDealer = 1;
    SwitchOn(kingOhearts);
  }
  SwitchOn(pickAwinner);
}

void TMainForm::pickAwinnerTimer() {
  pickAwinner->stop();
  for (int slot = 0; slot < 5; ++slot) ShowCard(DlrCard[slot], DlrHand[slot]);
  EvaluateHand(PlrHand, PlrFinalRank, PlrRankCount);
  EvaluateHand(DlrHand, DlrFinalRank, DlrRankCount);
  const Outcome outcome = CompareHands(PlrFinalRank, DlrFinalRank);
  ui->MainLabl->setText(ResultWords(outcome));
  Bank = SettleBank(Bank, CurrentBet, outcome);
  ui->DlrLabl->setText(CategoryWords(DlrFinalRank[CategoryField]));
  ui->PlrLabl->setText(CategoryWords(PlrFinalRank[CategoryField]));
  emit Events->ShowdownSettled({PlrHand, DlrHand, PlrFinalRank, DlrFinalRank, PlrDealtRank, DlrDealtRank,
                                outcome, CurrentBet, 2 * CurrentBet, Bank});
  if (Bank > 0) {
    EnterState(TableState::Betting);
    BankLeft = Bank;
    UpdateMoney();
    return;
  }
  EnterState(TableState::Bankrupt);
  emit Events->WentBankrupt();
  NewGameChosen = 0;
  if (ExitDlg) {
    CentreOnScreen(ExitDlg);
    ExitDlg->exec();
  }
  if (NewGameChosen == 1) {
    StartNewGame(QuestionYesNo);
  } else {
    TerminateApplication();
  }
}

void TMainForm::AbandonHand() {
  // A New Game in the middle of a hand ends that hand where it stands: nothing of it
  // reaches the statistics, and draws already counted for it are taken back.
  DealDelay->stop();
  DlrDraw->stop();
  DlrReplATimer->stop();
  pickAwinner->stop();
}

void TMainForm::NewGameClick() { StartNewGame(QuestionYesNoCancel); }

void TMainForm::StartNewGame(MessageStyle question) {
  // The hand in play waits while the question is up, so that Cancel leaves it where it stood.
  std::vector<QTimer*> paused;
  for (QTimer* link : {DealDelay, DlrDraw, DlrReplATimer, pickAwinner}) {
    if (!link->isActive()) continue;
    link->stop();
    paused.push_back(link);
  }
  const MessageAnswer answer = ShowMessage(tr("Save current stats?"), tr("New Game"), question);
  if (answer == MessageAnswer::Cancel) {
    for (QTimer* link : paused) link->start();
    return;
  }
  AbandonHand();
  CurrentBet = 0;
  Bank = StartingBank;
  emit Events->NewGameStarted(Bank, answer == MessageAnswer::Yes);
  kingOhearts->stop();
  KingOnDealer = 0;
  ClearCards();
  ui->BetLabl->setText(tr("Place your bet.."));
  for (QLabel* label : {ui->PlrLabl, ui->DlrLabl, ui->MainLabl, ui->LastBetLabl}) label->clear();
  EnterState(TableState::BettingNewGame);
  ui->BetEdit->setText(QString());
  BankLeft = Bank;
  UpdateMoney();
}

void TMainForm::kingOheartsTimer() {
  const Hand& hand = KingOnDealer == 1 ? DlrHand : PlrHand;
  const auto& places = KingOnDealer == 1 ? DlrCard : PlrCard;
  for (int slot = 0; slot < 5; ++slot) {
    if (hand[slot] != KingOfHearts) continue;
    if (KingToggle == 0) {
      ShowCard(places[slot], kWinkingKingId);
      KingToggle = 1;
    } else {
      ShowCard(places[slot], KingOfHearts);
      KingToggle = 0;
    }
  }
}

void TMainForm::ShowDlrClick() {
  for (int slot = 0; slot < 5; ++slot) {
    if (DlrShown == 0) {
      ShowCard(DlrCard[slot], DlrHand[slot]);
    } else {
      ShowBack(DlrCard[slot]);
    }
  }
  DlrShown = DlrShown == 0 ? 1 : 0;
}

// --- Menu ------------------------------------------------------------------------------------

void TMainForm::ViewStatsClick() {
  if (!StatBox) return;
  CentreOnScreen(StatBox);
  StatBox->exec();
}

void TMainForm::DeckClick() {
  if (!Decks) return;
  CentreOnScreen(Decks);
  Decks->exec();
}

void TMainForm::ContentsClick() {
  if (!HelpBox) return;
  CentreOnScreen(HelpBox);
  HelpBox->exec();
}

void TMainForm::ExitClick() { TerminateApplication(); }

QAction* TMainForm::CoachItem() const { return ui->Coach; }
QAction* TMainForm::HistoryItem() const { return ui->History; }
QAction* TMainForm::SoundItem() const { return ui->Sound; }

void TMainForm::AboutBrindlewharf1Click() {
  if (!About) return;
  About->exec();
}
