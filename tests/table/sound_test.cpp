// The table heard: a rigged game through the real wiring, with a stand-in output that writes down
// every sound it is asked for; the Sound item, on by default only beside a sound server; and the
// real output's silence where it has no module or no server.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "platform/settings.h"
#include "sound/modulesound.h"
#include "sound/soundoutput.h"
#include "table/mainform.h"
#include "table/tablestate.h"
#include "table/wiring.h"
#include "tests/support/cardnames.h"
#include "tests/table/tablefixture.h"

namespace {

using namespace cardnames;

// What the board asked for: the sounds by their files' names, "ready" and "stop".
struct Recording : SoundOutput {
  std::vector<std::string> asked;
  void Prepare() override { asked.push_back("ready"); }
  void Play(Sound s) override { asked.push_back(kSoundFiles[static_cast<std::size_t>(s)]); }
  void Stop() override { asked.push_back("stop"); }
};

// Two straights of the same ranks: the Dealer stands pat and the hand is a push.
const Hand kStraight{C(Two, H), C(Three, D), C(Four, Cl), C(Five, S), C(Six, H)};
const Hand kSameStraight{C(Two, D), C(Three, Cl), C(Four, S), C(Five, H), C(Six, D)};

// Puts an environment variable back as it was; setting it empty unsets it.
struct Environment {
  const char* name;
  QByteArray was = qgetenv(name);
  bool set = qEnvironmentVariableIsSet(name);
  ~Environment() { set ? qputenv(name, was) : qunsetenv(name); }
  void Set(const QByteArray& value) const { value.isEmpty() ? qunsetenv(name) : qputenv(name, value); }
};

using SoundTest = TableFixture;

TEST_F(SoundTest, ARiggedGameHeardInOrder) {
  UseSettingsFile({});
  Recording out;
  WireSound(form, &out);
  form->SoundItem()->setChecked(true);
  const auto tick = [&](int n) {
    while (n-- > 0) form->DealDelayTimer();
  };
  const auto pressM = [&] { QTest::keyClick(ui->BetEdit, Qt::Key_M); };
  const struct Step {
    const char* rule;
    std::function<void()> act;
    std::vector<std::string> heard;
  } steps[] = {
      {"nothing is opened before the game begins", [&] { OpenTable(); }, {}},
      {"the welcome's bet readies the output; the deal ticks are silent",
       [&] {
         PlayerName = "Ann";
         WelcomeDone = 1;
         CurrentBet = 10;
         RigNextDeal(kAces, kKingHigh, {C(Two, Cl), C(Four, D), C(Six, S), C(Eight, H), C(Three, Cl)});
         form->SplashTimeTimer();
         tick(9);
       },
       {"ready"}},
      {"the deal is heard once, when the cards are down", [&] { tick(1); }, {"deal"}},
      {"a card turned down, and up again",
       [&] {
         form->PlrCardBtnClick(4);
         form->PlrCardBtnClick(4);
       },
       {"card_down", "card_up"}},
      {"the draw deals the cards turned down",
       [&] {
         form->PlrCardBtnClick(2);
         form->PlrCardBtnClick(3);
         form->DrawClick();
       },
       {"card_down", "card_down", "deal"}},
      {"the Dealer draws three", [&] { form->DlrDrawTimer(); }, {"dealer_draws"}},
      {"two pair beat King high",
       [&] {
         form->DlrReplATimerTimer();
         form->pickAwinnerTimer();
       },
       {"win"}},
      {"M in the bet box turns the sound off, and what plays stops", pressM, {"stop"}},
      {"a hand with the sound off is silent",
       [&] {
         RigNextDeal(kAces, kKingHigh);
         PlayHand("10", {0, 0, 0, 1, 1});
       },
       {}},
      {"M again turns it on, ready at once", pressM, {"ready"}},
      {"a bill pushed onto the bet",
       [&] {
         const auto bill =
             std::find_if(MoneySlotValue.begin(), MoneySlotValue.end(), [](auto v) { return v > 0; });
         form->MoneySlotClick(static_cast<int>(bill - MoneySlotValue.begin()));
       },
       {"bills"}},
      {"a tie is a push, a pat Dealer is silent, and so is standing pat",
       [&] {
         RigNextDeal(kStraight, kSameStraight);
         PlayHand("10");
       },
       {"deal", "push"}},
      {"the hand that empties the bank is lost, then the game",
       [&] {
         RigNextDeal(kKingHigh, kAces, {C(Two, Cl), C(Four, D), C(Six, S)});
         PlayHand(QString::number(Bank));
       },
       {"deal", "dealer_draws", "loss", "broke"}},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.rule);
    step.act();
    EXPECT_EQ(std::exchange(out.asked, {}), step.heard);
  }
  EXPECT_EQ(State, TableState::Bankrupt);
  EXPECT_FALSE(ui->BetEdit->text().contains('m', Qt::CaseInsensitive));
}

TEST_F(SoundTest, OnByDefaultOnlyBesideASoundServer) {
  const Environment runtime{"XDG_RUNTIME_DIR"}, server{"PULSE_SERVER"};
  const struct Row {
    const char* rule;
    const char* pulseServer;
    const char* socket;  // made in the runtime folder
    const char* remembered;
    bool on;
  } rows[] = {
      {"no server and no choice: off", "", "", "", false},
      {"a server named in the environment", "unix:/run/elsewhere", "", "", true},
      {"a PulseAudio socket in the runtime folder", "", "pulse/native", "", true},
      {"a PipeWire socket in the runtime folder", "", "pipewire-0", "", true},
      {"the player's off beats a server", "", "pulse/native", "[Sound]\nOn=false\n", false},
      {"the player's on holds without one", "", "", "[Sound]\nOn=true\n", true},
      {"a damaged choice counts as none", "", "pulse/native", "[Sound]\nOn=2\n", true},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.rule);
    QTemporaryDir dir;
    runtime.Set(dir.path().toUtf8());
    server.Set(row.pulseServer);
    if (*row.socket) {
      QDir(dir.path()).mkpath(QFileInfo(dir.filePath(row.socket)).path());
      QFile(dir.filePath(row.socket)).open(QIODevice::WriteOnly);
    }
    QFile settings(dir.filePath("brindlewharf.conf"));
    ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
    settings.write(row.remembered);
    settings.close();
    UseSettingsFile(settings.fileName());
    TMainForm table;
    WireSound(&table, nullptr);
    EXPECT_EQ(table.SoundItem()->isChecked(), row.on);
    // The player's choice outlives every later write of the settings.
    table.SoundItem()->trigger();
    RememberName("Ann");
    EXPECT_EQ(RememberedSoundOn(row.on), !row.on);
  }
  UseSettingsFile({});
}

// Without the module, or with it but no sound server to play on, sounds are dropped in silence
// and the output closes at once.
TEST(ModuleSound, SilentWithoutTheModuleOrAServer) {
  QTemporaryDir empty;
  const Environment server{"PULSE_SERVER"};
  server.Set("unix:" + empty.filePath("no-server").toUtf8());
  for (const QString& folder : {empty.path(), QStringLiteral(BRINDLEWHARF_SOUND_MODULE_BUILT)}) {
    SCOPED_TRACE(folder.toStdString());
    ModuleSound out({folder});
    out.Prepare();
    out.Play(Sound::Win);
    out.Stop();
  }
}

}  // namespace
