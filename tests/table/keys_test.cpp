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

#include "decks/imagebox.h"
#include "game/handrank.h"
#include "stats/gamestats.h"
#include "table/exitdlg.h"
#include "table/mainform.h"
#include "table/tablestate.h"
#include "tests/support/cardnames.h"
#include "tests/table/tablefixture.h"

namespace {

using namespace cardnames;

const Hand kAces{C(Ace, H), C(Ace, D), C(Seven, Cl), C(Four, S), C(Two, H)};
const Hand kKingHigh{C(King, Cl), C(Queen, D), C(Nine, Cl), C(Seven, S), C(Three, D)};
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

struct KeyCase {
  const char* rule;
  TableState state;
  std::function<void(KeysTest&, TableControls&, TMainForm&)> before;  // focus, cards turned, a bet typed
  int key;
  Qt::KeyboardModifiers mods;
  const char* message;  // the refusal the key must bring up, as the mouse would; "" for none
  std::function<void(TableControls&, TMainForm&)> after;
};

void Nothing(KeysTest&, TableControls&, TMainForm&) {}
void FocusBet(KeysTest&, TableControls& ui, TMainForm&) { ui.Bet->setFocus(); }
void FocusCard3(KeysTest&, TableControls&, TMainForm& form) { form.PlrCard[2]->setFocus(); }
void FocusCard5(KeysTest&, TableControls&, TMainForm& form) { form.PlrCard[4]->setFocus(); }
void AllFiveDown(KeysTest&, TableControls&, TMainForm& form) {
  for (int slot = 0; slot < 5; ++slot) form.PlrCardBtnClick(slot);
}

TEST_F(KeysTest, EachKeyDoesWhatItsClickDoesInTheStatesThatAllowIt) {
  const KeyCase cases[] = {
      {"digit_turns_its_card_and_sends_the_focus_to_draw",
       TableState::Discarding,
       Nothing,
       Qt::Key_2,
       {},
       "",
       [](TableControls& ui, TMainForm& form) {
         EXPECT_EQ(PlrDiscard, (SlotFlags{0, 1, 0, 0, 0}));
         EXPECT_TRUE(Shows(form.PlrCard[1], DeckBackId));
         EXPECT_EQ(form.focusWidget(), ui.Draw);
       }},
      {"keypad_digit_too", TableState::Discarding, Nothing, Qt::Key_5, Qt::KeypadModifier, "",
       [](TableControls&, TMainForm&) {
         EXPECT_EQ(PlrDiscard, (SlotFlags{0, 0, 0, 0, 1}));
       }},
      {"digit_turns_a_card_face_up_again",
       TableState::Discarding,
       [](KeysTest&, TableControls&, TMainForm& form) { form.PlrCardBtnClick(0); },
       Qt::Key_1,
       {},
       "",
       [](TableControls&, TMainForm& form) {
         EXPECT_EQ(PlrDiscard, (SlotFlags{}));
         EXPECT_TRUE(Shows(form.PlrCard[0], PlrHand[0]));
       }},
      {"digit_between_hands_turns_nothing",
       TableState::Betting,
       FocusBet,
       Qt::Key_1,
       {},
       "",
       [](TableControls& ui, TMainForm&) {
         EXPECT_EQ(PlrDiscard, (SlotFlags{}));
         EXPECT_EQ(ui.BetEdit->text(), "");
       }},
      {"digit_during_the_deal_turns_nothing",
       TableState::Dealing,
       Nothing,
       Qt::Key_1,
       {},
       "",
       [](TableControls&, TMainForm&) { EXPECT_EQ(PlrDiscard, (SlotFlags{})); }},
      {"digit_after_the_draw_turns_nothing",
       TableState::DealerToDraw,
       Nothing,
       Qt::Key_3,
       {},
       "",
       [](TableControls&, TMainForm&) { EXPECT_EQ(PlrDiscard, (SlotFlags{})); }},
      {"space_turns_the_focused_card_and_keeps_the_focus",
       TableState::Discarding,
       FocusCard3,
       Qt::Key_Space,
       {},
       "",
       [](TableControls&, TMainForm& form) {
         EXPECT_EQ(PlrDiscard, (SlotFlags{0, 0, 1, 0, 0}));
         EXPECT_EQ(form.focusWidget(), form.PlrCard[2]);
       }},
      {"right_goes_to_the_next_card",
       TableState::Discarding,
       FocusCard3,
       Qt::Key_Right,
       {},
       "",
       [](TableControls&, TMainForm& form) { EXPECT_EQ(form.focusWidget(), form.PlrCard[3]); }},
      {"right_from_the_last_card_goes_round",
       TableState::Discarding,
       FocusCard5,
       Qt::Key_Right,
       {},
       "",
       [](TableControls&, TMainForm& form) { EXPECT_EQ(form.focusWidget(), form.PlrCard[0]); }},
      {"left_goes_to_the_card_before",
       TableState::Discarding,
       FocusCard3,
       Qt::Key_Left,
       {},
       "",
       [](TableControls&, TMainForm& form) { EXPECT_EQ(form.focusWidget(), form.PlrCard[1]); }},
      {"enter_in_the_bet_box_deals",
       TableState::Betting,
       [](KeysTest&, TableControls& ui, TMainForm&) {
         ui.BetEdit->setFocus();
         QTest::keyClicks(ui.BetEdit, "25");
       },
       Qt::Key_Return,
       {},
       "",
       [](TableControls&, TMainForm&) {
         EXPECT_EQ(State, TableState::Dealing);
         EXPECT_EQ(CurrentBet, 25);
       }},
      {"enter_with_a_bad_bet_is_refused_as_by_deal",
       TableState::Betting,
       [](KeysTest&, TableControls& ui, TMainForm&) { ui.BetEdit->setText("0"); },
       Qt::Key_Enter,
       {},
       "You must bet something..",
       [](TableControls& ui, TMainForm& form) {
         EXPECT_EQ(State, TableState::Betting);
         EXPECT_EQ(form.focusWidget(), ui.BetEdit);
       }},
      {"enter_draws",
       TableState::Discarding,
       Nothing,
       Qt::Key_Return,
       {},
       "",
       [](TableControls&, TMainForm&) { EXPECT_EQ(State, TableState::DealerToDraw); }},
      {"enter_on_a_card_draws",
       TableState::Discarding,
       FocusCard3,
       Qt::Key_Return,
       {},
       "",
       [](TableControls&, TMainForm&) { EXPECT_EQ(State, TableState::DealerToDraw); }},
      {"enter_with_five_down_is_refused_as_by_draw",
       TableState::Discarding,
       AllFiveDown,
       Qt::Key_Return,
       {},
       "You Can't draw 5!",
       [](TableControls&, TMainForm&) {
         EXPECT_EQ(State, TableState::Discarding);
         EXPECT_EQ(PlrDiscard, (SlotFlags{1, 1, 1, 1, 1}));
       }},
      {"enter_keeping_no_ace_is_refused_as_by_draw",
       TableState::Discarding,
       [](KeysTest&, TableControls&, TMainForm& form) {
         for (int slot : {0, 1, 3, 4}) form.PlrCardBtnClick(slot);
       },
       Qt::Key_Enter,
       {},
       "You can only Draw 4 to an Ace!",
       [](TableControls&, TMainForm&) { EXPECT_EQ(State, TableState::Discarding); }},
      {"enter_during_the_deal_does_nothing",
       TableState::Dealing,
       Nothing,
       Qt::Key_Return,
       {},
       "",
       [](TableControls&, TMainForm&) { EXPECT_EQ(State, TableState::Dealing); }},
      {"enter_on_the_dealers_turn_does_nothing",
       TableState::DealerToDraw,
       Nothing,
       Qt::Key_Return,
       {},
       "",
       [](TableControls&, TMainForm&) { EXPECT_EQ(GameStats.PlrDrawCounts[0], 2u); }},
      {"space_on_a_bill_adds_it",
       TableState::Betting,
       [](KeysTest&, TableControls&, TMainForm& form) { form.MoneySlot[4]->setFocus(); },
       Qt::Key_Space,
       {},
       "",
       [](TableControls& ui, TMainForm&) { EXPECT_EQ(ui.BetEdit->text(), "1000"); }},
      {"enter_on_a_bill_adds_it_and_deals_nothing",
       TableState::Betting,
       [](KeysTest&, TableControls&, TMainForm& form) { form.MoneySlot[3]->setFocus(); },
       Qt::Key_Enter,
       {},
       "",
       [](TableControls& ui, TMainForm&) {
         EXPECT_EQ(ui.BetEdit->text(), "5");
         EXPECT_EQ(State, TableState::Betting);
       }},
      {"alt_with_no_shortcut_types_nothing_in_the_bet_box", TableState::Betting,
       [](KeysTest&, TableControls& ui, TMainForm&) { ui.BetEdit->setFocus(); }, Qt::Key_Q, Qt::AltModifier,
       "", [](TableControls& ui, TMainForm&) { EXPECT_EQ(ui.BetEdit->text(), ""); }},
  };
  for (const KeyCase& c : cases) {
    SCOPED_TRACE(c.rule);
    TearDown();
    TableFixture::SetUp();
    OpenTable();
    form->show();
    QApplication::setActiveWindow(form);
    Reach(c.state);
    c.before(*this, *ui, *form);
    if (*c.message) platform->Expect(c.message, "", StopOk);
    Press(c.key, c.mods);
    EXPECT_EQ(platform->PendingExpectations(), 0);
    c.after(*ui, *form);
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
        "Your card 4: face down, to be replaced", "Your card 5: face down, to be replaced",
        "Dealer's card 1: face down", "Dealer's card 2: face down", "Dealer's card 3: face down",
        "Dealer's card 4: face down", "Dealer's card 5: face down"}},
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
}

}  // namespace
