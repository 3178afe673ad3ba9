#include "platform/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

bool InstallTranslators(const QLocale& locale) {
  static QTranslator game;
  static QTranslator toolkit;
  QCoreApplication::removeTranslator(&game);
  QCoreApplication::removeTranslator(&toolkit);
  // A translation the game lacks leaves the toolkit's out too, so that a window never mixes two
  // languages.
  if (!game.load(locale, QStringLiteral("brindlewharf"), QStringLiteral("_"), QStringLiteral(":/i18n")))
    return false;
  QCoreApplication::installTranslator(&game);
  if (toolkit.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                   QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QCoreApplication::installTranslator(&toolkit);
  return true;
}
