// A rigged game recorded through the recorder's slots as the table and the coach feed them,
// read back three ways: the window's rows, the exported CSV (through a strict parser of its
// own) and the chart's figures.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QGraphicsEffect>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <optional>
#include <vector>

#include "game/handrank.h"
#include "history/bankchart.h"
#include "history/historybox.h"
#include "history/historymodel.h"
#include "history/recorder.h"
#include "tests/support/cardnames.h"
#include "tests/support/fakeplatform.h"
#include "tests/support/widgets.h"

namespace {

using namespace cardnames;

// RFC 4180, strictly, after a UTF-8 byte-order mark: records end in CRLF, a quoted field may hold commas, CR,
// LF and doubled quotes, and nothing else may follow its closing quote. nullopt for anything else.
std::optional<std::vector<QStringList>> ParseCsv(const QByteArray& bytes) {
  if (!bytes.startsWith("\xEF\xBB\xBF")) return std::nullopt;  // so that spreadsheets read UTF-8
  const QString text = QString::fromUtf8(bytes.mid(3));
  std::vector<QStringList> records;
  QStringList record;
  QString field;
  bool quoted = false, wasQuoted = false;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    if (quoted) {
      if (c != '"') {
        field += c;
      } else if (i + 1 < text.size() && text[i + 1] == '"') {
        field += c;
        ++i;
      } else {
        quoted = false;
      }
    } else if (c == '"' && field.isEmpty() && !wasQuoted) {
      quoted = wasQuoted = true;
    } else if (c == ',' || c == '\r') {
      if (c == '\r' && (i + 1 >= text.size() || text[i + 1] != '\n')) return std::nullopt;
      record << field;
      field.clear();
      wasQuoted = false;
      if (c == '\r') {
        records.push_back(record);
        record.clear();
        ++i;
      }
    } else if (c == '\n' || c == '"' || wasQuoted) {
      return std::nullopt;
    } else {
      field += c;
    }
  }
  if (quoted || !record.isEmpty() || !field.isEmpty()) return std::nullopt;  // the last line ends in CRLF too
  return records;
}

struct RiggedHand {
  const char* rule;
  Hand dealt;
  SlotFlags discards;
  Hand drawn, dealer;
  std::int32_t bet, bank;
  Outcome outcome;
  std::int32_t coachPlace;  // -1: the coach said nothing
  double dollarsBelow;
  bool verdictBeforeDraw, bankrupt;
  std::array<const char*, HistoryModel::ColumnCount> row;  // as the window shows it
  std::array<const char*, 5> csv;  // Turned down, Outcome, Coach, Below best, Bankrupt
};

