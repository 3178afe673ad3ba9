#include "game/coach.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <bit>
#include <cmath>
#include <stdexcept>
#include <thread>

#include "game/dealer.h"
#include "game/drawrule.h"
#include "game/handrank.h"

namespace {

// Hand keys: the category above two 13-bit rank masks. Two sets of ranks of the same size
// compare as masks exactly as they compare card by card from the highest, which is how
// CompareHands orders kickers; the groups of a hand are masks too, so no rank is ever sorted.
constexpr std::uint32_t MakeKey(HandCategory category, std::uint32_t high, std::uint32_t low) {
  return static_cast<std::uint32_t>(category) << 26 | high << 13 | low;
}

struct CardBits {
  std::array<std::uint32_t, 53> rank{};  // by card code
  std::array<std::uint32_t, 53> suit{};
  constexpr CardBits() {
    for (CardCode code = 1; code <= 52; ++code) {
      rank[code] = 1u << RankOf(code);
      suit[code] = 1u << SuitOf(code);
    }
  }
};
constexpr CardBits kBits;

constexpr std::uint32_t kWheel = 0x100F;  // Ace, Deuce, Three, Four, Five

// Some cards of a hand as the ranks seen at least once, twice, three and four times, and
// the suits seen. Five cards make a hand.
struct Cards {
  std::uint32_t once = 0, twice = 0, thrice = 0, four = 0, suits = 0;

  void Add(CardCode code) {
    const std::uint32_t bit = kBits.rank[code];
    four |= thrice & bit;
    thrice |= twice & bit;
    twice |= once & bit;
    once |= bit;
    suits |= kBits.suit[code];
  }

  // Both groups of cards together, as if b's had been added one by one.
  friend Cards operator+(const Cards& a, const Cards& b) {
    return {a.once | b.once, a.twice | b.twice | (a.once & b.once),
            a.thrice | b.thrice | (a.twice & b.once) | (a.once & b.twice),
            a.four | b.four | (a.thrice & b.once) | (a.twice & b.twice) | (a.once & b.thrice),
            a.suits | b.suits};
  }

  std::uint32_t Key() const {
    if (twice == 0) {
      const bool flush = (suits & (suits - 1)) == 0;
      const bool run = once == 0x1Fu << std::countr_zero(once);
      if (!run && once != kWheel) return MakeKey(flush ? Flush : HighCard, 0, once);
      const std::uint32_t top = run ? once & ~(once >> 1) : 1u << 3;  // the wheel's top card is the Five
      if (!flush) return MakeKey(Straight, 0, top);
      return MakeKey(top == 1u << kAceRank ? RoyalFlush : StraightFlush, 0, top);
    }
    // The largest group decides first, then whatever is left.
    if (four != 0) return MakeKey(FourOfAKind, four, once & ~four);
    if (thrice != 0) return MakeKey(twice != thrice ? FullHouse : ThreeOfAKind, thrice, once & ~thrice);
    return MakeKey((twice & (twice - 1)) != 0 ? TwoPair : Pair, twice, once & ~twice);
  }
};

// The coach's own generator (SplitMix64): small, fast and good enough for dealing cards.
class Generator {
 public:
  explicit Generator(std::uint64_t seed) : state_(seed) {}

  std::uint64_t Next() {
    std::uint64_t z = state_ += 0x9E3779B97F4A7C15u;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
    return z ^ (z >> 31);
  }

  // Uniform in 0..n-1, without the bias of a plain modulo.
  std::uint32_t Below(std::uint32_t n) {
    std::uint64_t product = (Next() >> 32) * n;
    if (static_cast<std::uint32_t>(product) < n) {
      const std::uint32_t threshold = (0u - n) % n;
      while (static_cast<std::uint32_t>(product) < threshold) product = (Next() >> 32) * n;
    }
    return static_cast<std::uint32_t>(product >> 32);
  }

