#include "table/mainform.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPalette>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <cstdint>
#include <limits>

#include "decks/catalogue.h"
#include "decks/deckchoice.h"
#include "decks/decksdlg.h"
#include "decks/imagebox.h"
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
#include "platform/platform.h"
#include "platform/windows.h"
#include "stats/gamestats.h"
#include "stats/statbox.h"
#include "table/exitdlg.h"
#include "table/introdlg.h"
#include "table/tablestate.h"
#include "ui_mainform.h"

TMainForm* MainForm = nullptr;

namespace {

constexpr int kWinkingKingId = 53;  // the King of Hearts with a wink and a grin

QString Amount(const char* prefix, std::int64_t value) {
  return QString::fromLatin1(prefix) + QString::fromStdString(IntToStr(value));
}

QString Text(std::string_view s) { return QString::fromUtf8(s); }

QString ShortName(const HandRank& rank) { return Text(CategoryName(rank[CategoryField])); }

bool HoldsKingOfHearts(const Hand& hand) {
  return std::find(hand.begin(), hand.end(), KingOfHearts) != hand.end();
}

// Colours and pixel-height fonts of the table. Set as palettes rather than a style sheet:
// the table then reaches the screen sooner.
void Decorate(Ui::TMainForm* ui) {
  const QColor green(0, 128, 0), olive(128, 128, 0), silver(192, 192, 192), navy(0, 0, 128);
  Paint(ui->Client, QPalette::Window, silver);
  for (QWidget* w : std::initializer_list<QWidget*>{ui->t, ui->MoneyPanl, ui->Panel2})
    Paint(w, QPalette::Window, green);
  for (QWidget* w :
       std::initializer_list<QWidget*>{ui->Panel1, ui->Panel4, ui->Panel5, ui->Panel6, ui->MoneyBreakPanl})
    Paint(w, QPalette::Window, olive);
  for (QWidget* w : std::initializer_list<QWidget*>{ui->CaptionBar, ui->LastBetLabl, ui->Panel3})
    Paint(w, QPalette::Window, silver);
  ui->BetLabl->setFont(PixelFont("Liberation Serif", 32, true, true));
  Paint(ui->BetLabl, QPalette::WindowText, Qt::yellow);
  ui->MainLabl->setFont(PixelFont("DejaVu Sans", 27, true, true));
  Paint(ui->MainLabl, QPalette::WindowText, Qt::cyan);
  for (QLabel* l : {ui->DlrLabl, ui->PlrLabl}) {
    l->setFont(PixelFont("DejaVu Sans", 21, true, true));
    Paint(l, QPalette::WindowText, silver);
  }
  for (QLabel* l : {ui->DlrNameLabl, ui->PlrNameLabl}) {
    l->setFont(PixelFont("Liberation Sans", 13, true));
    Paint(l, QPalette::WindowText, Qt::black);
  }
  Paint(ui->Label5, QPalette::WindowText, Qt::black);
  Paint(ui->CaptionBar, QPalette::WindowText, Qt::black);
  ui->BetEdit->setFont(PixelFont("Liberation Serif", 13, true, true));
  Paint(ui->BetEdit, QPalette::Text, Qt::yellow);
  for (QLabel* l : {ui->LastBetLabl, ui->BankLabl}) {
    l->setFont(PixelFont("Liberation Serif", 13, false, true));
    Paint(l, QPalette::WindowText, navy);
  }
}

// One row per state of the hand cycle: every control the states differ in.
enum class Visible { Keep, Shown, Hidden };
enum class Focus { None, BetEdit, Draw };

struct StateRow {
  TableState state;
  Visible deal;  // the Deal button; the first hand of a run is dealt with it still hidden
  bool dealEnabled;
  bool drawShown;
  bool drawEnabled;
  bool money;          // BetEdit and the five bills take input, and the bills show their hints
  bool blackBetEdit;   // BetEdit black while the bet may change, else the panel's green
  bool deckItem;       // Game > Decks...
  bool newGameItem;    // Game > New Game: from the first deal of a game on
  bool cardsTurn;      // a click turns a card of the player's
  const char* status;  // the status line; nullptr keeps it
  Focus focus;
};

constexpr const char* kBetAgain = "  Change your bet or click Deal to play";
constexpr const char* kBetFirst = "  Enter your bet and click Deal to start";
constexpr const char* kDiscard = "  Click on cards to remove and click Draw to replace";

using enum Visible;
// clang-format off
constexpr StateRow kStates[] = {
    // state                     deal    en     draw   en     money  black  deck   new    cards  status     focus
    {TableState::Opening,        Hidden, false, false, true,  true,  false, true,  false, false, nullptr,   Focus::None},
    {TableState::Betting,        Shown,  true,  false, true,  true,  true,  true,  true,  false, kBetAgain, Focus::BetEdit},
    {TableState::BettingNewGame, Shown,  true,  false, true,  true,  true,  true,  false, false, kBetFirst, Focus::BetEdit},
    {TableState::Dealing,        Keep,   false, false, true,  false, false, false, true,  false, "",        Focus::None},
    {TableState::Discarding,     Hidden, true,  true,  true,  false, false, false, true,  true,  kDiscard,  Focus::Draw},
    {TableState::DealerToDraw,   Hidden, true,  true,  false, false, false, false, true,  false, "",        Focus::None},
    {TableState::DealerHasDrawn, Hidden, true,  true,  false, false, false, false, true,  false, "",        Focus::None},
    {TableState::ShowdownDue,    Hidden, true,  true,  false, false, false, false, true,  false, "",        Focus::None},
    {TableState::Bankrupt,       Hidden, true,  true,  false, false, false, false, true,  false, "",        Focus::None},
};
// clang-format on

const StateRow& Row(TableState s) {
  for (const StateRow& row : kStates)
    if (row.state == s) return row;
  return kStates[0];
}

void PaintBetEdit(QLineEdit* edit, bool black) {
  QPalette palette = edit->palette();
  const QColor base = black ? QColor(Qt::black) : QColor(0, 128, 0);
  palette.setColor(QPalette::Base, base);
  palette.setColor(QPalette::Disabled, QPalette::Base, base);
  palette.setColor(QPalette::Disabled, QPalette::Text, Qt::yellow);
  edit->setPalette(palette);
}

}  // namespace

