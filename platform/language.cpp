#include "platform/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

std::optional<QLocale>& Installed() {
  static std::optional<QLocale> language;
  return language;
}

}  // namespace

const std::optional<QLocale>& GameLanguage() { return Installed(); }

bool InstallTranslators(const QLocale& locale) {
  static QTranslator game;
  static QTranslator toolkit;
  static QTranslator plurals;
  QCoreApplication::removeTranslator(&game);
  QCoreApplication::removeTranslator(&toolkit);
  QCoreApplication::removeTranslator(&plurals);
  // A translation the game lacks leaves the toolkit's out too, so that a window never mixes two
  // languages.
  Installed().reset();
  if (!game.load(locale, QStringLiteral("brindlewharf"), QStringLiteral("_"), QStringLiteral(":/i18n"))) {
    // English needs its words only for counts: "1 Hand", "2 Hands".
    if (plurals.load(QStringLiteral("plurals_en"), QStringLiteral(":/i18n")))
      QCoreApplication::installTranslator(&plurals);
    return false;
  }
  QCoreApplication::installTranslator(&game);
  // The figures follow the language the words came in: the desktop's own locale when it is that
  // language (Austrian German keeps its ways), else the language's main country's ("LANGUAGE=de"
  // on an English desktop).
  const QLocale words(game.language());
  Installed() = locale.language() == words.language() ? locale : words;
  if (toolkit.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                   QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QCoreApplication::installTranslator(&toolkit);
  return true;
}
