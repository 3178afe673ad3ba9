#include "stats/statbox.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QHideEvent>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QShowEvent>
#include <QStackedWidget>
#include <QTimer>
#include <QToolButton>
#include <algorithm>
#include <climits>
#include <vector>

#include "decks/catalogue.h"
#include "decks/deckchoice.h"
#include "game/compare.h"
#include "help/helpbox.h"
#include "platform/accessible.h"
#include "platform/language.h"
#include "platform/numbers.h"
#include "platform/palette.h"
#include "platform/platform.h"
#include "platform/settings.h"
#include "platform/windows.h"
#include "platform/words.h"
#include "stats/gamestats.h"
#include "stats/statsio.h"
#include "ui_statbox.h"

TStatBox* StatBox = nullptr;

namespace {

QString Style() {
  return QStringLiteral(R"(
#Panel2, #Panel14, #Panel7 { background: black; }
#DateLabl, #TimeLabl { color: %1; font-family: "Liberation Sans Narrow"; font-size: 11px; }
#SummaryLeftPanl, #AccumLeftPanl { background: white; }
#SummaryLeftPanl QLabel, #AccumLeftPanl QLabel { color: black; font-family: "Liberation Serif"; font-size: 12px; }
#FinStatsLabl, #StreakHeadLabl, #AccumHeadLabl { text-decoration: underline; }
#AccumLeftPanl #plrAccumTitleLabl, #AccumLeftPanl #AccumDlrHeadLabl {
  font-family: "Liberation Sans"; font-size: 11px; text-decoration: underline; }
#AccumLeftPanl #RankTotalCapLabl, #AccumLeftPanl #PlrRankTotalLabl, #AccumLeftPanl #DlrRankTotalLabl { color: %2; }
#SummaryRightPanl, #AccumRightPanl { background: %3; }
#SummaryRightPanl #DlrBestTitleLabl, #SummaryRightPanl #plrBestTitleLabl {
  color: %4; text-decoration: underline; font-family: "Liberation Serif"; font-size: 13px; font-weight: bold; }
#SummaryRightPanl #dlrBestLabl, #SummaryRightPanl #plrBestLabl {
  color: %5; font-family: "Liberation Serif"; font-size: 13px; }
#AccumRightPanl QLabel { color: %5; font-family: "Liberation Sans"; font-size: 11px; }
#AccumRightPanl #Caption18, #AccumRightPanl #Caption19, #AccumRightPanl #Caption20, #AccumRightPanl #Caption21,
#AccumRightPanl #Caption22, #AccumRightPanl #Caption23 { color: %4; }
#AccumRightPanl #AccumDrawHeadLabl, #AccumRightPanl #ImproveHeadLabl { color: %4; text-decoration: underline; }
#AccumRightPanl #PlrAccumDrawLabl, #AccumRightPanl #DrawDlrHeadLabl { color: %6; text-decoration: underline; }
#AccumRightPanl #DrawTotalCapLabl, #AccumRightPanl #PlrDrawTotalLabl, #AccumRightPanl #DlrDrawTotalLabl { color: %6; }
#AccumRightPanl #PlrDrawImprove, #AccumRightPanl #DlrDrawImprove { font-family: "Liberation Serif"; font-size: 13px; }
)")
      .arg(Css(kOlive), Css(kGray), Css(kTableGreen), Css(kYellow), Css(kAqua), Css(kSilver));
}

const char* kSaveTitle = QT_TRANSLATE_NOOP("TStatBox", "Save Brindlewharf Game Stats As");
const char* kOpenTitle = QT_TRANSLATE_NOOP("TStatBox", "Open Brindlewharf Game Stats");
const char* kFilter = QT_TRANSLATE_NOOP("TStatBox", "Brindlewharf Game Stats (*.bwf)");
const char* kExtension = "bwf";

QString Number(std::uint32_t v) { return Figure(v); }
// The count picks the language's form of the word; past the toolkit's int, any large count does.
QString Hands(std::uint32_t n) {
  return TStatBox::tr("%1 Hand(s)", nullptr, static_cast<int>(std::min<std::uint32_t>(n, INT_MAX)))
      .arg(Figure(n));
}

