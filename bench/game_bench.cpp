// The card engine's speed: EvaluateHand over every hand, and whole hands played on the logic side.
#include <benchmark/benchmark.h>

#include <vector>

#include "game/cards.h"
#include "game/compare.h"
#include "game/dealer.h"
#include "game/handrank.h"
#include "game/random.h"

namespace {

const std::vector<Hand>& AllHands() {
  static const std::vector<Hand> hands = [] {
    std::vector<Hand> all;
    all.reserve(2598960);
    for (int a = 1; a <= 48; ++a)
      for (int b = a + 1; b <= 49; ++b)
        for (int c = b + 1; c <= 50; ++c)
          for (int d = c + 1; d <= 51; ++d)
            for (int e = d + 1; e <= 52; ++e) all.push_back({a, b, c, d, e});
    return all;
  }();
  return hands;
}

// Time per hand: items_per_second is hands evaluated per second.
void BM_EvaluateAllHands(benchmark::State& state) {
  const auto& hands = AllHands();
  HandRank rank;
  RankHistogram counts;
  for (auto _ : state) {
    for (const Hand& h : hands) {
      EvaluateHand(h, rank, counts);
      benchmark::DoNotOptimize(rank);
    }
  }
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(hands.size()));
}
BENCHMARK(BM_EvaluateAllHands)->Unit(benchmark::kMillisecond);

// A complete hand without any window: shuffle, deal, both evaluations as dealt, the player's
// draw (discard everything but pairs, else keep the two highest), the Dealer's draw, both final
// evaluations and the comparison.
void BM_LogicOnlyHand(benchmark::State& state) {
  std::int64_t second = 1'700'000'000;
  SetCalendarSecondsSource([&second] { return second++; });
  DeckGrid cards, order;
  FillDeckGrids(cards, order);
  Hand plr, dlr;
  HandRank plrDealt, dlrDealt, plrFinal, dlrFinal;
  RankHistogram plrCounts, dlrCounts;
  std::int64_t playerWins = 0;
  for (auto _ : state) {
    std::int32_t next = 1;
    ShuffleDeck(cards);
    DealHands(cards, next, plr, dlr);
    EvaluateHand(plr, plrDealt, plrCounts);
    EvaluateHand(dlr, dlrDealt, dlrCounts);
    SlotFlags discard{}, replaced{};
    for (int slot = 0; slot < 5; ++slot) {
      const int r = RankOf(plr[slot]);
      const bool grouped = plrCounts[r] >= 2;
      const bool high = plrDealt[0] == HighCard && (r == plrDealt[1] || r == plrDealt[2]);
      discard[slot] = plrDealt[0] >= Straight || grouped || high ? 0 : 1;
    }
    ReplaceDiscards(cards, order, plr, next, discard, replaced);
    DealerDraw(cards, order, dlr, dlrCounts, dlrFinal, next);
    EvaluateHand(plr, plrFinal, plrCounts);
    EvaluateHand(dlr, dlrFinal, dlrCounts);
    playerWins += CompareHands(plrFinal, dlrFinal) == 1;
  }
  benchmark::DoNotOptimize(playerWins);
  state.SetItemsProcessed(state.iterations());
  SetCalendarSecondsSource({});
}
BENCHMARK(BM_LogicOnlyHand);

}  // namespace

BENCHMARK_MAIN();
