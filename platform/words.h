#pragma once
// The rules' words in the player's language: cards, hand categories and captions, and the
// refusals of names, bets and draws. The rules hand over codes and records; every window that shows or
// speaks one of them takes its words from here, so a text has one source and one translation.

#include <QString>
#include <string>

#include "game/cards.h"
#include "game/drawrule.h"
#include "game/handrank.h"
#include "game/money.h"
#include "game/playername.h"

// "Seven of Hearts"; empty for a code outside 1..52.
QString CardWords(CardCode code);
// A card in its short sign, "10♥"; "?" for a code outside 1..52.
QString CardSign(CardCode code);
// "Full House"; empty for high card and for a category out of range.
QString CategoryWords(std::int32_t category);
// The two-line caption of a best hand, "Pair of Queens \n(Nine kicker)".
QString CaptionWords(const HandRank& rank);

// A refusal as its message box shows it.
struct RefusalWords {
  QString text;
  QString caption;
};
RefusalWords Words(BetRefusal why);
RefusalWords Words(DrawRefusal why);
RefusalWords Words(NameRefusal why);

// The characters of text, as the rules count them.
std::u32string Characters(const QString& text);
