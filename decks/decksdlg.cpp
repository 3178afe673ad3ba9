#include "decks/decksdlg.h"

#include <QCheckBox>
#include <QEvent>
#include <QKeyEvent>
#include <QPushButton>
#include <algorithm>

#include "decks/catalogue.h"
#include "decks/deckchoice.h"
#include "platform/accessible.h"
#include "platform/imagebox.h"
#include "platform/palette.h"
#include "platform/settings.h"
#include "platform/windows.h"
#include "ui_decks.h"

TDecks* Decks = nullptr;
std::int32_t PendingBackId = kFirstBackId;

namespace {

// The keys of the backs, two rows of five: Left and Right go along them as they read, Up and Down
// to the other row, each moving the red frame as a click does. Enter chooses: from a back, that
// back, as a double click does; from Cancel, nothing, as Cancel does; from the check box, nothing
// at all. OK takes its own Enter, and Escape is Cancel.
enum class KeyEffect { MoveFrame, Choose };

struct KeyRow {
  int key;
  KeyEffect effect;
  int step;
};

constexpr KeyRow kKeys[] = {
    {Qt::Key_Left, KeyEffect::MoveFrame, -1}, {Qt::Key_Right, KeyEffect::MoveFrame, 1},
    {Qt::Key_Up, KeyEffect::MoveFrame, -5},   {Qt::Key_Down, KeyEffect::MoveFrame, 5},
    {Qt::Key_Return, KeyEffect::Choose, 0},   {Qt::Key_Enter, KeyEffect::Choose, 0},
};

}  // namespace

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
  SetUpKeyboardAndNames();
  SetCardFrame();
  connect(ui->RandDeckChk, &QCheckBox::toggled, this, &TDecks::DescribeBacks);
  DescribeBacks();

  connect(ui->OKBtn, &QPushButton::clicked, this, &TDecks::OKBtnClick);
  connect(ui->CancelBtn, &QPushButton::clicked, this, &TDecks::CancelBtnClick);
}

void TDecks::SetUpKeyboardAndNames() {
  // A click gives a back the focus too, so that the focus mark goes where the frame goes.
  QWidget* previous = nullptr;
  for (int n = 0; n < kBackCount; ++n) {
    ImageBox* back = deckPics_[n];
    back->setFocusPolicy(Qt::StrongFocus);
    // Round the whole panel: its margin is the red frame, which the mark must leave whole.
    back->setMarkedFrame(deckPanels_[n]);
    PresentAs(back, QAccessible::Button);
    if (previous) setTabOrder(previous, back);
    previous = back;
  }
  for (QWidget* next : std::initializer_list<QWidget*>{ui->RandDeckChk, ui->OKBtn, ui->CancelBtn}) {
    setTabOrder(previous, next);
    previous = next;
  }
  for (QWidget* strip : std::initializer_list<QWidget*>{ui->Panel3, ui->Panel4, ui->Panel5, ui->Panel7})
    HideFromAssistiveTech(strip);
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

void TDecks::keyPressEvent(QKeyEvent* e) {
  const auto focused = std::find(deckPics_.begin(), deckPics_.end(), focusWidget());
  const int n = focused == deckPics_.end() ? -1 : static_cast<int>(focused - deckPics_.begin());
  const Qt::KeyboardModifiers mods = e->modifiers() & ~Qt::KeypadModifier;
  for (const KeyRow& k : kKeys) {
    if (k.key != e->key() || mods != Qt::NoModifier) continue;
    switch (k.effect) {
      case KeyEffect::MoveFrame: {
        if (n < 0) break;  // the check box's and the buttons' own arrows
        e->accept();
        const int to = (n + k.step + kBackCount) % kBackCount;
        DeckTrigClick(to);
        // The focus goes with the frame. With Randomize ticked the frame stays, but the focus
        // still goes along the backs, each saying why it cannot be chosen.
        deckPics_[to]->setFocus(Qt::TabFocusReason);
        return;
      }
      case KeyEffect::Choose:
        e->accept();
        if (n >= 0) return DeckPicDblClick(n);
        if (focusWidget() == ui->CancelBtn) return CancelBtnClick();
        return;
    }
  }
  QDialog::keyPressEvent(e);
}

void TDecks::Update() {
  PendingBackId = DeckBackId;
  ui->RandDeckChk->setChecked(RandomDeck == 1);
  SetCardFrame();
  // Every opening starts on the framed back, the one Enter would choose.
  if (IsBackId(PendingBackId)) deckPics_[PendingBackId - kFirstBackId]->setFocus(Qt::OtherFocusReason);
}

void TDecks::SetCardFrame() {
  for (int n = 0; n < kBackCount; ++n) {
    const bool framed = PendingBackId == kFirstBackId + n;
    Paint(deckPanels_[n], QPalette::Window, framed ? kRed : kTableGreen);
    deckPics_[n]->setAccessibleName(framed ? tr("%1, selected").arg(BackTitle(kFirstBackId + n))
                                           : BackTitle(kFirstBackId + n));
  }
}

void TDecks::DescribeBacks() {
  const QString how = ui->RandDeckChk->isChecked()
                          ? tr("Not chosen while Randomize is ticked: every hand gets a new back")
                          : tr("Space frames this back, Enter chooses it");
  for (ImageBox* back : deckPics_) back->setAccessibleDescription(how);
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
  RememberDeckChoice(DeckBackId, RandomDeck == 1);
  accept();
}

void TDecks::CancelBtnClick() { reject(); }
