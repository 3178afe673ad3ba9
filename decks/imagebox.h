#pragma once
// An image box: a label that stretches its picture and reports clicks and double clicks.
// Used for card places, bills, every picture a window shows and the help window's links.
// One that takes the keyboard focus is pressed with Space (and, if it asks for it, with Enter)
// and shows a focus mark around itself, outside its picture, so that nothing of it is hidden.

#include <QLabel>
#include <QMargins>
#include <QPointer>

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
  QRect MarkedRect() const { return geometry() - markMargins_; }

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

 private:
  bool activatesOnEnter_ = false;
  QMargins markMargins_;
  QPointer<FocusMark> mark_;
};
