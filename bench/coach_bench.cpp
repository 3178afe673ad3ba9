// How long the coach takes to rank every hold of a dealt hand, and how close its values are.
//   coach_bench [HANDS]           time HANDS hands (200): median, 90th percentile and worst
//   coach_bench --accuracy N      also set the first N hands' values beside a run of 100 times
//                                 the deals, and count the holds that stray more than 0.005
// The hands are the game's own deals, shuffled with the clock at 1, 2, 3 ... seconds.
#include <algorithm>
#include <chrono>
#include <cmath>
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
  double largestError = 0;
  std::vector<double> errors;
  for (int i = 0; i < count; ++i) {
    const auto start = std::chrono::steady_clock::now();
    const std::vector<HoldOdds> ranked = RankHolds(hands[i]);
    ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    for (const HoldOdds& hold : ranked) {
      errors.push_back(ValueError(hold, kCoachTrials));
      largestError = std::max(largestError, errors.back());
    }
  }
  std::printf("hands %d, deals per hand %lld, threads %u\n", count, static_cast<long long>(kCoachTrials),
              std::min(2u, std::max(1u, std::thread::hardware_concurrency())));
  std::printf("time to rank a hand: median %.1f ms, 90th percentile %.1f ms, worst %.1f ms\n",
              Percentile(ms, 0.5), Percentile(ms, 0.9), Percentile(ms, 1.0));
  std::printf("standard error of a hold's value: median %.5f, largest %.5f bets (0.005 is %.1f of them)\n",
              Percentile(errors, 0.5), largestError, 0.005 / largestError);

  if (checked == 0) return 0;
  double worst = 0;
  int holds = 0, strays = 0;
  for (int i = 0; i < checked; ++i) {
    const std::vector<HoldOdds> ranked = RankHolds(hands[i]);
    const std::vector<HoldOdds> reference = RankHolds(
        hands[i],
        CoachOptions{.trials = 100 * kCoachTrials, .seed = 1'000'003 + static_cast<std::uint64_t>(i)});
    for (const HoldOdds& hold : ranked) {
      const double truth = reference[HoldPlace(reference, hold.discards) - 1].Value();
      const double off = std::abs(hold.Value() - truth);
      worst = std::max(worst, off);
      strays += off > 0.005;
      ++holds;
    }
  }
  std::printf("accuracy over %d hands, %d holds: largest difference %.4f bets, %d beyond 0.005\n", checked,
              holds, worst, strays);
  return 0;
}
