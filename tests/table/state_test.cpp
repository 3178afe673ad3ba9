// The hand cycle's states, each with every control the states differ in, walked through by
// the real handlers: the first hand from the welcome dialog, a win, a second Deal, New Game
// in the middle of a hand, and the bankruptcy.
#include <QAction>
#include <QLineEdit>
#include <QPushButton>

#include "platform/imagebox.h"
#include "table/mainform.h"
#include "table/tablestate.h"
#include "tests/support/cardnames.h"
#include "tests/table/tablefixture.h"

namespace {

using namespace cardnames;

struct Controls {
  bool panel, names;
  bool dealShown, dealEnabled, drawShown, drawEnabled;
  bool betEditEnabled, betEditBlack, billsEnabled, billHints;
  bool deckItem, newGameItem;
  std::string status;
  bool operator==(const Controls&) const = default;
};

void PrintTo(const Controls& c, std::ostream* os) {
  *os << "panel " << c.panel << " names " << c.names << " deal " << c.dealShown << c.dealEnabled << " draw "
      << c.drawShown << c.drawEnabled << " betEdit " << c.betEditEnabled << c.betEditBlack << " bills "
      << c.billsEnabled << c.billHints << " deck " << c.deckItem << " new " << c.newGameItem << " status \""
      << c.status << '"';
}

const std::string kBetAgain = "  Change your bet or click Deal to play";
const std::string kBetFirst = "  Enter your bet and click Deal to start";
const std::string kDiscard = "  Click on cards to remove and click Draw to replace";

// clang-format off
//                                  panel  names  deal          draw          betEdit       bills         deck   new    status
const Controls kOpening          = {false, false, false, false, false, true,  true,  false, true,  false, true,  false, ""};
const Controls kWelcome          = {true,  false, false, false, false, true,  true,  false, true,  true,  true,  false, "Welcome to Brindlewharf.."};
const Controls kFirstHandDealing = {true,  true,  false, false, false, true,  false, false, false, false, false, true,  ""};
const Controls kDealing          = {true,  true,  true,  false, false, true,  false, false, false, false, false, true,  ""};
const Controls kDiscarding       = {true,  true,  false, true,  true,  true,  false, false, false, false, false, true,  kDiscard};
const Controls kDealerTurn       = {true,  true,  false, true,  true,  false, false, false, false, false, false, true,  ""};
const Controls kBetting          = {true,  true,  true,  true,  false, true,  true,  true,  true,  true,  true,  true,  kBetAgain};
const Controls kBettingNewGame   = {true,  false, true,  true,  false, true,  true,  true,  true,  true,  true,  false, kBetFirst};
// clang-format on

class StateTest : public TableFixture {
 protected:
  Controls Read() const {
    bool hints = false;
    for (int slot = 0; slot < 5; ++slot) hints = hints || !form->MoneySlot[slot]->toolTip().isEmpty();
    const bool panel = ui->MoneyPanl->isVisibleTo(form);
    for (QWidget* w : std::initializer_list<QWidget*>{ui->MoneyBreakPanl, ui->BetEdit, ui->Label5,
                                                      ui->BankLabl, ui->BetLabl})
      EXPECT_EQ(w->isVisibleTo(form), panel) << w->objectName().toStdString();
    const bool names = ui->PlrNameLabl->isVisibleTo(form);
    EXPECT_EQ(ui->DlrNameLabl->isVisibleTo(form), names);
    return {panel,
            names,
            ui->Bet->isVisibleTo(form),
            ui->Bet->isEnabled(),
            ui->Draw->isVisibleTo(form),
            ui->Draw->isEnabled(),
            ui->BetEdit->isEnabled(),
            ui->BetEdit->palette().color(QPalette::Base) == Qt::black,
            form->MoneySlot[4]->isEnabled(),
            hints,
            ui->Deck->isEnabled(),
            ui->NewGame->isEnabled(),
            ui->CaptionBar->text().toStdString()};
  }

  void Expect(TableState state, const Controls& controls, QWidget* focus = nullptr) {
    EXPECT_EQ(State, state);
    EXPECT_EQ(Read(), controls);
    if (focus) {
      EXPECT_EQ(form->focusWidget(), focus);
    }
  }
};

TEST_F(StateTest, EveryStateSetsItsControls) {
  form->show();
  Expect(TableState::Opening, kOpening);

  // The first hand comes from the welcome dialog with the Deal button still hidden.
  form->WelcomeTable();
  Expect(TableState::Welcome, kWelcome);
  CurrentBet = 50;
  RigNextDeal(kAces, kKingHigh);
  form->BetClick();
  Expect(TableState::DealingFirstHand, kFirstHandDealing);
  RunDeal();
  Expect(TableState::Discarding, kDiscarding, ui->Draw);
  form->DrawClick();
  Expect(TableState::DealerToDraw, kDealerTurn);
  form->DlrDrawTimer();
  Expect(TableState::DealerHasDrawn, kDealerTurn);
  form->DlrReplATimerTimer();
  Expect(TableState::ShowdownDue, kDealerTurn);
  form->pickAwinnerTimer();
  Expect(TableState::Betting, kBetting, ui->BetEdit);

  // A refused Deal stays where it was; a later one deals with the button in view.
  platform->Expect("", "Illegal Bet", StopOk);
  ui->BetEdit->setText("0");
  form->BetClick();
  Expect(TableState::Betting, kBetting);
  RigNextDeal(kAces, kKingHigh);
  ui->BetEdit->setText("100");
  form->BetClick();
  Expect(TableState::Dealing, kDealing);

  platform->Expect("Save current stats?", "New Game", QuestionYesNoCancel, MessageAnswer::Yes);
  ui->NewGame->trigger();
  Expect(TableState::BettingNewGame, kBettingNewGame, ui->BetEdit);

  // Losing the whole bank leaves every control as the Dealer's turn had it.
  RigNextDeal(kKingHigh, kAces);
  PlayHand("1000");
  Expect(TableState::Bankrupt, kDealerTurn);
}

}  // namespace
