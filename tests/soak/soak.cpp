#include "tests/soak/soak.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <numeric>
#include <random>

#include "game/compare.h"
#include "game/drawrule.h"
#include "game/handrank.h"
#include "game/money.h"
#include "platform/imagebox.h"
#include "platform/platform.h"
#include "table/exitdlg.h"
#include "table/mainform.h"
#include "table/tablestate.h"
#include "table/wiring.h"
#include "tests/support/fakeplatform.h"
#include "tests/support/tablecontrols.h"

namespace {

constexpr std::size_t kMaxFaults = 20;

class Driver {
 public:
  Driver(TMainForm& form, unsigned seed, SoakResult& result)
      : form_(form), ui_(&form), random_(seed), result_(result), exitDlg_(&form) {
    platform_.SetClockStep(1);  // a new second, and so a new shuffle, at every deal
    ExitDlg = &exitDlg_;
    // The player answers the bankruptcy dialog with New Game once it is up.
    answer_.setSingleShot(true);
    answer_.setInterval(0);
    QObject::connect(&answer_, &QTimer::timeout, [this] {
      if (!exitDlg_.isVisible()) return Fault("the bankruptcy dialog is not up");
      QPushButton* newGame = Named<QPushButton>(&exitDlg_, "NewGameBtn");
      if (exitDlg_.focusWidget() != newGame) Fault("New Game is not focused");
      bankrupt_ = true;
      resultAtDialog_ = ui_.MainLabl->text();
      bankAtDialog_ = Bank;
      betAtDialog_ = CurrentBet;
      keepStats_ = Chance(2);
      ExpectBox("New Game", keepStats_ ? MessageAnswer::Yes : MessageAnswer::No, QuestionYesNo);
      newGame->click();
    });
  }
  ~Driver() { ExitDlg = nullptr; }

  void Start() {
    // The splash handover's first hand, with a bet from the welcome dialog.
    form_.WelcomeTable();
    CurrentBet = 10;
    form_.BetClick();
  }

  // One hand from wherever the table stands to its showdown, with a New Game now and then.
  void PlayHand() {
    if (State == TableState::Betting || State == TableState::BettingNewGame) PlaceBet();
    if (State != TableState::Dealing && State != TableState::DealingFirstHand)
      return Fault("the Deal did not deal");
    if (Chance(200)) return NewGame();
    for (int tick = 0; tick < 10; ++tick) form_.DealDelayTimer();
    if (State != TableState::Discarding) return Fault("the deal did not end in the discards");
    Discard();
    if (Chance(300)) return NewGame();
    form_.DlrDrawTimer();
    form_.DlrReplATimerTimer();
    const std::int32_t bankBefore = Bank;
    bankrupt_ = false;
    if (CurrentBet == Bank) answer_.start();  // the hand may empty the bank
    form_.pickAwinnerTimer();
    answer_.stop();
    Settle(bankBefore);
  }

  void NewGame() {
    keepStats_ = Chance(2);
    ExpectBox("New Game", keepStats_ ? MessageAnswer::Yes : MessageAnswer::No, QuestionYesNoCancel);
    if (!keepStats_) statsHands_ = 0;
    ui_.NewGame->trigger();
    net_ = 0;
    ++result_.newGames;
    CheckCounters();
  }

 private:
  bool Chance(int oneIn) { return std::uniform_int_distribution<int>(1, oneIn)(random_) == 1; }
  int Between(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random_); }

  void Fault(const std::string& what) {
    if (result_.faults.size() < kMaxFaults)
      result_.faults.push_back("hand " + std::to_string(result_.hands + 1) + ": " + what);
  }

  // The next message box, by its caption; the fake platform fails the running test on any other.
  void ExpectBox(const char* caption, MessageAnswer answer = MessageAnswer::Ok, int style = StopOk) {
    ++expectedBoxes_;
    platform_.Expect({}, caption, style, answer);
  }

  void PlaceBet() {
    if (Chance(40)) {  // a bet the Deal must refuse, then a good one
      ui_.BetEdit->setText("0");
      ExpectBox("Illegal Bet");
      form_.BetClick();
      ++result_.refusedBets;
      if (State == TableState::Dealing) Fault("a bet of 0 was dealt");
      ui_.BetEdit->clear();
    }
    const int how = Between(1, 10);
    if (how <= 3 && CurrentBet > 0 && CurrentBet <= Bank) {
      ui_.BetEdit->clear();  // the last bet again
    } else if (how <= 6) {
      for (int clicks = Between(1, 4); clicks > 0; --clicks) emit form_.MoneySlot[Between(0, 4)]->clicked();
      if (ui_.BetEdit->text().isEmpty()) ui_.BetEdit->setText("1");
    } else if (how <= 8) {
      ui_.BetEdit->setText(QString::number(Between(1, std::max(1, Bank / 4))));
    } else {
      ui_.BetEdit->setText(QString::number(Bank));  // everything on one hand
    }
    form_.BetClick();
  }