// Whole percent, truncated; the product wraps as a 32-bit one does.
QString WholePercent(std::uint32_t part, std::uint32_t whole) {
  return Percent(whole > 0 ? part * 100u / whole : 0);
}

template <typename Array>
std::uint32_t Total(const Array& a) {
  std::uint32_t sum = 0;
  for (std::uint32_t v : a) sum += v;
  return sum;
}

// Shown in the player's language; the file keeps the figures, never the words.
QString Caption(const HandRank& rank) { return CaptionWords(rank); }

// A name may be ten of the widest letter: the labels built from it keep their whole text.
void Show(QLabel* label, const QString& text) {
  label->setText(text);
  NarrowToFit(label);
}

// A best-hand place shows the index corner of its card: the card at its full size, from its
// top-left corner, clipped by the small box.
void ShowCorner(QLabel* box, int id) {
  const qreal ratio = box->devicePixelRatioF();
  QPixmap pixmap = QPixmap::fromImage(CatalogueImage(id, (QSizeF(CatalogueSize(id)) * ratio).toSize()));
  pixmap.setDevicePixelRatio(ratio);
  box->setPixmap(pixmap);
}

SaveStamp StampOf(const QDateTime& t) {
  return MakeSaveStamp(t.date().year(), t.date().month(), t.date().day(), t.time().hour(), t.time().minute(),
                       t.time().second());
}

// The moment a file was saved, as the clock would have shown it; a stamp that is no real moment
// (a forged file's) in the file's own figures.
std::pair<QString, QString> StampWords(const SaveStamp& s) {
  const QDate date(2000 + static_cast<int>(s.year), static_cast<int>(s.month), static_cast<int>(s.day));
  const QTime time(static_cast<int>(s.hour % 12 + (s.pm != 0 ? 12 : 0)), static_cast<int>(s.minute),
                   static_cast<int>(s.second));
  if (!GameLanguage() || !date.isValid() || !time.isValid() || s.hour < 1 || s.hour > 12)
    return {QString::fromStdString(StampDate(s)), QString::fromStdString(StampTime(s))};
  return {ShortDate(date), ClockTime(time)};
}

}  // namespace

TStatBox::TStatBox(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::TStatBox>()) {
  ui->setupUi(this);
  SetUpDialog(this);
  // The separators of the menu carry their names too.
  const char* separators[] = {"N2", "N1", "N3"};
  int n = 0;
  for (QAction* a : ui->StatsMenu->actions())
    if (a->isSeparator() && n < 3) a->setObjectName(separators[n++]);

  plrCategoryLabels_ = {ui->PlrHighCardLabl, ui->PlrPairLabl,  ui->Plr2PairLabl,     ui->Plr3KindLabl,
                        ui->PlrStraightLabl, ui->PlrFlushLabl, ui->PlrFullHouseLabl, ui->Plr4KindLabl,
                        ui->PlrSFLabl,       ui->PlrRoyalLabl};
  dlrCategoryLabels_ = {ui->DlrHighCardLabl, ui->DlrPairLabl,  ui->Dlr2PairLabl,     ui->Dlr3KindLabl,
                        ui->DlrStraightLabl, ui->DlrFlushLabl, ui->DlrFullHouseLabl, ui->Dlr4KindLabl,
                        ui->DlrSFLabl,       ui->DlrRoyalLabl};
  plrDrawLabels_ = {ui->Plr0CardsLabl, ui->Plr1CardLabl, ui->Plr2CardsLabl, ui->Plr3CardsLabl,
                    ui->Plr4CardsLabl};
  dlrDrawLabels_ = {ui->Dlr0CardsLabl, ui->Dlr1CardLabl, ui->Dlr2CardsLabl, ui->Dlr3CardsLabl,
                    ui->Dlr4CardsLabl};
  plrCards_ = {ui->PlrCard0, ui->PlrCard1, ui->PlrCard2, ui->PlrCard3, ui->PlrCard4};
  dlrCards_ = {ui->DlrCard0, ui->DlrCard1, ui->DlrCard2, ui->DlrCard3, ui->DlrCard4};

  SetUpKeyboardAndNames();

  Timer1 = new QTimer(this);
  Timer1->setObjectName("Timer1");
  Timer1->setInterval(950);

  connect(Timer1, &QTimer::timeout, this, &TStatBox::Timer1Timer);
  connect(ui->SaveSpBtn, &QToolButton::clicked, this, &TStatBox::SaveSpBtnClick);
  connect(ui->SaveMu, &QAction::triggered, this, &TStatBox::SaveSpBtnClick);
  connect(ui->OpenSpBtn, &QToolButton::clicked, this, &TStatBox::OpenSpBtnClick);
  connect(ui->OpenMu, &QAction::triggered, this, &TStatBox::OpenSpBtnClick);
  connect(ui->CloseSpBtn, &QToolButton::clicked, this, &TStatBox::CloseSpBtnClick);
  connect(ui->CurrentMu, &QAction::triggered, this, &TStatBox::UpdateClick);
  connect(ui->HelpSpBtn, &QToolButton::clicked, this, &TStatBox::HelpSpBtnClick);
  connect(ui->HelpMu, &QAction::triggered, this, &TStatBox::HelpSpBtnClick);
  connect(ui->OKBtn, &QPushButton::clicked, this, &TStatBox::OKBtnClick);
  connect(ui->CloseMu, &QAction::triggered, this, &TStatBox::OKBtnClick);
  SetView(true);
}

