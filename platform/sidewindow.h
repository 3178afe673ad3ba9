#pragma once
// A window that stands beside the table, as the coach and the hand history do. One menu item opens
// and closes it (Toggle, and OpenChanged to keep the item's check mark), and whether it was open is
// remembered for the next run. The first time it opens clear of the table and of the other side
// windows, narrower or shorter if it must be; once the player has moved it, where the player put
// it, kept whole on a screen.

#include <QDialog>
#include <QRect>
#include <QSize>
#include <optional>
#include <vector>

#include "platform/settings.h"

class SideWindow : public QDialog {
  Q_OBJECT
 public:
  // takesKeyboard: opening it makes it the active window; otherwise the table keeps the keyboard.
  SideWindow(QWidget* table, GameWindow which, bool takesKeyboard);

  void Toggle();
  bool IsOpen() const { return isVisible(); }

 signals:
  void OpenChanged(bool open);

 protected:
  void showEvent(QShowEvent* e) override;
  void hideEvent(QHideEvent* e) override;
  // Where the window goes when no place clear of the table has room for it (frame: the margins
  // the window manager's frame will add): by default anywhere whole on the screen.
  virtual void PlaceWhenNoRoom(const QRect& room, const QRect& table, const QMargins& frame);

 private:
  void Place();

  GameWindow which_;
  bool takesKeyboard_;
  bool placed_ = false;
};

// Where a frame of size wanted (or as small as least) goes inside room, clear of every rectangle
// of taken by gap: right of them, left of them, below, above, in that order of preference; the
// first place with room for the whole frame, else the one that leaves it largest. Nothing when no
// place has room for least.
std::optional<QRect> PlaceClear(QSize wanted, QSize least, const QRect& room, const std::vector<QRect>& taken,
                                int gap);
