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
