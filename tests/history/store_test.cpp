// The hand-history database as the window meets it: whatever lies at its path, the game goes on,
// its hands are kept, nothing of the player's is lost and the player hears of it once; and an
// earlier game read back a page at a time.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <functional>

#include "history/archive.h"
#include "history/bankchart.h"
#include "history/historybox.h"
#include "history/recorder.h"
#include "tests/support/fakeplatform.h"
#include "tests/support/widgets.h"

namespace {

void WaitUntil(const std::function<bool()>& done) {
  QElapsedTimer t;
  t.start();
  while (!done() && t.elapsed() < 20'000) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

QByteArray Bytes(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void Write(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(bytes);
}

// A database of someone's, with pragmas and a table as given.
void Sqlite(const QString& path, const QStringList& statements) {
  {
    QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "laying");
    db.setDatabaseName(path);
    ASSERT_TRUE(db.open());
    QSqlQuery q(db);
    for (const QString& s : statements) ASSERT_TRUE(q.exec(s)) << s.toStdString();
  }
  QSqlDatabase::removeDatabase("laying");
}

// A game of hands hands, its bank wandering from 1000.
StoredGame WriteGame(HandStore& store, int hands) {
  const std::int64_t id = store.BeginGame("Ann", 1000, 1'800'000'000);
  GameTotals totals;
  for (int n = 1; n <= hands; ++n) {
    KeptHand h;
    h.entry.bet = 10;
    h.entry.bank = 1000 + (n * 37) % 211 - 100;
    h.entry.outcome = n % 3;
    h.number = n;
    totals.Add(h);
    EXPECT_TRUE(store.AddHand(id, h, totals));
  }
  return store.Games().front();
}

TEST(HandStore, WhateverLiesAtThePathTheGameGoesOnAndThePlayerHearsOnce) {
  struct Row {
    const char* rule;
    std::function<void(const QString&)> lay;
    StoreOpening::State state;
    const char* told;   // a part of the one message, or nothing said
    const char* aside;  // how the file is renamed with the date, or left
  };
  const Row rows[] = {
      {"no file yet is made", [](const QString&) {}, StoreOpening::Created, nullptr, nullptr},
      {"an empty file is ours to fill", [](const QString& p) { Write(p, {}); }, StoreOpening::Created,
       nullptr, nullptr},
      {"our own file opens as it is",
       [](const QString& p) {
         HandStore store;
         store.Open(p);
         WriteGame(store, 3);
       },
       StoreOpening::Opened, nullptr, nullptr},
      {"a file that is no database goes aside with its log",
       [](const QString& p) {
         Write(p, "the hands of last winter\n");
         Write(p + "-wal", "a log");
       },
       StoreOpening::Damaged, "could not be read", "damaged"},
      {"a database cut short goes aside",
       [](const QString& p) {
         {
           HandStore store;
           store.Open(p);
           WriteGame(store, 400);
         }
         QFile f(p);
         ASSERT_TRUE(f.resize(f.size() / 2));
       },
       StoreOpening::Damaged, "could not be read", "damaged"},
      {"another program's database goes aside",
       [](const QString& p) { Sqlite(p, {"CREATE TABLE recipes (name TEXT)"}); }, StoreOpening::Foreign,
       "belonged to another program", "foreign"},
      {"a newer version's file is left untouched",
       [](const QString& p) {
         Sqlite(p, {"PRAGMA application_id = 1113016386", "PRAGMA user_version = 99",
                    "CREATE TABLE games (id INTEGER PRIMARY KEY, tomorrow TEXT)"});
       },
       StoreOpening::Newer, "newer version", nullptr},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.rule);
    QTemporaryDir folder;
    const QString path = folder.filePath("keep/history.sqlite");
    QDir().mkpath(folder.filePath("keep"));
    row.lay(path);
    const QByteArray before = Bytes(path), log = Bytes(path + "-wal");
    const int gamesBefore = row.state == StoreOpening::Opened ? 1 : 0;
    {
      FakePlatform platform;
      if (row.told) platform.Expect("", "Hand History", StopOk);
      THistoryBox box;
      box.show();
      auto* tabs = Named<QTabWidget>(&box, "HistoryTabs");
      box.KeepHandsIn(path);
      WaitUntil([&] { return tabs->isTabVisible(THistoryBox::GamesTab); });
      // Two games of this run, one hand each: the first begins with the message, the second
      // says nothing more.
      HandRecorder& recorder = *box.Recorder();
      int written = 0;
      QObject::connect(box.Archive()->Writer(), &ArchiveWriter::HandWritten, &box, [&written] { ++written; });
      for (int game = 0; game < 2; ++game) {
        recorder.GameStarted(1000, "Ann");
        recorder.HandDealt({1, 2, 3, 4, 5}, {}, 10, 990);
        recorder.ShowdownSettled({.player = {1, 2, 3, 4, 5},
                                  .dealer = {14, 15, 16, 17, 18},
                                  .outcome = PlayerWins,
                                  .bet = 10,
                                  .pot = 20,
                                  .bank = 1010});
      }
      WaitUntil([&] { return written == 2; });
      tabs->setCurrentIndex(THistoryBox::GamesTab);
      EXPECT_EQ(Named<QTableView>(&box, "GamesView")->model()->rowCount(), gamesBefore + 2);
      ASSERT_EQ(platform.Shown().size(), row.told ? 1u : 0u);
      if (row.told) {
        EXPECT_TRUE(platform.Shown().front().text.contains(row.told));
      }
    }
    if (row.aside) {
      const QString aside = folder.filePath(QStringLiteral("keep/history.%1-%2.sqlite")
                                                .arg(row.aside, QDate::currentDate().toString(Qt::ISODate)));
      EXPECT_EQ(Bytes(aside), before);
      EXPECT_EQ(Bytes(aside + "-wal"), log);
    }
    if (row.state == StoreOpening::Newer) {
      EXPECT_EQ(Bytes(path), before);
      continue;
    }
    HandStore store;
    ASSERT_EQ(store.Open(path).state, StoreOpening::Opened);
    EXPECT_EQ(store.Games().size(), static_cast<std::size_t>(gamesBefore + 2));
  }
}

TEST(HandStore, AnEarlierGameReadAPageAtATime) {
  QTemporaryDir folder;
  const QString path = folder.filePath("history.sqlite");
  StoredGame game;
  BankLine runs;
  {
    HandStore store;
    ASSERT_EQ(store.Open(path).state, StoreOpening::Created);
    game = WriteGame(store, 600);
    runs = store.Chart(game, 0);
  }
  FakePlatform platform;
  THistoryBox box;
  box.show();
  box.KeepHandsIn(path);
  auto* tabs = Named<QTabWidget>(&box, "HistoryTabs");
  WaitUntil([&] { return tabs->isTabVisible(THistoryBox::GamesTab); });
  tabs->setCurrentIndex(THistoryBox::GamesTab);
  Named<QPushButton>(&box, "ShowHandsBtn")->click();
  EXPECT_EQ(tabs->currentIndex(), THistoryBox::HandsTab);

  QAbstractItemModel* model = Named<QTableView>(&box, "HandsView")->model();
  EXPECT_LT(model->rowCount(), 600);
  while (model->canFetchMore({})) model->fetchMore({});
  ASSERT_EQ(model->rowCount(), 600);
  for (int n : {600, 345, 257, 256, 1}) {
    EXPECT_EQ(model->index(600 - n, 0).data().toString(), QString::number(n));
    EXPECT_EQ(model->index(600 - n, 8).data().toString(),
              QStringLiteral("$%1").arg(1000 + (n * 37) % 211 - 100));
  }

  // The chart of every bank, and the same from the runs of 64 hands a long game reads.
  const QString said = Named<BankChart>(&box, "BankChart")->accessibleDescription();
  EXPECT_EQ(said, QStringLiteral("600 hands: started at $1000, now $%1, highest $1110, lowest $900")
                      .arg(1000 + (600 * 37) % 211 - 100));
  ASSERT_EQ(runs.columns.size(), 1u + 10u);  // the start, then 64 * 9 hands and 24
  EXPECT_EQ(runs.figures.highest, 1110);
  EXPECT_EQ(runs.figures.lowest, 900);
  EXPECT_EQ(runs.columns.back().last, 1000 + (600 * 37) % 211 - 100);
  EXPECT_EQ(runs.columns[1].first, 1000 + 37 - 100);

  // Export... writes the game shown, every hand of it, not the game in play.
  const QString csv = folder.filePath("earlier.csv");
  platform.SetSaveFileName(csv);
  box.ExportClick();
  const QList<QByteArray> lines = Bytes(csv).split('\n');
  ASSERT_EQ(lines.size(), 1 + 600 + 1);  // the header, the hands, and nothing after the last line end
  EXPECT_TRUE(lines[600].startsWith("Ann,600,10,")) << lines[600].toStdString();
}

}  // namespace
