#include "decks/decksdlg.h"

#include <QCheckBox>
#include <QEvent>
#include <QPushButton>

#include "decks/catalogue.h"
#include "decks/deckchoice.h"
#include "decks/imagebox.h"
#include "platform/windows.h"
#include "ui_decks.h"

TDecks* Decks = nullptr;
std::int32_t PendingBackId = kFirstBackId;

namespace {

const QColor kTableGreen(0, 128, 0);
const QColor kOlive(128, 128, 0);
const QColor kFrameRed(255, 0, 0);

void Paint(QWidget* w, const QColor& colour) {
  QPalette palette = w->palette();
  palette.setColor(QPalette::Window, colour);
  w->setPalette(palette);
  w->setAutoFillBackground(true);
}

}  // namespace

TDecks::TDecks(QWidget* parent) : QDialog(parent), ui(new Ui::TDecks) {
  ui->setupUi(this);
  SetUpDialog(this);

  deckPanels = {ui->Deck0Pnl, ui->Deck1Pnl, ui->Deck2Pnl, ui->Deck3Pnl, ui->Deck4Pnl,
                ui->Deck5Pnl, ui->Deck6Pnl, ui->Deck7Pnl, ui->Deck8Pnl, ui->Deck9Pnl};
  deckPics = {ui->Deck0Pic, ui->Deck1Pic, ui->Deck2Pic, ui->Deck3Pic, ui->Deck4Pic,
              ui->Deck5Pic, ui->Deck6Pic, ui->Deck7Pic, ui->Deck8Pic, ui->Deck9Pic};

  Paint(ui->Panel2, kTableGreen);
  for (QFrame* strip : {ui->Panel3, ui->Panel4, ui->Panel5, ui->Panel7}) Paint(strip, kOlive);
  for (int n = 0; n < kBackCount; ++n) {
    connect(deckPics[n], &ImageBox::clicked, this, [this, n] { DeckTrigClick(n); });
    connect(deckPics[n], &ImageBox::doubleClicked, this, [this, n] { DeckPicDblClick(n); });
  }
  SetCardFrame();

  connect(ui->OKBtn, &QPushButton::clicked, this, &TDecks::OKBtnClick);
  connect(ui->CancelBtn, &QPushButton::clicked, this, &TDecks::CancelBtnClick);
}

TDecks::~TDecks() { delete ui; }

bool TDecks::event(QEvent* e) {
  if (e->type() == QEvent::WindowActivate) Update();
  return QDialog::event(e);
}

void TDecks::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  // The backs are drawn when the dialog first opens, which keeps them out of the program's start.
  if (deckPics[0]->pixmap().isNull())
    for (int n = 0; n < kBackCount; ++n) ShowImage(deckPics[n], kFirstBackId + n);
  CentreOnScreen(this);
  Update();
}

void TDecks::Update() {
  PendingBackId = DeckBackId;
  ui->RandDeckChk->setChecked(RandomDeck == 1);
  SetCardFrame();
}

void TDecks::SetCardFrame() {
  for (QFrame* panel : deckPanels) Paint(panel, kTableGreen);
  if (IsBackId(PendingBackId)) Paint(deckPanels[PendingBackId - kFirstBackId], kFrameRed);
}

void TDecks::DeckTrigClick(int n) {
  if (ui->RandDeckChk->isChecked()) return;
  PendingBackId = kFirstBackId + n;
  SetCardFrame();
}

void TDecks::DeckPicDblClick(int n) {
  if (ui->RandDeckChk->isChecked()) return;
  DeckTrigClick(n);
  OKBtnClick();
}

void TDecks::OKBtnClick() {
  if (ui->RandDeckChk->isChecked()) {
    RandomDeck = 1;
  } else {
    RandomDeck = 0;
    DeckBackId = PendingBackId;
  }
  accept();
}

void TDecks::CancelBtnClick() { reject(); }
