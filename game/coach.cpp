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

// The sums of a series of values and of their squares.
struct Series {
  double n = 0, sum = 0, squares = 0;
  bool everyDraw = false;  // of deals that counted every draw of the player

  void Add(double x) {
    n += 1;
    sum += x;
    squares += x * x;
  }
  double Mean() const { return n > 0 ? sum / n : 0; }
  // Two standard errors of the mean; as wide as a gap can be while nothing is known.
  double Error() const {
    if (n < 2) return 2;
    const double mean = sum / n;
    return 2 * std::sqrt(std::max(squares / n - mean * mean, 0.0) / (n - 1));
  }
  Series Negated() const { return {n, -sum, squares, everyDraw}; }
};

// Every deal shuffles the places of as many unseen cards as the most a deal can take: the
// Dealer's five and up to four draws, then the player's draws when one draw is dealt. So a deal
// is the same whichever holds meet it.
constexpr int kReach = 13;

// A deal: the places in unseen of its cards in the order they are taken, the Dealer's first.
struct Deal {
  std::vector<int> deck;
  int taken = 0;            // the Dealer's five and its draws
  std::uint32_t against{};  // the Dealer's final hand
};

void NextDeal(Generator& random, const std::vector<CardCode>& unseen, Deal& deal) {
  const int m = static_cast<int>(unseen.size());
  std::vector<int>& deck = deal.deck;
  for (int i = 0; i < kReach; ++i)
    std::swap(deck[i], deck[i + static_cast<int>(random.Below(static_cast<std::uint32_t>(m - i)))]);
  const Hand dealer{unseen[deck[0]], unseen[deck[1]], unseen[deck[2]], unseen[deck[3]], unseen[deck[4]]};
  HandRank rank;
  RankHistogram counts;
  EvaluateHand(dealer, rank, counts);
  const SlotFlags keeps = DealerKeeps(dealer, rank);
  Cards final;
  deal.taken = 5;
  for (int slot = 0; slot < 5; ++slot) {
    if (keeps[slot] == 1)
      final.Add(dealer[slot]);
    else
      final.Add(unseen[deck[deal.taken++]]);
  }
  deal.against = final.Key();
}

// The Dealer's cards of a deal as the subsets a hold's runs are kept by: for each size up to
// most, every set of that many of them, as its index among the sets of unseen's places.
struct DealerSets {
  std::array<std::vector<std::int64_t>, 5> subsets;

  void Build(const Deal& deal, int most) {
    std::array<int, 9> gone{};
    const int taken = deal.taken;
    std::copy_n(deal.deck.begin(), taken, gone.begin());
    std::sort(gone.begin(), gone.begin() + taken);
    subsets[0].assign(1, 0);  // the empty set: every draw
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
      if (most < 2) continue;
      for (int b = a + 1; b < taken; ++b) {
        subsets[2].push_back(one[a] + two[b]);
        if (most < 3) continue;
        for (int c = b + 1; c < taken; ++c) {
          subsets[3].push_back(one[a] + two[b] + three[c]);
          if (most < 4) continue;
          for (int d = c + 1; d < taken; ++d) subsets[4].push_back(one[a] + two[b] + three[c] + four[d]);
        }
      }
    }
  }
};

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

// The chances of a prepared hold against a deal's Dealer hand, over every draw of the player
// from the cards the Dealer left: the draws that miss all its cards, by inclusion and exclusion.
void CountDraws(const Hold& hold, const Deal& deal, const DealerSets& sets, int unseen, double& win,
                double& push) {
  std::int64_t wins = 0, pushes = 0;
  const std::uint32_t against = deal.against;
  for (int k = 0; k <= hold.draws; ++k) {
    const std::int64_t length = hold.length[k];
    const std::int64_t sign = k % 2 == 0 ? 1 : -1;
    const std::uint32_t* keys = hold.keys[k].data();
    if (length == 1) {
      for (std::int64_t index : sets.subsets[k]) {
        wins += sign * (keys[index] > against);
        pushes += sign * (keys[index] == against);
      }
      continue;
    }
    for (std::int64_t index : sets.subsets[k]) {
      const std::uint32_t* run = keys + index * length;
      const std::uint32_t* end = run + length;
      const std::uint32_t* low = FirstNotBelow(run, length, against);
      const std::uint32_t* high = low;
      while (high != end && *high == against) ++high;
      wins += sign * (end - high);
      pushes += sign * (high - low);
    }
  }
  const double draws = static_cast<double>(kChoose.c[unseen - deal.taken][hold.draws]);
  win = static_cast<double>(wins) / draws;
  push = static_cast<double>(pushes) / draws;
}

