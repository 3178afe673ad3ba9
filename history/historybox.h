#pragma once
// The history window: every hand of the game in play, newest first, the chart of the bank above
// them and the cards of the hand chosen beside them; Export... saves the game shown as a CSV
// file. Not modal: it stays open beside the table and follows the game as it is played.
// With a database kept (KeepHandsIn) it also lists every earlier game, whose hands and chart it
// shows on request, and the lifetime figures and leaks over all of them.
//
// Wiring into the table: connect the table's HandEvents to the slots of Recorder() (see
// history/recorder.h), and the coach's verdict on each draw to Recorder()->CoachVerdict. The
// Game menu's "History" item (Ctrl+H) calls Toggle(); OpenChanged() keeps a check mark on it in
// step (see SideWindow). In the window itself Ctrl+H and Escape close it, so leave the item's
// shortcut to the table window.

#include <array>
#include <cstdint>
#include <memory>

#include "history/handstore.h"
#include "platform/sidewindow.h"

class BankChart;
class GamesModel;
class HandArchive;
class HandRecorder;
class HistoryModel;
class ImageBox;
class LeakPage;
class LifetimePage;
class QLabel;
class QPushButton;
class QTabWidget;
class QTableView;

class THistoryBox : public SideWindow {
  Q_OBJECT
 public:
  enum Tab { HandsTab, GamesTab, LifetimeTab, LeaksTab };

  explicit THistoryBox(QWidget* table = nullptr);
  // Waits until every hand is written.
  ~THistoryBox() override;

  HandRecorder* Recorder() const { return recorder_; }
  // From now on every game and hand goes to the database at path (see HandArchive). Should it
  // be damaged, foreign or newer than this program, the player is told once, when the game
  // begins.
  void KeepHandsIn(const QString& path);
  const HandArchive* Archive() const { return archive_.get(); }

 public slots:
  void ExportClick();
  // The hands and chart of a game of the database; ShowThisGame goes back to the game in play.
  void ShowGame(const StoredGame& game);
  void ShowThisGame();

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  // Shows the cards of the chosen hand, or of the newest when none is chosen.
  void ShowChosenHand();
  void StoreOpened(const StoreOpening& opening, const QString& path);
  // Reads the page shown afresh from the database.
  void RefreshPage();
  void ShowChosenGame();
  // The player hears of trouble with the database once, when a game has begun.
  void TellOnce();

  HandRecorder* recorder_;
  HistoryModel* model_;
  BankChart* chart_;
  QTableView* view_;
  QLabel* handLabel_;
  QLabel* gameLabel_;
  QPushButton* thisGame_;
  std::array<std::array<ImageBox*, 5>, 3> cards_{};  // dealt, drawn, the Dealer's
  QTabWidget* tabs_;
  GamesModel* games_;
  QTableView* gamesView_;
  QLabel* noticeLabel_;
  LifetimePage* lifetime_;
  LeakPage* leaks_;
  QPushButton* export_;

  std::unique_ptr<HandArchive> archive_;
  HandStore reader_;
  std::int64_t currentGame_ = 0;
  QString notice_;
  bool gameBegun_ = false;
  bool told_ = false;
};
