#include "game/compare.h"

#include "game/translate.h"

// clang-format off
const std::array<const char*, 10> HandNames{
    "", QT_TRANSLATE_NOOP("Cards", "Pair"), QT_TRANSLATE_NOOP("Cards", "Two Pair"),
    QT_TRANSLATE_NOOP("Cards", "Three of a Kind"), QT_TRANSLATE_NOOP("Cards", "Straight"),
    QT_TRANSLATE_NOOP("Cards", "Flush"), QT_TRANSLATE_NOOP("Cards", "Full House"),
    QT_TRANSLATE_NOOP("Cards", "Four of a Kind"), QT_TRANSLATE_NOOP("Cards", "Straight Flush"),
    QT_TRANSLATE_NOOP("Cards", "Royal Flush")};
const std::array<const char*, 13> RankNames{
    QT_TRANSLATE_NOOP("Cards", "Deuce"), QT_TRANSLATE_NOOP("Cards", "Three"), QT_TRANSLATE_NOOP("Cards", "Four"),
    QT_TRANSLATE_NOOP("Cards", "Five"),  QT_TRANSLATE_NOOP("Cards", "Six"),   QT_TRANSLATE_NOOP("Cards", "Seven"),
    QT_TRANSLATE_NOOP("Cards", "Eight"), QT_TRANSLATE_NOOP("Cards", "Nine"),  QT_TRANSLATE_NOOP("Cards", "Ten"),
    QT_TRANSLATE_NOOP("Cards", "Jack"),  QT_TRANSLATE_NOOP("Cards", "Queen"), QT_TRANSLATE_NOOP("Cards", "King"),
    QT_TRANSLATE_NOOP("Cards", "Ace")};
// The house plural is the name and an "s", the Six's too.
const std::array<const char*, 13> RankPlurals{
    QT_TRANSLATE_NOOP("Cards", "Deuces"), QT_TRANSLATE_NOOP("Cards", "Threes"), QT_TRANSLATE_NOOP("Cards", "Fours"),
    QT_TRANSLATE_NOOP("Cards", "Fives"),  QT_TRANSLATE_NOOP("Cards", "Sixs"),   QT_TRANSLATE_NOOP("Cards", "Sevens"),
    QT_TRANSLATE_NOOP("Cards", "Eights"), QT_TRANSLATE_NOOP("Cards", "Nines"),  QT_TRANSLATE_NOOP("Cards", "Tens"),
    QT_TRANSLATE_NOOP("Cards", "Jacks"),  QT_TRANSLATE_NOOP("Cards", "Queens"), QT_TRANSLATE_NOOP("Cards", "Kings"),
    QT_TRANSLATE_NOOP("Cards", "Aces")};
const std::array<const char*, 4> SuitNames{QT_TRANSLATE_NOOP("Cards", "Heart"), QT_TRANSLATE_NOOP("Cards", "Diamond"),
                                           QT_TRANSLATE_NOOP("Cards", "Club"), QT_TRANSLATE_NOOP("Cards", "Spade")};
const std::array<const char*, 4> SuitPlurals{
    QT_TRANSLATE_NOOP("Cards", "Hearts"), QT_TRANSLATE_NOOP("Cards", "Diamonds"), QT_TRANSLATE_NOOP("Cards", "Clubs"),
    QT_TRANSLATE_NOOP("Cards", "Spades")};
const char* const kCardPattern = QT_TRANSLATE_NOOP("Cards", "%1 of %2");
// clang-format on

namespace {

const char* const kError = QT_TRANSLATE_NOOP("Cards", "Hand Rank program error.. Please notify the author");

bool ValidRank(std::int32_t r) { return r >= 0 && r <= 12; }
bool ValidSuit(std::int32_t s) { return s >= 1 && s <= 4; }

// The pattern with %1 and %2 replaced by the arguments.
std::string Fill(std::string_view pattern, const std::array<const char*, 2>& args) {
  std::string out;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] == '%' && i + 1 < pattern.size() && (pattern[i + 1] == '1' || pattern[i + 1] == '2')) {
      out.append(args[static_cast<std::size_t>(pattern[i + 1] - '1')]);
      ++i;
    } else {
      out.push_back(pattern[i]);
    }
  }
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

CaptionParts HandCaptionParts(const HandRank& rank) {
  bool empty = true;
  for (std::int32_t f : rank) empty = empty && f == 0;
  if (empty) return {QT_TRANSLATE_NOOP("Cards", "(None)")};

  const std::int32_t category = rank[CategoryField];
  // A record from a damaged file may name ranks or suits that do not exist: such a record
  // gets the error caption rather than a lookup outside the tables.
  const bool needsR2 =
      category == HighCard || category == Pair || category == TwoPair || category == FullHouse;
  const bool needsSuit = category == Flush || category == StraightFlush || category == RoyalFlush;
  const bool needsR1 = category != RoyalFlush;
  if (category < 0 || category > 9 || (needsR1 && !ValidRank(rank[1])) || (needsR2 && !ValidRank(rank[2])) ||
      (needsSuit && !ValidSuit(rank[SuitField])))
    return {kError};

  const auto name = [](std::int32_t r) { return RankNames[static_cast<std::size_t>(r)]; };
  const auto plural = [](std::int32_t r) { return RankPlurals[static_cast<std::size_t>(r)]; };
  const char* suits = needsSuit ? SuitPlurals[static_cast<std::size_t>(rank[SuitField] - 1)] : "";
  switch (category) {
    case HighCard:
      return {QT_TRANSLATE_NOOP("Cards", "%1 high \n(%2 kicker)"), {name(rank[1]), name(rank[2])}};
    case Pair:
      return {QT_TRANSLATE_NOOP("Cards", "Pair of %1 \n(%2 kicker)"), {plural(rank[1]), name(rank[2])}};
    case TwoPair:
      return {QT_TRANSLATE_NOOP("Cards", "Two Pair \n(%1 and %2)"), {plural(rank[1]), plural(rank[2])}};
    case ThreeOfAKind:
      return {QT_TRANSLATE_NOOP("Cards", "Three %1"), {plural(rank[1]), ""}};
    case Straight:
      return {QT_TRANSLATE_NOOP("Cards", "%1 high Straight"), {name(rank[1]), ""}};
    case Flush:
      return {QT_TRANSLATE_NOOP("Cards", "%1 high Flush \n(%2)"), {name(rank[1]), suits}};
    case FullHouse:
      return {QT_TRANSLATE_NOOP("Cards", "Full House \n(%1 over %2)"), {plural(rank[1]), plural(rank[2])}};
    case FourOfAKind:
      return {QT_TRANSLATE_NOOP("Cards", "Four %1"), {plural(rank[1]), ""}};
    case StraightFlush:
      return {QT_TRANSLATE_NOOP("Cards", "%1 high Straight Flush \n(%2)"), {name(rank[1]), suits}};
    default:
      return {QT_TRANSLATE_NOOP("Cards", "Royal Flush \n(%1)"), {suits, ""}};
  }
}

std::string HandCaption(const HandRank& rank) {
  const CaptionParts parts = HandCaptionParts(rank);
  return Fill(parts.pattern, parts.args);
}

std::string CardName(CardCode code) {
  if (code < 1 || code > 52) return {};
  return Fill(kCardPattern, {RankNames[static_cast<std::size_t>(RankOf(code))],
                             SuitPlurals[static_cast<std::size_t>(SuitOf(code))]});
}
