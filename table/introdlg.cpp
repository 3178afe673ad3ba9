#include "table/introdlg.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

#include "decks/catalogue.h"
#include "game/money.h"
#include "platform/accessible.h"
#include "platform/imagebox.h"
#include "platform/numbers.h"
#include "platform/palette.h"
#include "platform/platform.h"
#include "platform/settings.h"
#include "platform/windows.h"
#include "platform/words.h"
#include "table/tablestate.h"
#include "ui_introdlg.h"

TIntroDlg* IntroDlg = nullptr;

namespace {

QString Style() {
  return QStringLiteral(R"(
#Label1, #StartBankLabl { font-family: "Liberation Serif"; font-size: 16px; font-weight: bold; }
#Panel1 { background: %1; }
)")
      .arg(Css(kTableGreen));
}

}  // namespace

TIntroDlg::TIntroDlg(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::TIntroDlg>()) {
  ui->setupUi(this);
  SetUpDialog(this);
  setStyleSheet(Style());

  ui->StartBankLabl->setText(tr("Your starting bank account is %1").arg(Dollars(StartingBank)));
  // The back in use now is the one the card shows first; it is drawn when the dialog first opens.
  firstBack = DeckBackId;
  // The last game's name and Randomize; a first run has neither.
  ui->PlrNameEdit->setText(RememberedName());
  ui->RandDeckChk->setChecked(RememberedRandomDeck());

  connect(ui->OK, &QPushButton::clicked, this, &TIntroDlg::OKClick);
  connect(ui->Quit, &QPushButton::clicked, this, &TIntroDlg::QuitClick);
  connect(ui->CardPic, &ImageBox::clicked, this, &TIntroDlg::CardChangeClick);
  // The card and Randomize take the focus too, so the back is chosen without the mouse.
  ui->CardPic->setFocusPolicy(Qt::TabFocus);
  ui->RandDeckChk->setFocusPolicy(Qt::TabFocus);
  QWidget* order[] = {ui->PlrNameEdit, ui->BoxBetEdit, ui->CardPic, ui->RandDeckChk, ui->OK, ui->Quit};
  for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
  ui->Label2->setBuddy(ui->PlrNameEdit);
  ui->Label4->setBuddy(ui->BoxBetEdit);
  for (QLineEdit* edit : {ui->PlrNameEdit, ui->BoxBetEdit}) {
    KeepAltKeysOut(edit);
    HeardWhenTabbedInto(edit);
  }
  PresentAs(ui->CardPic, QAccessible::Button);
  ui->CardPic->setAccessibleDescription(tr("Space shows the next back"));
  for (QWidget* decoration : std::initializer_list<QWidget*>{ui->Bevel1, ui->Image2})
    HideFromAssistiveTech(decoration);
}

TIntroDlg::~TIntroDlg() = default;

bool TIntroDlg::event(QEvent* e) {
  // An activation that arrives after the dialog has closed must not undo its answer.
  if (e->type() == QEvent::WindowActivate && isVisible()) BetSetResetClick();
  return QDialog::event(e);
}

void TIntroDlg::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  if (!dressed) {  // drawn when first needed, which keeps them out of the program's start
    ShowLayoutPicture(ui->Image2, "icon");
    ShowBack(firstBack);
    dressed = true;
  }
  CentreOnScreen(this);
  BetSetResetClick();
  ui->PlrNameEdit->setFocus();
  ui->PlrNameEdit->selectAll();  // a remembered name gives way to the first key typed
}

void TIntroDlg::keyPressEvent(QKeyEvent* e) {
  // Escape would leave the dialog, and with it the game: only Quit and the close button do that.
  if (e->key() == Qt::Key_Escape) return e->accept();
  // Enter deals 'em up from the boxes, the card or the check box; on a button it is that button.
  const bool enter = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
  if (enter && !qobject_cast<QPushButton*>(focusWidget())) {
    e->accept();
    return OKClick();
  }
  QDialog::keyPressEvent(e);
}

void TIntroDlg::BetSetResetClick() { WelcomeDone = 0; }

void TIntroDlg::Refuse(const QString& text, const QString& caption, QWidget* focus) {
  ShowMessage(text, caption, StopOk);
  // Closing a message box activates the dialog again, which whatever the window system does
  // must clear the flag.
  BetSetResetClick();
  focus->setFocus();
}

void TIntroDlg::OKClick() {
  const QString name = ui->PlrNameEdit->text();
  if (const NameRefusal why = CheckPlayerName(Characters(name)); why != NameRefusal::None) {
    Refuse(Words(why).text, Words(why).caption, ui->PlrNameEdit);
    return;
  }
  PlayerName = name.isEmpty() ? QStringLiteral("Player") : name;

  const BetCheck check = CheckWelcomeBet(ui->BoxBetEdit->text().toStdString(), Bank);
  // The converted bet is kept even when a later check refuses it; nothing reads it until
  // the dialog is accepted.
  if (check.converted) CurrentBet = check.value;
  if (!check.Passed()) {
    Refuse(Words(check.refusal).text, Words(check.refusal).caption, ui->BoxBetEdit);
    return;
  }
  if (ui->RandDeckChk->isChecked()) {
    RandomDeck = 1;
  } else {
    DeckBackId = kFirstBackId + WelcomeDeckIndex;
  }
  WelcomeDone = 1;
  RememberName(name);
  RememberDeckChoice(DeckBackId, RandomDeck == 1);
  accept();
}

void TIntroDlg::QuitClick() {
  TerminateApplication();
  reject();
}

void TIntroDlg::CardChangeClick() {
  if (ui->RandDeckChk->isChecked()) return;
  WelcomeDeckIndex = WelcomeDeckIndex >= kBackCount - 1 || WelcomeDeckIndex < 0 ? 0 : WelcomeDeckIndex + 1;
  ShowBack(kFirstBackId + WelcomeDeckIndex);
  // A screen reader says nothing of a focused button's new name: the new back is told.
  if (ui->CardPic->hasFocus()) Notify(this, ui->CardPic->accessibleName());
}

void TIntroDlg::ShowBack(int id) {
  ShowImage(ui->CardPic, id);
  ui->CardPic->setAccessibleName(BackTitle(id));
}
