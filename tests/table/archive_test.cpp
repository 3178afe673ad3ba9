// Hands played through the real table and wiring into a hand-history database in a temporary
// folder: closed and opened again, it holds every hand as the window kept it and the lifetime
// figures and leaks exact; and the same when the program is killed between hands (a child
// process playing the same game, killed with SIGKILL).
#include "history/archive.h"

#include <signal.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <iostream>

#include "history/historybox.h"
#include "history/recorder.h"
#include "stats/gamestats.h"
#include "table/handevents.h"
#include "table/mainform.h"
#include "table/tablestate.h"
#include "table/wiring.h"
#include "tests/table/tablefixture.h"

namespace {

using namespace cardnames;

constexpr char kChildVariable[] = "BRINDLEWHARF_ARCHIVE_CHILD";

// A rigged hand and what the coach said of the draw (place 0: nothing).
struct Step {
  Hand player, dealer;
  const char* bet;  // empty: the whole bank
  SlotFlags discards;
  std::int32_t place;
  double dollarsBelow;
  SlotFlags best;
  bool newGameAfter;
};
const std::vector<CardCode> kThen{C(Two, Cl), C(Four, D), C(Six, S), C(Eight, H), C(Three, Cl), C(Five, D)};
const Step kSession[] = {
    {kAces, kKingHigh, "10", {0, 0, 1, 1, 1}, 1, 0, {0, 0, 1, 1, 1}, false},
    {kKingHigh, kAces, "20", {}, 4, 3.25, {0, 0, 1, 1, 1}, false},              // stood pat
    {kAces, kKingHigh, "30", {0, 1, 1, 1, 0}, 6, 7.5, {0, 0, 1, 1, 1}, false},  // broke the pair
    {kKingHigh, kAces, "40", {}, 0, 0, {}, true},
    {kAces, kKingHigh, "50", {}, 1, 0, {}, false},
    {kKingHigh, kAces, "", {}, 0, 0, {}, false},  // the whole bank, lost
};
constexpr int kChildHands = 3;

class ArchiveTest : public TableFixture {
 protected:
  void SetUp() override {
    TableFixture::SetUp();
    ASSERT_TRUE(folder.isValid());
    // The child of the kill test writes where it is told.
    path = qEnvironmentVariableIsSet(kChildVariable) ? qEnvironmentVariable(kChildVariable)
                                                     : folder.filePath("history.sqlite");
    history = std::make_unique<THistoryBox>(form);
    history->KeepHandsIn(path);
    WireHistory(form, history.get());
    QObject::connect(history->Archive()->Writer(), &ArchiveWriter::HandWritten, form, [this] { ++written; });
    QObject::connect(history->Recorder(), &HandRecorder::HandKept, form,
                     [this](const KeptHand& h) { kept.push_back(h); });
    QObject::connect(form->Events, &HandEvents::ShowdownSettled, form,
                     [this](const ShowdownRecord& r) { showdowns.back().push_back(r); });
  }
  void TearDown() override {
    history.reset();
    TableFixture::TearDown();
  }

  // The welcome dialog's name and first bet taken, then the steps: the first hand is dealt by
  // the handover, as in the player's game. With stopAt, the hand of that step is dealt and left.
  void Play(int steps, int stopAt = -1) {
    PlayerName = "Ann";
    WelcomeDone = 1;
    showdowns.emplace_back();
    for (int i = 0; i < steps || i == stopAt; ++i) {
      const Step& s = kSession[i];
      RigNextDeal(s.player, s.dealer, kThen);
      if (i == 0) {
        CurrentBet = 10;
        form->SplashTimeTimer();
      } else {
        ui->BetEdit->setText(*s.bet ? QString(s.bet) : QString::number(Bank));
        form->BetClick();
      }
      RunDeal();
      if (i == stopAt) return;
      if (s.place > 0) history->Recorder()->CoachVerdict(s.place, s.dollarsBelow, s.best);
      for (int slot = 0; slot < 5; ++slot)
        if (s.discards[slot]) form->PlrCardBtnClick(slot);
      DrawAndSettle();
      if (s.newGameAfter) {
        platform->Expect("Save current stats?", "New Game", QuestionYesNoCancel, MessageAnswer::No);
        ui->NewGame->trigger();
        showdowns.emplace_back();
      }
    }
  }

  void WaitForWrites(int hands) {
    QElapsedTimer waited;
    waited.start();
    while (written < hands && waited.elapsed() < 60'000) {
      QCoreApplication::processEvents();
      QThread::msleep(2);
    }
    ASSERT_EQ(written, hands);
  }

  // The figures of the games played, folded from the showdowns the table reported.
  LifetimeFigures Expected(std::size_t games) const {
    LifetimeFigures f;
    for (std::size_t g = 0; g < games; ++g) {
      if (showdowns[g].empty()) continue;
      ++f.games;
      std::int64_t run = 0;
      for (const ShowdownRecord& r : showdowns[g]) {
        GameTotals& t = f.totals;
        ++t.hands;
        t.largestPot = std::max<std::int64_t>(t.largestPot, r.pot);
        t.bestHand = std::max(t.bestHand, RankKey(r.playerRank));
        if (r.outcome == PlayerWins) {
          ++t.won, t.moneyWon += r.bet, run = std::max<std::int64_t>(run, 0) + 1;
          t.winStreak = std::max(t.winStreak, run);
        } else if (r.outcome == DealerWins) {
          ++t.lost, t.moneyLost += r.bet, run = std::min<std::int64_t>(run, 0) - 1;
          t.lossStreak = std::max(t.lossStreak, -run);
        } else {
          ++t.pushed;
        }
        if (r.bank == 0) ++f.bankruptcies;
      }
    }
    return f;
  }

