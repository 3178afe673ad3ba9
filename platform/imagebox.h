#pragma once
// An image box: a label that stretches its picture and reports clicks and double clicks.
// Used for card places, bills, every picture a window shows and the help window's links.
// One that takes the keyboard focus is pressed with Space (and, if it asks for it, with Enter)
// and shows a focus mark around itself, outside its picture, so that nothing of it is hidden.

#include <QLabel>
#include <QMargins>
#include <QPointer>
#include <algorithm>
#include <array>

class QMouseEvent;
class FocusMark;

class ImageBox : public QLabel {
  Q_OBJECT
 public:
  explicit ImageBox(QWidget* parent = nullptr);
  ~ImageBox() override;

  // Enter presses the box as Space does (a bill, a card back); otherwise Enter is left to the
  // window (which deals or draws with it).
  void setActivatesOnEnter(bool on) { activatesOnEnter_ = on; }
  // The part of the box the mark goes round, when less than the whole box shows.
  void setMarkMargins(const QMargins& m) { markMargins_ = m; }
  // The mark goes round frame instead, a panel that holds the box and shows a highlight of its
  // own around the picture, which the mark must leave whole.
  void setMarkedFrame(QWidget* frame) { markedFrame_ = frame; }
  // A link in a close list has no room around it: its mark is a band behind its text.
  void setMarkInside(bool on) { markInside_ = on; }
  // Where the mark goes, in the coordinates of the widget it is drawn in.
  QRect MarkedRect() const;

 public slots:
  // A press, by key or by assistive technology: the same as a click.
  void activate();

 signals:
  void clicked();
  // Follows the clicked() of the second press, as a double click follows a click.
  void doubleClicked();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  bool activatesOnEnter_ = false;
  bool markInside_ = false;
  QMargins markMargins_;
  QPointer<QWidget> markedFrame_;
  QPointer<FocusMark> mark_;
};

// Moves the focus from the focused box of a row to the one step places on, round from either end.
// False when no box of the row has the focus.
template <std::size_t N>
bool FocusAlong(const std::array<ImageBox*, N>& row, const QWidget* focused, int step) {
  const auto at = std::find(row.begin(), row.end(), focused);
  if (at == row.end()) return false;
  const auto n = static_cast<int>(N);
  row[static_cast<std::size_t>(((at - row.begin()) + step % n + n) % n)]->setFocus(Qt::TabFocusReason);
  return true;
}