 private:
  std::uint64_t state_;
};

// Binomial coefficients C(n, k) for the deck's sizes and up to five cards.
struct Binomials {
  std::array<std::array<std::int64_t, 6>, 53> c{};
  constexpr Binomials() {
    for (int n = 0; n <= 52; ++n) {
      c[n][0] = 1;
      for (int k = 1; k <= 5 && k <= n; ++k) c[n][k] = c[n - 1][k - 1] + (k <= n - 1 ? c[n - 1][k] : 0);
    }
  }
};
constexpr Binomials kChoose;

// A set of unseen cards, given by their places in unseen in ascending order, as a number from 0
// to C(size of unseen, count) - 1.
std::int64_t SubsetIndex(const int* places, int count) {
  std::int64_t index = 0;
  for (int j = 0; j < count; ++j) index += kChoose.c[places[j]][j + 1];
  return index;
}

// A hold and, for every set S of up to as many unseen cards as it draws, the keys of the
// player's finished hands over all the draws that contain S, ascending. The draws that miss every
// card the Dealer took then follow by inclusion and exclusion over the subsets of those cards.
struct Hold {
  Cards kept;
  int draws = 0;
  std::array<std::vector<std::uint32_t>, 5> keys;  // [k]: one run of length[k] keys per k-set
  std::array<std::int64_t, 5> length{};

  void Prepare(const std::vector<CardCode>& unseen) {
    const int m = static_cast<int>(unseen.size());
    const int n = draws;
    struct Draw {
      std::uint32_t key;
      std::array<std::uint8_t, 4> places;
    };
    std::vector<Draw> all;
    all.reserve(static_cast<std::size_t>(kChoose.c[m][n]));
    std::array<int, 4> p{};
    for (int i = 0; i < n; ++i) p[i] = i;
    for (;;) {
      Cards hand = kept;
      Draw draw{};
      for (int i = 0; i < n; ++i) {
        hand.Add(unseen[p[i]]);
        draw.places[i] = static_cast<std::uint8_t>(p[i]);
      }
      draw.key = hand.Key();
      all.push_back(draw);
      int i = n - 1;
      while (i >= 0 && p[i] == m - n + i) --i;
      if (i < 0) break;
      ++p[i];
      for (int j = i + 1; j < n; ++j) p[j] = p[j - 1] + 1;
    }
    // Handed out in key order, every run comes out sorted.
    std::sort(all.begin(), all.end(), [](const Draw& a, const Draw& b) { return a.key < b.key; });
    std::array<std::vector<std::int32_t>, 5> filled;
    for (int k = 0; k <= n; ++k) {
      length[k] = kChoose.c[m - k][n - k];
      keys[k].resize(static_cast<std::size_t>(kChoose.c[m][k] * length[k]));
      filled[k].assign(static_cast<std::size_t>(kChoose.c[m][k]), 0);
    }
    for (const Draw& draw : all) {
      for (unsigned mask = 0; mask < 1u << n; ++mask) {
        std::array<int, 4> subset{};
        int k = 0;
        for (int i = 0; i < n; ++i)
          if (mask >> i & 1) subset[k++] = draw.places[i];
        const std::int64_t index = SubsetIndex(subset.data(), k);
        keys[k][static_cast<std::size_t>(index * length[k] + filled[k][index]++)] = draw.key;
      }
    }
  }
};

// The deals' figures: per hold, the sums of the chances to win and push and of the squared
// value; per pair of holds, the sums of the difference of their values and of its square over the
// deals both met.
struct Sums {
  std::size_t holds = 0;
  std::vector<double> deals, win, push, valueSquared;
  std::vector<double> pairDeals, gap, gapSquared;  // [a * holds + b], a < b

  explicit Sums(std::size_t h = 0)
      : holds(h),
        deals(h),
        win(h),
        push(h),
        valueSquared(h),
        pairDeals(h * h),
        gap(h * h),
        gapSquared(h * h) {}

  Sums& operator+=(const Sums& o) {
    for (std::size_t i = 0; i < holds; ++i)
      deals[i] += o.deals[i], win[i] += o.win[i], push[i] += o.push[i], valueSquared[i] += o.valueSquared[i];
    for (std::size_t i = 0; i < holds * holds; ++i)
      pairDeals[i] += o.pairDeals[i], gap[i] += o.gap[i], gapSquared[i] += o.gapSquared[i];
    return *this;
  }

  double Value(std::size_t h) const { return (2 * win[h] + push[h]) / deals[h] - 1; }

  // The variance of the mean value of h.
  double ValueVariance(std::size_t h) const {
    if (deals[h] < 2) return 1;
    const double mean = Value(h);
    return std::max(valueSquared[h] / deals[h] - mean * mean, 1e-12) / (deals[h] - 1);
  }

