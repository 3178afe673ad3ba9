#pragma once
// The history window: every hand of the game in play, newest first, the chart of the bank above
// them and the cards of the hand chosen beside them; Export... saves the game as a CSV file.
// Not modal: it stays open beside the table and follows the game as it is played.
//
// Wiring into the table: connect the table's HandEvents to the slots of Recorder() (see
// history/recorder.h), and the coach's verdict on each draw to Recorder()->CoachVerdict. Give
// the player's name with SetPlayerName whenever it is set. The Game menu's "History" item
// (Ctrl+H) calls Toggle(); OpenChanged() keeps a check mark on it in step. In the window itself
// Ctrl+H and Escape close it, so leave the item's shortcut to the table window.

#include <QDialog>
#include <array>

class BankChart;
class HandRecorder;
class HistoryModel;
class ImageBox;
class QLabel;
class QTableView;

class THistoryBox : public QDialog {
  Q_OBJECT
 public:
  explicit THistoryBox(QWidget* table = nullptr);

  HandRecorder* Recorder() const { return recorder_; }
  void SetPlayerName(const QString& name) { playerName_ = name; }

  void Toggle();
  bool IsOpen() const { return isVisible(); }

 public slots:
  void ExportClick();

 signals:
  void OpenChanged(bool open);

 protected:
  void showEvent(QShowEvent* e) override;
  void hideEvent(QHideEvent* e) override;

 private:
  // Shows the cards of the chosen hand, or of the newest when none is chosen.
  void ShowChosenHand();
  void PlaceBesideTable();

  HandRecorder* recorder_;
  HistoryModel* model_;
  BankChart* chart_;
  QTableView* view_;
  QLabel* handLabel_;
  std::array<std::array<ImageBox*, 5>, 3> cards_{};  // dealt, drawn, the Dealer's
  QString playerName_;
  bool placed_ = false;
};
