#include "history/historybox.h"

#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QGraphicsOpacityEffect>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QSaveFile>
#include <QScreen>
#include <QShortcut>
#include <QStringList>
#include <QTableView>
#include <QVBoxLayout>

#include "decks/catalogue.h"
#include "history/bankchart.h"
#include "history/historymodel.h"
#include "history/historytext.h"
#include "history/recorder.h"
#include "platform/imagebox.h"
#include "platform/palette.h"
#include "platform/platform.h"
#include "platform/settings.h"
#include "platform/windows.h"
#include "platform/words.h"

namespace {

constexpr int kCardWidth = 47, kCardHeight = 64, kCardGap = 6;
constexpr int kGroupWidth = 5 * kCardWidth + 4 * kCardGap, kGroupGap = 28;

QLabel* Caption(QWidget* parent, const char* name, int x, int y) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  label->setGeometry(x, y, kGroupWidth, 16);
  Paint(label, QPalette::WindowText, Qt::white);
  return label;
}

}  // namespace

THistoryBox::THistoryBox(QWidget* table)
    : QDialog(table), recorder_(new HandRecorder(this)), model_(new HistoryModel(recorder_, this)) {
  setObjectName("THistoryBox");
  setWindowTitle(tr("History"));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  setModal(false);
  UseBaseFont(this);
  KeepTextsWhole(this);
  resize(1000, 660);

  chart_ = new BankChart(&recorder_->History(), this);

  view_ = new QTableView(this);
  view_->setObjectName("HandsView");
  view_->setModel(model_);
  view_->setAccessibleName(tr("Hands of this game, newest first"));
  view_->setSelectionBehavior(QAbstractItemView::SelectRows);
  view_->setSelectionMode(QAbstractItemView::SingleSelection);
  view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  view_->setWordWrap(false);
  view_->setAlternatingRowColors(true);
  view_->verticalHeader()->hide();
  // Fixed rows and columns: nothing is measured across the rows, however many there are.
  view_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  view_->verticalHeader()->setDefaultSectionSize(view_->fontMetrics().height() + 6);
  const QFontMetrics m = view_->fontMetrics();
  const auto widthOf = [&](const QString& sample) { return m.horizontalAdvance(sample) + 12; };
  const QString plain = QStringLiteral("10\u2666 10\u2666 10\u2666 10\u2666 10\u2666");
  const QString hand = QStringLiteral("10\u2666 [10\u2666] [10\u2666] [10\u2666] [10\u2666]");
  QStringList categories;
  for (int c = Pair; c <= RoyalFlush; ++c) categories << CategoryWords(c);
  const QString money = QStringLiteral("$0000000");
  const QStringList samples[HistoryModel::ColumnCount] = {
      {QStringLiteral("000000")},
      {money},
      {hand},
      {plain},
      {plain},
      categories,
      categories,
      {HistoryModel::tr("Loss, bankrupt")},
      {money},
      {HistoryModel::tr("$%1 below best").arg(QStringLiteral("000.00")),
       HistoryModel::tr("As good as best")}};
  for (int c = 0; c < HistoryModel::ColumnCount; ++c) {
    int width = widthOf(model_->headerData(c, Qt::Horizontal).toString());
    for (const QString& sample : samples[c]) width = std::max(width, widthOf(sample));
    view_->horizontalHeader()->resizeSection(c, width);
  }
  view_->horizontalHeader()->setStretchLastSection(true);

  auto* felt = new QFrame(this);
  felt->setObjectName("CardsPanl");
  felt->setFixedHeight(26 + 18 + kCardHeight + 8);
  felt->setMinimumWidth(20 + 3 * kGroupWidth + 2 * kGroupGap);
  Paint(felt, QPalette::Window, kTableGreen);
  handLabel_ = Caption(felt, "HandLabl", 10, 6);
  handLabel_->setFont(PixelFont("Liberation Sans", 12, true));
  const char* rowNames[3] = {"Dealt", "Drawn", "Dealer"};
  const QString rowCaptions[3] = {tr("Dealt (turned down cards faded)"), tr("After the draw"),
                                  tr("The Dealer's final hand")};
  for (int r = 0; r < 3; ++r) {
    const int left = 10 + r * (kGroupWidth + kGroupGap);
    Caption(felt, (QByteArray(rowNames[r]) + "Labl").constData(), left, 26)->setText(rowCaptions[r]);
    for (int i = 0; i < 5; ++i) {
      auto* card = new ImageBox(felt);
      card->setObjectName(QStringLiteral("%1Card%2").arg(QLatin1String(rowNames[r])).arg(i));
      card->setGeometry(left + i * (kCardWidth + kCardGap), 44, kCardWidth, kCardHeight);
      if (r == 0) {
        auto* fade = new QGraphicsOpacityEffect(card);
        fade->setOpacity(0.4);
        fade->setEnabled(false);
        card->setGraphicsEffect(fade);
      }
      cards_[r][i] = card;
    }
  }

  auto* exportButton = new QPushButton(tr("&Export..."), this);
  exportButton->setObjectName("ExportBtn");
  auto* close = new QPushButton(tr("&Close"), this);
  close->setObjectName("CloseBtn");
  connect(exportButton, &QPushButton::clicked, this, &THistoryBox::ExportClick);
  connect(close, &QPushButton::clicked, this, &QDialog::close);
  auto* toggle = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_H), this);
  connect(toggle, &QShortcut::activated, this, &QDialog::close);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(exportButton);
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(chart_);
  layout->addWidget(view_, 1);
  layout->addWidget(felt);
  layout->addLayout(buttons);
  setTabOrder(chart_, view_);
  setTabOrder(view_, exportButton);
  setTabOrder(exportButton, close);

  connect(recorder_, &HandRecorder::Restarted, chart_, &BankChart::Refresh);
  connect(recorder_, &HandRecorder::HandAdded, chart_, &BankChart::Refresh);
  connect(recorder_, &HandRecorder::HandChanged, chart_, &BankChart::Refresh);
  connect(view_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          &THistoryBox::ShowChosenHand);
  connect(model_, &QAbstractItemModel::modelReset, this, &THistoryBox::ShowChosenHand);
  connect(model_, &QAbstractItemModel::rowsInserted, this, &THistoryBox::ShowChosenHand);
  connect(model_, &QAbstractItemModel::dataChanged, this, &THistoryBox::ShowChosenHand);
}

