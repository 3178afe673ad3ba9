#pragma once
// The splash window: the title picture, borderless, centred, visible from its creation.

#include <QWidget>

class TLogoBox : public QWidget {
  Q_OBJECT
 public:
  explicit TLogoBox(QWidget* parent = nullptr);
};

extern TLogoBox* LogoBox;
