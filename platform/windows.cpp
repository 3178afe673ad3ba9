#include "platform/windows.h"

#include <QFont>
#include <QScreen>
#include <QWidget>

void CentreOnScreen(QWidget* window) {
  if (QScreen* screen = window->screen()) window->move(screen->availableGeometry().center() - window->rect().center());
}

void UseBaseFont(QWidget* window) {
  QFont base("Liberation Sans");
  base.setPixelSize(11);
  window->setFont(base);
}
