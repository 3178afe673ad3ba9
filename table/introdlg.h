#pragma once
// The welcome dialog: the player's name, the first bet and the card back.

#include <QDialog>
#include <memory>

#include "decks/deckchoice.h"

namespace Ui {
class TIntroDlg;
}

class TIntroDlg : public QDialog {
  Q_OBJECT
 public:
  explicit TIntroDlg(QWidget* parent = nullptr);
  ~TIntroDlg() override;

 public slots:
  void BetSetResetClick();
  void OKClick();
  void QuitClick();
  void CardChangeClick();

 protected:
  bool event(QEvent* e) override;
  void showEvent(QShowEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;

 private:
  void Refuse(const QString& text, const QString& caption, QWidget* focus);
  void ShowBack(int id);

  int firstBack = kFirstBackId;
  bool dressed = false;

  std::unique_ptr<Ui::TIntroDlg> ui;
};

extern TIntroDlg* IntroDlg;
