// Whole hands at the table: the chain of timers, the payouts, the draw rules, the winking King,
// bankruptcy and New Game.
#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "coach/coachbox.h"
#include "coach/coachworker.h"
#include "decks/decksdlg.h"
#include "game/handrank.h"
#include "game/random.h"
#include "platform/imagebox.h"
#include "stats/gamestats.h"
#include "table/mainform.h"
#include "table/tablestate.h"
#include "table/wiring.h"
#include "tests/support/cardnames.h"
#include "tests/table/tablefixture.h"

namespace {

using namespace cardnames;

using Strings = std::vector<std::string>;

// A pair of Aces against King-Queen high; the Dealer keeps King and Queen and draws 6, 4, 2.
const std::vector<CardCode> kDealerDraws{C(Two, Cl), C(Four, D), C(Six, S)};

class HandTest : public TableFixture {
 protected:
  void SetUp() override {
    TableFixture::SetUp();
    OpenTable();
  }
};

TEST_F(HandTest, ChainOfTimersFromDealToBetting) {
  RigNextDeal(kAces, kKingHigh, kDealerDraws);
  ui->BetEdit->setText("50");
  form->BetClick();
  EXPECT_EQ(ui->BetLabl->text(), "Game Pot:  $100");
  EXPECT_EQ(ui->LastBetLabl->text(), "Last Bet: $50");
  EXPECT_EQ(ui->BankLabl->text(), "Bank: $950");
  // The bet is closed while the hand is in play: a bill clicked adds nothing.
  QTest::mouseClick(form->MoneySlot[4], Qt::LeftButton);
  EXPECT_EQ(ui->BetEdit->text(), "");
  EXPECT_EQ(RunningTimers(), Strings{"DealDelay"});
  EXPECT_EQ(form->DealDelay->interval(), 20);
  EXPECT_EQ(NextCard, 11);

  // Player's face, Dealer's back, alternately, left to right.
  for (int tick = 0; tick < 10; ++tick) {
    form->DealDelayTimer();
    const int slot = tick / 2;
    if (tick % 2 == 0) {
      EXPECT_TRUE(Shows(form->PlrCard[slot], PlrHand[slot])) << tick;
      EXPECT_TRUE(form->DlrCard[slot]->pixmap().isNull()) << tick;
    } else {
      EXPECT_TRUE(Shows(form->DlrCard[slot], DeckBackId)) << tick;
    }
  }
  EXPECT_EQ(RunningTimers(), Strings{});
  EXPECT_EQ(State, TableState::Discarding);

  form->DrawClick();  // stand pat on the Aces
  EXPECT_EQ(RunningTimers(), Strings{"DlrDraw"});
  EXPECT_EQ(form->DlrDraw->interval(), 1000);
  EXPECT_EQ(GameStats.PlrDrawCounts[0], 1u);
  form->DrawClick();  // a second Draw is no second draw
  EXPECT_EQ(GameStats.PlrDrawCounts[0], 1u);

  form->DlrDrawTimer();
  EXPECT_EQ(ui->MainLabl->text(), "Dealer takes 3");
  EXPECT_EQ(RunningTimers(), Strings{"DlrReplATimer"});
  EXPECT_EQ(form->DlrReplATimer->interval(), 1000);
  EXPECT_TRUE(Shows(form->DlrCard[0], DeckBackId));  // still face down
  EXPECT_EQ(GameStats.DlrDrawCounts[3], 1u);

  form->DlrReplATimerTimer();
  EXPECT_EQ(ui->MainLabl->text(), "");
  EXPECT_EQ(RunningTimers(), Strings{"pickAwinner"});
  EXPECT_EQ(form->pickAwinner->interval(), 750);

  form->pickAwinnerTimer();
  EXPECT_EQ(RunningTimers(), Strings{});
  EXPECT_EQ(ui->MainLabl->text(), "You're a winner!");
  EXPECT_EQ(ui->PlrLabl->text(), "Pair");
  EXPECT_EQ(ui->DlrLabl->text(), "");
  for (int slot = 0; slot < 5; ++slot) EXPECT_TRUE(Shows(form->DlrCard[slot], DlrHand[slot]));
  EXPECT_EQ(DlrHand, (Hand{C(King, Cl), C(Queen, D), C(Two, Cl), C(Four, D), C(Six, S)}));
  EXPECT_EQ(Bank, 1050);
  EXPECT_EQ(ui->BankLabl->text(), "Bank: $1050");
  EXPECT_EQ(State, TableState::Betting);
  // Betting again: a bill clicked now goes into the bet.
  ASSERT_EQ(MoneySlotValue[4], 1000);
  QTest::mouseClick(form->MoneySlot[4], Qt::LeftButton);
  EXPECT_EQ(ui->BetEdit->text(), "1000");
  EXPECT_EQ(GameStats.HandsPlayed, 1u);
  EXPECT_EQ(GameStats.HandsWon, 1u);
}

TEST_F(HandTest, PayoutsWinLossAndPush) {
  RigNextDeal(kAces, kKingHigh, kDealerDraws);
  PlayHand("100");
  EXPECT_EQ(Bank, 1100);

  RigNextDeal(kKingHigh, kAces, {});
  PlayHand("");  // an empty box repeats the last bet
  EXPECT_EQ(ui->MainLabl->text(), "Dealer wins!");
  EXPECT_EQ(Bank, 1000);

  // Same ranks in other suits: the Dealer keeps King and Jack and draws back the same ranks.
  const Hand plr{C(Two, H), C(Five, D), C(Nine, Cl), C(Jack, S), C(King, H)};
  const Hand dlr{C(Two, D), C(Five, Cl), C(Nine, S), C(Jack, H), C(King, D)};
  RigNextDeal(plr, dlr, {C(Two, S), C(Five, H), C(Nine, D)});
  PlayHand("250");
  EXPECT_EQ(ui->MainLabl->text(), "Push.. Split the Pot!");
  EXPECT_EQ(Bank, 1000);
  EXPECT_EQ(GameStats.HandsPlayed, 3u);
  EXPECT_EQ(GameStats.HandsWon, 1u);
}

TEST_F(HandTest, DrawRules) {
  const Hand aceKept{C(Ace, S), C(Nine, D), C(Seven, Cl), C(Four, S), C(Two, H)};
  RigNextDeal(aceKept, kKingHigh, {C(Three, H), C(Five, H), C(Six, H), C(Eight, H)});
  ui->BetEdit->setText("10");
  form->BetClick();
  // Before the deal has ended, a click on a card does nothing.
  form->PlrCardBtnClick(0);
  EXPECT_EQ(PlrDiscard, (SlotFlags{0, 0, 0, 0, 0}));
  RunDeal();

  for (int slot = 0; slot < 5; ++slot) emit form->PlrCard[slot]->clicked();
  EXPECT_TRUE(Shows(form->PlrCard[0], DeckBackId));
  platform->Expect("You Can't draw 5!", "Illegal Draw", StopOk);
  form->DrawClick();
  EXPECT_TRUE(ui->Draw->isEnabled());
  EXPECT_FALSE(form->DlrDraw->isActive());

  // Keep the Nine alone: four to anything but an Ace is refused.
  form->PlrCardBtnClick(0);
  form->PlrCardBtnClick(1);
  form->PlrCardBtnClick(0);
  EXPECT_TRUE(Shows(form->PlrCard[1], C(Nine, D)));
  platform->Expect("You can only Draw 4 to an Ace!", "Illegal Draw", StopOk);
  form->DrawClick();
  EXPECT_EQ(GameStats.PlrDrawCounts, (std::array<std::uint32_t, 5>{}));
  EXPECT_EQ(NextCard, 11);

  // Keep the Ace: four cards are drawn, in slot order from position 11.
  form->PlrCardBtnClick(1);
  form->PlrCardBtnClick(0);
  EXPECT_EQ(PlrDiscard, (SlotFlags{0, 1, 1, 1, 1}));
  form->DrawClick();
  EXPECT_EQ(PlrHand, (Hand{C(Ace, S), C(Three, H), C(Five, H), C(Six, H), C(Eight, H)}));
  for (int slot = 0; slot < 5; ++slot) EXPECT_TRUE(Shows(form->PlrCard[slot], PlrHand[slot]));
  EXPECT_EQ(NextCard, 15);
  EXPECT_EQ(GameStats.PlrDrawCounts[4], 1u);

  // After the draw the cards no longer turn.
  form->PlrCardBtnClick(2);
  EXPECT_EQ(PlrDiscard, (SlotFlags{0, 1, 1, 1, 1}));
  EXPECT_TRUE(Shows(form->PlrCard[2], PlrHand[2]));
}

TEST_F(HandTest, KingOfHeartsWinksWhileShown) {
  const Hand withKing{C(King, H), C(Nine, D), C(Seven, Cl), C(Four, S), C(Two, H)};
  RigNextDeal(withKing, {C(Ace, S), C(Ace, Cl), C(Eight, D), C(Five, S), C(Three, H)}, {});
  ui->BetEdit->setText("10");
  form->BetClick();
  RunDeal();
  EXPECT_TRUE(form->kingOhearts->isActive());
  EXPECT_EQ(form->kingOhearts->interval(), 2000);
  form->kingOheartsTimer();
  EXPECT_TRUE(Shows(form->PlrCard[0], 53));
  form->kingOheartsTimer();
  EXPECT_TRUE(Shows(form->PlrCard[0], 12));

  form->PlrCardBtnClick(0);  // face down: the winking stops
  EXPECT_FALSE(form->kingOhearts->isActive());
  form->PlrCardBtnClick(0);  // face up again: it starts
  EXPECT_TRUE(form->kingOhearts->isActive());
  DrawAndSettle();
  EXPECT_TRUE(form->kingOhearts->isActive());  // goes on between hands

  form->BetClick();  // until the next Deal
  EXPECT_FALSE(form->kingOhearts->isActive());
}

TEST_F(HandTest, DealersKingWinksOnlyAfterItsDraw) {
  const Hand dealerKing{C(King, H), C(King, D), C(Eight, Cl), C(Five, S), C(Three, H)};
  RigNextDeal(kAces, dealerKing, {C(Nine, S), C(Eight, S), C(Three, Cl)});
  ui->BetEdit->setText("10");
  form->BetClick();
  RunDeal();
  EXPECT_FALSE(form->kingOhearts->isActive());
  form->DrawClick();
  form->DlrDrawTimer();
  EXPECT_FALSE(form->kingOhearts->isActive());
  form->DlrReplATimerTimer();
  EXPECT_TRUE(form->kingOhearts->isActive());
  EXPECT_EQ(KingOnDealer, 1);
  form->pickAwinnerTimer();
  form->kingOheartsTimer();
  EXPECT_TRUE(Shows(form->DlrCard[0], 53));
  EXPECT_TRUE(Shows(form->PlrCard[0], PlrHand[0]));
}

TEST_F(HandTest, LosingTheWholeBankEndsTheGame) {
  RigNextDeal(kKingHigh, kAces, {});
  PlayHand("1000");
  EXPECT_EQ(ui->MainLabl->text(), "Dealer wins!");
  EXPECT_EQ(Bank, 0);
  EXPECT_EQ(ui->CaptionBar->text(), "");
  EXPECT_EQ(platform->TerminateCount(), 1);
  EXPECT_EQ(GameStats.HandsPlayed, 1u);  // the losing hand is counted before the end
  EXPECT_FALSE(ui->Bet->isVisibleTo(form));
}

TEST_F(HandTest, NewGameFromTheMenu) {
  RigNextDeal(kAces, kKingHigh, kDealerDraws);
  PlayHand("100");
  ASSERT_EQ(Bank, 1100);

  platform->Expect("Save current stats?", "New Game", QuestionYesNoCancel, MessageAnswer::Yes);
  ui->NewGame->trigger();
  EXPECT_EQ(Bank, 1000);
  EXPECT_EQ(CurrentBet, 0);
  EXPECT_EQ(GameStats.Resets, 1u);
  EXPECT_EQ(GameStats.HandsPlayed, 1u);
  EXPECT_EQ(GameStats.PlrStreak, 1u);
  EXPECT_EQ(ui->BetLabl->text(), "Place your bet..");
  EXPECT_EQ(ui->CaptionBar->text(), "  Enter your bet and click Deal to start");
  EXPECT_EQ(ui->LastBetLabl->text(), "");
  EXPECT_FALSE(ui->PlrNameLabl->isVisibleTo(form));
  EXPECT_FALSE(ui->NewGame->isEnabled());
  for (int slot = 0; slot < 5; ++slot) EXPECT_TRUE(form->PlrCard[slot]->pixmap().isNull());
  EXPECT_EQ(ui->BankLabl->text(), "Bank: $1000");

  platform->Expect("You must bet something..", "Illegal Bet", StopOk);
  form->BetClick();

  RigNextDeal(kAces, kKingHigh, kDealerDraws);
  PlayHand("100");
  platform->Expect("Save current stats?", "New Game", QuestionYesNoCancel, MessageAnswer::No);
  form->NewGameClick();
  EXPECT_EQ(GameStats.Resets, 0u);
  EXPECT_EQ(GameStats.HandsPlayed, 0u);
  EXPECT_EQ(GameStats.BankSum, 1000u);
  EXPECT_EQ(GameStats.BankHigh, 1000u);
  EXPECT_EQ(GameStats.PlrStreakMax, 0u);
}

TEST_F(HandTest, NewGameDuringAHandAbandonsIt) {
  RigNextDeal(kAces, kKingHigh, kDealerDraws);
  ui->BetEdit->setText("100");
  form->BetClick();
  RunDeal();
  form->PlrCardBtnClick(4);
  form->DrawClick();
  form->DlrDrawTimer();
  ASSERT_EQ(GameStats.PlrDrawCounts[1], 1u);
  ASSERT_EQ(GameStats.DlrDrawCounts[3], 1u);

  platform->Expect("Save current stats?", "New Game", QuestionYesNoCancel, MessageAnswer::Yes);
  form->NewGameClick();
  EXPECT_EQ(RunningTimers(), Strings{});
  EXPECT_EQ(GameStats.HandsPlayed, 0u);
  EXPECT_EQ(GameStats.PlrDrawCounts, (std::array<std::uint32_t, 5>{}));
  EXPECT_EQ(GameStats.DlrDrawCounts, (std::array<std::uint32_t, 5>{}));
  EXPECT_EQ(Bank, 1000);
  EXPECT_TRUE(ui->Bet->isVisibleTo(form));
  EXPECT_FALSE(ui->Draw->isVisibleTo(form));
  EXPECT_TRUE(ui->Draw->isEnabled());

  // The next game plays normally and its counters add up.
  RigNextDeal(kAces, kKingHigh, kDealerDraws);
  PlayHand("100");
  std::uint32_t draws = 0;
  for (auto n : GameStats.PlrDrawCounts) draws += n;
  EXPECT_EQ(draws, GameStats.HandsPlayed);
  EXPECT_EQ(Bank, 1100);
}

TEST_F(HandTest, RandomBackIsChosenOncePerDeal) {
  RandomDeck = 1;
  RigNextDeal(kAces, kKingHigh, kDealerDraws);
  ui->BetEdit->setText("10");
  form->BetClick();
  // After the shuffle the generator is reseeded from the clock's second, and its first value
  // picks the back: the same second always gives the same back.
  SeedRandom(static_cast<std::uint32_t>(platform->CalendarSeconds()));
  EXPECT_EQ(DeckBackId, 60 + NextRandom() % 10);
  RunDeal();
  for (int slot = 0; slot < 5; ++slot) EXPECT_TRUE(Shows(form->DlrCard[slot], DeckBackId));
}

TEST_F(HandTest, DeckDialogOnlyBetweenHandsAndItsBackFromTheNextDeal) {
  Decks = new TDecks(form);
  bool opened = false;
  const auto chooseBack7 = [&] {
    QTimer::singleShot(0, Decks, [&] {
      opened = Decks->isVisible();
      if (opened) Decks->DeckPicDblClick(7);
    });
  };
  RigNextDeal(kAces, kKingHigh, kDealerDraws);
  ui->BetEdit->setText("10");
  form->BetClick();
  chooseBack7();
  ui->Deck->trigger();  // during the hand: nothing opens
  EXPECT_EQ(DeckBackId, 60);
  RunDeal();
  DrawAndSettle();
  QCoreApplication::processEvents();  // the answer meant for a dialog that never opened
  EXPECT_FALSE(opened);
  EXPECT_EQ(DeckBackId, 60);

  chooseBack7();
  ui->Deck->trigger();
  EXPECT_TRUE(opened);
  EXPECT_EQ(DeckBackId, 67);
  EXPECT_TRUE(Shows(form->DlrCard[0], DlrHand[0]));  // the cards on the table stay as they are
  RigNextDeal(kAces, kKingHigh, kDealerDraws);
  form->BetClick();
  RunDeal();
  EXPECT_TRUE(Shows(form->DlrCard[0], 67));
  delete Decks;
  Decks = nullptr;
}

TEST_F(HandTest, ShowDlrTurnsTheDealersCards) {
  RigNextDeal(kAces, kKingHigh, kDealerDraws);
  ui->BetEdit->setText("10");
  form->BetClick();
  RunDeal();
  form->ShowDlrClick();
  EXPECT_TRUE(Shows(form->DlrCard[2], DlrHand[2]));
  form->ShowDlrClick();
  EXPECT_TRUE(Shows(form->DlrCard[2], DeckBackId));
}

// The one test with the real timers running: a whole hand from Deal back to betting.
TEST_F(HandTest, RealTimersPlayAWholeHand) {
  RigNextDeal(kAces, kKingHigh, kDealerDraws);
  PlayHand("10");  // the first hand, dealt from the welcome dialog, leaves the Deal button in view
  RigNextDeal(kAces, kKingHigh, kDealerDraws);
  form->show();
  QTest::keyClicks(ui->BetEdit, "20");
  QTest::mouseClick(ui->Bet, Qt::LeftButton);
  ASSERT_TRUE(QTest::qWaitFor([&] { return ui->Draw->isVisible(); }, 2000));
  QTest::mouseClick(ui->Draw, Qt::LeftButton);
  ASSERT_TRUE(QTest::qWaitFor([&] { return ui->Bet->isVisible(); }, 6000));
  EXPECT_EQ(ui->MainLabl->text(), "You're a winner!");
  EXPECT_EQ(Bank, 1030);
}

// The coach hears of the hand from the table: the deal, each card turned, the draw, a new game.
TEST_F(HandTest, TheCoachFollowsTheHandFromTheTable) {
  TCoachBox coach(form);
  WireCoach(form, &coach);
  form->show();
  ui->Coach->trigger();
  ASSERT_TRUE(coach.IsOpen());
  EXPECT_TRUE(ui->Coach->isChecked());
  QSignalSpy ranked(Named<CoachWorker>(&coach, "Worker"), &CoachWorker::Ranked);
  RigNextDeal(kAces, kKingHigh, kDealerDraws);
  ui->BetEdit->setText("10");
  form->BetClick();
  RunDeal();
  ASSERT_TRUE(ranked.wait(20'000));
  EXPECT_EQ(Named<QLabel>(&coach, "CoachCard0")->accessibleName(), "Ace of Hearts");
  // H turns the table's cards to the coach's best hold, as clicks would: the Aces kept.
  QTest::keyClick(form, Qt::Key_H);
  EXPECT_EQ(PlrDiscard, (SlotFlags{0, 0, 1, 1, 1}));
  for (int slot : {2, 3}) form->PlrCardBtnClick(slot);
  EXPECT_TRUE(
      Named<QLabel>(&coach, "YourHoldLabl")->accessibleName().startsWith("You throw the Deuce of Hearts"))
      << Named<QLabel>(&coach, "YourHoldLabl")->accessibleName().toStdString();
  DrawAndSettle();
  EXPECT_FALSE(Named<QLabel>(&coach, "VerdictLabl")->accessibleName().isEmpty());
  EXPECT_TRUE(Named<QLabel>(&coach, "TallyLabl")->accessibleName().startsWith("This game: draws judged 1,"));
  platform->Expect("Save current stats?", "New Game", QuestionYesNoCancel, MessageAnswer::Yes);
  ui->NewGame->trigger();
  EXPECT_TRUE(Named<QLabel>(&coach, "TallyLabl")->accessibleName().startsWith("This game: draws judged 0,"));
  ui->Coach->trigger();
  EXPECT_FALSE(coach.IsOpen());
  EXPECT_FALSE(ui->Coach->isChecked());
}

}  // namespace
