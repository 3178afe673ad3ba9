// The hand-history database: one hand's write, timed over a session of 20,000 hands in a fresh
// file, on the clock and in the writing thread's own CPU time (the difference is the machine's
// other work); then at a million hands, generated once and kept for later runs in the temporary
// folder (or at the path given with --db=PATH): the file's bytes a hand, opening and vetting it,
// and the history window over it: opening on the game in play, the list of games, the longest
// game's hands and chart, scrolling down through it, and the lifetime figures and leaks.
//   handstore_bench [--db=PATH] [benchmark options]
#include <benchmark/benchmark.h>
#include <time.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <algorithm>
#include <array>
#include <cstring>
#include <functional>
#include <numeric>
#include <vector>

#include "game/compare.h"
#include "game/handrank.h"
#include "game/money.h"
#include "history/archive.h"
#include "history/handstore.h"
#include "history/historybox.h"
#include "history/historymodel.h"
#include "history/recorder.h"

namespace {

constexpr std::int64_t kHands = 1'000'000;
constexpr std::int64_t kLongGame = 600'000;  // the first game; the rest are games of 1,000
QString dbPath;

struct Lcg {
  std::uint32_t state;
  std::uint32_t Next(std::uint32_t n) {
    state = state * 1664525u + 1013904223u;
    return (state >> 8) % n;
  }
};

// A hand dealt from a shuffled deck and settled by the rules; a coach's verdict on most draws,
// a fifth of them below the best with a best hold of their own.
KeptHand MakeHand(Lcg& rng, std::int32_t& bank, std::int64_t number) {
  std::array<CardCode, 52> deck;
  std::iota(deck.begin(), deck.end(), 1);
  for (std::uint32_t i = 51; i > 0; --i) std::swap(deck[i], deck[rng.Next(i + 1)]);
  Hand dealt, dealer;
  std::copy_n(deck.begin(), 5, dealt.begin());
  std::copy_n(deck.begin() + 5, 5, dealer.begin());
  SlotFlags discards{}, best{};
  Hand drawn = dealt;
  int next = 10;
  for (int slot = 0; slot < 5; ++slot) {
    if (RankOf(dealt[slot]) < 9 && next < 13 && rng.Next(3) > 0) {
      discards[slot] = 1;
      drawn[slot] = deck[next++];
    }
    best[slot] = RankOf(dealt[slot]) < 8 && slot < 4 ? 1 : 0;
  }
  HandRank pr, dr;
  RankHistogram counts;
  EvaluateHand(drawn, pr, counts);
  EvaluateHand(dealer, dr, counts);
  const Outcome outcome = CompareHands(pr, dr);
  const std::int32_t bet = std::max<std::int32_t>(1, std::min<std::int32_t>(bank, 5 + rng.Next(50)));
  bank = SettleBank(bank, bet, outcome);
  KeptHand h;
  HandEntry& e = h.entry;
  e.bet = bet;
  e.bank = bank;
  e.dealt = PackCards(dealt);
  e.drawn = PackCards(drawn);
  e.dealer = PackCards(dealer);
  e.discards = PackDiscards(discards);
  e.playerCategory = static_cast<std::uint8_t>(pr[CategoryField]);
  e.dealerCategory = static_cast<std::uint8_t>(dr[CategoryField]);
  e.outcome = static_cast<std::uint8_t>(outcome);
  const std::uint32_t judged = rng.Next(10);
  const bool below = judged < 2 && discards != best;
  e.coach = static_cast<std::uint8_t>(judged >= 6 ? CoachCall::None
                                      : below     ? CoachCall::NotBest
                                                  : CoachCall::Best);
  e.bestHold = PackDiscards(below ? best : discards);
  e.centsBelow = below ? 1 + rng.Next(3000) : 0;
  h.number = number;
  h.when = 1'780'000'000 + number * 9;
  h.playerKey = RankKey(pr);
  h.dealerKey = RankKey(dr);
  return h;
}

bool Generate(const QString& path) {
  QFile::remove(path);
  QFile::remove(path + "-wal");
  QFile::remove(path + "-shm");
  HandStore store;
  const StoreOpening opening = store.Open(path);
  if (opening.state != StoreOpening::Created) return false;
  Lcg rng{2026};
  std::int64_t written = 0;
  for (int g = 0; written < kHands; ++g) {
    const std::int64_t hands = g == 0 ? kLongGame : std::min<std::int64_t>(1000, kHands - written);
    std::int32_t bank = 1000;
    const std::int64_t game = store.BeginGame(g % 3 == 2 ? "Ann" : "Lee", bank, 1'780'000'000 + written * 9);
    GameTotals totals;
    bool broke = false;
    for (std::int64_t n = 1; n <= hands && !broke; ++n) {
      const KeptHand hand = MakeHand(rng, bank, n);
      // Only the long game never runs dry: it lends itself the bank back.
      if (g == 0 && bank == 0) bank = 1000;
      totals.Add(hand);
      if (!store.AddHand(game, hand, totals)) return false;
      ++written;
      broke = bank == 0;
    }
    store.EndGame(game, broke ? GameEnd::Bankrupt : g % 2 ? GameEnd::NewGame : GameEnd::Quit, 0);
  }
  return true;
}

// Runs the event loop until done() holds, or for ms at most.
void WaitUntil(const std::function<bool()>& done, int ms) {
  QElapsedTimer t;
  t.start();
  while (!done() && t.elapsed() < ms) QApplication::processEvents(QEventLoop::AllEvents, 10);
}

double Percentile(std::vector<double> v, double p) {
  if (v.empty()) return 0;
  std::sort(v.begin(), v.end());
  return v[std::min(v.size() - 1, static_cast<std::size_t>(p * static_cast<double>(v.size())))];
}

double ThreadCpuMs() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

// What the writer's thread does with each hand: the game's totals and the hand's transaction.
void BM_WriteOneHand(benchmark::State& state) {
  std::vector<double> wall, cpu;
  for (auto _ : state) {
    QTemporaryDir folder;
    HandStore store;
    store.Open(folder.filePath("history.sqlite"));
    const std::int64_t game = store.BeginGame("Lee", 1000, 0);
    GameTotals totals;
    Lcg rng{7};
    std::int32_t bank = 1000;
    for (std::int64_t n = 1; n <= 20'000; ++n) {
      const KeptHand hand = MakeHand(rng, bank, n);
      if (bank == 0) bank = 1000;
      QElapsedTimer t;
      const double cpu0 = ThreadCpuMs();
      t.start();
      totals.Add(hand);
      store.AddHand(game, hand, totals);
      wall.push_back(static_cast<double>(t.nsecsElapsed()) / 1e6);
      cpu.push_back(ThreadCpuMs() - cpu0);
    }
  }
  state.counters["p50_ms"] = Percentile(wall, 0.50);
  state.counters["p99_ms"] = Percentile(wall, 0.99);
  state.counters["p999_ms"] = Percentile(wall, 0.999);
  state.counters["worst_ms"] = *std::max_element(wall.begin(), wall.end());
  state.counters["cpu_p50_ms"] = Percentile(cpu, 0.50);
  state.counters["cpu_p99_ms"] = Percentile(cpu, 0.99);
}
BENCHMARK(BM_WriteOneHand)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

void BM_BytesPerHand(benchmark::State& state) {
  for (auto _ : state) {
    HandStore store;
    store.Open(dbPath);  // a checkpoint on closing folds the log into the file
    store.Close();
  }
  state.counters["bytes_per_hand"] = static_cast<double>(QFileInfo(dbPath).size()) / kHands;
}
BENCHMARK(BM_BytesPerHand)->Iterations(1);

void BM_OpenAndVet(benchmark::State& state) {
  for (auto _ : state) {
    HandStore store;
    benchmark::DoNotOptimize(store.Open(dbPath).state);
  }
}
BENCHMARK(BM_OpenAndVet)->Unit(benchmark::kMillisecond)->Iterations(3);

// Everything a player sees, through the window, with the file's writer running beside it.
void BM_Window(benchmark::State& state) {
  for (auto _ : state) {
    THistoryBox box;
    box.resize(1000, 660);
    auto* tabs = box.findChild<QTabWidget*>("HistoryTabs");
    box.KeepHandsIn(dbPath);
    // The writer vets the file first; the window reads it once the writer has said so.
    WaitUntil([tabs] { return tabs->isTabVisible(THistoryBox::GamesTab); }, 60'000);
    box.Recorder()->GameStarted(1000, "Lee");
    WaitUntil([] { return false; }, 200);
    const auto timed = [](const std::function<void()>& step) {
      QElapsedTimer t;
      t.start();
      step();
      QApplication::processEvents();
      return static_cast<double>(t.nsecsElapsed()) / 1e6;
    };
    auto* hands = box.findChild<QTableView*>("HandsView");
    auto* games = box.findChild<QTableView*>("GamesView");
    state.counters["open_ms"] = timed([&] { box.show(); });
    state.counters["games_list_ms"] = timed([&] { tabs->setCurrentIndex(THistoryBox::GamesTab); });
    const int longest = games->model()->rowCount() - 1;  // the oldest game is the long one
    state.counters["long_game_ms"] = timed([&] {
      games->setCurrentIndex(games->model()->index(longest, 0));
      emit games->activated(games->currentIndex());
    });
    double worst = 0;
    for (int step = 0; step < 200; ++step)
      worst = std::max(worst, timed([&] {
                         QScrollBar* bar = hands->verticalScrollBar();
                         bar->setValue(bar->maximum());
                       }));
    state.counters["scroll_worst_ms"] = worst;
    state.counters["rows_after_scrolling"] = hands->model()->rowCount();
    state.counters["lifetime_ms"] = timed([&] { tabs->setCurrentIndex(THistoryBox::LifetimeTab); });
    state.counters["leaks_ms"] = timed([&] { tabs->setCurrentIndex(THistoryBox::LeaksTab); });
  }
}
BENCHMARK(BM_Window)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

void BM_Figures(benchmark::State& state) {
  HandStore store;
  store.OpenToRead(dbPath);
  double lifetime = 0, leaks = 0;
  for (auto _ : state) {
    QElapsedTimer t;
    t.start();
    benchmark::DoNotOptimize(store.Lifetime());
    lifetime = std::max(lifetime, static_cast<double>(t.nsecsElapsed()) / 1e6);
    t.restart();
    benchmark::DoNotOptimize(store.Leaks());
    leaks = std::max(leaks, static_cast<double>(t.nsecsElapsed()) / 1e6);
  }
  state.counters["lifetime_worst_ms"] = lifetime;
  state.counters["leaks_worst_ms"] = leaks;
}
BENCHMARK(BM_Figures)->Unit(benchmark::kMillisecond)->Iterations(20);

}  // namespace

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  dbPath = QDir::temp().filePath("brindlewharf-bench/history-1M.sqlite");
  std::vector<char*> rest;
  for (int i = 0; i < argc; ++i) {
    if (std::strncmp(argv[i], "--db=", 5) == 0)
      dbPath = QString::fromLocal8Bit(argv[i] + 5);
    else
      rest.push_back(argv[i]);
  }
  int count = static_cast<int>(rest.size());
  {
    HandStore probe;
    const bool ready = QFileInfo::exists(dbPath) && probe.Open(dbPath).state == StoreOpening::Opened &&
                       probe.Lifetime().front().totals.hands == kHands;
    probe.Close();
    if (!ready) {
      QDir().mkpath(QFileInfo(dbPath).absolutePath());
      std::fprintf(stderr, "Generating %lld hands into %s ...\n", static_cast<long long>(kHands),
                   qPrintable(dbPath));
      if (!Generate(dbPath)) {
        std::fprintf(stderr, "could not generate %s\n", qPrintable(dbPath));
        return 1;
      }
    }
  }
  benchmark::Initialize(&count, rest.data());
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
