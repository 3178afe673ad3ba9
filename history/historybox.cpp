#include "history/historybox.h"

#include <QDateTime>
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
#include <QScrollBar>
#include <QShortcut>
#include <QStringList>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include "decks/catalogue.h"
#include "history/archive.h"
#include "history/bankchart.h"
#include "history/gamesmodel.h"
#include "history/historymodel.h"
#include "history/historytext.h"
#include "history/recorder.h"
#include "history/recordpages.h"
#include "platform/imagebox.h"
#include "platform/numbers.h"
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
    : SideWindow(table, GameWindow::History, true),
      recorder_(new HandRecorder(this)),
      model_(new HistoryModel(recorder_, this)) {
  setObjectName("THistoryBox");
  setWindowTitle(tr("History"));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  setModal(false);
  UseBaseFont(this);
  KeepTextsWhole(this);
  resize(1000, 660);
  // Narrower or shorter only as far as its columns and chart still read.
  setMinimumSize(560, 420);

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
  // Tab leaves the table for the buttons; the arrows go from hand to hand.
  view_->setTabKeyNavigation(false);
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
  const QString money = Dollars(9999999);
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
      {HistoryModel::tr("%1 below best").arg(DollarsAndCents(999.99)), HistoryModel::tr("As good as best")}};
  int columns = 0;
  for (int c = 0; c < HistoryModel::ColumnCount; ++c) {
    int width = widthOf(model_->headerData(c, Qt::Horizontal).toString());
    for (const QString& sample : samples[c]) width = std::max(width, widthOf(sample));
    view_->horizontalHeader()->resizeSection(c, width);
    columns += width;
  }
  view_->horizontalHeader()->setStretchLastSection(true);
  // Wide enough for every column whole in any language, where the screen lets it be.
  const int margins = 2 * view_->frameWidth() + view_->verticalScrollBar()->sizeHint().width() + 64;
  resize(std::max(width(), columns + margins), height());

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

  gameLabel_ = new QLabel(this);
  gameLabel_->setObjectName("GameLabl");
  gameLabel_->setTextFormat(Qt::PlainText);
  gameLabel_->setWordWrap(true);
  thisGame_ = new QPushButton(tr("&This Game"), this);
  thisGame_->setObjectName("ThisGameBtn");
  thisGame_->setToolTip(tr("Back to the hands of the game in play"));
  thisGame_->hide();
  connect(thisGame_, &QPushButton::clicked, this, &THistoryBox::ShowThisGame);
  auto* handsPage = new QWidget;
  auto* gameLine = new QHBoxLayout;
  gameLine->addWidget(gameLabel_, 1);
  gameLine->addWidget(thisGame_);
  auto* handsLayout = new QVBoxLayout(handsPage);
  handsLayout->addLayout(gameLine);
  handsLayout->addWidget(chart_);
  handsLayout->addWidget(view_, 1);
  handsLayout->addWidget(felt);

  games_ = new GamesModel(this);
  gamesView_ = new QTableView;
  gamesView_->setObjectName("GamesView");
  gamesView_->setModel(games_);
  gamesView_->setAccessibleName(tr("Every game, newest first"));
  gamesView_->setSelectionBehavior(QAbstractItemView::SelectRows);
  gamesView_->setSelectionMode(QAbstractItemView::SingleSelection);
  gamesView_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  gamesView_->setTabKeyNavigation(false);
  gamesView_->setWordWrap(false);
  gamesView_->setAlternatingRowColors(true);
  gamesView_->verticalHeader()->hide();
  gamesView_->verticalHeader()->setDefaultSectionSize(view_->verticalHeader()->defaultSectionSize());
  gamesView_->horizontalHeader()->setStretchLastSection(true);
  const QString when = GamesModel::When(QDateTime(QDate(2028, 12, 28), QTime(12, 58)).toSecsSinceEpoch());
  const QString gameSamples[GamesModel::ColumnCount] = {
      when,  QStringLiteral("WWWWWWWWWW"), QStringLiteral("0000000"), money,
      money, GamesModel::tr("Unfinished")};
  for (int c = 0; c < GamesModel::ColumnCount; ++c)
    gamesView_->horizontalHeader()->resizeSection(
        c, std::max(widthOf(games_->headerData(c, Qt::Horizontal).toString()), widthOf(gameSamples[c])));
  connect(gamesView_, &QAbstractItemView::activated, this, &THistoryBox::ShowChosenGame);
  noticeLabel_ = new QLabel;
  noticeLabel_->setObjectName("NoticeLabl");
  noticeLabel_->setWordWrap(true);
  noticeLabel_->setTextFormat(Qt::PlainText);
  noticeLabel_->setFocusPolicy(Qt::TabFocus);
  Paint(noticeLabel_, QPalette::WindowText, kMaroon);
  noticeLabel_->hide();
  auto* showHands = new QPushButton(tr("Show &Hands"));
  showHands->setObjectName("ShowHandsBtn");
  showHands->setToolTip(tr("The hands and the chart of the game chosen"));
  connect(showHands, &QPushButton::clicked, this, &THistoryBox::ShowChosenGame);
  auto* gamesPage = new QWidget;
  auto* gamesButtons = new QHBoxLayout;
  gamesButtons->addStretch(1);
  gamesButtons->addWidget(showHands);
  auto* gamesLayout = new QVBoxLayout(gamesPage);
  gamesLayout->addWidget(noticeLabel_);
  gamesLayout->addWidget(gamesView_, 1);
  gamesLayout->addLayout(gamesButtons);

  lifetime_ = new LifetimePage;
  leaks_ = new LeakPage;
  tabs_ = new QTabWidget(this);
  tabs_->setObjectName("HistoryTabs");
  tabs_->addTab(handsPage, tr("Hands"));
  tabs_->addTab(gamesPage, tr("Games"));
  tabs_->addTab(lifetime_, tr("Lifetime"));
  tabs_->addTab(leaks_, tr("Leaks"));
  // Without a database there is only the game in play.
  for (int tab = GamesTab; tab <= LeaksTab; ++tab) tabs_->setTabVisible(tab, false);

  export_ = new QPushButton(tr("&Export..."), this);
  export_->setObjectName("ExportBtn");
  auto* close = new QPushButton(tr("&Close"), this);
  close->setObjectName("CloseBtn");
  connect(export_, &QPushButton::clicked, this, &THistoryBox::ExportClick);
  connect(close, &QPushButton::clicked, this, &QDialog::close);
  auto* toggle = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_H), this);
  connect(toggle, &QShortcut::activated, this, &QDialog::close);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(export_);
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tabs_, 1);
  layout->addLayout(buttons);
  setTabOrder(tabs_, thisGame_);
  setTabOrder(thisGame_, chart_);
  setTabOrder(chart_, view_);
  setTabOrder(view_, export_);
  setTabOrder(export_, close);

  connect(recorder_, &HandRecorder::Restarted, chart_, &BankChart::Refresh);
  connect(recorder_, &HandRecorder::HandAdded, chart_, &BankChart::Refresh);
  connect(recorder_, &HandRecorder::HandChanged, chart_, &BankChart::Refresh);
  connect(view_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          &THistoryBox::ShowChosenHand);
  connect(model_, &QAbstractItemModel::modelReset, this, &THistoryBox::ShowChosenHand);
  connect(model_, &QAbstractItemModel::rowsInserted, this, &THistoryBox::ShowChosenHand);
  connect(model_, &QAbstractItemModel::dataChanged, this, &THistoryBox::ShowChosenHand);
  connect(tabs_, &QTabWidget::currentChanged, this, [this](int tab) {
    // Export... writes the hands shown.
    export_->setEnabled(tab == HandsTab);
    RefreshPage();
  });
  connect(recorder_, &HandRecorder::GameBegun, this, [this] {
    gameBegun_ = true;
    TellOnce();
  });
  // Trouble heard of later waits for the end of a hand, when the table waits for the player.
  connect(recorder_, &HandRecorder::HandAdded, this, [this] {
    if (!told_ && !notice_.isEmpty()) QTimer::singleShot(0, this, &THistoryBox::TellOnce);
  });
  ShowThisGame();
}