  // Two standard errors of the mean difference between the values of a and b.
  double GapError(std::size_t a, std::size_t b) const {
    if (a == b) return 0;
    const std::size_t i = a < b ? a * holds + b : b * holds + a;
    const double n = pairDeals[i];
    if (n < 2) return 1;
    const double mean = gap[i] / n;
    const double variance = std::max(gapSquared[i] / n - mean * mean, 0.0) * n / (n - 1);
    return 2 * std::sqrt(variance / n);
  }
};

// The deals are cut into a fixed number of blocks, each with its own stream of the generator,
// so that the figures are the same whichever thread plays which block.
constexpr int kBlocks = 16;

// The exact deals every contender meets; the rest go to the closest, as many as the gaps need
// for an error a little inside the precision promised.
constexpr std::int64_t kFirstRound = 5'000;
constexpr double kAimedPrecision = 0.9 * kCoachPrecision;

// The first place in the ascending run of n keys whose key is not below key; without branches,
// as the runs are searched far too often for the processor to guess the way.
const std::uint32_t* FirstNotBelow(const std::uint32_t* run, std::int64_t n, std::uint32_t key) {
  while (n > 1) {
    const std::int64_t half = n / 2;
    run += run[half - 1] < key ? half : 0;
    n -= half;
  }
  return run + (*run < key);
}

// Plays trials Dealer hands against the holds picked, adding to sums. With exact set, every draw
// of the player is counted for each Dealer hand (the holds picked must be prepared); without, one
// draw is dealt as the Dealer's is.
void PlayBlock(const std::vector<Hold>& holds, const std::vector<std::size_t>& picked,
               const std::vector<CardCode>& unseen, std::int64_t trials, std::uint64_t seed, bool exact,
               Sums& sums) {
  Generator random(seed);
  const int m = static_cast<int>(unseen.size());
  int mostDraws = 0;
  for (std::size_t h : picked) mostDraws = std::max(mostDraws, holds[h].draws);
  const int reach = exact ? 9 : 9 + mostDraws;
  std::vector<int> deck(static_cast<std::size_t>(m));
  for (int i = 0; i < m; ++i) deck[i] = i;
  // The subsets of the Dealer's cards, by size: each as its index among the sets of that size.
  std::array<std::vector<std::int64_t>, 5> subsets;
  subsets[0] = {0};              // the empty set: every draw
  std::array<Cards, 5> drawn{};  // the player's first n draws
  std::vector<double> value(holds.size());

  for (std::int64_t trial = 0; trial < trials; ++trial) {
    // The Dealer's five, then its draws, then the player's: the Dealer's cards have the same
    // places whatever the player draws, which keeps the holds' deals alike.
    for (int i = 0; i < reach; ++i)
      std::swap(deck[i], deck[i + static_cast<int>(random.Below(static_cast<std::uint32_t>(m - i)))]);
    const Hand dealer{unseen[deck[0]], unseen[deck[1]], unseen[deck[2]], unseen[deck[3]], unseen[deck[4]]};
    HandRank rank;
    RankHistogram counts;
    EvaluateHand(dealer, rank, counts);
    const SlotFlags keeps = DealerKeeps(dealer, rank);
    Cards final;
    int taken = 5;
    for (int slot = 0; slot < 5; ++slot) {
      if (keeps[slot] == 1)
        final.Add(dealer[slot]);
      else
        final.Add(unseen[deck[taken++]]);
    }
    const std::uint32_t against = final.Key();

    if (!exact) {
      for (int n = 1; n <= mostDraws; ++n) {
        drawn[n] = drawn[n - 1];
        drawn[n].Add(unseen[deck[8 + n]]);
      }
      for (std::size_t h : picked) {
        const std::uint32_t key = (holds[h].kept + drawn[holds[h].draws]).Key();
        sums.deals[h] += 1;
        sums.win[h] += key > against;
        sums.push[h] += key == against;
        value[h] = key > against ? 1 : key == against ? 0 : -1;
        sums.valueSquared[h] += value[h] * value[h];
      }
    } else {
      std::array<int, 9> gone{};
      std::copy_n(deck.begin(), taken, gone.begin());
      std::sort(gone.begin(), gone.begin() + taken);
      for (int k = 1; k <= 4; ++k) subsets[k].clear();
      std::array<std::int64_t, 9> one{}, two{}, three{}, four{};  // C(gone[i], k) for k = 1..4
      for (int i = 0; i < taken; ++i) {
        one[i] = kChoose.c[gone[i]][1];
        two[i] = kChoose.c[gone[i]][2];
        three[i] = kChoose.c[gone[i]][3];
        four[i] = kChoose.c[gone[i]][4];
      }
      for (int a = 0; a < taken; ++a) {
        subsets[1].push_back(one[a]);
        if (mostDraws < 2) continue;
        for (int b = a + 1; b < taken; ++b) {
          subsets[2].push_back(one[a] + two[b]);
          if (mostDraws < 3) continue;
          for (int c = b + 1; c < taken; ++c) {
            subsets[3].push_back(one[a] + two[b] + three[c]);
            if (mostDraws < 4) continue;
            for (int d = c + 1; d < taken; ++d) subsets[4].push_back(one[a] + two[b] + three[c] + four[d]);
          }
        }
      }
      for (std::size_t h : picked) {
        const Hold& hold = holds[h];
        // Draws that beat or tie the Dealer among those that miss all its cards.
        std::int64_t wins = 0, pushes = 0;
        for (int k = 0; k <= hold.draws; ++k) {
          const std::int64_t length = hold.length[k];
          const std::int64_t sign = k % 2 == 0 ? 1 : -1;
          const std::uint32_t* keys = hold.keys[k].data();
          if (length == 1) {
            for (std::int64_t index : subsets[k]) {
              wins += sign * (keys[index] > against);
              pushes += sign * (keys[index] == against);
            }
            continue;
          }
          for (std::int64_t index : subsets[k]) {
            const std::uint32_t* run = keys + index * length;
            const std::uint32_t* end = run + length;
            const std::uint32_t* low = FirstNotBelow(run, length, against);
            const std::uint32_t* high = low;
            while (high != end && *high == against) ++high;
            wins += sign * (end - high);
            pushes += sign * (high - low);
          }
        }
        const double draws = static_cast<double>(kChoose.c[m - taken][hold.draws]);
        const double win = static_cast<double>(wins) / draws, push = static_cast<double>(pushes) / draws;
        sums.deals[h] += 1;
        sums.win[h] += win;
        sums.push[h] += push;
        value[h] = 2 * win + push - 1;
        sums.valueSquared[h] += value[h] * value[h];
      }
    }
    for (std::size_t a : picked)
      for (std::size_t b : picked) {
        if (a >= b) continue;
        const std::size_t i = a * sums.holds + b;
        const double d = value[a] - value[b];
        sums.pairDeals[i] += 1;
        sums.gap[i] += d;
        sums.gapSquared[i] += d * d;
      }
  }
}

std::uint64_t BlockSeed(std::uint64_t seed, int block) {
  Generator g(seed ^ (static_cast<std::uint64_t>(block) << 32));
  g.Next();
  return g.Next();
}

// Runs job(0) .. job(count - 1) on the given number of threads.
template <typename Job>
void RunJobs(int count, int threads, const Job& job) {
  std::atomic<int> next{0};
  auto work = [&] {
    for (int i = next++; i < count; i = next++) job(i);
  };
  std::vector<std::thread> helpers;
  for (int i = 1; i < std::min(threads, count); ++i) helpers.emplace_back(work);
  work();
  for (std::thread& helper : helpers) helper.join();
}

// Plays trials Dealer hands against the holds picked, in blocks; the sums in block order.
Sums Play(const std::vector<Hold>& holds, const std::vector<std::size_t>& picked,
          const std::vector<CardCode>& unseen, std::int64_t trials, std::uint64_t seed, int stage, bool exact,
          int threads) {
  std::vector<Sums> blocks(kBlocks, Sums(holds.size()));
  RunJobs(kBlocks, threads, [&](int b) {
    const std::int64_t share = trials / kBlocks + (b < trials % kBlocks ? 1 : 0);
    PlayBlock(holds, picked, unseen, share, BlockSeed(seed, stage * kBlocks + b), exact, blocks[b]);
  });
  Sums total(holds.size());
  for (const Sums& block : blocks) total += block;
  return total;
}

// The holds of among in order of value, best first; equal values in LegalHolds order.
std::vector<std::size_t> ByValue(const Sums& sums, std::vector<std::size_t> among) {
  std::stable_sort(among.begin(), among.end(),
                   [&](std::size_t a, std::size_t b) { return sums.Value(a) > sums.Value(b); });
  return among;
}

// The holds of among that might yet be the best, best first: the three best so far and any whose
// gap to the best is within reach of its error.
std::vector<std::size_t> Contenders(const Sums& sums, const std::vector<std::size_t>& among) {
  std::vector<std::size_t> order = ByValue(sums, among), close;
  for (std::size_t i = 0; i < order.size(); ++i) {
    const double gap = sums.Value(order[0]) - sums.Value(order[i]);
    if (i < 3 || gap <= 2 * sums.GapError(order[0], order[i]) + kCoachPrecision) close.push_back(order[i]);
  }
  return close;
}

// Both passes' figures together. The gaps between holds are far sharper in the exact deals, and
// come from those wherever both holds met them. A hold's own value is about as uncertain in
// either pass (the Dealer's hand is the larger part of its luck), so the exact holds' level is
// set by the two passes' figures for the best of them, weighed by their variances, and every
// exact hold keeps its gap to that one.
Sums Sharpest(const Sums& plain, const Sums& exact) {
  Sums best = plain;
  std::size_t anchor = best.holds;
  for (std::size_t h = 0; h < best.holds; ++h)
    if (exact.deals[h] > 0 && (anchor == best.holds || exact.Value(h) > exact.Value(anchor))) anchor = h;
  if (anchor == best.holds) return best;
  const double p = 1 / plain.ValueVariance(anchor), e = 1 / exact.ValueVariance(anchor);
  const double shiftWin =
      p / (p + e) * (plain.win[anchor] / plain.deals[anchor] - exact.win[anchor] / exact.deals[anchor]);
  const double shiftPush =
      p / (p + e) * (plain.push[anchor] / plain.deals[anchor] - exact.push[anchor] / exact.deals[anchor]);
  for (std::size_t h = 0; h < best.holds; ++h) {
    if (exact.deals[h] == 0) continue;
    best.deals[h] = 1;
    best.push[h] = std::clamp(exact.push[h] / exact.deals[h] + shiftPush, 0.0, 1.0);
    best.win[h] = std::clamp(exact.win[h] / exact.deals[h] + shiftWin, 0.0, 1.0 - best.push[h]);
  }
  for (std::size_t i = 0; i < best.holds * best.holds; ++i)
    if (exact.pairDeals[i] > 0)
      best.pairDeals[i] = exact.pairDeals[i], best.gap[i] = exact.gap[i],
      best.gapSquared[i] = exact.gapSquared[i];
  return best;
}

}  // namespace

