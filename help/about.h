#pragma once
// The about window: the title picture and the licence.

#include <QDialog>
#include <memory>

namespace Ui {
class TAbout;
}

class TAbout : public QDialog {
  Q_OBJECT
 public:
  explicit TAbout(QWidget* parent = nullptr);
  ~TAbout() override;

 public slots:
  void FormCreate();
  void OKBtnClick();

 protected:
  bool event(QEvent* e) override;
  void showEvent(QShowEvent* e) override;

 private:
  std::unique_ptr<Ui::TAbout> ui;
  bool dressed_ = false;  // the picture is drawn when first needed
};

extern TAbout* About;
