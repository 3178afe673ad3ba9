#pragma once
// The about window: the title picture and the licence.

#include <QDialog>

class TAbout : public QDialog {
  Q_OBJECT
 public:
  explicit TAbout(QWidget* parent = nullptr);
};

extern TAbout* About;