  // What the database file holds, opened afresh, against what the window kept and the table said.
  void ExpectKept(const QString& file, std::size_t games, GameEnd lastEnd) {
    HandStore store;
    ASSERT_EQ(store.Open(file).state, StoreOpening::Opened) << store.LastError().toStdString();
    const std::vector<StoredGame> stored = store.Games();
    ASSERT_EQ(stored.size(), games);
    std::size_t k = 0;
    for (std::size_t g = 0; g < games; ++g) {
      const StoredGame& game = stored[games - 1 - g];
      EXPECT_EQ(game.player, "Ann");
      EXPECT_EQ(game.end, g + 1 < games ? GameEnd::NewGame : lastEnd);
      EXPECT_EQ(game.endBank, showdowns[g].back().bank);
      const std::vector<HandEntry> hands = store.Hands(game, game.hands, 100);  // newest first
      ASSERT_EQ(hands.size(), showdowns[g].size());
      for (auto h = hands.rbegin(); h != hands.rend(); ++h, ++k) {
        const HandEntry& a = *h;
        const HandEntry& b = kept[k].entry;
        EXPECT_TRUE(a.bet == b.bet && a.bank == b.bank && a.dealt == b.dealt && a.drawn == b.drawn &&
                    a.dealer == b.dealer && a.discards == b.discards && a.Result() == b.Result() &&
                    a.Call() == b.Call() && a.centsBelow == b.centsBelow && a.bestHold == b.bestHold &&
                    a.playerCategory == b.playerCategory && a.dealerCategory == b.dealerCategory &&
                    a.bankrupt == (lastEnd == GameEnd::Bankrupt && g + 1 == games && h == hands.rend() - 1))
            << "hand " << k + 1;
      }
    }
    ASSERT_EQ(k, kept.size());

    const LifetimeFigures want = Expected(games), got = store.Lifetime().front();
    const GameTotals &w = want.totals, &t = got.totals;
    const std::int64_t wanted[] = {want.games, want.bankruptcies, w.hands,     w.won,
                                   w.lost,     w.pushed,          w.moneyWon,  w.moneyLost,
                                   w.bestHand, w.largestPot,      w.winStreak, w.lossStreak};
    const std::int64_t read[] = {got.games,  got.bankruptcies, t.hands,     t.won,
                                 t.lost,     t.pushed,         t.moneyWon,  t.moneyLost,
                                 t.bestHand, t.largestPot,     t.winStreak, t.lossStreak};
    for (std::size_t i = 0; i < std::size(read); ++i) EXPECT_EQ(read[i], wanted[i]) << "figure " << i;

    // The coach's verdicts: a stood pat at $3.25 and a broken pair at $7.50, costliest first.
    const LeakReport leaks = store.Leaks();
    EXPECT_EQ(leaks.judged, games == 1 ? 3 : 4);
    EXPECT_EQ(leaks.cents, 1075);
    ASSERT_EQ(leaks.kinds.size(), 2u);
    EXPECT_EQ(leaks.kinds[0].leak, DrawLeak::BrokePair);
    EXPECT_EQ(leaks.kinds[0].example.number, 3);
    EXPECT_EQ(leaks.kinds[0].example.dealt, kAces);
    EXPECT_EQ(leaks.kinds[1].leak, DrawLeak::StoodPat);
    EXPECT_EQ(leaks.kinds[1].cents, 325);
  }

  QTemporaryDir folder;
  QString path;
  std::unique_ptr<THistoryBox> history;
  int written = 0;
  std::vector<KeptHand> kept;
  std::vector<std::vector<ShowdownRecord>> showdowns;
};

TEST_F(ArchiveTest, EveryHandAndTheLifetimeFiguresKeptThroughAClose) {
  Play(static_cast<int>(std::size(kSession)));
  ASSERT_EQ(State, TableState::Bankrupt);
  WaitForWrites(static_cast<int>(std::size(kSession)));
  history.reset();  // the program's end: the writer finishes first
  ExpectKept(path, 2, GameEnd::Bankrupt);
}

TEST_F(ArchiveTest, EveryHandKeptThroughAKillBetweenHands) {
  const QString childs = folder.filePath("child.sqlite");
  QProcess child;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(kChildVariable, childs);
  // Nothing of the child's outlives this test's folder, nor reaches the real home.
  env.insert("XDG_DATA_HOME", folder.path());
  env.insert("TMPDIR", folder.path());
  child.setProcessEnvironment(env);
  child.start(
      QCoreApplication::applicationFilePath(),
      {"--gtest_also_run_disabled_tests", "--gtest_filter=ArchiveTest.DISABLED_ChildPlaysUntilKilled"});
  QByteArray out;
  while (!out.contains("written") && child.waitForReadyRead(120'000)) out += child.readAllStandardOutput();
  ASSERT_TRUE(out.contains("written")) << out.toStdString();
  ::kill(static_cast<pid_t>(child.processId()), SIGKILL);
  ASSERT_TRUE(child.waitForFinished(30'000));
  EXPECT_EQ(child.exitStatus(), QProcess::CrashExit);

  // This process plays the same hands into a file of its own, to know what the child's holds.
  Play(kChildHands);
  ExpectKept(childs, 1, GameEnd::InPlay);
}

// The child of the test above: plays its hands into the file it is given, says so once they
// are written, deals one more and waits to be killed.
TEST_F(ArchiveTest, DISABLED_ChildPlaysUntilKilled) {
  if (!qEnvironmentVariableIsSet(kChildVariable))
    GTEST_SKIP() << "run by EveryHandKeptThroughAKillBetweenHands";
  Play(kChildHands, kChildHands);
  WaitForWrites(kChildHands);
  if (HasFatalFailure()) return;
  std::cout << "written" << std::endl;
  QEventLoop().exec();
}

}  // namespace
