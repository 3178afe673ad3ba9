#pragma once
// The coach's window: while the player discards, the best three holds of the hand against the
// Dealer's rule and, once the player turns a card, how the cards turned compare; after the draw,
// a verdict; and a tally of the game. Off until the player opens it, it never changes the table
// and saves nothing. Built from layouts, so any language and scale fits.
//
// Wiring into the table:
//   - DiscardBegins(PlrHand, CurrentBet) when the discard state begins (the tenth deal tick);
//   - CardsTurned(PlrDiscard) after every click that turns a card;
//   - DrawMade(PlrDiscard) in DrawClick once the draw has passed CheckDraw;
//   - HandSettled(outcome) at the showdown;
//   - NewGame() in NewGameClick (also after the bankruptcy dialog);
//   - Hint() on the H key, and HintGiven() to turn the table's cards as clicks would.
// Call all four whether or not the window is open: the coach ranks holds only while it is open,
// and starts at once if it is opened in the middle of a discard.
// The Game menu's "Coach" item (Ctrl+K) calls Toggle(); OpenChanged() keeps a check mark on it in
// step (see SideWindow). In the coach's own window Ctrl+K and Escape close it again, so leave the item's
// shortcut to the table window (its default context), or the two would clash.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "game/cards.h"
#include "game/coach.h"
#include "game/compare.h"
#include "platform/sidewindow.h"

class CoachModel;
class CoachWorker;
class QLabel;
class QPushButton;
class QTableView;

class TCoachBox : public SideWindow {
  Q_OBJECT
 public:
  explicit TCoachBox(QWidget* table = nullptr);

  void DiscardBegins(const Hand& dealt, std::int32_t bet);
  void CardsTurned(const SlotFlags& discards);
  void DrawMade(const SlotFlags& discards);
  void HandSettled(Outcome outcome);
  void NewGame();

 public slots:
  // Shows the best hold as soon as the holds are ranked (at once if they are).
  void Hint();

 signals:
  // The best hold's discards, for the table to turn its cards to.
  void HintGiven(const SlotFlags& bestHold);
  // The verdict on a draw as a screen reader should say it, after each draw while open.
  void Verdict(const QString& spoken);
  // The same verdict as figures, for the hand history: the draw's place among the ranked holds
  // (1 the best) and how far below the best it fell, in dollars at the hand's bet; a hold that
  // cannot be told from the best has fallen nowhere; and the best hold's discards. Only for a
  // draw the coach had ranked.
  void DrawJudged(std::int32_t place, double dollarsBelow, const SlotFlags& bestHold);
  // What a screen reader should hear of the coach itself: that it opened, with its best hold once
  // it has one; that it closed; the whole hold a hint set.
  void Said(const QString& spoken);

 protected:
  void showEvent(QShowEvent* e) override;
  void hideEvent(QHideEvent* e) override;
  // On a screen with no room beside the table: clear of the player's cards.
  void PlaceWhenNoRoom(const QRect& room, const QRect& table, const QMargins& frame) override;

 private:
  enum class Phase { Idle, Discarding, Drawn };

  void HoldsRanked(const std::vector<HoldOdds>& holds);
  void Analyse();
  void GiveHint();
  QString VerdictText(bool spoken) const;
  // Sets every text, picture and accessible name from the state; announces what changed.
  void ShowState();
  // The table's columns as wide as their widest text at the bet, and the window the size its
  // layout needs for every text whole at that width.
  void FitColumns();
  void FitWindow();

  Phase phase_ = Phase::Idle;
  Hand hand_{};
  SlotFlags discards_{};
  std::int32_t bet_ = 0;
  std::vector<HoldOdds> ranked_;  // empty until the worker delivers
  CoachTally tally_;
  bool hintWanted_ = false;  // asked for before the holds were ranked
  bool hinted_ = false;      // this hand's best hold has been shown
  bool turned_ = false;      // the player has turned a card this hand
  bool tellBest_ = false;    // opened in a discard before the holds were ranked: say the best when they are
  bool settled_ = false;
  Outcome outcome_ = Push;

  CoachWorker* worker_;
  CoachModel* model_;
  std::array<QLabel*, 5> cards_{};
  QTableView* holds_;
  QLabel* note_;    // the figures' precision, or what the coach is doing
  QLabel* reason_;  // why the best hold is best
  QLabel* edge_;    // the House's edge, and which hold loses least
  QLabel* yourHold_;
  QLabel* verdict_;
  QLabel* tallyLabel_;
  QPushButton* hint_;
};