TStatBox::~TStatBox() = default;

void TStatBox::SetUpKeyboardAndNames() {
  // The tool buttons show only pictures. Each is named by its hint, which a view may switch off,
  // so the name is taken once, from the layout.
  for (QToolButton* tool : {ui->SaveSpBtn, ui->OpenSpBtn, ui->CloseSpBtn, ui->HelpSpBtn})
    tool->setAccessibleName(tool->toolTip());
  for (QWidget* decoration : std::initializer_list<QWidget*>{ui->Image1, ui->Panel7})
    HideFromAssistiveTech(decoration);

  // Every figure is labelled by its row's caption and, where that does not say whose figure it
  // is, by its column's head or its section's heading; listed as a player reads the pages.
  struct Tie {
    QLabel* figure;
    QLabel* caption;
    QLabel* head;
  };
  std::vector<Tie> ties = {
      {ui->gameTotalLabl, ui->Caption1, nullptr},
      {ui->winPercentLabl, ui->Caption2, nullptr},
      {ui->PlrBankAveLabl, ui->Caption3, nullptr},
      {ui->PlrBankMaxLabl, ui->Caption4, nullptr},
      {ui->plrBetAveLabl, ui->Caption5, nullptr},
      {ui->plrBetMaxLabl, ui->Caption6, nullptr},
      {ui->ResetsLabl, ui->GameResetsLabl, nullptr},
      {ui->PlrWinStreakLabl, ui->StreakHeadLabl, nullptr},
      {ui->DlrWinStreakLabl, ui->Caption7, ui->StreakHeadLabl},
      {ui->dlrBestLabl, ui->DlrBestTitleLabl, nullptr},
      {ui->plrBestLabl, ui->plrBestTitleLabl, nullptr},
  };
  // High card (0) up to royal flush (9), as the category labels run; the page lists them from the
  // royal flush down. And by cards drawn.
  const std::array<QLabel*, 10> categoryCaptions = {
      ui->Caption17, ui->Caption16, ui->Caption15, ui->Caption14, ui->Caption13,
      ui->Caption12, ui->Caption11, ui->Caption10, ui->Caption9,  ui->Caption8};
  const std::array<QLabel*, 5> drawCaptions = {ui->Caption18, ui->Caption19, ui->Caption20, ui->Caption21,
                                               ui->Caption22};
  for (std::size_t c = 10; c-- > 0;) {
    ties.push_back({plrCategoryLabels_[c], categoryCaptions[c], ui->plrAccumTitleLabl});
    ties.push_back({dlrCategoryLabels_[c], categoryCaptions[c], ui->AccumDlrHeadLabl});
  }
  ties.push_back({ui->PlrRankTotalLabl, ui->RankTotalCapLabl, ui->plrAccumTitleLabl});
  ties.push_back({ui->DlrRankTotalLabl, ui->RankTotalCapLabl, ui->AccumDlrHeadLabl});
  for (std::size_t n = 0; n < 5; ++n) {
    ties.push_back({plrDrawLabels_[n], drawCaptions[n], ui->PlrAccumDrawLabl});
    ties.push_back({dlrDrawLabels_[n], drawCaptions[n], ui->DrawDlrHeadLabl});
  }
  ties.push_back({ui->PlrDrawTotalLabl, ui->DrawTotalCapLabl, ui->PlrAccumDrawLabl});
  ties.push_back({ui->DlrDrawTotalLabl, ui->DrawTotalCapLabl, ui->DrawDlrHeadLabl});
  ties.push_back({ui->PlrDrawImprove, ui->ImproveHeadLabl, nullptr});
  ties.push_back({ui->DlrDrawImprove, ui->Caption23, ui->ImproveHeadLabl});

  // Every figure is a stop for Tab, in reading order, and says its row and column with its value,
  // "Pair, Dealer: 3"; the words are taken when asked, since a column head shows the name. The name
  // says it all: tied to its captions as well, a figure would be read as "Pair: Pair, Dealer: 3".
  const auto where = [](const Tie& t) {
    const auto words = [](const QLabel* caption) { return caption->text().remove(':').simplified(); };
    return t.head ? tr("%1, %2").arg(words(t.caption), words(t.head)) : words(t.caption);
  };
  QWidget* previous = nullptr;
  for (const Tie& t : ties) {
    t.figure->setFocusPolicy(Qt::TabFocus);
    t.figure->setAccessibleDescription(where(t));
    Wording said;
    said.name = [where, t] { return tr("%1: %2").arg(where(t), t.figure->text().simplified()); };
    WordedBy(t.figure, std::move(said));
    if (previous) setTabOrder(previous, t.figure);
    previous = t.figure;
    figures_.push_back(t.figure);
  }
  // A page's stack is no "layered pane" to a screen reader, only the pages in it.
  if (auto* stack = ui->StatPages->findChild<QStackedWidget*>()) ShownAs(stack, QAccessible::Pane);
}