// The two sequences of deals are cut into chunks, each dealt from its own stream of the
// generator, so that a deal is the same whichever thread plays it and whenever a hold joins.
constexpr std::int64_t kPlainChunk = 6'250;
constexpr std::int64_t kChunk = 1'250;

std::uint64_t ChunkSeed(std::uint64_t seed, bool everyDraw, std::int64_t chunk) {
  Generator g(seed ^ (static_cast<std::uint64_t>(everyDraw) << 56) ^
              (static_cast<std::uint64_t>(chunk) << 24));
  g.Next();
  return g.Next();
}

// Runs job(0) .. job(count - 1) on the given number of threads.
template <typename Job>
void RunJobs(std::int64_t count, int threads, const Job& job) {
  std::atomic<std::int64_t> next{0};
  auto work = [&] {
    for (std::int64_t i = next++; i < count; i = next++) job(i);
  };
  std::vector<std::thread> helpers;
  for (std::int64_t i = 1; i < std::min<std::int64_t>(threads, count); ++i) helpers.emplace_back(work);
  work();
  for (std::thread& helper : helpers) helper.join();
}

// The deals a pair of holds first meets with every draw counted, and the precision the gaps aim
// at: a little inside the one promised.
constexpr std::int64_t kFirstRound = 5'000;
constexpr double kAimedPrecision = 0.9 * kCoachPrecision;

// A gap as the coach states it: its mean, its error, the deals it rests on and of which kind.
struct Estimate {
  double mean = 0, error = 0, deals = 0;
  bool everyDraw = false;
};

Estimate Of(const Series& s) { return {s.Mean(), s.Error(), s.n, s.everyDraw}; }

// Settled, for a gap to the best: known to the precision, or known to be wider than it, so that
// the hold is surely as good as the best or surely not. Between the second and the third it is
// enough that the order shown is wrong by no more than the precision. A first pass's gap must
// be clear by twice as much: the holds it puts ahead are the ones whose luck ran well in it.
bool Settled(const Estimate& gap, bool toTheBest = true) {
  const double margin = gap.everyDraw ? 1 : 2;
  if (!toTheBest) return margin * gap.error <= std::abs(gap.mean) + kCoachPrecision;
  return gap.error <= kAimedPrecision || std::abs(gap.mean) > margin * gap.error + kCoachPrecision;
}

// The error at which a gap with this mean is settled, as above.
double SettlingError(double mean, bool toTheBest) {
  return toTheBest ? std::max(kAimedPrecision, std::abs(mean) - kCoachPrecision)
                   : std::abs(mean) + kCoachPrecision;
}

// Some holds of a hand and the deals they have played: all of them the first pass's, and each
// a beginning of the sequence that counts every draw, as long as it has needed. Any two holds
// have met on the deals of the shorter beginning, which is what their gap is measured on.
class Study {
 public:
  Study(const Hand& hand, const std::vector<CardCode>& unseen, const std::vector<SlotFlags>& holds,
        int threads)
      : unseen_(unseen),
        discards_(holds),
        holds_(holds.size()),
        threads_(threads),
        plain_(holds.size()),
        plainOwn_(holds.size()),
        plainPairs_(holds.size() * holds.size()),
        plainPaired_(holds.size() * holds.size()),
        exact_(holds.size()),
        chunkPush_(holds.size()),
        played_(holds.size()),
        exactOwn_(holds.size()),
        exactPairs_(holds.size() * holds.size()),
        prepared_(holds.size()) {
    int most = 0;
    for (std::size_t h = 0; h < holds.size(); ++h) {
      for (int slot = 0; slot < 5; ++slot) {
        if (holds[h][slot] == 1)
          ++holds_[h].draws;
        else
          holds_[h].kept.Add(hand[slot]);
      }
      most = std::max(most, holds_[h].draws);
    }
    if (most > 4) throw std::invalid_argument("a hold draws at most four cards");
    if (unseen.size() < static_cast<std::size_t>(kReach) || unseen.size() > 47)
      throw std::invalid_argument("the unseen cards must be 13 to 47");
  }

