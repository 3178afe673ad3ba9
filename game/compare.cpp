#include "game/compare.h"

const std::array<std::string_view, 10> HandNames{
    "",      "Pair",       "Two Pair",       "Three of a Kind", "Straight",
    "Flush", "Full House", "Four of a Kind", "Straight Flush",  "Royal Flush"};
const std::array<std::string_view, 13> RankNames{"Deuce", "Three", "Four", "Five",  "Six",  "Seven", "Eight",
                                                 "Nine",  "Ten",   "Jack", "Queen", "King", "Ace"};
const std::array<std::string_view, 4> SuitNames{"Heart", "Diamond", "Club", "Spade"};

namespace {

constexpr std::string_view kError = "Hand Rank program error.. Please notify the author";

bool ValidRank(std::int32_t r) { return r >= 0 && r <= 12; }
bool ValidSuit(std::int32_t s) { return s >= 1 && s <= 4; }

std::string Join(std::initializer_list<std::string_view> pieces) {
  std::string out;
  for (std::string_view p : pieces) out.append(p);
  return out;
}

}  // namespace

Outcome CompareHands(const HandRank& a, const HandRank& b) {
  for (int i = 0; i <= 5; ++i) {
    if (a[i] != b[i]) return a[i] > b[i] ? PlayerWins : DealerWins;
  }
  return Push;
}

std::string_view CategoryName(std::int32_t category) {
  return category >= 0 && category <= 9 ? HandNames[static_cast<std::size_t>(category)] : std::string_view();
}

std::string HandCaption(const HandRank& rank) {
  bool empty = true;
  for (std::int32_t f : rank) empty = empty && f == 0;
  if (empty) return "(None)";

  const std::int32_t category = rank[CategoryField];
  // A record from a damaged file may name ranks or suits that do not exist: such a record
  // gets the error caption rather than a lookup outside the tables.
  const bool needsR2 =
      category == HighCard || category == Pair || category == TwoPair || category == FullHouse;
  const bool needsSuit = category == Flush || category == StraightFlush || category == RoyalFlush;
  const bool needsR1 = category != RoyalFlush;
  if (category < 0 || category > 9 || (needsR1 && !ValidRank(rank[1])) || (needsR2 && !ValidRank(rank[2])) ||
      (needsSuit && !ValidSuit(rank[SuitField])))
    return std::string(kError);

  const std::string_view r1 = needsR1 ? RankNames[static_cast<std::size_t>(rank[1])] : std::string_view();
  const std::string_view r2 = needsR2 ? RankNames[static_cast<std::size_t>(rank[2])] : std::string_view();
  const std::string_view s =
      needsSuit ? SuitNames[static_cast<std::size_t>(rank[SuitField] - 1)] : std::string_view();
  switch (category) {
    case HighCard:
      return Join({r1, " high \n(", r2, " kicker)"});
    case Pair:
      return Join({"Pair of ", r1, "s \n(", r2, " kicker)"});
    case TwoPair:
      return Join({"Two Pair \n(", r1, "s and ", r2, "s)"});
    case ThreeOfAKind:
      return Join({"Three ", r1, "s"});
    case Straight:
      return Join({r1, " high Straight"});
    case Flush:
      return Join({r1, " high Flush \n(", s, "s)"});
    case FullHouse:
      return Join({"Full House \n(", r1, "s over ", r2, "s)"});
    case FourOfAKind:
      return Join({"Four ", r1, "s"});
    case StraightFlush:
      return Join({r1, " high Straight Flush \n(", s, "s)"});
    default:
      return Join({"Royal Flush \n(", s, "s)"});
  }
}

std::string CardName(CardCode code) {
  if (code < 1 || code > 52) return {};
  return Join({RankNames[static_cast<std::size_t>(RankOf(code))], " of ",
               SuitNames[static_cast<std::size_t>(SuitOf(code))], "s"});
}
