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
  // A window of its own that belongs to the table: a window manager keeps it above the table
  // while other windows open and close, until the table closes it.
  explicit TLogoBox(QWidget* table);
  ~TLogoBox() override;

 private:
  std::unique_ptr<Ui::TLogoBox> ui;
};

extern TLogoBox* LogoBox;