void SwitchOn(QTimer* timer) {
  if (!timer->isActive()) timer->start();
}

TMainForm::TMainForm(QWidget* parent) : QMainWindow(parent), ui(new Ui::TMainForm) {
  ui->setupUi(this);
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
  UseBaseFont(this);
  Decorate(ui);
  // The client area's fixed size is the layout's; the menu bar's height is the style's.
  setFixedSize(sizeHint());

  PlrCard = {ui->PlrCard0, ui->PlrCard1, ui->PlrCard2, ui->PlrCard3, ui->PlrCard4};
  DlrCard = {ui->DlrCard0, ui->DlrCard1, ui->DlrCard2, ui->DlrCard3, ui->DlrCard4};
  MoneySlot = {ui->MoneySlot0, ui->MoneySlot1, ui->MoneySlot2, ui->MoneySlot3, ui->MoneySlot4};

  // The separators carry their names too.
  const char* gameSeparators[] = {"N2", "N1"};
  int n = 0;
  for (QAction* a : ui->Game->actions())
    if (a->isSeparator() && n < 2) a->setObjectName(gameSeparators[n++]);
  for (QAction* a : ui->Help->actions())
    if (a->isSeparator()) a->setObjectName("N3");

  auto makeTimer = [this](const char* name, int interval, bool running) {
    auto* timer = new QTimer(this);
    timer->setObjectName(name);
    timer->setInterval(interval);
    if (running) timer->start();
    return timer;
  };
  SplashTime = makeTimer("SplashTime", 6000, true);
  DealDelay = makeTimer("DealDelay", 20, false);
  DealDelay->setTimerType(Qt::PreciseTimer);
  DlrDraw = makeTimer("DlrDraw", 1000, false);
  DlrReplATimer = makeTimer("DlrReplATimer", 1000, false);
  pickAwinner = makeTimer("pickAwinner", 750, false);
  kingOhearts = makeTimer("kingOhearts", 2000, false);

  connect(SplashTime, &QTimer::timeout, this, &TMainForm::SplashTimeTimer);
  connect(DealDelay, &QTimer::timeout, this, &TMainForm::DealDelayTimer);
  connect(DlrDraw, &QTimer::timeout, this, &TMainForm::DlrDrawTimer);
  connect(DlrReplATimer, &QTimer::timeout, this, &TMainForm::DlrReplATimerTimer);
  connect(pickAwinner, &QTimer::timeout, this, &TMainForm::pickAwinnerTimer);
  connect(kingOhearts, &QTimer::timeout, this, &TMainForm::kingOheartsTimer);

  connect(ui->Bet, &QPushButton::clicked, this, &TMainForm::BetClick);
  connect(ui->Draw, &QPushButton::clicked, this, &TMainForm::DrawClick);
  connect(ui->ShowDlr, &QPushButton::clicked, this, &TMainForm::ShowDlrClick);
  connect(ui->BetEdit, &QLineEdit::textChanged, this, &TMainForm::BetEditChange);
  connect(ui->MoneySlot0, &ImageBox::clicked, this, &TMainForm::MoneySlot0Click);
  connect(ui->MoneySlot1, &ImageBox::clicked, this, &TMainForm::MoneySlot1Click);
  connect(ui->MoneySlot2, &ImageBox::clicked, this, &TMainForm::MoneySlot2Click);
  connect(ui->MoneySlot3, &ImageBox::clicked, this, &TMainForm::MoneySlot3Click);
  connect(ui->MoneySlot4, &ImageBox::clicked, this, &TMainForm::MoneySlot4Click);
  connect(ui->PlrCard0, &ImageBox::clicked, this, &TMainForm::PlrCard0BtnClick);
  connect(ui->PlrCard1, &ImageBox::clicked, this, &TMainForm::PlrCard1BtnClick);
  connect(ui->PlrCard2, &ImageBox::clicked, this, &TMainForm::PlrCard2BtnClick);
  connect(ui->PlrCard3, &ImageBox::clicked, this, &TMainForm::PlrCard3BtnClick);
  connect(ui->PlrCard4, &ImageBox::clicked, this, &TMainForm::PlrCard4BtnClick);
  connect(ui->PlrCard0Btn, &QPushButton::clicked, this, &TMainForm::PlrCard0BtnClick);
  connect(ui->PlrCard1Btn, &QPushButton::clicked, this, &TMainForm::PlrCard1BtnClick);
  connect(ui->PlrCard2Btn, &QPushButton::clicked, this, &TMainForm::PlrCard2BtnClick);
  connect(ui->PlrCard3Btn, &QPushButton::clicked, this, &TMainForm::PlrCard3BtnClick);
  connect(ui->PlrCard4Btn, &QPushButton::clicked, this, &TMainForm::PlrCard4BtnClick);
  connect(ui->NewGame, &QAction::triggered, this, &TMainForm::NewGameClick);
  connect(ui->ViewStats, &QAction::triggered, this, &TMainForm::ViewStatsClick);
  connect(ui->Deck, &QAction::triggered, this, &TMainForm::DeckClick);
  connect(ui->Exit, &QAction::triggered, this, &TMainForm::ExitClick);
  connect(ui->Contents, &QAction::triggered, this, &TMainForm::ContentsClick);
  connect(ui->AboutBrindlewharf1, &QAction::triggered, this, &TMainForm::AboutBrindlewharf1Click);

  ui->ShowDlr->hide();
  for (int i = 0; i < 5; ++i) {
    findChild<QPushButton*>(QStringLiteral("PlrCard%1Btn").arg(i))->hide();
  }
  ui->MoneyPanl->hide();
  ui->MoneyBreakPanl->hide();
  ui->DlrNameLabl->hide();
  ui->PlrNameLabl->hide();

  FillDeckGrids(DeckCards, DealOrder);
  for (QLabel* label : {ui->BetLabl, ui->LastBetLabl, ui->MainLabl, ui->PlrLabl, ui->DlrLabl}) label->clear();
  for (QWidget* w : std::initializer_list<QWidget*>{ui->BankLabl, ui->BetLabl, ui->BetEdit, ui->Label5})
    w->hide();
  EnterState(TableState::Opening);
}

