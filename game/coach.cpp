#include "game/coach.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <bit>
#include <cmath>
#include <cstdio>
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

struct Hold {
  Cards kept;
  int draws = 0;
};

struct Tally {
  std::int64_t wins = 0, pushes = 0;
};

// The deals are cut into a fixed number of blocks, each with its own stream of the generator,
// so that the figures are the same whichever thread plays which block.
constexpr int kBlocks = 16;

void PlayBlock(const std::vector<Hold>& holds, std::vector<CardCode> deck, std::int64_t trials,
               std::uint64_t seed, std::vector<Tally>& tally) {
  Generator random(seed);
  int mostDraws = 0;
  for (const Hold& h : holds) mostDraws = std::max(mostDraws, h.draws);
  const auto size = static_cast<std::uint32_t>(deck.size());
  const auto reach = static_cast<std::uint32_t>(5 + mostDraws + 4);
  std::array<Cards, 5> drawn{};  // the player's first n draws
  std::array<std::uint32_t, 5> dealerKey{};
  for (std::int64_t trial = 0; trial < trials; ++trial) {
    // Only the cards a deal can reach need to be in random order.
    for (std::uint32_t i = 0; i < reach; ++i) std::swap(deck[i], deck[i + random.Below(size - i)]);

    const Hand dealer{deck[0], deck[1], deck[2], deck[3], deck[4]};
    HandRank rank;
    RankHistogram counts;
    EvaluateHand(dealer, rank, counts);
    const SlotFlags keeps = DealerKeeps(dealer, rank);
    Cards dealerKept;
    int dealerDraws = 0;
    for (int slot = 0; slot < 5; ++slot) {
      if (keeps[slot] == 1)
        dealerKept.Add(dealer[slot]);
      else
        ++dealerDraws;
    }
    // The Dealer's draws come after the player's, so its hand depends on how many those are.
    for (int n = 0; n <= mostDraws; ++n) {
      if (n > 0) {
        drawn[n] = drawn[n - 1];
        drawn[n].Add(deck[4 + n]);
      }
      Cards final = dealerKept;
      for (int i = 0; i < dealerDraws; ++i) final.Add(deck[5 + n + i]);
      dealerKey[n] = final.Key();
    }

    for (std::size_t h = 0; h < holds.size(); ++h) {
      const std::uint32_t key = (holds[h].kept + drawn[holds[h].draws]).Key();
      const std::uint32_t against = dealerKey[holds[h].draws];
      tally[h].wins += key > against;
      tally[h].pushes += key == against;
    }
  }
}

std::uint64_t BlockSeed(std::uint64_t seed, int block) {
  Generator g(seed ^ (static_cast<std::uint64_t>(block) << 32));
  g.Next();
  return g.Next();
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
  if (unseen.size() < static_cast<std::size_t>(5 + mostDraws + 4))
    throw std::invalid_argument("too few unseen cards for the draws");

  std::vector<std::vector<Tally>> tallies(kBlocks, std::vector<Tally>(holds.size()));
  std::atomic<int> nextBlock{0};
  auto work = [&] {
    for (int b = nextBlock++; b < kBlocks; b = nextBlock++) {
      const std::int64_t trials = options.trials / kBlocks + (b < options.trials % kBlocks ? 1 : 0);
      PlayBlock(holds, unseen, trials, BlockSeed(options.seed, b), tallies[b]);
    }
  };
  int threads = options.threads;
  if (threads <= 0) threads = std::clamp(static_cast<int>(std::thread::hardware_concurrency()), 1, 2);
  std::vector<std::thread> helpers;
  for (int i = 1; i < threads; ++i) helpers.emplace_back(work);
  work();
  for (std::thread& helper : helpers) helper.join();

  std::vector<HoldOdds> ranked(holds.size());
  const double n = static_cast<double>(std::max<std::int64_t>(options.trials, 1));
  for (std::size_t h = 0; h < holds.size(); ++h) {
    Tally sum;
    for (const std::vector<Tally>& block : tallies) {
      sum.wins += block[h].wins;
      sum.pushes += block[h].pushes;
    }
    ranked[h].discards = legal[h];
    ranked[h].win = static_cast<double>(sum.wins) / n;
    ranked[h].push = static_cast<double>(sum.pushes) / n;
    ranked[h].lose = static_cast<double>(options.trials - sum.wins - sum.pushes) / n;
  }
  std::stable_sort(ranked.begin(), ranked.end(),
                   [](const HoldOdds& a, const HoldOdds& b) { return a.Value() > b.Value(); });
  return ranked;
}

int HoldPlace(const std::vector<HoldOdds>& ranked, const SlotFlags& discards) {
  const auto it =
      std::find_if(ranked.begin(), ranked.end(), [&](const HoldOdds& h) { return h.discards == discards; });
  if (it == ranked.end()) return 0;
  return 1 + static_cast<int>(std::count_if(ranked.begin(), ranked.end(),
                                            [&](const HoldOdds& h) { return h.Value() > it->Value(); }));
}

std::string Ordinal(int n) {
  const int tens = n % 100, units = n % 10;
  const char* suffix = tens >= 11 && tens <= 13 ? "th"
                       : units == 1             ? "st"
                       : units == 2             ? "nd"
                       : units == 3             ? "rd"
                                                : "th";
  return std::to_string(n) + suffix;
}

std::string DrawVerdict(const std::vector<HoldOdds>& ranked, const SlotFlags& discards) {
  const int place = HoldPlace(ranked, discards);
  if (place == 0) return {};
  if (place == 1) return "Best hold";
  const double below = ranked[0].Value() - ranked[static_cast<std::size_t>(place - 1)].Value();
  const std::string head = Ordinal(place) + " of " + std::to_string(ranked.size()) + ": ";
  if (below < 0.0005) return head + "less than 0.001 bets below the best";
  char figure[32];
  std::snprintf(figure, sizeof figure, "%.3f", below);
  return head + figure + " bets below the best";
}

void CoachTally::Record(const std::vector<HoldOdds>& ranked, const SlotFlags& discards, std::int32_t bet) {
  const int place = HoldPlace(ranked, discards);
  if (place == 0) return;
  ++decisions;
  if (place == 1) ++best;
  givenUp += (ranked[0].Value() - ranked[static_cast<std::size_t>(place - 1)].Value()) * bet;
}

double ValueError(const HoldOdds& hold, std::int64_t trials) {
  const double variance = hold.win + hold.lose - hold.Value() * hold.Value();
  return std::sqrt(std::max(variance, 0.0) / static_cast<double>(std::max<std::int64_t>(trials, 1)));
}

std::uint32_t HandKey(const Hand& hand) {
  Cards cards;
  for (CardCode code : hand) cards.Add(code);
  return cards.Key();
}
