#include "decks/decksdlg.h"

#include <QCheckBox>
#include <QEvent>
#include <QPushButton>

#include "decks/catalogue.h"
#include "decks/deckchoice.h"
#include "decks/imagebox.h"
#include "platform/palette.h"
#include "platform/windows.h"
#include "ui_decks.h"

TDecks* Decks = nullptr;
std::int32_t PendingBackId = kFirstBackId;

TDecks::TDecks(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::TDecks>()) {
  ui->setupUi(this);
  SetUpDialog(this);

  deckPanels_ = {ui->Deck0Pnl, ui->Deck1Pnl, ui->Deck2Pnl, ui->Deck3Pnl, ui->Deck4Pnl,
                 ui->Deck5Pnl, ui->Deck6Pnl, ui->Deck7Pnl, ui->Deck8Pnl, ui->Deck9Pnl};
  deckPics_ = {ui->Deck0Pic, ui->Deck1Pic, ui->Deck2Pic, ui->Deck3Pic, ui->Deck4Pic,
               ui->Deck5Pic, ui->Deck6Pic, ui->Deck7Pic, ui->Deck8Pic, ui->Deck9Pic};

  Paint(ui->Panel2, QPalette::Window, kTableGreen);
  for (QFrame* strip : {ui->Panel3, ui->Panel4, ui->Panel5, ui->Panel7})
    Paint(strip, QPalette::Window, kOlive);
  for (int n = 0; n < kBackCount; ++n) {
    connect(deckPics_[n], &ImageBox::clicked, this, [this, n] { DeckTrigClick(n); });
    connect(deckPics_[n], &ImageBox::doubleClicked, this, [this, n] { DeckPicDblClick(n); });
  }
  SetCardFrame();

  connect(ui->OKBtn, &QPushButton::clicked, this, &TDecks::OKBtnClick);
  connect(ui->CancelBtn, &QPushButton::clicked, this, &TDecks::CancelBtnClick);
}

TDecks::~TDecks() = default;

bool TDecks::event(QEvent* e) {
  if (e->type() == QEvent::WindowActivate) Update();
  return QDialog::event(e);
}

void TDecks::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  // Drawn when first needed, which keeps them out of the program's start.
  if (!dressed_) {
    for (int n = 0; n < kBackCount; ++n) ShowImage(deckPics_[n], kFirstBackId + n);
    dressed_ = true;
  }
  CentreOnScreen(this);
  Update();
}

void TDecks::Update() {
  PendingBackId = DeckBackId;
  ui->RandDeckChk->setChecked(RandomDeck == 1);
  SetCardFrame();
}

void TDecks::SetCardFrame() {
  for (QFrame* panel : deckPanels_) Paint(panel, QPalette::Window, kTableGreen);
  if (IsBackId(PendingBackId)) Paint(deckPanels_[PendingBackId - kFirstBackId], QPalette::Window, kRed);
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
