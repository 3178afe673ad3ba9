// The statistics window: its labels from one set of figures, its two views, saving and opening.
#include "stats/statbox.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QAccessible>
#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "decks/catalogue.h"
#include "decks/deckchoice.h"
#include "help/helpbox.h"
#include "platform/language.h"
#include "stats/gamestats.h"
#include "stats/statsfile.h"
#include "tests/support/fakeplatform.h"
#include "tests/support/widgets.h"

namespace {

struct LabelCase {
  const char* rule;
  GameStatistics v;
  std::vector<std::pair<const char*, const char*>> texts;
  const char* name = "Ann";
};

GameStatistics Figures(std::uint32_t played, std::uint32_t won, std::uint32_t bankSum = 1000) {
  GameStatistics v;
  v.HandsPlayed = played;
  v.HandsWon = won;
  v.BankSum = bankSum;
  v.BankHigh = 1000;
  v.PlrRankCounts[0] = played;
  v.DlrRankCounts[1] = played;
  v.PlrDrawCounts[0] = played;
  v.DlrDrawCounts[2] = played;
  return v;
}

class StatBoxTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetGameStats();
    ResetDeckChoice();
    PlayerName = "Ann";
    box = new TStatBox;
  }
  void TearDown() override { delete box; }

  QString Text(const char* label) const { return Named<QLabel>(box, label)->text(); }
  bool CornerShows(const char* place, int id) const { return Shows(Named<QLabel>(box, place), id); }
  // What a screen reader is told of a widget: its name, or its description.
  QString Heard(const char* name, QAccessible::Text t = QAccessible::Name) const {
    return QAccessible::queryAccessibleInterface(Named(box, name))->text(t);
  }
  // The texts of the captions a screen reader is given for a figure.
  std::vector<QString> Captions(QWidget* figure) const {
    std::vector<QString> captions;
    for (const auto& [caption, relation] :
         QAccessible::queryAccessibleInterface(figure)->relations(QAccessible::Label))
      captions.push_back(caption->text(QAccessible::Name));
    return captions;
  }
  // The window as a player leaves it after opening path.
  void Open(const QString& path) {
    platform.SetOpenFileName(path);
    box->OpenSpBtnClick();
  }

  FakePlatform platform;
  TStatBox* box = nullptr;
};

TEST_F(StatBoxTest, LabelsFollowTheirRules) {
  GameStatistics wrapped = Figures(60'000'000, 50'000'000);
  GameStatistics streaks = Figures(5, 3);
  streaks.PlrStreakMax = 1;
  streaks.DlrStreakMax = 2;
  streaks.BetSum = 250;
  GameStatistics widest = Figures(0xFFFFFFFFu, 0xFFFFFFFFu, 0xFFFFFFFFu);
  widest.PlrStreakMax = widest.DlrStreakMax = widest.BankHigh = widest.BetHigh = widest.Resets = 0xFFFFFFFFu;
  widest.PlrBestRank = {4, 99, 0, 0, 0, 0, 0};  // forged: no such rank
  widest.DlrBestRank = {1, 11, 7, 6, 5, 0, 0};
  const LabelCase cases[] = {
      {"no_hands_played",
       Figures(0, 0),
       {{"gameTotalLabl", "0"},
        {"winPercentLabl", "0%"},
        {"PlrDrawImprove", "Ann: 0%"},
        {"DlrDrawImprove", "0%"},
        {"plrBetAveLabl", "$0"},
        {"PlrBankAveLabl", "$1000"},
        {"PlrBankMaxLabl", "$1000"},
        {"plrBestLabl", "(None)"},
        {"dlrBestLabl", "(None)"},
        {"PlrWinStreakLabl", "Ann: 0 Hands"},
        {"DlrWinStreakLabl", "0 Hands"},
        {"PlrWinsLabl", "Ann won:  0"},
        {"FinStatsLabl", "Ann's Financial Stats:"},
        {"plrBestTitleLabl", "Ann's Best Hand:"},
        {"plrAccumTitleLabl", "Ann:"},
        {"PlrAccumDrawLabl", "Ann:"}}},
      {"percentages_truncate", Figures(3, 2), {{"winPercentLabl", "66%"}, {"gameTotalLabl", "3"}}},
      {"average_bank_counts_the_starting_sample", Figures(1, 0, 1900), {{"PlrBankAveLabl", "$950"}}},
      {"one_hand_streak_is_singular",
       streaks,
       {{"PlrWinStreakLabl", "Ann: 1 Hand"}, {"DlrWinStreakLabl", "2 Hands"}, {"plrBetAveLabl", "$50"}}},
      {"percent_product_wraps_at_32_bits", wrapped, {{"winPercentLabl", "11%"}}},
      {"forged_hand_count_divides_by_nothing",
       Figures(0xFFFFFFFFu, 0),
       {{"PlrBankAveLabl", "$0"}, {"gameTotalLabl", "4294967295"}}},
      {"widest_legal_name_and_largest_figures_show_whole",
       widest,
       {{"FinStatsLabl", "WWWWWWWWWW's Financial Stats:"},
        {"plrBestLabl", "Hand Rank program error.. Please notify the author"},
        {"PlrWinStreakLabl", "WWWWWWWWWW: 4294967295 Hands"}},
       "WWWWWWWWWW"},
      {"totals_add_each_side",
       Figures(7, 1),
       {{"PlrRankTotalLabl", "7"},
        {"DlrRankTotalLabl", "7"},
        {"PlrHighCardLabl", "7"},
        {"DlrPairLabl", "7"}}},
  };
  box->show();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.rule);
    GameStats = c.v;
    PlayerName = c.name;
    box->UpdateClick();
    for (const auto& [label, text] : c.texts) EXPECT_EQ(Text(label), text) << label;
    EXPECT_EQ(ClippedLabels(box), std::vector<std::string>{});
  }
}

