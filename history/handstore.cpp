#include "history/handstore.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QStringList>
#include <QVariant>
#include <algorithm>
#include <atomic>
#include <cstring>

// The layout. Cards are written as a player writes them ("Ah Td 8h 5c 2s"), hands as RankKey
// numbers and everything else as the numbers of the game's own codes, so that the file reads
// the same in every language. A game's row carries its running figures, so that the lifetime
// figures add up games rather than hands; bank_runs carries the bank's range over every 64 hands
// of a game, so that the chart of a game of a million hands reads a few thousand rows.
namespace {

constexpr int kVersion = 1;
constexpr int kApplicationId = 0x42574842;  // "BWHB": the file is ours
constexpr int kRunLength = 64;

// Each step brings the layout from the version before it to its own; a new version adds a step.
// The comments stay in the file, where any SQLite tool shows them with the tables.
const char* const kMigrations[kVersion] = {
    // 1: the first layout.
    R"(CREATE TABLE games (
  id INTEGER PRIMARY KEY,
  player TEXT NOT NULL,
  started INTEGER NOT NULL,  -- seconds since 1970, UTC
  ended INTEGER,
  result INTEGER NOT NULL DEFAULT 0,  -- 0 in play or cut off, 1 new game, 2 bankrupt, 3 quit
  start_bank INTEGER NOT NULL,
  end_bank INTEGER NOT NULL,
  -- the game's figures so far
  hands INTEGER NOT NULL DEFAULT 0,
  won INTEGER NOT NULL DEFAULT 0,
  lost INTEGER NOT NULL DEFAULT 0,
  pushed INTEGER NOT NULL DEFAULT 0,
  money_won INTEGER NOT NULL DEFAULT 0,
  money_lost INTEGER NOT NULL DEFAULT 0,
  best_hand INTEGER,  -- as hands.player_hand
  largest_pot INTEGER NOT NULL DEFAULT 0,
  win_streak INTEGER NOT NULL DEFAULT 0,
  loss_streak INTEGER NOT NULL DEFAULT 0,
  judged INTEGER NOT NULL DEFAULT 0,  -- hands the coach had a verdict on
  cents_below INTEGER NOT NULL DEFAULT 0  -- what the draws below the coach's best cost
);
CREATE TABLE hands (
  game INTEGER NOT NULL,  -- games.id
  n INTEGER NOT NULL,  -- 1 the game's first hand
  played INTEGER NOT NULL,  -- seconds since 1970, UTC
  bet INTEGER NOT NULL,
  bank INTEGER NOT NULL,  -- after the payout
  dealt TEXT NOT NULL,  -- the player's five cards before the draw: Ah Td 8h 5c 2s
  discards INTEGER NOT NULL,  -- bit s set: the card in slot s (0 the leftmost) was thrown
  drawn TEXT NOT NULL,
  dealer TEXT NOT NULL,  -- the Dealer's final hand
  player_hand INTEGER NOT NULL,  -- the final hand's rank: greater is better, category = value >> 23
  dealer_hand INTEGER NOT NULL,
  outcome INTEGER NOT NULL,  -- 0 push, 1 won, 2 lost
  coach INTEGER NOT NULL,  -- 0 no verdict, 1 best, 2 as good as best, 3 below the best
  best_hold INTEGER,  -- the coach's best hold, as discards
  cents_below INTEGER NOT NULL DEFAULT 0,
  leak INTEGER NOT NULL DEFAULT 0,  -- the kind of mistake, 0 none: game/leak.h
  PRIMARY KEY (game, n)
) WITHOUT ROWID;
CREATE INDEX hands_by_leak ON hands (leak, cents_below) WHERE leak <> 0;
-- the bank over each 64 hands of a game, for the chart of a long one
CREATE TABLE bank_runs (
  game INTEGER NOT NULL,
  run INTEGER NOT NULL,  -- hands 64 * run + 1 to 64 * run + 64
  first INTEGER NOT NULL,
  last INTEGER NOT NULL,
  low INTEGER NOT NULL,
  high INTEGER NOT NULL,
  PRIMARY KEY (game, run)
) WITHOUT ROWID;
)",
};

