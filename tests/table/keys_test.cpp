// The table by keyboard: the key map, row by row, through the same handlers and checks as the
// mouse; the stray keys that must lose nothing; and what a screen reader hears of the ten card
// places across one hand.
#include <QAccessible>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "game/handrank.h"
#include "platform/imagebox.h"
#include "stats/gamestats.h"
#include "table/exitdlg.h"
#include "table/mainform.h"
#include "table/tablestate.h"
#include "tests/support/cardnames.h"
#include "tests/table/tablefixture.h"

namespace {

using namespace cardnames;

const std::vector<CardCode> kThen{C(Two, Cl), C(Four, D), C(Six, S), C(Eight, H)};

class KeysTest : public TableFixture {
 protected:
  void SetUp() override {
    TableFixture::SetUp();
    OpenTable();
    form->show();
    QApplication::setActiveWindow(form);
  }

  // The hand of the table at the moment a row needs it.
  void Reach(TableState state) {
    if (state == TableState::Welcome) return;
    RigNextDeal(kAces, kKingHigh, kThen);
    PlayHand("10");  // the first hand leaves the table betting
    if (state == TableState::Betting) return;
    RigNextDeal(kAces, kKingHigh, kThen);
    ui->BetEdit->setText("10");
    form->BetClick();
    if (state == TableState::Dealing) return;
    RunDeal();
    if (state == TableState::Discarding) return;
    form->DrawClick();
  }