// Put on when first needed, for a quicker start.
void TStatBox::Dress() {
  for (QLabel* caption : {ui->dlrBestLabl, ui->plrBestLabl}) caption->setWordWrap(true);
  // The focused figure reads black on yellow, whatever colour its panel gives it.
  QString focused;
  for (const QLabel* figure : figures_)
    focused +=
        QStringLiteral("#%1 #%2:focus, ").arg(figure->parentWidget()->objectName(), figure->objectName());
  focused.chop(2);
  setStyleSheet(Style() + focused + QStringLiteral(" { background: %1; color: black; }").arg(Css(kYellow)));
  ShowLayoutPicture(ui->Image1, "calculator");
  for (auto [button, picture] : {std::pair{ui->SaveSpBtn, "tool_save"},
                                 {ui->OpenSpBtn, "tool_open"},
                                 {ui->CloseSpBtn, "tool_current"},
                                 {ui->HelpSpBtn, "tool_help"}}) {
    button->setIcon(QPixmap::fromImage(LayoutPicture(picture, QSize(25, 25) * devicePixelRatio())));
    button->setIconSize(QSize(21, 21));
  }
  dressed_ = true;
}

void TStatBox::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  if (!dressed_) Dress();
  CentreOnScreen(this);
  // Every showing starts in the current view, its clock right. Message boxes and file dialogs
  // over the window are no new showing, so a file view outlives them.
  UpdateClick();
  Timer1Timer();
}