  std::size_t Size() const { return holds_.size(); }
  const SlotFlags& Discards(std::size_t h) const { return discards_[h]; }
  std::int64_t Played(std::size_t h) const { return played_[h]; }

  // Every hold on the first deals of the sequence that deals one draw.
  void PlayPlain(std::int64_t deals, std::uint64_t seed) {
    plainDeals_ = deals;
    for (auto& values : plain_) values.assign(static_cast<std::size_t>(deals), 0);
    RunJobs((deals + kPlainChunk - 1) / kPlainChunk, threads_, [&](std::int64_t chunk) {
      Generator random(ChunkSeed(seed, false, chunk));
      Deal deal;
      deal.deck.resize(unseen_.size());
      for (std::size_t i = 0; i < unseen_.size(); ++i) deal.deck[i] = static_cast<int>(i);
      std::array<Cards, 5> drawn{};  // the player's first n draws
      for (std::int64_t i = chunk * kPlainChunk; i < std::min(deals, (chunk + 1) * kPlainChunk); ++i) {
        NextDeal(random, unseen_, deal);
        for (int n = 1; n <= 4; ++n) {
          drawn[n] = drawn[n - 1];
          drawn[n].Add(unseen_[deal.deck[8 + n]]);
        }
        for (std::size_t h = 0; h < holds_.size(); ++h) {
          const std::uint32_t key = (holds_[h].kept + drawn[holds_[h].draws]).Key();
          plain_[h][static_cast<std::size_t>(i)] = key > deal.against ? 1 : key == deal.against ? 0 : -1;
        }
      }
    });
    for (std::size_t h = 0; h < holds_.size(); ++h) {
      std::int64_t sum = 0, squares = 0;
      for (std::int8_t value : plain_[h]) sum += value, squares += value * value;
      plainOwn_[h] = {static_cast<double>(deals), static_cast<double>(sum), static_cast<double>(squares),
                      false};
    }
  }

  // Each hold on the sequence that counts every draw, up to the number of deals given for it.
  void PlayExact(const std::vector<std::int64_t>& targets, std::uint64_t seed) {
    std::vector<std::size_t> fresh;
    std::int64_t from = -1, to = 0;
    int most = 0;
    for (std::size_t h = 0; h < holds_.size(); ++h) {
      if (targets[h] <= played_[h]) continue;
      if (!prepared_[h]) fresh.push_back(h), prepared_[h] = true;
      exact_[h].resize(static_cast<std::size_t>(targets[h]));
      chunkPush_[h].resize(static_cast<std::size_t>((targets[h] + kChunk - 1) / kChunk));
      from = from < 0 ? played_[h] : std::min(from, played_[h]);
      to = std::max(to, targets[h]);
      most = std::max(most, holds_[h].draws);
    }
    if (from < 0) return;
    RunJobs(static_cast<std::int64_t>(fresh.size()), threads_,
            [&](std::int64_t i) { holds_[fresh[static_cast<std::size_t>(i)]].Prepare(unseen_); });
    const std::int64_t first = from / kChunk;
    RunJobs((to + kChunk - 1) / kChunk - first, threads_, [&](std::int64_t job) {
      const std::int64_t chunk = first + job;
      Generator random(ChunkSeed(seed, true, chunk));
      Deal deal;
      deal.deck.resize(unseen_.size());
      for (std::size_t i = 0; i < unseen_.size(); ++i) deal.deck[i] = static_cast<int>(i);
      DealerSets sets;
      const int unseen = static_cast<int>(unseen_.size());
      for (std::int64_t i = chunk * kChunk; i < std::min(to, (chunk + 1) * kChunk); ++i) {
        NextDeal(random, unseen_, deal);
        if (i < from) continue;
        bool built = false;
        for (std::size_t h = 0; h < holds_.size(); ++h) {
          if (i < played_[h] || i >= targets[h]) continue;
          if (!built) sets.Build(deal, most), built = true;
          double win = 0, push = 0;
          CountDraws(holds_[h], deal, sets, unseen, win, push);
          exact_[h][static_cast<std::size_t>(i)] = static_cast<float>(2 * win + push - 1);
          chunkPush_[h][static_cast<std::size_t>(chunk)] += push;
        }
      }
    });
    for (std::size_t h = 0; h < holds_.size(); ++h) {
      played_[h] = std::max(played_[h], targets[h]);
      exactOwn_[h].everyDraw = true;
      while (exactOwn_[h].n < static_cast<double>(played_[h]))
        exactOwn_[h].Add(exact_[h][static_cast<std::size_t>(exactOwn_[h].n)]);
    }
  }

