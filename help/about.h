#pragma once
// The about window: the title picture and the licence.

#include <QDialog>

namespace Ui {
class TAbout;
}

class TAbout : public QDialog {
  Q_OBJECT
 public:
  explicit TAbout(QWidget* parent = nullptr);
  ~TAbout() override;

  Ui::TAbout* ui;

 public slots:
  void FormCreate();
  void OKBtnClick();

 protected:
  bool event(QEvent* e) override;
  void showEvent(QShowEvent* e) override;
};

extern TAbout* About;
