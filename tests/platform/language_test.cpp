// The language follows the desktop's; English and a language the game has no file for keep the
// texts as the code writes them.
#include "platform/language.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <vector>

#include "platform/numbers.h"

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

// Money, percentages, counts and the clock: English keeps the game's own forms, a translated
// language writes them by its rules.
TEST(Language, FiguresByTheLanguagesRules) {
  struct Row {
    const char* rule;
    const char* locale;
    std::vector<const char*> shown;
  };
  const Row rows[] = {
      {"English keeps the game's forms",
       "C",
       {"$1055", "$4.71", "53.0%", "0 Hands", "1 Hand", "2 Hands", "12/9/26", "1:51:57 AM", "1:51:57 PM"}},
      {"German",
       "de_DE",
       {"1.055\u00a0$", "4,71\u00a0$", "53,0\u00a0%", "0 H\u00e4nde", "1 Hand", "2 H\u00e4nde", "09.12.26",
        "01:51:57", "13:51:57"}},
      {"French counts nought as one",
       "fr_FR",
       {"1\u202f055\u00a0$", "4,71\u00a0$", "53,0\u00a0%", "0 main", "1 main", "2 mains", "09/12/2026",
        "01:51:57", "13:51:57"}},
      {"Spanish",
       "es_ES",
       {"1055\u00a0$", "4,71\u00a0$", "53,0\u00a0%", "0 manos", "1 mano", "2 manos", "9/12/26", "01:51:57",
        "13:51:57"}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.rule);
    InstallTranslators(QLocale(QString::fromLatin1(row.locale)));
    const auto hands = [](int n) {
      return QCoreApplication::translate("TStatBox", "%1 Hand(s)", nullptr, n).arg(n);
    };
    const QString shown[] = {Dollars(1055),
                             DollarsAndCents(4.71),
                             Percent(53.0, 1),
                             hands(0),
                             hands(1),
                             hands(2),
                             ShortDate(QDate(2026, 12, 9)),
                             ClockTime(QTime(1, 51, 57)),
                             ClockTime(QTime(13, 51, 57))};
    for (std::size_t i = 0; i < row.shown.size(); ++i)
      EXPECT_EQ(shown[i], QString::fromUtf8(row.shown[i])) << i;
  }
  InstallTranslators(QLocale::c());
}

}  // namespace