  // A hold's own value over the deals it played, and its chance of a push.
  const Series& Own(std::size_t h, bool everyDraw) const { return everyDraw ? exactOwn_[h] : plainOwn_[h]; }
  double Push(std::size_t h, bool everyDraw) const {
    if (!everyDraw) {
      const auto pushes = std::count(plain_[h].begin(), plain_[h].end(), 0);
      return plainDeals_ > 0 ? static_cast<double>(pushes) / static_cast<double>(plainDeals_) : 0;
    }
    double pushes = 0;
    for (double p : chunkPush_[h]) pushes += p;
    return played_[h] > 0 ? pushes / static_cast<double>(played_[h]) : 0;
  }

  // a's value less b's, deal by deal, over the deals both played, or over the first upTo of
  // them.
  Series Gap(std::size_t a, std::size_t b, bool everyDraw, std::int64_t upTo = -1) {
    if (a == b) return {0, 0, 0, everyDraw};
    if (a > b) return Gap(b, a, everyDraw, upTo).Negated();
    const std::size_t pair = a * holds_.size() + b;
    if (!everyDraw) {
      if (!plainPaired_[pair]) {
        std::int64_t sum = 0, squares = 0;
        for (std::int64_t i = 0; i < plainDeals_; ++i) {
          const int d = plain_[a][static_cast<std::size_t>(i)] - plain_[b][static_cast<std::size_t>(i)];
          sum += d, squares += d * d;
        }
        plainPairs_[pair] = {static_cast<double>(plainDeals_), static_cast<double>(sum),
                             static_cast<double>(squares), false};
        plainPaired_[pair] = true;
      }
      return plainPairs_[pair];
    }
    const std::int64_t met = std::min(played_[a], played_[b]);
    const auto difference = [&](std::int64_t i) {
      return static_cast<double>(exact_[a][static_cast<std::size_t>(i)]) -
             exact_[b][static_cast<std::size_t>(i)];
    };
    if (upTo >= 0 && upTo < met) {
      Series gap{0, 0, 0, true};
      for (std::int64_t i = 0; i < upTo; ++i) gap.Add(difference(i));
      return gap;
    }
    Series& gap = exactPairs_[pair];
    gap.everyDraw = true;
    for (auto i = static_cast<std::int64_t>(gap.n); i < met; ++i) gap.Add(difference(i));
    return gap;
  }

  // Of the two passes' gaps between a and b, the one that settles their order, else the sharper.
  Series Sharper(std::size_t a, std::size_t b) {
    const Series exact = Gap(a, b, true), plain = Gap(a, b, false);
    if (exact.n < 2) return plain;
    const bool exactSettles = Settled(Of(exact)), plainSettles = Settled(Of(plain));
    if (exactSettles != plainSettles) return exactSettles ? exact : plain;
    return exact.Error() < plain.Error() ? exact : plain;
  }