constexpr char kRanks[] = "23456789TJQKA";
constexpr char kSuits[] = "hdcs";

QString CardsText(const HandEntry::Cards& cards) {
  QString text;
  for (std::uint8_t card : cards) {
    if (!text.isEmpty()) text += QLatin1Char(' ');
    if (card < 1 || card > 52) {
      text += QLatin1String("??");
      continue;
    }
    text += QLatin1Char(kRanks[RankOf(card)]);
    text += QLatin1Char(kSuits[SuitOf(card)]);
  }
  return text;
}

// A card that does not read as one is 0, which every window shows as unknown.
HandEntry::Cards CardsOf(const QString& text) {
  HandEntry::Cards cards{};
  const QStringList words = text.split(QLatin1Char(' '));
  for (qsizetype i = 0; i < std::min<qsizetype>(words.size(), 5); ++i) {
    const QString& w = words[i];
    if (w.size() != 2) continue;
    const char* rank = std::strchr(kRanks, w[0].toLatin1());
    const char* suit = std::strchr(kSuits, w[1].toLatin1());
    if (w[0].toLatin1() == 0 || w[1].toLatin1() == 0 || !rank || !suit) continue;
    cards[static_cast<std::size_t>(i)] =
        static_cast<std::uint8_t>(13 * (suit - kSuits) + (rank - kRanks) + 1);
  }
  return cards;
}

std::uint8_t Category(std::int32_t key) { return static_cast<std::uint8_t>(std::clamp(key >> 23, 0, 9)); }

QString SqlError(const QSqlQuery& q) { return q.lastError().text(); }

}  // namespace

std::int32_t RankKey(const HandRank& rank) {
  std::int32_t key = std::clamp(rank[CategoryField], 0, 9);
  for (int f = 1; f <= 5; ++f) key = key * 16 + std::clamp(rank[f], 0, 15);
  return key * 8 + std::clamp(rank[SuitField], 0, 7);
}

HandRank RankOfKey(std::int32_t key) {
  HandRank rank{};
  rank[SuitField] = key & 7;
  key >>= 3;
  for (int f = 5; f >= 1; --f, key >>= 4) rank[f] = key & 15;
  rank[CategoryField] = key;
  return rank;
}

void GameTotals::Add(const KeptHand& hand) {
  const HandEntry& e = hand.entry;
  ++hands;
  endBank = e.bank;
  largestPot = std::max<std::int64_t>(largestPot, 2LL * e.bet);
  bestHand = std::max(bestHand, hand.playerKey);
  if (e.Result() == PlayerWins) {
    ++won;
    moneyWon += e.bet;
    streak = streak > 0 ? streak + 1 : 1;
    winStreak = std::max(winStreak, streak);
  } else if (e.Result() == DealerWins) {
    ++lost;
    moneyLost += e.bet;
    streak = streak < 0 ? streak - 1 : -1;
    lossStreak = std::max(lossStreak, -streak);
  } else {
    ++pushed;
  }
  if (e.Call() != CoachCall::None) ++judged;
  centsBelow += e.centsBelow;
}

HandStore::HandStore() {
  static std::atomic<int> made{0};
  name_ = QStringLiteral("hands-%1").arg(++made);
}

HandStore::~HandStore() { Close(); }

bool HandStore::IsOpen() const { return QSqlDatabase::database(name_, false).isOpen(); }

void HandStore::Close() {
  writes_ = {};
  if (!QSqlDatabase::contains(name_)) return;
  QSqlDatabase::database(name_, false).close();
  QSqlDatabase::removeDatabase(name_);
}

bool HandStore::Connect(const QString& path, bool readOnly) {
  Close();
  QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name_);
  db.setDatabaseName(path);
  if (readOnly) db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
  if (db.open()) return true;
  error_ = db.lastError().text();
  return false;
}