TEST_F(StatBoxTest, BestHandPlacesShowCornersOrBacks) {
  DeckBackId = 66;
  box->UpdateClick();
  EXPECT_TRUE(CornerShows("PlrCard0", 66)) << "no hands: the back in use";
  EXPECT_EQ(Heard("DlrCard0"), "Dealer's best hand, card 1: face down");
  EXPECT_EQ(Heard("DlrCard0", QAccessible::Description), "(None)") << "the caption under the cards";
  GameStats = Figures(1, 1);
  GameStats.PlrBestCards = {12, 25, 3, 38, 16};
  GameStats.PlrBestRank = {6, 11, 2, 0, 0, 0, 0};
  box->UpdateClick();
  EXPECT_TRUE(CornerShows("PlrCard0", 12));
  EXPECT_TRUE(CornerShows("PlrCard4", 16));
  EXPECT_EQ(Heard("PlrCard0"), "Ann's best hand, card 1: King of Hearts");
  EXPECT_EQ(Heard("PlrCard4"), "Ann's best hand, card 5: Four of Diamonds");
  EXPECT_EQ(Heard("PlrCard4", QAccessible::Description), "Full House (Kings over Fours)");
  EXPECT_EQ(Named<QLabel>(box, "PlrCard0")->pixmap().deviceIndependentSize(), QSizeF(71, 96)) << "unscaled";

  // A file does not record the back: no hands show the first one. A forged card shows it too.
  QTemporaryDir dir;
  GameStatistics forged = Figures(1, 1);
  forged.DlrBestCards = {99, 0, -3, 52, 1};
  const auto save = [&](const char* file, const GameStatistics& v) {
    QFile f(dir.filePath(file));
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray::fromStdString(FormatStatsFile(v, "Bob", MakeSaveStamp(2026, 12, 8, 9, 5, 0))));
    return f.fileName();
  };
  Open(save("empty.bwf", Figures(0, 0)));
  EXPECT_TRUE(CornerShows("PlrCard0", 60));
  Open(save("forged.bwf", forged));
  EXPECT_TRUE(CornerShows("DlrCard0", 60));
  EXPECT_EQ(Heard("DlrCard0"), "Dealer's best hand, card 1: face down");
  EXPECT_TRUE(CornerShows("DlrCard2", 60));
  EXPECT_TRUE(CornerShows("DlrCard3", 52));
}