  // The hold the gaps put above every other: from the one played longest, any that a gap puts
  // above it, until none is.
  std::size_t Best() {
    std::size_t best = 0;
    for (std::size_t h = 1; h < holds_.size(); ++h) {
      const bool longer = played_[h] != played_[best];
      if (longer ? played_[h] > played_[best]
                 : Own(h, played_[h] > 0).Mean() > Own(best, played_[best] > 0).Mean())
        best = h;
    }
    for (std::size_t step = 0; step < holds_.size(); ++step) {
      std::size_t above = best;
      double most = 0;
      for (std::size_t h = 0; h < holds_.size(); ++h) {
        const double gap = Sharper(best, h).Mean();
        if (-gap > most) most = -gap, above = h;
      }
      if (above == best) break;
      best = above;
    }
    return best;
  }

  // The first hold's level from both passes, weighed by their variances, and its variance.
  void Level(std::size_t best, double& value, double& push, double& variance) const {
    const Series& plain = Own(best, false);
    const Series& exact = Own(best, true);
    const double plainVariance = std::pow(plain.Error() / 2, 2),
                 exactVariance = std::pow(exact.Error() / 2, 2);
    double weight = exact.n < 2 ? 0 : plain.n < 2 ? 1 : plainVariance / (plainVariance + exactVariance);
    if (exact.n >= 2 && plainVariance + exactVariance == 0) weight = 1;
    value = (1 - weight) * plain.Mean() + weight * exact.Mean();
    push = (1 - weight) * Push(best, false) + weight * Push(best, true);
    variance = std::pow(1 - weight, 2) * plainVariance + std::pow(weight, 2) * exactVariance;
  }

 private:
  const std::vector<CardCode>& unseen_;
  std::vector<SlotFlags> discards_;
  std::vector<Hold> holds_;
  int threads_;
  std::int64_t plainDeals_ = 0;
  std::vector<std::vector<std::int8_t>> plain_;  // [hold][deal]: 1 won, 0 pushed, -1 lost
  std::vector<Series> plainOwn_;
  std::vector<Series> plainPairs_;  // [a * holds + b], a < b
  std::vector<bool> plainPaired_;
  std::vector<std::vector<float>> exact_;       // [hold][deal]: the value, 2 win + push - 1
  std::vector<std::vector<double>> chunkPush_;  // [hold][chunk]: the sum of the chances of a push
  std::vector<std::int64_t> played_;            // deals of the exact sequence, from its first
  std::vector<Series> exactOwn_;
  std::vector<Series> exactPairs_;  // [a * holds + b], a < b: over the deals both have played
  std::vector<bool> prepared_;
};

int Threads(const CoachOptions& options) {
  if (options.threads > 0) return options.threads;
  return std::clamp(static_cast<int>(std::thread::hardware_concurrency()), 1, 2);
}

// Where the holds stand: in order of value, best first, with each hold's gap to the best as it
// is shown, and the gap between the second and the third.
struct Standing {
  std::vector<std::size_t> order;
  std::vector<Estimate> gaps;  // [hold]
  Estimate between;            // the second's value less the third's
};