bool HandStore::Exec(const QString& sql) {
  QSqlQuery q(QSqlDatabase::database(name_, false));
  if (q.exec(sql)) return true;
  error_ = SqlError(q);
  return false;
}

HandStore::Verdict HandStore::Inspect(int& version) {
  QSqlQuery q(QSqlDatabase::database(name_, false));
  // A file that is no database at all fails the first statement.
  if (!q.exec(QStringLiteral("PRAGMA quick_check")) || !q.next() || q.value(0).toString() != "ok")
    return Verdict::Damaged;
  const auto number = [&q](const char* sql, qint64& out) {
    if (!q.exec(QLatin1String(sql)) || !q.next()) return false;
    out = q.value(0).toLongLong();
    return true;
  };
  qint64 id = 0, user = 0, objects = 0, tables = 0;
  if (!number("PRAGMA application_id", id) || !number("PRAGMA user_version", user) ||
      !number("SELECT count(*) FROM sqlite_master", objects) ||
      !number("SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name IN "
              "('games', 'hands', 'bank_runs')",
              tables))
    return Verdict::Damaged;
  version = static_cast<int>(user);
  if (id == 0 && user == 0 && objects == 0) return Verdict::Fresh;
  if (id != kApplicationId) return Verdict::Foreign;
  if (user > kVersion) return Verdict::Newer;
  if (user < 1) return Verdict::Damaged;
  if (user < kVersion) return Verdict::Older;
  return tables == 3 ? Verdict::Current : Verdict::Damaged;
}

bool HandStore::Migrate(int from) {
  QSqlDatabase db = QSqlDatabase::database(name_, false);
  for (int version = from + 1; version <= kVersion; ++version) {
    if (!db.transaction()) {
      error_ = db.lastError().text();
      return false;
    }
    bool ok = true;
    for (const QString& statement : QString::fromLatin1(kMigrations[version - 1]).split(';'))
      if (!statement.trimmed().isEmpty()) ok = ok && Exec(statement.trimmed());
    ok = ok && Exec(QStringLiteral("PRAGMA application_id = %1").arg(kApplicationId)) &&
         Exec(QStringLiteral("PRAGMA user_version = %1").arg(version));
    if (!ok || !db.commit()) {
      if (ok) error_ = db.lastError().text();
      db.rollback();
      return false;
    }
  }
  return true;
}

StoreOpening HandStore::Open(const QString& path) {
  StoreOpening opening;
  const QFileInfo file(path);
  if (!QDir().mkpath(file.absolutePath())) {
    opening.error = QStringLiteral("cannot make the folder %1").arg(file.absolutePath());
    return opening;
  }
  // Looked at read-only first, so that a file not ours to write is not changed at all, not even
  // by the log SQLite would fold into it on closing.
  int version = 0;
  Verdict verdict = Verdict::Fresh;
  if (QFileInfo::exists(path)) {
    if (!Connect(path, true)) {
      opening.error = error_;
      return opening;
    }
    verdict = Inspect(version);
    Close();
  }
  if (verdict == Verdict::Newer) {
    opening.state = StoreOpening::Newer;
    return opening;
  }
  if (verdict == Verdict::Damaged || verdict == Verdict::Foreign) {
    // The file, its log and the log's index move together: a log left behind would be read into
    // the fresh file.
    const QString stem = file.absolutePath() + QLatin1Char('/') + file.completeBaseName() +
                         (verdict == Verdict::Damaged ? ".damaged-" : ".foreign-") +
                         QDate::currentDate().toString(Qt::ISODate);
    QString aside = stem + ".sqlite";
    for (int n = 2; QFileInfo::exists(aside) || QFileInfo::exists(aside + "-wal"); ++n)
      aside = QStringLiteral("%1-%2.sqlite").arg(stem).arg(n);
    if (!QFile::rename(path, aside)) {
      opening.error = QStringLiteral("cannot rename %1").arg(path);
      return opening;
    }
    for (const char* log : {"-wal", "-shm"})
      if (QFileInfo::exists(path + log)) QFile::rename(path + log, aside + log);
    opening.state = verdict == Verdict::Damaged ? StoreOpening::Damaged : StoreOpening::Foreign;
    opening.aside = aside;
    verdict = Verdict::Fresh;
    version = 0;
  }
  // The log makes each hand's commit an append; NORMAL syncs at checkpoints only, which a killed
  // program cannot undo (a power cut may take the last hands).
  if (!Connect(path, false) || !Exec(QStringLiteral("PRAGMA journal_mode = WAL")) ||
      !Exec(QStringLiteral("PRAGMA synchronous = NORMAL")) ||
      (verdict != Verdict::Current && !Migrate(version))) {
    opening.state = StoreOpening::Failed;
    opening.error = error_;
    Close();
    return opening;
  }
  if (opening.state == StoreOpening::Failed)
    opening.state = verdict == Verdict::Fresh ? StoreOpening::Created : StoreOpening::Opened;
  return opening;
}

