#include "help/helpbox.h"

#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QPushButton>
#include <QTabWidget>
#include <QTextCursor>
#include <QTextEdit>
#include <algorithm>
#include <utility>
#include <vector>

#include "decks/catalogue.h"
#include "help/helptopics.h"
#include "help/licence.h"
#include "platform/accessible.h"
#include "platform/imagebox.h"
#include "platform/palette.h"
#include "platform/windows.h"
#include "platform/words.h"
#include "ui_helpbox.h"

THelpBox* HelpBox = nullptr;

namespace {

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

QString Help(const char* text) { return QCoreApplication::translate("Help", text); }

// Up and Down go along the list whose entry has the focus, round from either end.
constexpr std::pair<int, int> kListKeys[] = {{Qt::Key_Up, -1}, {Qt::Key_Down, 1}};

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

THelpBox::THelpBox(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::THelpBox>()) {
  ui->setupUi(this);
  SetUpDialog(this);

  topicLabels_ = {ui->OverviewLabl, ui->BetLabl,         ui->DealLabl,      ui->DrawLabl,
                  ui->ShowdownLabl, ui->SelectaDeckLabl, ui->GameStatsLabl, ui->SaveStatsLabl,
                  ui->CoachLabl,    ui->LicenseLabl,     ui->ContactLabl};
  topicGlyphs_ = {ui->GameOverviewImage, ui->BetImage,         ui->DealImage,      ui->DrawImage,
                  ui->ShowdownImage,     ui->SelectaDeckImage, ui->GameStatsImage, ui->SaveStatsImage,
                  ui->CoachImage,        ui->LicenseImage,     ui->ContactImage};
  rankLabels_ = {ui->RoyalFlushLabl, ui->StraightFlushLabl, ui->FourOfAKindLabl,  ui->FullHouseLabl,
                 ui->FlushLabl,      ui->StraightLabl,      ui->ThreeOfAKindLabl, ui->TwoPairLabl,
                 ui->PairLabl,       ui->HighCardLabl};
  rankGlyphs_ = {ui->RoyalFlushImage, ui->StraightFlushImage, ui->FourOfAKindImage,  ui->FullHouseImage,
                 ui->FlushImage,      ui->StraightImage,      ui->ThreeOfAKindImage, ui->TwoPairImage,
                 ui->PairImage,       ui->HighCardImage};
  rankCards_ = {ui->RankCard0, ui->RankCard1, ui->RankCard2, ui->RankCard3, ui->RankCard4};
  titleFan_ = {ui->Image1, ui->Image2, ui->Image3, ui->Image4, ui->Image5};
  titleGlyphs_ = {ui->TitleImg1, ui->TitleImg2, ui->TitleImg3, ui->TitleImg4, ui->TitleImg5};

  const QFont link = PixelFont("Liberation Sans", 11, false, false, true);
  for (std::size_t i = 0; i < topicLabels_.size(); ++i) {
    const int topic = static_cast<int>(i);
    topicLabels_[i]->setFont(link);
    connect(topicLabels_[i], &ImageBox::clicked, this, [this, topic] { TopicClick(topic); });
    connect(topicGlyphs_[i], &ImageBox::clicked, this, [this, topic] { TopicClick(topic); });
  }
  for (std::size_t i = 0; i < rankLabels_.size(); ++i) {
    const int rank = static_cast<int>(i);
    rankLabels_[i]->setFont(link);
    connect(rankLabels_[i], &ImageBox::clicked, this, [this, rank] { HandRankClick(rank); });
    connect(rankGlyphs_[i], &ImageBox::clicked, this, [this, rank] { HandRankClick(rank); });
  }
  const QFont sectionTitle = PixelFont("Liberation Serif", 13, true, true, true);
  for (QLabel* title : {ui->Label2, ui->Label1, ui->Label3, ui->Label4, ui->Label7}) {
    title->setFont(sectionTitle);
    Paint(title, QPalette::WindowText, kNavy);
  }

  for (QWidget* panel : {ui->Panel1, ui->Panel7, ui->HandPanl, ui->HandRankPanl})
    Paint(panel, QPalette::Window, Qt::white);
  Paint(ui->Panel8, QPalette::Window, kTableGreen);

  ui->Label5->setFont(PixelFont("Liberation Serif", 19, true, true));
  ui->Label6->setFont(PixelFont("Liberation Serif", 19, true, true));
  ui->Label9->setFont(PixelFont("DejaVu Sans", 16, true));
  Paint(ui->Label9, QPalette::WindowText, kMaroon);
  for (ImageBox* credit : {ui->LegalLabl1, ui->Label8}) {
    credit->setFont(link);
    Paint(credit, QPalette::WindowText, kPurple);
    connect(credit, &ImageBox::clicked, this, &THelpBox::LicenseLablClick);
  }

  ui->RankStringLabl->setFont(PixelFont("DejaVu Sans", 16, true, false, true));
  Paint(ui->RankStringLabl, QPalette::WindowText, kMaroon);
  ui->HandRankRE->setFont(PixelFont("Liberation Sans", 11));
  ui->TableLabl->setFont(PixelFont("Liberation Serif", 15, true, true));
  Paint(ui->TableLabl, QPalette::WindowText, Qt::white);
  ui->ShowHelpRE->setFont(PixelFont("DejaVu Sans", 11));

  ui->HandRankPanl->hide();
  connect(ui->OKBtn, &QPushButton::clicked, this, &THelpBox::OKBtnClick);
  SetUpKeyboardAndNames();
}

void THelpBox::SetUpKeyboardAndNames() {
  // The entries and credit lines are links, in the tab order as the layout lists them; Enter or
  // Space follows one.
  std::vector<ImageBox*> links(topicLabels_.begin(), topicLabels_.end());
  links.insert(links.end(), rankLabels_.begin(), rankLabels_.end());
  links.insert(links.end(), {ui->LegalLabl1, ui->Label8});
  for (ImageBox* link : links) {
    link->setFocusPolicy(Qt::TabFocus);
    link->setActivatesOnEnter(true);
    link->setMarkInside(true);
    PresentAs(link, QAccessible::Link);
  }
  // A glyph repeats the entry beside it; rules and bars only divide.
  std::vector<QWidget*> decorations(topicGlyphs_.begin(), topicGlyphs_.end());
  decorations.insert(decorations.end(), rankGlyphs_.begin(), rankGlyphs_.end());
  decorations.insert(decorations.end(), titleGlyphs_.begin(), titleGlyphs_.end());
  decorations.insert(decorations.end(), {ui->Panel2, ui->Panel3, ui->Panel4, ui->Panel5, ui->Panel6});
  for (QWidget* decoration : decorations) HideFromAssistiveTech(decoration);
  ui->ShowHelpRE->setAccessibleName(tr("Help topic"));
  ui->HandRankRE->setAccessibleName(tr("Hand rank description"));
  for (std::size_t i = 0; i < titleFan_.size(); ++i) titleFan_[i]->setAccessibleName(CardWords(kTitleFan[i]));
}

void THelpBox::keyPressEvent(QKeyEvent* e) {
  for (const auto& [key, step] : kListKeys) {
    if (e->key() != key || (e->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) continue;
    if (FocusAlong(topicLabels_, focusWidget(), step) || FocusAlong(rankLabels_, focusWidget(), step))
      return e->accept();
  }
  QDialog::keyPressEvent(e);
}

THelpBox::~THelpBox() = default;

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
  for (int i = 0; i < 5; ++i) ShowImage(titleFan_[i], kTitleFan[i]);
  for (ImageBox* glyph : topicGlyphs_) ShowImage(glyph, kTopicGlyph);
  for (ImageBox* glyph : rankGlyphs_) ShowImage(glyph, kRankGlyph);
  for (ImageBox* glyph : titleGlyphs_) ShowImage(glyph, kTitleGlyph);
  for (ImageBox* label : topicLabels_) Paint(label, QPalette::WindowText, kBlue);
  for (ImageBox* label : rankLabels_) Paint(label, QPalette::WindowText, kBlue);
}

void THelpBox::TopicClick(int topic) {
  ui->HandRankPanl->hide();
  ui->HandPanl->hide();
  Paint(topicLabels_[topic], QPalette::WindowText, kPurple);
  ui->ShowHelpRE->clear();
  const HelpTopic& t = HelpTopics[topic];
  AppendLine(ui->ShowHelpRE, Help(t.heading), kRed);
  for (const HelpParagraph& p : t.paragraphs) {
    QString text = Help(p.text);
    if (text.contains(QLatin1String("%1"))) text = text.arg(LicenceFile());
    AppendLine(ui->ShowHelpRE, text, ColourOf(p.ink));
  }
}

void THelpBox::HandRankClick(int rank) {
  Paint(rankLabels_[rank], QPalette::WindowText, kPurple);
  ui->ShowHelpRE->clear();
  ui->HandRankRE->clear();
  ui->HandPanl->hide();
  const HandRankPage& page = HandRankPages[rank];
  ui->RankStringLabl->setText(Help(page.name));
  ui->TableLabl->setText(Help(page.caption));
  ui->HandRankPanl->show();
  for (int i = 0; i < 5; ++i) {
    ShowImage(rankCards_[i], page.cards[i]);
    rankCards_[i]->setAccessibleName(CardWords(page.cards[i]));
  }
  AppendLine(ui->HandRankRE, Help(page.description), kBlue);
}

void THelpBox::LicenseLablClick() { TopicClick(kLicenseTopic); }

void THelpBox::OKBtnClick() { close(); }