TEST_F(StatBoxTest, FileViewAndBack) {
  QTemporaryDir dir;
  const QString path = dir.filePath("known.bwf");
  QFile::copy(QStringLiteral(BRINDLEWHARF_TEST_DATA "/known.bwf"), path);
  platform.SetLocalDateTime(QDateTime(QDate(2031, 2, 3), QTime(16, 4, 9)));
  box->show();
  ASSERT_TRUE(box->Timer1->isActive());
  EXPECT_EQ(Heard("CloseSpBtn"), "Current Game Stats") << "a picture-only button is named with its hint off";
  EXPECT_EQ(Text("DateLabl") + " " + Text("TimeLabl"), "2/3/31 4:04:09 PM")
      << "the clock from the first moment";
  Open(path);
  EXPECT_EQ(box->windowTitle(), "Viewing " + QDir::toNativeSeparators(path));
  EXPECT_EQ(Text("DateLabl"), "1/5/0");
  EXPECT_EQ(Text("TimeLabl"), "3:07:05 PM");
  EXPECT_EQ(Text("gameTotalLabl"), "12");
  EXPECT_EQ(Text("plrBestTitleLabl"), "Ann's Best Hand:");
  EXPECT_FALSE(box->Timer1->isActive());
  EXPECT_FALSE(Named<QToolButton>(box, "SaveSpBtn")->isEnabled());
  EXPECT_FALSE(Named<QAction>(box, "SaveMu")->isEnabled());
  EXPECT_TRUE(Named<QAction>(box, "CurrentMu")->isEnabled());
  EXPECT_EQ(Named<QToolButton>(box, "CloseSpBtn")->toolTip(), "Current Game Stats");
  EXPECT_EQ(Heard("SaveSpBtn"), "Save Stats...");

  // A failed open changes nothing.
  platform.Expect(QDir::toNativeSeparators(dir.filePath("gone.bwf")) + ". File does not exist.",
                  "File Not Found", StopOk);
  Open(dir.filePath("gone.bwf"));
  QFile damaged(dir.filePath("damaged.bwf"));
  ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
  damaged.write("1\r\n");
  damaged.close();
  platform.Expect("Invalid data file!", "File Open Error #1", StopOk);
  Open(damaged.fileName());
  EXPECT_EQ(box->windowTitle(), "Viewing " + QDir::toNativeSeparators(path));
  EXPECT_EQ(Text("gameTotalLabl"), "12");

  // The help window brings the current view back.
  HelpBox = new THelpBox(box);
  QTimer::singleShot(0, HelpBox, [] { HelpBox->close(); });
  Named<QToolButton>(box, "HelpSpBtn")->click();
  EXPECT_EQ(box->windowTitle(), "Current Game Statistics");
  EXPECT_EQ(Text("gameTotalLabl"), "0");
  EXPECT_TRUE(box->Timer1->isActive());
  delete HelpBox;
  HelpBox = nullptr;

  QTest::keyClick(box, Qt::Key_Escape);  // as the close button does
  EXPECT_FALSE(box->isVisible());
  EXPECT_FALSE(box->Timer1->isActive()) << "a hidden window does not tick";
}

