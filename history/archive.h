#pragma once
// Keeps every settled hand in the hand-history database, off the thread that paces the table:
// the recorder's games and hands are queued to a writer on a thread of its own, which holds its
// own connection and writes each hand in one transaction as it comes. Killing the program loses
// at most the hand in play. The history window reads the file through a connection of its own,
// once the writer has said which file that is.

#include <QObject>
#include <QString>
#include <QThread>
#include <cstdint>
#include <memory>

#include "history/handstore.h"

class HandRecorder;
class QTemporaryDir;

class ArchiveWriter : public QObject {
  Q_OBJECT
 public:
  ArchiveWriter();
  ~ArchiveWriter() override;

 public slots:
  // The player's file; when it cannot be used, one of this run's own that goes when it ends.
  void Open(const QString& path);
  void BeginGame(const QString& player, std::int32_t bank, std::int64_t when);
  void AddHand(const KeptHand& hand);
  void EndGame(GameEnd end, std::int64_t when);
  // Ends the game in play as quit, closes the file and ends the writer's thread.
  void Finish(std::int64_t when);

 signals:
  // path is the file the hands go to (empty when there is none).
  void Opened(const StoreOpening& opening, const QString& path);
  void GameBegun(std::int64_t game);
  void HandWritten(std::int64_t game, std::int64_t hands);
  void GameEnded(std::int64_t game);
  // Once a run, for the first hand or game that could not be written.
  void WriteFailed(const QString& error);

 private:
  void Failed();

  std::unique_ptr<HandStore> store_;
  std::unique_ptr<QTemporaryDir> scratch_;
  std::int64_t game_ = 0;
  GameTotals totals_;
  bool told_ = false;
};

class HandArchive : public QObject {
  Q_OBJECT
 public:
  // Writes what recorder keeps, once opened: connect to Writer() first.
  explicit HandArchive(const HandRecorder* recorder, QObject* parent = nullptr);
  // Waits for every hand queued to be written.
  ~HandArchive() override;

  const ArchiveWriter* Writer() const { return writer_; }
  void Open(const QString& path);

 private:
  QThread thread_;
  ArchiveWriter* writer_;
};
