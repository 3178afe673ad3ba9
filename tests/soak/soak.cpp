#include "tests/soak/soak.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <numeric>
#include <random>

#include "decks/imagebox.h"
#include "game/compare.h"
#include "game/drawrule.h"
#include "game/handrank.h"
#include "game/money.h"
#include "platform/platform.h"
#include "table/exitdlg.h"
#include "table/mainform.h"
#include "table/tablestate.h"
#include "ui_exitdlg.h"
#include "ui_mainform.h"

namespace {

constexpr std::size_t kMaxFaults = 20;

// Answers exactly the message boxes the script announces; anything else is a fault.
class SoakPlatform : public Platform {
 public:
  explicit SoakPlatform(std::vector<std::string>& faults) : faults_(faults) {}

  void Expect(const QString& caption, MessageAnswer answer = MessageAnswer::Ok) {
    caption_ = caption;
    answer_ = answer;
  }
  bool Pending() const { return !caption_.isEmpty(); }

  MessageAnswer ShowMessage(const QString& text, const QString& caption, int) override {
    if (caption != caption_) {
      Fault("unexpected message box \"" + caption.toStdString() + "\": " + text.toStdString());
      return MessageAnswer::No;
    }
    caption_.clear();
    return answer_;
  }
  QString OpenFileName(const QString&, const QString&, const QString&) override { return {}; }
  QString SaveFileName(const QString&, const QString&, const QString&) override { return {}; }
  std::int64_t CalendarSeconds() override { return ++seconds_; }  // a new shuffle every deal
  QDateTime LocalDateTime() override { return QDateTime(QDate(2026, 12, 8), QTime(12, 0)); }
  void Pause(int) override {}
  void Terminate() override { ++terminates; }

  void Fault(const std::string& what) {
    if (faults_.size() < kMaxFaults) faults_.push_back(what);
  }

  int terminates = 0;

 private:
  std::vector<std::string>& faults_;
  QString caption_;
  MessageAnswer answer_ = MessageAnswer::Ok;
  std::int64_t seconds_ = 1'600'000'000;
};

class Driver {
 public:
  Driver(TMainForm& form, unsigned seed, SoakResult& result)
      : form_(form),
        ui_(*form.ui),
        random_(seed),
        result_(result),
        platform_(result.faults),
        exitDlg_(&form) {
    InstallPlatform(&platform_);
    ExitDlg = &exitDlg_;
    // The player answers the bankruptcy dialog with New Game once it is up.
    answer_.setSingleShot(true);
    answer_.setInterval(0);
    QObject::connect(&answer_, &QTimer::timeout, [this] {
      if (!exitDlg_.isVisible()) return Fault("the bankruptcy dialog is not up");
      if (exitDlg_.focusWidget() != exitDlg_.ui->NewGameBtn) Fault("New Game is not focused");
      bankrupt_ = true;
      resultAtDialog_ = ui_.MainLabl->text();
      bankAtDialog_ = Bank;
      betAtDialog_ = CurrentBet;
      platform_.Expect("New Game", Chance(2) ? MessageAnswer::Yes : MessageAnswer::No);
      exitDlg_.ui->NewGameBtn->click();
    });
  }
  ~Driver() {
    ExitDlg = nullptr;
    InstallPlatform(nullptr);
  }

  void Start() {
    // As the splash handover leaves it: the money panel up and a first bet from the welcome.
    for (QWidget* w : std::initializer_list<QWidget*>{ui_.BetLabl, ui_.BetEdit, ui_.Label5, ui_.MoneyPanl,
                                                      ui_.MoneyBreakPanl, ui_.BankLabl})
      w->show();
    BankLeft = Bank;
    form_.UpdateMoney();
    CurrentBet = 10;
    form_.BetClick();
  }

  // One hand from wherever the table stands to its showdown, with a New Game now and then.
  void PlayHand() {
    if (State == TableState::Betting || State == TableState::BettingNewGame) PlaceBet();
    if (State != TableState::Dealing) return Fault("the Deal did not deal");
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
    platform_.Expect("New Game", Chance(2) ? MessageAnswer::Yes : MessageAnswer::No);
    ui_.NewGame->trigger();
    net_ = 0;
    ++result_.newGames;
    CheckCounters();
  }

 private:
  bool Chance(int oneIn) { return std::uniform_int_distribution<int>(1, oneIn)(random_) == 1; }
  int Between(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random_); }

  void Fault(const std::string& what) {
    platform_.Fault("hand " + std::to_string(result_.hands + 1) + ": " + what);
  }

  void PlaceBet() {
    if (Chance(40)) {  // a bet the Deal must refuse, then a good one
      ui_.BetEdit->setText("0");
      platform_.Expect("Illegal Bet");
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
        platform_.Expect("Illegal Draw");
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
    if (Bank != settled || Bank != StartingBank + net_)
      Fault("bank " + std::to_string(Bank) + " is not " + std::to_string(settled) + " (before " +
            std::to_string(bankBefore) + ")");
    CheckCounters();
    if (Bank <= 0) Fault("an empty bank did not open the bankruptcy dialog");
  }

  // The hand emptied the bank and the player chose New Game in the bankruptcy dialog.
  void SettleBankruptcy() {
    ++result_.hands;
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
    if (platform_.Pending()) Fault("an expected message box never came");
  }

  TMainForm& form_;
  Ui::TMainForm& ui_;
  std::mt19937 random_;
  SoakResult& result_;
  SoakPlatform platform_;
  TExitDlg exitDlg_;
  QTimer answer_;
  bool bankrupt_ = false;
  QString resultAtDialog_;
  std::int32_t bankAtDialog_ = 0;
  std::int32_t betAtDialog_ = 0;
  std::int64_t net_ = 0;  // payouts since the last new game
};

}  // namespace

SoakResult Soak(TMainForm& form, int hands, unsigned seed, const std::function<void(int)>& afterHand) {
  SoakResult result;
  Driver driver(form, seed, result);
  form.SplashTime->stop();
  driver.Start();
  while (result.hands < hands && result.faults.size() < kMaxFaults) {
    const int before = result.hands;
    driver.PlayHand();
    if (afterHand && result.hands != before) afterHand(result.hands);
  }
  return result;
}
