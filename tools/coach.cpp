// Ranks every legal hold of a dealt hand against the Dealer's fixed rule:
//   coach CARD CARD CARD CARD CARD [--trials N] [--seed S]
// Cards are the game's codes 1..52. A first line names the columns; then one line per hold, best
// first: the slots thrown (0-based, "-" for none), the chances to win, push and lose, and the
// expected value in bets with its own error; then the gap between the first line's value and this
// one's with the gap's error (far smaller: the Dealer's luck moves every hold alike), the Dealer
// hands the gap rests on ("x" after them when every draw of the player was counted on each), and
// mark: "best" on the first line, "=" on a hold that cannot be told from it, "-" on the rest.
// Each error is half the width of an interval of about two standard errors.
#include "game/coach.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "game/cards.h"
#include "game/convert.h"

namespace {

int Refuse(const std::string& why) {
  std::fprintf(stderr, "coach: %s\nusage: coach CARD CARD CARD CARD CARD [--trials N] [--seed S]\n",
               why.c_str());
  return 2;
}

std::string Slots(const SlotFlags& discards) {
  std::string slots;
  for (int slot = 0; slot < 5; ++slot) {
    if (discards[slot] != 1) continue;
    if (!slots.empty()) slots += ',';
    slots += static_cast<char>('0' + slot);
  }
  return slots.empty() ? "-" : slots;
}

}  // namespace

int main(int argc, char** argv) {
  CoachOptions options;
  std::vector<CardCode> cards;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--trials" || arg == "--seed") {
      if (i + 1 == argc) return Refuse(std::string(arg) + " needs a number");
      char* end = nullptr;
      const char* value = argv[++i];
      const unsigned long long n = std::strtoull(value, &end, 10);
      if (*value < '0' || *value > '9' || *end != '\0') return Refuse(std::string(arg) + " needs a number");
      if (arg == "--seed") {
        options.seed = n;
      } else if (n < 1 || n > 20'000'000) {
        return Refuse("--trials must be 1 to 20000000");
      } else {
        options.trials = static_cast<std::int64_t>(n);
      }
      continue;
    }
    std::int32_t code = 0;
    if (!TryStrToInt(arg, code) || code < 1 || code > 52)
      return Refuse("'" + std::string(arg) + "' is not a card code 1..52");
    if (std::find(cards.begin(), cards.end(), code) != cards.end())
      return Refuse("card " + std::to_string(code) + " is given twice");
    cards.push_back(code);
  }
  if (cards.size() != 5) return Refuse("five cards are needed, " + std::to_string(cards.size()) + " given");
  const Hand hand{cards[0], cards[1], cards[2], cards[3], cards[4]};

  const std::vector<HoldOdds> ranked = RankHolds(hand, options);
  std::printf("#throw\twin\tpush\tlose\tvalue\t\u00b1value\tgap\t\u00b1gap\tdeals\tmark\n");
  for (const HoldOdds& hold : ranked)
    std::printf("%s\t%.4f\t%.4f\t%.4f\t%.4f\t%.4f\t%.4f\t%.4f\t%lld%s\t%s\n", Slots(hold.discards).c_str(),
                hold.win, hold.push, hold.lose, hold.Value(), hold.valueError,
                ranked.front().Value() - hold.Value(), hold.error, static_cast<long long>(hold.deals),
                hold.everyDraw ? "x" : "",
                &hold == &ranked.front() ? "best"
                : hold.best              ? "="
                                         : "-");
  return 0;
}