void TMainForm::EnterState(TableState s) {
  State = s;
  const StateRow& row = Row(s);
  if (row.deal != Keep) ui->Bet->setVisible(row.deal == Shown);
  ui->Bet->setEnabled(row.dealEnabled);
  ui->Draw->setVisible(row.drawShown);
  ui->Draw->setEnabled(row.drawEnabled);
  ui->BetEdit->setEnabled(row.money);
  PaintBetEdit(ui->BetEdit, row.blackBetEdit);
  for (ImageBox* slot : MoneySlot) slot->setEnabled(row.money);
  ShowBillHints(row.money);
  ui->Deck->setEnabled(row.deckItem);
  ui->NewGame->setEnabled(row.newGameItem);
  if (row.status) ui->CaptionBar->setText(row.status);
  if (row.focus == Focus::BetEdit) ui->BetEdit->setFocus();
  if (row.focus == Focus::Draw) ui->Draw->setFocus();
}

TMainForm::~TMainForm() { delete ui; }

void TMainForm::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  CentreOnScreen(this);
}

void TMainForm::closeEvent(QCloseEvent* event) {
  event->accept();
  TerminateApplication();
}

// --- The splash-time handover ----------------------------------------------------------------

void TMainForm::SplashTimeTimer() {
  SplashTime->stop();
  if (LogoBox) LogoBox->close();
  for (QWidget* w : std::initializer_list<QWidget*>{ui->BetLabl, ui->BetEdit, ui->Label5, ui->MoneyPanl,
                                                    ui->MoneyBreakPanl, ui->BankLabl})
    w->show();
  BankLeft = Bank;
  UpdateMoney();
  ui->BetLabl->setText("Welcome to Brindlewharf!");
  ui->CaptionBar->setText("Welcome to Brindlewharf..");
  if (IntroDlg) {
    IntroDlg->exec();
  }
  if (WelcomeDone == 0) {
    TerminateApplication();
    return;
  }
  CurrentPlatform().Pause(100);
  ui->PlrNameLabl->setText(PlayerName);
  ui->BetLabl->setText(Amount("Game Pot:  $", 2LL * CurrentBet));
  BetClick();
}

