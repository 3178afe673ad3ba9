#include "help/helpbox.h"

#include <QEvent>
#include <QPushButton>
#include <QTabWidget>
#include <QTextCursor>
#include <QTextEdit>

#include "decks/catalogue.h"
#include "decks/imagebox.h"
#include "help/helptopics.h"
#include "platform/windows.h"
#include "ui_helpbox.h"

THelpBox* HelpBox = nullptr;

namespace {

const QColor kRed(255, 0, 0);
const QColor kBlue(0, 0, 255);
const QColor kPurple(128, 0, 128);
const QColor kMaroon(128, 0, 0);
const QColor kNavy(0, 0, 128);
const QColor kGreen(0, 128, 0);

constexpr int kLicenseTopic = 9;
constexpr int kTopicGlyph = 90;
constexpr int kRankGlyph = 91;
constexpr int kTitleGlyph = 92;
constexpr std::array<int, 5> kTitleFan{9, 10, 11, 12, 13};  // ten to ace of hearts

QColor ColourOf(Ink ink) {
  switch (ink) {
    case Ink::Red:
      return kRed;
    case Ink::Blue:
      return kBlue;
    case Ink::Black:
      break;
  }
  return Qt::black;
}

QFont Font(const char* family, int pixels, bool bold, bool italic, bool underline) {
  QFont font(family);
  font.setPixelSize(pixels);
  font.setBold(bold);
  font.setItalic(italic);
  font.setUnderline(underline);
  return font;
}

void SetInk(QWidget* w, const QColor& colour) {
  QPalette palette = w->palette();
  palette.setColor(QPalette::WindowText, colour);
  w->setPalette(palette);
}

void SetBackground(QWidget* w, const QColor& colour) {
  QPalette palette = w->palette();
  palette.setColor(QPalette::Window, colour);
  w->setPalette(palette);
  w->setAutoFillBackground(true);
}

// Adds text as a new line at the end of the box, in the given colour.
void AppendLine(QTextEdit* box, const QString& text, const QColor& colour) {
  QTextCursor cursor(box->document());
  cursor.movePosition(QTextCursor::End);
  QTextCharFormat format;
  format.setForeground(colour);
  if (!box->document()->isEmpty()) cursor.insertBlock(QTextBlockFormat(), format);
  cursor.insertText(text, format);
}

}  // namespace

THelpBox::THelpBox(QWidget* parent) : QDialog(parent), ui(new Ui::THelpBox) {
  ui->setupUi(this);
  SetUpDialog(this);

  topicLabels = {ui->OverviewLabl, ui->BetLabl,         ui->DealLabl,      ui->DrawLabl,
                 ui->ShowdownLabl, ui->SelectaDeckLabl, ui->GameStatsLabl, ui->SaveStatsLabl,
                 ui->CoachLabl,    ui->LicenseLabl,     ui->ContactLabl};
  topicGlyphs = {ui->GameOverviewImage, ui->BetImage,         ui->DealImage,      ui->DrawImage,
                 ui->ShowdownImage,     ui->SelectaDeckImage, ui->GameStatsImage, ui->SaveStatsImage,
                 ui->CoachImage,        ui->LicenseImage,     ui->ContactImage};
  rankLabels = {ui->RoyalFlushLabl, ui->StraightFlushLabl, ui->FourOfAKindLabl,  ui->FullHouseLabl,
                ui->FlushLabl,      ui->StraightLabl,      ui->ThreeOfAKindLabl, ui->TwoPairLabl,
                ui->PairLabl,       ui->HighCardLabl};
  rankGlyphs = {ui->RoyalFlushImage, ui->StraightFlushImage, ui->FourOfAKindImage,  ui->FullHouseImage,
                ui->FlushImage,      ui->StraightImage,      ui->ThreeOfAKindImage, ui->TwoPairImage,
                ui->PairImage,       ui->HighCardImage};
  rankCards = {ui->RankCard0, ui->RankCard1, ui->RankCard2, ui->RankCard3, ui->RankCard4};

  const QFont link = Font("Liberation Sans", 11, false, false, true);
  for (int i = 0; i < static_cast<int>(topicLabels.size()); ++i) {
    topicLabels[i]->setFont(link);
    connect(topicLabels[i], &ImageBox::clicked, this, [this, i] { TopicClick(i); });
    connect(topicGlyphs[i], &ImageBox::clicked, this, [this, i] { TopicClick(i); });
  }
  for (int i = 0; i < static_cast<int>(rankLabels.size()); ++i) {
    rankLabels[i]->setFont(link);
    connect(rankLabels[i], &ImageBox::clicked, this, [this, i] { HandRankClick(i); });
    connect(rankGlyphs[i], &ImageBox::clicked, this, [this, i] { HandRankClick(i); });
  }
  const QFont sectionTitle = Font("Liberation Serif", 13, true, true, true);
  for (QLabel* title : {ui->Label2, ui->Label1, ui->Label3, ui->Label4, ui->Label7}) {
    title->setFont(sectionTitle);
    SetInk(title, kNavy);
  }

  for (QWidget* panel : {ui->Panel1, ui->Panel7, ui->HandPanl, ui->HandRankPanl})
    SetBackground(panel, Qt::white);
  SetBackground(ui->Panel8, kGreen);

  ui->Label5->setFont(Font("Liberation Serif", 19, true, true, false));
  ui->Label6->setFont(Font("Liberation Serif", 19, true, true, false));
  ui->Label9->setFont(Font("DejaVu Sans", 16, true, false, false));
  SetInk(ui->Label9, kMaroon);
  for (ImageBox* credit : {ui->LegalLabl1, ui->Label8}) {
    credit->setFont(link);
    SetInk(credit, kPurple);
    connect(credit, &ImageBox::clicked, this, &THelpBox::LicenseLablClick);
  }

  ui->RankStringLabl->setFont(Font("DejaVu Sans", 16, true, false, true));
  SetInk(ui->RankStringLabl, kMaroon);
  ui->HandRankRE->setFont(Font("Liberation Sans", 11, false, false, false));
  ui->TableLabl->setFont(Font("Liberation Serif", 15, true, true, false));
  SetInk(ui->TableLabl, Qt::white);
  ui->ShowHelpRE->setFont(Font("DejaVu Sans", 11, false, false, false));

  ui->HandRankPanl->hide();
  connect(ui->OKBtn, &QPushButton::clicked, this, &THelpBox::OKBtnClick);
}