std::vector<SlotFlags> LegalHolds(const Hand& hand) {
  std::vector<SlotFlags> holds;
  for (int bits = 0; bits < 32; ++bits) {
    SlotFlags discards{};
    for (int slot = 0; slot < 5; ++slot) discards[slot] = bits >> slot & 1;
    if (CheckDraw(hand, discards).Passed()) holds.push_back(discards);
  }
  return holds;
}

std::vector<CardCode> UnseenCards(const Hand& hand) {
  std::vector<CardCode> unseen;
  for (CardCode code = 1; code <= 52; ++code)
    if (std::find(hand.begin(), hand.end(), code) == hand.end()) unseen.push_back(code);
  return unseen;
}

std::vector<HoldOdds> RankHolds(const Hand& hand, const std::vector<CardCode>& unseen,
                                const CoachOptions& options) {
  const std::vector<SlotFlags> legal = LegalHolds(hand);
  std::vector<Hold> holds(legal.size());
  int mostDraws = 0;
  for (std::size_t h = 0; h < legal.size(); ++h) {
    for (int slot = 0; slot < 5; ++slot) {
      if (legal[h][slot] == 1)
        ++holds[h].draws;
      else
        holds[h].kept.Add(hand[slot]);
    }
    mostDraws = std::max(mostDraws, holds[h].draws);
  }
  if (unseen.size() < static_cast<std::size_t>(5 + mostDraws + 4) || unseen.size() > 47)
    throw std::invalid_argument("the unseen cards must be 13 to 47");

  int threads = options.threads;
  if (threads <= 0) threads = std::clamp(static_cast<int>(std::thread::hardware_concurrency()), 1, 2);

  // A first pass over every hold with one draw a deal; then every draw counted for the holds
  // that might be best, briefly, and then for as long as the three best need, within trials.
  std::vector<std::size_t> everyHold(holds.size());
  for (std::size_t h = 0; h < holds.size(); ++h) everyHold[h] = h;
  const Sums plain = Play(holds, everyHold, unseen, std::max<std::int64_t>(options.pilot, 1), options.seed, 0,
                          false, threads);
  Sums sums = plain;
  Sums exact(holds.size());
  std::vector<bool> prepared(holds.size());
  std::vector<std::size_t> close = Contenders(plain, everyHold);
  std::int64_t played = 0;
  for (int round = 1;; ++round) {
    std::vector<std::size_t> fresh;
    for (std::size_t h : close)
      if (!prepared[h]) fresh.push_back(h), prepared[h] = true;
    RunJobs(static_cast<int>(fresh.size()), threads, [&](int i) { holds[fresh[i]].Prepare(unseen); });
    // Enough deals for the gaps between the best and the next two to reach the aim, judged by
    // the spread of the deals so far; the first round for any pair not yet met.
    std::int64_t needed = 0, unmet = 0;
    for (std::size_t i = 1; i < std::min<std::size_t>(close.size(), 3); ++i) {
      const std::size_t pair = std::min(close[0], close[i]) * holds.size() + std::max(close[0], close[i]);
      const double met = exact.pairDeals[pair];
      const double ratio = met < kFirstRound ? 0 : exact.GapError(close[0], close[i]) / kAimedPrecision;
      unmet = std::max(unmet, kFirstRound - static_cast<std::int64_t>(met));
      needed = std::max(needed, met < kFirstRound ? kFirstRound - static_cast<std::int64_t>(met)
                                                  : static_cast<std::int64_t>(met * ratio * ratio - met));
    }
    // Past the budget, a hold that has just come among the three best still gets its first round.
    const std::int64_t deals = played < options.trials
                                   ? std::min(std::max(needed, kFirstRound), options.trials - played)
                                   : std::min(unmet, kFirstRound);
    if (needed <= 0 || deals <= 0) break;
    exact += Play(holds, close, unseen, deals, options.seed, round, true, threads);
    played += deals;
    sums = Sharpest(plain, exact);
    // The three best, whatever the round before thought, and whatever else is still close.
    const std::vector<std::size_t> top = ByValue(sums, everyHold);
    std::vector<std::size_t> measured;
    for (std::size_t h = 0; h < holds.size(); ++h)
      if (prepared[h] || std::find(top.begin(), top.begin() + 3, h) != top.begin() + 3) measured.push_back(h);
    close = Contenders(sums, measured);
  }
  const std::vector<std::size_t> order = ByValue(sums, everyHold);

  std::vector<HoldOdds> ranked(holds.size());
  for (std::size_t i = 0; i < order.size(); ++i) {
    const std::size_t h = order[i];
    HoldOdds& odds = ranked[i];
    odds.discards = legal[h];
    odds.win = sums.win[h] / sums.deals[h];
    odds.push = sums.push[h] / sums.deals[h];
    odds.lose = std::max(0.0, 1 - odds.win - odds.push);
    odds.error = sums.GapError(order[0], h);
    odds.best = i == 0 || ranked[0].Value() - odds.Value() <= std::max(odds.error, kCoachPrecision);
  }
  return ranked;
}

