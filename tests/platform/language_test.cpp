// The language follows the desktop's; English and a language the game has no file for keep the
// texts as the code writes them.
#include "platform/language.h"

#include <gtest/gtest.h>

#include <QCoreApplication>

namespace {

QString Shown(const char* context, const char* text) { return QCoreApplication::translate(context, text); }

TEST(Language, ChosenByTheLocale) {
  struct Row {
    const char* rule;
    const char* locale;
    bool translated;
    const char* pair;  // Cards: "Pair"
    const char* no;    // Qt's own button
  };
  const Row rows[] = {
      {"German has the game's words and Qt's", "de_DE", true, "Paar", "&Nein"},
      {"French", "fr_FR", true, "Paire", "&Non"},
      {"Spanish, of any country", "es_MX", true, "Pareja", "&No"},
      {"English is the texts themselves", "en_US", false, "Pair", "&No"},
      {"the C locale too", "C", false, "Pair", "&No"},
      {"a language without a file is English, Qt's words included", "it_IT", false, "Pair", "&No"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.rule);
    EXPECT_EQ(InstallTranslators(QLocale(QString::fromLatin1(row.locale))), row.translated);
    EXPECT_EQ(Shown("Cards", "Pair"), QString::fromUtf8(row.pair));
    EXPECT_EQ(Shown("QPlatformTheme", "&No"), QString::fromUtf8(row.no));
  }
  InstallTranslators(QLocale::c());
}

}  // namespace
