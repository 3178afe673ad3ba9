// What the hand cycle tells its listeners, in order, over a rigged game: a refused bet, a deal,
// cards turned and turned back, a refused draw, a draw, the Dealer's draw, the showdown, a New
// Game, and a hand that empties the bank.
#include <QAction>
#include <QLineEdit>
#include <QSignalSpy>
#include <algorithm>
#include <sstream>

#include "coach/coachbox.h"
#include "coach/coachworker.h"
#include "history/historybox.h"
#include "history/recorder.h"
#include "table/handevents.h"
#include "table/mainform.h"
#include "table/tablestate.h"
#include "table/voice.h"
#include "table/wiring.h"
#include "tests/support/cardnames.h"
#include "tests/table/tablefixture.h"

namespace {

using namespace cardnames;

std::string Cards(const Hand& hand) {
  std::ostringstream out;
  for (CardCode c : hand) out << ' ' << c;
  return out.str();
}
std::string Flags(const SlotFlags& flags) {
  std::string out = " ";
  for (std::int32_t f : flags) out += f ? 'x' : '.';
  return out;
}

// Every event as one line of text, in the order it came; the money panel only when it changes.
void Listen(HandEvents* events, std::vector<std::string>& heard) {
  const auto add = [&heard](std::string line) { heard.push_back(std::move(line)); };
  QObject::connect(events, &HandEvents::GameStarted, [add](std::int32_t b, const QString& name) {
    add("GameStarted " + std::to_string(b) + " " + name.toStdString());
  });
  QObject::connect(events, &HandEvents::HandDealt,
                   [add](const Hand& p, const HandRank& r, std::int32_t bet, std::int32_t left) {
                     add("HandDealt" + Cards(p) + " category " + std::to_string(r[CategoryField]) + " bet " +
                         std::to_string(bet) + " left " + std::to_string(left));
                   });
  QObject::connect(events, &HandEvents::CardTurned,
                   [add](int slot, CardCode card, bool down, const SlotFlags& f) {
                     add("CardTurned " + std::to_string(slot) + " " + std::to_string(card) +
                         (down ? " down" : " up") + Flags(f));
                   });
  QObject::connect(events, &HandEvents::DrawMade,
                   [add](const SlotFlags& f, const Hand& before, const Hand& after, const HandRank& r) {
                     add("DrawMade" + Flags(f) + " /" + Cards(before) + " /" + Cards(after) + " category " +
                         std::to_string(r[CategoryField]));
                   });
  QObject::connect(events, &HandEvents::DealerDrew,
                   [add](std::int32_t n) { add("DealerDrew " + std::to_string(n)); });
  QObject::connect(events, &HandEvents::ShowdownSettled, [add](const ShowdownRecord& r) {
    add("Showdown" + Cards(r.player) + " /" + Cards(r.dealer) + " categories " +
        std::to_string(r.playerRank[CategoryField]) + " " + std::to_string(r.dealerRank[CategoryField]) +
        " dealt " + std::to_string(r.playerDealtRank[CategoryField]) + " " +
        std::to_string(r.dealerDealtRank[CategoryField]) + " outcome " + std::to_string(r.outcome) + " bet " +
        std::to_string(r.bet) + " pot " + std::to_string(r.pot) + " bank " + std::to_string(r.bank));
  });
  QObject::connect(events, &HandEvents::BankShown, [add, &heard](std::int32_t left, std::int32_t bet) {
    const std::string line = "BankShown " + std::to_string(left) + " bet " + std::to_string(bet);
    const auto last = std::find_if(heard.rbegin(), heard.rend(),
                                   [](const std::string& l) { return l.starts_with("BankShown"); });
    if (last == heard.rend() || *last != line) add(line);
  });
  QObject::connect(events, &HandEvents::BillAdded,
                   [add](std::int32_t bill, std::int32_t bet, std::int32_t left, std::int32_t next) {
                     add("BillAdded " + std::to_string(bill) + " bet " + std::to_string(bet) + " left " +
                         std::to_string(left) + " next " + std::to_string(next));
                   });
  QObject::connect(events, &HandEvents::BetRefused,
                   [add](BetRefusal why) { add("BetRefused " + std::to_string(static_cast<int>(why))); });
  QObject::connect(events, &HandEvents::DrawRefused,
                   [add](DrawRefusal why) { add("DrawRefused " + std::to_string(static_cast<int>(why))); });
  QObject::connect(events, &HandEvents::NewGameStarted,
                   [add](std::int32_t b) { add("NewGameStarted " + std::to_string(b)); });
  QObject::connect(events, &HandEvents::WentBankrupt, [add] { add("WentBankrupt"); });
}

// The player's two draws, then the Dealer's three.
const std::vector<CardCode> kDraws{C(Two, Cl), C(Four, D), C(Six, S), C(Eight, H), C(Three, Cl)};

using EventsTest = TableFixture;

TEST_F(EventsTest, ARiggedGameInTheOrderItHappened) {
  std::vector<std::string> heard;
  Listen(form->Events, heard);
  THistoryBox history(form);
  WireHistory(form, &history);
  OpenTable();
  platform->Expect("Invalid bet charactor!", "Bet Error", StopOk);
  ui->BetEdit->setText("x");
  RigNextDeal(kAces, kKingHigh, kDraws);
  ui->BetEdit->setText("10");
  form->BetClick();
  RunDeal();
  for (int slot : {4, 4, 0, 1, 2, 3}) form->PlrCardBtnClick(slot);
  platform->Expect("You can only Draw 4 to an Ace!", "Illegal Draw", StopOk);
  form->DrawClick();
  for (int slot : {0, 1}) form->PlrCardBtnClick(slot);
  DrawAndSettle();
  platform->Expect("Save current stats?", "New Game", QuestionYesNoCancel, MessageAnswer::Yes);
  ui->NewGame->trigger();
  // The whole bank on a King against the Dealer's Aces.
  RigNextDeal(kKingHigh, kAces, {C(Two, Cl), C(Four, D), C(Six, S)});
  form->MoneySlotClick(4);
  ui->BetEdit->setText("1000");
  form->BetClick();
  RunDeal();
  DrawAndSettle();

  const Hand drawn{C(Ace, H), C(Ace, D), C(Two, Cl), C(Four, D), C(Two, H)};
  const Hand dealerDrawn{C(King, Cl), C(Queen, D), C(Six, S), C(Eight, H), C(Three, Cl)};
  const std::vector<std::string> expected = {
      "BankShown 1000 bet 0",
      "BetRefused " + std::to_string(static_cast<int>(BetRefusal::TypedNotANumber)),
      "BankShown 990 bet 10",
      // The Deal empties the box, and the bet goes from the box to the pot.
      "BankShown 1000 bet 0",
      "BankShown 990 bet 10",
      "HandDealt" + Cards(kAces) + " category 1 bet 10 left 990",
      "CardTurned 4 " + std::to_string(C(Two, H)) + " down ....x",
      "CardTurned 4 " + std::to_string(C(Two, H)) + " up .....",
      "CardTurned 0 " + std::to_string(C(Ace, H)) + " down x....",
      "CardTurned 1 " + std::to_string(C(Ace, D)) + " down xx...",
      "CardTurned 2 " + std::to_string(C(Seven, Cl)) + " down xxx..",
      "CardTurned 3 " + std::to_string(C(Four, S)) + " down xxxx.",
      "DrawRefused " + std::to_string(static_cast<int>(DrawRefusal::FourWithoutAnAce)),
      "CardTurned 0 " + std::to_string(C(Ace, H)) + " up .xxx.",
      "CardTurned 1 " + std::to_string(C(Ace, D)) + " up ..xx.",
      "DrawMade ..xx. /" + Cards(kAces) + " /" + Cards(drawn) + " category 2",
      "DealerDrew 3",
      "Showdown" + Cards(drawn) + " /" + Cards(dealerDrawn) +
          " categories 2 0 dealt 1 0 outcome 1 bet 10 pot 20 bank 1010",
      "BankShown 1010 bet 0",
      "NewGameStarted 1000",
      "BankShown 1000 bet 0",
      "BankShown 500 bet 500",
      "BillAdded 500 bet 500 left 500 next 0",
      "BankShown 0 bet 1000",
      "BankShown 1000 bet 0",
      "BankShown 0 bet 1000",
      "HandDealt" + Cards(kKingHigh) + " category 0 bet 1000 left 0",
      "DrawMade ..... /" + Cards(kKingHigh) + " /" + Cards(kKingHigh) + " category 0",
      "DealerDrew 3",
      "Showdown" + Cards(kKingHigh) + " /" +
          Cards({C(Ace, H), C(Ace, D), C(Two, Cl), C(Four, D), C(Six, S)}) +
          " categories 0 1 dealt 0 1 outcome 2 bet 1000 pot 2000 bank 0",
      "WentBankrupt",
  };
  EXPECT_EQ(heard, expected);
  EXPECT_EQ(State, TableState::Bankrupt);
  // The history, wired as the game wires it, holds the new game's one hand, which ended it.
  const HandHistory& kept = history.Recorder()->History();
  ASSERT_EQ(kept.Count(), 1);
  EXPECT_EQ(kept.At(0).bank, 0);
  EXPECT_EQ(kept.At(0).Result(), DealerWins);
  EXPECT_TRUE(kept.At(0).bankrupt);
}

// The table wired whole, as the program wires it: what one listener says of a hand reaches the
// others. The coach opened by key says so and, once it knows, its best hold; H sets that hold and
// says it whole; the verdict on the draw reaches both the screen reader's voice and the history.
TEST_F(EventsTest, TheCoachIsHeardAndItsVerdictKept) {
  auto* coach = new TCoachBox(form);
  auto* history = new THistoryBox(form);
  WireTable(form, coach, history);
  OpenTable();
  form->show();
  RigNextDeal(kAces, kKingHigh, kDraws);
  ui->BetEdit->setText("10");
  form->BetClick();
  RunDeal();
  // The fixture wired a table of its own first; this test's voice is the last one.
  const auto* voice = form->findChildren<TableVoice*>().back();
  const auto heard = [&] {
    QCoreApplication::processEvents();
    return voice->News();
  };
  const QString aces =
      "keep the Ace of Hearts and the Ace of Diamonds and throw the Seven of Clubs, the Four of Spades and "
      "the Deuce of Hearts.";
  EXPECT_TRUE(heard().startsWith("Dealt: Pair of Aces"));
  QSignalSpy ranked(Named<CoachWorker>(coach, "Worker"), &CoachWorker::Ranked);
  form->CoachItem()->trigger();
  EXPECT_EQ(heard(), "Coach open, working out the odds.");
  ASSERT_TRUE(ranked.wait(20'000));
  EXPECT_EQ(heard(), "Coach's best hold: " + aces);
  emit form->HintAsked();
  EXPECT_EQ(heard(), "The coach set its best hold: " + aces) << "the cards it turned are said at once";
  emit form->HintAsked();
  EXPECT_EQ(heard(), "Your cards already stand as the coach's best hold: " + aces);

  form->PlrCardBtnClick(4);  // the player keeps the Deuce: two thrown, not the best
  QSignalSpy verdict(coach, &TCoachBox::Verdict);
  form->DrawClick();
  ASSERT_EQ(verdict.count(), 1);
  EXPECT_TRUE(heard().contains(verdict.front().front().toString())) << voice->News().toStdString();
  form->DlrDrawTimer();
  form->DlrReplATimerTimer();
  form->pickAwinnerTimer();
  const HandHistory& kept = history->Recorder()->History();
  ASSERT_EQ(kept.Count(), 1);
  EXPECT_NE(kept.At(0).Call(), CoachCall::None) << "the history holds the coach's verdict";
}

}  // namespace
