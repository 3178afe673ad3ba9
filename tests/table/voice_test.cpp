// What a screen reader hears over one hand: each piece of news lands on the control that holds
// the focus once the handler has settled it, the control gets its own description back when the
// focus moves on, and Ctrl+R reads the table again.
#include "table/voice.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "table/mainform.h"
#include "table/tablestate.h"
#include "tests/support/cardnames.h"
#include "tests/table/tablefixture.h"

namespace {

using namespace cardnames;

const std::vector<CardCode> kDraws{C(Six, S), C(Eight, H), C(Three, Cl)};

class VoiceTest : public TableFixture {
 protected:
  void SetUp() override {
    TableFixture::SetUp();
    QAccessible::setActive(true);
    OpenTable();
    form->show();
    QApplication::setActiveWindow(form);
  }
  void TearDown() override {
    QAccessible::setActive(false);
    TableFixture::TearDown();
  }

  // The focused control, and what it says (its name, then its description) once the events
  // have been delivered.
  std::pair<QString, QString> Heard() {
    QCoreApplication::processEvents();
    QWidget* focused = QApplication::focusWidget();
    if (!focused) return {};
    const auto* label = qobject_cast<QLabel*>(focused);
    const QString name =
        label && focused->accessibleName().isEmpty() ? label->text() : focused->accessibleName();
    return {focused->objectName(), name + " | " + focused->accessibleDescription()};
  }
};

struct Moment {
  const char* rule;
  const char* focus;
  const char* heard;
};

TEST_F(VoiceTest, EachNewsIsOnTheFocusedControl) {
  RigNextDeal(kAces, kKingHigh, kDraws);
  ui->BetEdit->setText("10");
  form->BetClick();
  RunDeal();
  const auto dealt = Heard();
  form->DrawClick();
  form->DlrDrawTimer();
  const auto dealerDrew = Heard();
  form->DlrReplATimerTimer();
  form->pickAwinnerTimer();
  const auto settled = Heard();
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_R, Qt::ControlModifier);
  const auto readBack = Heard();
  ui->Bet->setFocus();
  const QString betBoxAfter = ui->BetEdit->accessibleDescription();

  const std::pair<Moment, std::pair<QString, QString>> moments[] = {
      {{"the_deal_names_the_hand_and_its_cards_on_draw", "Draw",
        "Dealt: Pair of Aces (Seven kicker). Ace of Hearts, Ace of Diamonds, Seven of Clubs, Four of Spades, "
        "Deuce of "
        "Hearts"},
       dealt},
      {{"the_dealers_draw_on_the_focused_result_line", "MainLabl", "Dealer takes 3 | Dealer takes 3"},
       dealerDrew},
      {{"the_showdown_names_the_winner_both_hands_and_the_bank", "BetEdit",
        "You're a winner! Your Pair of Aces (Seven kicker) beats the Dealer's King high (Queen kicker). Bank "
        "$1010"},
       settled},
      {{"ctrl_r_reads_the_hands_cards_again", "BetEdit",
        "Your cards: Ace of Hearts, Ace of Diamonds, Seven of Clubs, Four of Spades, Deuce of Hearts. The "
        "Dealer's cards: King of Clubs, Queen of Diamonds, Six of Spades, Eight of Hearts, Three of Clubs."},
       readBack},
  };
  for (const auto& [m, heard] : moments) {
    SCOPED_TRACE(m.rule);
    EXPECT_EQ(heard.first, m.focus);
    EXPECT_TRUE(heard.second.contains(m.heard)) << heard.second.toStdString();
  }
  EXPECT_EQ(betBoxAfter, ui->BetEdit->accessibleDescription()) << "the news went with the focus";
  EXPECT_FALSE(betBoxAfter.contains("winner"));
}

}  // namespace
