#pragma once
// The hand-history database: every settled hand of every game, in one SQLite file read and
// written through Qt SQL. A HandStore is one connection and belongs to the thread that opened
// it: the writer keeps one on a thread of its own, the history window another to read with.
// Its layout is at the top of handstore.cpp; any SQLite tool reads it.

#include <QString>
#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "game/handrank.h"
#include "game/leak.h"
#include "history/handhistory.h"

// How a game ended, stored as these numbers.
enum class GameEnd : std::uint8_t {
  InPlay = 0,  // not yet; for a game of an earlier run, the program ended without a word
  NewGame = 1,
  Bankrupt = 2,
  Quit = 3,
};

// A number for a hand's record that orders hands as CompareHands does and keeps what its
// caption needs; and the record back from it.
std::int32_t RankKey(const HandRank& rank);
HandRank RankOfKey(std::int32_t key);

// A settled hand as the recorder passes it on.
struct KeptHand {
  HandEntry entry;
  std::int64_t number = 0;                    // in its game, 1 the first
  std::int64_t when = 0;                      // seconds since 1970, UTC
  std::int32_t playerKey = 0, dealerKey = 0;  // RankKey of the final hands
};

// A game's running figures, kept by the writer and stored with every hand; summed over games
// they are the lifetime figures.
struct GameTotals {
  std::int64_t hands = 0, won = 0, lost = 0, pushed = 0;
  std::int64_t moneyWon = 0, moneyLost = 0, largestPot = 0;
  std::int32_t endBank = 0;
  std::int32_t bestHand = -1;  // a RankKey; -1 before the first hand
  std::int64_t winStreak = 0, lossStreak = 0;
  std::int64_t streak = 0;  // running: wins above zero, losses below; a push leaves it
  std::int64_t judged = 0;  // hands the coach had a verdict on
  std::int64_t centsBelow = 0;

  void Add(const KeptHand& hand);
};

struct StoredGame {
  std::int64_t id = 0;
  QString player;
  std::int64_t started = 0, ended = 0;  // seconds since 1970, UTC; ended 0 while in play
  GameEnd end = GameEnd::InPlay;
  std::int32_t startBank = 0, endBank = 0;
  std::int64_t hands = 0;
};

struct LifetimeFigures {
  QString player;  // empty for every player together
  std::int64_t games = 0, bankruptcies = 0;
  GameTotals totals;  // the streaks are each game's longest
};

// The costliest hand of a kind of mistake.
struct LeakExample {
  std::int64_t game = 0, number = 0;
  Hand dealt{};
  SlotFlags discards{}, best{};
  std::int64_t cents = 0;
};
struct LeakKind {
  DrawLeak leak = DrawLeak::None;
  std::int64_t count = 0, cents = 0;
  LeakExample example;
};
struct LeakReport {
  std::int64_t judged = 0;      // hands the coach judged
  std::int64_t cents = 0;       // what the draws below the best cost, in all
  std::vector<LeakKind> kinds;  // costliest first
};

struct StoreOpening {
  enum State {
    Opened,
    Created,
    Damaged,  // moved aside to aside; a fresh file started
    Foreign,  // the same, for a file that was not ours
    Newer,    // written by a newer program: left untouched, not opened
    Failed,   // could not be opened or created (error)
  };
  State state = Failed;
  QString aside;
  QString error;
};

class QSqlQuery;

class HandStore {
 public:
  HandStore();
  ~HandStore();
  HandStore(const HandStore&) = delete;
  HandStore& operator=(const HandStore&) = delete;

  // Opens path to write, creating it and its folder, bringing an older layout up to date, and
  // moving a damaged or foreign file aside (renamed with the date) for a fresh one.
  StoreOpening Open(const QString& path);
  // Opens a file Open has vetted, to read only.
  bool OpenToRead(const QString& path);
  void Close();
  bool IsOpen() const;
  QString LastError() const { return error_; }

  // 0 when the game could not be written.
  std::int64_t BeginGame(const QString& player, std::int32_t bank, std::int64_t when);
  // The hand and its game's totals so far, in one transaction.
  bool AddHand(std::int64_t game, const KeptHand& hand, const GameTotals& totals);
  bool EndGame(std::int64_t game, GameEnd end, std::int64_t when);

  // Every game with a hand, and the game current whether or not it has one; newest first.
  std::vector<StoredGame> Games(std::int64_t current = 0) const;
  // Up to count hands of game numbered upTo and below, newest first.
  std::vector<HandEntry> Hands(const StoredGame& game, std::int64_t upTo, int count) const;
  // The whole game, for an export.
  HandHistory WholeGame(const StoredGame& game) const;
  // The bank after every hand, or for a game longer than everyBank hands after every 64.
  BankLine Chart(const StoredGame& game, std::int64_t everyBank = 2048 * 64) const;
  // Every player together first, then each by name.
  std::vector<LifetimeFigures> Lifetime() const;
  LeakReport Leaks() const;

 private:
  enum class Verdict { Fresh, Current, Older, Newer, Foreign, Damaged };
  bool Connect(const QString& path, bool readOnly);
  Verdict Inspect(int& version);
  bool Migrate(int from);
  bool Exec(const QString& sql);

  QString name_;  // the connection's
  mutable QString error_;
  std::array<std::unique_ptr<QSqlQuery>, 3> writes_;  // a hand's, prepared at its first
};

// Where the player's hand history lives: <data folder>/brindlewharf/history.sqlite.
QString DefaultHandsFile();
