#pragma once
// An image box: a label that stretches its picture and reports clicks.
// Used for card places, bills and every picture a window shows.

#include <QLabel>

class QMouseEvent;

class ImageBox : public QLabel {
  Q_OBJECT
 public:
  explicit ImageBox(QWidget* parent = nullptr);

 signals:
  void clicked();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
};
