// The money panel: which bills are offered, the bet box, bill clicks and the bet checks at Deal.
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <array>
#include <climits>

#include "decks/catalogue.h"
#include "platform/imagebox.h"
#include "table/mainform.h"
#include "table/tablestate.h"
#include "tests/table/tablefixture.h"

namespace {

using MoneyTest = TableFixture;

// Which bills are offered is a rule of its own (tests/game); the panel shows them with their
// pictures and hints, and the money left in the Bank label.
TEST_F(MoneyTest, PanelShowsTheBillsForTheAmount) {
  for (const std::int32_t left : {0, 6, 1000, 1001, 500000, INT_MAX, -40}) {
    BankLeft = left;
    form->UpdateMoney();
    const BillSlots bills = BreakIntoBills(left);
    EXPECT_EQ(MoneySlotValue, bills) << "bank left " << left;
    for (int slot = 0; slot < 5; ++slot) {
      const std::int32_t v = bills[slot];
      EXPECT_EQ(form->MoneySlot[slot]->toolTip(), v ? QString("Bet $%1").arg(v) : QString()) << left;
      if (v) {
        EXPECT_TRUE(Shows(form->MoneySlot[slot], BillImageId(v))) << left << " slot " << slot;
      } else {
        EXPECT_TRUE(form->MoneySlot[slot]->pixmap().isNull()) << left << " slot " << slot;
      }
    }
    EXPECT_EQ(ui->BankLabl->text(), left == 0 ? QString("(Empty)") : QString("Bank: $%1").arg(left));
  }
}

TEST_F(MoneyTest, BetBoxRefusesLettersAndMoreThanTheBank) {
  OpenTable();
  platform->Expect("Invalid bet charactor!", "Bet Error", StopOk);
  QTest::keyClicks(ui->BetEdit, "5x");
  EXPECT_EQ(ui->BetEdit->text(), "");
  EXPECT_EQ(ui->BankLabl->text(), "Bank: $1000");

  // 1500 is judged digit by digit: refused at the fourth.
  platform->Expect("You don't have that much!", "Bet Error", StopOk);
  QTest::keyClicks(ui->BetEdit, "1500");
  EXPECT_EQ(ui->BetEdit->text(), "");
  EXPECT_EQ(platform->Shown().size(), 2u);

  QTest::keyClicks(ui->BetEdit, "250");
  EXPECT_EQ(ui->BankLabl->text(), "Bank: $750");
  ui->BetEdit->clear();
  // A lone "-" is no number, so a negative bet cannot be typed key by key; set whole, it
  // passes here and shows more than the bank (Deal refuses it).
  platform->Expect("Invalid bet charactor!", "Bet Error", StopOk);
  QTest::keyClicks(ui->BetEdit, "-");
  ui->BetEdit->setText("-100");
  EXPECT_EQ(ui->BankLabl->text(), "Bank: $1100");
  ui->BetEdit->setText("-2147483648");  // and never wraps
  EXPECT_EQ(ui->BankLabl->text(), QString("Bank: $%1").arg(INT_MAX));
}

TEST_F(MoneyTest, ClickingBillsBuildsTheBet) {
  OpenTable();
  ASSERT_EQ(MoneySlotValue, (std::array<std::int32_t, 5>{5, 20, 50, 100, 500}));
  QTest::mouseClick(form->MoneySlot[4], Qt::LeftButton);
  EXPECT_EQ(ui->BetEdit->text(), "500");
  EXPECT_EQ(ui->BankLabl->text(), "Bank: $500");
  EXPECT_EQ(MoneySlotValue, (std::array<std::int32_t, 5>{1, 5, 20, 50, 100}));
  QTest::mouseClick(form->MoneySlot[4], Qt::LeftButton);  // now the 100
  EXPECT_EQ(ui->BetEdit->text(), "600");
  // Clicking until nothing is left never bets more than the bank.
  for (int i = 0; i < 40; ++i) QTest::mouseClick(form->MoneySlot[4], Qt::LeftButton);
  EXPECT_EQ(ui->BetEdit->text(), "1000");
  EXPECT_EQ(ui->BankLabl->text(), "(Empty)");
  EXPECT_EQ(MoneySlotValue, (std::array<std::int32_t, 5>{0, 0, 0, 0, 0}));
}

TEST_F(MoneyTest, BankOf1001OffersTwoBills) {
  Bank = 1001;
  OpenTable();
  EXPECT_EQ(MoneySlotValue, (std::array<std::int32_t, 5>{0, 0, 0, 1, 1000}));
}

struct RefusalCase {
  const char* rule;
  std::int32_t bank, lastBet;
  const char* typed;  // set without the change handler, as a box can hold when the bank moved
  const char* text;
  const char* caption;
};

TEST_F(MoneyTest, DealRefusesBadBetsAndChangesNothing) {
  const RefusalCase cases[] = {
      {"last_bet_above_bank", 400, 600, "",
       "Your last bet exceeds your bank account!\n         Decrease your bet..", "Bet Overflow"},
      {"no_number", 1000, 50, "abc", "No betting charactors!\n      Try again..", "Illegal Bet"},
      {"more_than_bank", 1000, 50, "1001", "You don't have that much!\n       Try again..", "Illegal Bet"},
      {"zero", 1000, 50, "0", "You must bet something..", "Illegal Bet"},
      {"negative", 1000, 50, "-5", "You must bet something..", "Illegal Bet"},
      {"nothing_bet_yet", 1000, 0, "", "You must bet something..", "Illegal Bet"},
      {"win_would_overflow_the_bank", 2000000000, 50, "200000000",
       "The bank can't hold a win that big!\n      Decrease your bet..", "Illegal Bet"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.rule);
    Bank = c.bank;
    CurrentBet = c.lastBet;
    OpenTable();
    ui->BetEdit->blockSignals(true);
    ui->BetEdit->setText(c.typed);
    ui->BetEdit->blockSignals(false);
    platform->Expect(c.text, c.caption, StopOk);
    form->BetClick();
    EXPECT_EQ(CurrentBet, c.lastBet);
    EXPECT_EQ(Bank, c.bank);
    EXPECT_EQ(ui->BetEdit->text(), c.typed);
    EXPECT_TRUE(ui->BetEdit->isEnabled());
    EXPECT_FALSE(form->DealDelay->isActive());
    EXPECT_EQ(State, TableState::Welcome);
  }
}

TEST_F(MoneyTest, LastBetRepeatsAndAWholeBankBetIsAllowed) {
  OpenTable();
  CurrentBet = 600;
  Bank = 400;
  platform->Expect("", "Bet Overflow", StopOk);
  form->BetClick();
  ui->BetEdit->setText("400");
  form->BetClick();
  EXPECT_EQ(CurrentBet, 400);
  EXPECT_EQ(ui->BankLabl->text(), "(Empty)");
  EXPECT_EQ(MoneySlotValue, (std::array<std::int32_t, 5>{0, 0, 0, 0, 0}));
  EXPECT_EQ(ui->BetLabl->text(), "Game Pot:  $800");
  EXPECT_EQ(ui->LastBetLabl->text(), "Last Bet: $400");
}

}  // namespace
