// The bankruptcy dialog, alone and after the showdown that empties the bank.
#include "table/exitdlg.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "stats/gamestats.h"
#include "stats/statbox.h"
#include "table/mainform.h"
#include "table/tablestate.h"
#include "tests/support/cardnames.h"
#include "tests/support/widgets.h"
#include "tests/table/tablefixture.h"

namespace {

using namespace cardnames;

class BankruptcyTest : public TableFixture {
 protected:
  void SetUp() override {
    TableFixture::SetUp();
    ExitDlg = new TExitDlg(form);
    StatBox = new TStatBox(form);
  }
  void TearDown() override {
    ExitDlg = nullptr;  // children of the table
    StatBox = nullptr;
    TableFixture::TearDown();
  }

  // Runs answer once the dialog is up, from inside its modal loop.
  static void WhenUp(QDialog* dialog, std::function<void()> answer) {
    QTimer::singleShot(0, dialog, [dialog, answer] {
      ASSERT_TRUE(dialog->isVisible());
      answer();
    });
  }
};

TEST_F(BankruptcyTest, EveryShowingStartsOnNewGameAndViewingCountsTheBankruptcy) {
  GameStats.Resets = 2;
  std::vector<QString> resetsShown;
  const auto viewStats = [&] {
    WhenUp(StatBox, [&] {
      resetsShown.push_back(Named<QLabel>(StatBox, "ResetsLabl")->text());
      StatBox->close();
    });
    Named<QPushButton>(ExitDlg, "ViewStatsBtn")->click();
    EXPECT_EQ(ExitDlg->focusWidget(), Named<QPushButton>(ExitDlg, "NewGameBtn"));
    EXPECT_EQ(GameStats.Resets, 2u);
  };
  for (QPushButton* leave : {Named<QPushButton>(ExitDlg, "NewGameBtn"),
                             Named<QPushButton>(ExitDlg, "ExitBtn"), static_cast<QPushButton*>(nullptr)}) {
    NewGameChosen = 1;
    WhenUp(ExitDlg, [&] {
      EXPECT_EQ(NewGameChosen, 0);
      EXPECT_EQ(ExitDlg->focusWidget(), Named<QPushButton>(ExitDlg, "NewGameBtn"));
      viewStats();
      viewStats();
      leave ? leave->click() : static_cast<void>(ExitDlg->close());  // the title-bar close
    });
    ExitDlg->exec();
    EXPECT_EQ(NewGameChosen, leave == Named<QPushButton>(ExitDlg, "NewGameBtn") ? 1 : 0);
  }
  EXPECT_EQ(resetsShown, std::vector<QString>(6, "3"));
}

TEST_F(BankruptcyTest, LosingTheWholeBankOffersANewGameOrTheEnd) {
  OpenTable();
  const Hand kingHigh{C(King, Cl), C(Queen, D), C(Nine, Cl), C(Seven, S), C(Three, D)};
  const Hand aces{C(Ace, H), C(Ace, D), C(Seven, Cl), C(Four, S), C(Two, H)};

  RigNextDeal(kingHigh, aces);
  WhenUp(ExitDlg, [&] {
    EXPECT_EQ(Bank, 0);
    EXPECT_EQ(GameStats.HandsPlayed, 1u) << "the lost hand is counted before the dialog";
    EXPECT_EQ(ui->CaptionBar->text(), "");
    platform->Expect("Save current stats?", "New Game", QuestionYesNo, MessageAnswer::Yes);
    Named<QPushButton>(ExitDlg, "NewGameBtn")->click();
  });
  PlayHand("1000");
  EXPECT_EQ(Bank, 1000);
  EXPECT_EQ(State, TableState::BettingNewGame);
  EXPECT_EQ(ui->BetLabl->text(), "Place your bet..");
  EXPECT_FALSE(ui->PlrNameLabl->isVisibleTo(form));
  EXPECT_EQ(GameStats.Resets, 1u);
  EXPECT_EQ(platform->TerminateCount(), 0);

  RigNextDeal(kingHigh, aces);
  WhenUp(ExitDlg, [] { Named<QPushButton>(ExitDlg, "ExitBtn")->click(); });
  PlayHand("1000");
  EXPECT_EQ(platform->TerminateCount(), 1);
}

}  // namespace