// --- Money -----------------------------------------------------------------------------------

void TMainForm::UpdateMoney() {
  ui->BankLabl->setText(BankLeft != 0 ? Amount("Bank: $", BankLeft) : QStringLiteral("(Empty)"));
  MoneySlotValue = BreakIntoBills(BankLeft);
  for (int slot = 0; slot < 5; ++slot) {
    if (MoneySlotValue[slot] != 0) {
      ShowImage(MoneySlot[slot], BillImageId(MoneySlotValue[slot]));
    } else {
      ClearImage(MoneySlot[slot]);
    }
  }
  ShowBillHints(Row(State).money);
}

void TMainForm::ShowBillHints(bool on) {
  for (int slot = 0; slot < 5; ++slot) {
    const std::int32_t bill = MoneySlotValue[slot];
    MoneySlot[slot]->setToolTip(on && bill != 0 ? Amount("Bet $", bill) : QString());
  }
}

void TMainForm::BetEditChange() {
  const BetCheck check = CheckTypedBet(ui->BetEdit->text().toStdString(), Bank);
  if (!check.Passed()) {
    ShowMessage(Text(check.text), Text(check.caption), StopOk);
    ui->BetEdit->setText(QString());  // runs this handler again, on the empty box
    return;
  }
  BankLeft = check.value;
  UpdateMoney();
}

