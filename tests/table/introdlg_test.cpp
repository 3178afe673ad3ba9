// The welcome dialog's checks, in their order, and what it leaves behind.
#include "table/introdlg.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "platform/imagebox.h"
#include "table/tablestate.h"
#include "tests/support/fakeplatform.h"
#include "tests/table/tablefixture.h"

namespace {

class WelcomeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetTableState();
    dialog = new TIntroDlg;
  }
  void TearDown() override { delete dialog; }

  void Enter(const QString& name, const QString& bet) {
    Named<QLineEdit>(dialog, "PlrNameEdit")->setText(name);
    Named<QLineEdit>(dialog, "BoxBetEdit")->setText(bet);
  }

  FakePlatform platform;
  TIntroDlg* dialog = nullptr;
};

struct Accepted {
  const char* rule;
  const char* name;
  const char* bet;
  const char* playerName;
  std::int32_t currentBet;
};

TEST_F(WelcomeTest, AcceptsNamesAndBets) {
  const Accepted cases[] = {
      {"exactly_ten_letters", "Tenletters", "50", "Tenletters", 50},
      {"empty_name_is_player_and_one_dollar_sign_goes", "", "$50", "Player", 50},
      {"blanks_are_a_name_and_the_whole_bank_a_bet", "   ", "1000", "   ", 1000},
      {"second_dollar_sign_reads_hexadecimal", "Ann", "$$32", "Ann", 50},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.rule);
    WelcomeDone = 0;
    Enter(c.name, c.bet);
    dialog->OKClick();
    EXPECT_EQ(WelcomeDone, 1);
    EXPECT_EQ(PlayerName, c.playerName);
    EXPECT_EQ(CurrentBet, c.currentBet);
  }
}

struct Refused {
  const char* rule;
  const char* name;
  const char* bet;
  const char* text;
  const char* caption;
  bool nameAtFault;
};

TEST_F(WelcomeTest, RefusesInOrderAndKeepsTheDialogOpen) {
  const Refused cases[] = {
      {"eleven_letters", "Elevenchars", "abc", "Name must be 10 letters or less.\n        Try Again..",
       "Illegal Name Entry", true},
      {"empty_bet", "Ann", "", "You must enter a valid bet.\n      Try Again..", "Illegal Bet", false},
      {"lone_dollar", "Ann", "$", "You must enter a valid bet.\n      Try Again..", "Illegal Bet", false},
      {"dollar_between_digits", "Ann", "5$0", "You must enter a valid bet.\n      Try Again..", "Illegal Bet",
       false},
      {"out_of_range", "Ann", "99999999999", "You must enter a valid bet.\n      Try Again..", "Illegal Bet",
       false},
      {"above_bank", "Ann", "1001", "You don't have that much!\n       Try Again..", "Illegal Bet", false},
      {"zero", "Ann", "0", "You must bet something..", "Illegal Bet", false},
      {"negative", "Ann", "-5", "You must bet something..", "Illegal Bet", false},
  };
  dialog->show();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.rule);
    WelcomeDone = 1;  // the activation after the message box clears it
    Enter(c.name, c.bet);
    platform.Expect(c.text, c.caption, StopOk);
    dialog->OKClick();
    EXPECT_EQ(WelcomeDone, 0);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(Named<QLineEdit>(dialog, "PlrNameEdit")->text(), c.name);
    EXPECT_EQ(Named<QLineEdit>(dialog, "BoxBetEdit")->text(), c.bet);
    QWidget* atFault = c.nameAtFault ? static_cast<QWidget*>(Named<QLineEdit>(dialog, "PlrNameEdit"))
                                     : Named<QLineEdit>(dialog, "BoxBetEdit");
    EXPECT_EQ(dialog->focusWidget(), atFault);
  }
  // A converted bet is kept even when a later check refuses it.
  EXPECT_EQ(CurrentBet, -5);
}

