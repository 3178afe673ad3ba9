#include "table/exitdlg.h"

#include <QPushButton>

#include "decks/catalogue.h"
#include "platform/windows.h"
#include "stats/statbox.h"
#include "table/tablestate.h"
#include "ui_exitdlg.h"

TExitDlg* ExitDlg = nullptr;

namespace {

const char* kStyle = R"(
#Panel2, #Panel3, #Panel4, #Panel5, #Panel7 { background: #808000; }
#StaticText1, #StaticText2, #StaticText3, #StaticText4 { font-family: "Liberation Sans Narrow"; font-size: 9px; }
)";

}  // namespace

TExitDlg::TExitDlg(QWidget* parent) : QDialog(parent), ui(new Ui::TExitDlg) {
  ui->setupUi(this);
  SetUpDialog(this);
  setStyleSheet(kStyle);
  // The olive frame and bar lie over the picture; the New Game button over them all.
  for (QWidget* w :
       std::initializer_list<QWidget*>{ui->Panel2, ui->Panel3, ui->Panel4, ui->Panel5, ui->Panel7})
    w->raise();
  ui->NewGameBtn->raise();
  connect(ui->NewGameBtn, &QPushButton::clicked, this, &TExitDlg::NewGameBtnClick);
  connect(ui->ExitBtn, &QPushButton::clicked, this, &TExitDlg::ExitBtnClick);
  connect(ui->ViewStatsBtn, &QPushButton::clicked, this, &TExitDlg::ViewStatsBtnClick);
}

TExitDlg::~TExitDlg() { delete ui; }

void TExitDlg::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  if (ui->Image1->pixmap().isNull()) {  // drawn when first needed
    ShowLayoutPicture(ui->Image1, "broke");
    ShowLayoutPicture(ui->Image2, "icon");
  }
  CentreOnScreen(this);
  UpdateValuesClick();
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
