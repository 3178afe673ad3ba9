#include "history/historymodel.h"

#include <QStringList>

#include "history/historytext.h"
#include "history/recorder.h"
#include "platform/numbers.h"
#include "platform/words.h"

namespace {

// Enough rows for a few screens; a page is read in well under a millisecond.
constexpr int kPage = 256;

// Five cards in words for a screen reader, the marked ones said to be turned down.
QString CardsSpoken(const HandEntry::Cards& cards, std::uint8_t marked) {
  QStringList words;
  for (int slot = 0; slot < 5; ++slot) {
    const QString card = CardWords(cards[static_cast<std::size_t>(slot)]);
    words << ((marked >> slot & 1) != 0 ? HistoryModel::tr("%1, turned down").arg(card) : card);
  }
  return words.join(QLatin1String("; "));
}

}  // namespace

HistoryModel::HistoryModel(const HandRecorder* recorder, QObject* parent)
    : QAbstractTableModel(parent), recorder_(recorder), rows_(static_cast<int>(recorder->History().Count())) {
  connect(recorder, &HandRecorder::Restarted, this, [this] {
    if (store_) return;
    beginResetModel();
    rows_ = static_cast<int>(recorder_->History().Count());
    endResetModel();
  });
  connect(recorder, &HandRecorder::HandAdded, this, [this](std::int64_t count) {
    const int added = static_cast<int>(count) - rows_;
    if (store_ || added <= 0) return;
    beginInsertRows({}, 0, added - 1);
    rows_ = static_cast<int>(count);
    endInsertRows();
  });
  connect(recorder, &HandRecorder::HandChanged, this, [this](std::int64_t n) {
    const int row = static_cast<int>(rows_ - n);
    if (!store_ && row >= 0 && row < rows_) emit dataChanged(index(row, 0), index(row, ColumnCount - 1));
  });
}

void HistoryModel::ShowLive() {
  beginResetModel();
  store_ = nullptr;
  game_ = {};
  std::vector<HandEntry>().swap(fetched_);
  rows_ = static_cast<int>(recorder_->History().Count());
  endResetModel();
}

void HistoryModel::ShowStored(const HandStore* store, const StoredGame& game) {
  beginResetModel();
  store_ = store;
  game_ = game;
  std::vector<HandEntry>().swap(fetched_);
  exhausted_ = false;
  endResetModel();
}

bool HistoryModel::canFetchMore(const QModelIndex& parent) const {
  return !parent.isValid() && store_ && !exhausted_ &&
         static_cast<std::int64_t>(fetched_.size()) < game_.hands;
}

void HistoryModel::fetchMore(const QModelIndex& parent) {
  if (!canFetchMore(parent)) return;
  const auto have = static_cast<std::int64_t>(fetched_.size());
  const std::vector<HandEntry> page = store_->Hands(game_, game_.hands - have, kPage);
  if (page.empty()) {
    exhausted_ = true;
    return;
  }
  beginInsertRows({}, static_cast<int>(have), static_cast<int>(have) + static_cast<int>(page.size()) - 1);
  fetched_.insert(fetched_.end(), page.begin(), page.end());
  endInsertRows();
}

int HistoryModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : store_ ? static_cast<int>(fetched_.size()) : rows_;
}

int HistoryModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ColumnCount; }

const HandEntry* HistoryModel::EntryAt(int row) const {
  if (row < 0 || row >= rowCount()) return nullptr;
  if (store_) return &fetched_[static_cast<std::size_t>(row)];
  return &recorder_->History().At(NumberAt(row) - 1);
}

QVariant HistoryModel::data(const QModelIndex& index, int role) const {
  const HandEntry* e = EntryAt(index.row());
  if (!e) return {};
  switch (role) {
    case Qt::DisplayRole:
      return Text(*e, index.row(), index.column());
    case Qt::AccessibleTextRole: {
      const QString spoken = Spoken(*e, index.column());
      return spoken.isEmpty() ? Text(*e, index.row(), index.column()) : spoken;
    }
    case Qt::TextAlignmentRole:
      return index.column() == Number || index.column() == Bet || index.column() == Bank
                 ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                 : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    default:
      return {};
  }
}

QString HistoryModel::Text(const HandEntry& e, int row, int column) const {
  switch (column) {
    case Number:
      return Figure(NumberAt(row));
    case Bet:
      return Dollars(e.bet);
    case Dealt:
      return CardSigns(e.dealt, e.discards);
    case Drawn:
      return CardSigns(e.drawn);
    case Dealer:
      return CardSigns(e.dealer);
    case PlayerHand:
    case DealerHand: {
      const int category = column == PlayerHand ? e.playerCategory : e.dealerCategory;
      return category == HighCard ? tr("High card") : CategoryWords(category);
    }
    case Result:
      if (e.bankrupt) return tr("Loss, bankrupt");
      return e.Result() == PlayerWins ? tr("Win") : e.Result() == DealerWins ? tr("Loss") : tr("Push");
    case Bank:
      return Dollars(e.bank);
    case Coach:
      switch (e.Call()) {
        case CoachCall::Best:
          return tr("Best hold");
        case CoachCall::AsGoodAsBest:
          return tr("As good as best");
        case CoachCall::NotBest:
          return tr("%1 below best").arg(DollarsAndCents(e.centsBelow / 100.0));
        case CoachCall::None:
          break;
      }
      return {};
    default:
      return {};
  }
}

QString HistoryModel::Spoken(const HandEntry& e, int column) const {
  switch (column) {
    case Dealt:
      return CardsSpoken(e.dealt, e.discards);
    case Drawn:
      return CardsSpoken(e.drawn, 0);
    case Dealer:
      return CardsSpoken(e.dealer, 0);
    case Coach:
      return e.Call() == CoachCall::None ? tr("No verdict") : QString();
    default:
      return {};
  }
}

QVariant HistoryModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
    return QAbstractTableModel::headerData(section, orientation, role);
  switch (section) {
    case Number:
      return tr("Hand");
    case Bet:
      return tr("Bet");
    case Dealt:
      return tr("Dealt");
    case Drawn:
      return tr("Drawn");
    case Dealer:
      return tr("Dealer's cards");
    case PlayerHand:
      return tr("Your hand");
    case DealerHand:
      return tr("Dealer's hand");
    case Result:
      return tr("Result");
    case Bank:
      return tr("Bank");
    case Coach:
      return tr("Coach");
    default:
      return {};
  }
}
