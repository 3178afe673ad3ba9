// Opens the history window on a game of its own, for screenshots:
//   show_history [hands]   that many hands (10 unless given), the second newest chosen
// e.g. xvfb-run -s '-screen 0 1280x1024x24' build/tools/show_history, then
// import -window root shot.png while it runs.
#include <QApplication>
#include <QItemSelectionModel>
#include <QTableView>
#include <algorithm>
#include <cstdlib>
#include <numeric>

#include "game/compare.h"
#include "game/handrank.h"
#include "history/historybox.h"
#include "history/recorder.h"
#include "platform/language.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  InstallTranslators();
  const int hands = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;
  THistoryBox box;
  box.SetPlayerName("Lee");
  HandRecorder& recorder = *box.Recorder();
  recorder.GameStarted(1000);

  std::uint32_t state = 2026;
  const auto next = [&state](std::uint32_t n) {
    state = state * 1664525u + 1013904223u;
    return (state >> 8) % n;
  };
  std::int32_t bank = 1000;
  for (int n = 0; n < hands && bank > 0; ++n) {
    std::array<CardCode, 52> deck;
    std::iota(deck.begin(), deck.end(), 1);
    for (std::uint32_t i = 51; i > 0; --i) std::swap(deck[i], deck[next(i + 1)]);
    Hand player, dealer, drawn;
    std::copy_n(deck.begin(), 5, player.begin());
    std::copy_n(deck.begin() + 5, 5, dealer.begin());
    SlotFlags discards{};
    drawn = player;
    int taken = 10;
    for (int slot = 0; slot < 5; ++slot)
      if (RankOf(player[slot]) < 9 && next(3) > 0 && taken < 13) {
        discards[slot] = 1;
        drawn[slot] = deck[taken++];
      }
    const std::int32_t bet = std::min<std::int32_t>(bank, 10 * (1 + static_cast<std::int32_t>(next(10))));
    recorder.HandDealt(player, {}, bet, bank - bet);
    recorder.DrawMade(discards, player, drawn, {});
    if (n % 4 != 3) recorder.CoachVerdict(1 + static_cast<std::int32_t>(next(3)), next(2) * 0.01 * next(900));
    ShowdownRecord r{.player = drawn, .dealer = dealer, .bet = bet, .pot = 2 * bet};
    RankHistogram counts;
    EvaluateHand(drawn, r.playerRank, counts);
    EvaluateHand(dealer, r.dealerRank, counts);
    r.outcome = CompareHands(r.playerRank, r.dealerRank);
    bank += r.outcome == PlayerWins ? bet : r.outcome == DealerWins ? -bet : 0;
    r.bank = bank;
    recorder.ShowdownSettled(r);
    if (bank == 0) recorder.WentBankrupt();
  }
  box.show();
  auto* view = box.findChild<QTableView*>("HandsView");
  view->selectionModel()->setCurrentIndex(view->model()->index(std::min(1, view->model()->rowCount() - 1), 0),
                                          QItemSelectionModel::SelectCurrent | QItemSelectionModel::Rows);
  return app.exec();
}
