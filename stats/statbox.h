#pragma once
// The statistics window: the figures of the game in play, or those of a saved file.

#include <QDialog>
#include <QString>
#include <utility>
#include <vector>

#include "stats/statistics.h"

class QTimer;

namespace Ui {
class TStatBox;
}

// Every label's text for a set of figures and a player's name, by label name. Used alike for
// the current game and for a file.
std::vector<std::pair<const char*, QString>> StatLabelTexts(const GameStatistics& v, const QString& name);

class TStatBox : public QDialog {
  Q_OBJECT
 public:
  explicit TStatBox(QWidget* parent = nullptr);
  ~TStatBox() override;

  Ui::TStatBox* ui;
  QTimer* Timer1;

  // Methods bound to no control.
  void WriteFile(const QString& path);

 public slots:
  void UpdateClick();
  void SaveSpBtnClick();
  void OpenSpBtnClick();
  void CloseSpBtnClick();
  void HelpSpBtnClick();
  void OKBtnClick();
  void Timer1Timer();

 protected:
  void showEvent(QShowEvent* e) override;
  void hideEvent(QHideEvent* e) override;

 private:
  void Fill(const GameStatistics& v, const QString& name, int emptyBackId);
  void SetView(bool current);
};

extern TStatBox* StatBox;
