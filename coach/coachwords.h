#pragma once
// The coach's words: holds, chances, money and reasons as its window shows and speaks them.
// Every figure is rounded to the precision its error allows, so none looks sharper than it is.

#include <QCoreApplication>
#include <QString>
#include <cstdint>

#include "game/cards.h"
#include "game/holdreason.h"

class CoachWords {
  Q_DECLARE_TR_FUNCTIONS(TCoachBox)

 public:
  // The cards a hold throws as signs, "10♦ 8♥", or "Stand pat".
  static QString ThrowSigns(const Hand& hand, const SlotFlags& discards);
  // The cards it throws in words, "the Ten of Diamonds and the Eight of Hearts", or "none".
  static QString ThrowWords(const Hand& hand, const SlotFlags& discards);
  // What to do, in words: "throw the Ten of Diamonds", or "stand pat".
  static QString HoldWords(const Hand& hand, const SlotFlags& discards);
  // The whole hold: "keep the Ace of Hearts and the Ace of Diamonds and throw the Seven of
  // Clubs", or "stand pat".
  static QString WholeHoldWords(const Hand& hand, const SlotFlags& discards);

  // A chance in percent, to a tenth only where its error is below a whole one.
  static QString Percent(double chance, double error);
  // bets at the bet in dollars, signed, rounded to the first figure of the error's dollars:
  // "+$1.25", "-$18.5", "-$190".
  static QString Dollars(double bets, std::int32_t bet, double error);
  // The same as spoken: "win $1.25 on average", "lose $18.5 on average".
  static QString SpokenDollars(double bets, std::int32_t bet, double error);
  // Dollars unsigned, rounded to the first figure of the error: "$0.05", "$3".
  static QString Amount(double dollars, double error);
  // The error itself to one figure: "$0.05", "$0.3".
  static QString Margin(double dollars);

  // "1st", "2nd", "3rd", "4th" ... "11th", "12th", "13th" ... "21st".
  static QString Ordinal(int n);
  // Why the hold with discards is played, in a line: "Keeps a pair of Kings".
  static QString Reason(const Hand& hand, const SlotFlags& discards);
};
