#pragma once
// The statistics window: the figures of the game in play, or those of a saved file.

#include <QDialog>
#include <QString>
#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "stats/statistics.h"

class QLabel;
class QTimer;

namespace Ui {
class TStatBox;
}

class TStatBox : public QDialog {
  Q_OBJECT
 public:
  explicit TStatBox(QWidget* parent = nullptr);
  ~TStatBox() override;

  QTimer* Timer1;

  // Methods bound to no control.
  void WriteFile(const QString& path);
  // Shows the window modally, the game in play counting one bankruptcy more than it holds: the
  // one the player has just run into and may follow with a new game.
  void ExecCountingPendingReset();

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
  void SetUpKeyboardAndNames();
  void Dress();
  GameStatistics CurrentFigures() const;
  void Fill(const GameStatistics& v, const QString& name, int emptyBackId);
  void SetView(bool current);

  std::unique_ptr<Ui::TStatBox> ui;
  bool dressed_ = false;  // style sheet and pictures are put on at the first showing
  std::uint32_t pendingResets_ = 0;
  // Category rows from high card (0) up to royal flush (9); draw rows by cards drawn.
  std::array<QLabel*, 10> plrCategoryLabels_{}, dlrCategoryLabels_{};
  std::array<QLabel*, 5> plrDrawLabels_{}, dlrDrawLabels_{};
  std::array<QLabel*, 5> plrCards_{}, dlrCards_{};
  std::vector<QLabel*> figures_;  // every figure, in reading order
};

extern TStatBox* StatBox;
