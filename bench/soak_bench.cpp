// A long game through the real table window: whole hands per second through its handlers, and
// the resident memory after 1,000 and after 100,000 hands.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <fstream>
#include <string>

#include "bench/rss.h"
#include "game/handrank.h"
#include "table/mainform.h"
#include "table/tablestate.h"
#include "tests/soak/soak.h"

namespace {

void BM_SoakHundredThousandHands(benchmark::State& state) {
  const int hands = static_cast<int>(state.range(0));
  for (auto _ : state) {
    ResetCardData();
    ResetRankData();
    ResetTableState();
    TMainForm form;
    double after1000 = 0;
    const SoakResult r = Soak(form, hands, 7, [&](int played) {
      if (played == 1000) after1000 = ResidentKiB();
    });
    const double afterAll = ResidentKiB();
    if (!r.faults.empty()) state.SkipWithError(r.faults.front().c_str());
    state.counters["rss_after_1000_KiB"] = after1000;
    state.counters["rss_after_all_KiB"] = afterAll;
    state.counters["rss_growth_KiB"] = afterAll - after1000;
    state.counters["bankruptcies"] = r.bankruptcies;
  }
  state.counters["hands_per_s"] = benchmark::Counter(
      static_cast<double>(hands) * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_SoakHundredThousandHands)->Arg(100000)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
