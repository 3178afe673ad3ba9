#include "coach/coachwords.h"

#include <QStringList>
#include <algorithm>
#include <cmath>

#include "game/drawrule.h"
#include "platform/numbers.h"
#include "platform/words.h"

namespace {

// The place of the first figure of an error: -2 for cents (the finest money is shown to), -1 for
// dimes, 0 for dollars, 1 for tens ...
int FirstFigure(double error) {
  return std::max(-2, static_cast<int>(std::floor(std::log10(std::max(error, 0.005)))));
}

// An amount of dollars, unsigned, rounded to the first figure of the error.
QString Rounded(double amount, double error) {
  const int figure = FirstFigure(error);
  const double step = std::pow(10.0, figure);
  return DollarsTo(std::round(std::abs(amount) / step) * step, std::max(0, -figure));
}

}  // namespace

QString CoachWords::ThrowSigns(const Hand& hand, const SlotFlags& discards) {
  QStringList signs;
  for (int slot = 0; slot < 5; ++slot)
    if (discards[slot] == 1) signs << CardSign(hand[slot]);
  return signs.isEmpty() ? tr("Stand pat") : signs.join(' ');
}

QString CoachWords::ThrowWords(const Hand& hand, const SlotFlags& discards) {
  QStringList words;
  for (int slot = 0; slot < 5; ++slot)
    if (discards[slot] == 1) words << tr("the %1").arg(CardWords(hand[slot]));
  if (words.isEmpty()) return tr("none");
  const QString last = words.takeLast();
  return words.isEmpty() ? last : tr("%1 and %2").arg(words.join(tr(", ")), last);
}

QString CoachWords::HoldWords(const Hand& hand, const SlotFlags& discards) {
  return DiscardCount(discards) == 0 ? tr("stand pat") : tr("throw %1").arg(ThrowWords(hand, discards));
}

QString CoachWords::WholeHoldWords(const Hand& hand, const SlotFlags& discards) {
  if (DiscardCount(discards) == 0) return tr("stand pat");
  SlotFlags kept{};
  for (int slot = 0; slot < 5; ++slot) kept[slot] = discards[slot] == 1 ? 0 : 1;
  return tr("keep %1 and throw %2").arg(ThrowWords(hand, kept), ThrowWords(hand, discards));
}

QString CoachWords::Percent(double chance, double error) {
  return ::Percent(100 * chance, 100 * error < 1 ? 1 : 0);
}

QString CoachWords::Dollars(double bets, std::int32_t bet, double error) {
  // No sign where the amount rounds to nothing.
  const bool loss = bets * bet <= -0.5 * std::pow(10.0, FirstFigure(error * bet));
  return (loss ? QStringLiteral("-") : QStringLiteral("+")) + Rounded(bets * bet, error * bet);
}

QString CoachWords::SpokenDollars(double bets, std::int32_t bet, double error) {
  const bool loss = bets * bet <= -0.5 * std::pow(10.0, FirstFigure(error * bet));
  return (loss ? tr("lose %1 on average") : tr("win %1 on average")).arg(Rounded(bets * bet, error * bet));
}

QString CoachWords::Amount(double dollars, double error) { return Rounded(dollars, error); }

QString CoachWords::Margin(double dollars) {
  // Rounded up, so that the margin stated is never narrower than the one known.
  const int figure = FirstFigure(dollars);
  const double step = std::pow(10.0, figure);
  return DollarsTo(std::ceil(dollars / step - 1e-9) * step, std::max(0, -figure));
}

QString CoachWords::Ordinal(int n) {
  const int tens = n % 100, units = n % 10;
  if (tens >= 11 && tens <= 13) return tr("%1th").arg(n);
  if (units == 1) return tr("%1st").arg(n);
  if (units == 2) return tr("%1nd").arg(n);
  if (units == 3) return tr("%1rd").arg(n);
  return tr("%1th").arg(n);
}

