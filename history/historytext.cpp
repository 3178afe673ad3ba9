#include "history/historytext.h"

#include <QStringList>

#include "platform/words.h"

namespace {

// A spreadsheet takes a cell that starts with one of these for a formula and runs it.
bool LooksLikeFormula(const QString& text) {
  return !text.isEmpty() && QStringLiteral("=+-@\t\r").contains(text.front());
}

QString Field(const QString& text) {
  const bool formula = LooksLikeFormula(text);
  if (!formula && !text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) &&
      !text.contains(QLatin1Char('\r')) && !text.contains(QLatin1Char('\n')))
    return text;
  // An apostrophe before a would-be formula makes it text in every spreadsheet.
  QString quoted = formula ? QLatin1Char('\'') + text : text;
  quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
  return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QString Category(int category) {
  const std::string_view name = CategoryName(category);
  return category == HighCard ? QStringLiteral("High card")
                              : QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

QString CoachWord(CoachCall call) {
  switch (call) {
    case CoachCall::Best:
      return QStringLiteral("Best");
    case CoachCall::AsGoodAsBest:
      return QStringLiteral("As good as best");
    case CoachCall::NotBest:
      return QStringLiteral("Not best");
    case CoachCall::None:
      break;
  }
  return {};
}

QString OutcomeWord(Outcome outcome) {
  return outcome == PlayerWins   ? QStringLiteral("Win")
         : outcome == DealerWins ? QStringLiteral("Loss")
                                 : QStringLiteral("Push");
}

}  // namespace

QString CardSigns(const HandEntry::Cards& cards, std::uint8_t marked) {
  QStringList signs;
  for (int slot = 0; slot < 5; ++slot) {
    const QString sign = CardSign(cards[static_cast<std::size_t>(slot)]);
    signs << ((marked >> slot & 1) != 0 ? QLatin1Char('[') + sign + QLatin1Char(']') : sign);
  }
  return signs.join(QLatin1Char(' '));
}

QByteArray HistoryCsv(const HandHistory& history, const QString& player) {
  const QString name = Field(player);
  // The byte-order mark tells a spreadsheet the file is UTF-8, so the suit signs survive.
  QByteArray out =
      "\xEF\xBB\xBFPlayer,Hand,Bet,Dealt,Turned down,Drawn,Dealer,Player's hand,Dealer's hand,Outcome,Bank,"
      "Coach,Below best,Bankrupt\r\n";
  out.reserve(static_cast<qsizetype>(history.Count() * 110 + out.size()));
  for (std::int64_t i = 0; i < history.Count(); ++i) {
    const HandEntry& e = history.At(i);
    QStringList turned;
    for (int slot = 0; slot < 5; ++slot)
      if (e.TurnedDown(slot)) turned << CardSign(e.dealt[static_cast<std::size_t>(slot)]);
    const QStringList fields = {
        name,
        QString::number(i + 1),
        QString::number(e.bet),
        CardSigns(e.dealt),
        turned.join(QLatin1Char(' ')),
        CardSigns(e.drawn),
        CardSigns(e.dealer),
        Category(e.playerCategory),
        Category(e.dealerCategory),
        OutcomeWord(e.Result()),
        QString::number(e.bank),
        CoachWord(e.Call()),
        e.Call() == CoachCall::NotBest ? QString::number(e.centsBelow / 100.0, 'f', 2) : QString(),
        e.bankrupt ? QStringLiteral("Yes") : QString(),
    };
    out += fields.join(QLatin1Char(',')).toUtf8();
    out += "\r\n";
  }
  return out;
}
