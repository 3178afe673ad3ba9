#include "table/exitdlg.h"

#include <QKeyEvent>
#include <QPushButton>

#include "decks/catalogue.h"
#include "platform/accessible.h"
#include "platform/palette.h"
#include "platform/windows.h"
#include "stats/statbox.h"
#include "table/tablestate.h"
#include "ui_exitdlg.h"

TExitDlg* ExitDlg = nullptr;

namespace {

QString Style() {
  return QStringLiteral(R"(
#Panel2, #Panel3, #Panel4, #Panel5, #Panel7 { background: %1; }
#StaticText1, #StaticText2, #StaticText3, #StaticText4 { font-family: "Liberation Sans Narrow"; font-size: 9px; }
)")
      .arg(Css(kOlive));
}

}  // namespace

TExitDlg::TExitDlg(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::TExitDlg>()) {
  ui->setupUi(this);
  SetUpDialog(this);
  setStyleSheet(Style());
  // The olive frame and bar lie over the picture; the New Game button over them all.
  for (QWidget* w :
       std::initializer_list<QWidget*>{ui->Panel2, ui->Panel3, ui->Panel4, ui->Panel5, ui->Panel7})
    w->raise();
  ui->NewGameBtn->raise();
  ui->Image1->setAccessibleName(tr("You're Broke! Game Over. Credit Extension Approved!"));
  for (QWidget* decoration : std::initializer_list<QWidget*>{ui->Bevel1, ui->Panel2, ui->Panel3, ui->Panel4,
                                                             ui->Panel5, ui->Panel7, ui->Image2})
    HideFromAssistiveTech(decoration);
  connect(ui->NewGameBtn, &QPushButton::clicked, this, &TExitDlg::NewGameBtnClick);
  connect(ui->ExitBtn, &QPushButton::clicked, this, &TExitDlg::ExitBtnClick);
  connect(ui->ViewStatsBtn, &QPushButton::clicked, this, &TExitDlg::ViewStatsBtnClick);
}

TExitDlg::~TExitDlg() = default;

void TExitDlg::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  if (!dressed) {  // drawn when first needed
    ShowLayoutPicture(ui->Image1, "broke");
    ShowLayoutPicture(ui->Image2, "icon");
    dressed = true;
  }
  CentreOnScreen(this);
  UpdateValuesClick();
}

void TExitDlg::keyPressEvent(QKeyEvent* e) {
  // Escape would leave the dialog without a new game, and with it the program: only Exit and the
  // close button do that.
  if (e->key() == Qt::Key_Escape) return e->accept();
  QDialog::keyPressEvent(e);
}

void TExitDlg::UpdateValuesClick() {
  NewGameChosen = 0;
  ui->NewGameBtn->setFocus();
}

void TExitDlg::NewGameBtnClick() {
  NewGameChosen = 1;
  accept();
}

void TExitDlg::ExitBtnClick() { reject(); }

void TExitDlg::ViewStatsBtnClick() {
  if (StatBox) {
    CentreOnScreen(StatBox);
    StatBox->ExecCountingPendingReset();
  }
  // Back from the statistics window: this dialog is active again.
  UpdateValuesClick();
}
