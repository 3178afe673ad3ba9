#pragma once
// The welcome dialog: the player's name, the first bet and the card back.

#include <QDialog>

class TIntroDlg : public QDialog {
  Q_OBJECT
 public:
  explicit TIntroDlg(QWidget* parent = nullptr);
};

extern TIntroDlg* IntroDlg;
