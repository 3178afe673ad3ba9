#pragma once
// The history as a table for an item view, newest hand first. The game in play it reads from
// the recorder's compact store cell by cell, holding nothing of its own; a game of the database
// it reads a page at a time as the rows are scrolled to. Either opens at once, however long.

#include <QAbstractTableModel>
#include <cstdint>
#include <vector>

#include "history/handstore.h"

class HandRecorder;

class HistoryModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  enum Column { Number, Bet, Dealt, Drawn, Dealer, PlayerHand, DealerHand, Result, Bank, Coach, ColumnCount };

  explicit HistoryModel(const HandRecorder* recorder, QObject* parent = nullptr);

  // The game in play, as at the start; or a game of the database, read through store.
  void ShowLive();
  void ShowStored(const HandStore* store, const StoredGame& game);
  bool IsLive() const { return store_ == nullptr; }
  const StoredGame& Stored() const { return game_; }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
  bool canFetchMore(const QModelIndex& parent) const override;
  void fetchMore(const QModelIndex& parent) override;

  // The hand a row shows; nullptr for a row out of range.
  const HandEntry* EntryAt(int row) const;
  // Its number in the game, 1 the first hand.
  std::int64_t NumberAt(int row) const { return (store_ ? game_.hands : rows_) - row; }

 private:
  QString Text(const HandEntry& e, int row, int column) const;
  QString Spoken(const HandEntry& e, int column) const;

  const HandRecorder* recorder_;
  int rows_ = 0;  // as the views know it, which lags the store inside an insertion

  const HandStore* store_ = nullptr;
  StoredGame game_;
  std::vector<HandEntry> fetched_;  // newest first
  bool exhausted_ = false;          // the file held fewer hands than its game row said
};
