#include "platform/words.h"

#include <QCoreApplication>

#include "game/compare.h"

namespace {

QString Cards(const char* text) { return QCoreApplication::translate("Cards", text); }

}  // namespace

QString CardWords(CardCode code) {
  if (code < 1 || code > 52) return {};
  return Cards(kCardPattern)
      .arg(Cards(RankNames[static_cast<std::size_t>(RankOf(code))]),
           Cards(SuitPlurals[static_cast<std::size_t>(SuitOf(code))]));
}

QString CardSign(CardCode code) {
  static constexpr const char* kRanks[13] = {"2", "3",  "4", "5", "6", "7", "8",
                                             "9", "10", "J", "Q", "K", "A"};
  static constexpr char16_t kSuits[4] = {u'\u2665', u'\u2666', u'\u2663', u'\u2660'};  // hearts .. spades
  if (code < 1 || code > 52) return QStringLiteral("?");
  return QString::fromLatin1(kRanks[RankOf(code)]) + QChar(kSuits[SuitOf(code)]);
}

QString CategoryWords(std::int32_t category) {
  const std::string_view name = CategoryName(category);
  return name.empty() ? QString() : Cards(name.data());
}

QString CaptionWords(const HandRank& rank) {
  const CaptionParts parts = HandCaptionParts(rank);
  QString text = Cards(parts.pattern);
  // Each argument only where the pattern has a place for it: QString::arg would otherwise warn.
  for (int i = 0; i < 2; ++i) {
    const QString marker = QStringLiteral("%%1").arg(i + 1);
    if (text.contains(marker)) text.replace(marker, Cards(parts.args[static_cast<std::size_t>(i)]));
  }
  return text;
}

RefusalWords Words(BetRefusal why) {
  const auto say = [](const char* text, const char* caption) {
    return RefusalWords{QCoreApplication::translate("Refusals", text),
                        QCoreApplication::translate("Refusals", caption)};
  };
  switch (why) {
    case BetRefusal::None:
      break;
    case BetRefusal::TypedNotANumber:
      return say(QT_TRANSLATE_NOOP("Refusals", "Invalid bet charactor!"),
                 QT_TRANSLATE_NOOP("Refusals", "Bet Error"));
    case BetRefusal::TypedOverBank:
      return say(QT_TRANSLATE_NOOP("Refusals", "You don't have that much!"),
                 QT_TRANSLATE_NOOP("Refusals", "Bet Error"));
    case BetRefusal::LastBetOverBank:
      return say(QT_TRANSLATE_NOOP("Refusals",
                                   "Your last bet exceeds your bank account!\n         Decrease your bet.."),
                 QT_TRANSLATE_NOOP("Refusals", "Bet Overflow"));
    case BetRefusal::DealNotANumber:
      return say(QT_TRANSLATE_NOOP("Refusals", "No betting charactors!\n      Try again.."),
                 QT_TRANSLATE_NOOP("Refusals", "Illegal Bet"));
    case BetRefusal::DealOverBank:
      return say(QT_TRANSLATE_NOOP("Refusals", "You don't have that much!\n       Try again.."),
                 QT_TRANSLATE_NOOP("Refusals", "Illegal Bet"));
    case BetRefusal::NothingBet:
      return say(QT_TRANSLATE_NOOP("Refusals", "You must bet something.."),
                 QT_TRANSLATE_NOOP("Refusals", "Illegal Bet"));
    case BetRefusal::WinOverflow:
      return say(
          QT_TRANSLATE_NOOP("Refusals", "The bank can't hold a win that big!\n      Decrease your bet.."),
          QT_TRANSLATE_NOOP("Refusals", "Illegal Bet"));
    case BetRefusal::WelcomeNotANumber:
      return say(QT_TRANSLATE_NOOP("Refusals", "You must enter a valid bet.\n      Try Again.."),
                 QT_TRANSLATE_NOOP("Refusals", "Illegal Bet"));
    case BetRefusal::WelcomeOverBank:
      return say(QT_TRANSLATE_NOOP("Refusals", "You don't have that much!\n       Try Again.."),
                 QT_TRANSLATE_NOOP("Refusals", "Illegal Bet"));
  }
  return {};
}

RefusalWords Words(DrawRefusal why) {
  const QString caption = QCoreApplication::translate("Refusals", "Illegal Draw");
  switch (why) {
    case DrawRefusal::None:
      break;
    case DrawRefusal::Five:
      return {QCoreApplication::translate("Refusals", "You Can't draw 5!"), caption};
    case DrawRefusal::FourWithoutAnAce:
      return {QCoreApplication::translate("Refusals", "You can only Draw 4 to an Ace!"), caption};
  }
  return {};
}

RefusalWords Words(NameRefusal why) {
  const QString caption = QCoreApplication::translate("Refusals", "Illegal Name Entry");
  switch (why) {
    case NameRefusal::None:
      break;
    case NameRefusal::TooLong:
      return {
          QCoreApplication::translate("Refusals", "Name must be 10 letters or less.\n        Try Again.."),
          caption};
    case NameRefusal::ControlCharacter:
      return {QCoreApplication::translate("Refusals",
                                          "Name must not hold tabs or line breaks.\n        Try Again.."),
              caption};
  }
  return {};
}

std::u32string Characters(const QString& text) {
  const QList<uint> ucs4 = text.toUcs4();
  return std::u32string(ucs4.begin(), ucs4.end());
}