bool HandStore::OpenToRead(const QString& path) { return Connect(path, true); }

std::int64_t HandStore::BeginGame(const QString& player, std::int32_t bank, std::int64_t when) {
  QSqlQuery q(QSqlDatabase::database(name_, false));
  q.prepare(QStringLiteral("INSERT INTO games (player, started, start_bank, end_bank) VALUES (?, ?, ?, ?)"));
  q.addBindValue(player);
  q.addBindValue(qint64(when));
  q.addBindValue(bank);
  q.addBindValue(bank);
  if (!q.exec()) {
    error_ = SqlError(q);
    return 0;
  }
  return q.lastInsertId().toLongLong();
}

bool HandStore::AddHand(std::int64_t game, const KeptHand& hand, const GameTotals& totals) {
  QSqlDatabase db = QSqlDatabase::database(name_, false);
  const HandEntry& e = hand.entry;
  const bool judged = e.Call() != CoachCall::None;
  const DrawLeak leak =
      e.Call() == CoachCall::NotBest
          ? ClassifyLeak(UnpackCards(e.dealt), UnpackDiscards(e.discards), UnpackDiscards(e.bestHold))
          : DrawLeak::None;
  // Prepared once: a hand's three statements are then only bound and run.
  if (!writes_[0]) {
    const char* const sql[] = {
        "INSERT INTO hands VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
        "INSERT INTO bank_runs VALUES (?, ?, ?, ?, ?, ?) ON CONFLICT (game, run) DO UPDATE SET "
        "last = excluded.last, low = min(low, excluded.low), high = max(high, excluded.high)",
        "UPDATE games SET end_bank = ?, hands = ?, won = ?, lost = ?, pushed = ?, money_won = ?, money_lost "
        "= ?, "
        "best_hand = ?, largest_pot = ?, win_streak = ?, loss_streak = ?, judged = ?, cents_below = ? WHERE "
        "id = ?"};
    for (std::size_t i = 0; i < writes_.size(); ++i) {
      writes_[i] = std::make_unique<QSqlQuery>(db);
      if (!writes_[i]->prepare(QLatin1String(sql[i]))) {
        error_ = SqlError(*writes_[i]);
        writes_ = {};
        return false;
      }
    }
  }
  QSqlQuery &row = *writes_[0], &run = *writes_[1], &sums = *writes_[2];
  int at = 0;
  for (const QVariant& v :
       {QVariant(qint64(game)), QVariant(qint64(hand.number)), QVariant(qint64(hand.when)), QVariant(e.bet),
        QVariant(e.bank), QVariant(CardsText(e.dealt)), QVariant(e.discards), QVariant(CardsText(e.drawn)),
        QVariant(CardsText(e.dealer)), QVariant(hand.playerKey), QVariant(hand.dealerKey),
        QVariant(int(e.outcome)), QVariant(int(e.coach)), judged ? QVariant(e.bestHold) : QVariant(),
        QVariant(qint64(e.centsBelow)), QVariant(int(leak))})
    row.bindValue(at++, v);
  at = 0;
  for (const QVariant& v : {QVariant(qint64(game)), QVariant(qint64((hand.number - 1) / kRunLength)),
                            QVariant(e.bank), QVariant(e.bank), QVariant(e.bank), QVariant(e.bank)})
    run.bindValue(at++, v);
  at = 0;
  for (const QVariant& v :
       {QVariant(totals.endBank), QVariant(qint64(totals.hands)), QVariant(qint64(totals.won)),
        QVariant(qint64(totals.lost)), QVariant(qint64(totals.pushed)), QVariant(qint64(totals.moneyWon)),
        QVariant(qint64(totals.moneyLost)), QVariant(totals.bestHand), QVariant(qint64(totals.largestPot)),
        QVariant(qint64(totals.winStreak)), QVariant(qint64(totals.lossStreak)),
        QVariant(qint64(totals.judged)), QVariant(qint64(totals.centsBelow)), QVariant(qint64(game))})
    sums.bindValue(at++, v);
  if (!db.transaction()) {
    error_ = db.lastError().text();
    return false;
  }
  for (QSqlQuery* q : {&row, &run, &sums}) {
    if (!q->exec()) {
      error_ = SqlError(*q);
      db.rollback();
      return false;
    }
  }
  if (db.commit()) return true;
  error_ = db.lastError().text();
  db.rollback();
  return false;
}