  void Discard() {
    const auto click = [&](int slot) { emit form_.PlrCard[slot]->clicked(); };
    if (Chance(20)) {  // five, or four without keeping an Ace: refused, then put right
      for (int slot = 0; slot < 5; ++slot) click(slot);
      if (!Chance(2)) click(Between(0, 4));
      const DrawCheck check = CheckDraw(PlrHand, PlrDiscard);
      if (!check.Passed()) {
        ExpectBox("Illegal Draw");
        form_.DrawClick();
        ++result_.refusedDraws;
        if (State != TableState::Discarding) Fault("an illegal draw was taken");
      }
      for (int slot = 0; slot < 5; ++slot)
        if (PlrDiscard[slot] == 1) click(slot);
    }
    for (int n = Between(0, 3); n > 0; --n) click(Between(0, 4));
    form_.DrawClick();
    if (State != TableState::DealerToDraw) Fault("a legal draw was refused");
  }

  void Settle(std::int32_t bankBefore) {
    if (bankrupt_) return SettleBankruptcy();
    // The showdown as the rules settle it, against what the table shows and pays.
    const Outcome outcome = CompareHands(PlrFinalRank, DlrFinalRank);
    const char* shown[] = {"Push.. Split the Pot!", "You're a winner!", "Dealer wins!"};
    if (ui_.MainLabl->text() != shown[outcome])
      Fault("\"" + ui_.MainLabl->text().toStdString() + "\" shown for \"" + shown[outcome] + "\"");
    const std::int32_t settled = SettleBank(bankBefore, CurrentBet, outcome);
    net_ += settled - bankBefore;
    ++result_.hands;
    ++statsHands_;
    if (Bank != settled || Bank != StartingBank + net_)
      Fault("bank " + std::to_string(Bank) + " is not " + std::to_string(settled) + " (before " +
            std::to_string(bankBefore) + ")");
    CheckCounters();
    if (Bank <= 0) Fault("an empty bank did not open the bankruptcy dialog");
  }

  // The hand emptied the bank and the player chose New Game in the bankruptcy dialog.
  void SettleBankruptcy() {
    ++result_.hands;
    statsHands_ = keepStats_ ? statsHands_ + 1 : 0;
    ++result_.bankruptcies;
    ++result_.newGames;
    if (resultAtDialog_ != "Dealer wins!" || bankAtDialog_ != 0 || StartingBank + net_ != betAtDialog_)
      Fault("the bankruptcy dialog opened without the whole bank lost");
    net_ = 0;
    if (Bank != StartingBank || State != TableState::BettingNewGame)
      Fault("New Game in the bankruptcy dialog did not start a new game");
    CheckCounters();
  }

  // Between hands: every counter adds up to the hands played.
  void CheckCounters() {
    const GameStatistics& s = GameStats;
    const auto sum = [](const auto& a) { return std::accumulate(a.begin(), a.end(), 0u); };
    if (sum(s.PlrRankCounts) != s.HandsPlayed) Fault("player's categories do not add up to the hands played");
    if (sum(s.DlrRankCounts) != s.HandsPlayed) Fault("Dealer's categories do not add up to the hands played");
    if (sum(s.PlrDrawCounts) != s.HandsPlayed) Fault("player's draws do not add up");
    if (sum(s.DlrDrawCounts) != s.HandsPlayed) Fault("Dealer's draws do not add up");
    if (s.HandsWon > s.HandsPlayed) Fault("more hands won than played");
    if (s.HandsPlayed != statsHands_)
      Fault("the statistics count " + std::to_string(s.HandsPlayed) + " hands, not " +
            std::to_string(statsHands_));
    if (platform_.PendingExpectations() > 0) Fault("an expected message box never came");
    if (platform_.Shown().size() > static_cast<std::size_t>(expectedBoxes_))
      Fault("an unexpected message box");
    platform_.ForgetShown();
    expectedBoxes_ = 0;
  }

  TMainForm& form_;
  TableControls ui_;
  std::mt19937 random_;
  SoakResult& result_;
  FakePlatform platform_;
  int expectedBoxes_ = 0;
  TExitDlg exitDlg_;
  QTimer answer_;
  bool bankrupt_ = false;
  QString resultAtDialog_;
  std::int32_t bankAtDialog_ = 0;
  std::int32_t betAtDialog_ = 0;
  std::int64_t net_ = 0;          // payouts since the last new game
  bool keepStats_ = true;         // the last answer to "Save current stats?"
  std::uint32_t statsHands_ = 0;  // settled hands since the statistics were last cleared
};

}  // namespace

SoakResult Soak(TMainForm& form, int hands, unsigned seed, const std::function<void(int)>& afterHand) {
  SoakResult result;
  Driver driver(form, seed, result);
  form.SplashTime->stop();
  WireTable(&form, nullptr);
  driver.Start();
  while (result.hands < hands && result.faults.size() < kMaxFaults) {
    const int before = result.hands;
    driver.PlayHand();
    if (afterHand && result.hands != before) afterHand(result.hands);
  }
  return result;
}