THistoryBox::~THistoryBox() {
  // Every hand queued is written before the recorder goes.
  archive_.reset();
}

void THistoryBox::KeepHandsIn(const QString& path) {
  archive_ = std::make_unique<HandArchive>(recorder_);
  const ArchiveWriter* writer = archive_->Writer();
  connect(writer, &ArchiveWriter::Opened, this, &THistoryBox::StoreOpened);
  connect(writer, &ArchiveWriter::GameBegun, this, [this](std::int64_t game) {
    currentGame_ = game;
    RefreshPage();
  });
  connect(writer, &ArchiveWriter::HandWritten, this, &THistoryBox::RefreshPage);
  connect(writer, &ArchiveWriter::GameEnded, this, &THistoryBox::RefreshPage);
  connect(writer, &ArchiveWriter::WriteFailed, this, [this](const QString& error) {
    notice_ = tr("A hand could not be written to your hand history (%1). The hands of this game stay in this "
                 "window until you quit.")
                  .arg(error);
  });
  archive_->Open(path);
}

void THistoryBox::StoreOpened(const StoreOpening& opening, const QString& path) {
  switch (opening.state) {
    case StoreOpening::Opened:
    case StoreOpening::Created:
      break;
    case StoreOpening::Damaged:
      notice_ =
          tr("Your hand history could not be read, so it was put aside as %1 and a new one was started.")
              .arg(NativeFullPath(opening.aside));
      break;
    case StoreOpening::Foreign:
      notice_ =
          tr("The file kept for your hand history belonged to another program, so it was renamed %1 and a "
             "new hand history was started.")
              .arg(NativeFullPath(opening.aside));
      break;
    case StoreOpening::Newer:
      notice_ =
          tr("Your hand history was written by a newer version of Brindlewharf. It is left as it is, and "
             "the hands of this run are kept only until you quit.");
      break;
    case StoreOpening::Failed:
      notice_ =
          tr("Your hand history could not be opened (%1). The hands of this run are kept only until you "
             "quit.")
              .arg(opening.error);
      break;
  }
  if (opening.state == StoreOpening::Newer || opening.state == StoreOpening::Failed) {
    noticeLabel_->setText(notice_);
    noticeLabel_->show();
  }
  if (path.isEmpty() || !reader_.OpenToRead(path)) return;
  for (int tab = GamesTab; tab <= LeaksTab; ++tab) tabs_->setTabVisible(tab, true);
  RefreshPage();
}

