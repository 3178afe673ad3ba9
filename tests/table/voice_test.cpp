// What a screen reader hears over one hand: each piece of news lands on the control that holds
// the focus once the handler has settled it, the control gets its own description back when the
// focus moves on, and Ctrl+R reads the table again as the screen shows it.
#include "table/voice.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <functional>

#include "table/mainform.h"
#include "table/tablestate.h"
#include "tests/support/cardnames.h"
#include "tests/table/tablefixture.h"

namespace {

using namespace cardnames;

// The player's one draw, then the Dealer's three.
const std::vector<CardCode> kDraws{C(Six, S), C(Eight, H), C(Three, Cl), C(Two, Cl)};

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

  // The focused control, and what a screen reader is told of it (its name, then its description)
  // once the events have been delivered.
  std::pair<QString, QString> Heard() {
    QCoreApplication::processEvents();
    QWidget* focused = QApplication::focusWidget();
    if (!focused) return {};
    QAccessibleInterface* told = QAccessible::queryAccessibleInterface(focused);
    return {focused->objectName(),
            told->text(QAccessible::Name) + " | " + told->text(QAccessible::Description)};
  }
  void Key(int key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key), mods);
  }
};

struct Moment {
  const char* rule;
  std::function<void()> step;
  const char* focus;
  const char* heard;
};

TEST_F(VoiceTest, EachNewsIsOnTheFocusedControlAndSaysWhatHappened) {
  RigNextDeal(kAces, kKingHigh, kDraws);
  ui->BetEdit->setText("10");
  const Moment moments[] = {
      {"the_deal_rests_on_a_named_result_line", [&] { form->BetClick(); }, "MainLabl", "Dealing | "},
      {"the_deal_names_the_hand_and_its_cards", [&] { RunDeal(); }, "Draw",
       "Dealt: Pair of Aces (Seven kicker). Ace of Hearts, Ace of Diamonds, Seven of Clubs, Four of Spades, "
       "Deuce of Hearts"},
      {"a_turned_card_says_which_card", [&] { Key(Qt::Key_5); }, "Draw",
       "Your card 5: Deuce of Hearts, face down, to be replaced"},
      {"ctrl_r_in_a_hand_one_sentence_a_card_and_the_bank_shown",
       [&] { Key(Qt::Key_R, Qt::ControlModifier); }, "Draw",
       "Four of Spades. Deuce of Hearts, face down, to be replaced. The Dealer's cards are face down. Your "
       "bet: $10, Game Pot: $20. Bank: $990."},
      {"the_draw_names_the_cards_drawn_and_the_hand", [&] { form->DrawClick(); }, "MainLabl",
       "The Dealer's turn | You drew Six of Spades: Pair of Aces (Seven kicker)."},
      {"the_dealers_draw", [&] { form->DlrDrawTimer(); }, "MainLabl", "Dealer takes 3 | Dealer takes 3"},
      {"the_showdown_then_the_dealers_cards_then_yours",
       [&] {
         form->DlrReplATimerTimer();
         form->pickAwinnerTimer();
       },
       "BetEdit",
       "You're a winner! Your Pair of Aces (Seven kicker) beats the Dealer's King high (Queen kicker). Bank: "
       "$1010. The Dealer's cards: King of Clubs, Queen of Diamonds, Eight of Hearts, Three of Clubs, Deuce "
       "of Clubs. Your cards: Ace of Hearts, Ace of Diamonds, Seven of Clubs, Four of Spades, Six of "
       "Spades."},
      {"a_bill_says_the_bet_and_the_bank_left",
       [&] {
         Key(Qt::Key_Tab);
         Key(Qt::Key_Space);
       },
       "MoneySlot2", "Bet $1, $1009 left."},
      // $1009 shows as $1000, $5 and $1: with the $1000 bill spent, the $5 bill takes its place.
      {"a_spent_bill_says_where_the_focus_went",
       [&] {
         Key(Qt::Key_Tab);
         Key(Qt::Key_Tab);
         Key(Qt::Key_Space);
       },
       "MoneySlot4", "Bet $1001, $9 left. Now on the $5 bill."},
      {"ctrl_r_after_the_showdown_the_bank_shown_and_the_bet", [&] { Key(Qt::Key_R, Qt::ControlModifier); },
       "MoneySlot4", "Last bet $10. Bank: $9. New bet: $1001."},
      {"m_says_the_sound_went_off",
       [&] {
         form->SoundItem()->setChecked(true);
         Key(Qt::Key_M);
       },
       "MoneySlot4", "Sound off."},
  };
  for (const Moment& m : moments) {
    SCOPED_TRACE(m.rule);
    m.step();
    const auto [focus, heard] = Heard();
    EXPECT_EQ(focus, m.focus);
    EXPECT_TRUE(heard.contains(m.heard)) << heard.toStdString();
  }
  ui->Bet->setFocus();
  EXPECT_FALSE(ui->BetEdit->accessibleDescription().contains("winner")) << "the news went with the focus";
}

}  // namespace
