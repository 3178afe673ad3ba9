// What the game remembers between runs: a second start shows the first one's choices, and a
// settings file that cannot be trusted starts exactly as a first run, without a word.
#include "table/remembered.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <string_view>

#include "coach/coachbox.h"
#include "decks/deckchoice.h"
#include "platform/settings.h"
#include "stats/statbox.h"
#include "table/introdlg.h"
#include "table/mainform.h"
#include "table/tablestate.h"
#include "table/wiring.h"
#include "tests/support/fakeplatform.h"
#include "tests/support/widgets.h"

namespace {

using namespace std::literals;

// One start of the program as far as the welcome dialog, with the settings in `file`.
struct Start {
  explicit Start(const QString& file) {
    ResetTableState();
    UseSettingsFile(file);
    RestoreDeckChoice();
    dialog = std::make_unique<TIntroDlg>();
    dialog->show();
  }
  ~Start() { UseSettingsFile({}); }

  QLineEdit* Name() const { return Named<QLineEdit>(dialog.get(), "PlrNameEdit"); }
  QCheckBox* Randomize() const { return Named<QCheckBox>(dialog.get(), "RandDeckChk"); }

  // What the player sees: the name box (and its selection, which the first key replaces), the
  // card, Randomize, and the back the first hand would use.
  void Expect(const QString& name, int back, bool randomize) const {
    EXPECT_EQ(Name()->text(), name);
    EXPECT_EQ(Name()->selectedText(), name);
    EXPECT_EQ(dialog->focusWidget(), Name());
    EXPECT_TRUE(Shows(Named<QLabel>(dialog.get(), "CardPic"), back));
    EXPECT_EQ(Randomize()->isChecked(), randomize);
    EXPECT_EQ(DeckBackId, back);
  }

  std::unique_ptr<TIntroDlg> dialog;
};

struct Choice {
  const char* rule;
  const char* name;
  int clicks;
  bool randomize;
  int back;
};

TEST(Remembered, SecondStartShowsTheFirstOnesChoices) {
  const Choice cases[] = {
      {"name_and_third_back", "Ann", 3, false, 63},
      {"ten_letters_with_comma_and_blanks", " Bo, Cy  D", 9, false, 69},
      {"randomize_leaves_the_back_as_it_was", "Zoë", 2, true, 60},
      {"empty_name_stays_empty", "", 0, false, 60},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.rule);
    FakePlatform platform;
    QTemporaryDir home;
    const QString file = home.filePath("brindlewharf/brindlewharf.conf");
    {
      Start first(file);
      first.Expect("", 60, false);
      first.Name()->setText(QString::fromUtf8(c.name));
      for (int i = 0; i < c.clicks; ++i) first.dialog->CardChangeClick();
      first.Randomize()->setChecked(c.randomize);
      Named<QLineEdit>(first.dialog.get(), "BoxBetEdit")->setText("50");
      first.dialog->OKClick();
    }
    Start second(file);
    second.Expect(QString::fromUtf8(c.name), c.back, c.randomize);
    EXPECT_EQ(WelcomeDeckIndex, c.back - 60);
    QTest::keyClicks(second.Name(), "Di");
    EXPECT_EQ(second.Name()->text(), "Di");
  }
}

enum class Place { File, Folder, EmptyHome };

struct Damage {
  const char* rule;
  std::string_view content;  // the file's bytes; empty: no file
  Place place;
  bool writable;
};

TEST(Remembered, UntrustedSettingsStartAsAFirstRun) {
  const Damage cases[] = {
      {"no_file", {}, Place::File, true},
      {"garbage_bytes",
       "\x7f"
       "ELF\x01\x00[[=\xff\n\x01@Variant(\x7f\x03)\n[Deck\n[Windows]\nCoachOpen=true\n"sv,
       Place::File, true},
      {"wrong_types",
       "[Player]\nName=@Point(1 2)\n[Deck]\nBack=@Variant(\\0\\0\\0\\x7f)\nRandomize=perhaps\n"
       "[Windows]\nTablePlace=12\nCoachOpen=@Rect(0 0 1 1)\n[Files]\nStatsFolder=@Size(1 1)\n",
       Place::File, true},
      {"out_of_range",
       "[Player]\nName=Elevenchars\n[Deck]\nBack=70\n[Windows]\nTablePlace=@Point(-90000 -90000)\n"
       "[Files]\nStatsFolder=relative/folder\n",
       Place::File, true},
      {"control_character_in_name", "[Player]\nName=\"A\\tB\"\n[Deck]\nBack=59\n", Place::File, true},
      {"file_is_a_folder", {}, Place::Folder, false},
      {"empty_home", {}, Place::EmptyHome, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.rule);
    FakePlatform platform;  // any message box fails the test
    QTemporaryDir home;
    QString file = home.filePath("brindlewharf.conf");
    if (c.place == Place::EmptyHome) {
      const QByteArray realHome = qgetenv("HOME"), realConfig = qgetenv("XDG_CONFIG_HOME");
      qputenv("HOME", home.path().toLocal8Bit());
      qputenv("XDG_CONFIG_HOME", "");
      file = DefaultSettingsFile();
      qputenv("HOME", realHome);
      qputenv("XDG_CONFIG_HOME", realConfig);
      EXPECT_TRUE(file.startsWith(home.path() + "/.config/brindlewharf/")) << file.toStdString();
    }
    if (!c.content.empty()) {
      QFile f(file);
      ASSERT_TRUE(f.open(QIODevice::WriteOnly));
      f.write(c.content.data(), static_cast<qint64>(c.content.size()));
    }
    if (c.place == Place::Folder) QDir(home.path()).mkdir("brindlewharf.conf");
    {
      Start start(file);
      start.Expect("", 60, false);
      QWidget window;
      EXPECT_FALSE(MoveToPlayersPlace(&window, GameWindow::Table));
      EXPECT_FALSE(RememberedOpen(GameWindow::Coach));
      EXPECT_EQ(RememberedStatsFolder(), "");
      start.Name()->setText("Ann");
      Named<QLineEdit>(start.dialog.get(), "BoxBetEdit")->setText("50");
      start.dialog->OKClick();
    }
    Start again(file);
    again.Expect(c.writable ? "Ann" : "", 60, false);
    EXPECT_FALSE(RememberedOpen(GameWindow::Coach));
  }
}

// The windows the player opens and moves, and the folder of the statistics file, come back.
TEST(Remembered, WindowsAndStatsFolderComeBack) {
  FakePlatform platform;
  QTemporaryDir home;
  Start start(home.filePath("brindlewharf.conf"));
  TMainForm table;
  auto* coach = new TCoachBox(&table);
  WireCoach(&table, coach);
  coach->Toggle();
  EXPECT_TRUE(RememberedOpen(GameWindow::Coach));
  coach->Toggle();
  EXPECT_FALSE(RememberedOpen(GameWindow::Coach));

  RememberPlace(GameWindow::Coach, QPoint(40, 30));
  TCoachBox moved(&table);
  moved.show();
  EXPECT_EQ(moved.pos(), QPoint(40, 30));

  QDir(home.path()).mkdir("stats");
  platform.SetSaveFileName(home.filePath("stats/game.bwf"));
  TStatBox stats;
  stats.SaveSpBtnClick();
  EXPECT_EQ(RememberedStatsFolder(), home.filePath("stats"));
}

}  // namespace
