#pragma once
// The table: the main window, on which every hand is played by its handlers and timers.

#include <QMainWindow>
#include <QString>
#include <array>
#include <memory>
#include <optional>

#include "game/cards.h"
#include "platform/platform.h"
#include "table/tablestate.h"

class QLabel;
class QPushButton;
class QTimer;
class ImageBox;
class HandEvents;
class QAction;

namespace Ui {
class TMainForm;
}

class TMainForm : public QMainWindow {
  Q_OBJECT
 public:
  explicit TMainForm(QWidget* parent = nullptr);
  ~TMainForm() override;

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

  // The first steps of the splash handover: the money panel up, the bank shown and the table
  // waiting for the welcome dialog's first bet.
  void WelcomeTable();

  // What happens in the hand cycle, for the listeners WireTable connects.
  HandEvents* const Events;

  // Game > Coach: the wiring opens and closes the coach with it and keeps its check mark.
  QAction* CoachItem() const;
  // Game > History, the same way.
  QAction* HistoryItem() const;
  // Game > Sound, on or off; the wiring keeps the sound and the remembered choice with it.
  QAction* SoundItem() const;

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
  // The clicks on the five bills (MoneySlot0Click .. MoneySlot4Click) and on the player's five
  // cards (PlrCard0BtnClick .. PlrCard4BtnClick): each five differ only in the slot.
  void MoneySlotClick(int slot);
  void PlrCardBtnClick(int slot);
  // Turns the player's cards, as clicks would, so that hold's cards are the ones face down.
  void TurnCardsTo(const SlotFlags& hold);
  void ViewStatsClick();
  void DeckClick();
  void ExitClick();
  void ContentsClick();
  void AboutBrindlewharf1Click();

 signals:
  // H while the player discards: the player asks for the best hold.
  void HintAsked();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  bool CheckBet();
  // A new game after the question whether to keep the statistics: from the menu the question
  // may be cancelled, which leaves the game as it was; after a bankruptcy it is Yes or No.
  void StartNewGame(MessageStyle question);
  void OfferBills(bool on);
  // The value of the bill that has the keyboard's focus, or 0 when no bill has it.
  std::int32_t FocusedBill() const;
  void AbandonHand();
  // A card place shows a face, a back or nothing, and its accessible name says which.
  void ShowCard(ImageBox* box, int id);
  void ShowBack(ImageBox* box);
  void ClearCards();
  // What a card place shows: 0 nothing, a back, or a card; the places are worded from it.
  int& Shown(const ImageBox* box);
  void WordPlaces();
  void SetUpKeyboardAndNames();
  // Gives the focus to the control the state names.
  void PlaceFocus();

  std::unique_ptr<Ui::TMainForm> ui;
  std::array<QPushButton*, 5> PlrCardBtn{};
  std::array<int, 10> shown_{};                  // the player's five places, then the Dealer's
  std::optional<bool> blackBetEdit_;             // the bet box's colour as last painted
  TableState restingFor_ = TableState::Opening;  // the state that last put the focus on the result line
};

extern TMainForm* MainForm;

// Starts a timer unless it is already running: a running timer keeps its period.
void SwitchOn(QTimer* timer);
