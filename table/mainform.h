#pragma once
// The table: the main window, on which every hand is played by its handlers and timers.

#include <QMainWindow>
#include <QString>
#include <array>

#include "table/tablestate.h"

class QLabel;
class QTimer;
class ImageBox;

namespace Ui {
class TMainForm;
}

class TMainForm : public QMainWindow {
  Q_OBJECT
 public:
  explicit TMainForm(QWidget* parent = nullptr);
  ~TMainForm() override;

  Ui::TMainForm* ui;

  // The six window timers.
  QTimer* SplashTime;
  QTimer* DealDelay;
  QTimer* DlrDraw;
  QTimer* DlrReplATimer;
  QTimer* pickAwinner;
  QTimer* kingOhearts;

  // The card places and bills, left to right and top to bottom.
  std::array<ImageBox*, 5> PlrCard{};
  std::array<ImageBox*, 5> DlrCard{};
  std::array<ImageBox*, 5> MoneySlot{};

  // Methods bound to no control.
  void DealClick();
  void UpdateMoney();

  // Moves the table to state s and sets every control that differs between states.
  void EnterState(TableState s);

 public slots:
  void SplashTimeTimer();
  void BetClick();
  void DealDelayTimer();
  void DrawClick();
  void DlrDrawTimer();
  void DlrReplATimerTimer();
  void pickAwinnerTimer();
  void NewGameClick();
  void kingOheartsTimer();
  void ShowDlrClick();
  void BetEditChange();
  void MoneySlot0Click();
  void MoneySlot1Click();
  void MoneySlot2Click();
  void MoneySlot3Click();
  void MoneySlot4Click();
  void PlrCard0BtnClick();
  void PlrCard1BtnClick();
  void PlrCard2BtnClick();
  void PlrCard3BtnClick();
  void PlrCard4BtnClick();
  void ViewStatsClick();
  void DeckClick();
  void ExitClick();
  void ContentsClick();
  void AboutBrindlewharf1Click();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  bool CheckBet();
  void MoneySlotClick(int slot);
  void PlrCardClick(int slot);
  void ShowBillHints(bool on);
  void AbandonHand();
  void ShowBack(QLabel* box);
  void ClearCards();
};

extern TMainForm* MainForm;

// Starts a timer unless it is already running: a running timer keeps its period.
void SwitchOn(QTimer* timer);