void TStatBox::hideEvent(QHideEvent* e) {
  Timer1->stop();  // a hidden window does not tick
  QDialog::hideEvent(e);
}

void TStatBox::ExecCountingPendingReset() {
  pendingResets_ = 1;
  exec();
  pendingResets_ = 0;
}

// As of the last finished hand, like the saved file: a hand in play counts at its showdown.
GameStatistics TStatBox::CurrentFigures() const {
  GameStatistics v = SettledStats();
  v.Resets += pendingResets_;
  return v;
}

void TStatBox::Fill(const GameStatistics& v, const QString& name, int emptyBackId) {
  const std::uint32_t played = v.HandsPlayed;
  Show(ui->gameTotalLabl, Number(played));
  Show(ui->PlrWinsLabl, tr("%1 won:  %2").arg(name, Number(v.HandsWon)));
  Show(ui->winPercentLabl, WholePercent(v.HandsWon, played));
  Show(ui->PlrDrawImprove, tr("%1: %2").arg(name, WholePercent(v.PlrImproved, played)));
  Show(ui->DlrDrawImprove, WholePercent(v.DlrImproved, played));
  Show(ui->plrBetAveLabl, Dollars(played > 0 ? v.BetSum / played : v.BetSum));
  // The bank was sampled once before the first hand; a forged count can make the divisor 0.
  Show(ui->PlrBankAveLabl, Dollars(played + 1 != 0 ? v.BankSum / (played + 1) : 0));
  Show(ui->PlrBankMaxLabl, Dollars(v.BankHigh));
  Show(ui->plrBetMaxLabl, Dollars(v.BetHigh));
  Show(ui->ResetsLabl, Number(v.Resets));
  Show(ui->FinStatsLabl, tr("%1's Financial Stats:").arg(name));
  Show(ui->plrBestTitleLabl, tr("%1's Best Hand:").arg(name));
  Show(ui->plrBestLabl, Caption(v.PlrBestRank));
  Show(ui->dlrBestLabl, Caption(v.DlrBestRank));
  Show(ui->plrAccumTitleLabl, tr("%1:").arg(name));
  Show(ui->PlrAccumDrawLabl, tr("%1:").arg(name));
  Show(ui->PlrRankTotalLabl, Number(Total(v.PlrRankCounts)));
  Show(ui->DlrRankTotalLabl, Number(Total(v.DlrRankCounts)));
  Show(ui->PlrDrawTotalLabl, Number(Total(v.PlrDrawCounts)));
  Show(ui->DlrDrawTotalLabl, Number(Total(v.DlrDrawCounts)));
  Show(ui->PlrWinStreakLabl, tr("%1: %2").arg(name, Hands(v.PlrStreakMax)));
  Show(ui->DlrWinStreakLabl, Hands(v.DlrStreakMax));
  for (std::size_t c = 0; c < 10; ++c) {
    Show(plrCategoryLabels_[c], Number(v.PlrRankCounts[c]));
    Show(dlrCategoryLabels_[c], Number(v.DlrRankCounts[c]));
  }
  for (std::size_t n = 0; n < 5; ++n) {
    Show(plrDrawLabels_[n], Number(v.PlrDrawCounts[n]));
    Show(dlrDrawLabels_[n], Number(v.DlrDrawCounts[n]));
  }
  const auto faceOrBack = [&](CardCode code) {
    if (played == 0) return emptyBackId;
    return code >= 1 && code <= 52 ? code : kFirstBackId;  // a forged card shows the first back
  };
  const auto show = [&](QLabel* place, const QString& side, std::size_t i, CardCode code,
                        const QLabel* caption) {
    const int id = faceOrBack(code);
    ShowCorner(place, id);
    const QString card = IsBackId(id) ? tr("face down") : CardWords(id);
    place->setAccessibleName(tr("%1's best hand, card %2: %3").arg(side).arg(i + 1).arg(card));
    place->setAccessibleDescription(caption->text().simplified());
  };
  for (std::size_t i = 0; i < 5; ++i) {
    show(plrCards_[i], name, i, v.PlrBestCards[i], ui->plrBestLabl);
    show(dlrCards_[i], tr("Dealer"), i, v.DlrBestCards[i], ui->dlrBestLabl);
  }
}