const RiggedHand kGame[] = {
    {"a best hold that won",
     {C(Ace, H), C(Ten, D), C(Eight, H), C(Five, Cl), C(Two, S)},
     {0, 1, 1, 1, 1},
     {C(Ace, H), C(Ace, Cl), C(Nine, D), C(Four, S), C(Three, H)},
     {C(King, S), C(Queen, D), C(Seven, Cl), C(Six, H), C(Three, Cl)},
     10,
     1010,
     PlayerWins,
     1,
     0,
     false,
     false,
     {"1", "$10", "A♥ [10♦] [8♥] [5♣] [2♠]", "A♥ A♣ 9♦ 4♠ 3♥", "K♠ Q♦ 7♣ 6♥ 3♣", "Pair", "High card", "Win",
      "$1010", "Best hold"},
     {"10♦ 8♥ 5♣ 2♠", "Win", "Best", "", ""}},
    {"a push standing pat, a hold less than a cent below the best",
     {C(Two, H), C(Five, D), C(Seven, Cl), C(Nine, S), C(Jack, H)},
     {0, 0, 0, 0, 0},
     {C(Two, H), C(Five, D), C(Seven, Cl), C(Nine, S), C(Jack, H)},
     {C(Two, D), C(Five, Cl), C(Seven, S), C(Nine, H), C(Jack, D)},
     20,
     1010,
     Push,
     2,
     0.004,
     false,
     false,
     {"2", "$20", "2♥ 5♦ 7♣ 9♠ J♥", "2♥ 5♦ 7♣ 9♠ J♥", "2♦ 5♣ 7♠ 9♥ J♦", "High card", "High card", "Push",
      "$1010", "As good as best"},
     {"", "Push", "As good as best", "", ""}},
    {"a loss whose verdict came before the draw, dollars below the best",
     {C(King, H), C(King, D), C(Seven, Cl), C(Four, S), C(Two, H)},
     {0, 0, 1, 1, 1},
     {C(King, H), C(King, D), C(Nine, Cl), C(Nine, S), C(Three, D)},
     {C(Queen, H), C(Queen, D), C(Queen, S), C(Six, Cl), C(Four, H)},
     500,
     510,
     DealerWins,
     3,
     12.5,
     true,
     false,
     {"3", "$500", "K♥ K♦ [7♣] [4♠] [2♥]", "K♥ K♦ 9♣ 9♠ 3♦", "Q♥ Q♦ Q♠ 6♣ 4♥", "Two Pair", "Three of a Kind",
      "Loss", "$510", "$12.50 below best"},
     {"7♣ 4♠ 2♥", "Loss", "Not best", "12.50", ""}},
    {"no verdict while the coach was closed",
     {C(Ten, S), C(Jack, S), C(Queen, S), C(King, S), C(Two, D)},
     {0, 0, 0, 0, 1},
     {C(Ten, S), C(Jack, S), C(Queen, S), C(King, S), C(Ace, S)},
     {C(Ace, D), C(Ace, Cl), C(Three, S), C(Four, D), C(Six, Cl)},
     5,
     515,
     PlayerWins,
     -1,
     0,
     false,
     false,
     {"4", "$5", "10♠ J♠ Q♠ K♠ [2♦]", "10♠ J♠ Q♠ K♠ A♠", "A♦ A♣ 3♠ 4♦ 6♣", "Royal Flush", "Pair", "Win",
      "$515", ""},
     {"2♦", "Win", "", "", ""}},
    {"the hand that emptied the bank",
     {C(Three, H), C(Eight, D), C(Jack, Cl), C(Queen, S), C(Four, Cl)},
     {1, 1, 1, 0, 0},
     {C(Six, D), C(Ten, H), C(Two, Cl), C(Queen, S), C(Four, Cl)},
     {C(Five, S), C(Five, H), C(Eight, Cl), C(Nine, D), C(Ten, Cl)},
     515,
     0,
     DealerWins,
     1,
     0,
     false,
     true,
     {"5", "$515", "[3♥] [8♦] [J♣] Q♠ 4♣", "6♦ 10♥ 2♣ Q♠ 4♣", "5♠ 5♥ 8♣ 9♦ 10♣", "High card", "Pair",
      "Loss, bankrupt", "$0", "Best hold"},
     {"3♥ 8♦ J♣", "Loss", "Best", "", "Yes"}},
};

ShowdownRecord Showdown(const RiggedHand& h) {
  ShowdownRecord r{.player = h.drawn,
                   .dealer = h.dealer,
                   .outcome = h.outcome,
                   .bet = h.bet,
                   .pot = 2 * h.bet,
                   .bank = h.bank};
  RankHistogram counts{};
  EvaluateHand(h.drawn, r.playerRank, counts);
  EvaluateHand(h.dealer, r.dealerRank, counts);
  return r;
}