TEST_F(StatBoxTest, AFileIsTheSameInEveryLanguage) {
  QTemporaryDir dir;
  GameStats = Figures(3, 2);
  GameStats.PlrBestRank = {6, 11, 2, 0, 0, 0, 0};
  GameStats.PlrBestCards = {12, 25, 3, 38, 16};
  const auto saved = [&](const char* name) {
    platform.SetSaveFileName(dir.filePath(name));
    box->SaveSpBtnClick();
    QFile file(dir.filePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  };
  const QByteArray english = saved("english.bwf");
  ASSERT_TRUE(InstallTranslators(QLocale(QStringLiteral("de_DE"))));
  EXPECT_EQ(saved("german.bwf"), english);
  Open(dir.filePath("english.bwf"));
  EXPECT_EQ(Text("gameTotalLabl"), "3") << "read back under German without a complaint";
  EXPECT_EQ(Text("plrBestLabl"), "Full House \n(K\u00f6nige mit Vieren)");
  InstallTranslators(QLocale::c());
}

TEST_F(StatBoxTest, SavingAsksBeforeReplacingAndNeverLosesAFile) {
  QTemporaryDir dir;
  const QString first = dir.filePath("a.bwf"), second = dir.filePath("b.bwf");
  QFile old(first);
  ASSERT_TRUE(old.open(QIODevice::WriteOnly));
  old.write("old");
  old.close();
  const auto contents = [](const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(none)");
  };
  const QString question = QDir::toNativeSeparators(first) + " already exists. Do you want to replace it?";

  platform.SetSaveFileName(first);
  platform.Expect(question, "Overwrite Existing Stat File", QuestionYesNoCancel, MessageAnswer::Cancel);
  box->SaveSpBtnClick();
  EXPECT_EQ(contents(first), "old");

  // No asks for another name; the player picks a new one.
  platform.Expect(question, "Overwrite Existing Stat File", QuestionYesNoCancel, MessageAnswer::No);
  platform.OnNextMessage([&] { platform.SetSaveFileName(second); });
  box->SaveSpBtnClick();
  EXPECT_EQ(contents(first), "old");
  EXPECT_TRUE(ReadStatsFile(contents(second).toStdString()).Accepted());

  platform.SetSaveFileName(first);
  platform.Expect(question, "Overwrite Existing Stat File", QuestionYesNoCancel, MessageAnswer::Yes);
  box->SaveSpBtnClick();
  EXPECT_EQ(contents(first), contents(second));

  // A save that cannot be finished reports it and leaves the file it was to replace. (No room
  // for the temporary name beside a name of the longest length the file system allows.)
  const QString longest = dir.filePath(QString(251, 'x') + ".bwf");
  QFile keep(longest);
  ASSERT_TRUE(keep.open(QIODevice::WriteOnly));
  keep.write("kept");
  keep.close();
  platform.SetSaveFileName(longest);
  platform.Expect("", "Overwrite Existing Stat File", QuestionYesNoCancel, MessageAnswer::Yes);
  platform.Expect(QDir::toNativeSeparators(longest) + " could not be saved.", "Save Error", StopOk);
  box->SaveSpBtnClick();
  EXPECT_EQ(contents(longest), "kept");
}

TEST_F(StatBoxTest, ASaveIntoAFolderThePlayerMayNotWriteToIsReportedAndReplacesNothing) {
  if (geteuid() == 0) GTEST_SKIP() << "root may write into any folder";
  QTemporaryDir dir;
  const QString path = dir.filePath("a.bwf");
  platform.SetSaveFileName(path);
  box->SaveSpBtnClick();
  QFile saved(path);
  ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
  const QByteArray before = saved.readAll();
  QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
  platform.Expect(QDir::toNativeSeparators(path) + " already exists. Do you want to replace it?",
                  "Overwrite Existing Stat File", QuestionYesNoCancel, MessageAnswer::Yes);
  platform.Expect(QDir::toNativeSeparators(path) + " could not be saved.", "Save Error", StopOk);
  GameStats = Figures(4, 2);
  box->SaveSpBtnClick();
  saved.seek(0);
  EXPECT_EQ(saved.readAll(), before);
  QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

// A screen reader is told what every figure is; the calculator picture is left out.
TEST_F(StatBoxTest, EveryFigureIsTiedToTheCaptionsThatSayWhatItIs) {
  GameStats = Figures(3, 2);
  box->show();
  const QRegularExpression figure(QStringLiteral("^\\$?\\d+%?( Hands?)?$"));
  for (QLabel* label : box->findChildren<QLabel*>()) {
    if (!figure.match(label->text()).hasMatch()) continue;
    // The keyboard reaches it, and a screen reader hears its row and column with it, once.
    EXPECT_EQ(label->focusPolicy(), Qt::TabFocus) << label->objectName().toStdString();
    EXPECT_TRUE(Heard(qPrintable(label->objectName())).endsWith(": " + label->text()));
    EXPECT_TRUE(Captions(label).empty()) << label->objectName().toStdString();
  }
  EXPECT_EQ(Heard("DlrRoyalLabl", QAccessible::Description), "Royal Flush, Dealer");
  EXPECT_EQ(Heard("DlrPairLabl"), "Pair, Dealer: 3") << "its row and its column with its value";
  // Tab reads a page as a player does: the royal flush row first, the player's figure, then the Dealer's.
  const auto nextStop = [&](const char* from) {
    QWidget* w = Named(box, from)->nextInFocusChain();
    while (!(w->focusPolicy() & Qt::TabFocus)) w = w->nextInFocusChain();
    return w->objectName();
  };
  EXPECT_EQ(nextStop("plrBestLabl"), "PlrRoyalLabl");
  EXPECT_EQ(nextStop("PlrRoyalLabl"), "DlrRoyalLabl");
  EXPECT_EQ(nextStop("DlrRoyalLabl"), "PlrSFLabl");
  EXPECT_EQ(Heard("Plr4CardsLabl"), "4 Cards, Ann: 0");
  EXPECT_EQ(Heard("DlrWinStreakLabl"), "Dealer, Longest Winning Streak: 0 Hands");
  EXPECT_EQ(QAccessible::queryAccessibleInterface(Named(box, "Panel2"))->childCount(), 1)
      << "the clock alone";
}

TEST_F(StatBoxTest, ASaveInTheMiddleOfAHandOpensAgain) {
  QTemporaryDir dir;
  GameStats = Figures(2, 1);
  RecordPlayerDraw(3);  // the hand in play: drawn, not yet settled
  RecordDealerDraw(2);
  box->UpdateClick();
  EXPECT_EQ(Text("PlrDrawTotalLabl"), "2") << "the view, too, is as of the last finished hand";
  platform.SetSaveFileName(dir.filePath("mid.bwf"));
  box->SaveSpBtnClick();
  Open(dir.filePath("mid.bwf"));
  EXPECT_EQ(Text("PlrDrawTotalLabl"), "2");
  EXPECT_EQ(Text("DlrDrawTotalLabl"), "2");
}

}  // namespace