bool HandStore::EndGame(std::int64_t game, GameEnd end, std::int64_t when) {
  QSqlQuery q(QSqlDatabase::database(name_, false));
  q.prepare(QStringLiteral("UPDATE games SET result = ?, ended = ? WHERE id = ?"));
  q.addBindValue(int(end));
  q.addBindValue(qint64(when));
  q.addBindValue(qint64(game));
  if (q.exec()) return true;
  error_ = SqlError(q);
  return false;
}

std::vector<StoredGame> HandStore::Games(std::int64_t current) const {
  std::vector<StoredGame> games;
  QSqlQuery q(QSqlDatabase::database(name_, false));
  q.setForwardOnly(true);
  q.prepare(
      QStringLiteral("SELECT id, player, started, ended, result, start_bank, end_bank, hands FROM games "
                     "WHERE hands > 0 OR id = ? ORDER BY id DESC"));
  q.addBindValue(qint64(current));
  if (!q.exec()) error_ = SqlError(q);
  while (q.next()) {
    StoredGame g;
    g.id = q.value(0).toLongLong();
    g.player = q.value(1).toString();
    g.started = q.value(2).toLongLong();
    g.ended = q.value(3).toLongLong();
    g.end = static_cast<GameEnd>(std::clamp(q.value(4).toInt(), 0, 3));
    g.startBank = q.value(5).toInt();
    g.endBank = q.value(6).toInt();
    g.hands = q.value(7).toLongLong();
    games.push_back(g);
  }
  return games;
}

namespace {

// Columns: n, bet, bank, dealt, discards, drawn, dealer, player_hand, dealer_hand, outcome,
// coach, best_hold, cents_below.
HandEntry EntryOf(const QSqlQuery& q, const StoredGame& game) {
  HandEntry e;
  e.bet = q.value(1).toInt();
  e.bank = q.value(2).toInt();
  e.dealt = CardsOf(q.value(3).toString());
  e.discards = static_cast<std::uint8_t>(q.value(4).toUInt() & 31);
  e.drawn = CardsOf(q.value(5).toString());
  e.dealer = CardsOf(q.value(6).toString());
  e.playerCategory = Category(q.value(7).toInt()) & 15;
  e.dealerCategory = Category(q.value(8).toInt()) & 15;
  e.outcome = static_cast<std::uint8_t>(std::clamp(q.value(9).toInt(), 0, 2)) & 3;
  e.coach = static_cast<std::uint8_t>(std::clamp(q.value(10).toInt(), 0, 3)) & 3;
  e.bestHold = static_cast<std::uint8_t>(q.value(11).toUInt() & 31);
  e.centsBelow = static_cast<std::uint32_t>(std::clamp<qint64>(q.value(12).toLongLong(), 0, UINT32_MAX));
  e.bankrupt = game.end == GameEnd::Bankrupt && q.value(0).toLongLong() == game.hands;
  return e;
}

const char* const kHandColumns =
    "SELECT n, bet, bank, dealt, discards, drawn, dealer, player_hand, dealer_hand, outcome, coach, "
    "best_hold, "
    "cents_below FROM hands ";

}  // namespace