int HoldPlace(const std::vector<HoldOdds>& ranked, const SlotFlags& discards) {
  const auto it =
      std::find_if(ranked.begin(), ranked.end(), [&](const HoldOdds& h) { return h.discards == discards; });
  if (it == ranked.end()) return 0;
  if (it->best) return 1;
  return 1 + static_cast<int>(std::count_if(ranked.begin(), ranked.end(),
                                            [&](const HoldOdds& h) { return h.Value() > it->Value(); }));
}

DrawJudgement JudgeDraw(const std::vector<HoldOdds>& ranked, const SlotFlags& discards) {
  DrawJudgement judgement;
  judgement.place = HoldPlace(ranked, discards);
  if (judgement.place == 0) return judgement;
  judgement.holds = static_cast<int>(ranked.size());
  const auto it =
      std::find_if(ranked.begin(), ranked.end(), [&](const HoldOdds& h) { return h.discards == discards; });
  judgement.below = std::max(0.0, ranked[0].Value() - it->Value());
  judgement.kind = it == ranked.begin() ? DrawJudgement::Best
                   : it->best           ? DrawJudgement::AsGoodAsBest
                                        : DrawJudgement::Below;
  return judgement;
}

void CoachTally::Record(const std::vector<HoldOdds>& ranked, const SlotFlags& discards, std::int32_t bet,
                        bool wasHinted) {
  const DrawJudgement judgement = JudgeDraw(ranked, discards);
  if (judgement.kind == DrawJudgement::NotRanked) return;
  ++decisions;
  hinted += wasHinted;
  if (judgement.kind == DrawJudgement::Below)
    givenUp += judgement.below * bet;
  else
    ++best;
}

std::uint32_t HandKey(const Hand& hand) {
  Cards cards;
  for (CardCode code : hand) cards.Add(code);
  return cards.Key();
}
