// What the game remembers between runs: a second start shows the first one's choices, and a
// settings file that cannot be trusted starts exactly as a first run, without a word.
#include "table/remembered.h"

#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QTemporaryDir>
#include <memory>
#include <string_view>

#include "coach/coachbox.h"
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
  QLineEdit* Edit(const char* name) const { return Named<QLineEdit>(dialog.get(), name); }

  // The name is selected, so that the first key typed replaces it.
  void Expect(const QString& name, int back, bool randomize) const {
    EXPECT_EQ(Edit("PlrNameEdit")->selectedText(), name);
    EXPECT_EQ(Edit("PlrNameEdit")->text(), name);
    EXPECT_EQ(dialog->focusWidget(), Edit("PlrNameEdit"));
    EXPECT_TRUE(Shows(Named<QLabel>(dialog.get(), "CardPic"), back));
    EXPECT_EQ(Named<QCheckBox>(dialog.get(), "RandDeckChk")->isChecked(), randomize);
    EXPECT_EQ(DeckBackId, back);
    EXPECT_EQ(WelcomeDeckIndex, back - 60);
  }
  std::unique_ptr<TIntroDlg> dialog;
};

enum class Found { NoFile, File, Folder, EmptyHome, RelativeConfigHome };

// The settings found at the first start; then the player's choices, and the back they give.
struct Visit {
  const char* rule;
  Found found = Found::File;
  std::string_view content = {};
  const char* name = "Ann";
  int clicks = 1;
  bool randomize = false;
  int back = 61;
  const char* gone = nullptr;  // found in the file at first; never in it once the game wrote it
};

TEST(Remembered, SecondStartShowsTheFirstOnesChoicesUnlessTheFileIsUntrusted) {
  const Visit cases[] = {
      {"name_and_third_back", Found::NoFile, {}, "Ann", 3, false, 63},
      {"ten_letters_with_comma_and_blanks", Found::NoFile, {}, " Bo, Cy  D", 9, false, 69},
      {"randomize_leaves_the_back_as_it_was", Found::NoFile, {}, "Zoë", 2, true, 60},
      {"empty_name_stays_empty", Found::NoFile, {}, "", 0, false, 60},
      {"empty_home", Found::EmptyHome},
      {"garbage_and_debris", Found::File,
       "\177ELF\x01\x00[[\xff\n@Variant(\x7f)\n[D\n[Windows]\nCoachOpen=true\n"sv},
      {"wrong_types", Found::File,
       "[Player]\nName=@Point(1 2)\n[Deck]\nBack=@Variant(\\0\\x7f)\nRandomize=yes\n"
       "[Windows]\nTablePlace=12\nCoachOpen=@Rect(0 0 1 1)\n[Files]\nStatsFolder=@Size(1 1)\n"sv},
      {"out_of_range", Found::File,
       "[Player]\nName=Elevenchars\n[Deck]\nBack=70\n[Windows]\nTablePlace=@Point(-90000 0)\n"
       "[Files]\nStatsFolder=relative\n"sv},
      {"control_character_in_name", Found::File, "[Player]\nName=\"A\\tB\"\n[Deck]\nBack=59\n"sv},
      {"file_is_a_folder", Found::Folder, {}, "", 0, false, 60},
      {"junk_line_before_good_keys", Found::File, "\x01\x02garbage=1\n[Player]\nName=EvilA\n"sv, "Ann", 1,
       false, 61, "garbage"},
      {"unknown_keys_dropped", Found::File, "[Mystery]\nKey=1\n"sv, "Ann", 1, false, 61, "Mystery"},
      {"relative_config_home_ignored", Found::RelativeConfigHome},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.rule);
    FakePlatform platform;  // any message box fails the test
    QTemporaryDir home;
    QString file = home.filePath("brindlewharf/brindlewharf.conf");
    if (c.found == Found::Folder) QDir().mkpath(file);
    if (c.found == Found::File) {
      QDir().mkpath(home.filePath("brindlewharf"));
      QFile f(file);
      ASSERT_TRUE(f.open(QIODevice::WriteOnly));
      f.write(c.content.data(), static_cast<qint64>(c.content.size()));
    }
    if (c.found == Found::EmptyHome || c.found == Found::RelativeConfigHome) {
      const QByteArray realHome = qgetenv("HOME"), realConfig = qgetenv("XDG_CONFIG_HOME");
      qputenv("HOME", home.path().toLocal8Bit());
      qputenv("XDG_CONFIG_HOME", c.found == Found::EmptyHome ? "" : "relative/config");
      IgnoreRelativeXdgFolders();
      file = DefaultSettingsFile();
      qputenv("HOME", realHome);
      qputenv("XDG_CONFIG_HOME", realConfig);
      EXPECT_EQ(file, home.filePath(".config/brindlewharf/brindlewharf.conf"));
    }
    {
      Start first(file);
      first.Expect("", 60, false);
      EXPECT_FALSE(MoveToPlayersPlace(first.dialog.get(), GameWindow::Table));
      EXPECT_FALSE(RememberedOpen(GameWindow::Coach));
      EXPECT_EQ(RememberedStatsFolder(), "");
      first.Edit("PlrNameEdit")->setText(QString::fromUtf8(c.name));
      for (int i = 0; i < c.clicks; ++i) first.dialog->CardChangeClick();
      Named<QCheckBox>(first.dialog.get(), "RandDeckChk")->setChecked(c.randomize);
      first.Edit("BoxBetEdit")->setText("50");
      first.dialog->OKClick();
    }
    Start second(file);
    second.Expect(QString::fromUtf8(c.name), c.back, c.randomize);
    EXPECT_FALSE(RememberedOpen(GameWindow::Coach));
    if (c.gone) {
      QFile written(file);
      ASSERT_TRUE(written.open(QIODevice::ReadOnly));
      EXPECT_FALSE(written.readAll().contains(c.gone));
    }
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

  TCoachBox moved(&table);
  QDialog put;
  put.setGeometry(QRect(QPoint(40, 30), moved.size()));
  RememberGeometry(GameWindow::Coach, put.saveGeometry());
  moved.show();
  // Without a window manager the toolkit guesses the frame, within a few pixels.
  EXPECT_LE((moved.pos() - QPoint(40, 30)).manhattanLength(), 4) << moved.pos().x() << "," << moved.pos().y();

  QDir(home.path()).mkdir("stats");
  platform.SetSaveFileName(home.filePath("stats/game.bwf"));
  TStatBox().SaveSpBtnClick();
  EXPECT_EQ(RememberedStatsFolder(), home.filePath("stats"));
}

}  // namespace