TEST(History, ARiggedGameInTheRowsTheCsvAndTheChart) {
  FakePlatform platform;
  THistoryBox box;
  HandRecorder& recorder = *box.Recorder();
  const QString player = QStringLiteral("Al \"Ace\", Jr\r\nthe 2nd");
  recorder.GameStarted(1000, player);
  // A hand abandoned by New Game leaves nothing behind.
  recorder.HandDealt(kGame[0].dealt, {}, 999, 1);
  recorder.NewGameStarted(1000);
  for (const RiggedHand& h : kGame) {
    recorder.HandDealt(h.dealt, {}, h.bet, 0);
    if (h.verdictBeforeDraw) recorder.CoachVerdict(h.coachPlace, h.dollarsBelow, {});
    recorder.DrawMade(h.discards, h.dealt, h.drawn, {});
    if (!h.verdictBeforeDraw && h.coachPlace >= 0) recorder.CoachVerdict(h.coachPlace, h.dollarsBelow, {});
    recorder.ShowdownSettled(Showdown(h));
    if (h.bankrupt) recorder.WentBankrupt();
  }
  box.show();
  QApplication::setActiveWindow(&box);

  auto* view = Named<QTableView>(&box, "HandsView");
  const QAbstractItemModel* model = view->model();
  const int hands = static_cast<int>(std::size(kGame));
  ASSERT_EQ(model->rowCount(), hands);
  // Opened, the newest hand is where a screen reader starts; Tab leaves the hands for the buttons.
  EXPECT_EQ(view->currentIndex().row(), 0);
  EXPECT_TRUE(view->hasFocus());
  QTest::keyClick(view, Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), Named(&box, "ExportBtn"));
  for (int i = 0; i < hands; ++i) {
    SCOPED_TRACE(kGame[i].rule);
    for (int c = 0; c < HistoryModel::ColumnCount; ++c)  // newest first
      EXPECT_EQ(model->index(hands - 1 - i, c).data().toString(), QString::fromUtf8(kGame[i].row[c])) << c;
  }

  // The hand chosen shows its cards, the ones turned down faded and said to be.
  view->selectionModel()->setCurrentIndex(model->index(hands - 1, 0), QItemSelectionModel::SelectCurrent);
  const auto* turned = Named<QLabel>(&box, "DealtCard1");
  EXPECT_TRUE(Shows(turned, C(Ten, D)));
  EXPECT_TRUE(turned->graphicsEffect()->isEnabled());
  EXPECT_FALSE(Named<QLabel>(&box, "DealtCard0")->graphicsEffect()->isEnabled());
  EXPECT_EQ(turned->accessibleName(), "Dealt, card 2: Ten of Diamonds, turned down");
  EXPECT_TRUE(Shows(Named<QLabel>(&box, "DealerCard4"), C(Three, Cl)));

  // Exported twice: the second time over the first file, which the player agrees to replace.
  QTemporaryDir dir;
  const QString path = dir.filePath("game.csv");
  platform.SetSaveFileName(path);
  box.ExportClick();
  platform.Expect("", "Export Hand History", QuestionYesNoCancel, MessageAnswer::Yes);
  box.ExportClick();
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const auto csv = ParseCsv(file.readAll());
  ASSERT_TRUE(csv.has_value()) << "not RFC 4180";
  ASSERT_EQ(csv->size(), std::size_t(hands + 1));
  const QStringList head = csv->front();
  const auto field = [&](int i, const char* name) {
    return (*csv)[std::size_t(i + 1)].value(head.indexOf(name));
  };
  for (int i = 0; i < hands; ++i) {
    SCOPED_TRACE(kGame[i].rule);
    const RiggedHand& h = kGame[i];
    EXPECT_EQ((*csv)[std::size_t(i + 1)].size(), head.size());
    EXPECT_EQ(field(i, "Player"), player);
    EXPECT_EQ(field(i, "Hand"), QString::number(i + 1));
    EXPECT_EQ(field(i, "Bank"), QString::number(h.bank));
    EXPECT_EQ(field(i, "Dealer"), QString::fromUtf8(h.row[HistoryModel::Dealer]));
    const char* names[5] = {"Turned down", "Outcome", "Coach", "Below best", "Bankrupt"};
    for (int k = 0; k < 5; ++k) EXPECT_EQ(field(i, names[k]), QString::fromUtf8(h.csv[k])) << names[k];
  }

  const BankFigures figures = recorder.History().Figures();
  const std::int64_t read[] = {figures.start, figures.end, figures.highest, figures.lowest, figures.hands};
  const std::int64_t expected[] = {1000, 0, 1010, 0, hands};
  const QString said = Named<BankChart>(&box, "BankChart")->accessibleDescription();
  for (int k = 0; k < 5; ++k) {
    EXPECT_EQ(read[k], expected[k]) << k;
    EXPECT_TRUE(said.contains(QString::number(expected[k]))) << said.toStdString();
  }

  // New Game: a fresh history, the chart told so too.
  recorder.NewGameStarted(1000);
  EXPECT_EQ(model->rowCount(), 0);
  EXPECT_TRUE(Named<BankChart>(&box, "BankChart")->accessibleDescription().startsWith("0 hands"));
}

// However many hands share a pixel column, its range keeps each one's bank: no spike is lost,
// and the line still starts at the starting bank and ends at the last hand's bank.
TEST(History, ThinningKeepsEverySpike) {
  struct Row {
    const char* rule;
    std::int64_t hands;
    int width;
    std::size_t columns;
  };
  const Row rows[] = {{"fewer points than pixels: one column a point", 40, 300, 41},
                      {"100,000 hands in 300 pixels", 100'000, 300, 300}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.rule);
    HandHistory history;
    history.Start(1000);
    for (std::int64_t n = 1; n <= row.hands; ++n) {
      HandEntry e;
      e.bank = n == row.hands / 3 ? 99'999 : n == row.hands / 2 ? 1 : 1000 + static_cast<std::int32_t>(n % 7);
      history.Add(e);
    }
    const std::vector<BankColumn> columns = history.Columns(row.width);
    ASSERT_EQ(columns.size(), row.columns);
    std::int32_t high = 0, low = 1 << 30;
    for (const BankColumn& c : columns) high = std::max(high, c.high), low = std::min(low, c.low);
    EXPECT_EQ(high, 99'999);
    EXPECT_EQ(low, 1);
    EXPECT_EQ(columns.front().first, 1000);
    EXPECT_EQ(columns.back().last, history.BankAfter(row.hands));
  }
}

}  // namespace