void THistoryBox::Toggle() {
  if (isVisible()) {
    close();
    return;
  }
  show();
  activateWindow();
}

void THistoryBox::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  PlaceBesideTable();
  ShowChosenHand();
  view_->setFocus();
  emit OpenChanged(true);
}

void THistoryBox::hideEvent(QHideEvent* e) {
  QDialog::hideEvent(e);
  emit OpenChanged(false);
}

void THistoryBox::ShowChosenHand() {
  if (!isVisible()) return;  // a closed window draws no cards; showing it brings them up to date
  const QModelIndex current = view_->currentIndex();
  const int row = current.isValid() ? current.row() : 0;
  const HandEntry* e = model_->EntryAt(row);
  handLabel_->setText(e ? tr("Hand %1").arg(model_->NumberAt(row)) : tr("No hands yet"));
  const QString rowWords[3] = {tr("Dealt"), tr("After the draw"), tr("Dealer")};
  for (int r = 0; r < 3; ++r) {
    for (int i = 0; i < 5; ++i) {
      ImageBox* box = cards_[r][i];
      if (!e) {
        ClearImage(box);
        box->setAccessibleName(QString());
        continue;
      }
      const HandEntry::Cards& cards = r == 0 ? e->dealt : r == 1 ? e->drawn : e->dealer;
      const int code = cards[static_cast<std::size_t>(i)];
      const bool down = r == 0 && e->TurnedDown(i);
      ShowImage(box, code);
      if (r == 0) box->graphicsEffect()->setEnabled(down);
      const QString card = down ? tr("%1, turned down").arg(CardWords(code)) : CardWords(code);
      box->setAccessibleName(tr("%1, card %2: %3").arg(rowWords[r]).arg(i + 1).arg(card));
    }
  }
}

void THistoryBox::PlaceBesideTable() {
  // Below the table if the screen has room, so that the coach keeps its place beside it.
  if (placed_ || !parentWidget()) return;
  placed_ = true;
  if (MoveToPlayersPlace(this, GameWindow::History)) return;
  const QRect table = parentWidget()->window()->frameGeometry();
  const QScreen* screen = parentWidget()->screen();
  if (!screen) return;
  const QRect room = screen->availableGeometry();
  const int gap = 8;
  QPoint at(table.left(), table.bottom() + gap);
  if (at.y() + frameGeometry().height() > room.bottom()) at = {table.right() + gap, table.top()};
  if (at.x() + frameGeometry().width() > room.right()) return;
  move(at);
}

void THistoryBox::ExportClick() {
  const QString title = tr("Export Hand History");
  const QString path =
      SaveFileNameAskingToReplace(title, tr("Comma-separated values (*.csv)"), "csv",
                                  tr("%1 already exists. Do you want to replace it?"), title);
  if (path.isEmpty()) return;
  const QByteArray csv = HistoryCsv(recorder_->History(), playerName_.isEmpty() ? "Player" : playerName_);
  if (!SaveWholeFile(path, csv))
    ShowMessage(tr("%1 could not be saved.").arg(NativeFullPath(path)), tr("Export Error"), StopOk);
}
