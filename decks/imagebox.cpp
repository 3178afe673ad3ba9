#include "decks/imagebox.h"

#include <QMouseEvent>

ImageBox::ImageBox(QWidget* parent) : QLabel(parent) { setScaledContents(true); }

void ImageBox::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && isEnabled()) {
    emit clicked();
    event->accept();
    return;
  }
  QLabel::mousePressEvent(event);
}

void ImageBox::mouseDoubleClickEvent(QMouseEvent* event) {
  // The second press of a double click still counts as a click, as it always has for the table.
  mousePressEvent(event);
  if (event->button() == Qt::LeftButton && isEnabled()) emit doubleClicked();
}
