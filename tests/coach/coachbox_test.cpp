// The coach's window through the hand cycle as the table drives it: it ranks only while open,
// follows the cards turned, judges the draw, keeps the game's tally, drops stale results and
// leaves the game's shuffles alone.
#include "coach/coachbox.h"

#include <gtest/gtest.h>

#include <QAbstractItemModel>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QRegularExpression>
#include <QScreen>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>
#include <QThreadPool>
#include <string>

#include "coach/coachworker.h"
#include "game/random.h"
#include "tests/support/cardnames.h"
#include "tests/support/widgets.h"

namespace {

using namespace cardnames;

const Hand kLoneAce{C(Ace, H), C(Ten, D), C(Eight, H), C(Five, Cl), C(Two, S)};

class CoachWindowTest : public ::testing::Test {
 protected:
  QString Spoken(const char* name) { return Named<QLabel>(&box, name)->accessibleName(); }
  QTableView* Holds() { return Named<QTableView>(&box, "HoldsView"); }
  // What a screen reader says for a hold's line: its place, and what to throw.
  QString SpokenHold(int row) {
    return Holds()->model()->index(row, 0).data(Qt::AccessibleTextRole).toString();
  }
  CoachWorker* Worker() { return Named<CoachWorker>(&box, "Worker"); }
  bool WaitForOdds() {
    QSignalSpy ranked(Worker(), &CoachWorker::Ranked);
    return ranked.wait(20'000);
  }
  // Lets every job finish and every result that is still to come arrive.
  void Settle() {
    QThreadPool::globalInstance()->waitForDone();
    QCoreApplication::processEvents();
  }

  TCoachBox box;
};

TEST_F(CoachWindowTest, RanksWhileOpenJudgesTheDrawAndTalliesTheGame) {
  QSignalSpy open(&box, &TCoachBox::OpenChanged);
  box.DiscardBegins(kLoneAce, 10);
  EXPECT_FALSE(Worker()->Busy()) << "closed, the coach works out nothing";
  box.Toggle();  // opened in the middle of the discard: it starts then
  EXPECT_TRUE(box.IsOpen());
  EXPECT_TRUE(Worker()->Busy());
  ASSERT_TRUE(WaitForOdds());
  EXPECT_EQ(Spoken("CoachCard0"), "Ace of Hearts");
  EXPECT_TRUE(
      SpokenHold(0).startsWith("Hold 1 of 27: throw the Ten of Diamonds, the Eight of Hearts, "
                               "the Five of Clubs and the Deuce of Spades"))
      << SpokenHold(0).toStdString();
  EXPECT_EQ(Named<QLabel>(&box, "ReasonLabl")->text(), "Why: Keeps the Ace and draws four");
  EXPECT_TRUE(Named<QLabel>(&box, "EdgeLabl")->text().endsWith("the first line loses least."));
  EXPECT_EQ(Spoken("YourHoldLabl"), "") << "nothing of the player's choice before there is one";

  box.CardsTurned({0, 1, 1, 1, 1});
  EXPECT_TRUE(
      Spoken("YourHoldLabl").contains(QRegularExpression("\\. 1st of 27, lose \\$1\\.\\d\\d on average$")))
      << Spoken("YourHoldLabl").toStdString();
  EXPECT_EQ(Spoken("CoachCard1"), "Ten of Diamonds, turned down");
  box.CardsTurned({1, 1, 1, 1, 1});
  EXPECT_TRUE(Spoken("YourHoldLabl").endsWith("Not a legal draw: You Can't draw 5!"));
  box.CardsTurned({0, 1, 1, 1, 1});
  QSignalSpy said(&box, &TCoachBox::Verdict);
  box.DrawMade({0, 1, 1, 1, 1});
  EXPECT_EQ(Spoken("VerdictLabl"), "Best hold");
  ASSERT_EQ(said.count(), 1);
  EXPECT_EQ(said[0][0].toString(), "Best hold");
  EXPECT_EQ(Spoken("TallyLabl"),
            "This game: draws judged 1, best holds 1, on a hint 0. Every draw was a best hold.");

  // A worse draw: its place, how far below the best, and that gap times the bet in the tally.
  box.DiscardBegins(kLoneAce, 50);
  ASSERT_TRUE(WaitForOdds());
  box.DrawMade({0, 1, 1, 0, 0});
  const QRegularExpressionMatch verdict =
      QRegularExpression(
          "^(\\d+)(st|nd|rd|th) of 27: the best hold averages \\$(\\d+\\.?\\d*) more at your bet$")
          .match(Spoken("VerdictLabl"));
  ASSERT_TRUE(verdict.hasMatch()) << Spoken("VerdictLabl").toStdString();
  EXPECT_GT(verdict.captured(1).toInt(), 1);
  const QRegularExpressionMatch tally =
      QRegularExpression(
          "^This game: draws judged 2, best holds 1, on a hint 0\\. The best holds would have won "
          "\\$(\\d+\\.\\d\\d) more on average\\.$")
          .match(Spoken("TallyLabl"));
  ASSERT_TRUE(tally.hasMatch()) << Spoken("TallyLabl").toStdString();
  EXPECT_NEAR(tally.captured(1).toDouble(), verdict.captured(3).toDouble(), 0.1);
  // Won anyway: no rebuke, only what the best would have been and how far.
  box.HandSettled(PlayerWins);
  EXPECT_TRUE(Spoken("VerdictLabl")
                  .startsWith("You won this one. The best hold was throw the Ten of Diamonds, the Eight of "
                              "Hearts, the Five of Clubs and the Deuce of Spades, worth $" +
                              verdict.captured(3) + " more on average"))
      << Spoken("VerdictLabl").toStdString();

  box.NewGame();
  EXPECT_EQ(Spoken("TallyLabl"), "This game: draws judged 0, best holds 0, on a hint 0.");
  QTest::keyClick(&box, Qt::Key_K, Qt::ControlModifier);
  EXPECT_FALSE(box.IsOpen());
  EXPECT_EQ(open.count(), 2);
}

// The figures are shown no finer than they are known, and the table's columns hold them whole at
// any bet: here a bet of a thousand, whose averages are known only to dollars, so no cents show.
TEST_F(CoachWindowTest, FiguresNoFinerThanKnownAndWholeInTheirColumns) {
  box.show();
  box.DiscardBegins(kLoneAce, 1000);
  ASSERT_TRUE(WaitForOdds());
  const QAbstractItemModel* model = Holds()->model();
  ASSERT_EQ(model->rowCount(), 3);
  const QFontMetrics metrics = Holds()->fontMetrics();
  for (int row = 0; row < 3; ++row) {
    for (int column = 0; column < model->columnCount(); ++column) {
      const QString text = model->index(row, column).data().toString();
      EXPECT_LE(metrics.horizontalAdvance(text), Holds()->horizontalHeader()->sectionSize(column))
          << text.toStdString();
    }
    EXPECT_TRUE(model->index(row, 4).data().toString().contains(QRegularExpression("^-\\$\\d+(\\.\\d)?$")))
        << model->index(row, 4).data().toString().toStdString();
  }
}

// A hint asked for before the odds are ready comes when they are, even with the window closed,
// and the draw it leads to is counted apart.
TEST_F(CoachWindowTest, AHintGivesTheBestHoldOnceRankedAndIsTallied) {
  QSignalSpy hints(&box, &TCoachBox::HintGiven);
  box.DiscardBegins(kLoneAce, 10);
  box.Hint();
  EXPECT_EQ(hints.count(), 0);
  ASSERT_TRUE(WaitForOdds());
  ASSERT_EQ(hints.count(), 1);
  const SlotFlags best = hints[0][0].value<SlotFlags>();
  EXPECT_EQ(best, (SlotFlags{0, 1, 1, 1, 1}));
  box.Hint();  // ready now: at once
  EXPECT_EQ(hints.count(), 2);
  box.DrawMade(best);
  EXPECT_EQ(Spoken("TallyLabl"),
            "This game: draws judged 1, best holds 1, on a hint 1. Every draw was a best hold.");
}

// Beside the table, level with its top and over none of it, at either scale; on a screen with no
// room beside or below, clear of the player's cards.
TEST_F(CoachWindowTest, OpensBesideTheTableAndNeverOverItsCards) {
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  // The offscreen screen is 800 by 600 pixels: at twice the scale it holds no coach at all.
  if (screen.width() < 680 || screen.height() < 400)
    GTEST_SKIP() << "the screen is smaller than table and coach";
  struct Row {
    const char* rule;
    QRect table;
  };
  const Row rows[] = {
      {"room_on_the_right", {screen.left() + 10, screen.top() + 10, 300, 250}},
      {"room_only_on_the_left", {screen.right() - 310, screen.top() + 10, 300, 250}},
      {"no_room_beside_or_below", {screen.left(), screen.top(), screen.width(), screen.height() - 40}},
  };
  for (const Row& row : rows) {
    QWidget table;
    table.setGeometry(row.table);
    auto* card = new QWidget(&table);
    card->setObjectName("PlrCard2");
    card->setGeometry(row.table.width() / 2 - 35, row.table.height() - 100, 71, 96);
    table.show();
    TCoachBox coach(&table);
    coach.show();
    const QRect cards(card->mapToGlobal(QPoint(0, 0)), card->size());
    EXPECT_TRUE(screen.contains(coach.frameGeometry())) << row.rule;
    EXPECT_FALSE(coach.frameGeometry().intersects(cards)) << row.rule;
    if (row.rule != std::string("no_room_beside_or_below")) {
      EXPECT_FALSE(coach.frameGeometry().intersects(table.frameGeometry())) << row.rule;
      EXPECT_EQ(coach.frameGeometry().top(), table.frameGeometry().top()) << row.rule;
    }
  }
}

TEST_F(CoachWindowTest, ResultsThatArriveAfterTheDrawOrANewGameAreDropped) {
  box.show();
  box.DiscardBegins(kLoneAce, 10);
  box.DrawMade({0, 1, 1, 1, 1});  // before the odds could come back
  Settle();
  EXPECT_EQ(Spoken("VerdictLabl"), "No verdict: the draw came before the odds were ready");
  EXPECT_EQ(Holds()->model()->rowCount(), 0);
  EXPECT_TRUE(Spoken("TallyLabl").startsWith("This game: draws judged 0"));

  box.DiscardBegins({C(King, S), C(King, H), C(Nine, D), C(Four, Cl), C(Two, S)}, 10);
  box.NewGame();
  Settle();
  EXPECT_EQ(Spoken("NoteLabl"), "The coach ranks your holds when the cards are dealt.");
  EXPECT_EQ(Spoken("CoachCard0"), "");

  // The next hand's own result still comes through.
  box.DiscardBegins(kLoneAce, 10);
  ASSERT_TRUE(WaitForOdds());
  EXPECT_TRUE(SpokenHold(0).startsWith("Hold 1 of 27: throw the Ten of Diamonds"));
}

TEST_F(CoachWindowTest, TheGamesShufflesStayAsTheyWere) {
  SetCalendarSecondsSource([] { return 1'234'567; });
  DeckGrid alone, order;
  FillDeckGrids(alone, order);
  ShuffleDeck(alone);
  const std::int32_t nextAfter = NextRandom();  // the generator's next value after a shuffle

  box.show();
  box.DiscardBegins(kLoneAce, 10);
  DeckGrid meanwhile;
  FillDeckGrids(meanwhile, order);
  ShuffleDeck(meanwhile);  // while the coach's deals run on the other threads
  ASSERT_TRUE(WaitForOdds());
  box.DrawMade({0, 1, 1, 1, 1});
  EXPECT_EQ(meanwhile, alone);
  EXPECT_EQ(NextRandom(), nextAfter);
  SetCalendarSecondsSource({});
}

}  // namespace