void THistoryBox::TellOnce() {
  if (told_ || notice_.isEmpty() || !gameBegun_) return;
  told_ = true;
  ShowMessage(notice_, tr("Hand History"), StopOk);
}

void THistoryBox::RefreshPage() {
  if (!isVisible() || !reader_.IsOpen()) return;
  switch (tabs_->currentIndex()) {
    case GamesTab: {
      const StoredGame* chosen = games_->GameAt(gamesView_->currentIndex().row());
      const std::int64_t keep = chosen ? chosen->id : currentGame_;
      games_->SetGames(reader_.Games(currentGame_), currentGame_);
      const int row = std::max(games_->RowOf(keep), 0);
      if (games_->rowCount() > 0)
        gamesView_->selectionModel()->setCurrentIndex(
            games_->index(row, 0), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
      break;
    }
    case LifetimeTab:
      lifetime_->Show(reader_.Lifetime());
      break;
    case LeaksTab:
      leaks_->Show(reader_.Leaks());
      break;
    default:
      break;
  }
}

void THistoryBox::ShowChosenGame() {
  const StoredGame* game = games_->GameAt(gamesView_->currentIndex().row());
  if (!game) return;
  if (game->id == currentGame_) {
    ShowThisGame();
  } else {
    ShowGame(*game);
  }
  tabs_->setCurrentIndex(HandsTab);
  view_->setFocus();
}

void THistoryBox::ShowGame(const StoredGame& game) {
  model_->ShowStored(&reader_, game);
  chart_->ShowLine(reader_.Chart(game));
  const QString when = GamesModel::When(game.started);
  const QString hands = tr("%n hand(s)", nullptr, static_cast<int>(game.hands));
  gameLabel_->setText(tr("%1's game of %2: %3, newest first").arg(game.player, when, hands));
  view_->setAccessibleName(tr("Hands of %1's game of %2, newest first").arg(game.player, when));
  thisGame_->show();
  if (model_->rowCount() > 0)
    view_->selectionModel()->setCurrentIndex(model_->index(0, 0),
                                             QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void THistoryBox::ShowThisGame() {
  const bool moved = !model_->IsLive();
  model_->ShowLive();
  chart_->ShowLive();
  gameLabel_->setText(tr("This game, newest hand first"));
  view_->setAccessibleName(tr("Hands of this game, newest first"));
  if (moved && thisGame_->hasFocus()) view_->setFocus();
  thisGame_->hide();
  if (model_->rowCount() > 0)
    view_->selectionModel()->setCurrentIndex(model_->index(0, 0),
                                             QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void THistoryBox::showEvent(QShowEvent* e) {
  SideWindow::showEvent(e);
  // The game in play, its newest hand the current row, where a screen reader starts reading.
  ShowThisGame();
  tabs_->setCurrentIndex(HandsTab);
  ShowChosenHand();
  view_->setFocus();
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

void THistoryBox::ExportClick() {
  const QString title = tr("Export Hand History");
  const QString path =
      SaveFileNameAskingToReplace(title, tr("Comma-separated values (*.csv)"), "csv",
                                  tr("%1 already exists. Do you want to replace it?"), title);
  if (path.isEmpty()) return;
  const QByteArray csv = model_->IsLive()
                             ? HistoryCsv(recorder_->History(), recorder_->Player())
                             : HistoryCsv(reader_.WholeGame(model_->Stored()), model_->Stored().player);
  if (!SaveWholeFile(path, csv))
    ShowMessage(tr("%1 could not be saved.").arg(NativeFullPath(path)), tr("Export Error"), StopOk);
}
