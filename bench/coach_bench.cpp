// How long the coach takes to rank every hold of a dealt hand, and how close its values are.
//   coach_bench [HANDS]           time HANDS hands (200): median, 90th percentile and worst; and
//                                 the error of the gaps between the best hold and the next two
//   coach_bench --accuracy N      also set the first N hands' gaps beside a run of 20 times the
//                                 deals, and count those that stray beyond their error
// The hands are the game's own deals, shuffled with the clock at 1, 2, 3 ... seconds.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>
#include <vector>

#include "game/cards.h"
#include "game/coach.h"
#include "game/random.h"

namespace {

std::vector<Hand> DealtHands(int count) {
  std::int64_t second = 0;
  SetCalendarSecondsSource([&second] { return ++second; });
  DeckGrid cards, order;
  FillDeckGrids(cards, order);
  std::vector<Hand> hands;
  for (int i = 0; i < count; ++i) {
    std::int32_t next = 1;
    Hand player{}, dealer{};
    ShuffleDeck(cards);
    DealHands(cards, next, player, dealer);
    hands.push_back(player);
  }
  SetCalendarSecondsSource({});
  return hands;
}

double Percentile(std::vector<double> values, double p) {
  std::sort(values.begin(), values.end());
  return values[static_cast<std::size_t>(p * static_cast<double>(values.size() - 1))];
}

}  // namespace

int main(int argc, char** argv) {
  int count = 200;
  int checked = 0;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--accuracy") == 0 && i + 1 < argc)
      checked = std::atoi(argv[++i]);
    else
      count = std::max(1, std::atoi(argv[i]));
  }
  const std::vector<Hand> hands = DealtHands(std::max(count, checked));

  std::vector<double> ms;
  std::vector<double> errors;  // of the second and third holds' gaps to the first
  int loose = 0, ties = 0;
  for (int i = 0; i < count; ++i) {
    const auto start = std::chrono::steady_clock::now();
    const std::vector<HoldOdds> ranked = RankHolds(hands[i]);
    ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    errors.push_back(ranked[1].error);
    errors.push_back(ranked[2].error);
    loose += std::max(ranked[1].error, ranked[2].error) > kCoachPrecision;
    ties += ranked[1].best;
  }
  std::printf("hands %d, Dealer hands per hand %lld (first pass %lld), threads %u\n", count,
              static_cast<long long>(kCoachTrials), static_cast<long long>(kCoachPilot),
              std::min(2u, std::max(1u, std::thread::hardware_concurrency())));
  std::printf("time to rank a hand: median %.1f ms, 90th percentile %.1f ms, worst %.1f ms\n",
              Percentile(ms, 0.5), Percentile(ms, 0.9), Percentile(ms, 1.0));
  std::printf(
      "error of the gap to the best, second and third holds: median %.5f, largest %.5f bets; "
      "%d hands beyond %.3f; %d hands with a second hold as good as the best\n",
      Percentile(errors, 0.5), Percentile(errors, 1.0), loose, kCoachPrecision, ties);

  if (checked == 0) return 0;
  double worst = 0;
  int gaps = 0, strays = 0;
  for (int i = 0; i < checked; ++i) {
    const std::vector<HoldOdds> ranked = RankHolds(hands[i]);
    const std::vector<HoldOdds> reference = RankHolds(
        hands[i],
        CoachOptions{.trials = 20 * kCoachTrials, .seed = 1'000'003 + static_cast<std::uint64_t>(i)});
    auto valueIn = [](const std::vector<HoldOdds>& holds, const SlotFlags& discards) {
      return std::find_if(holds.begin(), holds.end(),
                          [&](const HoldOdds& h) { return h.discards == discards; })
          ->Value();
    };
    for (int k = 1; k <= 2; ++k) {
      const double gap = ranked[0].Value() - ranked[k].Value();
      const double truth = valueIn(reference, ranked[0].discards) - valueIn(reference, ranked[k].discards);
      const double off = std::abs(gap - truth);
      worst = std::max(worst, off);
      strays += off > ranked[k].error;
      ++gaps;
    }
  }
  std::printf("accuracy over %d hands, %d gaps: largest difference %.4f bets, %d beyond their error\n",
              checked, gaps, worst, strays);
  return 0;
}