namespace {

QString RankName(std::int32_t rank, bool plural) {
  static const char* const names[13][2] = {
      {QT_TRANSLATE_NOOP("TCoachBox", "Deuce"), QT_TRANSLATE_NOOP("TCoachBox", "Deuces")},
      {QT_TRANSLATE_NOOP("TCoachBox", "Three"), QT_TRANSLATE_NOOP("TCoachBox", "Threes")},
      {QT_TRANSLATE_NOOP("TCoachBox", "Four"), QT_TRANSLATE_NOOP("TCoachBox", "Fours")},
      {QT_TRANSLATE_NOOP("TCoachBox", "Five"), QT_TRANSLATE_NOOP("TCoachBox", "Fives")},
      {QT_TRANSLATE_NOOP("TCoachBox", "Six"), QT_TRANSLATE_NOOP("TCoachBox", "Sixes")},
      {QT_TRANSLATE_NOOP("TCoachBox", "Seven"), QT_TRANSLATE_NOOP("TCoachBox", "Sevens")},
      {QT_TRANSLATE_NOOP("TCoachBox", "Eight"), QT_TRANSLATE_NOOP("TCoachBox", "Eights")},
      {QT_TRANSLATE_NOOP("TCoachBox", "Nine"), QT_TRANSLATE_NOOP("TCoachBox", "Nines")},
      {QT_TRANSLATE_NOOP("TCoachBox", "Ten"), QT_TRANSLATE_NOOP("TCoachBox", "Tens")},
      {QT_TRANSLATE_NOOP("TCoachBox", "Jack"), QT_TRANSLATE_NOOP("TCoachBox", "Jacks")},
      {QT_TRANSLATE_NOOP("TCoachBox", "Queen"), QT_TRANSLATE_NOOP("TCoachBox", "Queens")},
      {QT_TRANSLATE_NOOP("TCoachBox", "King"), QT_TRANSLATE_NOOP("TCoachBox", "Kings")},
      {QT_TRANSLATE_NOOP("TCoachBox", "Ace"), QT_TRANSLATE_NOOP("TCoachBox", "Aces")},
  };
  return QCoreApplication::translate("TCoachBox", names[std::clamp(rank, 0, 12)][plural ? 1 : 0]);
}

}  // namespace

QString CoachWords::Reason(const Hand& hand, const SlotFlags& discards) {
  const HoldReason r = ReasonFor(hand, discards);
  // The ranks kept, highest first, for the reasons that name them.
  std::vector<std::int32_t> kept;
  for (int slot = 0; slot < 5; ++slot)
    if (discards[slot] != 1) kept.push_back(RankOf(hand[slot]));
  std::sort(kept.rbegin(), kept.rend());
  switch (r.kind) {
    case HoldReason::StandsPat:
      return tr("Stands pat on a %1").arg(CategoryWords(r.rank));
    case HoldReason::KeepsFour:
      return tr("Keeps four %1").arg(RankName(r.rank, true));
    case HoldReason::KeepsThree:
      return tr("Keeps three %1").arg(RankName(r.rank, true));
    case HoldReason::KeepsTwoPair:
      return tr("Keeps two pair, %1 high").arg(RankName(r.rank, true));
    case HoldReason::KeepsPair: {
      const auto kicker = std::find_if(kept.begin(), kept.end(), [&](std::int32_t k) { return k != r.rank; });
      return kicker == kept.end()
                 ? tr("Keeps a pair of %1").arg(RankName(r.rank, true))
                 : tr("Keeps a pair of %1 and the %2").arg(RankName(r.rank, true), RankName(*kicker, false));
    }
    case HoldReason::DrawsToStraightFlush:
      return tr("Draws one card to a straight flush");
    case HoldReason::DrawsToFlush:
      return tr("Draws one card to a flush");
    case HoldReason::DrawsToStraight:
      return tr("Draws one card to a straight");
    case HoldReason::KeepsThreeToStraightFlush:
      return tr("Keeps three cards to a straight flush");
    case HoldReason::KeepsThreeToFlush:
      return tr("Keeps three cards of one suit");
    case HoldReason::KeepsThreeToStraight:
      return tr("Keeps three cards to a straight");
    case HoldReason::KeepsAceDrawsFour:
      return tr("Keeps the Ace and draws four");
    case HoldReason::KeepsHighCards:
      return r.count == 1
                 ? tr("Keeps the %1 and draws four").arg(RankName(r.rank, false))
                 : tr("Keeps the %n highest cards, %1 high", nullptr, r.count).arg(RankName(r.rank, false));
    case HoldReason::KeepsSuited:
      return tr("Keeps two cards of one suit, %1 high").arg(RankName(r.rank, false));
    case HoldReason::KeepsConnected:
      return tr("Keeps two cards in sequence, %1 high").arg(RankName(r.rank, false));
    case HoldReason::KeepsCards:
      break;
  }
  QStringList names;
  for (std::int32_t rank : kept) names << tr("the %1").arg(RankName(rank, false));
  const QString last = names.takeLast();
  return tr("Keeps %1").arg(names.isEmpty() ? last : tr("%1 and %2").arg(names.join(tr(", ")), last));
}