TEST_F(WelcomeTest, CardStepsThroughTheTenBacks) {
  for (int click = 1; click <= 10; ++click) {
    dialog->CardChangeClick();
    const int back = 60 + click % 10;
    EXPECT_EQ(WelcomeDeckIndex, back - 60);
    EXPECT_TRUE(Shows(Named<QLabel>(dialog, "CardPic"), back)) << click;
  }
  for (int click = 0; click < 3; ++click) dialog->CardChangeClick();
  Enter("Ann", "50");
  dialog->OKClick();
  EXPECT_EQ(DeckBackId, 63);
  EXPECT_EQ(RandomDeck, 0);
}

TEST_F(WelcomeTest, RandomizeFreezesTheCardAndKeepsTheBack) {
  DeckBackId = 66;  // chosen in the deck dialog during the splash
  Named<QCheckBox>(dialog, "RandDeckChk")->setChecked(true);
  dialog->CardChangeClick();
  EXPECT_EQ(WelcomeDeckIndex, 0);
  Enter("Ann", "50");
  dialog->OKClick();
  EXPECT_EQ(RandomDeck, 1);
  EXPECT_EQ(DeckBackId, 66);
}

TEST_F(WelcomeTest, AcceptingWithoutRandomizeReplacesAnEarlierBack) {
  DeckBackId = 66;
  Enter("Ann", "50");
  dialog->OKClick();
  EXPECT_EQ(DeckBackId, 60);
}

TEST_F(WelcomeTest, ShowingClearsTheFlagAndFocusesTheName) {
  WelcomeDone = 1;
  DeckBackId = 66;  // chosen in the deck dialog after the dialog was built
  dialog->show();
  EXPECT_TRUE(Shows(Named<QLabel>(dialog, "CardPic"), 60));
  EXPECT_EQ(WelcomeDone, 0);
  EXPECT_EQ(dialog->focusWidget(), Named<QLineEdit>(dialog, "PlrNameEdit"));
  EXPECT_EQ(Named<QLabel>(dialog, "StartBankLabl")->text(), "Your starting bank account is $1000");
}

TEST_F(WelcomeTest, QuitAndCloseLeaveWithoutAccepting) {
  dialog->show();
  QTest::mouseClick(Named<QPushButton>(dialog, "Quit"), Qt::LeftButton);
  EXPECT_EQ(platform.TerminateCount(), 1);
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_EQ(WelcomeDone, 0);

  dialog->show();
  dialog->close();
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_EQ(WelcomeDone, 0);
  EXPECT_EQ(dialog->result(), QDialog::Rejected);

  dialog->show();  // Escape does not leave the game
  QTest::keyClick(dialog, Qt::Key_Escape);
  EXPECT_TRUE(dialog->isVisible());
}

// The same dialog without the mouse: the card by Space, the name by its back, Enter to deal.
TEST_F(WelcomeTest, KeyboardChoosesTheBackAndDealsEmUp) {
  dialog->show();
  QApplication::setActiveWindow(dialog);
  auto* card = Named<QLabel>(dialog, "CardPic");
  const auto heard = [&] { return QAccessible::queryAccessibleInterface(card)->text(QAccessible::Name); };
  EXPECT_EQ(heard(), "Card back 1 of 10: clown");
  QTest::keyClicks(Named<QLineEdit>(dialog, "PlrNameEdit"), "Ann");
  QTest::keyClick(dialog->focusWidget(), Qt::Key_Tab);
  QTest::keyClicks(Named<QLineEdit>(dialog, "BoxBetEdit"), "50");
  QTest::keyClick(dialog->focusWidget(), Qt::Key_Tab);
  ASSERT_EQ(dialog->focusWidget(), card);
  QTest::keyClick(card, Qt::Key_Space);
  EXPECT_EQ(heard(), "Card back 2 of 10: lighthouse in a storm");
  QTest::keyClick(card, Qt::Key_Tab);
  EXPECT_EQ(dialog->focusWidget(), Named<QCheckBox>(dialog, "RandDeckChk"));
  QTest::keyClick(dialog->focusWidget(), Qt::Key_Return);
  EXPECT_EQ(WelcomeDone, 1);
  EXPECT_EQ(PlayerName, "Ann");
  EXPECT_EQ(CurrentBet, 50);
  EXPECT_EQ(DeckBackId, 61);
}

}  // namespace
