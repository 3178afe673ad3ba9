#include "history/gamesmodel.h"

#include <QDateTime>

#include "platform/numbers.h"

void GamesModel::SetGames(std::vector<StoredGame> games, std::int64_t current) {
  beginResetModel();
  games_ = std::move(games);
  current_ = current;
  endResetModel();
}

const StoredGame* GamesModel::GameAt(int row) const {
  return row >= 0 && row < rowCount() ? &games_[static_cast<std::size_t>(row)] : nullptr;
}

int GamesModel::RowOf(std::int64_t id) const {
  for (std::size_t row = 0; row < games_.size(); ++row)
    if (games_[row].id == id) return static_cast<int>(row);
  return -1;
}

int GamesModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(games_.size());
}

int GamesModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ColumnCount; }

QString GamesModel::When(std::int64_t seconds) {
  const QDateTime at = QDateTime::fromSecsSinceEpoch(seconds).toLocalTime();
  return ShortDate(at.date()) + QLatin1Char(' ') + ClockTime(at.time());
}

QString GamesModel::EndWords(const StoredGame& game, bool current) {
  if (current) return tr("In play");
  switch (game.end) {
    case GameEnd::NewGame:
      return tr("New game");
    case GameEnd::Bankrupt:
      return tr("Bankrupt");
    case GameEnd::Quit:
      return tr("Quit");
    case GameEnd::InPlay:
      break;
  }
  return tr("Unfinished");
}

QVariant GamesModel::data(const QModelIndex& index, int role) const {
  const StoredGame* g = GameAt(index.row());
  if (!g) return {};
  if (role == Qt::TextAlignmentRole)
    return index.column() == Hands || index.column() == StartBank || index.column() == EndBank
               ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
               : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
  if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole) return {};
  switch (index.column()) {
    case Started:
      return When(g->started);
    case Player:
      return g->player;
    case Hands:
      return Figure(g->hands);
    case StartBank:
      return Dollars(g->startBank);
    case EndBank:
      return Dollars(g->endBank);
    case Result:
      return EndWords(*g, g->id == current_);
    default:
      return {};
  }
}

QVariant GamesModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
    return QAbstractTableModel::headerData(section, orientation, role);
  switch (section) {
    case Started:
      return tr("Started");
    case Player:
      return tr("Player");
    case Hands:
      return tr("Hands");
    case StartBank:
      return tr("Bank at start");
    case EndBank:
      return tr("Bank at end");
    case Result:
      return tr("Ended");
    default:
      return {};
  }
}
