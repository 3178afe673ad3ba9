#pragma once
// The history as a table for an item view, newest hand first. It reads the recorder's compact
// store cell by cell and holds nothing of its own, so a game of 100,000 hands opens at once.

#include <QAbstractTableModel>
#include <cstdint>

class HandRecorder;
struct HandEntry;

class HistoryModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  enum Column { Number, Bet, Dealt, Drawn, Dealer, PlayerHand, DealerHand, Result, Bank, Coach, ColumnCount };

  explicit HistoryModel(const HandRecorder* recorder, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

  // The hand a row shows; nullptr for a row out of range.
  const HandEntry* EntryAt(int row) const;
  // Its number in the game, 1 the first hand.
  std::int64_t NumberAt(int row) const { return rows_ - row; }

 private:
  QString Text(const HandEntry& e, int row, int column) const;
  QString Spoken(const HandEntry& e, int column) const;

  const HandRecorder* recorder_;
  int rows_ = 0;  // as the views know it, which lags the store inside an insertion
};
