// How long the coach takes to rank every hold of a dealt hand, and how close its values are.
//   coach_bench [HANDS]           time HANDS hands (200): median, 90th percentile and worst; and
//                                 the error of the gaps between the best hold and the next two
//   coach_bench --accuracy N      also set the gaps of the first N hands' second and third holds
//                                 beside a reference: the three holds alone on the same deals, with
//                                 another seed and deals enough for a third of the coach's error
//                                 (at most 4 million); count those that stray beyond their error
//                                 and beyond twice it, and the second and third in the wrong order
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
  int doubtful = 0, ties = 0;
  for (int i = 0; i < count; ++i) {
    const auto start = std::chrono::steady_clock::now();
    const std::vector<HoldOdds> ranked = RankHolds(hands[i]);
    ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    bool inDoubt = false;
    for (int k = 1; k <= 2; ++k) {
      errors.push_back(ranked[k].error);
      // Neither known to the precision nor clear of the best by more than it: the budget ran out.
      const double gap = ranked[0].Value() - ranked[k].Value();
      inDoubt |= ranked[k].error > kCoachPrecision && gap <= ranked[k].error + kCoachPrecision;
    }
    doubtful += inDoubt;
    ties += ranked[1].best;
  }
  std::printf("hands %d, at most %lld Dealer hands a hold (first pass %lld), threads %u\n", count,
              static_cast<long long>(kCoachTrials), static_cast<long long>(kCoachPilot),
              std::min(2u, std::max(1u, std::thread::hardware_concurrency())));
  std::printf("time to rank a hand: median %.1f ms, 90th percentile %.1f ms, worst %.1f ms\n",
              Percentile(ms, 0.5), Percentile(ms, 0.9), Percentile(ms, 1.0));
  std::printf(
      "error of the gap to the best, second and third holds: median %.5f, largest %.5f bets; "
      "%d hands with one in doubt beyond %.3f; %d hands with a second hold as good as the best\n",
      Percentile(errors, 0.5), Percentile(errors, 1.0), doubtful, kCoachPrecision, ties);

  if (checked == 0) return 0;
  double worst = 0, worstRatio = 0;
  int gaps = 0, strays = 0, far = 0, swapped = 0;
  for (int i = 0; i < checked; ++i) {
    const std::vector<HoldOdds> ranked = RankHolds(hands[i]);
    const std::vector<SlotFlags> three{ranked[0].discards, ranked[1].discards, ranked[2].discards};
    const CoachOptions other{.seed = 1'000'003 + static_cast<std::uint64_t>(i)};
    // A short run tells the spread of the gaps, and so the deals a third of the coach's error needs.
    constexpr std::int64_t kShort = 20'000, kLongest = 4'000'000;
    const std::vector<HoldOdds> probe = PlayHolds(hands[i], three, kShort, true, other);
    double wanted = kShort;
    for (int k = 1; k <= 2; ++k) {
      const double aim = std::max(ranked[k].error / 3, 1e-5);
      wanted = std::max(wanted, kShort * std::pow(probe[k].error / aim, 2));
    }
    const std::vector<HoldOdds> reference = PlayHolds(
        hands[i], three, std::min<std::int64_t>(kLongest, static_cast<std::int64_t>(wanted)), true, other);
    for (int k = 1; k <= 2; ++k) {
      const double gap = ranked[0].Value() - ranked[k].Value();
      const double truth = reference[0].Value() - reference[k].Value();
      const double off = std::abs(gap - truth);
      worst = std::max(worst, off);
      if (ranked[k].error > 0) worstRatio = std::max(worstRatio, off / ranked[k].error);
      strays += off > ranked[k].error;
      far += off > 2 * ranked[k].error;
      ++gaps;
    }
    swapped += reference[2].Value() - reference[1].Value() > kCoachPrecision;
  }
  std::printf(
      "accuracy over %d hands, %d gaps: largest difference %.4f bets (%.1f times its error), %d beyond "
      "their error, %d beyond twice it; %d hands whose third hold is better than the second by more than "
      "%.3f\n",
      checked, gaps, worst, worstRatio, strays, far, swapped, kCoachPrecision);
  return 0;
}
