// The hand history at 100,000 hands: the memory a hand costs once recorded through the
// recorder's slots, and the time the chart of the bank takes to draw at 1x and 2x.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <cstdlib>
#include <memory>

#include "bench/rss.h"
#include "game/handrank.h"
#include "history/bankchart.h"
#include "history/recorder.h"

namespace {

constexpr int kHands = 100'000;

// A game that wanders: wins, losses and pushes from a small generator of its own.
void Record(HandRecorder& recorder, int hands) {
  recorder.GameStarted(1000, QStringLiteral("Lee"));
  std::uint32_t state = 12345;
  std::int32_t bank = 1000;
  for (int n = 0; n < hands; ++n) {
    state = state * 1664525u + 1013904223u;
    const Hand player{1 + int(state % 52), 2, 3, 4, 5}, dealer{14, 15, 16, 17, 18};
    const std::int32_t bet = 1 + static_cast<std::int32_t>(state >> 24) % 20;
    const auto outcome = static_cast<Outcome>(state >> 8 & 1   ? PlayerWins
                                              : state >> 9 & 1 ? DealerWins
                                                               : Push);
    bank += outcome == PlayerWins ? bet : outcome == DealerWins ? -bet : 0;
    recorder.HandDealt(player, {}, bet, bank - bet);
    recorder.DrawMade({0, 1, 1, 0, 0}, player, player, {});
    recorder.CoachVerdict(1 + static_cast<std::int32_t>(state >> 12) % 3, 0.25, {0, 0, 1, 1, 1});
    ShowdownRecord r{
        .player = player, .dealer = dealer, .outcome = outcome, .bet = bet, .pot = 2 * bet, .bank = bank};
    recorder.ShowdownSettled(r);
  }
}

void BM_MemoryPerHand(benchmark::State& state) {
  for (auto _ : state) {
    const double before = ResidentKiB();
    auto recorder = std::make_unique<HandRecorder>();
    Record(*recorder, kHands);
    const double after = ResidentKiB();
    benchmark::DoNotOptimize(recorder->History().Count());
    state.counters["bytes_per_hand"] = (after - before) * 1024 / kHands;
    state.counters["entry_bytes"] = sizeof(HandEntry);
  }
}
BENCHMARK(BM_MemoryPerHand)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_ChartDraw(benchmark::State& state) {
  static HandRecorder recorder;
  if (recorder.History().Count() != kHands) Record(recorder, kHands);
  const int ratio = static_cast<int>(state.range(0));
  BankChart chart(&recorder.History());
  chart.resize(900, 150);
  QImage image(chart.size() * ratio, QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(ratio);
  for (auto _ : state) {
    chart.render(&image);
    benchmark::DoNotOptimize(image.constBits());
  }
  state.counters["columns"] = static_cast<double>(recorder.History().Columns(900 * ratio).size());
}
BENCHMARK(BM_ChartDraw)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