// The second and third holds, x and y, are shown on one footing so that their order is the one
// their own gap gives: all three holds on the first pass's deals, or on the deals all three have
// counted every draw of, or each on its own sharpest deals. Whichever settles the order of the
// two, then the most of their gaps to the best; of those, the sharpest.
void ShowTogether(Study& study, std::size_t best, std::size_t x, std::size_t y,
                  const std::vector<Estimate>& own, Standing& standing) {
  struct Footing {
    Estimate x, y, between;
  };
  std::vector<Footing> footings{
      {Of(study.Gap(best, x, false)), Of(study.Gap(best, y, false)), Of(study.Gap(x, y, false))}};
  const std::int64_t met = std::min({study.Played(best), study.Played(x), study.Played(y)});
  if (met >= 2)
    footings.push_back({Of(study.Gap(best, x, true, met)), Of(study.Gap(best, y, true, met)),
                        Of(study.Gap(x, y, true, met))});
  const Estimate between{own[y].mean - own[x].mean, std::hypot(own[x].error, own[y].error),
                         std::min(own[x].deals, own[y].deals), own[x].everyDraw && own[y].everyDraw};
  footings.push_back({own[x], own[y], between});
  const auto settles = [](const Footing& f) {
    return 4 * Settled(f.between, false) + Settled(f.x) + Settled(f.y);
  };
  const Footing& chosen =
      *std::min_element(footings.begin(), footings.end(), [&](const Footing& a, const Footing& b) {
        if (settles(a) != settles(b)) return settles(a) > settles(b);
        return std::max(a.x.error, a.y.error) < std::max(b.x.error, b.y.error);
      });
  standing.gaps[x] = chosen.x;
  standing.gaps[y] = chosen.y;
  standing.between = chosen.between;
}

Standing Stand(Study& study) {
  const std::size_t holds = study.Size(), best = study.Best();
  std::vector<Estimate> own(holds);
  for (std::size_t h = 0; h < holds; ++h)
    if (h != best) own[h] = Of(study.Sharper(best, h));
  Standing standing{{}, own, {}};
  const auto sort = [&] {
    standing.order.assign(1, best);
    for (std::size_t h = 0; h < holds; ++h)
      if (h != best) standing.order.push_back(h);
    std::stable_sort(standing.order.begin() + 1, standing.order.end(), [&](std::size_t a, std::size_t b) {
      return standing.gaps[a].mean < standing.gaps[b].mean;
    });
  };
  sort();
  // Shown together, the two may change places, or fall behind another hold, which is then shown
  // with the one left; a few turns settle it.
  for (int turn = 0; holds > 2; ++turn) {
    const std::size_t x = standing.order[1], y = standing.order[2];
    ShowTogether(study, best, x, y, own, standing);
    sort();
    const std::size_t second = standing.order[1], third = standing.order[2];
    if ((second == x && third == y) || (second == y && third == x)) {
      if (second == y)
        standing.between = {-standing.between.mean, standing.between.error, standing.between.deals,
                            standing.between.everyDraw};
      break;
    }
    standing.gaps[x] = own[x];
    standing.gaps[y] = own[y];
    sort();
    if (turn == 2) {
      ShowTogether(study, best, standing.order[1], standing.order[2], own, standing);
      break;
    }
  }
  return standing;
}

// The shared deals a pair of holds that have met on met deals should reach for its gap to settle,
// by the spread of its exact gap so far; at least most, where the pair must catch up with a
// third hold. 0 when no more deals are allowed.
std::int64_t DealsFor(const Series& exact, bool toTheBest, std::int64_t met, std::int64_t most,
                      std::int64_t budget) {
  if (met >= budget) return 0;
  std::int64_t deals = kFirstRound;
  if (met >= kFirstRound) {
    const double error = exact.Error();
    const double aim = SettlingError(exact.Mean(), toTheBest);
    // The deals the spread says it needs, and a little more; at least a quarter more than it
    // has, and at most four times as many, so that the gap is looked at again before more are
    // spent.
    const double wanted = 1.1 * static_cast<double>(met) * (error / aim) * (error / aim);
    deals = std::clamp(static_cast<std::int64_t>(wanted), std::max(met + kChunk, met * 5 / 4), 4 * met);
  }
  deals = std::max(deals, most);
  return std::min(budget, (deals + kChunk - 1) / kChunk * kChunk);
}

