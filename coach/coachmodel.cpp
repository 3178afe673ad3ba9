#include "coach/coachmodel.h"

#include "coach/coachwords.h"

void CoachModel::Show(const Hand& hand, const std::vector<HoldOdds>& ranked, std::int32_t bet) {
  beginResetModel();
  hand_ = hand;
  bet_ = bet;
  holds_ = static_cast<int>(ranked.size());
  shown_.assign(ranked.begin(), ranked.begin() + std::min<std::ptrdiff_t>(kShown, holds_));
  endResetModel();
}

int CoachModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(shown_.size());
}

int CoachModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ColumnCount; }

QString CoachModel::Text(int row, int column) const {
  const HoldOdds& h = shown_[static_cast<std::size_t>(row)];
  // A chance is known about half as well as the value it makes.
  switch (column) {
    case Throw:
      return (row > 0 && h.best ? QStringLiteral("= ") : QString()) +
             CoachWords::ThrowSigns(hand_, h.discards);
    case Win:
      return CoachWords::Percent(h.win, h.valueError / 2);
    case Push:
      return CoachWords::Percent(h.push, h.valueError / 2);
    case Lose:
      return CoachWords::Percent(h.lose, h.valueError / 2);
    case Average:
      return CoachWords::Dollars(h.Value(), bet_, h.valueError);
    default:
      return {};
  }
}

QVariant CoachModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  const HoldOdds& h = shown_[static_cast<std::size_t>(index.row())];
  switch (role) {
    case Qt::DisplayRole:
      return Text(index.row(), index.column());
    case Qt::AccessibleTextRole:
      if (index.column() == Throw)
        return CoachWords::tr("Hold %1 of %2%3: %4")
            .arg(index.row() + 1)
            .arg(holds_)
            .arg(index.row() > 0 && h.best ? CoachWords::tr(", as good as the best") : QString(),
                 CoachWords::HoldWords(hand_, h.discards));
      if (index.column() == Average) return CoachWords::SpokenDollars(h.Value(), bet_, h.valueError);
      return Text(index.row(), index.column());
    case Qt::TextAlignmentRole:
      return index.column() == Throw ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                                     : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    default:
      return {};
  }
}

QVariant CoachModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal) return {};
  if (role == Qt::TextAlignmentRole)
    return section == Throw ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                            : QVariant(Qt::AlignRight | Qt::AlignVCenter);
  if (role != Qt::DisplayRole) return {};
  switch (section) {
    case Throw:
      return CoachWords::tr("Throw");
    case Win:
      return CoachWords::tr("Win");
    case Push:
      return CoachWords::tr("Push");
    case Lose:
      return CoachWords::tr("Lose");
    case Average:
      return CoachWords::tr("Average");
    default:
      return {};
  }
}
