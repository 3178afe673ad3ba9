#include "platform/sidewindow.h"

#include <QGuiApplication>
#include <QScreen>
#include <QShowEvent>
#include <algorithm>

std::optional<QRect> PlaceClear(QSize wanted, QSize least, const QRect& room, const std::vector<QRect>& taken,
                                int gap) {
  if (taken.empty()) return std::nullopt;
  QRect all;
  for (const QRect& r : taken) all |= r;
  // The strips beside what is taken, each as tall or as wide as the room.
  const QRect strips[] = {
      QRect(QPoint(all.right() + 1 + gap, room.top()), room.bottomRight()),
      QRect(room.topLeft(), QPoint(all.left() - 1 - gap, room.bottom())),
      QRect(QPoint(room.left(), all.bottom() + 1 + gap), room.bottomRight()),
      QRect(room.topLeft(), QPoint(room.right(), all.top() - 1 - gap)),
  };
  std::optional<QRect> best;
  for (const QRect& strip : strips) {
    const QSize size = wanted.boundedTo(strip.size());
    if (size.width() < least.width() || size.height() < least.height()) continue;
    // Level with the top (or left) of what is taken where the strip allows.
    const bool beside = strip.height() == room.height();
    QPoint at = strip.topLeft();
    if (beside) at.setY(std::clamp(all.top(), strip.top(), strip.bottom() + 1 - size.height()));
    if (!beside) at.setX(std::clamp(all.left(), strip.left(), strip.right() + 1 - size.width()));
    if (strip.left() < all.left() && beside) at.setX(strip.right() + 1 - size.width());
    if (strip.top() < all.top() && !beside) at.setY(strip.bottom() + 1 - size.height());
    const QRect place(at, size);
    if (size == wanted) return place;
    if (!best || size.width() * size.height() > best->width() * best->height()) best = place;
  }
  return best;
}

SideWindow::SideWindow(QWidget* table, GameWindow which, bool takesKeyboard)
    : QDialog(table), which_(which), takesKeyboard_(takesKeyboard) {
  KeepPlayersPlace(this, which);
  connect(this, &SideWindow::OpenChanged, this, [which](bool open) { RememberOpen(which, open); });
}

void SideWindow::Toggle() {
  if (isVisible()) {
    close();
    return;
  }
  show();
  if (takesKeyboard_) {
    activateWindow();
  } else if (parentWidget()) {
    parentWidget()->window()->activateWindow();
  }
}

void SideWindow::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  if (!placed_) Place();
  placed_ = true;
  emit OpenChanged(true);
}

void SideWindow::hideEvent(QHideEvent* e) {
  QDialog::hideEvent(e);
  emit OpenChanged(false);
}

void SideWindow::Place() {
  if (MoveToPlayersPlace(this, which_) || !parentWidget()) return;
  QWidget* table = parentWidget()->window();
  const QScreen* screen = table->screen();
  if (!screen) return;
  // Until the window manager has framed this window, take its frame to be the table's.
  const QRect tableFrame = table->frameGeometry();
  const QMargins frame = FrameMargins(table);
  std::vector<QRect> taken = {tableFrame};
  for (const SideWindow* other : table->findChildren<SideWindow*>())
    if (other != this && other->isVisible()) taken.push_back(other->frameGeometry());
  // A window with no least size of its own is not made smaller.
  const QSize least = (minimumSize().isEmpty() ? size() : minimumSize()).grownBy(frame);
  const auto at = PlaceClear(size().grownBy(frame), least, screen->availableGeometry(), taken, 2);
  if (!at) return PlaceWhenNoRoom(screen->availableGeometry(), tableFrame, frame);
  setGeometry(at->marginsRemoved(frame));
}

void SideWindow::PlaceWhenNoRoom(const QRect&, const QRect&, const QMargins&) { KeepWhollyOnScreen(this); }