// The holds' figures in the order they stand: each hold's value is the first's less its gap to
// it, as shown.
std::vector<HoldOdds> Odds(Study& study, const Standing& standing) {
  const std::size_t best = standing.order[0];
  double level = 0, push = 0, variance = 0;
  study.Level(best, level, push, variance);
  std::vector<HoldOdds> ranked(standing.order.size());
  for (std::size_t i = 0; i < ranked.size(); ++i) {
    const std::size_t h = standing.order[i];
    const Estimate gap = i == 0 ? Estimate{} : standing.gaps[h];
    HoldOdds& odds = ranked[i];
    odds.discards = study.Discards(h);
    const double value = level - gap.mean;
    odds.push = i == 0 ? push : study.Push(h, study.Played(h) > 0);
    odds.win = std::clamp((value + 1 - odds.push) / 2, 0.0, 1 - odds.push);
    odds.lose = std::max(0.0, 1 - odds.win - odds.push);
    odds.error = gap.error;
    odds.valueError = 2 * std::sqrt(variance + std::pow(gap.error / 2, 2));
    const bool exact = study.Played(best) > 0;
    odds.deals = static_cast<std::int64_t>(i == 0 ? study.Own(best, exact).n : gap.deals);
    odds.everyDraw = i == 0 ? exact : gap.everyDraw;
    // A gap still in doubt when the deals ran out is called equal too: the holds could not be told
    // apart.
    odds.best = i == 0 || gap.mean <= std::max(gap.error, kCoachPrecision) || !Settled(gap);
  }
  return ranked;
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
  Study study(hand, unseen, LegalHolds(hand), Threads(options));
  study.PlayPlain(std::max<std::int64_t>(options.pilot, 1), options.seed);
  // Deals go where an order is in doubt: between the best hold and any other, and between the
  // second and the third, which then play on the best's deals too.
  std::vector<std::int64_t> targets(study.Size());
  for (;;) {
    const Standing standing = Stand(study);
    const std::vector<std::size_t>& order = standing.order;
    const std::size_t best = order[0];
    bool more = false;
    const auto raise = [&](std::size_t h, std::int64_t deals) {
      if (deals > study.Played(h)) targets[h] = std::max(targets[h], deals), more = true;
    };
    for (std::size_t i = 1; i < order.size(); ++i) {
      const std::size_t h = order[i];
      if (Settled(standing.gaps[h])) continue;
      const std::int64_t deals = DealsFor(study.Gap(best, h, true), true,
                                          std::min(study.Played(best), study.Played(h)), 0, options.trials);
      raise(best, deals);
      raise(h, deals);
    }
    if (order.size() > 2 && !Settled(standing.between, false)) {
      const std::size_t x = order[1], y = order[2];
      const std::int64_t met = std::min({study.Played(best), study.Played(x), study.Played(y)});
      const std::int64_t most = std::max({study.Played(best), study.Played(x), study.Played(y)});
      const std::int64_t deals = DealsFor(study.Gap(x, y, true, met), false, met, most, options.trials);
      for (std::size_t h : {best, x, y}) raise(h, deals);
    }
    if (!more) return Odds(study, standing);
    study.PlayExact(targets, options.seed);
  }
}

std::vector<HoldOdds> PlayHolds(const Hand& hand, const std::vector<SlotFlags>& holds, std::int64_t deals,
                                bool everyDraw, const CoachOptions& options) {
  if (holds.empty() || deals < 1) throw std::invalid_argument("no holds or no deals to play");
  const std::vector<CardCode> unseen = UnseenCards(hand);
  Study study(hand, unseen, holds, Threads(options));
  if (everyDraw)
    study.PlayExact(std::vector<std::int64_t>(holds.size(), deals), options.seed);
  else
    study.PlayPlain(deals, options.seed);
  std::vector<HoldOdds> odds(holds.size());
  for (std::size_t h = 0; h < holds.size(); ++h) {
    const Series& own = study.Own(h, everyDraw);
    odds[h].discards = holds[h];
    odds[h].push = study.Push(h, everyDraw);
    odds[h].win = (own.Mean() + 1 - odds[h].push) / 2;
    odds[h].lose = std::max(0.0, 1 - odds[h].win - odds[h].push);
    odds[h].error = study.Gap(0, h, everyDraw).Error() * (h > 0);
    odds[h].valueError = own.Error();
    odds[h].deals = deals;
    odds[h].everyDraw = everyDraw;
    odds[h].best = h == 0;
  }
  return odds;
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