  // A key as the player presses it: to the widget that has the focus.
  void Press(int key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : form;
    QTest::keyClick(target, static_cast<Qt::Key>(key), mods);
  }
};

// What the player has done before the key: where the focus is, which cards are down, the bet.
enum class Before {
  Nothing,
  FocusDeal,
  FocusBetBox,
  FocusCard3,
  FocusCard5,
  FocusBill4,
  FocusBill5,
  FirstCardDown,
  AllFiveDown,
  FourDownNoAce,
  BetOfZero
};

struct KeyCase {
  const char* rule;
  TableState state;
  Before before;
  int key;
  Qt::KeyboardModifiers mods;
  const char* message;  // the refusal the key brings up, as the mouse would; "" for none
  TableState after;
  SlotFlags down;                            // the player's cards face down afterwards
  const char* focus;                         // the object that has the focus afterwards; "" for any
  const char* bet;                           // the bet box afterwards
  MessageAnswer answer = MessageAnswer::Ok;  // to a question the key asks
};

TEST_F(KeysTest, EachKeyDoesWhatItsClickDoesInTheStatesThatAllowIt) {
  using TS = TableState;
  using B = Before;
  // clang-format off
  const KeyCase cases[] = {
      {"digit_turns_its_card_and_sends_the_focus_to_draw", TS::Discarding, B::Nothing, Qt::Key_2, {}, "", TS::Discarding, {0, 1, 0, 0, 0}, "Draw", ""},
      {"keypad_digit_too", TS::Discarding, B::Nothing, Qt::Key_5, Qt::KeypadModifier, "", TS::Discarding, {0, 0, 0, 0, 1}, "Draw", ""},
      {"digit_turns_a_card_face_up_again", TS::Discarding, B::FirstCardDown, Qt::Key_1, {}, "", TS::Discarding, {}, "Draw", ""},
      {"digit_between_hands_turns_nothing", TS::Betting, B::FocusDeal, Qt::Key_1, {}, "", TS::Betting, {}, "Bet", ""},
      {"digit_during_the_deal_turns_nothing", TS::Dealing, B::Nothing, Qt::Key_1, {}, "", TS::Dealing, {}, "", ""},
      {"digit_after_the_draw_turns_nothing", TS::DealerToDraw, B::Nothing, Qt::Key_3, {}, "", TS::DealerToDraw, {}, "", ""},
      {"space_turns_the_focused_card_and_keeps_the_focus", TS::Discarding, B::FocusCard3, Qt::Key_Space, {}, "", TS::Discarding, {0, 0, 1, 0, 0}, "PlrCard2", ""},
      {"right_goes_to_the_next_card", TS::Discarding, B::FocusCard3, Qt::Key_Right, {}, "", TS::Discarding, {}, "PlrCard3", ""},
      {"right_from_the_last_card_goes_round", TS::Discarding, B::FocusCard5, Qt::Key_Right, {}, "", TS::Discarding, {}, "PlrCard0", ""},
      {"left_goes_to_the_card_before", TS::Discarding, B::FocusCard3, Qt::Key_Left, {}, "", TS::Discarding, {}, "PlrCard1", ""},
      {"enter_in_the_bet_box_deals_the_last_bet", TS::Betting, B::FocusBetBox, Qt::Key_Return, {}, "", TS::Dealing, {}, "", ""},
      {"enter_with_a_bad_bet_is_refused_as_by_deal", TS::Betting, B::BetOfZero, Qt::Key_Enter, {}, "You must bet something..", TS::Betting, {}, "BetEdit", "0"},
      {"enter_draws", TS::Discarding, B::Nothing, Qt::Key_Return, {}, "", TS::DealerToDraw, {}, "", ""},
      {"enter_on_a_card_draws", TS::Discarding, B::FocusCard3, Qt::Key_Return, {}, "", TS::DealerToDraw, {}, "", ""},
      {"enter_with_five_down_is_refused_as_by_draw", TS::Discarding, B::AllFiveDown, Qt::Key_Return, {}, "You Can't draw 5!", TS::Discarding, {1, 1, 1, 1, 1}, "", ""},
      {"enter_keeping_no_ace_is_refused_as_by_draw", TS::Discarding, B::FourDownNoAce, Qt::Key_Enter, {}, "You can only Draw 4 to an Ace!", TS::Discarding, {1, 1, 0, 1, 1}, "", ""},
      {"enter_during_the_deal_does_nothing", TS::Dealing, B::Nothing, Qt::Key_Return, {}, "", TS::Dealing, {}, "", ""},
      {"enter_on_the_dealers_turn_does_nothing", TS::DealerToDraw, B::Nothing, Qt::Key_Return, {}, "", TS::DealerToDraw, {}, "", ""},
      {"space_on_a_bill_adds_it", TS::Betting, B::FocusBill5, Qt::Key_Space, {}, "", TS::Betting, {}, "MoneySlot4", "1000"},
      {"enter_on_a_bill_adds_it_and_deals_nothing", TS::Betting, B::FocusBill4, Qt::Key_Enter, {}, "", TS::Betting, {}, "MoneySlot3", "5"},
      {"alt_with_no_shortcut_types_nothing_in_the_bet_box", TS::Betting, B::FocusBetBox, Qt::Key_Q, Qt::AltModifier, "", TS::Betting, {}, "BetEdit", ""},
      {"tab_after_the_showdown_goes_on_to_the_dealers_cards", TS::Betting, B::FocusCard5, Qt::Key_Tab, {}, "", TS::Betting, {}, "DlrCard0", ""},
      {"stray_f2_cancelled_mid_hand_leaves_the_hand", TS::Discarding, B::FirstCardDown, Qt::Key_F2, {}, "Save current stats?", TS::Discarding, {1, 0, 0, 0, 0}, "", "", MessageAnswer::Cancel},
      {"stray_f2_cancelled_on_the_dealers_turn_lets_it_go_on", TS::DealerToDraw, B::Nothing, Qt::Key_F2, {}, "Save current stats?", TS::DealerToDraw, {}, "", "", MessageAnswer::Cancel},
      {"stray_f2_cancelled_between_hands_leaves_the_game", TS::Betting, B::FocusBetBox, Qt::Key_F2, {}, "Save current stats?", TS::Betting, {}, "BetEdit", "", MessageAnswer::Cancel},
  };
  // clang-format on
  for (const KeyCase& c : cases) {
    SCOPED_TRACE(c.rule);
    TearDown();
    SetUp();
    Reach(c.state);
    switch (c.before) {
      case B::Nothing:
        break;
      case B::FocusDeal:
        ui->Bet->setFocus();
        break;
      case B::FocusBetBox:
        ui->BetEdit->setFocus();
        break;
      case B::FocusCard3:
      case B::FocusCard5:
        form->PlrCard[c.before == B::FocusCard3 ? 2 : 4]->setFocus();
        break;
      case B::FocusBill4:
      case B::FocusBill5:
        form->MoneySlot[c.before == B::FocusBill4 ? 3 : 4]->setFocus();
        break;
      case B::FirstCardDown:
        form->PlrCardBtnClick(0);
        break;
      case B::AllFiveDown:
      case B::FourDownNoAce:
        for (int slot = 0; slot < 5; ++slot)
          if (c.before == B::AllFiveDown || slot != 2) form->PlrCardBtnClick(slot);
        break;
      case B::BetOfZero:
        ui->BetEdit->setText("0");
        break;
    }
    if (*c.message)
      platform->Expect(c.message, "", c.answer == MessageAnswer::Ok ? StopOk : QuestionYesNoCancel, c.answer);
    const std::int32_t bank = Bank;
    const GameStatistics stats = GameStats;
    Press(c.key, c.mods);
    EXPECT_EQ(platform->PendingExpectations(), 0);
    EXPECT_EQ(State, c.after);
    if (c.answer == MessageAnswer::Cancel) {
      EXPECT_EQ(Bank, bank);
      EXPECT_EQ(GameStats.HandsPlayed, stats.HandsPlayed);
      EXPECT_EQ(GameStats.Resets, stats.Resets);
      EXPECT_EQ(RunningTimers().empty(), c.after != TableState::DealerToDraw) << "a hand's timer goes on";
    }
    if (c.after == TableState::Discarding) {
      EXPECT_EQ(PlrDiscard, c.down);
      for (int slot = 0; slot < 5; ++slot)
        EXPECT_TRUE(Shows(form->PlrCard[slot], c.down[slot] ? DeckBackId : PlrHand[slot])) << slot;
    }
    if (*c.focus) {
      EXPECT_EQ(form->focusWidget() ? form->focusWidget()->objectName() : QString(), c.focus);
    }
    EXPECT_EQ(ui->BetEdit->text(), c.bet);
  }
}

// Between hands the bills are reached with Tab from the bet box, and an empty slot is none.
TEST_F(KeysTest, TabGoesFromTheBetBoxDownTheBillsToDeal) {
  Reach(TableState::Betting);
  Bank = BankLeft = 6;
  form->UpdateMoney();  // the panel offers 1 and 5 only
  ui->BetEdit->setFocus();
  std::vector<QWidget*> stops;
  ASSERT_EQ(form->focusWidget(), ui->BetEdit);
  for (int i = 0; i < 3; ++i) {
    Press(Qt::Key_Tab);
    stops.push_back(form->focusWidget());
  }
  const auto name = [](QWidget* w) { return w ? w->objectName().toStdString() : std::string("none"); };
  std::vector<std::string> stopNames;
  for (QWidget* w : stops) stopNames.push_back(name(w));
  EXPECT_EQ(stopNames, (std::vector<std::string>{"MoneySlot3", "MoneySlot4", "Bet"}));
  EXPECT_FALSE(form->MoneySlot[0]->isVisibleTo(form));
}

// What a screen reader hears of each card place, through the accessibility interface.
TEST_F(KeysTest, CardPlacesSayWhatTheyShowAcrossAHand) {
  const auto names = [&] {
    std::vector<QString> all;
    for (const auto* places : {&form->PlrCard, &form->DlrCard})
      for (ImageBox* place : *places)
        all.push_back(QAccessible::queryAccessibleInterface(place)->text(QAccessible::Name));
    return all;
  };
  using Names = std::vector<QString>;
  const Names empty{"Your card 1: no card",     "Your card 2: no card",     "Your card 3: no card",
                    "Your card 4: no card",     "Your card 5: no card",     "Dealer's card 1: no card",
                    "Dealer's card 2: no card", "Dealer's card 3: no card", "Dealer's card 4: no card",
                    "Dealer's card 5: no card"};
  EXPECT_EQ(names(), empty);
  RigNextDeal(kAces, kKingHigh, kThen);
  ui->BetEdit->setText("10");
  form->BetClick();
  RunDeal();
  const struct {
    const char* moment;
    std::function<void()> step;
    Names heard;
  } moments[] = {
      {"dealt",
       [] {},
       {"Your card 1: Ace of Hearts", "Your card 2: Ace of Diamonds", "Your card 3: Seven of Clubs",
        "Your card 4: Four of Spades", "Your card 5: Deuce of Hearts", "Dealer's card 1: face down",
        "Dealer's card 2: face down", "Dealer's card 3: face down", "Dealer's card 4: face down",
        "Dealer's card 5: face down"}},
      {"two_turned_down",
       [&] {
         Press(Qt::Key_4);
         Press(Qt::Key_5);
       },
       {"Your card 1: Ace of Hearts", "Your card 2: Ace of Diamonds", "Your card 3: Seven of Clubs",
        "Your card 4: Four of Spades, face down, to be replaced",
        "Your card 5: Deuce of Hearts, face down, to be replaced", "Dealer's card 1: face down",
        "Dealer's card 2: face down", "Dealer's card 3: face down", "Dealer's card 4: face down",
        "Dealer's card 5: face down"}},
      {"drawn",
       [&] { Press(Qt::Key_Return); },
       {"Your card 1: Ace of Hearts", "Your card 2: Ace of Diamonds", "Your card 3: Seven of Clubs",
        "Your card 4: Deuce of Clubs", "Your card 5: Four of Diamonds", "Dealer's card 1: face down",
        "Dealer's card 2: face down", "Dealer's card 3: face down", "Dealer's card 4: face down",
        "Dealer's card 5: face down"}},
      {"showdown",
       [&] {
         form->DlrDrawTimer();
         form->DlrReplATimerTimer();
         form->pickAwinnerTimer();
       },
       {"Your card 1: Ace of Hearts", "Your card 2: Ace of Diamonds", "Your card 3: Seven of Clubs",
        "Your card 4: Deuce of Clubs", "Your card 5: Four of Diamonds", "Dealer's card 1: King of Clubs",
        "Dealer's card 2: Queen of Diamonds", "Dealer's card 3: Six of Spades",
        "Dealer's card 4: Eight of Hearts", "Dealer's card 5: Three of Hearts"}},
  };
  for (const auto& m : moments) {
    m.step();
    EXPECT_EQ(names(), m.heard) << m.moment;
  }
}

// The keys that used to lose a game or its statistics now lose nothing.
TEST_F(KeysTest, StrayEscapesLoseNothing) {
  // The bankruptcy dialog stays up: only New Game, Exit and its close button answer it.
  TExitDlg dialog(form);
  bool stillUp = false;
  QTimer::singleShot(0, &dialog, [&] {
    QTest::keyClick(&dialog, Qt::Key_Escape);
    stillUp = dialog.isVisible();
    Named<QPushButton>(&dialog, "NewGameBtn")->click();
  });
  dialog.exec();
  EXPECT_TRUE(stillUp);
  EXPECT_EQ(NewGameChosen, 1);

  // A Yes/No question is answered, never escaped.
  QtPlatform qt;
  bool questionUp = false;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    QTest::keyClick(box, Qt::Key_Escape);
    questionUp = box->isVisible();
    box->button(QMessageBox::Yes)->click();
  });
  EXPECT_EQ(qt.ShowMessage("Save current stats?", "New Game", QuestionYesNo), MessageAnswer::Yes);
  EXPECT_TRUE(questionUp);

  // Where the question can be cancelled, Escape cancels it.
  QTimer::singleShot(0, [&] { QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Escape); });
  EXPECT_EQ(qt.ShowMessage("Save current stats?", "New Game", QuestionYesNoCancel), MessageAnswer::Cancel);
}

}  // namespace