THelpBox::~THelpBox() { delete ui; }

bool THelpBox::event(QEvent* e) {
  if (e->type() == QEvent::WindowActivate) FormCreate();
  return QDialog::event(e);
}

void THelpBox::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  CentreOnScreen(this);
  FormCreate();
}

void THelpBox::FormCreate() {
  ui->PageControl1->setCurrentWidget(ui->HelpContentsTab);
  ui->ShowHelpRE->clear();
  ui->HandRankPanl->hide();
  ui->HandPanl->show();
  const std::array<ImageBox*, 5> fan{ui->Image1, ui->Image2, ui->Image3, ui->Image4, ui->Image5};
  for (int i = 0; i < 5; ++i) ShowImage(fan[i], kTitleFan[i]);
  for (ImageBox* glyph : topicGlyphs) ShowImage(glyph, kTopicGlyph);
  for (ImageBox* glyph : rankGlyphs) ShowImage(glyph, kRankGlyph);
  for (ImageBox* glyph : {ui->TitleImg1, ui->TitleImg2, ui->TitleImg3, ui->TitleImg4, ui->TitleImg5})
    ShowImage(glyph, kTitleGlyph);
  for (ImageBox* label : topicLabels) SetInk(label, kBlue);
  for (ImageBox* label : rankLabels) SetInk(label, kBlue);
}

void THelpBox::TopicClick(int topic) {
  ui->HandRankPanl->hide();
  ui->HandPanl->hide();
  SetInk(topicLabels[topic], kPurple);
  ui->ShowHelpRE->clear();
  const HelpTopic& t = HelpTopics[topic];
  AppendLine(ui->ShowHelpRE, t.heading, kRed);
  for (const HelpParagraph& p : t.paragraphs) AppendLine(ui->ShowHelpRE, p.text, ColourOf(p.ink));
}

void THelpBox::HandRankClick(int rank) {
  SetInk(rankLabels[rank], kPurple);
  ui->ShowHelpRE->clear();
  ui->HandRankRE->clear();
  ui->HandPanl->hide();
  const HandRankPage& page = HandRankPages[rank];
  ui->RankStringLabl->setText(page.name);
  ui->TableLabl->setText(page.caption);
  ui->HandRankPanl->show();
  for (int i = 0; i < 5; ++i) ShowImage(rankCards[i], page.cards[i]);
  AppendLine(ui->HandRankRE, page.description, kBlue);
}

void THelpBox::LicenseLablClick() { TopicClick(kLicenseTopic); }

void THelpBox::OKBtnClick() { close(); }
