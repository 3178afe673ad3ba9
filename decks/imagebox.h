#pragma once
// An image box: a label that stretches its picture and reports clicks and double clicks.
// Used for card places, bills, every picture a window shows and the help window's links.

#include <QLabel>

class QMouseEvent;

class ImageBox : public QLabel {
  Q_OBJECT
 public:
  explicit ImageBox(QWidget* parent = nullptr);

 signals:
  void clicked();
  // Follows the clicked() of the second press, as a double click follows a click.
  void doubleClicked();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
};
