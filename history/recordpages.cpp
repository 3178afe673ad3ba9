#include "history/recordpages.h"

#include <QHeaderView>
#include <QLabel>
#include <QStringList>
#include <QTableWidget>
#include <QVBoxLayout>

#include "history/historytext.h"
#include "platform/numbers.h"
#include "platform/words.h"

namespace {

QString Money(std::int64_t amount) {
  return amount < 0 ? QLatin1Char('-') + Dollars(-amount) : Dollars(amount);
}
QString Cents(std::int64_t cents) { return DollarsAndCents(static_cast<double>(cents) / 100.0); }

QTableWidget* FigureTable(QWidget* parent, const char* name) {
  auto* table = new QTableWidget(parent);
  table->setObjectName(name);
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->setSelectionMode(QAbstractItemView::SingleSelection);
  // Tab leaves the table for the buttons; the arrows go from figure to figure.
  table->setTabKeyNavigation(false);
  table->setWordWrap(false);
  table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
  return table;
}

// A figure as it is shown, and read with its row and column.
QTableWidgetItem* Cell(const QString& text, const QString& row, const QString& column, bool right = true) {
  auto* item = new QTableWidgetItem(text);
  item->setData(Qt::AccessibleTextRole, LifetimePage::tr("%1, %2: %3").arg(row, column, text));
  item->setTextAlignment((right ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
  return item;
}

QString Hands(std::int64_t n) { return LifetimePage::tr("%n hand(s)", nullptr, static_cast<int>(n)); }

QString OfHands(std::int64_t part, std::int64_t hands) {
  if (hands <= 0) return Figure(part);
  return LifetimePage::tr("%1 (%2)").arg(
      Figure(part), Percent(100.0 * static_cast<double>(part) / static_cast<double>(hands), 1));
}

// The cards a hold keeps, as signs; standing pat and drawing five said in words.
QString KeptSigns(const Hand& hand, const SlotFlags& discards) {
  QStringList kept;
  for (int slot = 0; slot < 5; ++slot)
    if (discards[slot] != 1) kept << CardSign(hand[slot]);
  return kept.join(QLatin1Char(' '));
}

}  // namespace

QString LeakName(DrawLeak leak) {
  switch (leak) {
    case DrawLeak::StoodPat:
      return LeakPage::tr("Stood pat");
    case DrawLeak::BrokeMadeHand:
      return LeakPage::tr("Broke a made hand");
    case DrawLeak::BrokePair:
      return LeakPage::tr("Broke a pair");
    case DrawLeak::KeptKicker:
      return LeakPage::tr("Kept a kicker");
    case DrawLeak::DrewToFlush:
      return LeakPage::tr("Chased a flush");
    case DrawLeak::DrewToInsideStraight:
      return LeakPage::tr("Drew to an inside straight");
    case DrawLeak::DrewToOpenStraight:
      return LeakPage::tr("Chased an open straight");
    case DrawLeak::ThrewKeeper:
      return LeakPage::tr("Threw a keeper");
    case DrawLeak::KeptWrongCards:
      return LeakPage::tr("Kept the wrong cards");
    case DrawLeak::None:
      break;
  }
  return {};
}

QString LeakMeaning(DrawLeak leak) {
  switch (leak) {
    case DrawLeak::StoodPat:
      return LeakPage::tr("You kept all five cards where drawing was better.");
    case DrawLeak::BrokeMadeHand:
      return LeakPage::tr("You broke up a straight or better that was worth more kept whole.");
    case DrawLeak::BrokePair:
      return LeakPage::tr("You threw away a card of a pair that was worth keeping.");
    case DrawLeak::KeptKicker:
      return LeakPage::tr("You kept an extra card beside the good ones instead of drawing to them.");
    case DrawLeak::DrewToFlush:
      return LeakPage::tr("You kept four cards of a suit where other cards were worth more.");
    case DrawLeak::DrewToInsideStraight:
      return LeakPage::tr("You kept four cards to a straight that only one rank can fill.");
    case DrawLeak::DrewToOpenStraight:
      return LeakPage::tr("You kept four cards in a row where other cards were worth more.");
    case DrawLeak::ThrewKeeper:
      return LeakPage::tr("You threw away a card that was worth keeping.");
    case DrawLeak::KeptWrongCards:
      return LeakPage::tr("You kept other cards than the ones worth keeping.");
    case DrawLeak::None:
      break;
  }
  return {};
}

LifetimePage::LifetimePage(QWidget* parent) : QWidget(parent), table_(FigureTable(this, "LifetimeView")) {
  setObjectName("LifetimePage");
  table_->setAccessibleName(tr("Lifetime figures"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(table_);
}

void LifetimePage::Show(const std::vector<LifetimeFigures>& figures) {
  // With one name the column of every player says the same again.
  const std::size_t first = figures.size() == 2 ? 1 : 0;
  const QString rows[] = {
      tr("Games played"),         tr("Bankruptcies"), tr("Hands played"), tr("Hands won"),
      tr("Hands lost"),           tr("Hands pushed"), tr("Money won"),    tr("Money lost"),
      tr("Won less lost"),        tr("Best hand"),    tr("Largest pot"),  tr("Longest winning streak"),
      tr("Longest losing streak")};
  const int rowCount = static_cast<int>(std::size(rows));
  table_->clear();
  table_->setRowCount(rowCount);
  table_->setColumnCount(static_cast<int>(figures.size() - first));
  QStringList heads;
  for (const QString& row : rows) heads << row;
  table_->setVerticalHeaderLabels(heads);
  heads.clear();
  for (std::size_t c = first; c < figures.size(); ++c) {
    const LifetimeFigures& f = figures[c];
    const QString head = f.player.isEmpty() && c == 0 ? tr("All players") : f.player;
    heads << head;
    const GameTotals& t = f.totals;
    QString best = t.bestHand < 0 ? tr("None yet") : CaptionWords(RankOfKey(t.bestHand)).simplified();
    if (t.bestHand >= 0 && RankOfKey(t.bestHand)[CategoryField] == HighCard)
      best = tr("High card: %1").arg(best);
    const QString values[] = {Figure(f.games),
                              Figure(f.bankruptcies),
                              Figure(t.hands),
                              OfHands(t.won, t.hands),
                              OfHands(t.lost, t.hands),
                              OfHands(t.pushed, t.hands),
                              Money(t.moneyWon),
                              Money(t.moneyLost),
                              Money(t.moneyWon - t.moneyLost),
                              best,
                              Money(t.largestPot),
                              Hands(t.winStreak),
                              Hands(t.lossStreak)};
    for (int r = 0; r < rowCount; ++r)
      table_->setItem(r, static_cast<int>(c - first), Cell(values[r], rows[r], head, r != 9));
  }
  table_->setHorizontalHeaderLabels(heads);
  table_->resizeColumnsToContents();
  table_->setCurrentCell(0, 0);
}

LeakPage::LeakPage(QWidget* parent)
    : QWidget(parent),
      summary_(new QLabel(this)),
      table_(FigureTable(this, "LeaksView")),
      examples_(new QLabel(this)) {
  setObjectName("LeakPage");
  summary_->setObjectName("LeakSummaryLabl");
  examples_->setObjectName("LeakExamplesLabl");
  for (QLabel* label : {summary_, examples_}) {
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    label->setFocusPolicy(Qt::TabFocus);  // so that a screen reader reaches it
    label->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
  }
  table_->setAccessibleName(tr("Mistakes by kind, costliest first"));
  table_->setColumnCount(5);
  table_->setHorizontalHeaderLabels(
      {tr("Mistake"), tr("Times"), tr("Cost"), tr("Cost each time"), tr("What it means")});
  table_->verticalHeader()->hide();
  table_->horizontalHeader()->setStretchLastSection(true);
  // The kinds are few: the table is as tall as they are, and the examples have the rest.
  table_->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
  table_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Maximum);
  examples_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(summary_);
  layout->addWidget(table_);
  layout->addWidget(examples_, 1);
  setTabOrder(summary_, table_);
  setTabOrder(table_, examples_);
}

void LeakPage::Show(const LeakReport& report) {
  if (report.judged == 0) {
    summary_->setText(
        tr("The coach has not judged any of your draws yet. Open the coach (Ctrl+K) while you play: every "
           "draw it "
           "judges is kept here, and the ones that were not the best show where your money goes."));
  } else if (report.cents == 0) {
    summary_->setText(
        tr("The coach judged %1 of your draws, and every one was as good as the best. Nothing lost!")
            .arg(Figure(report.judged)));
  } else {
    summary_->setText(
        tr("The coach judged %1 of your draws. The ones that were not the best cost you %2 in all: "
           "%3 a hand on average, against the best draw every time.")
            .arg(Figure(report.judged), Cents(report.cents),
                 Cents((report.cents + report.judged / 2) / std::max<std::int64_t>(report.judged, 1))));
  }
  table_->setRowCount(static_cast<int>(report.kinds.size()));
  const QString heads[] = {tr("Mistake"), tr("Times"), tr("Cost"), tr("Cost each time"), tr("What it means")};
  QStringList examples;
  for (std::size_t r = 0; r < report.kinds.size(); ++r) {
    const LeakKind& k = report.kinds[r];
    const QString name = LeakName(k.leak);
    const QString values[] = {name, Figure(k.count), Cents(k.cents),
                              Cents((k.cents + k.count / 2) / std::max<std::int64_t>(k.count, 1)),
                              LeakMeaning(k.leak)};
    for (int c = 0; c < 5; ++c) {
      QTableWidgetItem* item = Cell(values[c], name, heads[c], c > 0 && c < 4);
      table_->setItem(static_cast<int>(r), c, item);
    }
    if (r >= 3) continue;
    const LeakExample& e = k.example;
    examples << tr("%1. %2: %3 over %4.").arg(r + 1).arg(name, Cents(k.cents), Hands(k.count))
             << tr("   The costliest, game %1, hand %2: dealt %3; you kept %4, the best hold keeps %5 (%6 "
                   "below it).")
                    .arg(Figure(e.game), Figure(e.number))
                    .arg(CardSigns(PackCards(e.dealt)), KeptSigns(e.dealt, e.discards),
                         KeptSigns(e.dealt, e.best), Cents(e.cents));
  }
  table_->resizeColumnsToContents();
  table_->horizontalHeader()->setStretchLastSection(true);
  if (!report.kinds.empty()) table_->setCurrentCell(0, 0);
  table_->setVisible(!report.kinds.empty());
  examples_->setVisible(!examples.isEmpty());
  examples_->setText(examples.isEmpty() ? QString()
                                        : tr("Your three costliest leaks:") + "\n" + examples.join("\n"));
}
