// Hostile input at every door the game opens to the player's files and keyboard: a name that
// looks like markup, a file that is no file, a disk that fills up, a name a spreadsheet would
// run. Each row names the rule it would break.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QAccessible>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <atomic>
#include <chrono>
#include <functional>
#include <future>
#include <thread>

#include "history/historybox.h"
#include "history/recorder.h"
#include "stats/gamestats.h"
#include "stats/statbox.h"
#include "stats/statsfile.h"
#include "table/introdlg.h"
#include "table/mainform.h"
#include "table/tablestate.h"
#include "tests/support/fakeplatform.h"
#include "tests/support/widgets.h"

namespace {

enum class Door { OpenStats, SaveStats, ExportHistory, WelcomeName };
enum class Target { File, Pipe, Folder, Device, FullDisk };

struct Hostile {
  const char* rule;
  Door door;
  Target target;
  const char* input;    // the name: in the file, the welcome dialog or the game
  const char* caption;  // the message box the player is shown; nullptr for none
  const char* shown;    // what the player then reads: the best-hand title, or the CSV's name cell
};

// Resident memory in kilobytes.
long ResidentKb() {
  QFile status("/proc/self/status");
  if (!status.open(QIODevice::ReadOnly)) return 0;
  for (const QByteArray& line : status.readAll().split('\n'))
    if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').front().toLong();
  return 0;
}

// While it lives, every write past a file's first few bytes fails, as on a full disk.
struct FullDisk {
  FullDisk() {
    signal(SIGXFSZ, SIG_IGN);
    rlimit tiny = old;
    tiny.rlim_cur = 16;
    setrlimit(RLIMIT_FSIZE, &tiny);
  }
  ~FullDisk() { setrlimit(RLIMIT_FSIZE, &old); }
  rlimit old = [] {
    rlimit r{};
    getrlimit(RLIMIT_FSIZE, &r);
    return r;
  }();
};

QByteArray Contents(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(none)");
}

// A pipe holds whoever opens it for reading until somebody writes to it: false when open() had
// to be let go that way.
bool DoneWithoutWaiting(const QString& pipe, const std::function<void()>& open) {
  std::promise<void> done;
  std::atomic<bool> freed = false;
  std::thread watch([&freed, fifo = pipe.toLocal8Bit(), finished = done.get_future()] {
    if (finished.wait_for(std::chrono::seconds(10)) == std::future_status::ready) return;
    freed = true;
    ::close(::open(fifo.constData(), O_WRONLY | O_NONBLOCK));
  });
  open();
  done.set_value();
  watch.join();
  return !freed;
}

// Every label showing the text shows it literally: as plain text, and with no mnemonic to eat a
// "&" (a screen reader is told what is shown).
void ExpectShownLiterally(QWidget* window, const QString& text) {
  int found = 0;
  for (QLabel* label : window->findChildren<QLabel*>()) {
    if (!label->text().contains(text)) continue;
    ++found;
    SCOPED_TRACE(label->objectName().toStdString());
    ASSERT_EQ(label->textFormat(), Qt::PlainText);
    EXPECT_EQ(label->buddy(), nullptr);
    EXPECT_TRUE(QAccessible::queryAccessibleInterface(label)->text(QAccessible::Name).contains(text));
  }
  EXPECT_GT(found, 0) << text.toStdString() << " is shown nowhere";
}

TEST(Hostile, EveryDoorRefusesOrShowsLiterallyAndLosesNothing) {
  const Hostile cases[] = {
      {"name_from_a_file_is_no_image", Door::OpenStats, Target::File, "<img src=/dev/zero>", nullptr,
       "<img src=/dev/zero>'s Best Hand:"},
      {"name_from_a_file_is_no_heading", Door::OpenStats, Target::File, "<h1>Bob", nullptr,
       "<h1>Bob's Best Hand:"},
      {"ampersand_from_a_file_is_a_letter", Door::OpenStats, Target::File, "R&D", nullptr,
       "R&D's Best Hand:"},
      {"pipe_is_refused_without_waiting", Door::OpenStats, Target::Pipe, "Ann", "File Open Error #1",
       nullptr},
      {"folder_is_refused", Door::OpenStats, Target::Folder, "Ann", "File Open Error #1", nullptr},
      {"device_is_refused", Door::OpenStats, Target::Device, "Ann", "File Open Error #1", nullptr},
      {"full_disk_keeps_the_old_statistics", Door::SaveStats, Target::FullDisk, "Ann", "Save Error", nullptr},
      {"full_disk_keeps_the_old_export", Door::ExportHistory, Target::FullDisk, "Ann", "Export Error",
       nullptr},
      {"typed_line_break_is_refused", Door::WelcomeName, Target::File, "Bo\nb", "Illegal Name Entry",
       nullptr},
      {"typed_tab_is_refused", Door::WelcomeName, Target::File, "Bo\tb", "Illegal Name Entry", nullptr},
      {"typed_paragraph_separator_is_refused", Door::WelcomeName, Target::File, "Bo\u2029b",
       "Illegal Name Entry", nullptr},
      {"typed_markup_is_a_name", Door::WelcomeName, Target::File, "<h1>Bob", nullptr, "<h1>Bob"},
      {"typed_ampersand_is_a_name", Door::WelcomeName, Target::File, "R&D", nullptr, "R&D"},
      {"formula_equals_is_text", Door::ExportHistory, Target::File, "=1+2", nullptr, "'=1+2"},
      {"formula_plus_is_text", Door::ExportHistory, Target::File, "+SUM(1)", nullptr, "'+SUM(1)"},
      {"formula_minus_is_text", Door::ExportHistory, Target::File, "-2+3", nullptr, "'-2+3"},
      {"formula_at_is_text", Door::ExportHistory, Target::File, "@A1", nullptr, "'@A1"},
      {"quote_in_a_formula_doubled", Door::ExportHistory, Target::File, "=\"x\"", nullptr, "'=\"x\""},
  };
  for (const Hostile& c : cases) {
    SCOPED_TRACE(c.rule);
    ResetGameStats();
    ResetTableState();
    FakePlatform platform;
    QTemporaryDir dir;
    const QString name = QString::fromUtf8(c.input);
    QString path = dir.filePath("game.bwf");
    switch (c.target) {
      case Target::File:
      case Target::FullDisk:
        break;
      case Target::Pipe:
        ASSERT_EQ(mkfifo(path.toLocal8Bit().constData(), 0600), 0);
        break;
      case Target::Folder:
        QDir().mkpath(path);
        break;
      case Target::Device:
        ASSERT_TRUE(QFile::link("/dev/zero", path));
        break;
    }

    switch (c.door) {
      case Door::OpenStats: {
        if (c.target == Target::File) {
          QFile file(path);
          ASSERT_TRUE(file.open(QIODevice::WriteOnly));
          file.write(FormatStatsFile({}, name.toStdString(), MakeSaveStamp(2026, 12, 9, 9, 30, 0)).c_str());
        }
        if (c.caption) platform.Expect("", c.caption, StopOk);
        TStatBox box;
        box.show();
        platform.SetOpenFileName(path);
        EXPECT_TRUE(DoneWithoutWaiting(path, [&] { box.OpenSpBtnClick(); }));
        if (!c.shown) {
          EXPECT_EQ(box.windowTitle(), "Current Game Statistics") << "a refused file changes nothing";
          break;
        }
        EXPECT_EQ(Named<QLabel>(&box, "plrBestTitleLabl")->text(), c.shown);
        ExpectShownLiterally(&box, name);
        if (::testing::Test::HasFatalFailure()) break;  // as markup, painting would load the "image"
        const long before = ResidentKb();
        for (int i = 0; i < 3; ++i) box.grab();
        EXPECT_LT(ResidentKb() - before, 20'000) << "kB grown by painting the window";
        break;
      }
      case Door::SaveStats:
      case Door::ExportHistory: {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("old");
        old.close();
        if (c.target == Target::File) QFile::remove(path);
        platform.SetSaveFileName(path);
        if (c.target == Target::FullDisk)
          platform.Expect("",
                          c.door == Door::SaveStats ? "Overwrite Existing Stat File" : "Export Hand History",
                          QuestionYesNoCancel, MessageAnswer::Yes);
        if (c.caption) platform.Expect("", c.caption, StopOk);
        std::function<void()> save;
        TStatBox stats;
        THistoryBox history;
        PlayerName = name;
        if (c.door == Door::SaveStats) {
          save = [&] { stats.SaveSpBtnClick(); };
        } else {
          HandRecorder* recorder = history.Recorder();
          recorder->GameStarted(1000, name);
          recorder->ShowdownSettled({.player = {1, 2, 3, 4, 5},
                                     .dealer = {6, 7, 8, 9, 10},
                                     .outcome = PlayerWins,
                                     .bet = 10,
                                     .pot = 20,
                                     .bank = 1010});
          save = [&] { history.ExportClick(); };
        }
        if (c.target == Target::FullDisk) {
          FullDisk full;
          save();
          EXPECT_EQ(Contents(path), "old");
          break;
        }
        save();
        const QByteArray csv = Contents(path);
        EXPECT_TRUE(csv.startsWith("\xEF\xBB\xBF")) << "UTF-8 said at the start";
        QString quoted = QString::fromUtf8(c.shown);
        quoted.replace("\"", "\"\"");
        EXPECT_TRUE(QString::fromUtf8(csv).contains("\r\n\"" + quoted + "\",1,")) << csv.toStdString();
        break;
      }
      case Door::WelcomeName: {
        if (c.caption) platform.Expect("", c.caption, StopOk);
        TIntroDlg dialog;
        dialog.show();
        Named<QLineEdit>(&dialog, "PlrNameEdit")->setText(name);
        Named<QLineEdit>(&dialog, "BoxBetEdit")->setText("50");
        dialog.OKClick();
        EXPECT_EQ(WelcomeDone, c.caption ? 0 : 1);
        if (!c.shown) break;
        TMainForm table;
        table.SplashTime->stop();
        WelcomeDone = 1;
        table.SplashTimeTimer();
        ExpectShownLiterally(&table, name);
        TStatBox stats;
        stats.show();
        ExpectShownLiterally(&stats, name);
        break;
      }
    }
  }
}

}  // namespace
