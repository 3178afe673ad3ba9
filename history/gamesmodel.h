#pragma once
// Every game of the database as a table for an item view, newest first: when it began, who
// played it, its hands, its bank at the start and the end, and how it ended.

#include <QAbstractTableModel>
#include <cstdint>
#include <vector>

#include "history/handstore.h"

class GamesModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  enum Column { Started, Player, Hands, StartBank, EndBank, Result, ColumnCount };

  using QAbstractTableModel::QAbstractTableModel;

  // current is the game in play, which no earlier run can have ended.
  void SetGames(std::vector<StoredGame> games, std::int64_t current);
  const StoredGame* GameAt(int row) const;
  int RowOf(std::int64_t id) const;

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

  // The local date and time: "5/3/26 2:05:00 PM" in English, the language's own form in the others.
  static QString When(std::int64_t seconds);
  // How a game ended, or that it is the one in play.
  static QString EndWords(const StoredGame& game, bool current);

 private:
  std::vector<StoredGame> games_;
  std::int64_t current_ = 0;
};
