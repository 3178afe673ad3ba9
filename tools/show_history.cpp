// Opens the history window on games of its own, for screenshots:
//   show_history [HANDS] [hands|games|lifetime|leaks|earlier]
// Six earlier games by two players go through the recorder into a database in a temporary
// folder, then HANDS hands (10 unless given) of the game in play; the window shows the page
// named (the hands of the game in play unless given; earlier: the hands of the longest earlier
// game), the second newest hand chosen. e.g. xvfb-run -s '-screen 0 1920x1080x24'
// build/tools/show_history 40 leaks, then import -window root shot.png while it runs.
#include <QApplication>
#include <QElapsedTimer>
#include <QItemSelectionModel>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <numeric>

#include "game/compare.h"
#include "game/handrank.h"
#include "game/money.h"
#include "history/historybox.h"
#include "history/recorder.h"
#include "platform/language.h"
#include "platform/platform.h"

namespace {

struct Rng {
  std::uint32_t state = 2026;
  std::uint32_t Next(std::uint32_t n) {
    state = state * 1664525u + 1013904223u;
    return (state >> 8) % n;
  }
};

// A game of up to hands hands as the table and the coach would report it; the player keeps
// high cards and throws the rest, and the coach, judging three draws in four, would now and
// then have kept other cards. A bankrupt game stops there.
void Play(HandRecorder& recorder, Rng& rng, int hands, std::int32_t betScale) {
  std::int32_t bank = 1000;
  for (int n = 0; n < hands && bank > 0; ++n) {
    std::array<CardCode, 52> deck;
    std::iota(deck.begin(), deck.end(), 1);
    for (std::uint32_t i = 51; i > 0; --i) std::swap(deck[i], deck[rng.Next(i + 1)]);
    Hand player, dealer, drawn;
    std::copy_n(deck.begin(), 5, player.begin());
    std::copy_n(deck.begin() + 5, 5, dealer.begin());
    SlotFlags discards{}, best{};
    drawn = player;
    int taken = 10;
    for (int slot = 0; slot < 5; ++slot) {
      if (RankOf(player[slot]) < 9 && rng.Next(3) > 0 && taken < 13) {
        discards[slot] = 1;
        drawn[slot] = deck[taken++];
      }
      best[slot] = RankOf(player[slot]) < 10 && slot > 0 ? 1 : 0;
    }
    const std::int32_t bet =
        std::min<std::int32_t>(bank, betScale * (1 + static_cast<std::int32_t>(rng.Next(10))));
    recorder.HandDealt(player, {}, bet, bank - bet);
    recorder.DrawMade(discards, player, drawn, {});
    if (n % 4 != 3) {
      const bool below = rng.Next(3) == 0 && discards != best;
      recorder.CoachVerdict(below ? 2 + static_cast<std::int32_t>(rng.Next(5)) : 1,
                            below ? 0.01 * (1 + rng.Next(40 * bet)) : 0.0, below ? best : discards);
    }
    ShowdownRecord r{.player = drawn, .dealer = dealer, .bet = bet, .pot = 2 * bet};
    RankHistogram counts;
    EvaluateHand(drawn, r.playerRank, counts);
    EvaluateHand(dealer, r.dealerRank, counts);
    r.outcome = CompareHands(r.playerRank, r.dealerRank);
    bank = SettleBank(bank, bet, r.outcome);
    r.bank = bank;
    recorder.ShowdownSettled(r);
    if (bank == 0) recorder.WentBankrupt();
  }
}

// The games spread over the last weeks: every reading of the clock is five minutes on.
class SpreadClock : public QtPlatform {
 public:
  QDateTime LocalDateTime() override { return start_.addSecs(300 * ++readings_); }

 private:
  QDateTime start_ = QDateTime::currentDateTime().addDays(-21);
  std::int64_t readings_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  InstallTranslators();
  SpreadClock clock;
  InstallPlatform(&clock);
  const int hands = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;
  const char* page = argc > 2 ? argv[2] : "hands";
  QTemporaryDir folder;
  THistoryBox box;
  box.KeepHandsIn(folder.filePath("history.sqlite"));
  HandRecorder& recorder = *box.Recorder();

  Rng rng;
  const struct {
    const char* player;
    int hands;
    std::int32_t betScale;
  } earlier[] = {{"Lee", 120, 10}, {"Lee", 2400, 10}, {"Ann", 60, 50},
                 {"Lee", 300, 20}, {"Ann", 45, 100},  {"Lee", 80, 10}};
  for (const auto& game : earlier) {
    recorder.GameStarted(1000, game.player);
    Play(recorder, rng, game.hands, game.betScale);
  }
  recorder.GameStarted(1000, "Lee");
  Play(recorder, rng, hands, 10);

  box.show();
  auto* tabs = box.findChild<QTabWidget*>("HistoryTabs");
  // The writer has the database to itself until it has written the last hand queued.
  QElapsedTimer waited;
  waited.start();
  while (waited.elapsed() < 3000) QApplication::processEvents(QEventLoop::AllEvents, 20);
  if (std::strcmp(page, "games") == 0 || std::strcmp(page, "earlier") == 0)
    tabs->setCurrentIndex(THistoryBox::GamesTab);
  if (std::strcmp(page, "lifetime") == 0) tabs->setCurrentIndex(THistoryBox::LifetimeTab);
  if (std::strcmp(page, "leaks") == 0) tabs->setCurrentIndex(THistoryBox::LeaksTab);
  if (std::strcmp(page, "earlier") == 0) {
    auto* games = box.findChild<QTableView*>("GamesView");
    games->setCurrentIndex(games->model()->index(games->model()->rowCount() - 2, 0));
    box.findChild<QPushButton*>("ShowHandsBtn")->click();
  }
  if (tabs->currentIndex() == THistoryBox::HandsTab) {
    auto* view = box.findChild<QTableView*>("HandsView");
    view->selectionModel()->setCurrentIndex(
        view->model()->index(std::min(1, view->model()->rowCount() - 1), 0),
        QItemSelectionModel::SelectCurrent | QItemSelectionModel::Rows);
  }
  return app.exec();
}
