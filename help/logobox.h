#pragma once
// The splash window: the title picture, borderless, centred, visible from its creation.

#include <QWidget>
#include <memory>

namespace Ui {
class TLogoBox;
}

class TLogoBox : public QWidget {
  Q_OBJECT
 public:
  explicit TLogoBox(QWidget* parent = nullptr);
  ~TLogoBox() override;

 private:
  std::unique_ptr<Ui::TLogoBox> ui;
};

extern TLogoBox* LogoBox;