void TStatBox::SetView(bool current) {
  ui->CloseSpBtn->setEnabled(!current);
  ui->CloseSpBtn->setToolTip(current ? QString() : tr("Current Game Stats"));
  ui->SaveSpBtn->setEnabled(current);
  ui->SaveSpBtn->setToolTip(current ? tr("Save Stats...") : QString());
  ui->CurrentMu->setEnabled(!current);
  ui->SaveMu->setEnabled(current);
  if (current && isVisible()) {
    Timer1->start();
  } else {
    Timer1->stop();
  }
}

void TStatBox::UpdateClick() {
  Fill(CurrentFigures(), PlayerName, DeckBackId);
  setWindowTitle(tr("Current Game Statistics"));
  SetView(true);
}

void TStatBox::CloseSpBtnClick() { UpdateClick(); }

void TStatBox::SaveSpBtnClick() {
  const QString path = SaveFileNameAskingToReplace(tr(kSaveTitle), tr(kFilter), kExtension,
                                                   tr("%1 already exists. Do you want to replace it?"),
                                                   tr("Overwrite Existing Stat File"));
  if (!path.isEmpty()) WriteFile(path);
}

void TStatBox::WriteFile(const QString& path) {
  const SaveStamp stamp = StampOf(CurrentPlatform().LocalDateTime());
  // A hand between the player's draw and the showdown is left out: the file holds the game as
  // of its last finished hand, so it always passes its own checks.
  const std::string bytes = FormatStatsFile(CurrentFigures(), PlayerName.toStdString(), stamp);
  if (SaveWholeFile(path, QByteArray::fromStdString(bytes))) return RememberStatsFile(path);
  ShowMessage(tr("%1 could not be saved.").arg(NativeFullPath(path)), tr("Save Error"), StopOk);
}

void TStatBox::OpenSpBtnClick() {
  const QString path = CurrentPlatform().OpenFileName(tr(kOpenTitle), tr(kFilter), kExtension);
  if (path.isEmpty()) return;
  const StatsFileOpen open = OpenStatsFile(path);
  if (open.problem == FileProblem::Missing) {
    ShowMessage(tr("%1. File does not exist.").arg(NativeFullPath(path)), tr("File Not Found"), StopOk);
    return;
  }
  if (open.problem == FileProblem::NotAFile) {
    // Read as a file, it gives no line at all.
    ShowMessage(tr("Invalid data file!"), tr("File Open Error #%1").arg(1), StopOk);
    return;
  }
  if (open.problem == FileProblem::Unreadable) {
    ShowMessage(tr("%1 could not be opened.").arg(NativeFullPath(path)), tr("File Open Error"), StopOk);
    return;
  }
  RememberStatsFile(path);
  for (int error : open.reading.errors)
    ShowMessage(tr("Invalid data file!"), tr("File Open Error #%1").arg(error), StopOk);
  if (!open.reading.Accepted()) return;

  Fill(open.reading.stats, QString::fromStdString(open.reading.name), kFirstBackId);
  setWindowTitle(tr("Viewing %1").arg(NativeFullPath(path)));
  SetView(false);
  const auto [date, time] = StampWords(open.reading.stamp);
  ui->DateLabl->setText(date);
  ui->TimeLabl->setText(time);
}

void TStatBox::HelpSpBtnClick() {
  if (!HelpBox) return;
  CentreOnScreen(HelpBox);
  HelpBox->exec();
  // Coming back from the help window is a new activation: the current view again.
  UpdateClick();
}

void TStatBox::OKBtnClick() { close(); }

void TStatBox::Timer1Timer() {
  const QDateTime now = CurrentPlatform().LocalDateTime();
  ui->DateLabl->setText(ShortDate(now.date()));
  ui->TimeLabl->setText(ClockTime(now.time()));
}
