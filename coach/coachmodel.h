#pragma once
// The coach's best holds as a table for an item view: what to throw, the chances to win, push
// and lose, and the average result at the bet, each rounded to what is known of it.

#include <QAbstractTableModel>
#include <cstdint>
#include <vector>

#include "game/cards.h"
#include "game/coach.h"

class CoachModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  enum Column { Throw, Win, Push, Lose, Average, ColumnCount };
  static constexpr int kShown = 3;

  using QAbstractTableModel::QAbstractTableModel;

  // The best holds of ranked for hand, at the bet; none while ranked is empty.
  void Show(const Hand& hand, const std::vector<HoldOdds>& ranked, std::int32_t bet);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

 private:
  QString Text(int row, int column) const;

  Hand hand_{};
  std::vector<HoldOdds> shown_;
  int holds_ = 0;  // how many were ranked
  std::int32_t bet_ = 0;
};