std::vector<HandEntry> HandStore::Hands(const StoredGame& game, std::int64_t upTo, int count) const {
  std::vector<HandEntry> hands;
  QSqlQuery q(QSqlDatabase::database(name_, false));
  q.setForwardOnly(true);
  q.prepare(QLatin1String(kHandColumns) + "WHERE game = ? AND n <= ? ORDER BY n DESC LIMIT ?");
  q.addBindValue(qint64(game.id));
  q.addBindValue(qint64(upTo));
  q.addBindValue(count);
  if (!q.exec()) error_ = SqlError(q);
  hands.reserve(static_cast<std::size_t>(std::max(count, 0)));
  while (q.next()) hands.push_back(EntryOf(q, game));
  return hands;
}

HandHistory HandStore::WholeGame(const StoredGame& game) const {
  HandHistory history;
  history.Start(game.startBank);
  QSqlQuery q(QSqlDatabase::database(name_, false));
  q.setForwardOnly(true);
  q.prepare(QLatin1String(kHandColumns) + "WHERE game = ? ORDER BY n");
  q.addBindValue(qint64(game.id));
  if (!q.exec()) error_ = SqlError(q);
  while (q.next()) history.Add(EntryOf(q, game));
  return history;
}

BankLine HandStore::Chart(const StoredGame& game, std::int64_t everyBank) const {
  BankLine line;
  line.figures = {game.startBank, game.startBank, game.startBank, game.startBank, 0};
  line.columns.push_back({game.startBank, game.startBank, game.startBank, game.startBank, false});
  QSqlQuery q(QSqlDatabase::database(name_, false));
  q.setForwardOnly(true);
  if (game.hands <= everyBank) {
    q.prepare(QStringLiteral("SELECT bank, bank, bank, bank FROM hands WHERE game = ? ORDER BY n"));
  } else {
    q.prepare(QStringLiteral("SELECT first, last, low, high FROM bank_runs WHERE game = ? ORDER BY run"));
  }
  q.addBindValue(qint64(game.id));
  if (!q.exec()) error_ = SqlError(q);
  while (q.next()) {
    const BankColumn c{q.value(0).toInt(), q.value(1).toInt(), q.value(2).toInt(), q.value(3).toInt(), false};
    line.figures.highest = std::max(line.figures.highest, c.high);
    line.figures.lowest = std::min(line.figures.lowest, c.low);
    line.columns.push_back(c);
  }
  line.figures.end = line.columns.back().last;
  line.figures.hands = game.hands;
  if (game.end == GameEnd::Bankrupt && line.columns.size() > 1) line.columns.back().bankrupt = true;
  return line;
}