void TMainForm::MoneySlotClick(int slot) {
  if (const auto bet = BetWithBill(ui->BetEdit->text().toStdString(), MoneySlotValue[slot]))
    ui->BetEdit->setText(QString::fromStdString(IntToStr(*bet)));
}

void TMainForm::MoneySlot0Click() { MoneySlotClick(0); }
void TMainForm::MoneySlot1Click() { MoneySlotClick(1); }
void TMainForm::MoneySlot2Click() { MoneySlotClick(2); }
void TMainForm::MoneySlot3Click() { MoneySlotClick(3); }
void TMainForm::MoneySlot4Click() { MoneySlotClick(4); }

bool TMainForm::CheckBet() {
  const BetCheck check = CheckDealBet(ui->BetEdit->text().toStdString(), CurrentBet, Bank);
  if (!check.Passed()) {
    ShowMessage(Text(check.text), Text(check.caption), StopOk);
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
  ui->BetLabl->setText(Amount("Game Pot:  $", 2LL * CurrentBet));
  ui->LastBetLabl->setText(Amount("Last Bet: $", CurrentBet));
  EnterState(TableState::Dealing);
  ui->BetEdit->setText(QString());
  BankLeft = Bank - CurrentBet;
  UpdateMoney();
  DealClick();
}

void TMainForm::DealClick() {
  if (TableShown == 0) {
    ui->DlrNameLabl->show();
    ui->PlrNameLabl->show();
    TableShown = 1;
  }
  NextCard = 1;
  DlrShown = 0;
  PlrDiscard = {};
  ShuffleDeck(DeckCards);
  DealHands(DeckCards, NextCard, PlrHand, DlrHand);
  EvaluateHand(PlrHand, PlrDealtRank, PlrRankCount);
  EvaluateHand(DlrHand, DlrDealtRank, DlrRankCount);
  for (QLabel* label : {ui->MainLabl, ui->DlrLabl, ui->PlrLabl, ui->CaptionBar}) label->clear();
  ClearCards();
  if (RandomDeck == 1) {
    DeckBackId = RandomBack();
  }
  DealStep = 0;
  SwitchOn(DealDelay);
}

void TMainForm::ClearCards() {
  for (int i = 0; i < 5; ++i) {
    ClearImage(PlrCard[i]);
    ClearImage(DlrCard[i]);
  }
}

void TMainForm::ShowBack(QLabel* box) { ShowImage(box, DeckBackId); }

void TMainForm::DealDelayTimer() {
  if (DealStep < 0 || DealStep > 9) {  // a stray tick after the deal
    DealDelay->stop();
    return;
  }
  if (DealStep == 9) DealDelay->stop();
  const int slot = DealStep / 2;
  if (DealStep % 2 == 0) {
    ShowImage(PlrCard[slot], PlrHand[slot]);
  } else {
    ShowBack(DlrCard[slot]);
  }
  if (DealStep == 9) EnterState(TableState::Discarding);
  ++DealStep;
  if (HoldsKingOfHearts(PlrHand)) SwitchOn(kingOhearts);
}

void TMainForm::PlrCardClick(int slot) {
  if (!Row(State).cardsTurn) return;
  if (PlrDiscard[slot] == 0) {
    ShowBack(PlrCard[slot]);
    if (PlrHand[slot] == KingOfHearts) kingOhearts->stop();
    PlrDiscard[slot] = 1;
  } else {
    ShowImage(PlrCard[slot], PlrHand[slot]);
    if (PlrHand[slot] == KingOfHearts) SwitchOn(kingOhearts);
    PlrDiscard[slot] = 0;
  }
  ui->Draw->setFocus();
}

void TMainForm::PlrCard0BtnClick() { PlrCardClick(0); }
void TMainForm::PlrCard1BtnClick() { PlrCardClick(1); }
void TMainForm::PlrCard2BtnClick() { PlrCardClick(2); }
void TMainForm::PlrCard3BtnClick() { PlrCardClick(3); }
void TMainForm::PlrCard4BtnClick() { PlrCardClick(4); }

void TMainForm::DrawClick() {
  if (State != TableState::Discarding) return;
  const DrawCheck check = CheckDraw(PlrHand, PlrDiscard);
  if (!check.Passed()) {
    ShowMessage(Text(check.text), Text(check.caption), StopOk);
    return;
  }
  RecordPlayerDraw(DiscardCount(PlrDiscard));
  EnterState(TableState::DealerToDraw);
  SlotFlags replaced{};
  ReplaceDiscards(DeckCards, DealOrder, PlrHand, NextCard, PlrDiscard, replaced);
  for (int slot = 0; slot < 5; ++slot)
    if (replaced[slot] == 1) ShowImage(PlrCard[slot], PlrHand[slot]);
  if (HoldsKingOfHearts(PlrHand)) SwitchOn(kingOhearts);
  SwitchOn(DlrDraw);
}

void TMainForm::DlrDrawTimer() {
  const std::int32_t n = DealerDraw(DeckCards, DealOrder, DlrHand, DlrRankCount, DlrFinalRank, NextCard);
  ui->MainLabl->setText(Amount("Dealer takes ", n));
  RecordDealerDraw(n);
  EnterState(TableState::DealerHasDrawn);
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
  for (int slot = 0; slot < 5; ++slot) ShowImage(DlrCard[slot], DlrHand[slot]);
  EvaluateHand(PlrHand, PlrFinalRank, PlrRankCount);
  EvaluateHand(DlrHand, DlrFinalRank, DlrRankCount);
  const Outcome outcome = CompareHands(PlrFinalRank, DlrFinalRank);
  static constexpr const char* kResult[] = {"Push.. Split the Pot!", "You're a winner!", "Dealer wins!"};
  ui->MainLabl->setText(kResult[outcome]);
  Bank = SettleBank(Bank, CurrentBet, outcome);
  RecordHandResult(outcome, Bank, CurrentBet);
  ui->DlrLabl->setText(ShortName(DlrFinalRank));
  ui->PlrLabl->setText(ShortName(PlrFinalRank));
  if (Bank > 0) {
    EnterState(TableState::Betting);
    BankLeft = Bank;
    UpdateMoney();
    return;
  }
  EnterState(TableState::Bankrupt);
  NewGameChosen = 0;
  if (ExitDlg) {
    CentreOnScreen(ExitDlg);
    ExitDlg->exec();
  }
  if (NewGameChosen == 1) {
    NewGameClick();
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
  ForgetPendingDraws();
}

void TMainForm::NewGameClick() {
  AbandonHand();
  CurrentBet = 0;
  Bank = StartingBank;
  StartNewGameStats(Bank);
  kingOhearts->stop();
  KingOnDealer = 0;
  ClearCards();
  TableShown = 0;
  ui->BetLabl->setText("Place your bet..");
  for (QLabel* label : {ui->PlrLabl, ui->DlrLabl, ui->MainLabl, ui->LastBetLabl}) label->clear();
  ui->DlrNameLabl->hide();
  ui->PlrNameLabl->hide();
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
      ShowImage(places[slot], kWinkingKingId);
      KingToggle = 1;
    } else {
      ShowImage(places[slot], KingOfHearts);
      KingToggle = 0;
    }
  }
}

void TMainForm::ShowDlrClick() {
  for (int slot = 0; slot < 5; ++slot) {
    if (DlrShown == 0) {
      ShowImage(DlrCard[slot], DlrHand[slot]);
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

void TMainForm::AboutBrindlewharf1Click() {
  if (!About) return;
  About->exec();
}
