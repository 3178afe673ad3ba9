#pragma once
// The bankruptcy dialog: a new game, the end, or a look at the statistics of the game just lost.

#include <QDialog>
#include <memory>

namespace Ui {
class TExitDlg;
}

class TExitDlg : public QDialog {
  Q_OBJECT
 public:
  explicit TExitDlg(QWidget* parent = nullptr);
  ~TExitDlg() override;

 public slots:
  void UpdateValuesClick();
  void NewGameBtnClick();
  void ExitBtnClick();
  void ViewStatsBtnClick();

 protected:
  void showEvent(QShowEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;

 private:
  std::unique_ptr<Ui::TExitDlg> ui;
  bool dressed = false;
};

extern TExitDlg* ExitDlg;