std::vector<LifetimeFigures> HandStore::Lifetime() const {
  std::vector<LifetimeFigures> figures;
  LifetimeFigures all;
  QSqlQuery q(QSqlDatabase::database(name_, false));
  q.setForwardOnly(true);
  if (!q.exec(QStringLiteral("SELECT player, count(*), sum(result = 2), sum(hands), sum(won), sum(lost), "
                             "sum(pushed), sum(money_won), "
                             "sum(money_lost), max(best_hand), max(largest_pot), max(win_streak), "
                             "max(loss_streak), sum(judged), "
                             "sum(cents_below) FROM games WHERE hands > 0 GROUP BY player ORDER BY player")))
    error_ = SqlError(q);
  while (q.next()) {
    LifetimeFigures f;
    f.player = q.value(0).toString();
    f.games = q.value(1).toLongLong();
    f.bankruptcies = q.value(2).toLongLong();
    GameTotals& t = f.totals;
    t.hands = q.value(3).toLongLong();
    t.won = q.value(4).toLongLong();
    t.lost = q.value(5).toLongLong();
    t.pushed = q.value(6).toLongLong();
    t.moneyWon = q.value(7).toLongLong();
    t.moneyLost = q.value(8).toLongLong();
    t.bestHand = q.value(9).isNull() ? -1 : q.value(9).toInt();
    t.largestPot = q.value(10).toLongLong();
    t.winStreak = q.value(11).toLongLong();
    t.lossStreak = q.value(12).toLongLong();
    t.judged = q.value(13).toLongLong();
    t.centsBelow = q.value(14).toLongLong();
    all.games += f.games;
    all.bankruptcies += f.bankruptcies;
    GameTotals& a = all.totals;
    a.hands += t.hands;
    a.won += t.won;
    a.lost += t.lost;
    a.pushed += t.pushed;
    a.moneyWon += t.moneyWon;
    a.moneyLost += t.moneyLost;
    a.bestHand = std::max(a.bestHand, t.bestHand);
    a.largestPot = std::max(a.largestPot, t.largestPot);
    a.winStreak = std::max(a.winStreak, t.winStreak);
    a.lossStreak = std::max(a.lossStreak, t.lossStreak);
    a.judged += t.judged;
    a.centsBelow += t.centsBelow;
    figures.push_back(f);
  }
  figures.insert(figures.begin(), all);
  return figures;
}

LeakReport HandStore::Leaks() const {
  LeakReport report;
  QSqlDatabase db = QSqlDatabase::database(name_, false);
  QSqlQuery q(db);
  q.setForwardOnly(true);
  if (q.exec(QStringLiteral("SELECT sum(judged), sum(cents_below) FROM games")) && q.next()) {
    report.judged = q.value(0).toLongLong();
    report.cents = q.value(1).toLongLong();
  }
  // Both read the index of the mistakes alone; the condition repeats the index's own, so
  // that SQLite knows it may.
  if (!q.exec(
          QStringLiteral("SELECT leak, count(*), sum(cents_below) FROM hands WHERE leak <> 0 GROUP BY leak")))
    error_ = SqlError(q);
  while (q.next())
    report.kinds.push_back({static_cast<DrawLeak>(std::clamp(q.value(0).toInt(), 0, kLeakKinds - 1)),
                            q.value(1).toLongLong(),
                            q.value(2).toLongLong(),
                            {}});
  std::stable_sort(report.kinds.begin(), report.kinds.end(),
                   [](const LeakKind& a, const LeakKind& b) { return a.cents > b.cents; });
  QSqlQuery example(db);
  example.setForwardOnly(true);
  example.prepare(
      QStringLiteral("SELECT game, n, dealt, discards, best_hold, cents_below FROM hands "
                     "WHERE leak = ? AND leak <> 0 ORDER BY cents_below DESC LIMIT 1"));
  for (LeakKind& kind : report.kinds) {
    example.addBindValue(int(kind.leak));
    if (!example.exec() || !example.next()) continue;
    LeakExample& e = kind.example;
    e.game = example.value(0).toLongLong();
    e.number = example.value(1).toLongLong();
    e.dealt = UnpackCards(CardsOf(example.value(2).toString()));
    e.discards = UnpackDiscards(static_cast<std::uint8_t>(example.value(3).toUInt() & 31));
    e.best = UnpackDiscards(static_cast<std::uint8_t>(example.value(4).toUInt() & 31));
    e.cents = example.value(5).toLongLong();
  }
  return report;
}

QString DefaultHandsFile() {
  // Beside the settings' folder name, not under the application's name, which is the title.
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
  return folder.isEmpty() ? QString() : folder + "/brindlewharf/history.sqlite";
}
