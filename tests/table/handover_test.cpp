// From the end of the splash to the first hand.
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "help/logobox.h"
#include "table/introdlg.h"
#include "table/mainform.h"
#include "table/tablestate.h"
#include "tests/table/tablefixture.h"

namespace {

class HandoverTest : public TableFixture {
 protected:
  void SetUp() override {
    TableFixture::SetUp();
    LogoBox = new TLogoBox(form);
    IntroDlg = new TIntroDlg(form);
  }
  void TearDown() override {
    delete IntroDlg;
    IntroDlg = nullptr;
    delete LogoBox;
    LogoBox = nullptr;
    TableFixture::TearDown();
  }

  // Answers the welcome dialog once it is up, after a look at the table beneath it.
  void WhenWelcomeOpens(std::function<void()> answer) {
    QTimer::singleShot(0, form, [answer] {
      ASSERT_TRUE(IntroDlg->isVisible());
      answer();
    });
  }
};

TEST_F(HandoverTest, StartsWithOnlyTheSplashTimer) {
  TMainForm fresh;
  EXPECT_TRUE(fresh.SplashTime->isActive());
  EXPECT_EQ(fresh.SplashTime->interval(), 6000);
  for (QTimer* t :
       {fresh.DealDelay, fresh.DlrDraw, fresh.DlrReplATimer, fresh.pickAwinner, fresh.kingOhearts})
    EXPECT_FALSE(t->isActive());
  EXPECT_FALSE(TableControls(&fresh).MoneyPanl->isVisibleTo(&fresh));
  EXPECT_FALSE(TableControls(&fresh).Bet->isVisibleTo(&fresh));
  EXPECT_FALSE(TableControls(&fresh).Draw->isVisibleTo(&fresh));
  EXPECT_FALSE(TableControls(&fresh).NewGame->isEnabled());
  EXPECT_EQ(fresh.windowTitle(), "Brindlewharf 1.1");
  EXPECT_TRUE(LogoBox->isVisible());
}

TEST_F(HandoverTest, WelcomeBetOf50DealsAtOnce) {
  QString potWhileOpen, statusWhileOpen, bankWhileOpen;
  WhenWelcomeOpens([&] {
    potWhileOpen = ui->BetLabl->text();
    statusWhileOpen = ui->CaptionBar->text();
    bankWhileOpen = ui->BankLabl->text();
    Named<QLineEdit>(IntroDlg, "PlrNameEdit")->setText("Ann");
    Named<QLineEdit>(IntroDlg, "BoxBetEdit")->setText("50");
    Named<QPushButton>(IntroDlg, "OK")->click();
  });
  form->SplashTimeTimer();
  EXPECT_EQ(potWhileOpen, "Welcome to Brindlewharf!");
  EXPECT_EQ(statusWhileOpen, "Welcome to Brindlewharf..");
  EXPECT_EQ(bankWhileOpen, "Bank: $1000");
  EXPECT_FALSE(LogoBox->isVisible());
  EXPECT_FALSE(form->SplashTime->isActive());
  EXPECT_EQ(platform->TotalPauseMs(), 100);
  EXPECT_EQ(ui->BetLabl->text(), "Game Pot:  $100");
  EXPECT_EQ(ui->LastBetLabl->text(), "Last Bet: $50");
  EXPECT_EQ(ui->PlrNameLabl->text(), "Ann");
  EXPECT_FALSE(ui->Bet->isVisibleTo(form));
  EXPECT_TRUE(form->DealDelay->isActive());
  EXPECT_EQ(ui->BankLabl->text(), "Bank: $950");
  EXPECT_EQ(platform->TerminateCount(), 0);
}

TEST_F(HandoverTest, QuittingTheWelcomeEndsWithoutAHand) {
  WhenWelcomeOpens([] { Named<QPushButton>(IntroDlg, "Quit")->click(); });
  form->SplashTimeTimer();
  EXPECT_GE(platform->TerminateCount(), 1);
  EXPECT_FALSE(form->DealDelay->isActive());
  EXPECT_EQ(State, TableState::Welcome);
  EXPECT_TRUE(platform->Shown().empty());
}

TEST_F(HandoverTest, ClosingTheWelcomeEndsWithoutAHand) {
  WhenWelcomeOpens([] { IntroDlg->close(); });
  form->SplashTimeTimer();
  EXPECT_EQ(platform->TerminateCount(), 1);
  EXPECT_FALSE(form->DealDelay->isActive());
}

}  // namespace
