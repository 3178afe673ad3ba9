#pragma once
// The bankruptcy dialog: a new game, the end, or a look at the statistics of the game just lost.

#include <QDialog>

namespace Ui {
class TExitDlg;
}

class TExitDlg : public QDialog {
  Q_OBJECT
 public:
  explicit TExitDlg(QWidget* parent = nullptr);
  ~TExitDlg() override;

  Ui::TExitDlg* ui;

 public slots:
  void UpdateValuesClick();
  void NewGameBtnClick();
  void ExitBtnClick();
  void ViewStatsBtnClick();

 protected:
  void showEvent(QShowEvent* e) override;
};

extern TExitDlg* ExitDlg;
